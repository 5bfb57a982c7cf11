// Posting of purchase returns and the copies from a receipt: signs of every book, the balance,
// costs that stay, summaries, the negative-stock question's goods, the receipt's mark, size and
// colour rows of copied lines, and all or nothing.
#include "data/datamodule.h"
#include "purchasing/cgthposting.h"
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

// A shop that bought 凉鞋 (sizes 39/40, black, preset price 70) at 80 × 5 and 靴子 (38, brown) at
// 50 × 2, paying everything: supplier balance 0, cash −500, stock cost 80 and 50.
struct ReturnShop {
    Shop shop;
    QString sandal = shop.goods("凉鞋", {"39", "40"}, {"黑色"}, 70);
    QString boot = shop.goods("靴子", {"38"}, {"棕色"}, 40);
    QString receipt = shop.receipt()
                          .line(sandal, 80, {{"39", "黑色", 3}, {"40", "黑色", 2}})
                          .line(boot, 50, {{"38", "棕色", 2}})
                          .post();
};

TEST(CgthPosting, StoresAmountsNegativeAndCashPositive)
{
    ReturnShop s;
    // A later price for the goods' last purchase price; the return goes back at 90.
    ReturnBuilder r = s.shop.purchaseReturn();
    r.line(s.sandal, 90, {{"39", "黑色", 2}}).received(60).note("退'货");
    const QString djh = r.post();
    ASSERT_EQ(djh, "CT130528010001");
    const SqlParams n{{QString(), djh}};

    EXPECT_EQ(rows("select ghs_sn,ck_sn,th_thrq,th_yfje,th_sfje,th_note,a_name,th_qk from jxc_thd"),
              "100001|100001|2013-05-28|-180|-60|退'货|张三|False");
    EXPECT_EQ(rows("select count(*) from jxc_thsp where tid=id and gl_djh=?", n), "1");
    EXPECT_EQ(rows("select xj_dlx,xj_je,xj_kmmc from jxc_xjyh where gl_djh=?", n), "采购退货|60|现金");
    EXPECT_EQ(selectValue("select yh_zje from jxc_yhzh where yh_name='现金'"), "-440");
    // B = REC + P − DUE = 60 + 0 − 180.
    EXPECT_EQ(rows("select k_djlx,k_djtxt,k_yfje,k_sfje,k_yhje,k_ljje from jxc_ysyfk where gl_djh=?", n),
              "CT|采购退货单|-180|-60|0|-120");
    EXPECT_EQ(rows("select ghs_pl,ghs_lwje from jxc_ghsxx where ghs_sn='100001'"), "2|-120");
    // The day's purchases fall by the money received back, the month's stock value by the amount due.
    EXPECT_EQ(rows("select yy_cgsl,yy_cgje from jxc_tempyyfx"), "5|440");
    EXPECT_EQ(rows("select js_sl,js_zje,js_cgsl,js_cgje from jxc_kcjs where ck_sn='100001'"), "5|320|5|440");
    // Journal: quantity, amount and margin negated (margin 2 × 70 − 180 = −40), price and the
    // remaining quantity as on the line; size rows positive.
    EXPECT_EQ(rows("select gl_flag,gl_dj,gl_sl,gl_zje,gl_lr,gl_sysl,ghs_name,u_name from jxc_goodslist where gl_djh=?", n),
              "ct|90|-2|-180|-40|2|普通供货商|李采购");
    EXPECT_EQ(rows("select gl_flag,gl_sl,tid=(select id from jxc_thsp where gl_djh=?) from jxc_goodslistmx where gl_djh=?",
                   {{QString(), djh}, {QString(), djh}}),
              "ct|2|1");
    EXPECT_EQ(rows("select t_cg,t_ct from jxc_tempspbd where t_ct<>0"), "0|2");
    // Stock leaves at its cost; the goods keep their average price and take the return price as
    // the last purchase price.
    EXPECT_EQ(rows("select kc_sl,kc_cbj from jxc_kcsp where g_sn=?", {{QString(), s.sandal}}), "3|80");
    EXPECT_EQ(rows("select g_kc,g_pjjj,g_scjj,g_cgpl,ghs_sn from jxc_goods where g_sn=?", {{QString(), s.sandal}}),
              "3|80|90|2|100001");
    EXPECT_EQ(rows("select c.cm_name,t.t_sl from jxc_tkc t join jxc_cm c on c.cm_sn=t.cm_sn where t.g_sn=? order by c.cm_name",
                   {{QString(), s.sandal}}),
              "39|1 40|2");
    EXPECT_EQ(selectValue("select count(*) from jxc_log where log_note='增加采购退货单" + djh + "，共1种商品'"), "1");
    EXPECT_EQ(selectValue("select u_cgpl from jxc_user where u_sn=?", {{QString(), s.shop.handlerSn()}}), "2");
}

