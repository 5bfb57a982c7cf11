#include "members/hycs_add.h"

#include "data/datamodule.h"
#include "data/globals.h"
#include "members/memberdata.h"
#include "platform/datagrid.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"

#include <QDoubleValidator>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QVBoxLayout>

TF_Hycs_Add* F_Hycs_Add = nullptr;

TF_Hycs_Add::TF_Hycs_Add(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Hycs_Add"));
    setWindowTitle(QStringLiteral("添加计次商品"));
    setMainAction([this] { btnOKClick(); });
    setEscCloses(true);

    auto label = [this](const char* name) {
        auto* l = new QLabel(this);
        l->setObjectName(QString::fromLatin1(name));
        return l;
    };
    edtGsn = nameBox(this, "edtGsn", 32);
    btnGoods = namedButton(this, "btnGoods", QStringLiteral("..."));
    lblName = label("lblName");
    lblDw = label("lblDw");
    lblGg = label("lblGg");
    edtJe = new QLineEdit(this);
    edtJe->setObjectName(QStringLiteral("edtJe"));
    edtJe->setMaxLength(7);
    auto* amount = new QDoubleValidator(0, 9999999, 2, edtJe);
    amount->setNotation(QDoubleValidator::StandardNotation);
    edtJe->setValidator(amount);
    edtCs = new QLineEdit(this);
    edtCs->setObjectName(QStringLiteral("edtCs"));
    edtCs->setMaxLength(6);
    edtCs->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edtCs));
    edtNote = new QLineEdit(this);
    edtNote->setObjectName(QStringLiteral("edtNote"));
    edtNote->setMaxLength(64);
    btnOK = namedButton(this, "btnOK", QStringLiteral("保存(F5)"));
    btnExit = namedButton(this, "btnExit", QStringLiteral("退出(Esc)"));

    pnlGoods = new QFrame(this);
    pnlGoods->setObjectName(QStringLiteral("pnlGoods"));
    pnlGoods->setFrameShape(QFrame::StyledPanel);
    DBGrid1 = new DataGrid(pnlGoods);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setQuery(DataModule->Q_Hycs_Goods);
    DBGrid1->addColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 90);
    DBGrid1->addColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 140);
    DBGrid1->addColumn(QStringLiteral("dw_name"), QStringLiteral("单位"), 50);
    DBGrid1->addColumn(QStringLiteral("gg_name"), QStringLiteral("规格型号"), 90);
    btnPick = namedButton(pnlGoods, "btnPick", QStringLiteral("确定"));
    btnHide = namedButton(pnlGoods, "btnHide", QStringLiteral("退出"));
    auto* panelBox = new QVBoxLayout(pnlGoods);
    panelBox->addWidget(DBGrid1);
    panelBox->addLayout(buttonRow({btnPick, btnHide}));
    pnlGoods->hide();

    auto* code = new QHBoxLayout;
    code->addWidget(edtGsn);
    code->addWidget(btnGoods);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("商品编号"), code);
    form->addRow(QStringLiteral("商品名称"), lblName);
    form->addRow(QStringLiteral("商品单位"), lblDw);
    form->addRow(QStringLiteral("规格型号"), lblGg);
    form->addRow(QStringLiteral("所需金额"), edtJe);
    form->addRow(QStringLiteral("可用次数"), edtCs);
    form->addRow(QStringLiteral("备注信息"), edtNote);
    auto* box = new QVBoxLayout(this);
    box->addLayout(form);
    box->addWidget(pnlGoods);
    box->addWidget(new QLabel(QStringLiteral("此次交费金额是本计次项目的可用次数的服务金额。\n与会员储值卡内金额无关。"), this));
    box->addLayout(buttonRow({btnOK, btnExit}));

    onClicked(btnOK, [this] { btnOKClick(); });
    onClicked(btnExit, [this] { reject(); });
    onClicked(btnGoods, [this] { showPicker(); });
    onClicked(btnPick, [this] { pickClick(); });
    onClicked(btnHide, [this] { pnlGoods->hide(); });
    connect(DBGrid1, &DataGrid::rowDoubleClicked, this, [this] { runGuarded([this] { pickClick(); }); });
    // The goods shown always belong to the code in the box: typing drops them until a row is taken.
    connect(edtGsn, &QLineEdit::textEdited, this, [this] {
        runGuarded([this] {
            showGoods(edtGsn->text(), QString(), QString(), QString());
            showPicker();
        });
    });
}

void TF_Hycs_Add::FormActivate()
{
    showGoods(QString(), QString(), QString(), QString());
    edtGsn->setEnabled(true);
    btnGoods->setEnabled(true);
    edtJe->setText(QStringLiteral("0"));
    edtCs->setText(QStringLiteral("0"));
    edtNote->clear();
    pnlGoods->hide();
    edtGsn->setFocus();
}

void TF_Hycs_Add::FormClose()
{
    DataModule->Q_Hycs_Goods->close();
}

void TF_Hycs_Add::showGoods(const QString& gSn, const QString& name, const QString& unit, const QString& spec)
{
    const QSignalBlocker block(edtGsn);
    if (edtGsn->text() != gSn)
        edtGsn->setText(gSn);
    lblName->setText(name);
    lblDw->setText(unit);
    lblGg->setText(spec);
}

void TF_Hycs_Add::showPicker()
{
    NamedQuery* q = DataModule->Q_Hycs_Goods;
    if (!q->isOpen())
        q->open(QStringLiteral("select id,g_sn,g_name,dw_name,gg_name,g_jm from jxc_goods where g_jy=0 and "
                               "g_sn<>'00000000' order by id"));
    DBGrid1->setSearch(edtGsn->text().trimmed(), {QStringLiteral("g_jm"), QStringLiteral("g_name"), QStringLiteral("g_sn")});
    pnlGoods->show();
}

void TF_Hycs_Add::pickClick()
{
    const int row = DBGrid1->currentRow();
    if (row < 0)
        return;
    showGoods(DBGrid1->value(row, QStringLiteral("g_sn")), DBGrid1->value(row, QStringLiteral("g_name")),
              DBGrid1->value(row, QStringLiteral("dw_name")), DBGrid1->value(row, QStringLiteral("gg_name")));
    pnlGoods->hide();
    edtJe->setFocus();
}

CountItem TF_Hycs_Add::item() const
{
    return {.gSn = edtGsn->text(),
            .amount = Money::fromText(edtJe->text().trimmed()),
            .times = edtCs->text(),
            .note = edtNote->text()};
}

void TF_Hycs_Add::btnOKClick()
{
    if (const QString refusal = addCountItem(item(), lblName->text(), operatorName); !refusal.isEmpty()) {
        msgInfo(refusal, this);
        return;
    }
    accept();
}
