#include "sales/spxstj_fx.h"

#include "data/clock.h"
#include "data/database.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/namedquery.h"
#include "data/summaries.h"
#include "bills/querykit.h"
#include "platform/charts.h"
#include "platform/datagrid.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QtCharts/QChartView>
#include <cmath>
#include <tuple>

TF_Spxstj_Fx* F_Spxstj_Fx = nullptr;

namespace {

const char* const kCaptions[14] = {"",
                                   "全部数量",
                                   "全部金额",
                                   "本类数量",
                                   "本类金额",
                                   "销售数量",
                                   "销售金额(元)",
                                   "销售量占全部商品的百分比(%)",
                                   "销售额占全部商品的百分比(%)",
                                   "销售量占本类商品的百分比(%)",
                                   "销售额占本类商品的百分比(%)",
                                   "销售毛利(元)",
                                   "销售毛利率(%)",
                                   "销售成本(元)"};

double share(double a, double b)
{
    return b != 0 ? std::round(a * 10000 / b) / 100 : 0;
}

// Net quantity and amount (sales less customer returns) of bills dated in `prefix`, of one
// goods, of a category or of all goods.
std::pair<double, double> netFigures(const QString& prefix, const QString& gSn, const QString* gcSn)
{
    auto part = [&](const char* lines, const char* head, const char* date, const char* qty, const char* amount) {
        QString sql = QStringLiteral("select ifnull(sum(x.%1),0) as sl,ifnull(sum(x.%2),0) as je from %3 x join %4 y on "
                                     "x.gl_djh=y.gl_djh")
                          .arg(QLatin1String(qty), QLatin1String(amount), QLatin1String(lines), QLatin1String(head));
        SqlParams params;
        if (gcSn) {
            sql += QStringLiteral(" join jxc_goods z on x.g_sn=z.g_sn and z.gc_sn like ?");
            params.emplace_back(QString(), *gcSn + QLatin1Char('%'));
        }
        sql += QStringLiteral(" where y.%1 like ?").arg(QLatin1String(date));
        params.emplace_back(QString(), prefix + QLatin1Char('%'));
        if (!gSn.isEmpty()) {
            sql += QStringLiteral(" and x.g_sn=?");
            params.emplace_back(QString(), gSn);
        }
        const ResultSet rs = openSelect(sql, params);
        return std::pair{rs.number(0, QStringLiteral("sl")), rs.number(0, QStringLiteral("je"))};
    };
    const auto sold = part("jxc_lsxssp", "jxc_lsxsd", "ls_xsrq", "ls_sl", "ls_zje");
    const auto back = part("jxc_xsthsp", "jxc_xsthd", "th_xsrq", "th_sl", "th_zje");
    return {sold.first - back.first, sold.second - back.second};
}

}  // namespace

SpxfTable spxfFigures(const QString& gSn, const QDate& today)
{
    SpxfTable t;
    const QString gcSn = selectValue(QStringLiteral("select gc_sn from jxc_goods where g_sn=?"), {{QString(), gSn}});
    const double cost = selectValue(QStringLiteral("select kc_cbj from jxc_kcsp where g_sn=? order by id limit 1"),
                                    {{QString(), gSn}})
                            .toDouble();
    const QString periods[3] = {today.toString(QStringLiteral("yyyy")), today.toString(QStringLiteral("yyyy-MM")),
                                today.toString(QStringLiteral("yyyy-MM-dd"))};
    for (int p = 0; p < 3; ++p) {
        std::tie(t.v[1][p], t.v[2][p]) = netFigures(periods[p], QString(), nullptr);
        std::tie(t.v[3][p], t.v[4][p]) = netFigures(periods[p], QString(), &gcSn);
        std::tie(t.v[5][p], t.v[6][p]) = netFigures(periods[p], gSn, nullptr);
        t.v[7][p] = share(t.v[5][p], t.v[1][p]);
        t.v[8][p] = share(t.v[6][p], t.v[2][p]);
        t.v[9][p] = share(t.v[5][p], t.v[3][p]);
        t.v[10][p] = share(t.v[6][p], t.v[4][p]);
        t.v[13][p] = t.v[5][p] * cost;
        t.v[11][p] = t.v[6][p] - t.v[13][p];
        t.v[12][p] = share(t.v[11][p], t.v[6][p]);
    }
    return t;
}

