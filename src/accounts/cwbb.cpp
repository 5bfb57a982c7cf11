#include "accounts/cwbb.h"

#include "accounts/ledgerentries.h"  // quotedLiteral
#include "accounts/partyregister.h"  // periodDateBox
#include "accounts/statements.h"
#include "data/clock.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/namedquery.h"
#include "data/summaries.h"
#include "platform/datagrid.h"
#include "platform/datepresets.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"
#include "platform/report.h"
#include "platform/reportlist.h"

#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtCharts/QChartView>

TF_Cwbb* F_Cwbb = nullptr;

namespace {

const QString kMoneyFormat = QStringLiteral("￥,0.00;-￥,0.00");
const QString kTwoDecimals = QStringLiteral("￥,0.00");

QToolButton* presetButton(QWidget* parent, const char* name)
{
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setText(QStringLiteral("▼"));
    return b;
}

QSpinBox* spin(QWidget* parent, const char* name, int lo, int hi)
{
    auto* s = new QSpinBox(parent);
    s->setObjectName(QString::fromLatin1(name));
    s->setRange(lo, hi);
    return s;
}

void addRow(QHBoxLayout* row, std::initializer_list<QWidget*> widgets)
{
    for (QWidget* w : widgets)
        row->addWidget(w);
}

}  // namespace

