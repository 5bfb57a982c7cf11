#include "masterdata/spjjxg_modi.h"

#include "data/datamodule.h"
#include "data/namedquery.h"
#include "masterdata/priceadjust.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

TF_Spjjxg_Modi* F_Spjjxg_Modi = nullptr;

TF_Spjjxg_Modi::TF_Spjjxg_Modi(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Spjjxg_Modi"));
    setWindowTitle(QStringLiteral("修改当前库存均价"));
    setEscCloses(true);
    setMainAction([this] { btnOKClick(); });

    auto* box = new QGroupBox(QStringLiteral("商品信息"), this);
    auto label = [box](const char* name) {
        auto* l = new QLabel(box);
        l->setObjectName(QString::fromLatin1(name));
        return l;
    };
    lblSn = label("lblSn");
    lblName = label("lblName");
    lblCk = label("lblCk");
    lblCbj = label("lblCbj");
    tcbj = new QLineEdit(box);
    tcbj->setObjectName(QStringLiteral("tcbj"));
    tcbj->setMaxLength(5);
    tcbj->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("-?\\d*(\\.\\d{0,2})?")), tcbj));
    auto withUnit = [box](QWidget* w) {
        auto* row = new QHBoxLayout;
        row->addWidget(w, 1);
        row->addWidget(new QLabel(QStringLiteral("(元)"), box));
        return row;
    };
    auto* form = new QFormLayout(box);
    form->addRow(QStringLiteral("商品编号："), lblSn);
    form->addRow(QStringLiteral("商品名称："), lblName);
    form->addRow(QStringLiteral("仓库名称："), lblCk);
    form->addRow(QStringLiteral("当前均价："), withUnit(lblCbj));
    form->addRow(QStringLiteral("新均价："), withUnit(tcbj));
    btnOK = namedButton(this, "btnOK", QStringLiteral("确定(F5)"));
    btnExit = namedButton(this, "btnExit", QStringLiteral("退出(Esc)"));
    auto* main = new QVBoxLayout(this);
    main->addWidget(box);
    main->addLayout(buttonRow({btnOK, btnExit}));
    onClicked(btnOK, [this] { btnOKClick(); });
    onClicked(btnExit, [this] { close(); });
}

void TF_Spjjxg_Modi::FormActivate()
{
    NamedQuery* q = DataModule->Q_Spjj;
    lblSn->setText(q->fieldByName(QStringLiteral("g_sn")));
    lblName->setText(q->fieldByName(QStringLiteral("g_name")));
    lblCk->setText(q->fieldByName(QStringLiteral("ck_name")));
    lblCbj->setText(q->fieldByName(QStringLiteral("kc_cbj")));
    tcbj->setText(q->fieldByName(QStringLiteral("kc_cbj")));
    tcbj->setFocus();
    tcbj->selectAll();
}

void TF_Spjjxg_Modi::btnOKClick()
{
    NamedQuery* q = DataModule->Q_Spjj;
    const int row = q->currentRow();
    if (row < 0)
        return;
    const Money cost = Money::fromText(tcbj->text().trimmed());
    setStockCost(q->fieldByName(QStringLiteral("id")).toLongLong(), cost);
    q->setLoadedValue(row, QStringLiteral("kc_cbj"), cost.toText());
    accept();
}
