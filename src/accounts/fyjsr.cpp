#include "accounts/fyjsr.h"

#include "accounts/ledgerentries.h"  // quotedLiteral
#include "accounts/moneyvoucher.h"
#include "accounts/partyregister.h"  // periodDateBox, moneyBox
#include "data/clock.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/settings.h"
#include "data/textrules.h"
#include "platform/codecombo.h"
#include "platform/combofill.h"
#include "platform/datagrid.h"
#include "platform/datepresets.h"
#include "platform/formkit.h"
#include "platform/keyfilter.h"
#include "platform/msgbox.h"
#include "platform/report.h"
#include "platform/reportlist.h"

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

TF_Fyjsr* F_Fyjsr = nullptr;
TF_Fyjsr_Add* F_Fyjsr_Add = nullptr;
TF_Fyjsr_Add1* F_Fyjsr_Add1 = nullptr;
TF_Fylx* F_Fylx = nullptr;

namespace {

const QString kMoneyFormat = QStringLiteral("￥,0.00;-￥,0.00");
const QString kAllItems = QStringLiteral("全部项目");

void addMenuAction(QWidget* view, const QString& text, std::function<void()> handler)
{
    auto* a = new QAction(text, view);
    QObject::connect(a, &QAction::triggered, view, [handler] { runGuarded(handler); });
    view->addAction(a);
}

}  // namespace

// ---- The window ---------------------------------------------------------------------------------

