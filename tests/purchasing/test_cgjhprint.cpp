// Printing of purchase receipts: a posted receipt printed to PDF with its variables, amounts
// in capitals and one row per size and colour row; the dialog once for n copies; a cancelled
// dialog; lines without size and colour rows; apostrophes; a pending receipt by its number.
#include "data/datamodule.h"
#include "data/namedquery.h"
#include "data/settings.h"
#include "platform/report.h"
#include "platform/test_report_support.h"
#include "purchasing/cgjhprint.h"
#include "support/shop.h"

#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString squeeze(QString s)
{
    return s.remove(QRegularExpression(QStringLiteral("\\s+")));
}

// A shop with the company's and the default supplier's particulars, the shipped templates and
// a print dialog that writes to a PDF file.
struct PrintShop {
    Shop shop;
    QString sandal = shop.goods("凉鞋", {"39", "40"}, {"黑色"});
    QString boot = shop.goods("靴子", {"38"}, {"黑色", "白色"});
    QString slipper = shop.goods("拖鞋", {}, {});
    QTemporaryDir dir;
    QString pdf = dir.filePath(QStringLiteral("bill.pdf"));
    bool confirm = true;
    QList<ReportJob::Kind> jobs;

    PrintShop()
    {
        companyName = QStringLiteral("松岩鞋店");
        companyTele = QStringLiteral("0577-88886666");
        companyAddress = QStringLiteral("温州市鹿城区人民路8号");
        execSql(QStringLiteral("update jxc_ghsxx set ghs_lxr='李经理',ghs_tele='13800001111',ghs_address='瓯海区工业园' "
                               "where ghs_sn='100001'"));
        Report::setReportDir(shippedReportDir());
        setReportInterceptor([this](ReportJob& job) {
            jobs.append(job.kind);
            if (job.kind == ReportJob::Kind::Preview)
                job.report->exportPdf(pdf);
            else if (job.printer) {
                job.printer->setOutputFormat(QPrinter::PdfFormat);
                job.printer->setOutputFileName(pdf);
            }
            return confirm;
        });
    }
    ~PrintShop()
    {
        setReportInterceptor({});
        Report::setReportDir(QString());
        companyName.clear();
        companyTele.clear();
        companyAddress.clear();
    }

    // The window's values of a posted receipt.
    CgjhPrintBill bill(const QString& djh, const QString& payable, double paid, const QString& note = QString())
    {
        return CgjhPrintBill{djh, QStringLiteral("100001"), QStringLiteral(" 普通供货商 "), QStringLiteral("主仓库"),
                             QStringLiteral("2013-05-28"), note, QStringLiteral("李采购"), payable,
                             Money::fromDouble(paid)};
    }
    QString text() const { return squeeze(pdfText(pdf)); }
    // The printed lines as laid out on the page, each without its spaces.
    QStringList lines() const
    {
        QStringList out;
        for (const QString& l : pdfText(pdf, {QStringLiteral("-layout")}).split(QLatin1Char('\n')))
            out << squeeze(l);
        return out;
    }
};

}  // namespace