TEST(CgthPosting, BalanceFollowsTheAmountReceived)
{
    // {received, balance after}: nothing received lowers the balance by the whole amount due,
    // more than due raises it.
    const std::pair<double, const char*> cases[] = {{0, "-100"}, {100, "0"}, {130, "30"}};
    for (const auto& [received, balance] : cases) {
        SCOPED_TRACE(received);
        ReturnShop s;
        const QString djh = s.shop.purchaseReturn().line(s.boot, 50, {{"38", "棕色", 2}}).received(received).post();
        EXPECT_EQ(selectValue("select k_ljje from jxc_ysyfk where gl_djh=?", {{QString(), djh}}), balance);
        EXPECT_EQ(selectValue("select xj_je from jxc_xjyh where gl_djh=?", {{QString(), djh}}),
                  QString::number(received));
    }
}

TEST(CgthPosting, GoodsWithoutStockRowGoNegative)
{
    ReturnShop s;
    const QString other = s.shop.warehouse("分仓");
    const QString slipper = s.shop.goods("拖鞋", {}, {});
    ReturnBuilder r = s.shop.purchaseReturn();
    r.warehouse(other).plainLine(s.sandal, 80, 1).plainLine(slipper, 12.5, 3);
    // The question names the first goods in line order without a stock row in that warehouse.
    EXPECT_EQ(firstGoodsWithoutStock(r.number(), other), "凉鞋");
    EXPECT_EQ(firstGoodsWithoutStock(r.number(), "100001"), "拖鞋");
    r.post();
    EXPECT_EQ(rows("select g_sn,kc_sl,kc_cbj from jxc_kcsp where ck_sn=? order by id", {{QString(), other}}),
              QStringLiteral("%1|-1|80 %2|-3|12.5").arg(s.sandal, slipper));
    EXPECT_EQ(selectValue("select g_kc from jxc_goods where g_sn=?", {{QString(), slipper}}), "-3");
}

TEST(CgthPosting, RefusesEmptyOrPostedBillsWritingNothing)
{
    ReturnShop s;
    ReturnBuilder empty = s.shop.purchaseReturn();
    EXPECT_THROW(empty.post(), DbError);
    ReturnBuilder r = s.shop.purchaseReturn();
    r.plainLine(s.boot, 50, 1);
    const CgthPosting bill = r.record();
    postCgth(bill);
    const QString before = rows("select count(*) from jxc_ysyfk") + rows("select count(*) from jxc_xjyh") +
                           rows("select kc_sl from jxc_kcsp order by id");
    writeLine(kReturnLines, bill.djh, {.gSn = s.boot, .price = Money::fromDouble(50), .rows = {}, .quantity = Money::fromDouble(1)});
    EXPECT_THROW(postCgth(bill), DbError);
    EXPECT_EQ(rows("select count(*) from jxc_ysyfk") + rows("select count(*) from jxc_xjyh") +
                  rows("select kc_sl from jxc_kcsp order by id"),
              before);
}

TEST(CgthPosting, FailureWritesNothingAndLeavesTheReceiptUnmarked)
{
    ReturnShop s;
    ReturnBuilder r = s.shop.purchaseReturn();
    r.fromReceipt(s.receipt);
    // The log's table is gone: the posting fails at its last steps.
    execSql("alter table jxc_log rename to jxc_log_gone");
    EXPECT_THROW(r.post(), DbError);
    execSql("alter table jxc_log_gone rename to jxc_log");
    EXPECT_EQ(selectValue("select count(*) from jxc_thd"), "0");
    EXPECT_EQ(selectValue("select count(*) from jxc_goodslist where gl_flag='ct'"), "0");
    EXPECT_EQ(selectValue("select j_th from jxc_jhd"), "0");
    EXPECT_EQ(selectValue("select sum(kc_sl) from jxc_kcsp"), "7");
    r.post();
    EXPECT_EQ(selectValue("select j_th from jxc_jhd"), "1");
}