TF_Fyjsr::TF_Fyjsr(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Fyjsr"));
    setWindowTitle(QStringLiteral("财务报表管理--费用及收入"));
    setEscCloses(true);
    resize(900, 620);

    btn_Zjfy = namedButton(this, "btn_Zjfy", QStringLiteral("增加费用"));
    btn_Zjsr = namedButton(this, "btn_Zjsr", QStringLiteral("增加收入"));
    btn_Prin = namedButton(this, "btn_Prin", QStringLiteral("打印"));
    btn_Exit = namedButton(this, "btn_Exit", QStringLiteral("退出"));
    auto* printMenu = new QMenu(btn_Prin);
    printMenu->addAction(QStringLiteral("费用及收入统计表(&Y)"), this, [this] { runGuarded([this] { printSummary(); }); });
    printMenu->addAction(QStringLiteral("费用及收入明细表(&Z)"), this, [this] { runGuarded([this] { printDetail(); }); });
    btn_Prin->setMenu(printMenu);
    auto* bar = new QHBoxLayout;
    for (QPushButton* b : {btn_Zjfy, btn_Zjsr, btn_Prin, btn_Exit})
        bar->addWidget(b);
    bar->addStretch();

    tdate11 = periodDateBox(this, "tdate11");
    tdate12 = periodDateBox(this, "tdate12");
    btnMenu1 = new QToolButton(this);
    btnMenu1->setObjectName(QStringLiteral("btnMenu1"));
    btnMenu1->setText(QStringLiteral("▼"));
    addDatePresetMenu(btnMenu1, tdate11, tdate12, [this] { summarySearch(); });
    comFy = new QComboBox(this);
    comFy->setObjectName(QStringLiteral("comFy"));
    comFy->addItems({kAllItems, QStringLiteral("费用"), QStringLiteral("收入")});
    btnSearch1 = namedButton(this, "btnSearch1", QStringLiteral("查询(F2)"));
    auto* filter = new QHBoxLayout;
    filter->addWidget(new QLabel(QStringLiteral("查询日期："), this));
    filter->addWidget(tdate11);
    filter->addWidget(new QLabel(QStringLiteral("至"), this));
    filter->addWidget(tdate12);
    filter->addWidget(btnMenu1);
    filter->addWidget(new QLabel(QStringLiteral("项目类型："), this));
    filter->addWidget(comFy);
    filter->addWidget(btnSearch1);
    filter->addStretch();

    cxGrid1 = new DataGrid(this);
    cxGrid1->setObjectName(QStringLiteral("cxGrid1"));
    cxGrid1->setQuery(DataModule->Q_Fyjsr1);
    cxGrid1->addColumn(QStringLiteral("fy_lx"), QStringLiteral("项目名称"), 140).footerCount(QStringLiteral("项目数："));
    cxGrid1->addColumn(QStringLiteral("fyje"), QStringLiteral("总金额"), 100).setFormat(kMoneyFormat).footerSum();
    cxGrid1->addColumn(QStringLiteral("fysc"), QStringLiteral("项目类型"), 70);
    cxGrid1->addColumn(QStringLiteral("fy_note"), QStringLiteral("附加说明"), 200);

    fymx = new QLabel(QStringLiteral("费用及收入明细"), this);
    fymx->setObjectName(QStringLiteral("fymx"));
    comUser = namedCodeCombo(this, "comUser");
    btnSearch2 = namedButton(this, "btnSearch2", QStringLiteral("查询(F3)"));
    auto* detailBar = new QHBoxLayout;
    detailBar->addWidget(fymx);
    detailBar->addWidget(new QLabel(QStringLiteral("业务员名称："), this));
    detailBar->addWidget(comUser);
    detailBar->addWidget(btnSearch2);
    detailBar->addStretch();

    cxGrid2 = new DataGrid(this);
    cxGrid2->setObjectName(QStringLiteral("cxGrid2"));
    cxGrid2->setQuery(DataModule->Q_Fyjsr2);
    cxGrid2->addColumn(QStringLiteral("fy_rq"), QStringLiteral("日期"), 80).footerCount(QStringLiteral("记录数："));
    cxGrid2->addColumn(QStringLiteral("fy_je"), QStringLiteral("金额"), 90).setFormat(kMoneyFormat).footerSum();
    cxGrid2->addColumn(QStringLiteral("u_name"), QStringLiteral("经办人"), 70);
    cxGrid2->addColumn(QStringLiteral("a_name"), QStringLiteral("操作员"), 70);
    cxGrid2->addColumn(QStringLiteral("fy_note"), QStringLiteral("备注"), 240);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addLayout(filter);
    layout->addWidget(cxGrid1, 1);
    layout->addLayout(detailBar);
    layout->addWidget(cxGrid2, 1);

    QTableView* summaryView = cxGrid1->view();
    summaryView->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto showOnly = [this](int index) {
        return [this, index] {
            comFy->setCurrentIndex(index);
            summarySearch();
        };
    };
    addMenuAction(summaryView, QStringLiteral("只显示费用(&W)"), showOnly(1));
    addMenuAction(summaryView, QStringLiteral("只显示收入(&X)"), showOnly(2));
    addMenuAction(summaryView, QStringLiteral("显示所有(&Y)"), showOnly(0));
    addMenuAction(summaryView, QStringLiteral("增加费用(&Z)"), [this] { addEntry(FyDirection::Expense); });
    QTableView* detailView = cxGrid2->view();
    detailView->setContextMenuPolicy(Qt::ActionsContextMenu);
    addMenuAction(detailView, QStringLiteral("查看单据(&Z)"), [this] { showEntryVoucher(); });

    onClicked(btn_Zjfy, [this] { addEntry(FyDirection::Expense); });
    onClicked(btn_Zjsr, [this] { addEntry(FyDirection::Income); });
    onClicked(btn_Exit, [this] { reject(); });
    onClicked(btnSearch1, [this] { summarySearch(); });
    onClicked(btnSearch2, [this] { detailSearch(); });
    connect(cxGrid1, &DataGrid::rowClicked, this, [this] { runGuarded([this] { detailSearch(); }); });
    connect(comUser, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_filling)
            runGuarded([this] { detailSearch(); });
    });
}

