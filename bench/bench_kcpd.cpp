// Stock counts on a shop of 100,000 goods, each stocked in 6 size-colour variants in the default
// warehouse: the correction of a count sheet of 500 and of 5,000 lines (6 size and colour rows
// a line), reported per line; the wizard's "not counted" and difference lists and the count entry
// window's goods list with a 5,000-line sheet chosen.
#include "benchcatalogue.h"
#include "benchdb.h"
#include "data/clock.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/schema/schema.h"
#include "stock/kcpd_add.h"
#include "stock/kcpdposting.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int kGoods = 100000;
const QString kSheet = QStringLiteral("PD130528100000");

// The shop with a sheet of `lines` lines, counted one less than the stock in every variant.
struct CountShop : BenchDb {
    explicit CountShop(int lines)
    {
        Clock::setFixed(QDateTime(QDate(2013, 5, 28), QTime(10, 0, 0)));
        operatorName = QStringLiteral("张三");
        createAllTables();
        seedBenchCatalogue(kGoods);
        Transaction tx;
        execSql("create temp table seq (i integer primary key)");
        execSql("insert into seq (i) with recursive s(i) as (select 0 union all select i+1 from s where i<?) "
                "select i from s",
                {{QString(), kGoods * 6 - 1}});
        execSql("insert into jxc_tkc (g_sn,cm_sn,color_sn,ck_sn,t_sl) select printf('%d',10000000+i/6),"
                "printf('%d',100001+i%3),printf('%d',100001+i/3%2),'100001',2+i%4 from seq");
        execSql("insert into jxc_kcsp (g_sn,ck_sn,kc_sl,kc_cbj,kc_xssl) select g_sn,ck_sn,sum(t_sl),10,0 from jxc_tkc "
                "group by g_sn,ck_sn order by g_sn");
        execSql("update jxc_goods set g_kc=coalesce((select sum(kc_sl) from jxc_kcsp k where k.g_sn=jxc_goods.g_sn),0)");
        execSql("insert into jxc_kcpd (gl_djh,g_sn,pd_sl,ck_sn,pd_rq,kc_sl,pd_status,pd_note,a_name) "
                "select ?,printf('%d',10000000+i*(?/?)),0,'100001','2013-05-28',0,0,'','张三' from seq where i<?",
                {{QString(), kSheet}, {QString(), kGoods}, {QString(), lines}, {QString(), lines}});
        execSql("insert into jxc_kcpdmx (gl_djh,g_sn,cm_sn,color_sn,t_sl,t_oldsl,g_sj,a_name,tid) "
                "select p.gl_djh,t.g_sn,t.cm_sn,t.color_sn,t.t_sl-1,t.t_sl,20,'张三',p.id from jxc_kcpd p "
                "join jxc_tkc t on t.g_sn=p.g_sn and t.ck_sn=p.ck_sn");
        execSql("update jxc_kcpd set pd_sl=(select sum(t_sl) from jxc_kcpdmx m where m.tid=jxc_kcpd.id),"
                "kc_sl=(select kc_sl from jxc_kcsp s where s.g_sn=jxc_kcpd.g_sn and s.ck_sn=jxc_kcpd.ck_sn)");
        execSql("drop table seq");
        tx.commit();
    }
    ~CountShop() { Clock::reset(); }

    // The sheet open again, chosen and held by the wizard.
    static void choose()
    {
        execSql("update jxc_kcpd set pd_status=0,pd_note=''");
        fillKcpdChoice(QStringLiteral("-1"), QString());
        tickKcpdChoice(kSheet, true);
        markKcpdSheets();
    }
};

void BM_Correction(benchmark::State& state)
{
    const int lines = int(state.range(0));
    CountShop shop(lines);
    for (auto _ : state) {
        state.PauseTiming();
        CountShop::choose();
        state.ResumeTiming();
        if (correctKcpd() != lines)
            state.SkipWithError("not every line was corrected");
    }
    state.counters["per_line"] =
        benchmark::Counter(double(lines), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// 0: "未盘商品列表", 1: the difference list, 2: the count entry window's goods list.
void BM_Lists(benchmark::State& state)
{
    CountShop shop(5000);
    CountShop::choose();
    const QString sql = state.range(0) == 0   ? kcpdUncountedSql()
                        : state.range(0) == 1 ? kcpdDifferenceSql()
                                              : kcpdGoodsSql(kSheet, QStringLiteral("100001"));
    int rows = 0;
    for (auto _ : state)
        rows = openSelect(sql).rowCount();
    state.counters["rows"] = rows;
}

}  // namespace

BENCHMARK(BM_Correction)->Arg(500)->Arg(5000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Lists)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
