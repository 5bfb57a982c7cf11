// The sales bill window on a catalogue of 100,000 goods, 1,000 customers and a journal of
// 100,000 and of 1,000,000 earlier sales lines (five a bill, with their bill headers): showing it
// (the activation draws the number, fills its boxes and lists the customers with the ten recent
// ones) and one barcode Enter on the larger journal (the lookup, the new line and the reopened
// grid with its totals).
#include "benchcatalogue.h"
#include "benchdb.h"
#include "benchwindow.h"
#include "bills/workinglines.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/schema/schema.h"
#include "sales/spxs.h"

#include <memory>

namespace {

constexpr int kGoods = 100000;
constexpr int kCustomers = 1000;

struct Fixture {
    int rows;
    BenchDb db;
    std::unique_ptr<TF_Spxs> window;
    QLineEdit* barcode = nullptr;

    explicit Fixture(int journalRows)
        : rows(journalRows)
    {
        createAllTables();
        operatorName = QStringLiteral("张三");
        seedBenchCatalogue(kGoods);
        Transaction tx;
        execSql("with recursive n(i) as (select 0 union all select i+1 from n where i<?) "
                "insert into jxc_khxx (kh_sn,kh_name,kh_jm,kh_forbid,kh_lwje) "
                "select cast(200001+i as text),'客户'||i,'KH'||i,0,0 from n",
                {{QString(), kCustomers - 1}});
        seedBenchJournal(rows, QStringLiteral("xs"), QStringLiteral("XS"), 200001, kCustomers);
        execSql("insert into jxc_lsxsd (gl_djh,kh_sn,ck_sn,ls_xsrq,ls_yfje,ls_sfje,a_name) "
                "select gl_djh,min(ghs_sn),'100001',min(gl_kdrq),100,100,'张三' from jxc_goodslist group by gl_djh");
        tx.commit();
        execSql("analyze");
        window = std::make_unique<TF_Spxs>();
        window->resize(1000, 640);
        window->show();
        QCoreApplication::processEvents();  // the activation of the opening
        barcode = window->findChild<QLineEdit*>(QStringLiteral("tSptm"));
    }
};

// One database at a time: the 100,000-line journal, then the 1,000,000-line one.
std::unique_ptr<Fixture> shared;

Fixture& fixture(int rows)
{
    if (!shared || shared->rows != rows) {
        shared.reset();
        shared = std::make_unique<Fixture>(rows);
    }
    return *shared;
}

void BM_SpxsOpen(benchmark::State& state)
{
    measureReshow(state, *fixture(int(state.range(0))).window);
    state.counters["recent"] = DataModule->Q_KhxxLs->rowCount();
}
BENCHMARK(BM_SpxsOpen)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_SpxsBarcode(benchmark::State& state)
{
    Fixture& f = fixture(int(state.range(0)));
    measureBarcodeEnters(state, *f.barcode, kGoods, [&] { discardLines(kSalesLines, f.window->number()); });
}
BENCHMARK(BM_SpxsBarcode)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    return runWindowBenchmarks(argc, argv, [] { shared.reset(); });
}
