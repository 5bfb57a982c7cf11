#include "accounts/gdzc.h"

#include "accounts/partyregister.h"  // periodDateBox, moneyBox
#include "accounts/moneydialog.h"    // namedCodeCombo
#include "accounts/statements.h"
#include "data/clock.h"
#include "data/datamodule.h"
#include "data/namedquery.h"
#include "platform/codecombo.h"
#include "platform/combofill.h"
#include "platform/datagrid.h"
#include "platform/datepresets.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"
#include "platform/report.h"
#include "platform/reportlist.h"

#include <QAction>
#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

TF_Gdzc* F_Gdzc = nullptr;
TF_Gdzc_Zj* F_Gdzc_Zj = nullptr;
TF_Gdzc_Js* F_Gdzc_Js = nullptr;
TF_Gdzc_Qc* F_Gdzc_Qc = nullptr;

namespace {
const QString kMoneyFormat = QStringLiteral("￥,0.00;-￥,0.00");
}

TF_Gdzc::TF_Gdzc(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Gdzc"));
    setWindowTitle(QStringLiteral("财务报表管理--固定资产"));
    setEscCloses(true);
    resize(820, 560);

    btn_Zczj = namedButton(this, "btn_Zczj", QStringLiteral("资产增加"));
    btn_Zcjs = namedButton(this, "btn_Zcjs", QStringLiteral("资产减少"));
    btn_Zcjz = namedButton(this, "btn_Zcjz", QStringLiteral("期初建账"));
    btn_Prin = namedButton(this, "btn_Prin", QStringLiteral("打印"));
    btn_Exit = namedButton(this, "btn_Exit", QStringLiteral("退出"));
    gdzcze = new QLabel(QStringLiteral("固定资产总额："), this);
    gdzcze->setObjectName(QStringLiteral("gdzcze"));
    qcje = new QLabel(QStringLiteral("期初金额："), this);
    qcje->setObjectName(QStringLiteral("qcje"));
    auto* bar = new QHBoxLayout;
    for (QPushButton* b : {btn_Zczj, btn_Zcjs, btn_Zcjz, btn_Prin, btn_Exit})
        bar->addWidget(b);
    bar->addSpacing(20);
    bar->addWidget(gdzcze);
    bar->addWidget(qcje);
    bar->addStretch();

    tdate11 = periodDateBox(this, "tdate11");
    tdate12 = periodDateBox(this, "tdate12");
    btnMenu1 = new QToolButton(this);
    btnMenu1->setObjectName(QStringLiteral("btnMenu1"));
    btnMenu1->setText(QStringLiteral("▼"));
    addDatePresetMenu(btnMenu1, tdate11, tdate12, [this] { listSearch(); });
    btnSearch = namedButton(this, "btnSearch", QStringLiteral("查询(F2)"));
    auto* filter = new QHBoxLayout;
    filter->addWidget(new QLabel(QStringLiteral("固定资产明细"), this));
    filter->addSpacing(20);
    filter->addWidget(new QLabel(QStringLiteral("查询日期："), this));
    filter->addWidget(tdate11);
    filter->addWidget(new QLabel(QStringLiteral("至"), this));
    filter->addWidget(tdate12);
    filter->addWidget(btnMenu1);
    filter->addWidget(btnSearch);
    filter->addStretch();

    Q_Gdzc = new NamedQuery(QStringLiteral("Q_Gdzc"), QStringLiteral("select * from jxc_zcmx where 1>2"),
                            NamedQuery::Source::Main, this);
    cxGrid = new DataGrid(this);
    cxGrid->setObjectName(QStringLiteral("cxGrid"));
    cxGrid->setQuery(Q_Gdzc);
    cxGrid->addColumn(QStringLiteral("zc_rq"), QStringLiteral("发生日期"), 90).footerCount(QStringLiteral("记录数："));
    cxGrid->addColumn(QStringLiteral("zc_lx"), QStringLiteral("类型"), 80);
    cxGrid->addColumn(QStringLiteral("zc_je"), QStringLiteral("金额"), 100).setFormat(kMoneyFormat).footerSum();
    cxGrid->addColumn(QStringLiteral("u_name"), QStringLiteral("经办人"), 80);
    cxGrid->addColumn(QStringLiteral("zc_note"), QStringLiteral("附加说明"), 260);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addLayout(filter);
    layout->addWidget(cxGrid, 1);

    QTableView* view = cxGrid->view();
    view->setContextMenuPolicy(Qt::ActionsContextMenu);
    const std::pair<const char*, QString> kinds[] = {
        {"显示增加资产(&X)", kAssetIncrease}, {"显示减少资产(&Y)", kAssetDecrease}, {"显示所有(&Z)", QString()}};
    for (const auto& [text, kind] : kinds) {
        auto* a = new QAction(QString::fromUtf8(text), view);
        connect(a, &QAction::triggered, this, [this, k = kind] { runGuarded([this, k] { showKind(k); }); });
        view->addAction(a);
    }

    onClicked(btn_Zczj, [this] { moveEntry(true); });
    onClicked(btn_Zcjs, [this] { moveEntry(false); });
    onClicked(btn_Zcjz, [this] { openingEntry(); });
    onClicked(btn_Prin, [this] { print(); });
    onClicked(btn_Exit, [this] { reject(); });
    onClicked(btnSearch, [this] { listSearch(); });
}

