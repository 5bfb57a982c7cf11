#include "accounts/yyfx.h"

#include "accounts/partyregister.h"  // periodDateBox
#include "accounts/statements.h"
#include "data/clock.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/namedquery.h"
#include "data/summaries.h"
#include "platform/charts.h"
#include "platform/codecombo.h"
#include "platform/combofill.h"
#include "platform/datagrid.h"
#include "platform/datepresets.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"
#include "platform/report.h"
#include "platform/reportlist.h"
#include "shell/commands.h"

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtCharts/QChartView>

TF_Yyfx* F_Yyfx = nullptr;

namespace {

const QString kMoneyFormat = QStringLiteral("￥,0.00;-￥,0.00");

struct Figure {
    const char* caption;
    const char* var;
};

struct SectionDef {
    const char* link;
    const char* name;  // object name of the link
    std::vector<Figure> figures;
};

// The summary's sections in screen order; the transfer section's print differs (see summaryLayout).
const std::vector<SectionDef>& sections()
{
    static const std::vector<SectionDef> s = {
        {"采购情况", "lnkCg",
         {{"采购单数：", "cgds"}, {"退货单数：", "cgthds"}, {"采购数量：", "cgsl"}, {"采购金额：", "cgje"},
          {"退货数量：", "cgthsl"}, {"退货金额：", "cgthje"}, {"合计  总数量：", "cgzsl"}, {"总金额：", "cgzje"}}},
        {"销售情况", "lnkXs",
         {{"销售单数：", "xsds"}, {"退货单数：", "xsthds"}, {"销售数量：", "xssl"}, {"销售金额：", "xsje"},
          {"退货数量：", "xsthsl"}, {"退货金额：", "xsthje"}, {"合计  总数量：", "xszsl"}, {"总金额：", "xszje"}}},
        {"库存调拨情况", "lnkDb", {{"单据总数：", "djzs"}, {"调出总量：", "dczl"}, {"调入总量：", "drzl"}}},
        {"报损报溢情况", "lnkBsby",
         {{"报损单数：", "bsds"}, {"报损数量：", "bssl"}, {"报损金额：", "bsje"}, {"报溢单数：", "byds"},
          {"报溢数量：", "bysl"}, {"报溢金额：", "byje"}}},
        {"库存状况", "lnkKc", {{"库存总量：", "kczl"}, {"库存总价：", "kczj"}}},
        {"付款收款情况", "lnkFksk",
         {{"向供货商付款单数：", "ghsds"}, {"应付供货商：", "yfghs"}, {"实付供货商：", "sfghs"},
          {"向客户收款单数：", "khds"}, {"应收客户：", "yskh"}, {"实收客户：", "sskh"}}},
        {"财务分析", "lnkCwfx", {{"销售成本：", "xscb"}, {"销售利润：", "xslr"}, {"销售毛利率：", "xsmll"}}},
    };
    return s;
}

QSpinBox* spin(QWidget* parent, const char* name, int lo, int hi)
{
    auto* s = new QSpinBox(parent);
    s->setObjectName(QString::fromLatin1(name));
    s->setRange(lo, hi);
    return s;
}

QRadioButton* radio(QWidget* parent, const char* name, const QString& text)
{
    auto* r = new QRadioButton(text, parent);
    r->setObjectName(QString::fromLatin1(name));
    return r;
}

QComboBox* contentCombo(QWidget* parent, const char* name)
{
    auto* c = new QComboBox(parent);
    c->setObjectName(QString::fromLatin1(name));
    c->addItems({QStringLiteral("销售金额"), QStringLiteral("销售数量"), QStringLiteral("销售利润")});
    return c;
}

DataGrid* listGrid(QWidget* parent, const char* name, NamedQuery* query, bool monthly)
{
    auto* g = new DataGrid(parent);
    g->setObjectName(QString::fromLatin1(name));
    g->setQuery(query);
    if (monthly) {
        g->addColumn(QStringLiteral("js_rq"), QStringLiteral("统计月份"), 80).footerText(QStringLiteral("记录数："));
        g->addColumn(QStringLiteral("sl"), QStringLiteral("库存数量"), 80).footerCount();
        g->addColumn(QStringLiteral("zje"), QStringLiteral("库存总金额"), 100).setFormat(kMoneyFormat);
        g->addColumn(QStringLiteral("cgsl"), QStringLiteral("采购数量"), 80).footerSum();
        g->addColumn(QStringLiteral("cgje"), QStringLiteral("采购金额"), 100).setFormat(kMoneyFormat).footerSum();
        g->addColumn(QStringLiteral("xssl"), QStringLiteral("销售数量"), 80).footerSum();
        g->addColumn(QStringLiteral("xsje"), QStringLiteral("销售金额"), 100).setFormat(kMoneyFormat).footerSum();
        g->addColumn(QStringLiteral("xscb"), QStringLiteral("销售成本"), 100).setFormat(kMoneyFormat).footerSum();
        g->addColumn(QStringLiteral("xslr"), QStringLiteral("销售利润"), 100).setFormat(kMoneyFormat).footerSum();
    } else {
        g->addColumn(QStringLiteral("yy_rq"), QStringLiteral("日期"), 90).footerCount(QStringLiteral("记录数："));
        g->addColumn(QStringLiteral("yy_cgsl"), QStringLiteral("采购数量"), 80).footerSum();
        g->addColumn(QStringLiteral("yy_cgje"), QStringLiteral("采购金额"), 100).setFormat(kMoneyFormat).footerSum();
        g->addColumn(QStringLiteral("yy_xssl"), QStringLiteral("销售数量"), 80).footerSum();
        g->addColumn(QStringLiteral("yy_xsje"), QStringLiteral("销售金额"), 100).setFormat(kMoneyFormat).footerSum();
        g->addColumn(QStringLiteral("yy_xscb"), QStringLiteral("销售成本"), 100).setFormat(kMoneyFormat).footerSum();
        g->addColumn(QStringLiteral("yy_xslr"), QStringLiteral("销售利润"), 100).setFormat(kMoneyFormat).footerSum();
    }
    g->addColumn(QStringLiteral("lrl"), QStringLiteral("毛利率(%)"), 80);
    return g;
}

// The bar chart of a list in its order: labels from `labelField`, values from the field of the
// content combo's choice.
void drawListChart(QChart* chart, DataGrid* grid, const QString& labelField, const QStringList& valueFields,
                   QComboBox* content)
{
    const ChartData data = ChartData::fromResult(grid->shownResult(), labelField,
                                                 valueFields.value(content->currentIndex()));
    showBarChart(chart, data, QString(), content->currentText());
}

}  // namespace

