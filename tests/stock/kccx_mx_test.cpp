// The ledger of one goods: kinds in order, transfers as two rows, identical lines counted twice,
// the document filter, the stock per warehouse and the preview of a receipt from its template.
#include "bills/billprint.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/namedquery.h"
#include "platform/codecombo.h"
#include "platform/datagrid.h"
#include "platform/msgbox.h"
#include "platform/report.h"
#include "platform/reporttemplate.h"
#include "stock/kccx_mx.h"
#include "stock/stock.h"
#include "support/shop.h"
#include "support/windowregistry.h"

#include <QAction>
#include <QDateEdit>
#include <QFileInfo>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

class LedgerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        w2 = shop.warehouse(QStringLiteral("二号仓"));
        shoe = shop.goods(QStringLiteral("跑鞋"), {QStringLiteral("40")}, {QStringLiteral("黑色")});
        customer = shop.customer(QStringLiteral("零售客户"));
    }
    void TearDown() override
    {
        setReportInterceptor({});
        Report::setReportDir(QString());
        curGoodsSn.clear();
        MsgScript::reset();
    }

    // A sale on `date` with two identical lines of 1, and a transfer of 5 to warehouse 2.
    void sellAndTransfer(const QString& date)
    {
        appendRow(QStringLiteral("jxc_lsxsd"), {{QStringLiteral("gl_djh"), QStringLiteral("XS201305280001")},
                                                {QStringLiteral("kh_sn"), customer},
                                                {QStringLiteral("ck_sn"), w1},
                                                {QStringLiteral("u_sn"), shop.handlerSn()},
                                                {QStringLiteral("ls_xsrq"), date + QStringLiteral(" 15:00:00")}});  // a till sale
        for (int i = 0; i < 2; ++i)
            appendRow(QStringLiteral("jxc_lsxssp"), {{QStringLiteral("gl_djh"), QStringLiteral("XS201305280001")},
                                                     {QStringLiteral("g_sn"), shoe},
                                                     {QStringLiteral("ls_sl"), 1},
                                                     {QStringLiteral("ls_dj"), 90}});
        appendRow(QStringLiteral("jxc_kcdbd"), {{QStringLiteral("gl_djh"), QStringLiteral("DB201305280001")},
                                                {QStringLiteral("ck_out"), w1},
                                                {QStringLiteral("ck_in"), w2},
                                                {QStringLiteral("u_sn"), shop.handlerSn()},
                                                {QStringLiteral("db_dbrq"), date}});
        appendRow(QStringLiteral("jxc_dbsp"), {{QStringLiteral("gl_djh"), QStringLiteral("DB201305280001")},
                                               {QStringLiteral("g_sn"), shoe},
                                               {QStringLiteral("db_sl"), 5}});
    }

    static QStringList column(DataGrid* grid, const char* field)
    {
        QStringList out;
        for (int i = 0; i < grid->rowCount(); ++i)
            out << grid->value(grid->sourceRow(i), QLatin1String(field));
        return out;
    }

    void withLedger(const std::function<void(TF_Kccx_Mx*)>& script)
    {
        curGoodsSn = shoe;
        bool ran = false;
        TF_Form::scriptNextOpening(QStringLiteral("F_Kccx_Mx"), [&](TF_Form* f) {
            ran = true;
            script(static_cast<TF_Kccx_Mx*>(f));
        });
        ensureForm(F_Kccx_Mx)->showModalForm();
        EXPECT_TRUE(ran);
    }

    Shop shop;
    ScopedWindows windows{registerStockWindows};
    const QString w1 = QStringLiteral("100001");
    QString w2, shoe, customer;
};