void TF_Gdzc::FormActivate()
{
    const QDate today = Clock::today();
    tdate11->setDate(QDate(today.year(), today.month(), 1));
    tdate12->setDate(today);
    m_kind.clear();
    refreshTotals();
    listSearch();
}

bool TF_Gdzc::FormKeyDown(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F2) {
        runGuarded([this] { listSearch(); });
        return true;
    }
    return false;
}

void TF_Gdzc::refreshTotals()
{
    const ResultSet rs = openSelect(QStringLiteral("select zc_ljje,zc_qcje from jxc_gdzc"));
    if (rs.rowCount() == 0)
        return;
    gdzcze->setText(QStringLiteral("固定资产总额：") + rs.text(0, 0) + QStringLiteral("元"));
    qcje->setText(QStringLiteral("期初金额：") + rs.text(0, 1) + QStringLiteral("元"));
}

void TF_Gdzc::listSearch()
{
    openQuery(Q_Gdzc, assetListSql(tdate11->date(), tdate12->date(), m_kind));
}

void TF_Gdzc::showKind(const QString& kind)
{
    m_kind = kind;
    listSearch();
}

void TF_Gdzc::openingEntry()
{
    const QString refusal = checkAssetOpening();
    if (!refusal.isEmpty()) {
        msgInfo(refusal, this);
        return;
    }
    showForm(F_Gdzc_Qc);
    refreshTotals();
    listSearch();
}

void TF_Gdzc::moveEntry(bool increase)
{
    if (increase)
        showForm(F_Gdzc_Zj);
    else
        showForm(F_Gdzc_Js);
    refreshTotals();
    listSearch();
}

void TF_Gdzc::print()
{
    ReportListSpec spec;
    spec.title = QStringLiteral("固定资产明细表");
    spec.headerLines = {QStringLiteral("统计日期：[date1] 至 [date2]"), QStringLiteral("[gdzcze]    [qcje]")};
    spec.totalCaption = QStringLiteral("金额合计：");
    spec.summaryLines = {QStringLiteral("打印时间：[DATE] [TIME]")};
    spec.columns = {{QStringLiteral("日期"), QStringLiteral("zc_rq"), 25},
                    {QStringLiteral("类型"), QStringLiteral("zc_lx"), 25},
                    {QStringLiteral("金额"), QStringLiteral("zc_je"), 28, ReportHAlign::Right, QStringLiteral("0.00"), true},
                    {QStringLiteral("附加说明"), QStringLiteral("zc_note"), 70},
                    {QStringLiteral("经办人"), QStringLiteral("u_name"), 22}};
    Report report;
    report.setLayout(reportListLayout(spec));
    report.setVariable(QStringLiteral("date1"), reportQuote(dateText(tdate11->date())));
    report.setVariable(QStringLiteral("date2"), reportQuote(dateText(tdate12->date())));
    report.setVariable(QStringLiteral("gdzcze"), reportQuote(gdzcze->text()));
    report.setVariable(QStringLiteral("qcje"), reportQuote(qcje->text()));
    report.setDataset(spec.dataset, cxGrid->shownResult());
    report.preview(this);
}

