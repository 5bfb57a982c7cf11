#include "accounts/xjyh.h"

#include "accounts/accounts.h"
#include "accounts/fyjsr.h"
#include "accounts/moneyentries.h"
#include "accounts/moneyvoucher.h"
#include "accounts/partyregister.h"  // periodDateBox, moneyBox
#include "accounts/yhzh.h"
#include "data/clock.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/settings.h"
#include "platform/codecombo.h"
#include "platform/combofill.h"
#include "platform/datagrid.h"
#include "platform/datepresets.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"
#include "platform/report.h"
#include "platform/reportlist.h"
#include "shell/commands.h"

#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

TF_Xjyh* F_Xjyh = nullptr;
TF_Xjyh_Jk* F_Xjyh_Jk = nullptr;
TF_Xjyh_Ck* F_Xjyh_Ck = nullptr;
TF_Xjyh_Zz* F_Xjyh_Zz = nullptr;

namespace {

const QString kMoneyFormat = QStringLiteral("￥,0.00;-￥,0.00");
const QString kAllStaff = QStringLiteral("所有员工");

// The dialogs edit the window's account list: show the new balances at once.
void refreshAccountList()
{
    if (DataModule->Q_Xjyh1->isOpen())
        DataModule->Q_Xjyh1->refresh();
}

}  // namespace

// ---- The window ---------------------------------------------------------------------------------

TF_Xjyh::TF_Xjyh(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Xjyh"));
    setWindowTitle(QStringLiteral("财务报表管理--现金银行"));
    setEscCloses(true);
    resize(1000, 600);

    btn_Chuk = namedButton(this, "btn_Chuk", QStringLiteral("出款"));
    btn_Rukuan = namedButton(this, "btn_Rukuan", QStringLiteral("进款"));
    btn_Yhzz = namedButton(this, "btn_Yhzz", QStringLiteral("银行转账"));
    btn_Qcjz = namedButton(this, "btn_Qcjz", QStringLiteral("期初建账"));
    btn_Prin = namedButton(this, "btn_Prin", QStringLiteral("打印"));
    btn_Exit = namedButton(this, "btn_Exit", QStringLiteral("退出"));
    auto* bar = new QHBoxLayout;
    for (QPushButton* b : {btn_Chuk, btn_Rukuan, btn_Yhzz, btn_Qcjz, btn_Prin, btn_Exit})
        bar->addWidget(b);
    bar->addStretch();

    tdate11 = periodDateBox(this, "tdate11");
    tdate12 = periodDateBox(this, "tdate12");
    btnMenu1 = new QToolButton(this);
    btnMenu1->setObjectName(QStringLiteral("btnMenu1"));
    btnMenu1->setText(QStringLiteral("▼"));
    addDatePresetMenu(btnMenu1, tdate11, tdate12, [this] { btnSearch1Click(); });
    comUser = namedCodeCombo(this, "comUser");
    fymx = new QLabel(this);
    fymx->setObjectName(QStringLiteral("fymx"));
    btnSearch1 = namedButton(this, "btnSearch1", QStringLiteral("查询(F2)"));
    btnPrin2 = namedButton(this, "btnPrin2", QStringLiteral("打印明细(F3)"));
    auto* filter = new QHBoxLayout;
    filter->addWidget(new QLabel(QStringLiteral("查询日期："), this));
    filter->addWidget(tdate11);
    filter->addWidget(new QLabel(QStringLiteral("至"), this));
    filter->addWidget(tdate12);
    filter->addWidget(btnMenu1);
    filter->addWidget(new QLabel(QStringLiteral("业务员名称："), this));
    filter->addWidget(comUser);
    filter->addWidget(fymx);
    filter->addWidget(btnSearch1);
    filter->addWidget(btnPrin2);
    filter->addStretch();

    cxGrid1 = new DataGrid(this);
    cxGrid1->setObjectName(QStringLiteral("cxGrid1"));
    cxGrid1->setQuery(DataModule->Q_Xjyh1);
    cxGrid1->addColumn(QStringLiteral("yh_name"), QStringLiteral("项目名称"), 120);
    cxGrid1->addColumn(QStringLiteral("yh_zje"), QStringLiteral("累计金额"), 100).setFormat(kMoneyFormat).footerSum();
    cxGrid1->addColumn(QStringLiteral("yh_note"), QStringLiteral("附加说明"), 120);

    cxGrid2 = new DataGrid(this);
    cxGrid2->setObjectName(QStringLiteral("cxGrid2"));
    cxGrid2->setQuery(DataModule->Q_Xjyh2);
    cxGrid2->addColumn(QStringLiteral("xj_rq"), QStringLiteral("日期"), 80).footerText(QStringLiteral("记录数："));
    cxGrid2->addColumn(QStringLiteral("gl_djh"), QStringLiteral("单据号"), 115).footerCount();
    cxGrid2->addColumn(QStringLiteral("xj_dlx"), QStringLiteral("单据类型"), 90);
    cxGrid2->addColumn(QStringLiteral("xj_je"), QStringLiteral("金额"), 90).setFormat(kMoneyFormat).footerSum();
    cxGrid2->addColumn(QStringLiteral("u_name"), QStringLiteral("经办人"), 70);
    cxGrid2->addColumn(QStringLiteral("ghs_name"), QStringLiteral("供货商/客户"), 120);
    cxGrid2->addColumn(QStringLiteral("xj_note"), QStringLiteral("备注"), 160);

    auto* grids = new QHBoxLayout;
    grids->addWidget(cxGrid1, 1);
    grids->addWidget(cxGrid2, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addLayout(filter);
    layout->addLayout(grids, 1);

    auto openDialog = [this](auto showDialog) {
        showDialog();
        refreshAccountList();
    };
    onClicked(btn_Rukuan, [openDialog] { openDialog([] { showForm(F_Xjyh_Jk); }); });
    onClicked(btn_Chuk, [openDialog] { openDialog([] { showForm(F_Xjyh_Ck); }); });
    onClicked(btn_Yhzz, [openDialog] { openDialog([] { showForm(F_Xjyh_Zz); }); });
    onClicked(btn_Qcjz, [this] { btn_QcjzClick(); });
    onClicked(btn_Prin, [this] { btn_PrinClick(); });
    onClicked(btn_Exit, [this] { reject(); });
    onClicked(btnSearch1, [this] { btnSearch1Click(); });
    onClicked(btnPrin2, [this] { btnPrin2Click(); });
    connect(cxGrid1, &DataGrid::rowClicked, this, [this] { runGuarded([this] { btnSearch1Click(); }); });
}

void TF_Xjyh::FormActivate()
{
    const QDate today = Clock::today();
    tdate11->setDate(QDate(today.year(), today.month(), 1));
    tdate12->setDate(today);
    fillCodeComboWhereFirst(comUser, QStringLiteral("jxc_user"), QStringLiteral("u_name"), kAllStaff,
                            QStringLiteral("where u_name<>''"), QStringLiteral("id"), QStringLiteral("u_sn"));
    comUser->setCurrentIndex(0);
    openQuery(DataModule->Q_Xjyh1, QStringLiteral("select * from jxc_yhzh order by id"));
    btnSearch1Click();
}

void TF_Xjyh::FormClose()
{
    DataModule->Q_Xjyh1->close();
    DataModule->Q_Xjyh2->close();
}

bool TF_Xjyh::FormKeyDown(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F2) {
        runGuarded([this] { btnSearch1Click(); });
        return true;
    }
    if (event->key() == Qt::Key_F3) {
        runGuarded([this] { btnPrin2Click(); });
        return true;
    }
    return false;
}