TEST_F(LedgerTest, KindsInOrderTransfersTwiceAndIdenticalLinesCountTwice)
{
    // The sale is entered first, the receipt of the same day still comes first.
    sellAndTransfer(QStringLiteral("2013-05-28"));
    const QString receipt = shop.receipt().line(shoe, 50, {{QStringLiteral("40"), QStringLiteral("黑色"), 8}}).post();

    withLedger([&](TF_Kccx_Mx* w) {
        EXPECT_EQ(column(w->cxGrid1, "djh"), (QStringList{receipt, "XS201305280001", "XS201305280001",
                                                          "DB201305280001", "DB201305280001"}));
        const QString transfer = QStringLiteral("从(") +
                                 selectValue(QStringLiteral("select ck_name from jxc_ckxx where ck_sn=?"), {{QString(), w1}}) +
                                 QStringLiteral(")调拨到(二号仓)");
        EXPECT_EQ(column(w->cxGrid1, "dnote"), (QStringList{"进货入库", "销售出库", "销售出库", transfer, transfer}));
        EXPECT_EQ(column(w->cxGrid1, "cksl"), (QStringList{"0", "1", "1", "5", "0"}));
        EXPECT_EQ(column(w->cxGrid1, "rksl"), (QStringList{"8", "0", "0", "0", "5"}));
        EXPECT_EQ(column(w->cxGrid1, "ck_sn"), (QStringList{w1, w1, w1, w1, w2}));
        EXPECT_EQ(w->cxGrid1->footerText(QStringLiteral("cksl")), QStringLiteral("7"));
        // The lower grid: every warehouse with a stock row, whatever the filters.
        EXPECT_EQ(w->cxGrid2->rowCount(), 1);

        w->comCk->setCurrentIndex(w->comCk->indexOfCode(w2));
        w->btnQuery->click();
        EXPECT_EQ(column(w->cxGrid1, "rksl"), QStringList{"5"});
        EXPECT_EQ(w->cxGrid2->rowCount(), 1);

        w->comCk->setCurrentIndex(0);
        w->btnQuery->click();
        w->PopupFilter->findChild<QAction*>(QStringLiteral("N_FilterDB"))->trigger();
        EXPECT_EQ(w->cxGrid1->rowCount(), 2);
        w->PopupFilter->findChild<QAction*>(QStringLiteral("N_FilterAll"))->trigger();
        EXPECT_EQ(w->cxGrid1->rowCount(), 5);

        // The period: nothing before the first date.
        w->date1->setDate(QDate(2013, 5, 29));
        w->date2->setDate(QDate(2013, 5, 31));
        w->btnQuery->click();
        EXPECT_EQ(w->cxGrid1->rowCount(), 0);
        w->btnView->click();  // an empty list previews nothing
    });
}

TEST_F(LedgerTest, ReceiptPreviewUsesItsTemplateAndKeepsLinesWithoutSizes)
{
    const QString receipt = shop.receipt()
                                .line(shoe, 50, {{QStringLiteral("40"), QStringLiteral("黑色"), 2}})
                                .plainLine(shoe, 40, 3)
                                .post();
    Report::setReportDir(QStringLiteral(JXC_SOURCE_DIR "/report"));
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("cj.pdf"));
    QStringList lines;
    int previews = 0;
    setReportInterceptor([&](ReportJob& job) {
        ++previews;
        EXPECT_FALSE(job.report->layout().bands.isEmpty());  // the receipt template was found
        EXPECT_EQ(reportUnquote(job.report->variable(QStringLiteral("ghsName"))),
                  selectValue(QStringLiteral("select ghs_name from jxc_ghsxx where ghs_sn='100001'")));
        const NamedQuery* q = DataModule->Q_GoodsPrin;
        for (int r = 0; r < q->rowCount(); ++r)
            lines << q->value(r, QStringLiteral("t_sl")) + u'|' + q->value(r, QStringLiteral("cm_name")) + u'|' +
                         q->value(r, QStringLiteral("zje"));
        EXPECT_TRUE(job.report->exportPdf(pdf));
        return false;
    });
    withLedger([&](TF_Kccx_Mx* w) {
        ASSERT_EQ(w->cxGrid1->rowCount(), 2);
        w->cxGrid1->setCurrentRow(0);
        w->btnView->click();
        EXPECT_EQ(w->cxGrid1->value(0, QStringLiteral("djh")), receipt);
    });
    EXPECT_EQ(previews, 1);
    EXPECT_EQ(lines, (QStringList{"2|40|100", "3||120"}));
    EXPECT_GT(QFileInfo(pdf).size(), 0);

    BillPrint other;
    EXPECT_FALSE(ledgerDocument(QStringLiteral("ZZ1"), QString(), QString(), QString(), other));
}

TEST(StockShippedTemplate, SplitDocumentIsTheLayout)
{
    const QString path = QStringLiteral(JXC_SOURCE_DIR "/report/cfd.fr3");
    if (qEnvironmentVariableIsSet("JXC_WRITE_TEMPLATES"))
        cfdLayout().save(path);
    ReportTemplate t;
    ASSERT_TRUE(t.load(path));
    EXPECT_TRUE(t == cfdLayout());
}

}  // namespace
