// The purchase queries on a year of purchases: 10,000 goods, 300 suppliers, 100,000 receipts and
// returns (nine receipts to one return) of ten lines each, so 1,000,000 "cj" and "ct" rows in
// the goods journal over 2013. Measured through the windows' own handlers, grid loaded, and set
// against bare sqlite3 running the same statement: the lines of one month and the totals per
// goods and per category over the year of "商品采购统计"; the bills and lines of one month and
// the goods totals over the year of "业务员采购统计"; one month of "采购进/退货查询". The year's
// totals are also set against the plain joins a SQLite user would write for them.
#include "baresqlite.h"
#include "benchcatalogue.h"
#include "benchdb.h"
#include "benchwindow.h"
#include "data/clock.h"
#include "data/globals.h"
#include "data/schema/schema.h"
#include "platform/datagrid.h"
#include "purchasing/jthcx.h"
#include "purchasing/spcgtj.h"
#include "purchasing/ywycgtj.h"

#include <QTabWidget>
#include <memory>

namespace {

constexpr int kGoods = 10000;
constexpr int kSuppliers = 300;
constexpr int kBills = 100000;
constexpr int kLinesPerBill = 10;
const QString kYearFrom = QStringLiteral("2013-01-01");
const QString kYearTo = QStringLiteral("2013-12-31");
const QString kMonthFrom = QStringLiteral("2013-06-01");
const QString kMonthTo = QStringLiteral("2013-06-30");

// Bill b: a return when b%10=9, else a receipt; dated evenly over the year; supplier b%300.
void buildShop()
{
    createAllTables();
    seedBenchCatalogue(kGoods);
    Transaction tx;
    execSql("insert into jxc_user (u_sn,u_name,u_cg) values ('200001','李采购',1),('200002','王采购',1)");
    execSql("create temp table seq (i integer primary key)");
    execSql("insert into seq (i) with recursive s(i) as (select 0 union all select i+1 from s where i<?) select i from s",
            {{QString(), kBills * kLinesPerBill - 1}});
    execSql("insert into jxc_ghsxx (ghs_sn,ghs_name,ghs_jm,ghs_forbid) select printf('%d',200001+i),'供货商'||i,'GHS'||i,0 "
            "from seq where i<?",
            {{QString(), kSuppliers}});
    execSql("create temp table bill (b integer primary key,djh,rq,ghs,u)");
    execSql("insert into bill select i,iif(i%10=9,'CT','CJ')||printf('13%010d',i),"
            "date(?,'+'||(i*365/?)||' days'),printf('%d',200001+i%?),printf('%d',200001+i%2) "
            "from seq where i<?",
            {{QString(), kYearFrom}, {QString(), kBills}, {QString(), kSuppliers}, {QString(), kBills}});
    execSql("insert into jxc_jhd (j_sn,ghs_sn,ck_sn,j_jhrq,j_yfje,j_sfje,u_sn,j_note,a_name,j_sn2,j_yhje,j_th,j_qk) "
            "select djh,ghs,'100001',rq,1000,800,u,'','张三','',0,0,0 from bill where b%10<>9 order by b");
    execSql("insert into jxc_thd (gl_djh,ghs_sn,ck_sn,th_thrq,th_yfje,th_sfje,u_sn,th_note,a_name,th_qk) "
            "select djh,ghs,'100001',rq,-100,-100,u,'','张三',0 from bill where b%10=9 order by b");
    execSql("insert into jxc_goodslist (gl_flag,gl_djh,gl_kdrq,g_sn,g_name,g_jm,dw_name,gl_dj,gl_sl,gl_zje,gl_lr,u_name,"
            "a_name,ck_sn,ck_name,ghs_sn,ghs_name,gg_name,color_name,gl_sysl,tid) "
            "select lower(substr(b.djh,1,2)),b.djh,b.rq,g.g_sn,g.g_name,g.g_jm,g.dw_name,10,iif(b.b%10=9,-1,1)*(1+s.i%3),"
            "iif(b.b%10=9,-1,1)*10*(1+s.i%3),0,iif(b.u='200001','李采购','王采购'),'张三','100001','主仓库',b.ghs,"
            "'供货商'||(b.b%?),g.gg_name,g.color_name,1+s.i%3,s.i "
            "from seq s join bill b on b.b=s.i/? join jxc_goods g on g.g_sn=printf('%d',10000000+(s.i*7919)%?) order by s.i",
            {{QString(), kSuppliers}, {QString(), kLinesPerBill}, {QString(), kGoods}});
    execSql("drop table bill");
    execSql("drop table seq");
    tx.commit();
    execSql("analyze");
}

struct Fixture {
    BenchDb db;
    std::unique_ptr<TF_Spcgtj> spcgtj;
    std::unique_ptr<TF_Ywycgtj> ywycgtj;
    std::unique_ptr<TF_Jthcx> jthcx;