TF_Yyfx::TF_Yyfx(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Yyfx"));
    setWindowTitle(QStringLiteral("营业分析"));
    setEscCloses(true);
    resize(980, 680);
    Q_Yyfx1 = new NamedQuery(QStringLiteral("Q_Yyfx1"), QStringLiteral("select * from jxc_tempyyfx where 1>2"),
                             NamedQuery::Source::Main, this);
    Q_Yyfx2 = new NamedQuery(QStringLiteral("Q_Yyfx2"), QStringLiteral("select * from jxc_kcjs where 1>2"),
                             NamedQuery::Source::Main, this);
    cxPage = new QTabWidget(this);
    cxPage->setObjectName(QStringLiteral("cxPage"));

    // ---- 综合分析
    auto* tab1 = new QWidget;
    btnPrin1 = namedButton(tab1, "btnPrin1", QStringLiteral("打印"));
    auto* exit1 = namedButton(tab1, "btnExit1", QStringLiteral("退出"));
    tdate11 = periodDateBox(tab1, "tdate11");
    tdate12 = periodDateBox(tab1, "tdate12");
    btnMenu1 = new QToolButton(tab1);
    btnMenu1->setObjectName(QStringLiteral("btnMenu1"));
    btnMenu1->setText(QStringLiteral("▼"));
    addDatePresetMenu(btnMenu1, tdate11, tdate12, [this] { summarySearch(); });
    comCk = new CodeComboBox(tab1);
    comCk->setObjectName(QStringLiteral("comCk"));
    btnSearch1 = namedButton(tab1, "btnSearch1", QStringLiteral("统计(F2)"));
    btnToday = namedButton(tab1, "btnToday", QStringLiteral("今日统计(F3)"));
    auto* bar1 = new QHBoxLayout;
    bar1->addWidget(btnPrin1);
    bar1->addWidget(exit1);
    bar1->addSpacing(16);
    for (QWidget* w : std::initializer_list<QWidget*>{new QLabel(QStringLiteral("统计时间："), tab1), tdate11,
                                                      new QLabel(QStringLiteral("至"), tab1), tdate12, btnMenu1,
                                                      new QLabel(QStringLiteral("仓库："), tab1), comCk, btnSearch1,
                                                      btnToday})
        bar1->addWidget(w);
    bar1->addStretch();
    auto* panel = new QGroupBox(QStringLiteral("营业分析"), tab1);
    auto* grid = new QGridLayout(panel);
    auto valueLabel = [this, panel](const QString& var) {
        auto* l = new QLabel(panel);
        l->setObjectName(var);
        figures[var] = l;
        return l;
    };
    int row = 0;
    auto* head = new QHBoxLayout;
    head->addWidget(new QLabel(QStringLiteral("统计时间："), panel));
    head->addWidget(valueLabel(QStringLiteral("date1")));
    head->addWidget(new QLabel(QStringLiteral("至"), panel));
    head->addWidget(valueLabel(QStringLiteral("date2")));
    head->addSpacing(20);
    head->addWidget(new QLabel(QStringLiteral("当前时间："), panel));
    head->addWidget(valueLabel(QStringLiteral("date3")));
    head->addWidget(valueLabel(QStringLiteral("week")));
    head->addStretch();
    grid->addLayout(head, row++, 0, 1, 8);
    for (const SectionDef& s : sections()) {
        auto* link = new QPushButton(QString::fromUtf8(s.link), panel);
        link->setObjectName(QString::fromLatin1(s.name));
        link->setFlat(true);
        link->setCursor(Qt::PointingHandCursor);
        link->setStyleSheet(QStringLiteral("color: blue; text-decoration: underline; text-align: left"));
        link->setAutoDefault(false);
        const QString linkText = QString::fromUtf8(s.link);
        onClicked(link, [this, linkText] { openLink(linkText); });
        grid->addWidget(link, row++, 0, 1, 8);
        int col = 0;
        for (const Figure& f : s.figures) {
            grid->addWidget(new QLabel(QString::fromUtf8(f.caption), panel), row, col * 2);
            grid->addWidget(valueLabel(QString::fromLatin1(f.var)), row, col * 2 + 1);
            if (++col == 4) {
                col = 0;
                ++row;
            }
        }
        if (col)
            ++row;
    }
    auto* l1 = new QVBoxLayout(tab1);
    l1->addLayout(bar1);
    l1->addWidget(panel, 1);

    // ---- 按日分析
    auto* tab2 = new QWidget;
    auto* prin2 = namedButton(tab2, "btnPrin2", QStringLiteral("打印"));
    auto* export2 = namedButton(tab2, "btnExport2", QStringLiteral("导出"));
    auto* exit2 = namedButton(tab2, "btnExit2", QStringLiteral("退出"));
    tdate21 = periodDateBox(tab2, "tdate21");
    tdate22 = periodDateBox(tab2, "tdate22");
    btnMenu2 = new QToolButton(tab2);
    btnMenu2->setObjectName(QStringLiteral("btnMenu2"));
    btnMenu2->setText(QStringLiteral("▼"));
    addDatePresetMenu(btnMenu2, tdate21, tdate22, [this] { dailySearch(); }, QStringLiteral("2"));
    btnSearch2 = namedButton(tab2, "btnSearch2", QStringLiteral("统计(F2)"));
    rbTable2 = radio(tab2, "rbTable2", QStringLiteral("表格显示"));
    rbChart2 = radio(tab2, "rbChart2", QStringLiteral("图表显示"));
    auto* bar2 = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{prin2, export2, exit2, new QLabel(QStringLiteral("查询日期："), tab2),
                                                      tdate21, new QLabel(QStringLiteral("至"), tab2), tdate22, btnMenu2,
                                                      btnSearch2, rbTable2, rbChart2})
        bar2->addWidget(w);
    bar2->addStretch();
    cxGrid2 = listGrid(tab2, "cxGrid2", Q_Yyfx1, false);
    comShow2 = contentCombo(tab2, "comShow2");
    chart2 = new QChart;
    auto* chartPage2 = new QWidget;
    auto* c2 = new QVBoxLayout(chartPage2);
    auto* o2 = new QHBoxLayout;
    o2->addWidget(new QLabel(QStringLiteral("显示内容："), chartPage2));
    o2->addWidget(comShow2);
    o2->addStretch();
    c2->addLayout(o2);
    c2->addWidget(new QChartView(chart2, chartPage2), 1);
    body2 = new QStackedWidget(tab2);
    body2->addWidget(cxGrid2);
    body2->addWidget(chartPage2);
    auto* l2 = new QVBoxLayout(tab2);
    l2->addLayout(bar2);
    l2->addWidget(body2, 1);

    // ---- 按月分析
    auto* tab3 = new QWidget;
    auto* prin3 = namedButton(tab3, "btnPrin3", QStringLiteral("打印"));
    auto* export3 = namedButton(tab3, "btnExport3", QStringLiteral("导出"));
    auto* exit3 = namedButton(tab3, "btnExit3", QStringLiteral("退出"));
    year1 = spin(tab3, "year1", 1900, 2100);
    month1 = spin(tab3, "month1", 1, 12);
    year2 = spin(tab3, "year2", 1900, 2100);
    month2 = spin(tab3, "month2", 1, 12);
    btnSearch3 = namedButton(tab3, "btnSearch3", QStringLiteral("统计(F2)"));
    rbTable3 = radio(tab3, "rbTable3", QStringLiteral("表格显示"));
    rbChart3 = radio(tab3, "rbChart3", QStringLiteral("图表显示"));
    auto* bar3 = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{
             prin3, export3, exit3, new QLabel(QStringLiteral("统计月份："), tab3), year1,
             new QLabel(QStringLiteral("年"), tab3), month1, new QLabel(QStringLiteral("月"), tab3),
             new QLabel(QStringLiteral("至"), tab3), year2, new QLabel(QStringLiteral("年"), tab3), month2,
             new QLabel(QStringLiteral("月"), tab3), btnSearch3, rbTable3, rbChart3})
        bar3->addWidget(w);
    bar3->addStretch();
    cxGrid3 = listGrid(tab3, "cxGrid3", Q_Yyfx2, true);
    comShow3 = contentCombo(tab3, "comShow3");
    chart3 = new QChart;
    auto* chartPage3 = new QWidget;
    auto* c3 = new QVBoxLayout(chartPage3);
    auto* o3 = new QHBoxLayout;
    o3->addWidget(new QLabel(QStringLiteral("统计内容："), chartPage3));
    o3->addWidget(comShow3);
    o3->addStretch();
    c3->addLayout(o3);
    c3->addWidget(new QChartView(chart3, chartPage3), 1);
    body3 = new QStackedWidget(tab3);
    body3->addWidget(cxGrid3);
    body3->addWidget(chartPage3);
    auto* l3 = new QVBoxLayout(tab3);
    l3->addLayout(bar3);
    l3->addWidget(body3, 1);

    cxPage->addTab(tab1, QStringLiteral("综合分析"));
    cxPage->addTab(tab2, QStringLiteral("按日分析"));
    cxPage->addTab(tab3, QStringLiteral("按月分析"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(cxPage);

    for (QPushButton* b : {exit1, exit2, exit3})
        onClicked(b, [this] { reject(); });
    for (QPushButton* b : {btnPrin1, prin2, prin3})
        onClicked(b, [this] { print(); });
    for (QPushButton* b : {export2, export3})
        onClicked(b, [this] { exportList(); });
    for (DataGrid* g : {cxGrid2, cxGrid3}) {
        QTableView* view = g->view();
        view->setContextMenuPolicy(Qt::ActionsContextMenu);
        auto* a = new QAction(QStringLiteral("导出为Excel(&E)"), view);
        connect(a, &QAction::triggered, this, [this] { runGuarded([this] { exportList(); }); });
        view->addAction(a);
    }
    onClicked(btnSearch1, [this] { summarySearch(); });
    onClicked(btnToday, [this] { todaySearch(); });
    onClicked(btnSearch2, [this] { dailySearch(); });
    onClicked(btnSearch3, [this] { monthlySearch(); });
    connect(comCk, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_filling)
            runGuarded([this] { summarySearch(); });
    });
    connect(cxPage, &QTabWidget::currentChanged, this, [this](int index) {
        if (!m_filling)
            runGuarded([this, index] { tabChanged(index); });
    });
    connect(rbChart2, &QRadioButton::toggled, this, [this](bool on) {
        body2->setCurrentIndex(on ? 1 : 0);
        if (on)
            runGuarded([this] { drawDailyChart(); });
    });
    connect(rbChart3, &QRadioButton::toggled, this, [this](bool on) {
        body3->setCurrentIndex(on ? 1 : 0);
        if (on)
            runGuarded([this] { drawMonthlyChart(); });
    });
    connect(comShow2, &QComboBox::currentIndexChanged, this, [this] { runGuarded([this] { drawDailyChart(); }); });
    connect(comShow3, &QComboBox::currentIndexChanged, this, [this] { runGuarded([this] { drawMonthlyChart(); }); });
}