TF_Cwbb::TF_Cwbb(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Cwbb"));
    setWindowTitle(QStringLiteral("财务报表管理"));
    setEscCloses(true);
    resize(960, 660);

    auto query = [this](const char* name) {
        return new NamedQuery(QString::fromLatin1(name), QStringLiteral("select 1 where 1>2"), NamedQuery::Source::Main,
                              this);
    };
    Q_Cwbb1 = query("Q_Cwbb1");
    Q_Cwbb2 = query("Q_Cwbb2");
    Q_Cwbb3 = query("Q_Cwbb3");
    Q_Cwbb4 = query("Q_Cwbb4");
    Q_Cwbb5 = query("Q_Cwbb5");
    btn_Prin = namedButton(this, "btn_Prin", QStringLiteral("打印"));
    btn_Exit = namedButton(this, "btn_Exit", QStringLiteral("退出"));
    auto* bar = new QHBoxLayout;
    addRow(bar, {btn_Prin, btn_Exit});
    bar->addStretch();
    cxPage = new QTabWidget(this);
    cxPage->setObjectName(QStringLiteral("cxPage"));

    // ---- 应收应付表
    auto* tab1 = new QWidget;
    tab1->setObjectName(QStringLiteral("cxTab1"));
    tkey = nameBox(tab1, "tkey", 32);
    btnSearch1 = namedButton(tab1, "btnSearch1", QStringLiteral("查询"));
    auto* top1 = new QHBoxLayout;
    addRow(top1, {new QLabel(QStringLiteral("应收应付汇总表"), tab1),
                  new QLabel(QStringLiteral("输入单位相关信息进行查找："), tab1), tkey, btnSearch1});
    top1->addStretch();
    cxGrid1 = new DataGrid(tab1);
    cxGrid1->setObjectName(QStringLiteral("cxGrid1"));
    cxGrid1->setQuery(Q_Cwbb1);
    cxGrid1->addColumn(QStringLiteral("dwname"), QStringLiteral("往来单位"), 180).footerText(QStringLiteral("合计"));
    cxGrid1->addColumn(QStringLiteral("ysje"), QStringLiteral("我方应收金额"), 110).setFormat(kMoneyFormat).footerSum();
    cxGrid1->addColumn(QStringLiteral("yfje"), QStringLiteral("我方应付金额"), 110).setFormat(kMoneyFormat).footerSum();
    cxGrid1->addColumn(QStringLiteral("dwlx"), QStringLiteral("单位类型"), 70);
    ysyfmx = new QLabel(tab1);
    ysyfmx->setObjectName(QStringLiteral("ysyfmx"));
    tdate11 = periodDateBox(tab1, "tdate11");
    tdate12 = periodDateBox(tab1, "tdate12");
    btnMenu1 = presetButton(tab1, "btnMenu1");
    addDatePresetMenu(btnMenu1, tdate11, tdate12, [this] { partySearch(); });
    comGl = new QComboBox(tab1);
    comGl->setObjectName(QStringLiteral("comGl"));
    comGl->addItems({QStringLiteral("所有单据"), QStringLiteral("仅欠款单据"), QStringLiteral("不欠款的单据")});
    btnSearch2 = namedButton(tab1, "btnSearch2", QStringLiteral("查询"));
    btnPrin2 = namedButton(tab1, "btnPrin2", QStringLiteral("打印明细"));
    auto* mid1 = new QHBoxLayout;
    addRow(mid1, {new QLabel(QStringLiteral("应收应付明细："), tab1), ysyfmx, new QLabel(QStringLiteral("查询日期："), tab1),
                  tdate11, new QLabel(QStringLiteral("至"), tab1), tdate12, btnMenu1,
                  new QLabel(QStringLiteral("单据过滤："), tab1), comGl, btnSearch2, btnPrin2});
    mid1->addStretch();
    cxGrid2 = new DataGrid(tab1);
    cxGrid2->setObjectName(QStringLiteral("cxGrid2"));
    cxGrid2->setQuery(Q_Cwbb2);
    cxGrid2->addColumn(QStringLiteral("rq"), QStringLiteral("日期"), 90).footerText(QStringLiteral("记录数："));
    cxGrid2->addColumn(QStringLiteral("djh"), QStringLiteral("单据号"), 110).footerCount();
    cxGrid2->addColumn(QStringLiteral("zflx"), QStringLiteral("内容摘要"), 100);
    cxGrid2->addColumn(QStringLiteral("yfje"), QStringLiteral("应付金额"), 100).setFormat(kMoneyFormat).footerSum();
    cxGrid2->addColumn(QStringLiteral("sfje"), QStringLiteral("实付金额"), 100).setFormat(kMoneyFormat).footerSum();
    cxGrid2->addColumn(QStringLiteral("a_name"), QStringLiteral("操作员"), 70);
    cxGrid2->addColumn(QStringLiteral("u_name"), QStringLiteral("经办人"), 70);
    cxGrid2->addColumn(QStringLiteral("dnote"), QStringLiteral("备注"), 200);
    auto* l1 = new QVBoxLayout(tab1);
    l1->addLayout(top1);
    l1->addWidget(cxGrid1, 1);
    l1->addLayout(mid1);
    l1->addWidget(cxGrid2, 1);

    // ---- 经营情况表
    auto* tab2 = new QWidget;
    tab2->setObjectName(QStringLiteral("cxTab2"));
    tdate21 = periodDateBox(tab2, "tdate21");
    tdate22 = periodDateBox(tab2, "tdate22");
    btnMenu2 = presetButton(tab2, "btnMenu2");
    addDatePresetMenu(btnMenu2, tdate21, tdate22, [this] { statementSearch(); }, QStringLiteral("2"));
    btnSearch3 = namedButton(tab2, "btnSearch3", QStringLiteral("查询(F2)"));
    auto* top2 = new QHBoxLayout;
    addRow(top2, {new QLabel(QStringLiteral("经营情况汇总表"), tab2), new QLabel(QStringLiteral("查询日期："), tab2),
                  tdate21, new QLabel(QStringLiteral("至"), tab2), tdate22, btnMenu2, btnSearch3});
    top2->addStretch();
    cxGrid3 = new DataGrid(tab2);
    cxGrid3->setObjectName(QStringLiteral("cxGrid3"));
    cxGrid3->setQuery(Q_Cwbb3);
    cxGrid3->addColumn(QStringLiteral("ts_note"), QStringLiteral("科目名称"), 200);
    cxGrid3->addColumn(QStringLiteral("ts_dj"), QStringLiteral("发生金额"), 120).setFormat(kTwoDecimals);
    cxGrid3->addColumn(QStringLiteral("ts_zje"), QStringLiteral("累计金额"), 120).setFormat(kTwoDecimals);
    cxGrid4 = new DataGrid(tab2);
    cxGrid4->setObjectName(QStringLiteral("cxGrid4"));
    cxGrid4->setQuery(Q_Cwbb4);
    cxGrid4->addColumn(QStringLiteral("rq"), QStringLiteral("日期"), 90).footerCount(QStringLiteral("记录数："));
    cxGrid4->addColumn(QStringLiteral("lx"), QStringLiteral("说明"), 100);
    cxGrid4->addColumn(QStringLiteral("je"), QStringLiteral("金额"), 100).setFormat(kMoneyFormat).footerSum();
    cxGrid4->addColumn(QStringLiteral("u_name"), QStringLiteral("经办人"), 70);
    cxGrid4->addColumn(QStringLiteral("dnote"), QStringLiteral("备注"), 200);
    auto* l2 = new QVBoxLayout(tab2);
    l2->addLayout(top2);
    l2->addWidget(cxGrid3, 1);
    l2->addWidget(new QLabel(QStringLiteral("经营情况明细表"), tab2));
    l2->addWidget(cxGrid4, 1);

    // ---- 资产负债表
    auto* tab3 = new QWidget;
    tab3->setObjectName(QStringLiteral("cxTab3"));
    tdate31 = periodDateBox(tab3, "tdate31");
    zcfzr = new QLabel(tab3);
    zcfzr->setObjectName(QStringLiteral("zcfzr"));
    btnSearch4 = namedButton(tab3, "btnSearch4", QStringLiteral("查询(F2)"));
    auto* top3 = new QHBoxLayout;
    addRow(top3, {new QLabel(QStringLiteral("资产负债日："), tab3), tdate31, btnSearch4, zcfzr});
    top3->addStretch();
    cxGrid5 = new DataGrid(tab3);
    cxGrid5->setObjectName(QStringLiteral("cxGrid5"));
    cxGrid5->setQuery(Q_Cwbb5);
    cxGrid5->addColumn(QStringLiteral("ts_note"), QStringLiteral("科目名称"), 220);
    cxGrid5->addColumn(QStringLiteral("ts_zje"), QStringLiteral("期末金额"), 140).setFormat(kTwoDecimals);
    auto* l3 = new QVBoxLayout(tab3);
    l3->addLayout(top3);
    l3->addWidget(cxGrid5, 1);

    // ---- 财务图表
    auto* tab4 = new QWidget;
    tab4->setObjectName(QStringLiteral("cxTab4"));
    chartList = new QListWidget(tab4);
    chartList->setObjectName(QStringLiteral("chartList"));
    chartList->addItems({QStringLiteral("收入类饼图"), QStringLiteral("支出类饼图"), QStringLiteral("按月的利润图"),
                         QStringLiteral("按月的费用图")});
    chartList->setMaximumWidth(140);
    pieChart = new QChart;
    pieView = new QChartView(pieChart, tab4);
    monthPanel = new QWidget(tab4);
    year1 = spin(monthPanel, "year1", 1900, 2100);
    month1 = spin(monthPanel, "month1", 1, 12);
    year2 = spin(monthPanel, "year2", 1900, 2100);
    month2 = spin(monthPanel, "month2", 1, 12);
    btnSearch5 = namedButton(monthPanel, "btnSearch5", QStringLiteral("统计(F2)"));
    rbBar = new QRadioButton(QStringLiteral("柱状图形"), monthPanel);
    rbBar->setObjectName(QStringLiteral("rbBar"));
    rbLine = new QRadioButton(QStringLiteral("曲线图形"), monthPanel);
    rbLine->setObjectName(QStringLiteral("rbLine"));
    rbBar->setChecked(true);
    monthChart = new QChart;
    auto* monthRow = new QHBoxLayout;
    addRow(monthRow, {new QLabel(QStringLiteral("统计月份："), monthPanel), year1, new QLabel(QStringLiteral("年"), monthPanel),
                      month1, new QLabel(QStringLiteral("月"), monthPanel), new QLabel(QStringLiteral("至"), monthPanel),
                      year2, new QLabel(QStringLiteral("年"), monthPanel), month2,
                      new QLabel(QStringLiteral("月"), monthPanel), btnSearch5, rbBar, rbLine});
    monthRow->addStretch();
    auto* monthCol = new QVBoxLayout(monthPanel);
    monthCol->addLayout(monthRow);
    monthCol->addWidget(new QChartView(monthChart, monthPanel), 1);
    auto* l4 = new QHBoxLayout(tab4);
    l4->addWidget(chartList);
    l4->addWidget(pieView, 1);
    l4->addWidget(monthPanel, 1);
    monthPanel->hide();

    cxPage->addTab(tab1, QStringLiteral("应收应付表"));
    cxPage->addTab(tab2, QStringLiteral("经营情况表"));
    cxPage->addTab(tab3, QStringLiteral("资产负债表"));
    cxPage->addTab(tab4, QStringLiteral("财务图表"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(cxPage, 1);

    onClicked(btn_Prin, [this] { print(); });
    onClicked(btn_Exit, [this] { reject(); });
    onClicked(btnSearch1, [this] { partySearch(); });
    onClicked(btnSearch2, [this] { billSearch(); });
    onClicked(btnPrin2, [this] { printBills(); });
    onClicked(btnSearch3, [this] { statementSearch(); });
    onClicked(btnSearch4, [this] { balanceSearch(); });
    onClicked(btnSearch5, [this] { monthSearch(); });
    connect(cxGrid1, &DataGrid::rowClicked, this, [this] { runGuarded([this] { billSearch(); }); });
    connect(cxGrid3, &DataGrid::rowClicked, this, [this] { runGuarded([this] { statementDetail(); }); });
    connect(comGl, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_filling)
            runGuarded([this] { billSearch(); });
    });
    connect(cxPage, &QTabWidget::currentChanged, this, [this](int index) {
        if (!m_filling)
            runGuarded([this, index] { tabChanged(index); });
    });
    connect(chartList, &QListWidget::currentRowChanged, this, [this] { runGuarded([this] { chartChosen(); }); });
    connect(rbBar, &QRadioButton::toggled, this, [this] { drawMonthChart(); });
}