void writeSpxfTable(const SpxfTable& t, const QString& aName)
{
    Transaction tx;
    clearTempSpxf();
    for (int item = 1; item <= 13; ++item)
        execSql(QStringLiteral("insert into jxc_tempspxf (ts_note,ts_dj,ts_sl,ts_zje,ts_dzl,a_name) values (?,?,?,?,?,?)"),
                {{QString(), QString::fromUtf8(kCaptions[item])},
                 {QString(), t.v[item][0]},
                 {QString(), t.v[item][1]},
                 {QString(), t.v[item][2]},
                 {QString(), item},
                 {QString(), aName}});
    tx.commit();
}

QString spxfDaySql(const QString& gSn, const QString& d1, const QString& d2)
{
    return QStringLiteral("select substr(gl_kdrq,1,10) as gl_kdrq,sum(gl_sl) as sl from jxc_goodslist where "
                          "(gl_flag='xs' or gl_flag='xt') and g_sn='%1' and gl_kdrq>='%2' and gl_kdrq<='%3 23:59:59' "
                          "group by substr(gl_kdrq,1,10) order by 1")
        .arg(sqlLit(gSn), sqlLit(d1), sqlLit(d2));
}

QString spxfMonthSql(const QString& gSn, const QString& m1, const QString& m2)
{
    return QStringLiteral("select substr(gl_kdrq,1,7) as kdrq,sum(gl_sl) as sl from jxc_goodslist where "
                          "(gl_flag='xs' or gl_flag='xt') and g_sn='%1' and gl_kdrq>='%2' and gl_kdrq<'%3~' "
                          "group by substr(gl_kdrq,1,7) order by 1")
        .arg(sqlLit(gSn), sqlLit(m1), sqlLit(m2));
}

TF_Spxstj_Fx::TF_Spxstj_Fx(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("TF_Spxstj_Fx"));
    setWindowTitle(QStringLiteral("单品分析"));
    setEscCloses(true);
    lblName = new QLabel(QStringLiteral("商品名称："), this);
    lblName->setObjectName(QStringLiteral("lblName"));
    auto* btnExit = namedButton(this, "btnExit", QStringLiteral("退出"));
    grid = new DataGrid;
    grid->setObjectName(QStringLiteral("grid"));
    grid->setQuery(DataModule->Q_Spxf);
    grid->addColumn(QStringLiteral("ts_note"), QStringLiteral("分析项目"), 220);
    grid->addColumn(QStringLiteral("ts_dj"), QStringLiteral("全年合计"), 110);
    grid->addColumn(QStringLiteral("ts_sl"), QStringLiteral("当月合计"), 110);
    grid->addColumn(QStringLiteral("ts_zje"), QStringLiteral("当日合计"), 110);

    auto* chartPage = new QWidget;
    rbDay = new QRadioButton(QStringLiteral("按日分析"), chartPage);
    rbDay->setObjectName(QStringLiteral("rbDay"));
    rbMonth = new QRadioButton(QStringLiteral("按月分析"), chartPage);
    rbMonth->setObjectName(QStringLiteral("rbMonth"));
    auto dateBox = [&](const char* name) {
        auto* d = new QDateEdit(chartPage);
        d->setObjectName(QLatin1String(name));
        d->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        d->setCalendarPopup(true);
        return d;
    };
    date1 = dateBox("date1");
    date2 = dateBox("date2");
    auto spin = [&](const char* name, int lo, int hi) {
        auto* s = new QSpinBox(chartPage);
        s->setObjectName(QLatin1String(name));
        s->setRange(lo, hi);
        return s;
    };
    year1 = spin("year1", 1900, 2100);
    month1 = spin("month1", 1, 12);
    year2 = spin("year2", 1900, 2100);
    month2 = spin("month2", 1, 12);
    auto* btnDay = namedButton(chartPage, "btnDay", QStringLiteral("查询"));
    auto* btnMonth = namedButton(chartPage, "btnMonth", QStringLiteral("查询"));
    m_dayPanel = new QWidget(chartPage);
    auto* dayRow = new QHBoxLayout(m_dayPanel);
    dayRow->addWidget(new QLabel(QStringLiteral("查询日期：")));
    dayRow->addWidget(date1);
    dayRow->addWidget(new QLabel(QStringLiteral("至")));
    dayRow->addWidget(date2);
    dayRow->addWidget(btnDay);
    m_monthPanel = new QWidget(chartPage);
    auto* monthRow = new QHBoxLayout(m_monthPanel);
    monthRow->addWidget(new QLabel(QStringLiteral("统计月份：")));
    const std::pair<QWidget*, const char*> spins[] = {{year1, "年"}, {month1, "月 至"}, {year2, "年"}, {month2, "月"}};
    for (const auto& [w, text] : spins) {
        monthRow->addWidget(w);
        monthRow->addWidget(new QLabel(QString::fromUtf8(text)));
    }
    monthRow->addWidget(btnMonth);
    chart = new QChart;
    auto* chartCol = new QVBoxLayout(chartPage);
    auto* modeRow = new QHBoxLayout;
    modeRow->addWidget(rbDay);
    modeRow->addWidget(rbMonth);
    modeRow->addWidget(m_dayPanel);
    modeRow->addWidget(m_monthPanel);
    modeRow->addStretch(1);
    chartCol->addLayout(modeRow);
    chartCol->addWidget(new QChartView(chart, chartPage), 1);

    tabs = new QTabWidget;
    tabs->setObjectName(QStringLiteral("tabs"));
    tabs->addTab(grid, QStringLiteral("表格显示"));
    tabs->addTab(chartPage, QStringLiteral("图表显示"));
    auto* main = new QVBoxLayout(this);
    main->addWidget(lblName);
    main->addWidget(tabs, 1);
    main->addLayout(buttonRow({btnExit}));
    resize(760, 480);

    onClicked(btnExit, [this] { close(); });
    onClicked(btnDay, [this] { btnDayClick(); });
    onClicked(btnMonth, [this] { btnMonthClick(); });
    onClicked(rbDay, [this] {
        m_dayPanel->show();
        m_monthPanel->hide();
        btnDayClick();
    });
    onClicked(rbMonth, [this] { rbMonthClick(); });
    connect(tabs, &QTabWidget::currentChanged, this, [this](int tab) {
        if (tab == 1)
            runGuarded([this] { enterChart(); });
    });
}