void TF_Yyfx::FormActivate()
{
    m_filling = true;
    const QDate today = Clock::today();
    tdate11->setDate(today);
    tdate12->setDate(today);
    fillCodeCombo(comCk, QStringLiteral("jxc_ckxx"), QStringLiteral("ck_name"), QStringLiteral("所有仓库"),
                  QStringLiteral("id"), QStringLiteral("ck_sn"));
    comCk->setCurrentIndex(0);
    cxPage->setCurrentIndex(0);
    m_filling = false;
    summarySearch();
}

bool TF_Yyfx::FormKeyDown(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F2) {
        const int tab = cxPage->currentIndex();
        runGuarded([this, tab] {
            if (tab == 0)
                summarySearch();
            else if (tab == 1)
                dailySearch();
            else
                monthlySearch();
        });
        return true;
    }
    if (event->key() == Qt::Key_F3 && cxPage->currentIndex() == 0) {
        runGuarded([this] { todaySearch(); });
        return true;
    }
    return false;
}

void TF_Yyfx::tabChanged(int index)
{
    const QDate today = Clock::today();
    if (index == 1) {
        tdate21->setDate(QDate(today.year(), today.month(), 1));
        tdate22->setDate(today);
        rbTable2->setChecked(true);
        dailySearch();
    } else if (index == 2) {
        year1->setValue(today.year());
        year2->setValue(today.year());
        month1->setValue(1);
        month2->setValue(12);
        rbTable3->setChecked(true);
        monthlySearch();
    }
}