void TF_Fyjsr::FormActivate()
{
    m_filling = true;
    comFy->setCurrentIndex(0);
    const QDate today = Clock::today();
    tdate11->setDate(QDate(today.year(), today.month(), 1));
    tdate12->setDate(today);
    fillCodeComboWhereFirst(comUser, QStringLiteral("jxc_user"), QStringLiteral("u_name"), QStringLiteral("所有员工"),
                            QStringLiteral("where u_name<>''"), QStringLiteral("id"), QStringLiteral("u_sn"));
    comUser->setCurrentIndex(0);
    m_filling = false;
    summarySearch();
}

bool TF_Fyjsr::FormKeyDown(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F2) {
        runGuarded([this] { summarySearch(); });
        return true;
    }
    if (event->key() == Qt::Key_F3) {
        runGuarded([this] { detailSearch(); });
        return true;
    }
    return false;
}

void TF_Fyjsr::summarySearch()
{
    const QString sc = comFy->currentText() == kAllItems ? QString() : comFy->currentText();
    openQuery(DataModule->Q_Fyjsr1, fySummarySql(dateText(tdate11->date()), dateText(tdate12->date()), sc));
    detailSearch();
}

void TF_Fyjsr::detailSearch()
{
    const QString type = DataModule->Q_Fyjsr1->fieldByName(QStringLiteral("fy_lx"));
    fymx->setText(QStringLiteral("[") + type + QStringLiteral("]明细"));
    QString sql = QStringLiteral("select a.*,b.u_name from jxc_yyfy a,jxc_user b where a.u_sn=b.u_sn and "
                                 "a.fy_rq>=%1 and a.fy_rq<=%2  and fy_lx=%3 ")
                      .arg(quotedLiteral(dateText(tdate11->date())), quotedLiteral(dateText(tdate12->date())),
                           quotedLiteral(type));
    const QString code = comUser->currentCodeOrEmpty();
    if (!code.isEmpty() && code != CodeComboBox::AllCode)
        sql += QStringLiteral(" and a.u_sn=%1 ").arg(quotedLiteral(code));
    openQuery(DataModule->Q_Fyjsr2, sql + QStringLiteral("order by a.id"));
}

void TF_Fyjsr::addEntry(FyDirection direction)
{
    if (direction == FyDirection::Expense)
        showForm(F_Fyjsr_Add);
    else
        showForm(F_Fyjsr_Add1);
    summarySearch();
}

void TF_Fyjsr::printSummary()
{
    ReportListSpec spec;
    spec.title = QStringLiteral("费用及收入统计表");
    spec.headerLines = {QStringLiteral("统计日期：[date1] 至 [date2]"), QStringLiteral("打印日期：[DATE] [TIME]")};
    spec.totalCaption = QStringLiteral("金额合计：");
    spec.columns = {{QStringLiteral("类别名称"), QStringLiteral("fy_lx"), 50},
                    {QStringLiteral("总金额"), QStringLiteral("fyje"), 30, ReportHAlign::Right, QStringLiteral("0.00"), true},
                    {QStringLiteral("费用/收入"), QStringLiteral("fysc"), 25},
                    {QStringLiteral("附加说明"), QStringLiteral("fy_note"), 60}};
    Report report;
    report.setLayout(reportListLayout(spec));
    report.setVariable(QStringLiteral("date1"), reportQuote(dateText(tdate11->date())));
    report.setVariable(QStringLiteral("date2"), reportQuote(dateText(tdate12->date())));
    report.setDataset(spec.dataset, cxGrid1->shownResult());
    report.preview(this);
}

void TF_Fyjsr::printDetail()
{
    ReportListSpec spec;
    spec.title = QStringLiteral("费用及收入明细表");
    spec.headerLines = {QStringLiteral("统计日期：[date1] 至 [date2]"), QStringLiteral("打印日期：[DATE] [TIME]")};
    spec.totalCaption = QStringLiteral("金额合计：");
    spec.columns = {{QStringLiteral("日期"), QStringLiteral("fy_rq"), 25},
                    {QStringLiteral("金额"), QStringLiteral("fy_je"), 28, ReportHAlign::Right, QStringLiteral("0.00"), true},
                    {QStringLiteral("经办人"), QStringLiteral("u_name"), 22},
                    {QStringLiteral("备注"), QStringLiteral("fy_note"), 70},
                    {QStringLiteral("操作员"), QStringLiteral("a_name"), 22}};
    Report report;
    report.setLayout(reportListLayout(spec));
    report.setVariable(QStringLiteral("date1"), reportQuote(dateText(tdate11->date())));
    report.setVariable(QStringLiteral("date2"), reportQuote(dateText(tdate12->date())));
    report.setDataset(spec.dataset, cxGrid2->shownResult());
    report.preview(this);
}

