// Preparing and printing reports: expressions, variables, datasets, page breaks, groups,
// columns, code-built lists, PDF output and the print paths.
#include "data/clock.h"
#include "data/datamodule.h"
#include "platform/pdftextmap.h"
#include "platform/report.h"
#include "platform/reportlist.h"
#include "support/testdb.h"
#include "test_report_support.h"

#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kDs = QStringLiteral("frxDBDataset1");

class ClockFixed {
public:
    ClockFixed() { Clock::setFixed(QDateTime(QDate(2013, 5, 28), QTime(10, 0, 0))); }
    ~ClockFixed() { Clock::reset(); }
};

// A report with one text per band kind and a master band; texts evaluated on page 1.
ReportTemplate oneText(const QString& text, const QString& format = QString(),
                       ReportBandKind kind = ReportBandKind::ReportTitle)
{
    ReportTemplate t;
    ReportObject o = reportText(QRectF(0, 0, 100, 6), text);
    o.format = format;
    t.addBand(kind, 6).objects.append(o);
    return t;
}

QString firstText(Report& rpt)
{
    const QStringList texts = rpt.prepare().pageTexts(0);
    return texts.isEmpty() ? QStringLiteral("<none>") : texts.first();
}

// Purchase receipt lines, one per size and colour row.
ResultSet billLines(int count)
{
    QList<QStringList> rows;
    for (int i = 1; i <= count; ++i) {
        const QString n = QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0'));
        rows.append({QStringLiteral("CJ130528010001"), QStringLiteral("1000") + n, QStringLiteral("男式皮鞋") + n,
                     QStringLiteral("休闲款"), QStringLiteral("黑色"), QStringLiteral("42"), QStringLiteral("双"),
                     QString::number(i), QStringLiteral("100.5"), QString::number(i * 100.5), QStringLiteral("admin")});
    }
    return makeRows({QStringLiteral("j_sn"), QStringLiteral("g_sn"), QStringLiteral("g_name"), QStringLiteral("gg_name"),
                     QStringLiteral("color_name"), QStringLiteral("cm_name"), QStringLiteral("dw_name"),
                     QStringLiteral("t_sl"), QStringLiteral("jh_dj"), QStringLiteral("zje"), QStringLiteral("a_name")},
                    rows);
}

void setBillVariables(Report& rpt)
{
    rpt.clearVariables();
    rpt.setVariable(QStringLiteral("comName"), reportQuote(QStringLiteral("松岩鞋店")));
    rpt.setVariable(QStringLiteral("comTele"), QStringLiteral("'0577-88886666'"));
    rpt.setVariable(QStringLiteral("comAddress"), QStringLiteral("'温州市鹿城区人民路8号'"));
    rpt.setVariable(QStringLiteral("ghsName"), QStringLiteral("'温州红蜻蜓鞋业'"));
    rpt.setVariable(QStringLiteral("ghsLxr"), QStringLiteral("'李经理'"));
    rpt.setVariable(QStringLiteral("ghsTele"), QStringLiteral("'13800001111'"));
    rpt.setVariable(QStringLiteral("ghsAddress"), QStringLiteral("'瓯海区工业园'"));
    rpt.setVariable(QStringLiteral("ckName"), QStringLiteral("'总仓'"));
    rpt.setVariable(QStringLiteral("jhDate"), QStringLiteral("'2013-05-28'"));
    rpt.setVariable(QStringLiteral("Note"), reportQuote(QStringLiteral("含'引号'的备注")));
    rpt.setVariable(QStringLiteral("uName"), QStringLiteral("'张三'"));
    rpt.setVariable(QStringLiteral("yf"), QStringLiteral("'肆万陆仟柒佰叁拾贰元伍角'"));
    rpt.setVariable(QStringLiteral("sf"), QStringLiteral("'肆万元整'"));
}

QString squeeze(QString s)
{
    return s.remove(QRegularExpression(QStringLiteral("\\s+")));
}

}  // namespace

