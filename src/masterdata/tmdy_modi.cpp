#include "masterdata/tmdy_modi.h"

#include "masterdata/barcodes.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"

#include <QGridLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TF_Tmdy_Modi* F_Tmdy_Modi = nullptr;

TF_Tmdy_Modi::TF_Tmdy_Modi(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Tmdy_Modi"));
    setWindowTitle(QStringLiteral("条码数量"));
    setEscCloses(true);
    setMainAction([this] { btnSaveClick(); });
    lblSn = new QLabel(this);
    lblSn->setObjectName(QStringLiteral("lblSn"));
    edtNum = new QLineEdit(this);
    edtNum->setObjectName(QStringLiteral("edtNum"));
    edtNum->setMaxLength(4);
    edtNum->setValidator(new QIntValidator(0, 9999, edtNum));
    btnSave = namedButton(this, "btnSave", QStringLiteral("保存(F5)"));
    btnExit = namedButton(this, "btnExit", QStringLiteral("退出(Esc)"));
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("商品编号："), this), 0, 0);
    grid->addWidget(lblSn, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("条码数量："), this), 1, 0);
    grid->addWidget(edtNum, 1, 1);
    auto* col = new QVBoxLayout(this);
    col->addWidget(new QLabel(QStringLiteral("请输入所选商品要打印条码的数量"), this));
    col->addLayout(grid);
    col->addLayout(buttonRow({btnSave, btnExit}));
    onClicked(btnSave, [this] { btnSaveClick(); });
    onClicked(btnExit, [this] { close(); });
}

void TF_Tmdy_Modi::setRow(qint64 id, const QString& gSn, const QString& quantity)
{
    m_id = id;
    lblSn->setText(gSn);
    edtNum->setText(QString::number(int(quantity.toDouble())));
}

void TF_Tmdy_Modi::btnSaveClick()
{
    const int quantity = edtNum->text().trimmed().toInt();
    if (quantity <= 0) {
        msgInfo(QStringLiteral("数量必须大于0！"), this);
        return;
    }
    setTmQuantity({m_id}, quantity);
    close();
}