void TF_Yyfx::summarySearch()
{
    const QString ck = comCk->currentIndex() < 0 ? QStringLiteral("-1") : comCk->currentCode();
    const QMap<QString, QString> v = businessSummary(tdate11->date(), tdate12->date(), ck);
    for (auto it = v.begin(); it != v.end(); ++it)
        if (QLabel* l = figures.value(it.key()))
            l->setText(it.value());
    figures[QStringLiteral("date1")]->setText(dateText(tdate11->date()));
    figures[QStringLiteral("date2")]->setText(dateText(tdate12->date()));
    figures[QStringLiteral("date3")]->setText(nowText());
    figures[QStringLiteral("week")]->setText(getWeekName());
}

void TF_Yyfx::todaySearch()
{
    tdate11->setDate(Clock::today());
    tdate12->setDate(Clock::today());
    summarySearch();
}

void TF_Yyfx::dailySearch()
{
    openQuery(Q_Yyfx1, dailyAnalysisSql(tdate21->date(), tdate22->date()));
    if (rbChart2->isChecked())
        drawDailyChart();
}

void TF_Yyfx::monthlySearch()
{
    openQuery(Q_Yyfx2, monthlyAnalysisSql(monthKey(year1->value(), month1->value()),
                                                      monthKey(year2->value(), month2->value())));
    if (rbChart3->isChecked())
        drawMonthlyChart();
}

