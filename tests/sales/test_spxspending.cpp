// Pending sales bills and held sales lines: the pending save touches only the pending tables,
// the audit posts with the saver's name and no second count, line changes keep the amounts
// and a bill without lines goes, an audit made to fail half-way leaves the bill pending, and
// held lines travel without size rows into whichever bill recalls them.
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/tkc.h"
#include "sales/spxspending.h"
#include "support/shop.h"

#include <gtest/gtest.h>

namespace {

QString rows(const QString& sql, const SqlParams& params = {})
{
    const ResultSet rs = openSelect(sql, params);
    QStringList out;
    for (int r = 0; r < rs.rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < rs.columnCount(); ++c)
            cells << rs.text(r, c);
        out << cells.join(u'|');
    }
    return out.join(u' ');
}

// 凉鞋 (39/40 black) received 3 + 2 at 50; a bill to 甲 of two pairs 39 at 100 and one pair 40
// at 100 × 0.8 held pending, due 280, received 200, the rest owed.
struct PendingShop {
    Shop shop;
    QString kh = shop.customer("甲");
    QString sandal = shop.goods("凉鞋", {"39", "40"}, {"黑色"}, 60);
    QString receipt = shop.receipt().line(sandal, 50, {{"39", "黑色", 3}, {"40", "黑色", 2}}).post();
    QString hold()
    {
        SaleBuilder b = shop.sale();
        b.customer(kh)
            .line(sandal, 100, {{"39", "黑色", 2}})
            .line(sandal, 100, {{"40", "黑色", 1}}, 0.8)
            .mode(SpxsMode::RestOwed)
            .received(200)
            .note("先记着");
        savePendingSpxs(b.record());
        return b.number();
    }
    QString stock() const
    {
        return rows("select (select sum(kc_sl) from jxc_kcsp),(select sum(t_sl) from jxc_tkc),(select count(*) from jxc_goodslist),"
                    "(select count(*) from jxc_lsxsd),(select count(*) from jxc_xjyh),(select count(*) from jxc_ysyfk)");
    }
};

TEST(SpxsPending, SaveWritesOnlyThePendingTables)
{
    PendingShop s;
    const QString before = s.stock();
    const QString djh = s.hold();
    const SqlParams n{{QString(), djh}};
    EXPECT_EQ(rows("select ghs_sn,ck_sn,sh_yfje,sh_sfje,sh_yhje,sh_th,sh_flag,sh_djzt,sh_note,a_name,sh_kmmc from jxc_shdj"),
              s.kh + "|100001|280|200|0|1|xs|0|先记着|张三|现金");
    EXPECT_EQ(rows("select sh_dj,sh_sl,sh_zje,sh_dzl,sh_zhje,tid=id from jxc_shsp where gl_djh=? order by id", n),
              "100|2|200|1|200|1 100|1|80|0.8|80|1");
    EXPECT_EQ(rows("select count(*) from jxc_shspmx m join jxc_shsp l on l.id=m.tid and l.g_sn=m.g_sn where m.gl_djh=?", n), "2");
    EXPECT_EQ(rows("select (select count(*) from jxc_lsxssp),(select count(*) from jxc_lsxsspmx)"), "0|0");
    EXPECT_EQ(s.stock(), before);
    EXPECT_EQ(selectValue("select sum(u_xspl) from jxc_user"), "1");
    EXPECT_EQ(rows("select log_note from jxc_log where log_note like '增加未审核销售单%'"), "增加未审核销售单" + djh + "，共2种商品");
    // The number is not drawn again, and it cannot be held twice.
    EXPECT_NE(s.shop.sale().number(), djh);
    SaleBuilder again = s.shop.sale();
    SpxsPosting twice = again.record();
    twice.djh = djh;
    EXPECT_THROW(savePendingSpxs(twice), DbError);
}