void TF_Spxstj_Fx::FormActivate()
{
    writeSpxfTable(spxfFigures(curGoodsSn, Clock::today()), operatorName);
    openQuery(DataModule->Q_Spxf, QStringLiteral("select * from jxc_tempspxf where ts_dzl>4 order by ts_dzl"));
    const QSignalBlocker block(tabs);
    tabs->setCurrentIndex(0);
}

void TF_Spxstj_Fx::FormClose()
{
    DataModule->Q_Spxf->close();
    DataModule->Q_SpxfChart->close();
    clearTempSpxf();
}

void TF_Spxstj_Fx::enterChart()
{
    const QDate today = Clock::today();
    date1->setDate(QDate(today.year(), today.month(), 1));
    date2->setDate(today);
    rbDay->setChecked(true);
    m_dayPanel->show();
    m_monthPanel->hide();
    btnDayClick();
}

void TF_Spxstj_Fx::btnDayClick()
{
    openQuery(DataModule->Q_SpxfChart, spxfDaySql(curGoodsSn, date1->date().toString(QStringLiteral("yyyy-MM-dd")),
                                                  date2->date().toString(QStringLiteral("yyyy-MM-dd"))));
    draw(QStringLiteral("按日分析"), QStringLiteral("gl_kdrq"));
}

void TF_Spxstj_Fx::rbMonthClick()
{
    m_dayPanel->hide();
    m_monthPanel->show();
    const int year = Clock::today().year();
    year1->setValue(year);
    year2->setValue(year);
    month1->setValue(1);
    month2->setValue(12);
    btnMonthClick();
}

void TF_Spxstj_Fx::btnMonthClick()
{
    auto month = [](const QSpinBox* y, const QSpinBox* m) {
        return QStringLiteral("%1-%2").arg(y->value()).arg(m->value(), 2, 10, QLatin1Char('0'));
    };
    openQuery(DataModule->Q_SpxfChart, spxfMonthSql(curGoodsSn, month(year1, month1), month(year2, month2)));
    draw(QStringLiteral("按月分析"), QStringLiteral("kdrq"));
}

void TF_Spxstj_Fx::draw(const QString& title, const QString& labelField)
{
    showLineChart(chart, ChartData::fromResult(DataModule->Q_SpxfChart->result(), labelField, QStringLiteral("sl")),
                  title);
}

void openSpxstjFx(const QString& gSn, const QString& gName)
{
    if (gSn.isEmpty() || gSn == QLatin1String("00000000"))
        return;
    curGoodsSn = gSn;
    ensureForm(F_Spxstj_Fx)->lblName->setText(QStringLiteral("商品名称：") + gName);
    F_Spxstj_Fx->showModalForm();
}
