// The purchase receipt window on a catalogue of 100,000 goods and a journal of 100,000 earlier
// receipts: opening it (the activation draws the number, fills its boxes and opens the supplier
// lists with the recent ones) and one barcode Enter (the lookup,
// the new line and the reopened grid with its totals).
#include "benchcatalogue.h"
#include "benchdb.h"
#include "benchwindow.h"
#include "bills/workinglines.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/schema/schema.h"
#include "purchasing/cgjh.h"

#include <memory>

namespace {

constexpr int kGoods = 100000;

struct Fixture {
    BenchDb db;
    std::unique_ptr<TF_Cgjh> window;
    QLineEdit* barcode = nullptr;

    Fixture()
    {
        createAllTables();
        operatorName = QStringLiteral("张三");
        seedBenchCatalogue(kGoods);
        Transaction tx;
        for (int i = 0; i < 200; ++i)
            appendRow("jxc_ghsxx", {{"ghs_sn", QString::number(200001 + i)},
                                    {"ghs_name", QStringLiteral("供货商%1").arg(i)},
                                    {"ghs_forbid", 0}});
        // 100,000 earlier receipts of five lines each in the goods movement journal.
        seedBenchJournal(500000, QStringLiteral("cj"), QStringLiteral("CJ"), 200001, 200);
        tx.commit();
        window = std::make_unique<TF_Cgjh>();
        window->resize(1000, 640);
        window->show();
        QCoreApplication::processEvents();  // the activation of the opening
        barcode = window->findChild<QLineEdit*>(QStringLiteral("tSptm"));
    }
};

std::unique_ptr<Fixture> shared;

Fixture& fixture()
{
    if (!shared)
        shared = std::make_unique<Fixture>();
    return *shared;
}

void BM_CgjhOpen100k(benchmark::State& state)
{
    measureReshow(state, *fixture().window);
    state.counters["recent"] = DataModule->Q_GhsxxLs->rowCount();
}
BENCHMARK(BM_CgjhOpen100k)->Unit(benchmark::kMillisecond);

void BM_CgjhBarcode100k(benchmark::State& state)
{
    Fixture& f = fixture();
    measureBarcodeEnters(state, *f.barcode, kGoods, [&] { discardLines(kReceiptLines, f.window->number()); });
}
BENCHMARK(BM_CgjhBarcode100k)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    return runWindowBenchmarks(argc, argv, [] { shared.reset(); });
}
