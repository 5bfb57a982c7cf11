// The template file format: reading, writing, the shipped templates, broken and missing files.
#include "platform/report.h"
#include "platform/reporttemplate.h"
#include "test_report_support.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Every attribute away from its default, in every kind of band and object.
ReportTemplate fullTemplate()
{
    ReportTemplate t;
    t.page = ReportPageSetup{100, 70, 3, 4, 5, 6, 2, 2.5};
    ReportBand& title = t.addBand(ReportBandKind::ReportTitle, 12.25);
    title.name = QStringLiteral("标题");
    ReportObject text = reportText(QRectF(1.5, 2, 30, 6), QStringLiteral("第一行\n第二行 <&> \"引号\" 'x'"), 12, true,
                                   ReportHAlign::Right, QStringLiteral("lb"));
    text.name = QStringLiteral("Text1");
    text.font.family = QStringLiteral("Noto Serif CJK SC");
    text.font.italic = text.font.underline = true;
    text.valign = ReportVAlign::Bottom;
    text.lineWidth = 1.25;
    text.wordWrap = true;
    text.format = QStringLiteral("￥#,##0.00");
    text.color = QColor(0x11, 0x22, 0x33);
    text.fill = QColor(0xe8, 0xe8, 0xe8);
    title.objects.append(text);
    title.objects.append(reportLine(QPointF(0, 10), QPointF(90, 10), 2));
    t.addBand(ReportBandKind::PageHeader, 5);
    ReportBand& group = t.addBand(ReportBandKind::GroupHeader, 6);
    group.condition = QStringLiteral("[frxDBDataset1.\"g_sn\"]");
    ReportBand& data = t.addBand(ReportBandKind::MasterData, 20, QStringLiteral("frxDBDataset1"));
    ReportObject code = reportBarcode(QRectF(0, 0, 40, 15), QStringLiteral("[frxDBDataset1.\"tm_code\"]"),
                                      ReportBarcodeType::Ean13);
    code.showText = false;
    data.objects.append(code);
    ReportObject picture;
    picture.kind = ReportObjectKind::Picture;
    picture.rect = QRectF(41, 0, 10, 10);
    picture.text = QStringLiteral("logo.png");
    data.objects.append(picture);
    t.addBand(ReportBandKind::GroupFooter, 6);
    t.addBand(ReportBandKind::Summary, 7);
    t.addBand(ReportBandKind::PageFooter, 8);
    return t;
}

}  // namespace

TEST(ReportTemplate, SavedAndLoadedAgainIsTheSameTemplateAndTheSameBytes)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("full.fr3"));
    const ReportTemplate t = fullTemplate();
    ASSERT_TRUE(t.save(path));
    ReportTemplate back;
    ASSERT_TRUE(back.load(path));
    EXPECT_TRUE(back == t);
    EXPECT_EQ(back.baseDir, dir.path());
    EXPECT_EQ(back.toXml(), t.toXml());
}

TEST(ReportTemplate, ShippedTemplatesReadAndWriteBackUnchanged)
{
    for (const char* name : {"cgjh.fr3", "cgth.fr3", "txm.fr3"}) {
        SCOPED_TRACE(name);
        const QString path = shippedReportDir() + QLatin1Char('/') + QLatin1String(name);
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        ReportTemplate t;
        QString error;
        ASSERT_TRUE(t.load(path, &error)) << error.toStdString();
        EXPECT_FALSE(t.isEmpty());
        EXPECT_EQ(t.toXml(), bytes);
    }
}

TEST(ReportTemplate, MissingOrBrokenFileGivesAnEmptyReport)
{
    QTemporaryDir dir;
    const QString broken = dir.filePath(QStringLiteral("broken.fr3"));
    const QString foreign = dir.filePath(QStringLiteral("foreign.fr3"));
    const QString badBand = dir.filePath(QStringLiteral("badband.fr3"));
    {
        QFile f(broken);
        f.open(QIODevice::WriteOnly);
        f.write("<report><page width=\"10\"/><band type=\"masterData\" height=\"5\"><text>unclosed");
    }
    {
        QFile f(foreign);
        f.open(QIODevice::WriteOnly);
        f.write("<?xml version=\"1.0\"?><TfrxReport Version=\"4\"><TfrxReportPage/></TfrxReport>");
    }
    {
        QFile f(badBand);
        f.open(QIODevice::WriteOnly);
        f.write("<report><band type=\"sideways\" height=\"5\"/></report>");
    }
    for (const QString& path : {dir.filePath(QStringLiteral("none.fr3")), broken, foreign, badBand}) {
        SCOPED_TRACE(path.toStdString());
        Report rpt;
        rpt.setLayout(fullTemplate());
        QString error;
        EXPECT_FALSE(rpt.layout().load(path, &error));
        EXPECT_FALSE(error.isEmpty());
        EXPECT_TRUE(rpt.layout().isEmpty());
        EXPECT_TRUE(rpt.layout().page == ReportPageSetup());
        EXPECT_FALSE(rpt.loadFromFile(path));
        EXPECT_EQ(rpt.pageCount(), 1);  // one blank page
        EXPECT_TRUE(rpt.prepare().pageTexts(0).isEmpty());
        EXPECT_TRUE(rpt.exportPdf(dir.filePath(QStringLiteral("empty.pdf"))));
    }
}

TEST(ReportTemplate, TemplatePathIsUnderTheReportFolder)
{
    Report::setReportDir(QStringLiteral("/x/report"));
    EXPECT_EQ(Report::templatePath(QStringLiteral("cgjh.fr3")), QStringLiteral("/x/report/cgjh.fr3"));
    Report::setReportDir(QString());
    EXPECT_TRUE(Report::templatePath(QStringLiteral("txm.fr3")).endsWith(QStringLiteral("/report/txm.fr3")));
}
