#include "accounts/yhzh.h"

#include "accounts/moneyentries.h"
#include "accounts/partyregister.h"  // moneyBox
#include "data/datamodule.h"
#include "platform/datagrid.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TF_Yhzh* F_Yhzh = nullptr;
TF_Yhzh_Add* F_Yhzh_Add = nullptr;
TF_Yhzh_Modi* F_Yhzh_Modi = nullptr;
TF_Yhzh_Qcjz* F_Yhzh_Qcjz = nullptr;

namespace {

NamedQuery* accounts()
{
    return DataModule->Q_Yhzh;
}

qint64 currentAccountId()
{
    return accounts()->fieldByName(QStringLiteral("id")).toLongLong();
}

}  // namespace

TF_Yhzh::TF_Yhzh(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Yhzh"));
    setWindowTitle(QStringLiteral("现金银行期初建账"));
    setEscCloses(true);
    resize(700, 420);

    btnAdd = namedButton(this, "btnAdd", QStringLiteral("增加"));
    btnModi = namedButton(this, "btnModi", QStringLiteral("修改"));
    btnDele = namedButton(this, "btnDele", QStringLiteral("删除"));
    btnExit = namedButton(this, "btnExit", QStringLiteral("退出"));
    btnQcje = namedButton(this, "btnQcje", QStringLiteral("期初金额"));
    auto* bar = new QHBoxLayout;
    for (QPushButton* b : {btnAdd, btnModi, btnDele, btnExit, btnQcje})
        bar->addWidget(b);
    bar->addStretch();

    cxGrid = new DataGrid(this);
    cxGrid->setObjectName(QStringLiteral("cxGrid"));
    cxGrid->setQuery(accounts());
    cxGrid->addColumn(QStringLiteral("yh_sn"), QStringLiteral("编号"), 70).footerText(QStringLiteral("合计："));
    cxGrid->addColumn(QStringLiteral("yh_type"), QStringLiteral("账户类型"), 110).footerCount();
    cxGrid->addColumn(QStringLiteral("yh_name"), QStringLiteral("账户名称"), 130);
    cxGrid->addColumn(QStringLiteral("yh_zje"), QStringLiteral("期初金额"), 100).setFormat(QStringLiteral("￥,0.00;-￥,0.00"));
    cxGrid->addColumn(QStringLiteral("yh_note"), QStringLiteral("备注"), 180);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(cxGrid, 1);

    onClicked(btnAdd, [this] { btnAddClick(); });
    onClicked(btnModi, [this] { btnModiClick(); });
    onClicked(btnDele, [this] { btnDeleClick(); });
    onClicked(btnQcje, [this] { btnQcjeClick(); });
    onClicked(btnExit, [this] { reject(); });
    connect(cxGrid, &DataGrid::rowDoubleClicked, this, [this] { runGuarded([this] { btnModiClick(); }); });
}

void TF_Yhzh::FormActivate()
{
    openQuery(accounts(), QStringLiteral("select * from jxc_yhzh order by id"));
}

void TF_Yhzh::FormClose()
{
    accounts()->close();
}

void TF_Yhzh::btnAddClick()
{
    showForm(F_Yhzh_Add);
}

void TF_Yhzh::btnModiClick()
{
    if (cxGrid->rowCount() == 0 || cxGrid->currentRow() < 0)
        return;
    const QString refusal = checkModifyAccount(accounts()->fieldByName(QStringLiteral("yh_name")));
    if (!refusal.isEmpty()) {
        msgInfo(refusal, this);
        return;
    }
    showForm(F_Yhzh_Modi);
}

void TF_Yhzh::btnDeleClick()
{
    if (cxGrid->rowCount() == 0 || cxGrid->currentRow() < 0)
        return;
    const QString cash = checkDeleteAccount(accounts()->fieldByName(QStringLiteral("yh_name")));
    if (!cash.isEmpty()) {
        msgInfo(cash, this);
        return;
    }
    if (!msgYesNo(QStringLiteral("您确定要删除该银行账户吗！"), this))
        return;
    const QString refusal = deleteAccount(currentAccountId());
    if (!refusal.isEmpty())
        msgInfo(refusal, this);
    accounts()->refresh();
}

