// The party ledger and the cash journal at 10,000 and 100,000 rows each over 1,000 partners, the
// measured customer holding 1,000 rows in both: a back-dated receivable for it, the detailed and
// summary statements of one month for it and for every customer, and one account's journal of
// one month.
#include "accounts/ledgerentries.h"
#include "accounts/moneyentries.h"
#include "benchdb.h"
#include "data/clock.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/schema/schema.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int kPartners = 1000;
constexpr int kMeasuredRows = 1000;
const QString kMeasured = QStringLiteral("300000");

struct Fixture {
    BenchDb db;

    explicit Fixture(int rows)
    {
        Clock::setFixed(QDateTime(QDate(2013, 5, 28), QTime(10, 0, 0)));
        operatorName = QStringLiteral("张三");
        createAllTables();
        Transaction tx;
        execSql("create temp table seq (i integer primary key)");
        execSql("insert into seq (i) with recursive s(i) as (select 0 union all select i+1 from s where i<?) select i from s",
                {{QString(), rows - 1}});
        execSql("insert into jxc_khxx (kh_sn,kh_name,kh_jm,kh_forbid,kh_lwje) select printf('%06d',300000+i),'客户'||i,'KH'||i,0,0 "
                "from seq where i<?",
                {{QString(), kPartners}});
        // The measured customer (300000) holds the first 1,000 rows, the others share the rest; dates
        // spread over the year before the measured month.
        execSql("insert into jxc_ysyfk (k_ghskh,k_type,k_rq,gl_djh,k_djlx,k_djtxt,k_fkfs,k_yfje,k_sfje,k_qcje,k_yhje,k_ljje,"
                "k_flag,u_sn) select case when i<? then '300000' else printf('%06d',300001+i%(?-1)) end,'kh',"
                "date('2012-06-01','+'||(i*7%365)||' days'),printf('XS%06d',i),'XS','商品销售单','现金',100,60,0,0,0,1,'100001' "
                "from seq order by i",
                {{QString(), kMeasuredRows}, {QString(), kPartners}});
        execSql("create temp table running (id integer primary key, b)");
        execSql("insert into running select id,40*row_number() over (partition by k_ghskh order by k_rq,id) from jxc_ysyfk");
        execSql("update jxc_ysyfk set k_ljje=(select b from running r where r.id=jxc_ysyfk.id)");
        execSql("insert into jxc_xjyh (xj_rq,gl_djh,xj_dlx,xj_je,ghs_sn,xj_kmmc) select "
                "date('2012-06-01','+'||(i*7%365)||' days'),printf('XS%06d',i),'商品销售',60,'300000',"
                "case when i<? then '工行帐号' else '现金' end from seq order by i",
                {{QString(), kMeasuredRows}});
        execSql("drop table running");
        execSql("drop table seq");
        tx.commit();
        execSql("analyze");
    }
    ~Fixture() { Clock::reset(); }
};

void BM_BackDatedEntry(benchmark::State& state)
{
    const auto fixture = std::make_unique<Fixture>(int(state.range(0)));
    for (auto _ : state)
        addRegisterEntry({.side = PartySide::Customer, .partner = kMeasured, .date = QStringLiteral("2012-06-02"),
                          .amount = Money::fromUnits(10000), .handlerSn = QStringLiteral("100001"), .note = QString(),
                          .op = operatorName});
}

void BM_Statement(benchmark::State& state)
{
    const auto fixture = std::make_unique<Fixture>(int(state.range(0)));
    const bool one = state.range(1) != 0;
    const bool summary = state.range(2) != 0;
    const std::optional<QString> who = one ? std::optional<QString>(kMeasured) : std::nullopt;
    for (auto _ : state) {
        const QString sql = summary ? statementSummarySql(PartySide::Customer, "2013-04-01", "2013-04-30", who)
                                    : statementDetailSql(PartySide::Customer, "2013-04-01", "2013-04-30", who);
        benchmark::DoNotOptimize(openSelect(sql).rowCount());
    }
}

void BM_AccountJournal(benchmark::State& state)
{
    const auto fixture = std::make_unique<Fixture>(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(openSelect(accountJournalSql(QStringLiteral("工行帐号"), QStringLiteral("2013-04-01"),
                                                              QStringLiteral("2013-04-30")))
                                     .rowCount());
}

}  // namespace

BENCHMARK(BM_BackDatedEntry)->Arg(10000)->Arg(100000)->Iterations(20)->Unit(benchmark::kMillisecond);
// rows, one customer (1) or all (0), summary (1) or detail (0)
BENCHMARK(BM_Statement)
    ->Args({10000, 1, 0})
    ->Args({100000, 1, 0})
    ->Args({10000, 1, 1})
    ->Args({100000, 1, 1})
    ->Args({10000, 0, 0})
    ->Args({100000, 0, 0})
    ->Args({10000, 0, 1})
    ->Args({100000, 0, 1})
    ->Iterations(10)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AccountJournal)->Arg(10000)->Arg(100000)->Iterations(20)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
