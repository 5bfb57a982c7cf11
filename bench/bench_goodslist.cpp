// The goods list on a catalogue of 100,000 goods in 110 categories: opening the window (the
// category tree and the goods grid of its activation) and one keystroke of its search box.
#include "benchcatalogue.h"
#include "benchdb.h"
#include "data/datamodule.h"
#include "data/schema/schema.h"
#include "masterdata/spxxgl.h"
#include "platform/datagrid.h"

#include <QApplication>
#include <QLineEdit>
#include <benchmark/benchmark.h>

namespace {

constexpr int kGoods = 100000;

struct Fixture {
    BenchDb db;
    std::unique_ptr<TF_Spxxgl> window;

    Fixture()
    {
        createAllTables();
        seedBenchCatalogue(kGoods);
        window = std::make_unique<TF_Spxxgl>();
        window->resize(1000, 640);
        window->show();
        QCoreApplication::processEvents();  // the activation of the opening
    }
};

Fixture& fixture()
{
    static Fixture f;
    return f;
}

void BM_GoodsListOpen100k(benchmark::State& state)
{
    Fixture& f = fixture();
    for (auto _ : state) {
        // Closed as the user leaves it (its queries closed), then opened: the activation
        // loads the tree and the grid, and the first screen is drawn.
        state.PauseTiming();
        f.window->close();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        f.window->show();
        QCoreApplication::processEvents();
    }
    state.counters["rows"] = f.window->cxGrid1->rowCount();
}
BENCHMARK(BM_GoodsListOpen100k)->Unit(benchmark::kMillisecond);

void BM_GoodsListKeystroke100k(benchmark::State& state)
{
    Fixture& f = fixture();
    int i = 0;
    for (auto _ : state) {
        // One more character typed after "皮鞋99": the grid filters the loaded rows.
        f.window->tKey->setText(QStringLiteral("皮鞋99%1").arg(i++ % 10));
        QCoreApplication::processEvents();
    }
    state.counters["rows"] = f.window->cxGrid1->rowCount();
    f.window->tKey->clear();
}
BENCHMARK(BM_GoodsListKeystroke100k)->Unit(benchmark::kMillisecond);

}  // namespace

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
