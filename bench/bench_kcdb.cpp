// Posting a stock transfer of 50 lines × 6 size and colour rows on a database that already
// holds 1,000 and 100,000 earlier transfers (headers, lines and size and colour rows).
#include "benchdb.h"
#include "bills/workinglines.h"
#include "data/clock.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/numbering.h"
#include "stock/kcdbposting.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int kGoods = 50;

struct Fixture : PostingBenchDb {
    explicit Fixture(int transfers)
    {
        Transaction tx;
        seedSizesColours("insert into jxc_user (u_sn,u_name,u_kc) values ('200001','王库管',1)", qMax(transfers, kGoods));
        execSql("insert into jxc_ckxx (ck_sn,ck_name) values ('200001','二号仓')");
        execSql("insert into jxc_goods (g_sn,g_name,g_jm,g_jj,g_kc,g_pjjj,dw_name,cmz_sn,colorz_sn) "
                "select printf('2000%04d',i),'凉鞋'||i,'LX'||i,8,2000,9,'双','200001','200001' from seq where i<?",
                {{QString(), kGoods}});
        for (const char* ck : {"100001", "200001"}) {
            execSql(QStringLiteral("insert into jxc_kcsp (g_sn,ck_sn,kc_sl,kc_cbj,kc_xssl) select g_sn,'%1',1000,9,0 "
                                   "from jxc_goods where g_sn<>'00000000'").arg(QLatin1String(ck)));
            execSql(QStringLiteral("insert into jxc_tkc (g_sn,cm_sn,color_sn,ck_sn,t_sl) select g.g_sn,c.cm_sn,k.color_sn,"
                                   "'%1',100 from jxc_goods g join jxc_cmz2 c on c.cmz_sn=g.cmz_sn "
                                   "join jxc_colorz2 k on k.colorz_sn=g.colorz_sn").arg(QLatin1String(ck)));
        }
        // Earlier transfers, one line of six rows each, both ways, over the 120 days before May.
        execSql("create temp table hist as select i,date('2013-01-01','+'||(i%120)||' days') as rq,"
                "printf('2000%04d',i%50) as g from seq where i<?",
                {{QString(), transfers}});
        execSql("alter table hist add sn text");
        execSql("update hist set sn=printf('DB%s%06d',substr(strftime('%Y%m%d',rq),3),10001+i/120)");
        execSql("insert into jxc_kcdbd (gl_djh,ck_out,ck_in,db_dbrq,u_sn,db_note,a_name) "
                "select sn,iif(i%2,'100001','200001'),iif(i%2,'200001','100001'),rq,'200001','','张三' from hist order by i");
        execSql("insert into jxc_dbsp (gl_djh,g_sn,db_sl,a_name) select sn,g,6,'张三' from hist order by i");
        execSql("update jxc_dbsp set tid=id");
        execSql("insert into jxc_dbspmx (gl_djh,g_sn,cm_sn,color_sn,t_sl,a_name,tid) "
                "select l.gl_djh,l.g_sn,c.cm_sn,k.color_sn,1,l.a_name,l.id from jxc_dbsp l "
                "join jxc_cmz2 c on c.cmz_sn='200001' join jxc_colorz2 k on k.colorz_sn='200001' order by l.id");
        execSql("drop table hist");
        execSql("drop table seq");
        tx.commit();
        execSql("analyze");
    }
};

void BM_PostTransfer(benchmark::State& state)
{
    const auto fixture = std::make_unique<Fixture>(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        KcdbPosting bill{.djh = getMaxDjh(QStringLiteral("jxc_kcdbd"), QStringLiteral("gl_djh"), QStringLiteral("DB")),
                         .ckOut = QStringLiteral("100001"),
                         .ckIn = QStringLiteral("200001"),
                         .date = todayText(),
                         .uSn = QStringLiteral("200001"),
                         .note = {},
                         .op = operatorName};
        enterBenchLines(kTransferLines, bill.djh, kGoods, Money());
        state.ResumeTiming();
        postKcdb(bill);
    }
}

}  // namespace

BENCHMARK(BM_PostTransfer)->Arg(1000)->Arg(100000)->Iterations(40)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