void TF_Cwbb::FormActivate()
{
    m_filling = true;
    tkey->clear();
    const QDate today = Clock::today();
    tdate11->setDate(QDate(today.year(), today.month(), 1));
    tdate12->setDate(today);
    comGl->setCurrentIndex(0);
    cxPage->setCurrentIndex(0);
    m_filling = false;
    partySearch();
}

void TF_Cwbb::FormClose()
{
    runGuarded([] { clearTempSpxf(); });
}

bool TF_Cwbb::FormKeyDown(QKeyEvent* event)
{
    if (event->key() != Qt::Key_F2)
        return false;
    if (cxPage->currentIndex() == 1)
        runGuarded([this] { statementSearch(); });
    else if (cxPage->currentIndex() == 2)
        runGuarded([this] { balanceSearch(); });
    return true;
}

void TF_Cwbb::tabChanged(int index)
{
    const QDate today = Clock::today();
    if (index == 1) {
        tdate21->setDate(QDate(today.year(), today.month(), 1));
        tdate22->setDate(today);
        statementSearch();
    } else if (index == 2) {
        tdate31->setDate(today);
        balanceSearch();
    } else if (index == 3) {
        if (chartList->currentRow() == 0)
            chartChosen();
        else
            chartList->setCurrentRow(0);
    }
}

