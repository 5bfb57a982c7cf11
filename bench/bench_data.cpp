// The data access layer against bare sqlite3 prepared statements doing the same work:
// reading 100,000 rows of text, money and bit columns into text values, and 10,000 single
// values.
#include "baresqlite.h"
#include "benchdb.h"
#include "data/datamodule.h"
#include "data/values.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

namespace {

constexpr int kRows = 100000;
constexpr int kValues = 10000;

struct Fixture {
    BenchDb db;
    Fixture()
    {
        execSql("create table g (id integer primary key autoincrement, g_sn varchar(32) collate nocase,"
                " g_name varchar(64) collate nocase, g_jj money real, g_sj money real, g_jy bit not null default 0,"
                " g_note text collate nocase)");
        Transaction tx;
        for (int i = 0; i < kRows; ++i)
            appendRow("g", {{"g_sn", QString::number(10000000 + i)},
                            {"g_name", QStringLiteral("男式休闲皮鞋%1").arg(i)},
                            {"g_jj", (i % 1000) * 0.25},
                            {"g_sj", (i % 777) * 1.5 + 0.1},
                            {"g_jy", i % 7 == 0},
                            {"g_note", i % 3 ? QStringLiteral("备注") : QVariant()}});
        tx.commit();
    }
};

Fixture& fixture()
{
    static Fixture f;
    return f;
}

const char* const kSelectAll = "select * from g order by id";

void BM_OpenSelect(benchmark::State& state)
{
    fixture();
    for (auto _ : state) {
        ResultSet rs = openSelect(kSelectAll);
        benchmark::DoNotOptimize(rs.rowCount());
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}

void BM_BareSelect(benchmark::State& state)
{
    fixture();
    for (auto _ : state)
        benchmark::DoNotOptimize(bareSelect(kSelectAll));
    state.SetItemsProcessed(state.iterations() * kRows);
}

void BM_SelectValue(benchmark::State& state)
{
    fixture();
    for (auto _ : state) {
        for (int i = 0; i < kValues; ++i) {
            const QString v = selectValue("select g_sj from g where id=" + QString::number(1 + i * 7));
            benchmark::DoNotOptimize(v.size());
        }
    }
    state.SetItemsProcessed(state.iterations() * kValues);
}

void BM_BareSelectValue(benchmark::State& state)
{
    sqlite3* db = mainDb().handle();
    for (auto _ : state) {
        for (int i = 0; i < kValues; ++i) {
            const QByteArray sql = ("select g_sj from g where id=" + QString::number(1 + i * 7)).toUtf8();
            sqlite3_stmt* st = nullptr;
            sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &st, nullptr);
            QString v;
            if (sqlite3_step(st) == SQLITE_ROW)
                v = bareText(st, 0, sqlite3_column_decltype(st, 0));
            sqlite3_finalize(st);
            benchmark::DoNotOptimize(v.size());
        }
    }
    state.SetItemsProcessed(state.iterations() * kValues);
}

}  // namespace

BENCHMARK(BM_OpenSelect)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareSelect)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SelectValue)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareSelectValue)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
