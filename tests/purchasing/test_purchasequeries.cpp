// The purchase document query and the purchase statistics by goods and by salesman: returns
// negative beside receipts, the in-grid filters, the search dialog's answer, the detail viewer
// link, net quantities per goods, the period's ends, the category totals and the salesman
// statistics' bill kinds.
#include "data/datamodule.h"
#include "data/globals.h"
#include "platform/datagrid.h"
#include "platform/msgbox.h"
#include "purchasing/cgth_zdth_search.h"
#include "purchasing/jthcx.h"
#include "purchasing/purchasequery.h"
#include "purchasing/purchasing.h"
#include "purchasing/spcgtj.h"
#include "purchasing/ywycgtj.h"
#include "shell/commands.h"
#include "support/shop.h"
#include "support/windowregistry.h"

#include <QDateEdit>
#include <QLineEdit>
#include <QTabWidget>

#include <gtest/gtest.h>

namespace {

QString column(DataGrid* g, const char* field)
{
    QStringList out;
    for (int r = 0; r < g->rowCount(); ++r)
        out << g->value(g->sourceRow(r), QLatin1String(field));
    return out.join(u' ');
}

int count(const QString& sql)
{
    return openSelect(sql).rowCount();
}

class PurchaseQueries : public ::testing::Test {
protected:
    PurchaseQueries() { MsgScript::reset(); }
    ~PurchaseQueries() override { TF_Form::clearScripts(); }