TEST(SpxsPending, AuditPostsWithTheSaversNameAndNoSecondCount)
{
    PendingShop s;
    const QString djh = s.hold();
    operatorName = QStringLiteral("李四");
    EXPECT_EQ(auditSpxs({.djh = djh, .received = Money::fromDouble(250), .mode = SpxsMode::RestOwed, .note = QStringLiteral(" 审核'过 ")}), 2);
    const SqlParams n{{QString(), djh}};
    EXPECT_EQ(rows("select kh_sn,ls_yfje,ls_sfje,a_name from jxc_lsxsd where gl_djh=?", n), s.kh + "|280|250|张三");
    EXPECT_EQ(rows("select k_djtxt,k_yfje,k_sfje,a_name from jxc_ysyfk where gl_djh=?", n), "商品销售单审核|280|250|张三");
    EXPECT_EQ(rows("select xj_je,a_name from jxc_xjyh where gl_djh=?", n), "250|张三");
    EXPECT_EQ(rows("select sh_djzt from jxc_shdj"), "1");
    EXPECT_EQ(selectValue("select sum(u_xspl) from jxc_user"), "1");
    EXPECT_EQ(rows("select log_note from jxc_log where log_note like '销售单%通过审核%'"), "销售单" + djh + "通过审核，共2种商品");
    // Stock and size-colour stock leave with the size rows copied back.
    EXPECT_EQ(rows("select sum(kc_sl) from jxc_kcsp"), "2");
    EXPECT_EQ(rows("select t_sl from jxc_tkc where cm_sn=?", {{QString(), getCmSn("39")}}), "1");
    EXPECT_EQ(rows("select count(*) from jxc_goodslistmx where gl_djh=?", n), "2");
    // The pending rows stay; a second audit is refused.
    EXPECT_EQ(rows("select count(*) from jxc_shsp"), "2");
    EXPECT_THROW(auditSpxs({.djh = djh, .received = Money(), .mode = SpxsMode::PaidOnly, .note = QString()}), DbError);
}

TEST(SpxsPending, AuditFailingHalfWayLeavesTheBillPending)
{
    PendingShop s;
    const QString djh = s.hold();
    const QString before = s.stock();
    execSql("create temp trigger refuse_journal before insert on jxc_goodslistmx begin select raise(abort,'refused'); end");
    EXPECT_THROW(auditSpxs({.djh = djh, .received = Money::fromDouble(280), .mode = SpxsMode::PaidOnly, .note = QString()}), DbError);
    execSql("drop trigger refuse_journal");
    EXPECT_EQ(s.stock(), before);
    EXPECT_EQ(rows("select sh_djzt,sh_note from jxc_shdj"), "0|先记着");
    EXPECT_EQ(rows("select (select count(*) from jxc_lsxssp),(select count(*) from jxc_lsxsspmx)"), "0|0");
    EXPECT_EQ(auditSpxs({.djh = djh, .received = Money::fromDouble(280), .mode = SpxsMode::PaidOnly, .note = QString()}), 2);
}

TEST(SpxsPending, LineChangesFollowTheAmountsAndTheLastLineTakesTheBill)
{
    PendingShop s;
    const QString djh = s.hold();
    const QStringList ids = rows("select id from jxc_shsp order by id").split(u' ');
    EXPECT_TRUE(deletePendingSpxsLine(djh, ids.at(0).toLongLong()));
    EXPECT_EQ(rows("select sh_yfje,sh_sfje from jxc_shdj"), "80|80");
    EXPECT_EQ(rows("select count(*) from jxc_shspmx"), "1");
    EXPECT_FALSE(deletePendingSpxsLine(djh, ids.at(1).toLongLong()));
    EXPECT_EQ(rows("select (select count(*) from jxc_shdj),(select count(*) from jxc_shsp),(select count(*) from jxc_shspmx)"),
              "0|0|0");
}

TEST(SpxsHeld, HeldLinesOfEveryOperatorComeBackWithoutSizeRows)
{
    PendingShop s;
    SaleBuilder first = s.shop.sale();
    first.line(s.sandal, 100, {{"39", "黑色", 1}}, 0.9);
    holdSalesLines(first.number());
    EXPECT_EQ(rows("select (select count(*) from jxc_lsxssp),(select count(*) from jxc_lsxsspmx)"), "0|0");
    EXPECT_TRUE(hasHeldSalesLines(operatorName));

    operatorName = QStringLiteral("李四");
    EXPECT_FALSE(hasHeldSalesLines(operatorName));
    EXPECT_TRUE(anyHeldSalesLines());
    SaleBuilder second = s.shop.sale();
    second.line(s.sandal, 120, {{"40", "黑色", 1}});
    holdSalesLines(second.number());
    EXPECT_EQ(rows("select a_name,ls_dj,ls_zje,ls_dzl from jxc_lsxssptemp order by id"), "张三|100|90|0.9 李四|120|120|1");

    SaleBuilder third = s.shop.sale();
    EXPECT_EQ(recallSalesLines(third.number()), 2);
    EXPECT_FALSE(anyHeldSalesLines());
    EXPECT_EQ(rows("select ls_dj,ls_sl,ls_zje,ls_dzl,ls_zhje,tid from jxc_lsxssp where gl_djh=? order by id", {{QString(), third.number()}}),
              "100|1|90|0.9|90| 120|1|120|1|120|");
    third.post();
    EXPECT_EQ(rows("select sum(kc_sl) from jxc_kcsp"), "3");
    EXPECT_EQ(rows("select sum(t_sl) from jxc_tkc"), "5");  // no size rows: the size-colour stock stays
}

}  // namespace