void TF_Xjyh::btnSearch1Click()
{
    const QString name = DataModule->Q_Xjyh1->fieldByName(QStringLiteral("yh_name"));
    fymx->setText(QStringLiteral("[") + name + QStringLiteral("]明细"));
    const QString handler = comUser->currentText() == kAllStaff ? QString() : comUser->currentText();
    openQuery(DataModule->Q_Xjyh2,
              accountJournalSql(name, dateText(tdate11->date()), dateText(tdate12->date()), handler));
}

void TF_Xjyh::btn_QcjzClick()
{
    showForm(F_Yhzh);
    openQuery(DataModule->Q_Xjyh1, QStringLiteral("select * from jxc_yhzh order by id"));
}

void TF_Xjyh::btn_PrinClick()
{
    if (cxGrid1->rowCount() == 0)
        return;
    ReportListSpec spec;
    spec.title = QStringLiteral("现金及银行存款");
    spec.headerLines = {QStringLiteral("打印日期：[DATE] [TIME]")};
    spec.totalCaption = QStringLiteral("金额合计：");
    spec.columns = {{QStringLiteral("科目名称"), QStringLiteral("yh_name"), 50},
                    {QStringLiteral("累计金额"), QStringLiteral("yh_zje"), 35, ReportHAlign::Right, QStringLiteral("0.00"), true},
                    {QStringLiteral("附加说明"), QStringLiteral("yh_note"), 70}};
    Report report;
    report.setLayout(reportListLayout(spec));
    report.setDataset(spec.dataset, cxGrid1->shownResult());
    report.preview(this);
}

void TF_Xjyh::btnPrin2Click()
{
    ReportListSpec spec;
    spec.title = QStringLiteral("[title]");
    spec.headerLines = {QStringLiteral("统计日期：[date1] 至 [date2]"), QStringLiteral("经办人：[uName]"),
                        QStringLiteral("打印日期：[DATE] [TIME]")};
    spec.totalCaption = QStringLiteral("金额合计：");
    spec.landscape = true;
    spec.columns = {{QStringLiteral("日期"), QStringLiteral("xj_rq"), 22},
                    {QStringLiteral("单据号"), QStringLiteral("gl_djh"), 32},
                    {QStringLiteral("单据类型"), QStringLiteral("xj_dlx"), 28},
                    {QStringLiteral("金额"), QStringLiteral("xj_je"), 26, ReportHAlign::Right, QStringLiteral("0.00"), true},
                    {QStringLiteral("经办人"), QStringLiteral("u_name"), 20},
                    {QStringLiteral("供货商/客户"), QStringLiteral("ghs_name"), 40},
                    {QStringLiteral("备注"), QStringLiteral("xj_note"), 60}};
    Report report;
    report.setLayout(reportListLayout(spec));
    report.setVariable(QStringLiteral("title"), reportQuote(fymx->text()));
    report.setVariable(QStringLiteral("uName"), reportQuote(comUser->currentText()));
    report.setVariable(QStringLiteral("date1"), reportQuote(dateText(tdate11->date())));
    report.setVariable(QStringLiteral("date2"), reportQuote(dateText(tdate12->date())));
    report.setDataset(spec.dataset, cxGrid2->shownResult());
    report.preview(this);
}

