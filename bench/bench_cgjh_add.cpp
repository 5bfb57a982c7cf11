// The purchase goods picker on a catalogue of 100,000 goods: opening it (its activation loads
// the goods list, the categories and the picked list, and the first screen is drawn).
#include "benchcatalogue.h"
#include "benchdb.h"
#include "benchwindow.h"
#include "data/globals.h"
#include "data/schema/schema.h"
#include "platform/datagrid.h"
#include "purchasing/cgjh_add.h"

#include <memory>

namespace {

struct Fixture {
    BenchDb db;
    std::unique_ptr<TF_Cgjh_Add> window;

    Fixture()
    {
        createAllTables();
        seedBenchCatalogue(100000);
        operatorName = QStringLiteral("张三");
        window = std::make_unique<TF_Cgjh_Add>();
    }
};

std::unique_ptr<Fixture> shared;

Fixture& fixture()
{
    if (!shared)
        shared = std::make_unique<Fixture>();
    return *shared;
}

void BM_CgjhAddOpen100k(benchmark::State& state)
{
    Fixture& f = fixture();
    int rows = 0;
    measureOpen(state, *f.window, [&] { rows = f.window->DBGridGoods->rowCount(); });
    state.counters["rows"] = rows;
}
BENCHMARK(BM_CgjhAddOpen100k)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    return runWindowBenchmarks(argc, argv, [] { shared.reset(); });
}