    Shop shop;
    ScopedWindows windows{[] { registerPurchasingWindows(); }};
    int menCat = shop.category("男鞋");
    QString sandal = shop.goods("凉鞋", {"39", "40"}, {"黑色"}, 70, menCat);
    QString boot = shop.goods("靴子", {"38"}, {"棕色"}, 40);
    QString receipt = shop.receipt()
                          .line(sandal, 80, {{"39", "黑色", 6}, {"40", "黑色", 4}})
                          .line(boot, 50, {{"38", "棕色", 2}})
                          .post();
    QString ret = shop.purchaseReturn().line(sandal, 80, {{"39", "黑色", 3}}).received(240).post();
};

TEST_F(PurchaseQueries, DocumentQueryShowsReturnsNegativeFiltersAndPreviewsBySizeColourRow)
{
    QString detailSeen;
    registerWindow(QStringLiteral("TF_Detail"), [&](const QString&) {
        detailSeen = detailTable + "/" + curGoodsSn + "/" + paramValue;
    });
    TF_Form::scriptNextOpening(QStringLiteral("TF_Jthcx"), [&](TF_Form* w) {
        auto* f = static_cast<TF_Jthcx*>(w);
        EXPECT_EQ(column(f->gridJhd, "djh"), receipt + " " + ret);  // on one date receipts first
        EXPECT_EQ(column(f->gridJhd, "yfje"), "900 -240");
        EXPECT_EQ(column(f->gridJhd, "wfje"), "0 0");
        f->gridJhd->setCurrentRow(1);
        EXPECT_EQ(column(f->gridJhsp, "gl_sl") + "/" + column(f->gridJhsp, "gl_zje"), "-3/-240");
        f->detailClick();
        EXPECT_TRUE(detailSeen.startsWith("jxc_thspmx/" + sandal + "/")) << detailSeen.toStdString();
        EXPECT_TRUE(detailTable.isEmpty() && paramValue.isEmpty());

        f->filterPopUpMenu(QStringLiteral("CT"), QStringLiteral("0"));
        EXPECT_EQ(column(f->gridJhd, "djh"), ret);
        f->filterPopUpMenu(QString(), QStringLiteral("0"));
        EXPECT_EQ(f->gridJhd->rowCount(), 2);
        f->filterPopUpMenu(QString(), QStringLiteral("1"));
        EXPECT_EQ(f->gridJhd->rowCount(), 0);

        // Hostile text finds nothing and breaks nothing.
        f->tKey->setText(QStringLiteral("x' or '1'='1"));
        f->btnQueryClick();
        EXPECT_EQ(f->gridJhd->rowCount(), 0);
    });
    ensureForm(F_Jthcx)->showModalForm();

    // One preview row per size and colour row; other numbers preview nothing.
    EXPECT_EQ(count(postedPurchasePrint(receipt)->linesSql), 3);
    EXPECT_EQ(count(postedPurchasePrint(ret)->linesSql), 1);
    EXPECT_FALSE(postedPurchasePrint(QStringLiteral("XS0001")).has_value());
}

TEST_F(PurchaseQueries, SearchDialogAnswerSetsPeriodSupplierAndWarehouse)
{
    const QString other = shop.warehouse("二号仓");
    TF_Form::scriptNextOpening(QStringLiteral("TF_Cgth_Zdth_Search"), [&](TF_Form* w) {
        auto* d = static_cast<TF_Cgth_Zdth_Search*>(w);
        d->tGhs->setText(QStringLiteral("普通供货商"));
        d->date1->setDate(QDate(2013, 5, 1));
        d->btnOKClick();
    });
    auto answer = runZdthSearch(QStringLiteral("cgth_zdth"));
    ASSERT_TRUE(answer.has_value());
    EXPECT_EQ(answer->d1 + "/" + answer->d2 + "/" + answer->supplier, "2013-05-01/2013-05-28/普通供货商");
    EXPECT_EQ(answer->ckSn + "/" + answer->opName, "-1/所有操作员");
    EXPECT_TRUE(detailTable.isEmpty());

    TF_Form::scriptNextOpening(QStringLiteral("TF_Cgth_Zdth_Search"), [](TF_Form* w) { w->close(); });
    EXPECT_FALSE(runZdthSearch(QStringLiteral("cgth_zdth")).has_value());

    JthcxFilter f{QString(), "2013-05-01", "2013-05-28", {}};
    f.extra.set(other, QStringLiteral("所有操作员"));
    EXPECT_EQ(count(jthcxDocumentsSql(f)), 0);
    f.extra.set(QStringLiteral("-1"), QStringLiteral("所有操作员"));
    EXPECT_EQ(count(jthcxDocumentsSql(f)), 2);
}

TEST_F(PurchaseQueries, GoodsStatisticsAreNetOfReturnsAndKeepThePeriodEnds)
{
    SpcgtjFilter f{.d1 = "2013-05-28", .d2 = "2013-05-28"};
    EXPECT_EQ(count(spcgtjLinesSql(f)), 3);
    const ResultSet goods = openSelect(spcgtjGoodsSql(f));
    ASSERT_EQ(goods.rowCount(), 2);
    EXPECT_EQ(goods.text(0, "g_sn") == sandal ? goods.text(0, "sl") : goods.text(1, "sl"), "7");
    f.d1 = f.d2 = "2013-05-27";
    EXPECT_EQ(count(spcgtjLinesSql(f)), 0);

    // The key and the dialog's filters leave the category totals alone; a category takes its own goods.
    f = {.d1 = "2013-05-01", .d2 = "2013-05-31", .key = "靴子", .kind = "退货单"};
    EXPECT_EQ(count(spcgtjGoodsSql(f)), 0);
    EXPECT_EQ(count(spcgtjClassSql(f)), 2);
    f.gcSn = openSelect(QStringLiteral("select gc_sn from jxc_goodsclass where gc_cid=?"), {{QString(), QString::number(menCat)}})
                 .text(0, "gc_sn");
    const ResultSet cls = openSelect(spcgtjClassSql(f));
    ASSERT_EQ(cls.rowCount(), 1);
    EXPECT_EQ(cls.text(0, "gcname") + "/" + cls.text(0, "sl"), "男鞋/7");

    TF_Form::scriptNextOpening(QStringLiteral("TF_Spcgtj"), [](TF_Form* w) {
        auto* s = static_cast<TF_Spcgtj*>(w);
        EXPECT_EQ(s->gridList->rowCount(), 3);
        s->tabs->setCurrentIndex(3);
        EXPECT_EQ(s->gridClass->rowCount(), 2);
    });
    ensureForm(F_Spcgtj)->showModalForm();
}

// The goods totals test the category once per goods and the dialog's supplier per row.
TEST_F(PurchaseQueries, GoodsTotalsTakeTheDialogsSupplierPerRowAndTheCategoryPerGoods)
{
    const QString far = shop.supplier(QStringLiteral("远方鞋业"));
    shop.receipt().supplier(far).line(boot, 50, {{"38", "棕色", 5}}).line(sandal, 80, {{"40", "黑色", 1}}).post();
    const QString men =
        openSelect(QStringLiteral("select gc_sn from jxc_goodsclass where gc_cid=?"), {{QString(), QString::number(menCat)}})
            .text(0, "gc_sn");
    const auto totals = [&](const SpcgtjFilter& f) {
        const ResultSet rs = openSelect(spcgtjGoodsSql(f));
        QStringList out;
        for (int r = 0; r < rs.rowCount(); ++r)
            out << (rs.text(r, "g_sn") == sandal ? "sandal" : "boot") + QStringLiteral(":") + rs.text(r, "sl");
        return out.join(u' ');
    };
    const QString bootFirst = boot < sandal ? "boot:%1 sandal:%2" : "sandal:%2 boot:%1";
    const struct {
        SpcgtjFilter filter;
        QString expected;
    } cases[] = {
        {{.d1 = "2013-05-01", .d2 = "2013-05-31"}, bootFirst.arg("7", "8")},
        {{.d1 = "2013-05-01", .d2 = "2013-05-31", .ghsText = "远方"}, bootFirst.arg("5", "1")},
        {{.d1 = "2013-05-01", .d2 = "2013-05-31", .ghsSn = far, .ghsText = "普通"}, bootFirst.arg("5", "1")},
        {{.d1 = "2013-05-01", .d2 = "2013-05-31", .gcSn = men}, "sandal:8"},
        {{.d1 = "2013-05-01", .d2 = "2013-05-31", .gcSn = men, .ghsText = "远方"}, "sandal:1"},
        {{.d1 = "2013-05-01", .d2 = "2013-05-31", .ghsText = "x' or '1'='1"}, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(totals(c.filter), c.expected) << c.filter.ghsText.toStdString() << "/" << c.filter.gcSn.toStdString();
}

// The year's totals read the index of the purchase rows alone, whatever the filters ask, also
// in a database that was never analysed.
TEST_F(PurchaseQueries, TotalsReadOnlyThePurchaseIndex)
{
    const SpcgtjFilter f{.d1 = "2013-01-01", .d2 = "2013-12-31", .gcSn = "1", .key = "鞋", .ghsText = "供",
                         .uName = "张三", .kind = "进货单", .ckSn = "100001"};
    const YwycgtjFilter y{.d1 = "2013-01-01", .d2 = "2013-12-31", .boxName = "张三", .ghsSn = "100001",
                          .kind = "退货单", .ckSn = "100001"};
    for (const QString& sql : {spcgtjGoodsSql(f), spcgtjClassSql(f), ywycgtjGoodsSql(y)}) {
        const ResultSet plan = openSelect(QStringLiteral("explain query plan ") + sql);
        QStringList steps;
        for (int r = 0; r < plan.rowCount(); ++r)
            steps << plan.text(r, 3);
        EXPECT_TRUE(steps.join(u'|').contains(QStringLiteral("USING COVERING INDEX ix_jxc_goodslist_purchases")))
            << steps.join(u'|').toStdString();
    }
}

TEST_F(PurchaseQueries, SalesmanStatisticsListBillsAndPaymentsByKind)
{
    execSql(QStringLiteral("insert into jxc_ghsfk (gf_sn,gf_fkrq,gf_fkfs,gf_fkje,gf_je,u_sn,a_name,ghs_sn) "
                           "select 'GF0001','2013-05-28','现金',-56,56,?,'admin',ghs_sn from jxc_jhd where j_sn=?"),
            {{QString(), shop.handlerSn()}, {QString(), receipt}});
    YwycgtjFilter f{.d1 = "2013-05-01", .d2 = "2013-05-31"};
    const ResultSet all = openSelect(ywycgtjBillsSql(f));
    EXPECT_EQ(all.rowCount(), 3);
    f.kind = "付款单";
    const ResultSet pay = openSelect(ywycgtjBillsSql(f));
    ASSERT_EQ(pay.rowCount(), 1);
    EXPECT_EQ(pay.text(0, "yfje") + "/" + pay.text(0, "sfje") + "/" + pay.text(0, "zflx"), "56/0/现金");
    f.kind.clear();
    f.ckSn = openSelect(QStringLiteral("select ck_sn from jxc_jhd where j_sn=?"), {{QString(), receipt}}).text(0, "ck_sn");
    EXPECT_EQ(count(ywycgtjBillsSql(f)), 2);
    EXPECT_TRUE(ywycgtjBillLinesSql(QStringLiteral("GF0001")).isEmpty());
    EXPECT_EQ(count(ywycgtjBillLinesSql(receipt)), 2);
    f.kind = "退货单";
    EXPECT_EQ(count(ywycgtjGoodsSql(f)), 1);
}

}  // namespace
