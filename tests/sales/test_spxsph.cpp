// The sales rankings: returns net out and can rank a goods last, the warehouse and category
// choices, disabled goods, the single-goods breakdown's exact key, the slow sellers' both-sided
// rows and turnover, and adding a ranked goods to the reference list.
#include "data/globals.h"
#include "platform/codecombo.h"
#include "platform/datagrid.h"
#include "platform/msgbox.h"
#include "sales/sales.h"
#include "sales/spxsph.h"
#include "listprintcolumn.h"
#include "salesstatshop.h"
#include "shell/commands.h"
#include "support/windowregistry.h"

#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>

#include <gtest/gtest.h>

namespace {

QStringList column(const QString& sql, const char* field, const char* second = nullptr)
{
    const ResultSet rs = openSelect(sql);
    QStringList out;
    for (int r = 0; r < rs.rowCount(); ++r)
        out << rs.text(r, QLatin1String(field)) + (second ? "/" + rs.text(r, QLatin1String(second)) : QString());
    return out;
}

class Spxsph : public ::testing::Test {
protected:
    Spxsph() { MsgScript::reset(); }
    ~Spxsph() override { TF_Form::clearScripts(); }

    SalesStatShop s;
    ScopedWindows windows{[] { registerSalesStatistics(); }};
    XsphFilter may{.d1 = "2013-05-01", .d2 = "2013-05-28", .ckSn = "-1"};
};

TEST_F(Spxsph, RankingsNetOutReturnsAndFollowWarehouseCategoryAndDisabledGoods)
{
    QStringList goods = column(xsphGoodsSql(may), "g_name", "xssl");
    goods.sort();
    EXPECT_EQ(goods.join(u' '), "凉鞋/2 跑鞋/2 高跟鞋/1");
    EXPECT_EQ(column(xsphGoodsSql(may), "lrl").last(), "44.44");
    // Returns above the sales rank a goods last.
    s.shop.customerReturn().customer(s.khL).date(QStringLiteral("2013-05-27")).line(s.runner, 200, {{"40", "白色", 3}}).post();
    EXPECT_EQ(column(xsphGoodsSql(may), "g_name", "xssl").last(), "跑鞋/-1");

    XsphFilter f = may;
    f.ckSn = s.ck2;
    EXPECT_EQ(column(xsphGoodsSql(f), "g_name").join(u' '), "高跟鞋");
    // The root takes every goods with a category; a top category its children, no other.
    f = may;
    EXPECT_EQ(column(xsphClassSql(f), "g_name").size(), 3);
    f.gcSn = "5001";
    QStringList men = column(xsphClassSql(f), "g_name", "gc_name");
    men.sort();
    EXPECT_EQ(men.join(u' '), "凉鞋/男鞋 跑鞋/运动鞋");

    // A disabled goods leaves tabs 1, 2 and 5 but stays by customer.
    execSql(QStringLiteral("update jxc_goods set g_jy=1 where g_sn=?"), {{QString(), s.heel}});
    EXPECT_FALSE(column(xsphGoodsSql(may), "g_name").contains("高跟鞋"));
    EXPECT_FALSE(column(xsphSlowSql(may), "g_name").contains("高跟鞋"));
    EXPECT_TRUE(column(xsphCustomerSql(may), "gname").contains("高跟鞋"));
}

TEST_F(Spxsph, BreakdownNeedsTheExactGoodsAndSlowSellersNeedBothSides)
{
    XsphFilter f = may;
    f.key = "凉鞋";
    execSql(QStringLiteral("update jxc_khxx set z_name='华东',kt_name='批发' where kh_sn=?"), {{QString(), s.khZ}});
    execSql(QStringLiteral("update jxc_khxx set z_name='华北',kt_name='零售' where kh_sn=?"), {{QString(), s.khL}});
    EXPECT_EQ(column(xsphBreakdownSql(f, 0), "kt_name", "xssl").join(u' '), "批发/3 零售/-1");
    EXPECT_EQ(column(xsphBreakdownSql(f, 1), "kt_name", "xsje").join(u' '), "华东/450 华北/-150");
    EXPECT_EQ(column(xsphBreakdownSql(f, 2), "khname", "lrl").join(u' '), "张客户/46.67 李客户/46.67");
    f.key = "凉";
    EXPECT_TRUE(column(xsphBreakdownSql(f, 2), "khname").isEmpty());

    // Bought net of the purchase return (8) plus stock (6, the customer's return back in) against
    // 2 sold; runner 2 of 5+3; heel 1 of 6+5. Slowest first.
    EXPECT_EQ(column(xsphSlowSql(may), "g_name", "zzbl").join(u' '), "高跟鞋/9.09 凉鞋/14.29 跑鞋/25");
    EXPECT_EQ(column(xsphSlowSql(may), "cgsl").join(u' '), "6 8 5");
    // Sold in the period but bought outside it: not listed.
    f = {.d1 = "2013-05-20", .d2 = "2013-05-21", .ckSn = "-1"};
    EXPECT_TRUE(column(xsphSlowSql(f), "g_name").isEmpty());
    // Hostile keys find nothing and raise nothing.
    for (const char* key : {"' or ''='", "%", "_", "--"}) {
        f = may;
        f.key = QString::fromUtf8(key);
        EXPECT_TRUE(column(xsphGoodsSql(f), "g_name").isEmpty()) << key;
        EXPECT_TRUE(column(xsphCustomerSql(f), "gname").isEmpty()) << key;
        EXPECT_TRUE(column(xsphBreakdownSql(f, 0), "kt_name").isEmpty()) << key;
    }
}

TEST_F(Spxsph, ReferenceListAsksOnlyForAGoodsAlreadyOnThatList)
{
    QStringList opened;
    registerWindow(QStringLiteral("TF_Kccx_Sele"), [&](const QString&) { opened << callerFlag + "/" + curGoodsSn; });
    execSql(QStringLiteral("insert into jxc_ckjth (g_sn,jt_flag,jt_sl) values (?,'j',5)"), {{QString(), s.sandal}});
    TF_Form::scriptNextOpening(QStringLiteral("TF_Spxsph"), [&](TF_Form* w) {
        auto* t = static_cast<TF_Spxsph*>(w);
        ASSERT_EQ(t->grid[0]->rowCount(), 3);
        int sandalRow = -1;
        for (int r = 0; r < 3; ++r)
            if (t->grid[0]->value(r, "g_sn") == s.sandal)
                sandalRow = r;
        t->grid[0]->setCurrentRow(sandalRow);
        MsgScript::answer(MsgAnswer::No);
        t->addJthClick(QStringLiteral("jadd"));
        EXPECT_EQ(MsgScript::texts().join(u'|'), "参考中已存在该商品，是否修改数量？");
        EXPECT_TRUE(opened.isEmpty());
        t->addJthClick(QStringLiteral("tadd"));  // on the purchase list only: no question
        EXPECT_EQ(opened.join(u' '), "tadd/" + s.sandal);
        MsgScript::answer(MsgAnswer::Yes);
        t->addJthClick(QStringLiteral("jadd"));
        EXPECT_EQ(opened.last(), "jmodi/" + s.sandal);

        // The hand-over to goods by customer; the single-goods tab picks the listed goods.
        t->btnRKhxfClick();
        EXPECT_EQ(t->tabs->currentIndex(), 3);
        EXPECT_EQ(t->tKey[3]->text(), t->grid[0]->value(sandalRow, "g_name"));
        EXPECT_EQ(t->grid[3]->rowCount(), 2);
        t->tabs->setCurrentIndex(2);
        EXPECT_FALSE(t->lblGoods[0]->text().isEmpty());
        t->tKey[2]->clear();
        t->btnSearchClick();
        EXPECT_TRUE(t->lblGoods[0]->text().isEmpty());
        t->close();
    });
    ensureForm(F_Spxsph)->showModalForm();
}

TEST_F(Spxsph, TheCategoryRankingPrintNumbersItsRows)
{
    TF_Form::scriptNextOpening(QStringLiteral("TF_Spxsph"), [&](TF_Form* w) {
        auto* t = static_cast<TF_Spxsph*>(w);
        const QList<QStringList> printed = printedColumns(QStringLiteral("序号"), [&] {
            t->btnPrintClick();
            t->tabs->setCurrentIndex(1);
            t->btnPrintClick();
        });
        ASSERT_EQ(printed.size(), 2);
        EXPECT_TRUE(printed[0].isEmpty());
        EXPECT_EQ(printed[1].join(u' '), "序号 1 2 3");
        t->close();
    });
    ensureForm(F_Spxsph)->showModalForm();
}

}  // namespace
