// Writing an ".xls" export of 1,000 rows × 10 columns (a heading row, then five text and five
// number columns per row) and reading it back through the workbook reader.
#include "platform/xlsreader.h"
#include "platform/xlswriter.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kRows = 1000;
constexpr int kCols = 10;

void writeExport(const QString& path)
{
    XlsWorkbook book;
    XlsSheet& s = book.addSheet(QStringLiteral("商品列表"));
    for (int c = 0; c < kCols; ++c)
        s.setText(0, c, QStringLiteral("列%1").arg(c + 1));
    for (int r = 1; r <= kRows; ++r)
        for (int c = 0; c < kCols; ++c) {
            if (c % 2 == 0)
                s.setText(r, c, QStringLiteral("男式皮鞋%1-%2").arg(r).arg(c));
            else
                s.setNumber(r, c, r * 12.5 + c);
        }
    book.save(path);
}

void BM_WriteXls1000x10(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("export.xls"));
    for (auto _ : state)
        writeExport(path);
}
BENCHMARK(BM_WriteXls1000x10)->Unit(benchmark::kMillisecond);

void BM_ReadXls1000x10(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("export.xls"));
    writeExport(path);
    for (auto _ : state)
        benchmark::DoNotOptimize(readWorkbookSheet(path, QStringLiteral("商品列表")).rowCount());
}
BENCHMARK(BM_ReadXls1000x10)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
