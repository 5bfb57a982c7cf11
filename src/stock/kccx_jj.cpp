#include "stock/kccx_jj.h"

#include "platform/formkit.h"
#include "platform/msgbox.h"
#include "stock/kccx.h"

#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TF_Kccx_Jj* F_Kccx_Jj = nullptr;

TF_Kccx_Jj::TF_Kccx_Jj(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Kccx_Jj"));
    setWindowTitle(QStringLiteral("修改当前库存均价"));
    setEscCloses(true);
    setMainAction([this] { btnOKClick(); });

    auto* box = new QGroupBox(QStringLiteral("库存商品信息"), this);
    auto label = [box](const char* name) {
        auto* l = new QLabel(box);
        l->setObjectName(QString::fromLatin1(name));
        return l;
    };
    lSn = label("lSn");
    lName = label("lName");
    lCk = label("lCk");
    lCost = label("lCost");
    lCkSn = label("lCkSn");
    lCkSn->hide();
    auto* form = new QFormLayout(box);
    form->addRow(QStringLiteral("商品编号："), lSn);
    form->addRow(QStringLiteral("商品名称："), lName);
    form->addRow(QStringLiteral("仓库名称："), lCk);
    form->addRow(QStringLiteral("当前均价 (元)："), lCost);

    // Nine characters at most: up to 999999.99.
    tNew = new QDoubleSpinBox(this);
    tNew->setObjectName(QStringLiteral("tNew"));
    tNew->setDecimals(2);
    tNew->setRange(-99999.99, 999999.99);
    tNew->setButtonSymbols(QAbstractSpinBox::NoButtons);
    tNew->setStyleSheet(QStringLiteral("color: red; font-weight: bold"));
    auto* newRow = new QFormLayout;
    newRow->addRow(QStringLiteral("新均价："), tNew);

    auto* note = new QLabel(QStringLiteral("(注意：因为成本均价是由程序累计计算得到，在计算销售利润的时候会用到。所以，成本均价\r"
                                           "             不建议经常手动修改。)"),
                            this);
    note->setWordWrap(true);
    btnOK = namedButton(this, "btnOK", QStringLiteral("确定(F5)"));
    btnExit = namedButton(this, "btnExit", QStringLiteral("退出(Esc)"));
    onClicked(btnOK, [this] { btnOKClick(); });
    onClicked(btnExit, [this] { close(); });

    auto* main = new QVBoxLayout(this);
    main->addWidget(box);
    main->addLayout(newRow);
    main->addWidget(note);
    main->addLayout(buttonRow({btnOK, btnExit}));
}

void TF_Kccx_Jj::fill(const QString& gSn, const QString& gName, const QString& ckName, const QString& cost,
                      const QString& ckSn)
{
    lSn->setText(gSn);
    lName->setText(gName);
    lCk->setText(ckName);
    lCost->setText(cost);
    tNew->setValue(cost.toDouble());
    lCkSn->setText(ckSn);
}

void TF_Kccx_Jj::btnOKClick()
{
    setStockCost(lSn->text(), lCkSn->text(), tNew->value());
    close();
}
