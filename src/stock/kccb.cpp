#include "stock/kccb.h"

#include "data/clock.h"
#include "data/datamodule.h"
#include "data/namedquery.h"
#include "platform/charts.h"
#include "platform/codecombo.h"
#include "platform/combofill.h"
#include "platform/datagrid.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"
#include "platform/report.h"
#include "platform/reportlist.h"
#include "stock/stocksql.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtCharts/QChartView>

TF_Kccb* F_Kccb = nullptr;

namespace {

QString monthKey(const QSpinBox* year, const QSpinBox* month)
{
    return QStringLiteral("%1-%2").arg(year->value()).arg(month->value(), 2, 10, QLatin1Char('0'));
}

}  // namespace

QString stockCostSql(const QString& from, const QString& to, const QString& ckSn, const QString& ckName)
{
    const QString range = QStringLiteral("from jxc_kcjs where js_rq>=%1 and js_rq<=%2 ").arg(sqlText(from), sqlText(to));
    if (!ckSn.isEmpty())
        return QStringLiteral("select js_rq,%1 as ckname,js_sl as sl,round(js_zje,2) as zje,js_xssl as xssl,"
                              "round(js_xsje,2) as xsje,js_cgsl as cgsl,round(js_cgje,2) as cgje,round(js_xslr,2) as xslr,"
                              "js_xscb as xscb ")
                   .arg(sqlText(ckName)) +
               range + QStringLiteral("and ck_sn=%1 order by js_rq desc").arg(sqlText(ckSn));
    return QStringLiteral("select js_rq,max('所有仓库') as ckname,sum(js_sl) as sl,round(sum(js_zje),2) as zje,"
                          "sum(js_xssl) as xssl,round(sum(js_xsje),2) as xsje,sum(js_cgsl) as cgsl,"
                          "round(sum(js_cgje),2) as cgje,round(sum(js_xslr),2) as xslr,sum(js_xscb) as xscb ") +
           range + QStringLiteral("group by js_rq order by js_rq desc");
}

TF_Kccb::TF_Kccb(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Kccb"));
    setWindowTitle(QStringLiteral("库存成本统计"));
    setEscCloses(true);
    resize(960, 600);

    auto tool = [this](const char* name, const QString& text) {
        auto* b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(name));
        b->setText(text);
        b->setAutoRaise(true);
        return b;
    };
    btnPrint = tool("btnPrint", QStringLiteral("打印"));
    btnExport = tool("btnExport", QStringLiteral("导出"));
    btnExit = tool("btnExit", QStringLiteral("退出"));
    auto spin = [this](const char* name, int low, int high) {
        auto* s = new QSpinBox(this);
        s->setObjectName(QString::fromLatin1(name));
        s->setRange(low, high);
        return s;
    };
    year1 = spin("year1", 1900, 2100);
    month1 = spin("month1", 1, 12);
    year2 = spin("year2", 1900, 2100);
    month2 = spin("month2", 1, 12);
    for (QSpinBox* m : {month1, month2})
        m->setDisplayIntegerBase(10);
    comCk = new CodeComboBox(this);
    comCk->setObjectName(QStringLiteral("comCk"));
    btnQuery = namedButton(this, "btnQuery", QStringLiteral("查询(F2)"));

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    const QString money = QStringLiteral("￥,0.00;-￥,0.00");
    cxGrid1 = new DataGrid(PageControl1);
    cxGrid1->setObjectName(QStringLiteral("cxGrid1"));
    cxGrid1->addColumn(QStringLiteral("js_rq"), QStringLiteral("结算月份"), 80).footerText(QStringLiteral("记录数："));
    cxGrid1->addColumn(QStringLiteral("ckname"), QStringLiteral("仓库名称"), 100).footerCount();
    cxGrid1->addColumn(QStringLiteral("sl"), QStringLiteral("库存数量"));
    cxGrid1->addColumn(QStringLiteral("zje"), QStringLiteral("库存总成本")).setFormat(money);
    cxGrid1->addColumn(QStringLiteral("cgsl"), QStringLiteral("进货数量")).footerSum();
    cxGrid1->addColumn(QStringLiteral("cgje"), QStringLiteral("进货总金额")).setFormat(money).footerSum();
    cxGrid1->addColumn(QStringLiteral("xssl"), QStringLiteral("销售数量")).footerSum();
    cxGrid1->addColumn(QStringLiteral("xsje"), QStringLiteral("销售总金额")).setFormat(money).footerSum();
    cxGrid1->addColumn(QStringLiteral("xslr"), QStringLiteral("销售利润")).setFormat(money).footerSum();
    cxGrid1->addColumn(QStringLiteral("xscb")).setHidden();
    cxGrid1->setQuery(DataModule ? DataModule->Q_Kcjs : nullptr);
    Chart1 = new QChart;
    chartView = new QChartView(Chart1, PageControl1);
    chartView->setObjectName(QStringLiteral("chartView"));
    PageControl1->addTab(cxGrid1, QStringLiteral("表格显示"));
    PageControl1->addTab(chartView, QStringLiteral("图形显示"));

    auto* bar = new QHBoxLayout;
    for (QToolButton* b : {btnPrint, btnExport, btnExit})
        bar->addWidget(b);
    bar->addStretch(1);
    auto* filter = new QHBoxLayout;
    filter->addWidget(new QLabel(QStringLiteral("统计月份："), this));
    for (auto [box, unit] : {std::pair{year1, "年"}, {month1, "月"}}) {
        filter->addWidget(box);
        filter->addWidget(new QLabel(QString::fromUtf8(unit), this));
    }
    filter->addWidget(new QLabel(QStringLiteral("至"), this));
    for (auto [box, unit] : {std::pair{year2, "年"}, {month2, "月"}}) {
        filter->addWidget(box);
        filter->addWidget(new QLabel(QString::fromUtf8(unit), this));
    }
    filter->addWidget(new QLabel(QStringLiteral("仓库名称："), this));
    filter->addWidget(comCk);
    filter->addWidget(btnQuery);
    filter->addStretch(1);
    auto* main = new QVBoxLayout(this);
    main->addLayout(bar);
    main->addLayout(filter);
    main->addWidget(PageControl1, 1);

    onClicked(btnQuery, [this] { btnQueryClick(); });
    onClicked(btnPrint, [this] { btnPrintClick(); });
    onClicked(btnExport, [this] {
        if (cxGrid1->rowCount() > 0)
            cxGrid1->exportWithDialog();
    });
    onClicked(btnExit, [this] { close(); });
    connect(PageControl1, &QTabWidget::currentChanged, this, [this] {
        if (!m_loading)
            runGuarded([this] { btnQueryClick(); });
    });
}