void TF_Yyfx::drawDailyChart()
{
    drawListChart(chart2, cxGrid2, QStringLiteral("yy_rq"),
                  {QStringLiteral("yy_xsje"), QStringLiteral("yy_xssl"), QStringLiteral("yy_xslr")}, comShow2);
}

void TF_Yyfx::drawMonthlyChart()
{
    drawListChart(chart3, cxGrid3, QStringLiteral("js_rq"),
                  {QStringLiteral("xsje"), QStringLiteral("xssl"), QStringLiteral("xslr")}, comShow3);
}

void TF_Yyfx::openLink(const QString& link)
{
    struct Target {
        const char* link;
        const char* windowClass;
        const char* caption;
        bool history;  // opens on its query tab
    };
    static const Target kTargets[] = {
        {"采购情况", "TF_Spcgtj", "", false},
        {"销售情况", "TF_Spxstj", "", false},
        {"库存调拨情况", "TF_Kcdb", "", true},
        {"报损报溢情况", "TF_Bsby", "", true},
        {"库存状况", "TF_Kccx", "库存商品变动查询", false},
        {"付款收款情况", "TF_Cwbb", "", false},
        {"财务分析", "TF_Spxsph", "", false},
    };
    for (const Target& t : kTargets) {
        if (link != QString::fromUtf8(t.link))
            continue;
        if (t.history)
            callerFlag = QStringLiteral("yyfx");
        openWindow(QString::fromLatin1(t.windowClass), QString::fromUtf8(t.caption), link);
        // A window that did not open leaves no word behind for the next one.
        if (t.history && callerFlag == QStringLiteral("yyfx"))
            callerFlag.clear();
        return;
    }
}

