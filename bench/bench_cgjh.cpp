// The purchase receipt window on a catalogue of 100,000 goods and a journal of 100,000 earlier
// receipts: opening it (the activation draws the number, fills its boxes and opens the supplier
// lists with the recent ones) and one barcode Enter (the lookup,
// the new line and the reopened grid with its totals).
#include "benchdb.h"
#include "bills/workinglines.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/schema/schema.h"
#include "purchasing/cgjh.h"

#include <QApplication>
#include <QLineEdit>
#include <QKeyEvent>
#include <benchmark/benchmark.h>

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
        Transaction tx;
        for (int i = 0; i < kGoods; ++i)
            appendRow("jxc_goods", {{"g_sn", QString::number(10000000 + i)},
                                    {"g_name", QStringLiteral("男式休闲皮鞋%1").arg(i)},
                                    {"gc_sn", QStringLiteral("1000")},
                                    {"dw_name", QStringLiteral("双")},
                                    {"gg_name", QStringLiteral("款%1").arg(i % 300)},
                                    {"g_jj", (i % 1000) * 0.25},
                                    {"g_pjjj", (i % 1000) * 0.25},
                                    {"g_sptm", QString::number(6900000000000LL + i)},
                                    {"g_jy", 0}});
        for (int i = 0; i < 200; ++i)
            appendRow("jxc_ghsxx", {{"ghs_sn", QString::number(200001 + i)},
                                    {"ghs_name", QStringLiteral("供货商%1").arg(i)},
                                    {"ghs_forbid", 0}});
        // 100,000 earlier receipts of five lines each in the goods movement journal.
        execSql(QStringLiteral("with recursive n(i) as (select 0 union all select i+1 from n where i<499999) "
                               "insert into jxc_goodslist (gl_flag,gl_djh,gl_kdrq,ghs_sn,g_sn,gl_sl) "
                               "select 'cj','CJ13'||printf('%04d%06d',i/5000,(i/5)%1000+10001),'2013-05-28',"
                               "cast(200001+(i/5)%200 as text),cast(10000000+i%100000 as text),1 from n"));
        tx.commit();
        window = std::make_unique<TF_Cgjh>();
        window->resize(1000, 640);
        window->show();
        QCoreApplication::processEvents();  // the activation of the opening
        barcode = window->findChild<QLineEdit*>(QStringLiteral("tSptm"));
    }
};

Fixture& fixture()
{
    static Fixture f;
    return f;
}

void BM_CgjhOpen100k(benchmark::State& state)
{
    Fixture& f = fixture();
    for (auto _ : state) {
        state.PauseTiming();
        f.window->hide();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        f.window->show();
        QCoreApplication::processEvents();
    }
    state.counters["recent"] = DataModule->Q_GhsxxLs->rowCount();
}
BENCHMARK(BM_CgjhOpen100k)->Unit(benchmark::kMillisecond);

void BM_CgjhBarcode100k(benchmark::State& state)
{
    Fixture& f = fixture();
    int i = 0;
    for (auto _ : state) {
        f.barcode->setText(QString::number(6900000000000LL + (i++ * 7919) % kGoods));
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(f.barcode, &enter);
        QCoreApplication::processEvents();
        if (i % 20 == 0) {  // a bill of at most 20 lines
            state.PauseTiming();
            discardLines(kReceiptLines, f.window->number());
            state.ResumeTiming();
        }
    }
}
BENCHMARK(BM_CgjhBarcode100k)->Unit(benchmark::kMillisecond);

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