TEST(CgjhPrint, BillPrintsItsVariablesAndOneRowPerSizeAndColour)
{
    PrintShop s;
    const QString djh = s.shop.receipt()
                            .line(s.sandal, 80, {{"39", "黑色", 3}, {"40", "黑色", 2}})
                            .plainLine(s.slipper, 10, 4)
                            .line(s.boot, 50.5, {{"38", "黑色", 1}, {"38", "白色", 1}})
                            .note(QStringLiteral("O'Brien's [急] 货"))
                            .paid(300.5)
                            .post();

    ASSERT_TRUE(printDj(s.bill(djh, QStringLiteral("541"), 300.5, QStringLiteral("O'Brien's [急] 货")), 1));
    EXPECT_EQ(s.jobs, QList<ReportJob::Kind>{ReportJob::Kind::Print});
    EXPECT_FALSE(DataModule->Q_GoodsPrin->isOpen());
    const QString t = s.text();
    for (const char* expected : {"松岩鞋店", "联系电话：0577-88886666", "温州市鹿城区人民路8号", "供货商名称：普通供货商",
                                 "联系人：李经理", "联系电话：13800001111", "联系地址：瓯海区工业园", "仓库名称：主仓库",
                                 "开单日期：2013-05-28", "经办人：李采购", "备注：O'Brien's[急]货",
                                 "应付金额：伍佰肆拾壹元整", "实付金额：叁佰元伍角", "单号：CJ130528010001"}) {
        SCOPED_TRACE(expected);
        EXPECT_TRUE(t.contains(QString::fromUtf8(expected)));
    }
    // One row per size and colour row, in the order of the lines; the line without rows is left out.
    const QStringList rows = s.lines().filter(QRegularExpression(QStringLiteral("凉鞋|靴子|拖鞋")));
    EXPECT_EQ(rows, (QStringList{QStringLiteral("1凉鞋%1双黑色3980.003240.00").arg(s.sandal),
                                 QStringLiteral("2凉鞋%1双黑色4080.002160.00").arg(s.sandal),
                                 QStringLiteral("3靴子%1双黑色3850.50150.50").arg(s.boot),
                                 QStringLiteral("4靴子%1双白色3850.50150.50").arg(s.boot)}));
    EXPECT_TRUE(s.lines().contains(QStringLiteral("合计7501.00")));
}

TEST(CgjhPrint, OneDialogForCopiesAndACancelledDialogPrintsNothing)
{
    PrintShop s;
    const QString djh = s.shop.receipt().line(s.sandal, 80, {{"39", "黑色", 1}}).post();
    const CgjhPrintBill bill = s.bill(djh, QStringLiteral("80"), 80);

    EXPECT_TRUE(printDj(bill, 3));
    EXPECT_EQ(s.jobs.size(), 1);
    EXPECT_EQ(pdfPages(s.pdf).size(), 3);

    QFile::remove(s.pdf);
    s.confirm = false;
    EXPECT_FALSE(printDj(bill, 2));
    EXPECT_EQ(s.jobs.size(), 2);
    EXPECT_FALSE(QFile::exists(s.pdf));
    EXPECT_FALSE(DataModule->Q_GoodsPrin->isOpen());

    // A bill without lines shows no dialog.
    s.confirm = true;
    EXPECT_FALSE(printDj(s.bill(QStringLiteral("CJ130528019999"), QStringLiteral("0"), 0), 1));
    previewDj(s.bill(QStringLiteral("CJ130528019999"), QStringLiteral("0"), 0));
    EXPECT_EQ(s.jobs.size(), 2);

    // A missing template prints an empty page and breaks nothing.
    QTemporaryDir empty;
    Report::setReportDir(empty.path());
    EXPECT_TRUE(printDj(bill, 1));
    EXPECT_EQ(pdfPages(s.pdf).size(), 1);
    EXPECT_FALSE(s.text().contains(QStringLiteral("凉鞋")));
}

TEST(CgjhPrint, LinesWithoutSizeAndColourRowsPrintNothingAndZeroTotals)
{
    PrintShop s;
    const QString djh =
        s.shop.receipt().plainLine(s.sandal, 80, 2).plainLine(s.boot, 50, 1).paid(0).post();
    previewDj(s.bill(djh, QStringLiteral("210"), 0));
    EXPECT_EQ(s.jobs, QList<ReportJob::Kind>{ReportJob::Kind::Preview});
    const QString t = s.text();
    EXPECT_FALSE(t.contains(QStringLiteral("凉鞋")));
    EXPECT_FALSE(t.contains(QStringLiteral("靴子")));
    EXPECT_TRUE(s.lines().contains(QStringLiteral("合计00.00")));
    EXPECT_TRUE(t.contains(QStringLiteral("贰佰壹拾元整")));
}