// ---- Deposit and withdrawal ---------------------------------------------------------------------

TF_Xjyh_Move::TF_Xjyh_Move(bool withdrawal, QWidget* parent) : TF_MoneyDialog(100, parent), m_withdrawal(withdrawal)
{
    setObjectName(withdrawal ? QStringLiteral("F_Xjyh_Ck") : QStringLiteral("F_Xjyh_Jk"));
    setWindowTitle(withdrawal ? QStringLiteral("出款") : QStringLiteral("进款"));
    auto* form = new QFormLayout;
    form->addRow(withdrawal ? QStringLiteral("出款账户：") : QStringLiteral("进款账户："), comYhzh);
    form->addRow(withdrawal ? QStringLiteral("出款金额：") : QStringLiteral("进款金额："), tfyje);
    form->addRow(QStringLiteral("经  办  人："), comUser);
    form->addRow(new QLabel(withdrawal ? QStringLiteral("(出款：如借款，转款等款项支出的项目。)")
                                       : QStringLiteral("(进款：如还款，转款等款项收入的项目。)"),
                            this));
    form->addRow(QStringLiteral("备        注："), tnote);
    layOut(form);
}

void TF_Xjyh_Move::btnOKClick()
{
    const CashMove m{.account = comYhzh->currentText(), .amount = Money::fromText(tfyje->text()),
                     .handlerName = comUser->currentText(), .note = tnote->text(), .op = operatorName};
    const QString refusal = checkCashMove(m);
    if (!refusal.isEmpty()) {
        msgInfo(refusal, this);
        return;
    }
    if (m_withdrawal)
        withdraw(m);
    else
        deposit(m);
    refreshAccountList();
    accept();
}

void TF_Xjyh_Move::btnPrinClick()
{
    previewVoucher(!m_withdrawal, comYhzh->currentText() + (m_withdrawal ? QStringLiteral("(出款)") : QStringLiteral("(进款)")));
}

// ---- Transfer -----------------------------------------------------------------------------------

TF_Xjyh_Zz::TF_Xjyh_Zz(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Xjyh_Zz"));
    setWindowTitle(QStringLiteral("转账"));
    setEscCloses(true);
    setMainAction([this] { btnOKClick(); });
    comYhzh = namedCodeCombo(this, "comYhzh");
    comYhzh1 = namedCodeCombo(this, "comYhzh1");
    tfyje = moneyBox(this, "tfyje", 10);
    comUser = namedCodeCombo(this, "comUser");
    tnote = nameBox(this, "tnote", 100);
    btnOK = namedButton(this, "btnOK", QStringLiteral("增加(F5)"));
    btnExit = namedButton(this, "btnExit", QStringLiteral("退出(Esc)"));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("转出账户："), comYhzh);
    form->addRow(QStringLiteral("转入账户："), comYhzh1);
    form->addRow(QStringLiteral("出款金额："), tfyje);
    form->addRow(QStringLiteral("经  办  人："), comUser);
    form->addRow(new QLabel(QStringLiteral("(出款：如借款，转款等款项支出的项目。)"), this));
    form->addRow(QStringLiteral("备        注："), tnote);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttonRow({btnOK, btnExit}));
    onClicked(btnOK, [this] { btnOKClick(); });
    onClicked(btnExit, [this] { reject(); });
}

void TF_Xjyh_Zz::FormActivate()
{
    fillAccountCombo(comYhzh);
    fillAccountCombo(comYhzh1);
    fillNamedStaffCombo(comUser);
    tnote->clear();
    tfyje->setText(QStringLiteral("0"));
    tfyje->setFocus();
    tfyje->selectAll();
}

void TF_Xjyh_Zz::btnOKClick()
{
    const QString refusal = transfer({.from = comYhzh->currentText(), .to = comYhzh1->currentText(),
                                      .amount = Money::fromText(tfyje->text()), .handlerName = comUser->currentText(),
                                      .note = tnote->text(), .op = operatorName});
    if (!refusal.isEmpty()) {
        msgInfo(refusal, this);
        return;
    }
    refreshAccountList();
    accept();
}

void registerMoneyWindows()
{
    registerForm(QStringLiteral("TF_Xjyh"), F_Xjyh);
    registerForm(QStringLiteral("TF_Yhzh"), F_Yhzh);
    registerForm(QStringLiteral("TF_Fyjsr"), F_Fyjsr);
}