TEST(ReportRender, ExpressionsAndFormats)
{
    ClockFixed clock;
    struct Case {
        const char* text;
        const char* format;
        const char* expected;
    } cases[] = {
        {"单位：[comName]", "", "单位：松岩鞋店"},
        {"[COMNAME]", "", "松岩鞋店"},           // names are case-insensitive
        {"[noSuchVariable]|", "", "|"},
        {"a[b", "", "a[b"},                      // no closing bracket: plain text
        {"[quoted]", "", "O'Brien"},
        {"[raw]", "", "12"},                     // an unquoted expression as it stands
        {"[frxDBDataset1.\"je\"]", "0.00", "1234.50"},
        {"[FRXDBDATASET1.\"JE\"]", "#,##0.00", "1,234.50"},
        {"[<frxDBDataset1.\"je\">]", "￥0.00元", "￥1234.50元"},
        {"[frxDBDataset1.\"name\"]", "0.00", "皮鞋"},  // not a number: unchanged
        {"[frxDBDataset1.\"nosuch\"]", "", ""},
        {"[SUM(<frxDBDataset1.\"je\">)]", "#,##0.00", "1,234,567.38"},
        {"[SUM(frxDBDataset1.\"je\")]", "", "1234567.375"},
        {"[SUM(<frxDBDataset1.\"name\">)]", "", "0"},
        {"[COUNT(<frxDBDataset1>)]", "", "3"},
        {"[COUNT(frxDBDataset2)]", "", "0"},     // a dataset never handed over
        {"[DATE] [TIME]", "", "2013-05-28 10:00:00"},
        {"第[PAGE#]页 共[TOTALPAGES#]页", "", "第1页 共1页"},
        {"[neg]", "#,##0.00", "-1,234,567.90"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        Report rpt;
        rpt.setLayout(oneText(QString::fromUtf8(c.text), QString::fromUtf8(c.format)));
        rpt.setVariable(QStringLiteral("comName"), QStringLiteral("'松岩鞋店'"));
        rpt.setVariable(QStringLiteral("quoted"), reportQuote(QStringLiteral("O'Brien")));
        rpt.setVariable(QStringLiteral("raw"), QStringLiteral("12"));
        rpt.setVariable(QStringLiteral("neg"), QStringLiteral("-1234567.895"));
        rpt.setDataset(kDs, makeRows({QStringLiteral("name"), QStringLiteral("je")},
                                     {{QStringLiteral("皮鞋"), QStringLiteral("1234.5")},
                                      {QStringLiteral("布鞋"), QStringLiteral("1233332.875")},
                                      {QStringLiteral("凉鞋"), QStringLiteral("")}}));
        EXPECT_EQ(firstText(rpt).toStdString(), std::string(c.expected));
    }
}

TEST(ReportRender, VariablesAreClearedAndUnquoted)
{
    EXPECT_EQ(reportQuote(QStringLiteral("O'Brien")), QStringLiteral("'O''Brien'"));
    EXPECT_EQ(reportUnquote(reportQuote(QStringLiteral("O'Brien"))), QStringLiteral("O'Brien"));
    EXPECT_EQ(reportUnquote(QStringLiteral("'O'Brien'")), QStringLiteral("O'Brien"));  // quoted by hand
    EXPECT_EQ(reportUnquote(QStringLiteral("''")), QString());
    EXPECT_EQ(reportUnquote(QStringLiteral("'")), QStringLiteral("'"));

    Report rpt;
    rpt.setLayout(oneText(QStringLiteral("[a]-[b]")));
    rpt.setVariable(QStringLiteral("a"), QStringLiteral("'1'"));
    rpt.setVariable(QStringLiteral("b"), QStringLiteral("'2'"));
    EXPECT_EQ(firstText(rpt), QStringLiteral("1-2"));
    rpt.clearVariables();
    rpt.setVariable(QStringLiteral("b"), QStringLiteral("'3'"));
    EXPECT_EQ(firstText(rpt), QStringLiteral("-3"));
    EXPECT_EQ(rpt.variable(QStringLiteral("B")), QStringLiteral("3"));
}

// The shipped purchase receipt over three pages: variables, every line once and in order, page
// totals, the sums and "page x of y".
TEST(ReportRender, BillFromTemplateToPdf)
{
    ClockFixed clock;
    QTemporaryDir dir;
    Report::setReportDir(shippedReportDir());
    Report rpt;
    ASSERT_TRUE(rpt.loadTemplate(QStringLiteral("cgjh.fr3")));
    Report::setReportDir(QString());
    setBillVariables(rpt);
    rpt.setDataset(kDs, billLines(30));
    const QString pdf = dir.filePath(QStringLiteral("cgjh.pdf"));
    ASSERT_TRUE(rpt.exportPdf(pdf));

    const QStringList pages = pdfPages(pdf);
    ASSERT_EQ(pages.size(), 3);
    const QString all = squeeze(pages.join(QString()));
    for (int p = 0; p < 3; ++p) {
        SCOPED_TRACE(p);
        const QString page = squeeze(pages[p]);
        EXPECT_TRUE(page.contains(QStringLiteral("采购进货单")));
        EXPECT_TRUE(page.contains(QStringLiteral("单号：CJ130528010001")));
        EXPECT_TRUE(page.contains(QStringLiteral("联系电话：0577-88886666")));
        EXPECT_TRUE(page.contains(QStringLiteral("供货商名称：温州红蜻蜓鞋业")));
        EXPECT_TRUE(page.contains(QStringLiteral("仓库名称：总仓")));
        EXPECT_TRUE(page.contains(QStringLiteral("经办人：张三")));
        EXPECT_TRUE(page.contains(QStringLiteral("商品名称")));  // captions on every page
        EXPECT_TRUE(page.contains(QStringLiteral("第%1页共3页").arg(p + 1))) << page.toStdString();
        EXPECT_TRUE(page.contains(QStringLiteral("打印时间：2013-05-2810:00:00")));
    }
    int last = -1;
    for (int i = 1; i <= 30; ++i) {
        const QString name = QStringLiteral("男式皮鞋%1").arg(i, 2, 10, QLatin1Char('0'));
        EXPECT_EQ(all.count(name), 1) << name.toStdString();
        EXPECT_GT(all.indexOf(name), last) << name.toStdString();
        last = all.indexOf(name);
    }
    // Twelve lines a page: page totals of lines 1-12, 13-24 and 25-30, read line by line.
    const QStringList layout = pdfText(pdf, {QStringLiteral("-layout")}).split(QLatin1Char('\f'));
    const char* pageTotals[] = {"数量\\s*78\\s+金额\\s*7839\\.00", "数量\\s*222\\s+金额\\s*22311\\.00",
                                "数量\\s*165\\s+金额\\s*16582\\.50"};
    for (int p = 0; p < 3; ++p) {
        EXPECT_TRUE(layout.value(p).contains(QRegularExpression(QStringLiteral("本页小计：") + QString::fromUtf8(pageTotals[p]))))
            << layout.value(p).toStdString();
    }
    const QString lastPage = squeeze(pages[2]);
    // The row of sums as printed, one line in the layout of the page.
    EXPECT_TRUE(layout.value(2).contains(QRegularExpression(QStringLiteral("合\\s*计\\s+465\\s+46732\\.50\\s*\n"))));
    EXPECT_TRUE(lastPage.contains(QStringLiteral("应付金额：肆万陆仟柒佰叁拾贰元伍角")));
    EXPECT_TRUE(lastPage.contains(QStringLiteral("备注：含'引号'的备注")));
    EXPECT_TRUE(lastPage.contains(QStringLiteral("操作员：admin")));
    EXPECT_FALSE(squeeze(pages[0]).contains(QStringLiteral("合计465")));
}

// Ideographs that share their glyph with a radical read back, search and copy as the ideographs
// drawn (禾 not ⽲, 女 not ⼥, 日 not ⽇), also when a radical itself is drawn beside its twin.
TEST(ReportRender, PdfTextReadsAsPrinted)
{
    EXPECT_EQ(ideographOfRadical(QChar(0x2F72)), QChar(0x79BE));
    EXPECT_EQ(ideographOfRadical(QChar(0x79BE)), QChar(0x79BE));
    const QString shown = QStringLiteral("禾岚女式凉鞋 日期 人民币 户 一二三 123");
    QTemporaryDir dir;
    Report rpt;
    rpt.setLayout(oneText(QStringLiteral("[t]")));
    rpt.setVariable(QStringLiteral("t"), reportQuote(shown));
    const QString pdf = dir.filePath(QStringLiteral("t.pdf"));
    ASSERT_TRUE(rpt.exportPdf(pdf));
    EXPECT_EQ(pdfText(pdf).trimmed(), shown);
}

TEST(ReportRender, BillWithoutLinesPrintsZeroTotals)
{
    Report rpt;
    ASSERT_TRUE(rpt.loadFromFile(shippedReportDir() + QStringLiteral("/cgth.fr3")));
    setBillVariables(rpt);
    rpt.setDataset(kDs, billLines(0));
    const ReportDocument doc = rpt.prepare();
    ASSERT_EQ(doc.pageCount(), 1);
    const QStringList texts = doc.pageTexts(0);
    EXPECT_TRUE(texts.contains(QStringLiteral("采购退货单")));
    EXPECT_TRUE(texts.contains(QStringLiteral("单号：")));
    EXPECT_TRUE(texts.contains(QStringLiteral("0")));
    EXPECT_TRUE(texts.contains(QStringLiteral("0.00")));
    EXPECT_TRUE(texts.contains(QStringLiteral("第 1 页  共 1 页")));
}

TEST(ReportRender, GroupsLineNumbersAndGroupSums)
{
    ReportTemplate t;
    t.addBand(ReportBandKind::GroupHeader, 6).condition = QStringLiteral("frxDBDataset1.\"g\"");
    t.bands.last().objects.append(reportText(QRectF(0, 0, 50, 6), QStringLiteral("组[frxDBDataset1.\"g\"]")));
    t.addBand(ReportBandKind::MasterData, 6, kDs).objects.append(
        reportText(QRectF(0, 0, 50, 6), QStringLiteral("[LINE#]:[frxDBDataset1.\"n\"]")));
    t.addBand(ReportBandKind::GroupFooter, 6).objects.append(
        reportText(QRectF(0, 0, 50, 6), QStringLiteral("小计[SUM(<frxDBDataset1.\"n\">)]/[COUNT(<frxDBDataset1>)]")));
    t.addBand(ReportBandKind::GroupFooter, 6).objects.append(
        reportText(QRectF(0, 0, 50, 6), QStringLiteral("总计[SUM(<frxDBDataset1.\"n\">)]")));
    t.addBand(ReportBandKind::Summary, 6).objects.append(
        reportText(QRectF(0, 0, 50, 6), QStringLiteral("合计[SUM(<frxDBDataset1.\"n\">)]")));
    Report rpt;
    rpt.setLayout(t);
    rpt.setDataset(kDs, makeRows({QStringLiteral("g"), QStringLiteral("n")},
                                 {{QStringLiteral("A"), QStringLiteral("1")},
                                  {QStringLiteral("A"), QStringLiteral("2")},
                                  {QStringLiteral("B"), QStringLiteral("3")},
                                  {QStringLiteral("C"), QStringLiteral("4.5")},
                                  {QStringLiteral("C"), QStringLiteral("5")}}));
    const QStringList expected = {
        QStringLiteral("组A"), QStringLiteral("1:1"), QStringLiteral("2:2"), QStringLiteral("小计3/2"),
        QStringLiteral("组B"), QStringLiteral("1:3"), QStringLiteral("小计3/1"),
        QStringLiteral("组C"), QStringLiteral("1:4.5"), QStringLiteral("2:5"), QStringLiteral("小计9.5/2"),
        QStringLiteral("总计15.5"), QStringLiteral("合计15.5")};
    EXPECT_EQ(rpt.prepare().pageTexts(0), expected);

    // Only the rows a grid shows, in its order.
    rpt.setDataset(kDs, makeRows({QStringLiteral("g"), QStringLiteral("n")},
                                 {{QStringLiteral("A"), QStringLiteral("1")},
                                  {QStringLiteral("B"), QStringLiteral("2")},
                                  {QStringLiteral("A"), QStringLiteral("3")}}),
                   {2, 0, 7});
    EXPECT_EQ(rpt.prepare().pageTexts(0),
              (QStringList{QStringLiteral("组A"), QStringLiteral("1:3"), QStringLiteral("2:1"), QStringLiteral("小计4/2"),
                           QStringLiteral("总计4"), QStringLiteral("合计4")}));
}

// Labels across two columns, then down, then onto the next page.
TEST(ReportRender, MasterRowsFillColumnsAcrossThenDown)
{
    ReportTemplate t;
    t.page = ReportPageSetup{100, 60, 5, 5, 5, 5, 2, 4};
    t.addBand(ReportBandKind::MasterData, 25, kDs).objects.append(
        reportText(QRectF(0, 0, 40, 25), QStringLiteral("[frxDBDataset1.\"name\"]")));
    Report rpt;
    rpt.setLayout(t);
    QList<QStringList> rows;
    for (int i = 0; i < 5; ++i)
        rows.append({QString::number(i)});
    rpt.setDataset(kDs, makeRows({QStringLiteral("name")}, rows));
    const ReportDocument doc = rpt.prepare();
    ASSERT_EQ(doc.pageCount(), 2);
    ASSERT_EQ(doc.pages[0].items.size(), 4);
    const QPointF expected[] = {{5, 5}, {52, 5}, {5, 30}, {52, 30}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(doc.pages[0].items[i].text, QString::number(i));
        EXPECT_EQ(doc.pages[0].items[i].rect.topLeft(), expected[i]);
    }
    EXPECT_EQ(doc.pages[1].items.first().rect.topLeft(), QPointF(5, 5));
}

TEST(ReportRender, ListLayoutBuiltInCode)
{
    ReportListSpec spec;
    spec.title = QStringLiteral("采购审核单据清单");
    spec.headerLines = {QStringLiteral("打印时间：[DATE]")};
    spec.columns = {{QStringLiteral("单据号"), QStringLiteral("gl_djh"), 40},
                    {QStringLiteral("供货商"), QStringLiteral("ghs_name"), 60},
                    {QStringLiteral("应付金额"), QStringLiteral("sh_yfje"), 40, ReportHAlign::Right, QStringLiteral("0.00"), true},
                    {QStringLiteral("实付金额"), QStringLiteral("sh_sfje"), 40, ReportHAlign::Right, QStringLiteral("0.00"), true}};
    spec.summaryLines = {QStringLiteral("记录数：[COUNT(<frxDBDataset1>)]")};
    QList<QStringList> rows;
    for (int i = 1; i <= 100; ++i)
        rows.append({QStringLiteral("CJ%1").arg(i), QStringLiteral("供货商%1").arg(i), QStringLiteral("10"), QStringLiteral("2.5")});
    Report rpt;
    rpt.setLayout(reportListLayout(spec));
    rpt.setDataset(kDs, makeRows({QStringLiteral("gl_djh"), QStringLiteral("ghs_name"), QStringLiteral("sh_yfje"),
                                  QStringLiteral("sh_sfje")},
                                 rows));
    const ReportDocument doc = rpt.prepare();
    ASSERT_GE(doc.pageCount(), 3);
    EXPECT_TRUE(doc.pageTexts(0).contains(QStringLiteral("采购审核单据清单")));
    EXPECT_FALSE(doc.pageTexts(1).contains(QStringLiteral("采购审核单据清单")));  // the title once
    int lines = 0;
    for (int p = 0; p < doc.pageCount(); ++p) {
        const QStringList texts = doc.pageTexts(p);
        EXPECT_TRUE(texts.contains(QStringLiteral("供货商")));  // captions on every page
        EXPECT_TRUE(texts.contains(QStringLiteral("第 %1 页  共 %2 页").arg(p + 1).arg(doc.pageCount())));
        lines += texts.filter(QRegularExpression(QStringLiteral("^CJ\\d+$"))).size();
        for (const ReportItem& item : doc.pages[p].items)  // nothing runs into the margins
            EXPECT_LE(item.rect.bottom(), doc.page.height - doc.page.bottom + 1e-9);
    }
    EXPECT_EQ(lines, 100);
    const QStringList last = doc.pageTexts(doc.pageCount() - 1);
    EXPECT_TRUE(last.contains(QStringLiteral("合计")));
    EXPECT_TRUE(last.contains(QStringLiteral("1000.00")));
    EXPECT_TRUE(last.contains(QStringLiteral("250.00")));
    EXPECT_TRUE(last.contains(QStringLiteral("记录数：100")));
}

// A named query is read when the report is prepared, after it was opened.
TEST(ReportRender, DatasetFromNamedQuery)
{
    TestDb db(false);
    execSql(QStringLiteral("create table jxc_txm (id integer primary key autoincrement, tm_code varchar(64))"));
    execSql(QStringLiteral("insert into jxc_txm (tm_code) values ('A1'),('B2')"));
    Report rpt;
    rpt.setLayout(oneText(QStringLiteral("[frxDBDataset1.\"tm_code\"]"), QString(), ReportBandKind::MasterData));
    rpt.layout().bands.first().dataset = kDs;
    rpt.setDataset(kDs, DataModule->Q_GoodsPrin);
    EXPECT_TRUE(rpt.prepare().pageTexts(0).isEmpty());  // not open yet
    openQuery(DataModule->Q_GoodsPrin, QStringLiteral("select * from jxc_txm order by id"));
    EXPECT_EQ(rpt.prepare().pageTexts(0), (QStringList{QStringLiteral("A1"), QStringLiteral("B2")}));
    DataModule->Q_GoodsPrin->close();
    EXPECT_TRUE(rpt.prepare().pageTexts(0).isEmpty());
}

// The print dialog once, then the copies; a cancelled dialog prints nothing.
TEST(ReportRender, PrintDialogOnceThenCopies)
{
    QTemporaryDir dir;
    Report rpt;
    ASSERT_TRUE(rpt.loadFromFile(shippedReportDir() + QStringLiteral("/cgjh.fr3")));
    setBillVariables(rpt);
    rpt.setDataset(kDs, billLines(20));
    const int pages = rpt.pageCount();
    ASSERT_EQ(pages, 2);

    int dialogs = 0;
    bool confirm = true;
    QList<ReportJob::Kind> kinds;
    const QString pdf = dir.filePath(QStringLiteral("printed.pdf"));
    setReportInterceptor([&](ReportJob& job) {
        kinds.append(job.kind);
        if (job.printer) {
            job.printer->setOutputFormat(QPrinter::PdfFormat);
            job.printer->setOutputFileName(pdf);
        }
        ++dialogs;
        return confirm;
    });
    EXPECT_TRUE(rpt.print(3));
    EXPECT_EQ(dialogs, 1);
    EXPECT_EQ(pdfPages(pdf).size(), 3 * pages);
    // The template's paper: 241 x 140 mm across.
    EXPECT_TRUE(runTool(QStringLiteral("pdfinfo"), {pdf}).contains(QRegularExpression(QStringLiteral("Page size:\\s+683 x 397"))));
    EXPECT_TRUE(squeeze(pdfPages(pdf)[2 * pages]).contains(QStringLiteral("男式皮鞋01")));  // third copy, from the start

    QFile::remove(pdf);
    confirm = false;
    EXPECT_FALSE(rpt.print(2));
    EXPECT_FALSE(QFile::exists(pdf));

    confirm = true;
    EXPECT_TRUE(rpt.printDirect(1));
    EXPECT_EQ(pdfPages(pdf).size(), pages);

    rpt.preview();
    setReportInterceptor({});
    EXPECT_EQ(kinds, (QList<ReportJob::Kind>{ReportJob::Kind::Print, ReportJob::Kind::Print, ReportJob::Kind::PrintDirect,
                                              ReportJob::Kind::Preview}));
}

// A picture file beside the template, drawn in its box keeping its proportions.
TEST(ReportRender, PictureBesideTheTemplate)
{
    QTemporaryDir dir;
    QImage logo(40, 20, QImage::Format_RGB32);
    logo.fill(Qt::red);
    ASSERT_TRUE(logo.save(dir.filePath(QStringLiteral("logo.png"))));
    ReportTemplate t;
    t.page = ReportPageSetup{60, 40, 0, 0, 0, 0, 1, 0};
    ReportObject picture;
    picture.kind = ReportObjectKind::Picture;
    picture.rect = QRectF(10, 10, 40, 40);
    picture.text = QStringLiteral("logo.png");
    t.addBand(ReportBandKind::ReportTitle, 40).objects.append(picture);
    ASSERT_TRUE(t.save(dir.filePath(QStringLiteral("logo.fr3"))));
    Report rpt;
    ASSERT_TRUE(rpt.loadFromFile(dir.filePath(QStringLiteral("logo.fr3"))));
    const QImage page = rpt.renderPage(0, 254);  // 10 pixels a millimetre
    EXPECT_EQ(page.pixel(300, 300), qRgb(255, 0, 0));  // the middle of the box
    EXPECT_EQ(page.pixel(300, 150), qRgb(255, 255, 255));  // above the picture: 40 x 20 fits 40 x 20 mm
    EXPECT_EQ(page.pixel(300, 210), qRgb(255, 0, 0));
}
