// The data grid on 10,000 loaded rows: binding a re-opened query (rows, footers, focus), one
// keystroke of the search box, drawing the first screen, and collecting the cells of an
// export.
#include "benchdb.h"
#include "data/datamodule.h"
#include "platform/datagrid.h"

#include <QApplication>
#include <QTableView>
#include <benchmark/benchmark.h>

namespace {

constexpr int kRows = 10000;

struct Fixture {
    BenchDb db;
    NamedQuery query{"Q_Goods", "select * from g order by id"};
    DataGrid grid;

    Fixture()
    {
        execSql("create table g (id integer primary key autoincrement, g_sn varchar(32) collate nocase,"
                " g_name varchar(64) collate nocase, g_jm varchar(32) collate nocase, g_kc money real,"
                " g_jj money real, g_jy bit not null default 0)");
        Transaction tx;
        for (int i = 0; i < kRows; ++i)
            appendRow("g", {{"g_sn", QString::number(10000000 + i)},
                            {"g_name", QStringLiteral("男式休闲皮鞋%1").arg(i)},
                            {"g_jm", QStringLiteral("NSXXPX%1").arg(i)},
                            {"g_kc", i % 50},
                            {"g_jj", (i % 1000) * 0.25},
                            {"g_jy", i % 7 == 0}});
        tx.commit();
        grid.setQuery(&query);
        grid.setLineNumbers(true);
        grid.addColumn("g_sn", "商品编号").footerText("商品合计:");
        grid.addColumn("g_name", "商品名称").footerCount();
        grid.addColumn("g_jm", "名称简码");
        grid.addColumn("g_kc", "当前库存").footerSum().footerRed();
        grid.addColumn("g_jj", "预设进价").setFormat("￥,0.00;￥-,0.00").footerSum();
        grid.addColumn("g_jy", "禁用").setCheck();
        grid.resize(1000, 700);
        grid.show();
        query.open();
    }
};

Fixture& fixture()
{
    static Fixture f;
    return f;
}

void BM_GridReopen10k(benchmark::State& state)
{
    Fixture& f = fixture();
    f.grid.clearFilter();
    for (auto _ : state)
        f.query.open();
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_GridReopen10k)->Unit(benchmark::kMillisecond);

void BM_GridSearchKeystroke10k(benchmark::State& state)
{
    Fixture& f = fixture();
    const QStringList fields{"g_jm", "g_name", "g_sn"};
    int i = 0;
    for (auto _ : state)
        f.grid.setSearch(QStringLiteral("皮鞋99%1").arg(i++ % 10), fields);
    f.grid.clearFilter();
}
BENCHMARK(BM_GridSearchKeystroke10k)->Unit(benchmark::kMillisecond);

void BM_GridPaintScreen10k(benchmark::State& state)
{
    Fixture& f = fixture();
    for (auto _ : state)
        benchmark::DoNotOptimize(f.grid.grab());
}
BENCHMARK(BM_GridPaintScreen10k)->Unit(benchmark::kMillisecond);

void BM_GridExportCells10k(benchmark::State& state)
{
    Fixture& f = fixture();
    for (auto _ : state)
        benchmark::DoNotOptimize(f.grid.exportCells());
}
BENCHMARK(BM_GridExportCells10k)->Unit(benchmark::kMillisecond);

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
