// The sales statistics, the rankings and the sales and returns query on a goods journal of
// 1,000,000 rows over ten years (20,000 goods in 110 categories, 1,000 customers, 100
// suppliers): every list for this month, for one year and for all time, each read into its named
// query and grid; the all-time statements also on bare sqlite3 as the yardstick.
#include "baresqlite.h"
#include "benchcatalogue.h"
#include "benchdb.h"
#include "data/namedquery.h"
#include "platform/datagrid.h"
#include "sales/spxsph.h"
#include "sales/spxstj.h"
#include "sales/xsjth.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <functional>

namespace {

constexpr int kGoods = 20000;
constexpr int kRows = 1000000;

struct Fixture : PostingBenchDb {
    Fixture()
    {
        seedBenchCatalogue(kGoods);
        Transaction tx;
        seedSizesColours("insert into jxc_user (u_sn,u_name) values ('200001','王销售')", kRows);
        execSql("insert into jxc_khxx (kh_sn,kh_name,kh_jm,kh_forbid,z_name,kt_name) select printf('3%05d',i),'客户'||i,"
                "'KH'||i,0,'地区'||(i%10),'类型'||(i%5) from seq where i<1000");
        execSql("insert into jxc_ghsxx (ghs_sn,ghs_name,ghs_jm,ghs_forbid,z_name,gt_name) select printf('4%05d',i),"
                "'供货商'||i,'GHS'||i,0,'地区'||(i%10),'类型'||(i%5) from seq where i<100");
        execSql("update jxc_goods set ghs_sn=printf('4%05d',cast(g_sn as integer)%100)");
        // One row in ten a purchase (one in a hundred a purchase return), one in twenty a customer
        // return, the rest sales; bills of five lines, dated over 2004-01-01 to 2013-05-28.
        execSql("create temp table hist as select i,date('2004-01-01','+'||(i*3436/?)||' days') as rq,"
                "cast(10000000+(i*7919)%? as text) as g,case when i%100=0 then 'ct' when i%10=0 then 'cj' when i%20=5 "
                "then 'xt' else 'xs' end as k,printf('3%05d',(i/5)%1000) as kh from seq",
                {{QString(), kRows}, {QString(), kGoods}});
        execSql("insert into jxc_goodslist (gl_flag,gl_djh,gl_kdrq,g_sn,g_name,g_jm,dw_name,gl_dj,gl_sl,gl_zje,gl_lr,u_name,"
                "a_name,ck_sn,ck_name,ghs_sn,ghs_name,gg_name,tid) select h.k,upper(h.k)||printf('%08d',h.i/5),h.rq,h.g,"
                "g.g_name,g.g_jm,'双',20,iif(h.k in ('xt','ct'),-2,2),iif(h.k in ('xt','ct'),-40,40),"
                "iif(h.k in ('xs','xt'),iif(h.k='xt',-10,10),0),'王销售','张三','100001','主仓库',"
                "iif(h.k in ('xs','xt'),h.kh,g.ghs_sn),iif(h.k in ('xs','xt'),'客户','供货商'),g.gg_name,h.i "
                "from hist h join jxc_goods g on g.g_sn=h.g order by h.i");
        for (const char* kind : {"xs", "xt"}) {
            const QString p = kind == QLatin1String("xs") ? QStringLiteral("ls") : QStringLiteral("th");
            const QString head = kind == QLatin1String("xs") ? QStringLiteral("jxc_lsxsd") : QStringLiteral("jxc_xsthd");
            execSql(QStringLiteral("insert into %1 (gl_djh,kh_sn,ck_sn,%2_xsrq,%2_yfje,%2_sfje,u_sn,a_name,%2_note) "
                                   "select gl_djh,max(ghs_sn),'100001',max(gl_kdrq),sum(gl_zje),sum(gl_zje),'200001',"
                                   "'张三','' from jxc_goodslist where gl_flag='%3' group by gl_djh")
                        .arg(head, p, QLatin1String(kind)));
        }
        execSql("drop table hist");
        execSql("drop table seq");
        tx.commit();
        execSql("analyze");
    }
};

Fixture& fixture()
{
    static Fixture f;
    return f;
}

enum Span { ThisMonth, OneYear, AllTime };

std::pair<QString, QString> period(Span span)
{
    switch (span) {
    case ThisMonth:
        return {QStringLiteral("2013-05-01"), QStringLiteral("2013-05-28")};
    case OneYear:
        return {QStringLiteral("2012-05-29"), QStringLiteral("2013-05-28")};
    default:
        return {QStringLiteral("2010-01-01"), QStringLiteral("2013-05-28")};
    }
}

// The lists as their windows build them, for a span.
const std::pair<const char*, std::function<QString(Span)>> kLists[] = {
    {"lines", [](Span s) { return spxstjLinesSql({.d1 = period(s).first, .d2 = period(s).second}); }},
    {"goods", [](Span s) { return spxstjGoodsSql({.d1 = period(s).first, .d2 = period(s).second}); }},
    {"class", [](Span s) { return spxstjClassSql({.d1 = period(s).first, .d2 = period(s).second}); }},
    {"suppliers", [](Span s) { return spxstjSuppliersSql({.d1 = period(s).first, .d2 = period(s).second}); }},
    {"customers", [](Span s) { return spxstjCustomersSql({.d1 = period(s).first, .d2 = period(s).second}); }},
    {"rank", [](Span s) { return xsphGoodsSql({.d1 = period(s).first, .d2 = period(s).second, .ckSn = "-1"}); }},
    {"rankClass", [](Span s) { return xsphClassSql({.d1 = period(s).first, .d2 = period(s).second, .ckSn = "-1"}); }},
    {"rankCustomer", [](Span s) { return xsphCustomerSql({.d1 = period(s).first, .d2 = period(s).second}); }},
    {"slow", [](Span s) { return xsphSlowSql({.d1 = period(s).first, .d2 = period(s).second, .ckSn = "-1"}); }},
    {"salesReturns", [](Span s) { return xsjthBillsSql({.d1 = period(s).first, .d2 = period(s).second}); }},
};

void BM_List(benchmark::State& state)
{
    fixture();
    const auto& [name, build] = kLists[state.range(0)];
    const QString sql = build(Span(state.range(1)));
    NamedQuery query(QStringLiteral("Q_Bench"), QStringLiteral("select 1"));
    DataGrid grid;
    grid.setQuery(&query);
    grid.addColumn(QStringLiteral("g_sn"));
    grid.resize(1000, 600);
    grid.show();
    for (auto _ : state) {
        openQuery(&query, sql);
        QCoreApplication::processEvents();
    }
    state.SetLabel(name);
    state.counters["rows"] = query.rowCount();
}

void BM_Bare(benchmark::State& state)
{
    fixture();
    const auto& [name, build] = kLists[state.range(0)];
    const QByteArray sql = build(AllTime).toUtf8();
    int rows = 0;
    for (auto _ : state)
        rows = bareSelect(sql);
    state.SetLabel(name);
    state.counters["rows"] = rows;
}

void lists(benchmark::internal::Benchmark* b)
{
    for (int i = 0; i < int(std::size(kLists)); ++i)
        for (int span : {ThisMonth, OneYear, AllTime})
            b->Args({i, span});
}

void allTime(benchmark::internal::Benchmark* b)
{
    for (int i = 0; i < int(std::size(kLists)); ++i)
        b->Args({i});
}

}  // namespace

BENCHMARK(BM_List)->Apply(lists)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Bare)->Apply(allTime)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
