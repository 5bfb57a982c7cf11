// The financial statements and the business analysis on one year of business: 1,000,000 goods
// journal rows with the bills behind them (purchases, purchase returns, sales, customer returns,
// transfers, losses: 200,000 headers of five lines each), 20,000 supplier payments and customer
// receipts, 100,000 cash journal rows over 5 accounts, and 20,000 stock rows (10,000 goods in 2
// warehouses): the business analysis "统计(F2)" over the year for all warehouses and for one, the
// operating statement of one month with its all-time column, and the balance sheet of today.
#include "accounts/statements.h"
#include "benchcatalogue.h"
#include "benchdb.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

constexpr int kGoods = 10000;
constexpr int kRows = 1000000;

struct Fixture : PostingBenchDb {
    Fixture()
    {
        seedBenchCatalogue(kGoods);
        Transaction tx;
        seedSizesColours("insert into jxc_user (u_sn,u_name) values ('200001','王会计')", kRows);
        execSql("insert into jxc_ckxx (ck_sn,ck_name) values ('100002','二仓')");
        // Bill i/5 of kind k, line i; dated over 2012-05-29 to 2013-05-28, two warehouses.
        execSql("create temp table hist as select i,i/5 as b,date('2012-05-29','+'||(i*365/?)||' days') as rq,"
                "cast(10000000+(i*7919)%? as text) as g,case (i/5)%20 when 0 then 'ct' when 1 then 'cj' when 2 then 'cj' "
                "when 3 then 'xt' when 4 then 'db' when 5 then 'bs' else 'xs' end as k,"
                "iif((i/5)%2=0,'100001','100002') as ck from seq",
                {{QString(), kRows}, {QString(), kGoods}});
        execSql("insert into jxc_goodslist (gl_flag,gl_djh,gl_kdrq,g_sn,g_name,gl_dj,gl_sl,gl_zje,gl_lr,ck_sn,tid) "
                "select k,k||printf('%08d',b),rq,g,'鞋',20,iif(k in ('xt','ct'),-2,2),iif(k in ('xt','ct'),-40,40),"
                "iif(k='xs',10,iif(k='xt',-10,0)),ck,i from hist");
        auto lines = [](const char* table, const char* cols, const char* kind) {
            execSql(QStringLiteral("insert into %1 (%2) select k||printf('%08d',b),g,2,40 from hist where k='%3'")
                        .arg(QLatin1String(table), QLatin1String(cols), QLatin1String(kind)));
        };
        lines("jxc_jhsp", "j_sn,g_sn,jh_sl,jh_zje", "cj");
        lines("jxc_thsp", "gl_djh,g_sn,th_sl,th_zje", "ct");
        lines("jxc_lsxssp", "gl_djh,g_sn,ls_sl,ls_zje", "xs");
        lines("jxc_xsthsp", "gl_djh,g_sn,th_sl,th_zje", "xt");
        lines("jxc_bssp", "gl_djh,g_sn,bs_sl,bs_zje", "bs");
        execSql("insert into jxc_dbsp (gl_djh,g_sn,db_sl) select k||printf('%08d',b),g,2 from hist where k='db'");
        auto headers = [](const char* table, const char* cols, const char* kind, const char* sign) {
            execSql(QStringLiteral("insert into %1 (%2) select k||printf('%08d',b),ck,min(rq),%4sum(40),%4sum(30) "
                                   "from hist where k='%3' group by b")
                        .arg(QLatin1String(table), QLatin1String(cols), QLatin1String(kind), QLatin1String(sign)));
        };
        headers("jxc_jhd", "j_sn,ck_sn,j_jhrq,j_yfje,j_sfje", "cj", "");
        headers("jxc_thd", "gl_djh,ck_sn,th_thrq,th_yfje,th_sfje", "ct", "-");
        headers("jxc_lsxsd", "gl_djh,ck_sn,ls_xsrq,ls_yfje,ls_sfje", "xs", "");
        headers("jxc_xsthd", "gl_djh,ck_sn,th_xsrq,th_yfje,th_sfje", "xt", "-");
        execSql("update jxc_jhd set u_sn='200001',ghs_sn='100001'");
        execSql("update jxc_thd set u_sn='200001',ghs_sn='100001'");
        execSql("update jxc_lsxsd set u_sn='200001',kh_sn='100001'");
        execSql("update jxc_xsthd set u_sn='200001',kh_sn='100001'");
        execSql("insert into jxc_kcdbd (gl_djh,ck_out,ck_in,db_dbrq) select k||printf('%08d',b),ck,'100003',min(rq) "
                "from hist where k='db' group by b");
        execSql("insert into jxc_bsd (gl_djh,ck_sn,bs_bsrq) select k||printf('%08d',b),ck,min(rq) from hist "
                "where k='bs' group by b");
        execSql("insert into jxc_ghsfk (gf_sn,gf_fkrq,gf_fkje,ghs_sn) select 'FK'||i,date('2012-05-29','+'||(i%365)||' days'),"
                "100,'100001' from seq where i<20000");
        execSql("insert into jxc_khfk (kf_sn,kf_fkrq,kf_fkje,kh_sn) select 'SK'||i,date('2012-05-29','+'||(i%365)||' days'),"
                "100,'100001' from seq where i<20000");
        execSql("insert into jxc_xjyh (xj_rq,xj_kmmc,xj_je,xj_dlx) select date('2012-05-29','+'||(i%365)||' days'),"
                "iif(i%5=0,'现金','银行'||(i%5)),iif(i%2=0,100,-60),'现金银行收款' from seq where i<100000");
        execSql("insert into jxc_yyfy (fy_rq,fy_lx,fy_je,fy_sc,u_sn) select date('2012-05-29','+'||(i%365)||' days'),"
                "'类型'||(i%20),iif(i%3=0,50,-80),iif(i%3=0,'收入','费用'),'200001' from seq where i<20000");
        execSql("insert into jxc_kcsp (g_sn,ck_sn,kc_sl,kc_cbj) select g_sn,ck,(id%7)-1,20 from jxc_goods,"
                "(select '100001' as ck union all select '100002')");
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

const QDate kFirst(2012, 5, 29);
const QDate kToday(2013, 5, 28);

void BM_Summary(benchmark::State& state)
{
    fixture();
    const QString ck = state.range(0) ? QStringLiteral("100001") : QStringLiteral("-1");
    QMap<QString, QString> v;
    for (auto _ : state)
        v = businessSummary(kFirst, kToday, ck);
    state.SetLabel((ck + QStringLiteral(" sales ") + v.value(QStringLiteral("xsds"))).toStdString());
}

void BM_OperatingStatement(benchmark::State& state)
{
    fixture();
    int rows = 0;
    for (auto _ : state)
        rows = buildOperatingStatement(QDate(2013, 5, 1), kToday, operatorName).size();
    state.counters["rows"] = rows;
}

void BM_BalanceSheet(benchmark::State& state)
{
    fixture();
    int rows = 0;
    for (auto _ : state)
        rows = buildBalanceSheet(kToday, operatorName).size();
    state.counters["rows"] = rows;
}

}  // namespace

BENCHMARK(BM_Summary)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OperatingStatement)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BalanceSheet)->Unit(benchmark::kMillisecond);

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
