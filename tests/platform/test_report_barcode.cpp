// Barcodes: labels rendered to images and to PDF are read back by a real decoder.
#include "platform/report.h"
#include "platform/reportbarcode.h"
#include "test_report_support.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kDs = QStringLiteral("frxDBDataset1");

ResultSet labels(const QStringList& codes)
{
    QList<QStringList> rows;
    int id = 0;
    for (const QString& c : codes)
        rows.append({QString::number(++id), c});
    return makeRows({QStringLiteral("id"), QStringLiteral("tm_code")}, rows);
}

}  // namespace

TEST(ReportBarcode, Encoding)
{
    const ReportBarcodeSymbol ean = encodeReportBarcode(ReportBarcodeType::Ean13, QStringLiteral("690123456789"));
    ASSERT_TRUE(ean.ok) << ean.error.toStdString();
    EXPECT_EQ(ean.text, QStringLiteral("6901234567892"));  // check digit added
    EXPECT_EQ(ean.modules, 95);
    EXPECT_TRUE(encodeReportBarcode(ReportBarcodeType::Ean13, QStringLiteral("6901234567892")).ok);
    for (const char* bad : {"6901234567891", "69012345678", "69012345678A", ""}) {
        SCOPED_TRACE(bad);
        const ReportBarcodeSymbol s = encodeReportBarcode(ReportBarcodeType::Ean13, QString::fromLatin1(bad));
        EXPECT_FALSE(s.ok);
        EXPECT_FALSE(s.error.isEmpty());
    }
    const ReportBarcodeSymbol code = encodeReportBarcode(ReportBarcodeType::Code128, QStringLiteral("XZ-2013/05"));
    ASSERT_TRUE(code.ok);
    EXPECT_EQ(code.text, QStringLiteral("XZ-2013/05"));
    EXPECT_FALSE(encodeReportBarcode(ReportBarcodeType::Code128, QStringLiteral("鞋")).ok);  // not Latin-1
}

// The shipped label template: one label a page, each read back from a 300 dpi image; a label
// without a code prints blank.
TEST(ReportBarcode, LabelPagesDecodeBackToTheirCodes)
{
    QTemporaryDir dir;
    Report rpt;
    ASSERT_TRUE(rpt.loadFromFile(shippedReportDir() + QStringLiteral("/txm.fr3")));
    const QStringList codes = {QStringLiteral("6901234567892"), QStringLiteral("XZ100001-0142"), QString()};
    rpt.setDataset(kDs, labels(codes));
    ASSERT_EQ(rpt.pageCount(), 3);
    for (int p = 0; p < 2; ++p) {
        SCOPED_TRACE(p);
        const QString png = dir.filePath(QStringLiteral("label%1.png").arg(p));
        ASSERT_TRUE(rpt.renderPage(p, 300).save(png));
        EXPECT_EQ(decodeBarcodes(png), QStringList{QStringLiteral("CODE-128:") + codes[p]});
    }
    const QImage blank = rpt.renderPage(2, 300);
    EXPECT_EQ(blank.pixel(blank.width() / 2, blank.height() / 2), qRgb(255, 255, 255));
    bool white = true;
    for (int y = 0; y < blank.height() && white; ++y) {
        for (int x = 0; x < blank.width() && white; ++x)
            white = blank.pixel(x, y) == qRgb(255, 255, 255);
    }
    EXPECT_TRUE(white);
}

// EAN-13 and Code 128 on one PDF page: kept as vectors (no image in the file) and readable
// once the page is rasterised.
TEST(ReportBarcode, PdfBarcodesAreVectorsAndDecode)
{
    QTemporaryDir dir;
    ReportTemplate t;
    t.page = ReportPageSetup{80, 60, 3, 3, 3, 3, 1, 0};
    ReportBand& band = t.addBand(ReportBandKind::MasterData, 25, kDs);
    band.objects.append(reportBarcode(QRectF(0, 0, 45, 20), QStringLiteral("[frxDBDataset1.\"tm_code\"]"),
                                      ReportBarcodeType::Ean13));
    Report rpt;
    rpt.setLayout(t);
    rpt.setDataset(kDs, labels({QStringLiteral("690123456789")}));
    ReportTemplate& layout = rpt.layout();
    ReportBand& code128 = layout.addBand(ReportBandKind::Summary, 25);
    code128.objects.append(reportBarcode(QRectF(0, 2, 60, 18), QStringLiteral("[title]")));
    rpt.setVariable(QStringLiteral("title"), QStringLiteral("'SY-0001'"));
    const QString pdf = dir.filePath(QStringLiteral("codes.pdf"));
    ASSERT_TRUE(rpt.exportPdf(pdf));

    const QStringList images = runTool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf})
                                   .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    EXPECT_EQ(images.size(), 2) << images.join(QLatin1Char('\n')).toStdString();  // the heading only

    runTool(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("300"), QStringLiteral("-png"),
                                          QStringLiteral("-singlefile"), pdf, dir.filePath(QStringLiteral("page"))});
    QStringList found = decodeBarcodes(dir.filePath(QStringLiteral("page.png")));
    found.sort();
    EXPECT_EQ(found, (QStringList{QStringLiteral("CODE-128:SY-0001"), QStringLiteral("EAN-13:6901234567892")}));
    EXPECT_TRUE(pdfText(pdf).contains(QStringLiteral("6901234567892")));
}