void TF_Fyjsr::showEntryVoucher()
{
    const int row = cxGrid2->currentRow();
    if (cxGrid2->rowCount() == 0 || row < 0)
        return;
    const ResultSet e = openSelect(
        QStringLiteral("select a.*,b.u_name from jxc_yyfy a,jxc_user b where a.u_sn=b.u_sn and a.id=?"),
        {{QString(), cxGrid2->value(row, QStringLiteral("id"))}});
    if (e.isEmpty())
        return;
    const bool income = e.text(0, QStringLiteral("fy_sc")) == u"收入";
    const Money amount = Money::fromText(e.text(0, QStringLiteral("fy_je")));
    previewMoneyVoucher({.title = companyShortName + (income ? QStringLiteral("收款单") : QStringLiteral("付款单")),
                         .fymc = e.text(0, QStringLiteral("fy_lx")),
                         .fkfs = QString(),  // entries do not keep their account
                         .pnote = e.text(0, QStringLiteral("fy_note")),
                         .uname = e.text(0, QStringLiteral("u_name")),
                         .aname = e.text(0, QStringLiteral("a_name")),
                         .amount = income ? amount : -amount},
                        this);
}

// ---- Expense and income dialogs -----------------------------------------------------------------

TF_Fyjsr_Entry::TF_Fyjsr_Entry(FyDirection direction, QWidget* parent)
    : TF_MoneyDialog(50, parent), m_direction(direction)
{
    const bool income = direction == FyDirection::Income;
    setObjectName(income ? QStringLiteral("F_Fyjsr_Add1") : QStringLiteral("F_Fyjsr_Add"));
    setWindowTitle(income ? QStringLiteral("增加收入") : QStringLiteral("增加费用"));
    comFy = namedCodeCombo(this, "comFy");
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("名称："), comFy);
    form->addRow(income ? QStringLiteral("收入金额：") : QStringLiteral("费用金额："), tfyje);
    form->addRow(QStringLiteral("经办人："), comUser);
    form->addRow(income ? QStringLiteral("收入账户：") : QStringLiteral("付款账户："), comYhzh);
    form->addRow(QStringLiteral("备注："), tnote);
    layOut(form);
    // "增加新类型" opens the type list of this direction.
    connect(comFy, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (m_filling || index < 0 || comFy->codeAt(index) != CodeComboBox::AllCode)
            return;
        runGuarded([this] {
            comFy->setCurrentIndex(-1);
            callerFlag = m_direction == FyDirection::Income ? QStringLiteral("add1") : QStringLiteral("add");
            showForm(F_Fylx);
            callerFlag.clear();
        });
    });
}

void TF_Fyjsr_Entry::fillTypes()
{
    m_filling = true;
    fillCodeComboWhereFirst(comFy, QStringLiteral("jxc_fylx"), QStringLiteral("fy_lx"), QStringLiteral("增加新类型"),
                            m_direction == FyDirection::Income ? QStringLiteral("where fy_fx=1") : QStringLiteral("where fy_fx=0"),
                            QStringLiteral("id"), QStringLiteral("id"));
    comFy->setCurrentIndex(comFy->count() > 1 ? 1 : -1);
    m_filling = false;
}

void TF_Fyjsr_Entry::FormActivate()
{
    fillTypes();
    TF_MoneyDialog::FormActivate();
}