void TF_Cwbb::partySearch()
{
    openQuery(Q_Cwbb1, partyListSql(tkey->text()));
    billSearch();
}

void TF_Cwbb::billSearch()
{
    NamedQuery* parties = Q_Cwbb1;
    if (parties->isEmpty()) {
        ysyfmx->clear();
        return;
    }
    ysyfmx->setText(parties->fieldByName(QStringLiteral("dwname")));
    openQuery(Q_Cwbb2,
              partyBillsSql(parties->fieldByName(QStringLiteral("dwlx")), parties->fieldByName(QStringLiteral("dwsn")),
                            tdate11->date(), tdate12->date(), BillFilter(comGl->currentIndex())));
}

void TF_Cwbb::statementSearch()
{
    buildOperatingStatement(tdate21->date(), tdate22->date(), operatorName);
    openQuery(Q_Cwbb3, QStringLiteral("select * from jxc_tempspxf order by g_sn"));
}

void TF_Cwbb::statementDetail()
{
    NamedQuery* q = Q_Cwbb3;
    if (q->isEmpty())
        return;
    const QString sql = operatingDetailSql(q->fieldByName(QStringLiteral("g_sn")), q->fieldByName(QStringLiteral("ts_note")),
                                           tdate21->date(), tdate22->date());
    if (!sql.isEmpty())
        openQuery(Q_Cwbb4, sql);
}

void TF_Cwbb::balanceSearch()
{
    buildBalanceSheet(tdate31->date(), operatorName);
    zcfzr->setText(dateText(tdate31->date()));
    openQuery(Q_Cwbb5,
              QStringLiteral("select * from jxc_tempspxf where a_name=%1 order by g_sn").arg(quotedLiteral(operatorName)));
}

void TF_Cwbb::chartChosen()
{
    const int row = chartList->currentRow();
    if (row < 0)
        return;
    const QString title = chartList->item(row)->text();
    if (row < 2) {
        monthPanel->hide();
        pieView->show();
        showPieChart(pieChart, row == 0 ? buildIncomePie(operatorName) : buildExpensePie(operatorName), title,
                     PieMarks::Value);
        return;
    }
    pieView->hide();
    monthPanel->show();
    const int year = Clock::today().year();
    year1->setValue(year);
    year2->setValue(year);
    month1->setValue(1);
    month2->setValue(12);
    rbBar->setChecked(true);
    monthSearch();
}

void TF_Cwbb::monthSearch()
{
    const int row = chartList->currentRow();
    if (row < 2)
        return;
    const QString first = monthKey(year1->value(), month1->value());
    const QString last = monthKey(year2->value(), month2->value());
    m_monthData = row == 2 ? monthProfitChart(first, last) : monthExpenseChart(first, last);
    drawMonthChart();
}

