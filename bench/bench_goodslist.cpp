// The goods list on a catalogue of 100,000 goods in 110 categories: opening the window (the
// category tree and the goods grid of its activation) and one keystroke of its search box.
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
        Transaction tx;
        QStringList leaves;
        int cid = 2;
        for (int top = 0; top < 10; ++top) {
            const QString topSn = QString::number(1000 + top);
            appendRow("jxc_goodsclass", {{"gc_cid", cid++}, {"gc_pid", 1}, {"gc_sn", topSn},
                                         {"gc_name", QStringLiteral("鞋类%1").arg(top)}, {"gc_jm", QStringLiteral("XL%1").arg(top)}});
            const int parent = cid - 1;
            for (int sub = 0; sub < 10; ++sub) {
                leaves << topSn + QString::number(100 + sub);
                appendRow("jxc_goodsclass", {{"gc_cid", cid++}, {"gc_pid", parent}, {"gc_sn", leaves.last()},
                                             {"gc_name", QStringLiteral("小类%1%2").arg(top).arg(sub)}});
            }
        }
        for (int i = 0; i < kGoods; ++i)
            appendRow("jxc_goods", {{"g_sn", QString::number(10000000 + i)},
                                    {"g_name", QStringLiteral("男式休闲皮鞋%1").arg(i)},
                                    {"g_jm", QStringLiteral("NSXXPX%1").arg(i)},
                                    {"gc_sn", leaves.at(i % leaves.size())},
                                    {"dw_name", QStringLiteral("双")},
                                    {"gg_name", QStringLiteral("款%1").arg(i % 300)},
                                    {"color_name", QStringLiteral("不关心颜色")},
                                    {"cmz_name", QStringLiteral("不关心尺码")},
                                    {"g_kc", i % 50},
                                    {"g_jj", (i % 1000) * 0.25},
                                    {"g_sj", (i % 1000) * 0.5},
                                    {"g_sccs", QStringLiteral("默认品牌")},
                                    {"g_sptm", QString::number(6900000000000LL + i)},
                                    {"g_jy", i % 20 == 0}});
        tx.commit();
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
