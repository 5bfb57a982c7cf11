// The account windows' document list at 1,000 and 100,000 documents on each side (receipts,
// returns and payment rows of suppliers; sales bills, customer returns and receipt rows of
// customers), each bill with three goods-journal rows, over 2,000 partners. The measured
// partner holds the same 1,000 documents in both, all of them in April 2013, which no other
// partner's document shares: (1) its list for all time, (2) every partner's list of that
// month, (3) the goods lines of one of its documents.
#include "accounts/accountdocs.h"
#include "benchdb.h"
#include "data/datamodule.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int kPartners = 2000;
constexpr int kMeasured = 1000;

struct Fixture : PostingBenchDb {
    explicit Fixture(int docs)
    {
        Transaction tx;
        execSql("create temp table seq (i integer primary key)");
        execSql("insert into seq (i) with recursive s(i) as (select 0 union all select i+1 from s where i<?) select i from s",
                {{QString(), docs - 1}});
        execSql("insert into jxc_ghsxx (ghs_sn,ghs_name,ghs_jm,ghs_forbid) select printf('%06d',300000+i),'供货商'||i,'GHS'||i,0 "
                "from seq where i<?", {{QString(), kPartners}});
        execSql("insert into jxc_khxx (kh_sn,kh_name,kh_jm,kh_forbid) select printf('%06d',300000+i),'客户'||i,'KH'||i,0 "
                "from seq where i<?", {{QString(), kPartners}});
        // Document i: the measured partner 300000 and a day of April 2013 for the first 1,000, else
        // another partner and a day of 2010 to 2012.
        execSql("create temp table doc as select i,i%3 as k,case when i<? then '300000' else printf('%06d',300001+i%(?-1)) end as p,"
                "case when i<? then date('2013-04-01','+'||(i%30)||' days') else date('2010-01-01','+'||(i%1090)||' days') end as d "
                "from seq", {{QString(), kMeasured}, {QString(), kPartners}, {QString(), kMeasured}});
        execSql("insert into jxc_jhd (j_sn,ghs_sn,ck_sn,j_jhrq,j_yfje,j_sfje,j_yhje,u_sn,a_name,j_th) select "
                "printf('CJ%08d',i),p,'100001',d,300,100,0,'100001','张三',0 from doc where k=0");
        execSql("insert into jxc_thd (gl_djh,ghs_sn,ck_sn,th_thrq,th_yfje,th_sfje,u_sn,a_name) select "
                "printf('CT%08d',i),p,'100001',d,-100,-100,'100001','张三' from doc where k=1");
        execSql("insert into jxc_ghsfk (gf_sn,gf_fkrq,gf_fkfs,gf_fkje,gf_je,u_sn,a_name,ghs_sn) select "
                "printf('GF%08d',i),d,'现金',50,50,'100001','张三',p from doc where k=2");
        execSql("insert into jxc_lsxsd (gl_djh,kh_sn,ck_sn,ls_xsrq,ls_yfje,ls_sfje,ls_yhje,u_sn,a_name,ls_th) select "
                "printf('XS%08d',i),p,'100001',d,300,100,0,'100001','张三',0 from doc where k=0");
        execSql("insert into jxc_xsthd (gl_djh,kh_sn,ck_sn,th_xsrq,th_yfje,th_sfje,u_sn,a_name) select "
                "printf('XT%08d',i),p,'100001',d,-100,-100,'100001','张三' from doc where k=1");
        execSql("insert into jxc_khfk (kf_sn,kf_fkrq,kf_fkfs,kf_fkje,kf_je,u_sn,a_name,kh_sn) select "
                "printf('KF%08d',i),d,'现金',50,50,'100001','张三',p from doc where k=2");
        for (const char* kinds : {"'CJ' as pre,'cj' as fl", "'CT' as pre,'ct' as fl", "'XS' as pre,'xs' as fl", "'XT' as pre,'xt' as fl"})
            execSql(QStringLiteral("insert into jxc_goodslist (gl_flag,gl_djh,gl_kdrq,g_sn,g_name,gl_dj,gl_sl,gl_zje,ck_sn,tid) "
                                   "select fl,printf(pre||'%08d',i),d,'G'||j,'商品'||j,100,1,100,'100001',j from doc,"
                                   "(select 1 as j union all select 2 union all select 3),(select %1) as x "
                                   "where k=(case when pre in ('CJ','XS') then 0 else 1 end)")
                        .arg(QString::fromLatin1(kinds)));
        execSql("drop table doc");
        execSql("drop table seq");
        tx.commit();
        execSql("analyze");
    }
};

void BM_PartnerAllTime(benchmark::State& state)
{
    const auto fixture = std::make_unique<Fixture>(int(state.range(0)));
    const auto side = state.range(1) ? PartySide::Customer : PartySide::Supplier;
    // The partner's code as the key: a substring test that no other code passes.
    const QString sql = accountDocumentsSql(side, "2010-01-01", "2013-05-28", QStringLiteral("300000"));
    int rows = 0;
    for (auto _ : state)
        rows = openSelect(sql).rowCount();
    if (rows != kMeasured)
        state.SkipWithError("wrong row count");
}

void BM_AllPartnersMonth(benchmark::State& state)
{
    const auto fixture = std::make_unique<Fixture>(int(state.range(0)));
    const auto side = state.range(1) ? PartySide::Customer : PartySide::Supplier;
    const QString sql = accountDocumentsSql(side, "2013-04-01", "2013-04-30", QString());
    int rows = 0;
    for (auto _ : state)
        rows = openSelect(sql).rowCount();
    if (rows != kMeasured)
        state.SkipWithError("wrong row count");
}

void BM_DocumentLines(benchmark::State& state)
{
    const auto fixture = std::make_unique<Fixture>(int(state.range(0)));
    const auto side = state.range(1) ? PartySide::Customer : PartySide::Supplier;
    const QString sql = accountLinesSql(side, side == PartySide::Customer ? QStringLiteral("XS00000003")
                                                                          : QStringLiteral("CJ00000003"));
    int rows = 0;
    for (auto _ : state)
        rows = openSelect(sql).rowCount();
    if (rows != 3)
        state.SkipWithError("wrong row count");
}

}  // namespace

// documents per side, customers (1) or suppliers (0)
BENCHMARK(BM_PartnerAllTime)->ArgsProduct({{1000, 100000}, {0, 1}})->Iterations(20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AllPartnersMonth)->ArgsProduct({{1000, 100000}, {0, 1}})->Iterations(20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DocumentLines)->ArgsProduct({{1000, 100000}, {0, 1}})->Iterations(200)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