void TF_Cwbb::drawMonthChart()
{
    const int row = chartList->currentRow();
    if (row < 2)
        return;
    const QString title = chartList->item(row)->text();
    if (rbBar->isChecked())
        showBarChart(monthChart, m_monthData, title);
    else
        showLineChart(monthChart, m_monthData, title);
}

void TF_Cwbb::print()
{
    ReportListSpec spec;
    Report report;
    const int tab = cxPage->currentIndex();
    if (tab == 0) {
        spec.title = QStringLiteral("应收应付汇总表");
        spec.headerLines = {QStringLiteral("打印时间：[DATE] [TIME]")};
        spec.columns = {{QStringLiteral("往来单位"), QStringLiteral("dwname"), 60},
                        {QStringLiteral("我方应收金额"), QStringLiteral("ysje"), 35, ReportHAlign::Right,
                         QStringLiteral("0.00"), true},
                        {QStringLiteral("我方应付金额"), QStringLiteral("yfje"), 35, ReportHAlign::Right,
                         QStringLiteral("0.00"), true},
                        {QStringLiteral("单位类型"), QStringLiteral("dwlx"), 25}};
        report.setDataset(spec.dataset, cxGrid1->shownResult());
    } else if (tab == 1) {
        spec.title = QStringLiteral("经营情况表");
        spec.headerLines = {QStringLiteral("统计日期：[date1] 至 [date2]"), QStringLiteral("打印时间：[DATE] [TIME]")};
        spec.totalCaption.clear();
        spec.columns = {{QStringLiteral("科目名称"), QStringLiteral("ts_note"), 70},
                        {QStringLiteral("发生金额"), QStringLiteral("ts_dj"), 40, ReportHAlign::Right, QStringLiteral("0.00")},
                        {QStringLiteral("累计金额"), QStringLiteral("ts_zje"), 40, ReportHAlign::Right, QStringLiteral("0.00")}};
        report.setVariable(QStringLiteral("date1"), reportQuote(dateText(tdate21->date())));
        report.setVariable(QStringLiteral("date2"), reportQuote(dateText(tdate22->date())));
        report.setDataset(spec.dataset, cxGrid3->shownResult());
    } else if (tab == 2) {
        spec.title = QStringLiteral("资产负债表");
        spec.headerLines = {QStringLiteral("资产负债日：[date1]"), QStringLiteral("打印时间：[DATE] [TIME]")};
        spec.totalCaption.clear();
        spec.columns = {{QStringLiteral("科目名称"), QStringLiteral("ts_note"), 80},
                        {QStringLiteral("期末金额"), QStringLiteral("ts_zje"), 45, ReportHAlign::Right, QStringLiteral("0.00")}};
        report.setVariable(QStringLiteral("date1"), reportQuote(dateText(tdate31->date())));
        report.setDataset(spec.dataset, cxGrid5->shownResult());
    } else {
        return;
    }
    report.setLayout(reportListLayout(spec));
    report.preview(this);
}

void TF_Cwbb::printBills()
{
    ReportListSpec spec;
    spec.title = QStringLiteral("应收应付明细表");
    spec.headerLines = {QStringLiteral("统计时间：[date1] 至 [date2]"), QStringLiteral("往来单位：[dwName]"),
                        QStringLiteral("打印时间：[DATE] [TIME]")};
    spec.totalCaption = QStringLiteral("应付合计：");
    spec.summaryLines = {QStringLiteral("实付合计：[SUM(<frxDBDataset1.\"sfje\">)]")};
    spec.columns = {{QStringLiteral("日期"), QStringLiteral("rq"), 22},
                    {QStringLiteral("单号"), QStringLiteral("djh"), 28},
                    {QStringLiteral("内容摘要"), QStringLiteral("zflx"), 26},
                    {QStringLiteral("应付金额"), QStringLiteral("yfje"), 24, ReportHAlign::Right, QStringLiteral("0.00"), true},
                    {QStringLiteral("实付金额"), QStringLiteral("sfje"), 24, ReportHAlign::Right, QStringLiteral("0.00"), true},
                    {QStringLiteral("经办人"), QStringLiteral("u_name"), 18},
                    {QStringLiteral("操作员"), QStringLiteral("a_name"), 18},
                    {QStringLiteral("备注"), QStringLiteral("dnote"), 40}};
    Report report;
    report.setLayout(reportListLayout(spec));
    report.setVariable(QStringLiteral("date1"), reportQuote(dateText(tdate11->date())));
    report.setVariable(QStringLiteral("date2"), reportQuote(dateText(tdate12->date())));
    report.setVariable(QStringLiteral("dwName"), reportQuote(ysyfmx->text()));
    report.setDataset(spec.dataset, cxGrid2->shownResult());
    report.preview(this);
}
