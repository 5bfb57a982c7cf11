// The goods import of a 10,000-row workbook (the preview and the import, each new category
// importing the whole sheet under automatic codes), and "条码生成" over 10,000 listed goods with
// a barcode, 4 colours × 6 sizes each.
#include "benchdb.h"
#include "data/datamodule.h"
#include "data/numbering.h"
#include "data/schema/schema.h"
#include "masterdata/barcodes.h"
#include "masterdata/importdata.h"
#include "platform/platform.h"
#include "platform/xlswriter.h"

#include <QApplication>
#include <QDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kRows = 10000;

struct Fixture {
    BenchDb db;
    QString path;
    QStringList goods;
    int category = 2;

    Fixture()
    {
        initPlatform();
        createAllTables();
        XlsWorkbook book;
        const QStringList headings = {"商品编号", "商品名称", "商品条码", "单位", "款型说明", "预设进价",
                                      "预设售价", "最低库存", "品牌厂商", "颜色组", "备注", "尺码组"};
        path = QDir(db.dir.path()).filePath(QStringLiteral("商品.xls"));
        XlsSheet& sheet = book.addSheet(QStringLiteral("商品"));
        for (int c = 0; c < headings.size(); ++c)
            sheet.setText(0, c, headings.at(c));
        for (int r = 1; r <= kRows; ++r) {
            const QStringList cells = {QString::number(20000000 + r), QStringLiteral("男式休闲皮鞋%1").arg(r),
                                       QString::number(6900000000000LL + r), QStringLiteral("双"),
                                       QStringLiteral("款%1").arg(r % 50), QStringLiteral("120.5"),
                                       QStringLiteral("268"), QStringLiteral("2"), QStringLiteral("品牌%1").arg(r % 20),
                                       QStringLiteral("色组%1").arg(r % 10), QStringLiteral("备注"),
                                       QStringLiteral("码组%1").arg(r % 5)};
            for (int c = 0; c < cells.size(); ++c)
                sheet.setText(r, c, cells.at(c));
        }
        book.save(path);
        appendImportMapping(path, QStringLiteral("jxc_goods"));
    }

    GoodsImportOptions nextCategory()
    {
        const int cid = category++;
        appendRow("jxc_goodsclass", {{"gc_cid", cid}, {"gc_pid", 1}, {"gc_sn", QString::number(1000 + cid)},
                                     {"gc_name", QStringLiteral("类%1").arg(cid)}});
        GoodsImportOptions o;
        o.path = path;
        o.gcCid = cid;
        o.gcSn = QString::number(1000 + cid);
        return o;
    }
};

Fixture& fixture()
{
    static Fixture f;
    return f;
}

void BM_GoodsImportPreview10k(benchmark::State& state)
{
    Fixture& f = fixture();
    const GoodsImportOptions o = f.nextCategory();
    for (auto _ : state)
        benchmark::DoNotOptimize(buildGoodsPreview(o, true));
}
BENCHMARK(BM_GoodsImportPreview10k)->Unit(benchmark::kMillisecond);

void BM_GoodsImport10k(benchmark::State& state)
{
    Fixture& f = fixture();
    int imported = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const GoodsImportOptions o = f.nextCategory();
        buildGoodsPreview(o, true);
        state.ResumeTiming();
        imported = importGoods(o).summary.success;
    }
    state.counters["imported"] = imported;
}
BENCHMARK(BM_GoodsImport10k)->Unit(benchmark::kMillisecond)->Iterations(2);

void BM_RegenerateBarcodes10k(benchmark::State& state)
{
    Fixture& f = fixture();
    if (f.goods.isEmpty()) {
        // Four colours and six sizes in the groups of the imported goods.
        Transaction tx;
        for (int g = 0; g < 10; ++g)
            for (int c = 0; c < 4; ++c)
                execSql(QStringLiteral("insert into jxc_colorz2 (colorz_sn,color_sn) select colorz_sn,? from jxc_colorz "
                                       "where colorz_name=?"),
                        {{"", QString::number(100002 + c)}, {"", QStringLiteral("色组%1").arg(g)}});
        for (int g = 0; g < 5; ++g)
            for (int s = 0; s < 6; ++s)
                execSql(QStringLiteral("insert into jxc_cmz2 (cmz_sn,cm_sn) select cmz_sn,? from jxc_cmz where cmz_name=?"),
                        {{"", QString::number(100002 + s)}, {"", QStringLiteral("码组%1").arg(g)}});
        tx.commit();
        const ResultSet rs = openSelect(QStringLiteral("select g_sn from jxc_goods where g_sptm<>'' order by g_sn limit ?"),
                                        {{"", kRows}});
        for (int r = 0; r < rs.rowCount(); ++r)
            f.goods << rs.text(r, 0);
    }
    for (auto _ : state)
        regenerateGoodsTm(f.goods);
    state.counters["goods"] = f.goods.size();
    state.counters["variants"] = selectValue(QStringLiteral("select count(*) from jxc_tm")).toInt();
}
BENCHMARK(BM_RegenerateBarcodes10k)->Unit(benchmark::kMillisecond)->Iterations(2);

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
