#include "masterdata/tmgl_add.h"

#include "platform/formkit.h"
#include "platform/msgbox.h"

#include <QGridLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TF_Tmgl_Add* F_Tmgl_Add = nullptr;

TF_Tmgl_Add::TF_Tmgl_Add(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Tmgl_Add"));
    setWindowTitle(QStringLiteral("输入打印条码数量"));
    setEscCloses(true);
    setMainAction([this] { btnOKClick(); });
    lblGoods = new QLabel(this);
    lblGoods->setObjectName(QStringLiteral("lblGoods"));
    edtNum = new QLineEdit(this);
    edtNum->setObjectName(QStringLiteral("edtNum"));
    edtNum->setMaxLength(7);
    edtNum->setValidator(new QIntValidator(0, 9999999, edtNum));
    btnOK = namedButton(this, "btnOK", QStringLiteral("确定(F5)"));
    btnCancel = namedButton(this, "btnCancel", QStringLiteral("取消(Esc)"));
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("所选商品："), this), 0, 0);
    grid->addWidget(lblGoods, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("条码数量："), this), 1, 0);
    grid->addWidget(edtNum, 1, 1);
    auto* col = new QVBoxLayout(this);
    col->addWidget(new QLabel(QStringLiteral("输入所选商品要打印条码的数量"), this));
    col->addLayout(grid);
    col->addLayout(buttonRow({btnOK, btnCancel}));
    onClicked(btnOK, [this] { btnOKClick(); });
    onClicked(btnCancel, [this] { close(); });
}

void TF_Tmgl_Add::setGoods(const QString& label, const QString& quantity)
{
    lblGoods->setText(label);
    edtNum->setText(QString::number(int(quantity.toDouble())));
}

void TF_Tmgl_Add::FormActivate()
{
    answer.clear();
    edtNum->setFocus();
    edtNum->selectAll();
}

void TF_Tmgl_Add::btnOKClick()
{
    // The box is never empty: an emptied box counts as 0.
    answer = QString::number(edtNum->text().trimmed().toInt());
    close();
}