void TF_Yhzh::btnQcjeClick()
{
    if (cxGrid->rowCount() == 0 || cxGrid->currentRow() < 0)
        return;
    const QString refusal = checkOpeningAmount(accounts()->fieldByName(QStringLiteral("yh_name")));
    if (!refusal.isEmpty()) {
        msgInfo(refusal, this);
        return;
    }
    showForm(F_Yhzh_Qcjz);
}

// ---- Add and modify -----------------------------------------------------------------------------

TF_Yhzh_Edit::TF_Yhzh_Edit(bool modify, QWidget* parent) : TF_Form(parent), m_modify(modify)
{
    setObjectName(modify ? QStringLiteral("F_Yhzh_Modi") : QStringLiteral("F_Yhzh_Add"));
    setWindowTitle(modify ? QStringLiteral("修改银行账户") : QStringLiteral("增加银行账户"));
    setEscCloses(true);
    setMainAction([this] { btnOkClick(); });

    ttype = nameBox(this, "ttype", 32);
    tname = nameBox(this, "tname", 16);
    tzje = moneyBox(this, "tzje", 10);
    tnote = nameBox(this, "tnote", 64);
    btnOk = namedButton(this, "btnOk", QStringLiteral("保存(F5)"));
    btnExit = namedButton(this, "btnExit", QStringLiteral("退出(Esc)"));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("账户类型："), ttype);
    form->addRow(QStringLiteral("账户名称："), tname);
    form->addRow(QStringLiteral("期初余额："), tzje);
    form->addRow(QStringLiteral("备        注："), tnote);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttonRow({btnOk, btnExit}));
    onClicked(btnOk, [this] { btnOkClick(); });
    onClicked(btnExit, [this] { reject(); });
}

void TF_Yhzh_Edit::FormActivate()
{
    NamedQuery* q = accounts();
    m_id = m_modify ? currentAccountId() : 0;
    ttype->setText(m_modify ? q->fieldByName(QStringLiteral("yh_type")) : QString());
    tname->setText(m_modify ? q->fieldByName(QStringLiteral("yh_name")) : QString());
    tzje->setText(m_modify ? q->fieldByName(QStringLiteral("yh_zje")) : QStringLiteral("0"));
    tnote->setText(m_modify ? q->fieldByName(QStringLiteral("yh_note")) : QString());
    ttype->setFocus();
}

void TF_Yhzh_Edit::btnOkClick()
{
    const AccountFields f{.type = ttype->text(), .name = tname->text(), .balance = Money::fromText(tzje->text()),
                          .note = tnote->text()};
    const QString refusal = checkAccount(f);
    if (!refusal.isEmpty()) {
        msgInfo(refusal, this);
        return;
    }
    if (m_modify)
        modifyAccount(m_id, f);
    else
        addAccount(f);
    accounts()->refresh();
    accept();
}

// ---- Opening amount -----------------------------------------------------------------------------

TF_Yhzh_Qcjz::TF_Yhzh_Qcjz(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Yhzh_Qcjz"));
    setWindowTitle(QStringLiteral("期初金额"));
    setEscCloses(true);
    setMainAction([this] { btnOkClick(); });
    yhzh = new QLabel(this);
    yhzh->setObjectName(QStringLiteral("yhzh"));
    tfyje = moneyBox(this, "tfyje", 10);
    btnOk = namedButton(this, "btnOk", QStringLiteral("确定(F5)"));
    btnExit = namedButton(this, "btnExit", QStringLiteral("退出(Esc)"));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("银行账户："), yhzh);
    form->addRow(QStringLiteral("期初金额："), tfyje);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttonRow({btnOk, btnExit}));
    onClicked(btnOk, [this] { btnOkClick(); });
    onClicked(btnExit, [this] { reject(); });
}

void TF_Yhzh_Qcjz::FormActivate()
{
    m_id = currentAccountId();
    yhzh->setText(accounts()->fieldByName(QStringLiteral("yh_name")));
    tfyje->setText(QStringLiteral("0"));
    tfyje->setFocus();
    tfyje->selectAll();
}

void TF_Yhzh_Qcjz::btnOkClick()
{
    const QString refusal = setOpeningAmount(m_id, Money::fromText(tfyje->text()));
    if (!refusal.isEmpty()) {
        msgInfo(refusal, this);
        return;
    }
    accounts()->refresh();
    accept();
}
