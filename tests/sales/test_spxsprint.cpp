// Printing of sales bills: a posted bill printed to PDF with its variables, amounts in
// capitals, one row per size and colour row and a row for a line without them; one dialog for
// several copies; a pending bill by its number.
#include "data/datamodule.h"
#include "data/namedquery.h"
#include "data/settings.h"
#include "platform/report.h"
#include "platform/test_report_support.h"
#include "sales/spxsprint.h"
#include "support/shop.h"

#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

static void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace {

QString squeeze(QString s)
{
    return s.remove(QRegularExpression(QStringLiteral("\\s+")));
}

// A shop with the company's and the default customer's particulars, the shipped templates and
// a print dialog that writes to a PDF file.
struct PrintShop {
    Shop shop;
    QString sandal = shop.goods("凉鞋", {"39", "40"}, {"黑色"});
    QString slipper = shop.goods("拖鞋", {}, {});
    QTemporaryDir dir;
    QString pdf = dir.filePath(QStringLiteral("bill.pdf"));
    QList<ReportJob::Kind> jobs;

    PrintShop()
    {
        companyName = QStringLiteral("松岩鞋店");
        execSql(QStringLiteral("update jxc_khxx set kh_lxr='赵老板',kh_tele='13900002222',kh_address='龙湾区永中街' "
                               "where kh_sn='100001'"));
        Report::setReportDir(shippedReportDir());
        setReportInterceptor([this](ReportJob& job) {
            jobs.append(job.kind);
            if (job.kind == ReportJob::Kind::Preview)
                job.report->exportPdf(pdf);
            else if (job.printer) {
                job.printer->setOutputFormat(QPrinter::PdfFormat);
                job.printer->setOutputFileName(pdf);
            }
            return true;
        });
    }
    ~PrintShop()
    {
        setReportInterceptor({});
        Report::setReportDir(QString());
        companyName.clear();
    }
    QString text() const { return squeeze(pdfText(pdf)); }
    QStringList lines() const
    {
        QStringList out;
        for (const QString& l : pdfText(pdf, {QStringLiteral("-layout")}).split(QLatin1Char('\n')))
            out << squeeze(l);
        return out;
    }
};

TEST(SpxsPrint, BillPrintsItsVariablesAndItsBarcodeLines)
{
    PrintShop s;
    const QString djh = s.shop.sale()
                            .line(s.sandal, 150, {{"39", "黑色", 1}, {"40", "黑色", 2}}, 0.8)
                            .plainLine(s.slipper, 10, 4)
                            .received(300.5)
                            .post();
    const SpxsPrintBill bill{djh, QStringLiteral("100001"), QStringLiteral(" 普通客户 "), QStringLiteral("主仓库"),
                             QStringLiteral("2013-05-28"), QStringLiteral("O'Brien's [急]"), QStringLiteral("李采购"),
                             QStringLiteral("400"), Money::fromDouble(300.5)};
    ASSERT_TRUE(printSpxs(bill, 2));
    EXPECT_EQ(s.jobs, QList<ReportJob::Kind>{ReportJob::Kind::Print});  // one dialog for both copies
    EXPECT_EQ(pdfPages(s.pdf).size(), 2);
    EXPECT_FALSE(DataModule->Q_GoodsPrin->isOpen());
    const QString t = s.text();
    for (const char* expected : {"商品销售单", "单号：" "XS130528010001", "客户名称：普通客户", "联系人：赵老板",
                                 "联系电话：13900002222", "联系地址：龙湾区永中街", "仓库名称：主仓库", "开单日期：2013-05-28",
                                 "经办人：李采购", "备注：O'Brien's[急]", "应付金额：肆佰元整", "实付金额：叁佰元伍角"}) {
        SCOPED_TRACE(expected);
        EXPECT_TRUE(t.contains(QString::fromUtf8(expected)));
    }
    // One row per size and colour row at the discounted price; the barcode line prints once (on
    // each copy).
    const QStringList copy{QStringLiteral("1凉鞋%1双黑色39150.000.801120.00").arg(s.sandal),
                           QStringLiteral("2凉鞋%1双黑色40150.000.802240.00").arg(s.sandal),
                           QStringLiteral("3拖鞋%1双10.001.00440.00").arg(s.slipper)};
    EXPECT_EQ(s.lines().filter(QRegularExpression(QStringLiteral("凉鞋|拖鞋"))), copy + copy);
    EXPECT_TRUE(s.lines().contains(QStringLiteral("合计7400.00")));
}

TEST(SpxsPrint, PendingBillTakesItsValuesFromThePendingTables)
{
    PrintShop s;
    const QString djh = QStringLiteral("XS130527010001");
    execSql(QStringLiteral("insert into jxc_shdj(gl_djh,ghs_sn,ck_sn,sh_rq,sh_yfje,sh_sfje,u_sn,sh_note,a_name) "
                           "values(?,'100001','100001','2013-05-27',90,50,?,'待审''核','张三')"),
            {{QString(), djh}, {QString(), s.shop.handlerSn()}});
    appendRow(QStringLiteral("jxc_shsp"), {{"gl_djh", djh}, {"g_sn", s.slipper}, {"sh_dj", 50}, {"sh_sl", 2},
                                           {"sh_dzl", 0.9}, {"sh_zje", 90}, {"a_name", "张三"}});
    const BillPrint p = spxsPendingPrint(djh);
    EXPECT_EQ(p.templateFile, QStringLiteral("spxs.fr3"));
    const QList<BillVariable> expected{
        {"khName", "普通客户"}, {"khLxr", "赵老板"},      {"khTele", "13900002222"}, {"khAddress", "龙湾区永中街"},
        {"ckName", "主仓库"},   {"jhDate", "2013-05-27"}, {"Note", "待审'核"},       {"uName", "李采购"},
        {"yf", "玖拾元整"},     {"sf", "伍拾元整"}};
    EXPECT_EQ(p.variables, expected);
    previewPendingSpxs(djh);
    EXPECT_EQ(s.lines().filter(QStringLiteral("拖鞋")), QStringList{QStringLiteral("1拖鞋%1双50.000.90290.00").arg(s.slipper)});
}

}  // namespace