    Fixture()
    {
        Clock::setFixed(QDateTime(QDate(2013, 12, 31), QTime(10, 0, 0)));
        operatorName = QStringLiteral("张三");
        buildShop();
        spcgtj = std::make_unique<TF_Spcgtj>();
        ywycgtj = std::make_unique<TF_Ywycgtj>();
        jthcx = std::make_unique<TF_Jthcx>();
        for (QWidget* w : std::initializer_list<QWidget*>{spcgtj.get(), ywycgtj.get(), jthcx.get()}) {
            w->resize(1100, 680);
            w->show();
            QCoreApplication::processEvents();
        }
    }
};

std::unique_ptr<Fixture> shared;

Fixture& fixture()
{
    if (!shared)
        shared = std::make_unique<Fixture>();
    return *shared;
}

bool overYear(int tab)
{
    return tab > 0;
}

// 商品采购统计: tab 1 (lines) over June, tabs 2 (goods) and 3 (categories) over the year.
void BM_Spcgtj(benchmark::State& state)
{
    TF_Spcgtj& w = *fixture().spcgtj;
    const int tab = int(state.range(0));
    w.tabs->setCurrentIndex(tab);
    if (overYear(tab))
        w.period.set(kYearFrom, kYearTo);
    else
        w.period.set(kMonthFrom, kMonthTo);
    for (auto _ : state) {
        w.btnStatClick();
        QCoreApplication::processEvents();
    }
    DataGrid* grids[] = {w.gridList, w.gridGoods, w.gridClass};
    state.counters["rows"] = grids[tab]->rowCount();
}
BENCHMARK(BM_Spcgtj)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void BM_SpcgtjBare(benchmark::State& state)
{
    fixture();
    const int tab = int(state.range(0));
    SpcgtjFilter f;
    f.d1 = overYear(tab) ? kYearFrom : kMonthFrom;
    f.d2 = overYear(tab) ? kYearTo : kMonthTo;
    const QByteArray sql = (tab == 0 ? spcgtjLinesSql(f) : tab == 1 ? spcgtjGoodsSql(f) : spcgtjClassSql(f)).toUtf8();
    int rows = 0;
    for (auto _ : state)
        rows = bareSelect(sql);
    state.counters["rows"] = rows;
}
BENCHMARK(BM_SpcgtjBare)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// The yardstick a plain SQLite user would write for the same totals over the year: the journal
// joined to the goods, the suppliers or the categories row by row, as the statistics once did.
// Tab 3 of 业务员采购统计 is the window's statement without naming the index.
const char* const kPlainGoodsSql =
    "select a.g_sn,max(a.g_name) as gname,max(a.dw_name) as dwname,max(a.gg_name) as ggname,max(a.color_name) as "
    "colorname,max(a.ghs_name) as ghsname, sum(a.gl_sl) as sl,sum(a.gl_zje) as zje from jxc_goodslist a,jxc_goods b,"
    "jxc_ghsxx c where a.g_sn=b.g_sn and a.ghs_sn=c.ghs_sn and (a.gl_flag='cj' or a.gl_flag='ct') and "
    "a.gl_kdrq>='2013-01-01' and a.gl_kdrq<='2013-12-31' and b.gc_sn like '%' group by a.g_sn order by a.g_sn";
const char* const kPlainClassSql =
    "select max(c.gc_name) as gcname,sum(a.gl_sl) as sl,sum(a.gl_zje) as zje from jxc_goodslist a,jxc_goods b,"
    "jxc_goodsclass c where a.g_sn=b.g_sn and b.gc_sn=c.gc_sn and (a.gl_flag='cj' or a.gl_flag='ct') and "
    "a.gl_kdrq>='2013-01-01' and a.gl_kdrq<='2013-12-31' and b.gc_sn like '%' group by b.gc_sn order by b.gc_sn";
const char* const kPlainSalesmanGoodsSql =
    "select g_sn,max(g_name) as gname,max(dw_name) as dwname,max(gg_name) as ggname,max(color_name) as colorname,"
    "max(ghs_name) as ghsname, sum(gl_sl) as sl,sum(gl_zje) as zje from jxc_goodslist where (gl_flag='cj' or "
    "gl_flag='ct') and gl_djh<>'' and gl_kdrq>='2013-01-01' and gl_kdrq<='2013-12-31' group by g_sn order by g_sn";

// Arg 1 and 2: tabs 2 and 3 of 商品采购统计; arg 3: tab 3 of 业务员采购统计.
void BM_PlainBare(benchmark::State& state)
{
    fixture();
    const int which = int(state.range(0));
    const QByteArray sql(which == 1 ? kPlainGoodsSql : which == 2 ? kPlainClassSql : kPlainSalesmanGoodsSql);
    int rows = 0;
    for (auto _ : state)
        rows = bareSelect(sql);
    state.counters["rows"] = rows;
}
BENCHMARK(BM_PlainBare)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond);