TEST(CgthCopy, WholeReceiptCopiesLinesWithSizeRowsAndIsRefusedOnceReturned)
{
    ReturnShop s;
    execSql("update jxc_jhsp set t_scrq='2013-01-02' where g_sn=?", {{QString(), s.boot}});
    ReturnBuilder r = s.shop.purchaseReturn();
    r.plainLine(s.boot, 50, 1);  // a line already in the window stays
    const ReturnCopy copy = copyWholeReceipt(s.receipt, r.number());
    ASSERT_TRUE(copy.header);
    EXPECT_EQ(copy.header->ghsName, "普通供货商");
    EXPECT_EQ(copy.header->ckName, "主仓库");
    EXPECT_EQ(copy.header->uName, "李采购");
    EXPECT_EQ(copy.header->payable.toText(), "500");
    EXPECT_EQ(rows("select g_sn,th_dj,th_sl,th_zje,ifnull(t_scrq,''),a_name from jxc_thsp where gl_djh=? order by id",
                   {{QString(), r.number()}}),
              QStringLiteral("%2|50|1|50||张三 %1|80|5|400||张三 %2|50|2|100|2013-01-02|张三").arg(s.sandal, s.boot));
    // Each copied line has exactly the size and colour rows of its receipt line.
    EXPECT_EQ(rows("select l.g_sn,m.cm_sn,m.color_sn,m.t_sl from jxc_thspmx m join jxc_thsp l on l.id=m.tid "
                   "where m.gl_djh=? order by m.id",
                   {{QString(), r.number()}}),
              rows("select g_sn,cm_sn,color_sn,t_sl from jxc_jhspmx where gl_djh=? order by id", {{QString(), s.receipt}}));

}

TEST(CgthCopy, PostedWholeReturnMarksTheReceiptAndIsNotRepeated)
{
    ReturnShop s;
    const QString djh = s.shop.purchaseReturn().fromReceipt(s.receipt).post();
    // The copied size and colour rows move the size-colour stock back and reach the journal.
    EXPECT_EQ(selectValue("select j_th from jxc_jhd where j_sn=?", {{QString(), s.receipt}}), "1");
    EXPECT_EQ(selectValue("select sum(t_sl) from jxc_tkc"), "0");
    EXPECT_EQ(selectValue("select count(*) from jxc_goodslistmx where gl_flag='ct' and gl_djh=?", {{QString(), djh}}), "3");
    EXPECT_EQ(selectValue("select sum(gl_sl) from jxc_goodslist"), "0");

    const ReturnCopy again = copyWholeReceipt(s.receipt, "CT130528010099");
    EXPECT_EQ(again.refusal, "该单据已经进行过整单退货，不能重复退货！");
    EXPECT_FALSE(again.header);
    EXPECT_EQ(selectValue("select count(*) from jxc_thsp where gl_djh='CT130528010099'"), "0");
}

TEST(CgthCopy, OneLineCopiesItsSizeRowsAndTestsNoMark)
{
    ReturnShop s;
    execSql("update jxc_jhd set j_th=1");
    const qint64 line = selectValue("select id from jxc_jhsp where g_sn=?", {{QString(), s.sandal}}).toLongLong();
    const ReturnCopy copy = copyReceiptLine(line, "CT130528010001");
    ASSERT_TRUE(copy.header);
    EXPECT_EQ(copy.header->jSn, s.receipt);
    EXPECT_EQ(rows("select g_sn,th_sl,th_zje from jxc_thsp"), QStringLiteral("%1|5|400").arg(s.sandal));
    EXPECT_EQ(rows("select t_sl from jxc_thspmx order by id"), "3 2");
    EXPECT_FALSE(copyReceiptLine(line + 1000, "CT130528010001").header);
    EXPECT_EQ(selectValue("select count(*) from jxc_thsp"), "1");
}

}  // namespace