// ---- The increase and decrease dialogs -------------------------------------------------------

TF_Gdzc_Move::TF_Gdzc_Move(bool increase, QWidget* parent) : TF_Form(parent), m_increase(increase)
{
    setObjectName(increase ? QStringLiteral("F_Gdzc_Zj") : QStringLiteral("F_Gdzc_Js"));
    setWindowTitle(increase ? QStringLiteral("资产增加") : QStringLiteral("减少资产"));
    setEscCloses(true);
    setMainAction([this] { btnOKClick(); });
    tje = moneyBox(this, "tje", 10);
    comUser = namedCodeCombo(this, "comUser");
    tnote = nameBox(this, "tnote", 100);
    btnOK = namedButton(this, "btnOK", QStringLiteral("增加(F5)"));
    btnExit = namedButton(this, "btnExit", QStringLiteral("退出(Esc)"));
    auto* form = new QFormLayout;
    form->addRow(increase ? QStringLiteral("增加金额：") : QStringLiteral("减少金额："), tje);
    form->addRow(QStringLiteral("经办人："), comUser);
    form->addRow(QStringLiteral("附加说明："), tnote);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttonRow({btnOK, btnExit}));
    onClicked(btnOK, [this] { btnOKClick(); });
    onClicked(btnExit, [this] { reject(); });
}

void TF_Gdzc_Move::FormActivate()
{
    fillNamedStaffCombo(comUser);
    tje->setText(QStringLiteral("0"));
    tnote->clear();
    tje->setFocus();
    tje->selectAll();
}

void TF_Gdzc_Move::btnOKClick()
{
    const QString refusal = addAssetMove({.increase = m_increase,
                                          .amount = Money::fromText(tje->text()),
                                          .handlerName = comUser->currentIndex() < 0 ? QString() : comUser->currentText(),
                                          .note = tnote->text()});
    if (!refusal.isEmpty()) {
        msgInfo(refusal, this);
        return;
    }
    accept();
}

// ---- The opening dialog -----------------------------------------------------------------------

TF_Gdzc_Qc::TF_Gdzc_Qc(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Gdzc_Qc"));
    setWindowTitle(QStringLiteral("固定资产期初建账"));
    setEscCloses(true);
    setMainAction([this] { btnOKClick(); });
    tje = moneyBox(this, "tje", 10);
    btnOK = namedButton(this, "btnOK", QStringLiteral("增加(F5)"));
    btnExit = namedButton(this, "btnExit", QStringLiteral("退出(Esc)"));
    layOutOneField(this, QStringLiteral("期初金额："), tje, {btnOK, btnExit});
    onClicked(btnOK, [this] { btnOKClick(); });
    onClicked(btnExit, [this] { reject(); });
}

void TF_Gdzc_Qc::FormActivate()
{
    tje->setText(QStringLiteral("0"));
    tje->setFocus();
    tje->selectAll();
}

void TF_Gdzc_Qc::btnOKClick()
{
    const QString refusal = openFixedAssets(Money::fromText(tje->text()));
    msgInfo(refusal.isEmpty() ? QStringLiteral("保存成功！") : refusal, this);
    accept();
}