void TF_Fyjsr_Entry::btnOKClick()
{
    const bool typeChosen = comFy->currentIndex() >= 0 && comFy->currentCodeOrEmpty() != CodeComboBox::AllCode;
    const FyEntry e{.direction = m_direction,
                    .type = typeChosen ? comFy->currentText() : QString(),
                    .amount = Money::fromText(tfyje->text()),
                    .handlerSn = comUser->currentCodeOrEmpty(),
                    .handlerName = comUser->currentText(),
                    .account = comYhzh->currentText(),
                    .note = tnote->text(),
                    .op = operatorName};
    const QString refusal = checkFyEntry(e);
    if (!refusal.isEmpty()) {
        msgInfo(refusal, this);
        return;
    }
    addFyEntry(e);
    accept();
}

void TF_Fyjsr_Entry::btnPrinClick()
{
    previewVoucher(m_direction == FyDirection::Income, comFy->currentText());
}

// ---- Types --------------------------------------------------------------------------------------

TF_Fylx::TF_Fylx(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Fylx"));
    setWindowTitle(QStringLiteral("类型"));
    setEscCloses(true);
    cxGrid = new DataGrid(this);
    cxGrid->setObjectName(QStringLiteral("cxGrid"));
    cxGrid->setQuery(DataModule->Q_Fylx);
    cxGrid->addColumn(QStringLiteral("fy_lx"), QStringLiteral("类型名称"), 140);
    cxGrid->addColumn(QStringLiteral("fy_note"), QStringLiteral("附加说明"), 200);
    tname = nameBox(this, "tname", 64);
    tnote = nameBox(this, "tnote", 128);
    btnAdd = namedButton(this, "btnAdd", QStringLiteral("增加"));
    btnDele = namedButton(this, "btnDele", QStringLiteral("删除"));
    btnExit = namedButton(this, "btnExit", QStringLiteral("退出"));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("类型名称："), tname);
    form->addRow(QStringLiteral("附加说明："), tnote);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(cxGrid, 1);
    layout->addLayout(form);
    layout->addLayout(buttonRow({btnAdd, btnDele, btnExit}));
    onClicked(btnAdd, [this] { btnAddClick(); });
    onClicked(btnDele, [this] { btnDeleClick(); });
    onClicked(btnExit, [this] { reject(); });
}

FyDirection TF_Fylx::direction() const
{
    return callerFlag == u"add1" ? FyDirection::Income : FyDirection::Expense;
}

TF_Fyjsr_Entry* TF_Fylx::caller() const
{
    if (direction() == FyDirection::Income)
        return F_Fyjsr_Add1;
    return F_Fyjsr_Add;
}

void TF_Fylx::FormActivate()
{
    tname->clear();
    tnote->clear();
    openQuery(DataModule->Q_Fylx, QStringLiteral("select * from jxc_fylx where fy_fx=%1 order by id")
                                      .arg(direction() == FyDirection::Income ? 1 : 0));
}

void TF_Fylx::FormClose()
{
    DataModule->Q_Fylx->close();
}

void TF_Fylx::btnAddClick()
{
    const QString name = tname->text().trimmed();
    if (name.isEmpty())
        return;
    const QString refusal = addFyType(direction(), name, tnote->text());
    if (!refusal.isEmpty()) {
        msgInfo(refusal, this);
        return;
    }
    DataModule->Q_Fylx->refresh();
    if (TF_Fyjsr_Entry* c = caller()) {
        c->fillTypes();
        c->comFy->setCurrentIndex(c->comFy->findText(sqlSafe(name)));
    }
    tname->clear();
    tnote->clear();
}

void TF_Fylx::btnDeleClick()
{
    const int row = cxGrid->currentRow();
    if (cxGrid->rowCount() == 0 || row < 0)
        return;
    if (!msgYesNo(QStringLiteral("您确定要删除该类型信息吗！"), this))
        return;
    deleteFyType(cxGrid->value(row, QStringLiteral("id")).toLongLong());
    DataModule->Q_Fylx->refresh();
    if (TF_Fyjsr_Entry* c = caller())
        c->fillTypes();
}
