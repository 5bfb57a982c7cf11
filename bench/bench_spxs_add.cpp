// The sales goods picker on a catalogue of 100,000 goods, all stocked in the bill's warehouse:
// opening it (its activation lists the warehouse's goods by sales frequency, the categories and
// the picked list, and the first screen is drawn).
#include "benchcatalogue.h"
#include "benchdb.h"
#include "benchwindow.h"
#include "bills/goodspicker.h"
#include "data/globals.h"
#include "data/schema/schema.h"
#include "platform/datagrid.h"
#include "sales/spxs_add.h"

#include <memory>

namespace {

struct Fixture {
    BenchDb db;
    std::unique_ptr<TF_Spxs_Add> window;

    Fixture()
    {
        createAllTables();
        seedBenchCatalogue(100000);
        execSql("insert into jxc_kcsp (g_sn,ck_sn,kc_sl,kc_cbj,kc_xssl) "
                "select g_sn,'100001',g_kc,g_jj,0 from jxc_goods where g_sn<>'00000000'");
        execSql("analyze");
        operatorName = QStringLiteral("张三");
        paramValue = QStringLiteral("spxs");
        goodsPickerTarget = {.number = QStringLiteral("XS131211010001"), .warehouse = QStringLiteral("100001")};
        window = std::make_unique<TF_Spxs_Add>();
    }
};

std::unique_ptr<Fixture> shared;

void BM_SpxsAddOpen100k(benchmark::State& state)
{
    if (!shared)
        shared = std::make_unique<Fixture>();
    Fixture& f = *shared;
    int rows = 0;
    measureOpen(state, *f.window, [&] { rows = f.window->DBGridGoods->rowCount(); });
    state.counters["rows"] = rows;
}
BENCHMARK(BM_SpxsAddOpen100k)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    return runWindowBenchmarks(argc, argv, [] { shared.reset(); });
}