TEST(CgjhPrint, PendingBillTakesItsValuesFromThePendingTables)
{
    PrintShop s;
    const QString cm39 = selectValue(QStringLiteral("select cm_sn from jxc_cm where cm_name='39'"));
    const QString black = selectValue(QStringLiteral("select color_sn from jxc_color where color_name='黑色'"));
    const QString djh = QStringLiteral("CJ130527010001");
    const SqlParams header{{QString(), djh}, {QString(), s.shop.handlerSn()}};
    execSql(QStringLiteral("insert into jxc_shdj(gl_djh,ghs_sn,ck_sn,sh_rq,sh_yfje,sh_sfje,u_sn,sh_note,a_name) "
                           "values(?,'100001','100001','2013-05-27',160,100.5,?,'待审''核','张三')"),
            header);
    const qint64 line = appendRow(QStringLiteral("jxc_shsp"), {{"gl_djh", djh}, {"g_sn", s.sandal}, {"sh_dj", 40},
                                                              {"sh_sl", 4}, {"sh_zje", 160}, {"a_name", "张三"}});
    appendRow(QStringLiteral("jxc_shspmx"), {{"gl_djh", djh}, {"g_sn", s.sandal}, {"cm_sn", cm39},
                                             {"color_sn", black}, {"t_sl", 4}, {"tid", line}});

    const BillPrint p = cgjhPendingPrint(djh);
    EXPECT_EQ(p.templateFile, QStringLiteral("cgjh.fr3"));
    const QList<BillVariable> expected{
        {"ghsName", "普通供货商"}, {"ghsLxr", "李经理"},      {"ghsTele", "13800001111"},  {"ghsAddress", "瓯海区工业园"},
        {"ckName", "主仓库"},      {"jhDate", "2013-05-27"}, {"Note", "待审'核"},         {"uName", "李采购"},
        {"yf", "壹佰陆拾元整"},    {"sf", "壹佰元伍角"}};
    EXPECT_EQ(p.variables, expected);

    // A pending bill whose handler has since been deleted still prints its own values.
    execSql(QStringLiteral("delete from jxc_user where u_sn=?"), {{QString(), s.shop.handlerSn()}});
    const BillPrint orphan = cgjhPendingPrint(djh);
    EXPECT_TRUE(orphan.variables.contains(BillVariable{"uName", ""}));
    EXPECT_TRUE(orphan.variables.contains(BillVariable{"Note", "待审'核"}));

    previewPendingDj(djh);
    const QString t = s.text();
    for (const char* printed : {"松岩鞋店", "CJ130527010001", "开单日期：2013-05-27", "待审'核",
                                "壹佰陆拾元整", "操作员：张三"}) {
        SCOPED_TRACE(printed);
        EXPECT_TRUE(t.contains(QString::fromUtf8(printed)));
    }
    EXPECT_EQ(s.lines().filter(QStringLiteral("凉鞋")), QStringList{QStringLiteral("1凉鞋%1双黑色3940.004160.00").arg(s.sandal)});
}

TEST(CgjhPrint, PrintAfterPostingSettings)
{
    const QString saved = csDjzddy;
    const std::pair<const char*, bool> settings[] = {{"0", false}, {"False", false}, {"1", true}, {"True", true}};
    for (const auto& [setting, prints] : settings) {
        csDjzddy = QString::fromUtf8(setting);
        EXPECT_EQ(printAfterPosting(), prints) << setting;
    }
    csDjzddy = saved;

    const std::pair<const char*, int> cases[] = {{"3", 3}, {" 2 ", 2}, {"1", 1}, {"0", 1}, {"-2", 1},
                                                 {"2.5", 1}, {"abc", 1}, {"", 1}};
    for (const auto& [setting, copies] : cases)
        EXPECT_EQ(printCopies(QString::fromUtf8(setting)), copies) << setting;
}
