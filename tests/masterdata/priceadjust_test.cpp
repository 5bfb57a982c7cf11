// Price adjustment (the change with its log line, the refusals, the preview of each kind of
// customer, the window with its dialog and log tab) and the average cost correction.
#include "adjusttest.h"

#include "data/values.h"
#include "masterdata/priceadjust.h"
#include "masterdata/spjjxg.h"
#include "masterdata/spjjxg_modi.h"
#include "masterdata/sptj.h"
#include "masterdata/spxxgl_tj.h"
#include "platform/codecombo.h"
#include "platform/datagrid.h"
#include "support/catalogue.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QToolButton>

using namespace adjusttest;

namespace {

class PriceAdjust : public AdjustTest {
protected:
    void SetUp() override
    {
        AdjustTest::SetUp();
        seedShoeCatalogue();
        goods(QStringLiteral("G1"), QStringLiteral("跑鞋"), 10, 20);
    }
    // The adjustment that changes nothing of G1 as stored.
    static PriceAdjustment unchanged()
    {
        PriceAdjustment a;
        a.gSn = QStringLiteral("G1");
        a.purchasePrice = Money::fromText(QStringLiteral("10"));
        a.salePrice = Money::fromText(QStringLiteral("20"));
        a.discount = Money::fromText(QStringLiteral("1"));
        a.periodStart = QDateTime(QDate(2013, 5, 28), QTime(0, 0));
        a.periodEnd = QDateTime(QDate(2013, 6, 30), QTime(23, 59));
        return a;
    }
    static QString goodsField(const char* column)
    {
        return value(QStringLiteral("select %1 from jxc_goods where g_sn='G1'").arg(QLatin1String(column)));
    }
};

TEST_F(PriceAdjust, EachSaveLogsItsChangePieceByPieceWithTheOperator)
{
    const struct {
        const char* name;
        std::function<void(PriceAdjustment&)> change;
        const char* description;
    } cases[] = {
        {"nothing", [](PriceAdjustment&) {}, ""},
        {"prices and rate",
         [](PriceAdjustment& a) {
             a.purchasePrice = Money::fromText(QStringLiteral("12.5"));
             a.salePrice = Money::fromText(QStringLiteral("25"));
             a.discount = Money::fromText(QStringLiteral("0.9"));
         },
         "\"预设进价\"由\"10\"调为\"12.5\";\"预设售价\"由\"20\"调为\"25\";\"折扣率\"由\"1\"调为\"0.9\";"},
        {"disabled", [](PriceAdjustment& a) { a.disabled = true; }, "由\"使用\"调为\"停止使用\";"},
        {"special with a period",
         [](PriceAdjustment& a) {
             a.special = true;
             a.specialPrice = Money::fromText(QStringLiteral("15"));
             a.hasPeriod = true;
         },
         "调为\"特价商品\";\"商品特价\"由\"0\"调为\"15\";调为\"有特价期限\";期限从\"2013-05-28 00:00:00\"至\"2013-06-30 "
         "23:59:00\"."},
    };
    for (const auto& c : cases) {
        execSql(QStringLiteral("update jxc_goods set g_jj=10,g_sj=20,g_dzll=1,g_jy=0,g_tjsp=0,g_tj=0,g_hyj=0,g_tjqx=0,"
                               "g_scjj=7,g_pjjj=8 where g_sn='G1'"));
        execSql(QStringLiteral("delete from jxc_sptjb"));
        PriceAdjustment a = unchanged();
        c.change(a);
        ASSERT_EQ(adjustGoodsPrice(a, operatorName), QString()) << c.name;
        const ResultSet log = openSelect(QStringLiteral("select * from jxc_sptjb"));
        ASSERT_EQ(log.rowCount(), 1) << c.name;
        EXPECT_EQ(log.text(0, "tj_nr"), QString::fromUtf8(c.description)) << c.name;
        EXPECT_EQ(log.text(0, "tj_rq"), "2013-05-28 10:00:00");
        EXPECT_EQ(log.text(0, "a_name"), "管理员");
        // The purchase price also becomes the last and average purchase price, even unchanged.
        EXPECT_EQ(goodsField("g_scjj"), goodsField("g_jj")) << c.name;
        EXPECT_EQ(goodsField("g_pjjj"), goodsField("g_jj")) << c.name;
    }
    EXPECT_EQ(goodsField("g_ks"), "2013-05-28 00:00:00");
    EXPECT_EQ(goodsField("g_js"), "2013-06-30 23:59:00");
    EXPECT_EQ(goodsField("g_tj"), "15");

    // Leaving the special price empties its period and prices.
    PriceAdjustment off = unchanged();
    ASSERT_EQ(adjustGoodsPrice(off, operatorName), QString());
    EXPECT_EQ(value(QStringLiteral("select tj_nr from jxc_sptjb order by id desc limit 1")),
              "调为\"非特价商品\";调为\"无特价期限\";");
    EXPECT_EQ(goodsField("g_ks") + goodsField("g_tj") + goodsField("g_hyj"), "00");
}

TEST_F(PriceAdjust, RefusalsWriteNothing)
{
    const struct {
        const char* discount;
        bool special;
        const char* refusal;
    } cases[] = {
        {"0", false, "商品折扣必须大于0！"},
        {"-0.5", false, "商品折扣必须大于0！"},
        {"0.9", true, "商品特价不能为0或负数！"},  // special price and member price both 0
    };
    for (const auto& c : cases) {
        PriceAdjustment a = unchanged();
        a.salePrice = Money::fromText(QStringLiteral("99"));
        a.discount = Money::fromText(QString::fromLatin1(c.discount));
        a.special = c.special;
        a.memberPrice = Money::fromText(QStringLiteral("-1"));
        EXPECT_EQ(adjustGoodsPrice(a, operatorName), QString::fromUtf8(c.refusal)) << c.discount;
    }
    EXPECT_EQ(goodsField("g_sj"), "20");
    EXPECT_EQ(value(QStringLiteral("select count(*) from jxc_sptjb")), "0");
}

TEST_F(PriceAdjust, PreviewFollowsClassDiscountsSingleDiscountsAndSpecialPrices)
{
    execSql(QStringLiteral("update jxc_goods set g_sj=100,g_dzll=0.9 where g_sn='G1'"));
    execSql(QStringLiteral("insert into jxc_hyfl (hl_sn,hl_name,hl_zk) values ('01','普卡',1),('02','金卡',0.8),('03','钻卡',0.7)"));
    execSql(QStringLiteral("insert into jxc_dxdz (g_sn,hl_sn,hl_dxzk) values ('G1','03',0.6)"));
    auto rows = [] {
        buildPricePreview(QStringLiteral("G1"), operatorName);
        const ResultSet rs = openSelect(QStringLiteral("select * from jxc_sptjtmp where a_name=? order by id"),
                                        {{QString(), operatorName}});
        QStringList out;
        for (int r = 0; r < rs.rowCount(); ++r)
            out << QStringList{rs.text(r, "hl_name"), rs.text(r, "sp_zk"), rs.text(r, "sp_dxdz"), rs.text(r, "sp_zzzk"),
                               rs.text(r, "sp_tjsp"), rs.text(r, "sp_zzdj")}
                       .join(u' ');
        return out;
    };
    // The default class 普通会员 (rate 1) comes first.
    EXPECT_EQ(rows(), QStringList({"普通顾客 1 无 0.9 否 90", "普通会员 1 无 0.9 否 90", "普卡 1 无 0.9 否 90", "金卡 0.8 无 0.8 否 80",
                                   "钻卡 0.7 0.6 0.6 否 60"}));

    // A special goods with only a member price: ordinary customers keep the discounted price.
    execSql(QStringLiteral("update jxc_goods set g_tjsp=1,g_tj=0,g_hyj=50 where g_sn='G1'"));
    EXPECT_EQ(rows(), QStringList({"普通顾客 1 无 0.9 否 90", "普通会员 1 无 1 是 50", "普卡 1 无 1 是 50", "金卡 1 无 1 是 50", "钻卡 1 0.6 1 是 50"}));

    // Another operator's preview is left alone; a goods that is gone previews nothing.
    execSql(QStringLiteral("insert into jxc_sptjtmp (a_name,hl_name) values ('店员','x')"));
    buildPricePreview(QStringLiteral("nope"), operatorName);
    EXPECT_EQ(value(QStringLiteral("select group_concat(a_name) from jxc_sptjtmp")), "店员");
}

TEST_F(PriceAdjust, WindowAdjustsTheFocusedGoodsWithF2AndShowsItsLog)
{
    goods(QStringLiteral("G2"), QStringLiteral("凉鞋"), 30, 60);
    openScripted<TF_Sptj>(F_Sptj, [](TF_Sptj* w) {
        ASSERT_EQ(w->cxGrid1->rowCount(), 2);  // the discount balancing item is not listed
        EXPECT_EQ(w->cxGrid2->rowCount(), 2);  // the preview of the first goods: ordinary customers, 普通会员
        w->cxGrid1->setCurrentRow(1);
        w->PageControl1->setCurrentIndex(1);  // F2 adjusts from either tab
        onNextOpening<TF_Spxxgl_Tj>("F_Spxxgl_Tj", [](TF_Spxxgl_Tj* d) {
            EXPECT_EQ(d->tsn->text(), "G2");
            EXPECT_EQ(d->tsj->text(), "60.00");
            EXPECT_FALSE(d->ttj->isEnabled());
            d->tdzll->setText(QStringLiteral("0"));
            QTest::keyClick(d->tsj, Qt::Key_F5);
            EXPECT_TRUE(d->isVisible());
            d->tdzll->setText(QStringLiteral("1"));
            d->tsj->setText(QStringLiteral("66"));
            QTest::keyClick(d->tsj, Qt::Key_F5);
            EXPECT_FALSE(d->isVisible());
        });
        QTest::keyClick(w->cxGrid1, Qt::Key_F2);
        EXPECT_EQ(w->cxGrid1->value(w->cxGrid1->currentRow(), "g_sj"), "66");
        EXPECT_EQ(curGoodsSn, "");

        // "该商品调价记录": this month's adjustments of the focused goods.
        w->PageControl1->setCurrentIndex(0);
        w->N_Record->trigger();
        EXPECT_EQ(w->PageControl1->currentIndex(), 1);
        ASSERT_EQ(w->cxGrid3->rowCount(), 1);
        EXPECT_EQ(w->cxGrid3->value(0, "tj_nr"), "\"预设售价\"由\"60\"调为\"66\";");
    });
    EXPECT_EQ(boxes(), QStringList({"商品折扣必须大于0！"}));
}

// ---- Average cost correction ------------------------------------------------------------------

TEST_F(PriceAdjust, CostCorrectionWritesOnlyTheCostOfThatWarehouseRow)
{
    goods(QStringLiteral("G2"), QStringLiteral("停用鞋"), 30, 60);
    execSql(QStringLiteral("update jxc_goods set g_jy=1 where g_sn='G2'"));
    execSql(QStringLiteral("insert into jxc_ckxx (ck_sn,ck_name) values ('100002','二号库')"));
    execSql(QStringLiteral("insert into jxc_kcsp (g_sn,ck_sn,kc_sl,kc_cbj) values ('G1','100001',5,10),('G1','100002',3,0),"
                           "('G2','100001',1,0)"));
    openScripted<TF_Spjjxg>(F_Spjjxg, [](TF_Spjjxg* w) {
        ASSERT_EQ(w->cxGrid1->rowCount(), 2);  // disabled goods are not listed
        w->chkZero->click();
        ASSERT_EQ(w->cxGrid1->rowCount(), 1);
        EXPECT_EQ(w->cxGrid1->value(0, "ck_sn"), "100002");
        w->chkZero->click();
        w->comCk->selectCode(QStringLiteral("100001"));
        ASSERT_EQ(w->cxGrid1->rowCount(), 1);
        onNextOpening<TF_Spjjxg_Modi>("F_Spjjxg_Modi", [](TF_Spjjxg_Modi* d) {
            EXPECT_EQ(d->tcbj->text(), "10");
            d->tcbj->setText(QStringLiteral("-2.5"));  // any value is taken
            QTest::keyClick(d->tcbj, Qt::Key_F5);
        });
        w->btnModi->click();
        EXPECT_EQ(w->cxGrid1->value(0, "kc_cbj"), "-2.5");
    });
    const ResultSet rows = openSelect(QStringLiteral("select ck_sn,kc_sl,kc_cbj from jxc_kcsp where g_sn='G1' order by ck_sn"));
    ASSERT_EQ(rows.rowCount(), 2);
    EXPECT_EQ(rows.text(0, "kc_sl") + u' ' + rows.text(0, "kc_cbj"), "5 -2.5");
    EXPECT_EQ(rows.text(1, "kc_sl") + u' ' + rows.text(1, "kc_cbj"), "3 0");
    EXPECT_EQ(value(QStringLiteral("select g_pjjj from jxc_goods where g_sn='G1'")), "10");
    EXPECT_EQ(value(QStringLiteral("select count(*) from jxc_log")), "0");
}

}  // namespace