void TF_Kccb::FormActivate()
{
    m_loading = true;
    const int year = Clock::today().year();
    year1->setValue(year);
    year2->setValue(year);
    month1->setValue(1);
    month2->setValue(12);
    fillCodeCombo(comCk, QStringLiteral("jxc_ckxx"), QStringLiteral("ck_name"), QStringLiteral("所有仓库"),
                  QStringLiteral("id"), QStringLiteral("ck_sn"));
    comCk->setCurrentIndex(0);
    PageControl1->setCurrentIndex(0);
    m_loading = false;
    btnQueryClick();
}

bool TF_Kccb::FormKeyDown(QKeyEvent* event)
{
    if (event->key() != Qt::Key_F2)
        return false;
    runGuarded([this] { btnQueryClick(); });
    return true;
}

void TF_Kccb::btnQueryClick()
{
    const QString sql = stockCostSql(monthKey(year1, month1), monthKey(year2, month2),
                                     comCk->currentIsAll() ? QString() : comCk->currentCodeOrEmpty(), comCk->currentText());
    if (PageControl1->currentIndex() == 0) {
        openQuery(DataModule->Q_Kcjs, sql);
        return;
    }
    openQuery(DataModule->Q_Kccbtj, sql);
    showBarChart(Chart1, ChartData::fromResult(DataModule->Q_Kccbtj->result(), QStringLiteral("js_rq"), QStringLiteral("zje")),
                 QStringLiteral("库存成本统计"), comCk->currentText() + QStringLiteral("库存成本"));
}

ReportTemplate TF_Kccb::costLayout()
{
    ReportListSpec spec;
    spec.title = QStringLiteral("库存成本统计");
    spec.headerLines = {QStringLiteral("统计日期：[date1] 至 [date2]    打印时间：[DATE] [TIME]")};
    const auto right = ReportHAlign::Right;
    spec.columns = {{QStringLiteral("结算月份"), QStringLiteral("js_rq"), 18},
                    {QStringLiteral("仓库名称"), QStringLiteral("ckname"), 24},
                    {QStringLiteral("库存数量"), QStringLiteral("sl"), 18, right},
                    {QStringLiteral("库存总金额"), QStringLiteral("zje"), 22, right, QStringLiteral("0.00")},
                    {QStringLiteral("进货数量"), QStringLiteral("cgsl"), 18, right, QString(), true},
                    {QStringLiteral("进货总金额"), QStringLiteral("cgje"), 22, right, QStringLiteral("0.00"), true},
                    {QStringLiteral("销售数量"), QStringLiteral("xssl"), 18, right, QString(), true},
                    {QStringLiteral("销售总金额"), QStringLiteral("xsje"), 22, right, QStringLiteral("0.00"), true},
                    {QStringLiteral("销售利润"), QStringLiteral("xslr"), 22, right, QStringLiteral("0.00"), true}};
    spec.landscape = true;
    return reportListLayout(spec);
}

void TF_Kccb::btnPrintClick()
{
    auto label = [](const QSpinBox* year, const QSpinBox* month) {
        return QStringLiteral("%1年 %2月").arg(year->value()).arg(month->value(), 2, 10, QLatin1Char('0'));
    };
    Report rpt;
    rpt.setLayout(costLayout());
    rpt.clearVariables();
    rpt.setVariable(QStringLiteral("date1"), reportQuote(label(year1, month1)));
    rpt.setVariable(QStringLiteral("date2"), reportQuote(label(year2, month2)));
    rpt.setDataset(QStringLiteral("frxDBDataset1"), cxGrid1->shownResult());
    rpt.preview(this);
}
