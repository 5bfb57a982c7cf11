// Report speed: a 50-page list report laid out and written as PDF (goal: well under two seconds).
#include "platform/report.h"
#include "platform/reportlist.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kRows = 2140;  // fills 50 A4 pages of the list below

// A goods list as the goods window prints it: seven columns, one line a goods item.
void setUpList(Report& rpt)
{
    ReportListSpec spec;
    spec.title = QStringLiteral("商品基本信息");
    spec.headerLines = {QStringLiteral("打印日期：[DATE] [TIME]")};
    spec.columns = {{QStringLiteral("商品编号"), QStringLiteral("g_sn"), 22},
                    {QStringLiteral("商品名称"), QStringLiteral("g_name"), 40},
                    {QStringLiteral("商品类别"), QStringLiteral("gc_name"), 22},
                    {QStringLiteral("单位"), QStringLiteral("dw_name"), 12},
                    {QStringLiteral("款型说明"), QStringLiteral("gg_name"), 26},
                    {QStringLiteral("当前库存"), QStringLiteral("g_kc"), 22, ReportHAlign::Right, QString(), true},
                    {QStringLiteral("预设售价"), QStringLiteral("g_sj"), 26, ReportHAlign::Right, QStringLiteral("0.00"), true}};
    rpt.setLayout(reportListLayout(spec));
    ResultSet rows;
    QVector<ResultColumn> cols;
    for (const ReportListColumn& c : spec.columns)
        cols.append(ResultColumn{c.field, ColumnKind::Text});
    rows.setColumns(cols);
    for (int i = 0; i < kRows; ++i)
        rows.appendRow({QString::number(100001 + i), QStringLiteral("男式真皮休闲鞋%1").arg(i), QStringLiteral("男鞋"),
                        QStringLiteral("双"), QStringLiteral("2013春季款"), QString::number(i % 37),
                        QStringLiteral("%1.5").arg(100 + i % 300)});
    rpt.setDataset(QStringLiteral("frxDBDataset1"), rows);
}

void BM_ListReport50PagesPrepare(benchmark::State& state)
{
    Report rpt;
    setUpList(rpt);
    for (auto _ : state) {
        const ReportDocument doc = rpt.prepare();
        if (doc.pageCount() != 50)
            state.SkipWithError("the list does not fill 50 pages");
        benchmark::DoNotOptimize(doc.pages.data());
    }
}
BENCHMARK(BM_ListReport50PagesPrepare)->Unit(benchmark::kMillisecond);

void BM_ListReport50PagesToPdf(benchmark::State& state)
{
    Report rpt;
    setUpList(rpt);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("list.pdf"));
    for (auto _ : state) {
        if (!rpt.exportPdf(pdf))
            state.SkipWithError("PDF not written");
    }
}
BENCHMARK(BM_ListReport50PagesToPdf)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::benchmark::Initialize(&argc, argv);
    ::benchmark::RunSpecifiedBenchmarks();
    ::benchmark::Shutdown();
    return 0;
}