ReportTemplate TF_Yyfx::summaryLayout()
{
    ReportTemplate t;
    ReportBand& band = t.addBand(ReportBandKind::ReportTitle, 250);
    const double width = t.page.contentWidth();
    double y = 0;
    auto text = [&](const QString& s, double x, double w, double h = 6, double size = 10, bool bold = false,
                    ReportHAlign align = ReportHAlign::Left) {
        ReportObject o;
        o.rect = QRectF(x, y, w, h);
        o.text = s;
        o.font.size = size;
        o.font.bold = bold;
        o.align = align;
        band.objects.push_back(o);
    };
    text(QStringLiteral("营业(综合)分析"), 0, width, 10, 16, true, ReportHAlign::Center);
    y += 12;
    text(QStringLiteral("统计时间：[date1] 至 [date2]"), 0, width / 2);
    text(QStringLiteral("当前时间：[date3] [week]"), width / 2, width / 2);
    y += 7;
    text(QStringLiteral("操作员：[aName]"), 0, width);
    y += 9;
    for (const SectionDef& s : sections()) {
        text(QString::fromUtf8(s.link), 0, width, 7, 11, true);
        y += 8;
        int col = 0;
        for (const Figure& f : s.figures) {
            QString caption = QString::fromUtf8(f.caption);
            const QString var = QString::fromLatin1(f.var);
            if (var == QStringLiteral("drzl"))
                continue;  // the print counts the transfers once
            if (var == QStringLiteral("djzs"))
                caption = QStringLiteral("调拨单数：");
            else if (var == QStringLiteral("dczl"))
                caption = QStringLiteral("调拨数量：");
            text(caption + QStringLiteral("[") + var + QStringLiteral("]"), col * width / 4, width / 4);
            if (++col == 4) {
                col = 0;
                y += 7;
            }
        }
        if (col)
            y += 7;
        y += 3;
    }
    band.height = y + 5;
    return t;
}