// 业务员采购统计: tabs 1 (bills) and 2 (lines) over June, tab 3 (goods) over the year.
void BM_Ywycgtj(benchmark::State& state)
{
    TF_Ywycgtj& w = *fixture().ywycgtj;
    const int tab = int(state.range(0));
    w.tabs->setCurrentIndex(tab);
    if (tab == 2)
        w.period.set(kYearFrom, kYearTo);
    else
        w.period.set(kMonthFrom, kMonthTo);
    for (auto _ : state) {
        w.btnStatClick();
        QCoreApplication::processEvents();
    }
    DataGrid* grids[] = {w.gridBills, w.gridLines, w.gridGoods};
    state.counters["rows"] = grids[tab]->rowCount();
}
BENCHMARK(BM_Ywycgtj)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void BM_YwycgtjBare(benchmark::State& state)
{
    fixture();
    const int tab = int(state.range(0));
    YwycgtjFilter f;
    f.d1 = tab == 2 ? kYearFrom : kMonthFrom;
    f.d2 = tab == 2 ? kYearTo : kMonthTo;
    const QByteArray sql = (tab == 0 ? ywycgtjBillsSql(f) : tab == 1 ? ywycgtjLinesSql(f) : ywycgtjGoodsSql(f)).toUtf8();
    int rows = 0;
    for (auto _ : state)
        rows = bareSelect(sql);
    state.counters["rows"] = rows;
}
BENCHMARK(BM_YwycgtjBare)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// 采购进/退货查询 over June: the documents and the journal rows of the first one.
void BM_JthcxMonth(benchmark::State& state)
{
    TF_Jthcx& w = *fixture().jthcx;
    w.period.set(kMonthFrom, kMonthTo);
    for (auto _ : state) {
        w.btnQueryClick();
        QCoreApplication::processEvents();
    }
    state.counters["rows"] = w.gridJhd->rowCount();
}
BENCHMARK(BM_JthcxMonth)->Unit(benchmark::kMillisecond);

void BM_JthcxMonthBare(benchmark::State& state)
{
    fixture();
    const QByteArray sql = jthcxDocumentsSql({QString(), kMonthFrom, kMonthTo, {}}).toUtf8();
    int rows = 0;
    for (auto _ : state)
        rows = bareSelect(sql);
    state.counters["rows"] = rows;
}
BENCHMARK(BM_JthcxMonthBare)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    return runWindowBenchmarks(argc, argv, [] { shared.reset(); });
}