void TF_Yyfx::print()
{
    const int tab = cxPage->currentIndex();
    Report report;
    if (tab == 0) {
        report.setLayout(summaryLayout());
        for (auto it = figures.begin(); it != figures.end(); ++it)
            report.setVariable(it.key(), reportQuote(it.value()->text()));
        report.setVariable(QStringLiteral("aName"), reportQuote(operatorName));
        report.preview(this);
        return;
    }
    ReportListSpec spec;
    spec.landscape = tab == 2;
    const QString money = QStringLiteral("0.00");
    if (tab == 1) {
        spec.title = QStringLiteral("营业(每日)分析");
        spec.headerLines = {QStringLiteral("统计时间：[date1] 至 [date2]"), QStringLiteral("打印时间：[DATE] [TIME]")};
        spec.columns = {{QStringLiteral("日期"), QStringLiteral("yy_rq"), 24},
                        {QStringLiteral("采购数量"), QStringLiteral("yy_cgsl"), 20, ReportHAlign::Right, QString(), true},
                        {QStringLiteral("采购金额"), QStringLiteral("yy_cgje"), 24, ReportHAlign::Right, money, true},
                        {QStringLiteral("销售数量"), QStringLiteral("yy_xssl"), 20, ReportHAlign::Right, QString(), true},
                        {QStringLiteral("销售金额"), QStringLiteral("yy_xsje"), 24, ReportHAlign::Right, money, true},
                        {QStringLiteral("销售成本"), QStringLiteral("yy_xscb"), 24, ReportHAlign::Right, money, true},
                        {QStringLiteral("销售利润"), QStringLiteral("yy_xslr"), 24, ReportHAlign::Right, money, true},
                        {QStringLiteral("毛利率(%)"), QStringLiteral("lrl"), 20, ReportHAlign::Right}};
        report.setVariable(QStringLiteral("date1"), reportQuote(dateText(tdate21->date())));
        report.setVariable(QStringLiteral("date2"), reportQuote(dateText(tdate22->date())));
        report.setDataset(spec.dataset, cxGrid2->shownResult());
    } else {
        spec.title = QStringLiteral("营业(每月)分析");
        spec.headerLines = {QStringLiteral("统计日期：[date1] 至 [date2]"), QStringLiteral("打印时间：[DATE] [TIME]")};
        spec.columns = {{QStringLiteral("统计月份"), QStringLiteral("js_rq"), 22},
                        {QStringLiteral("库存数量"), QStringLiteral("sl"), 22, ReportHAlign::Right},
                        {QStringLiteral("库存总额"), QStringLiteral("zje"), 26, ReportHAlign::Right, money},
                        {QStringLiteral("采购数量"), QStringLiteral("cgsl"), 22, ReportHAlign::Right, QString(), true},
                        {QStringLiteral("采购金额"), QStringLiteral("cgje"), 26, ReportHAlign::Right, money, true},
                        {QStringLiteral("销售数量"), QStringLiteral("xssl"), 22, ReportHAlign::Right, QString(), true},
                        {QStringLiteral("销售金额"), QStringLiteral("xsje"), 26, ReportHAlign::Right, money, true},
                        {QStringLiteral("销售成本"), QStringLiteral("xscb"), 26, ReportHAlign::Right, money, true},
                        {QStringLiteral("销售利润"), QStringLiteral("xslr"), 26, ReportHAlign::Right, money, true},
                        {QStringLiteral("毛利率(%)"), QStringLiteral("lrl"), 20, ReportHAlign::Right}};
        auto monthTitle = [](QSpinBox* y, QSpinBox* m) {
            return QStringLiteral("%1年 %2月").arg(y->value()).arg(m->value(), 2, 10, QLatin1Char('0'));
        };
        report.setVariable(QStringLiteral("date1"), reportQuote(monthTitle(year1, month1)));
        report.setVariable(QStringLiteral("date2"), reportQuote(monthTitle(year2, month2)));
        report.setDataset(spec.dataset, cxGrid3->shownResult());
    }
    report.setLayout(reportListLayout(spec));
    report.preview(this);
}

void TF_Yyfx::exportList()
{
    const int tab = cxPage->currentIndex();
    if (tab == 1)
        cxGrid2->exportWithDialog();
    else if (tab == 2)
        cxGrid3->exportWithDialog();
}
