// Posting of customer returns and the copies from a sales bill: signs of every book, the profit
// at two prices, the customer's balance, a missing stock row, size and colour rows of copied
// lines, the sales bill's mark, and all or nothing.
#include "data/datamodule.h"
#include "data/numbering.h"
#include "data/tkc.h"
#include "sales/xsthposting.h"
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

// A shop that bought 凉鞋 (39/40 black, preset purchase price 60) at 50 × 5 and sold the customer
// 甲 three pairs at 100 (one at a discount of 0.8), receiving 200.
struct ReturnShop {
    Shop shop;
    QString kh = shop.customer("甲");
    QString sandal = shop.goods("凉鞋", {"39", "40"}, {"黑色"}, 60);
    QString boot = shop.goods("靴子", {"38"}, {"棕色"}, 40);
    QString receipt = shop.receipt().line(sandal, 50, {{"39", "黑色", 3}, {"40", "黑色", 2}}).post();
    QString sale = shop.sale()
                       .customer(kh)
                       .line(sandal, 100, {{"39", "黑色", 2}})
                       .line(sandal, 100, {{"40", "黑色", 1}}, 0.8)
                       .received(200)
                       .mode(SpxsMode::RestOwed)
                       .post();
};

TEST(XsthPosting, StoresMoneyNegativeWithProfitAtPresetAndAverageCost)
{
    ReturnShop s;
    // One pair back at 100: th_lr at g_jj = 60 − 100, journal and summaries at g_pjjj = 50.
    CustomerReturnBuilder r = s.shop.customerReturn();
    r.customer(s.kh).line(s.sandal, 100, {{"39", "黑色", 1}}).note("退'货--");
    const QString djh = r.post();
    ASSERT_EQ(djh, "XT130528010001");
    const SqlParams n{{QString(), djh}};

    EXPECT_EQ(rows("select kh_sn,ck_sn,th_xsrq,th_yfje,th_sfje,th_note,th_qk,th_lr from jxc_xsthd"),
              s.kh + "|100001|2013-05-28|-100|-100|退'货--|False|-40");
    EXPECT_EQ(rows("select count(*) from jxc_xsthsp where tid=id and gl_djh=?", n), "1");
    EXPECT_EQ(rows("select xj_dlx,xj_je,ghs_sn from jxc_xjyh where gl_djh=?", n), "顾客退货|-100|" + s.kh);
    EXPECT_EQ(selectValue("select yh_zje from jxc_yhzh where yh_name='现金'"), "-150");  // −250 + 200 − 100
    EXPECT_EQ(rows("select k_djlx,k_djtxt,k_yfje,k_sfje,k_yhje from jxc_ysyfk where gl_djh=?", n), "XT|顾客退货单|-100|-100|0");
    EXPECT_EQ(rows("select gl_flag,gl_dj,gl_sl,gl_zje,gl_lr,gl_sysl,ghs_sn,gl_dzl from jxc_goodslist where gl_djh=?", n),
              "xt|100|-1|-100|-50|1|" + s.kh + "|1");
    EXPECT_EQ(rows("select gl_flag,gl_sl,cm_sn from jxc_goodslistmx where gl_djh=?", n), "xt|1|" + getCmSn("39"));
    EXPECT_EQ(rows("select t_xs,t_xt from jxc_tempspbd where t_xt<>0"), "0|1");
    // The day: sold 3 for 280 at cost 150, then 1 back for 100 at cost 50.
    EXPECT_EQ(rows("select yy_xssl,yy_xscb,yy_xsje,yy_xslr from jxc_tempyyfx"), "2|100|180|80");
    EXPECT_EQ(rows("select js_sl,js_zje,js_xssl,js_xsje,js_xslr,js_xscb from jxc_kcjs where ck_sn='100001'"),
              "3|150|2|180|80|100");
    // Stock back without touching its cost; size and colour stock back; the counters count it.
    EXPECT_EQ(rows("select kc_sl,kc_xssl,kc_cbj from jxc_kcsp"), "3|2|50");
    EXPECT_EQ(rows("select g_kc,g_xspl,g_pjjj from jxc_goods where g_sn=?", {{QString(), s.sandal}}), "3|3|50");
    EXPECT_EQ(rows("select t_sl from jxc_tkc where cm_sn=?", {{QString(), getCmSn("39")}}), "2");
    EXPECT_EQ(rows("select log_note from jxc_log where log_note like '增加销售退货单%'"), "增加销售退货单" + djh + "，共1种商品");
}

TEST(XsthPosting, RefundMovesTheCustomersBalance)
{
    // The customer owes 80 after the sale; returning 100 of goods with a refund R gives 80 − 100 + R.
    const struct {
        double refund;
        const char* balance;
    } cases[] = {{100, "80"}, {0, "-20"}, {130, "110"}};
    for (const auto& c : cases) {
        ReturnShop s;
        s.shop.customerReturn().customer(s.kh).line(s.sandal, 100, {{"39", "黑色", 1}}).refund(c.refund).post();
        EXPECT_EQ(selectValue("select kh_lwje from jxc_khxx where kh_sn=?", {{QString(), s.kh}}), c.balance) << c.refund;
        EXPECT_EQ(selectValue("select k_ljje from jxc_ysyfk where k_djlx='XT'"), c.balance) << c.refund;
    }
}

TEST(XsthPosting, GoodsWithoutStockRowGetOneAtPresetPrice)
{
    ReturnShop s;
    s.shop.customerReturn().customer(s.kh).line(s.boot, 70, {{"38", "棕色", 2}}).plainLine("00000000", -10, 1).post();
    EXPECT_EQ(rows("select kc_sl,kc_cbj,kc_xssl from jxc_kcsp where g_sn=?", {{QString(), s.boot}}), "2|40|-2");
    // The discount item does not count in the amount due but is booked like any line.
    EXPECT_EQ(selectValue("select th_yfje from jxc_xsthd"), "-140");
    EXPECT_EQ(selectValue("select count(*) from jxc_goodslist where gl_flag='xt'"), "2");
}

TEST(XsthPosting, WholeSaleComesBackWithItsSizeRowsAndMarksTheBill)
{
    ReturnShop s;
    CustomerReturnBuilder r = s.shop.customerReturn();
    r.fromSale(s.sale);
    const SqlParams n{{QString(), r.number()}};
    EXPECT_EQ(rows("select th_dj,th_sl,th_zje,th_dzl,th_zhje,a_name from jxc_xsthsp where gl_djh=? order by id", n),
              "100|2|200|1|200|张三 100|1|80|0.8|80|张三");
    EXPECT_EQ(rows("select count(*) from jxc_xsthspmx m join jxc_xsthsp l on l.id=m.tid where m.gl_djh=?", n), "2");
    // A second copy into the same return and any copy of a marked bill write nothing.
    EXPECT_EQ(copyWholeSale(s.sale, r.number()).refusal, "请先保存本次的退货单据！");
    r.post();
    EXPECT_EQ(rows("select th_yfje,th_sfje from jxc_xsthd"), "-280|-200");
    EXPECT_EQ(selectValue("select ls_th from jxc_lsxsd where gl_djh=?", {{QString(), s.sale}}), "1");
    EXPECT_EQ(selectValue("select sum(t_sl) from jxc_tkc"), "5");  // every size back
    EXPECT_EQ(selectValue("select kh_lwje from jxc_khxx where kh_sn=?", {{QString(), s.kh}}), "0");

    const QString next = getMaxDjh("jxc_xsthd", "gl_djh", "XT");
    const SaleCopy again = copyWholeSale(s.sale, next);
    EXPECT_EQ(again.refusal, "该单据已经进行过整单退货，不能重复退货！");
    EXPECT_EQ(selectValue("select count(*) from jxc_xsthsp where gl_djh=?", {{QString(), next}}), "0");
    // One line of a marked bill may still come back, with its size rows.
    const qint64 line = selectValue("select id from jxc_lsxssp order by id desc limit 1").toLongLong();
    const SaleCopy one = copySaleLine(line, next);
    ASSERT_TRUE(one.header);
    EXPECT_EQ(rows("select l.th_sl,l.th_dzl,l.t_scrq,m.t_sl from jxc_xsthsp l join jxc_xsthspmx m on m.tid=l.id "
                   "where l.gl_djh=?", {{QString(), next}}),
              "1|0.8||1");
    EXPECT_FALSE(copySaleLine(999999, next).header);
}

QString footprint()
{
    return rows("select (select count(*) from jxc_xsthd),(select count(*) from jxc_xjyh),(select count(*) from jxc_ysyfk),"
                "(select count(*) from jxc_goodslist),(select count(*) from jxc_goodslistmx),(select count(*) from jxc_tempspbd),"
                "(select sum(kc_sl) from jxc_kcsp),(select sum(t_sl) from jxc_tkc),(select yy_xssl from jxc_tempyyfx),"
                "(select js_sl from jxc_kcjs where ck_sn='100001'),(select count(*) from jxc_log),(select sum(yh_zje) from jxc_yhzh),"
                "(select group_concat(kh_lwje) from jxc_khxx),(select sum(g_kc) from jxc_goods),(select sum(u_xspl) from jxc_user),"
                "(select group_concat(ls_th) from jxc_lsxsd),(select count(*) from jxc_xsthsp where tid is not null)");
}

TEST(XsthPosting, StatementFailingHalfWayLeavesReturnAbsentAndSaleUnmarked)
{
    // Half-way (the journal), at the log, and at the very last step (the sales bill's mark).
    const char* triggers[] = {
        "create temp trigger refuse before insert on jxc_goodslist begin select raise(abort,'refused'); end",
        "create temp trigger refuse before insert on jxc_log begin select raise(abort,'refused'); end",
        "create temp trigger refuse before update on jxc_lsxsd begin select raise(abort,'refused'); end"};
    for (const char* trigger : triggers) {
        ReturnShop s;
        CustomerReturnBuilder r = s.shop.customerReturn();
        r.fromSale(s.sale);
        const QString before = footprint();
        execSql(trigger);
        EXPECT_THROW(r.post(), DbError) << trigger;
        EXPECT_EQ(footprint(), before) << trigger;
        execSql("drop trigger refuse");
        r.post();  // the working lines stay for another try
        EXPECT_EQ(selectValue("select ls_th from jxc_lsxsd"), "1");
    }
}

TEST(XsthPosting, RefusesEmptyRepeatedOrAlreadyReturnedBills)
{
    ReturnShop s;
    const QString before = footprint();
    EXPECT_THROW(s.shop.customerReturn().post(), DbError);
    EXPECT_EQ(footprint(), before);

    CustomerReturnBuilder first = s.shop.customerReturn();
    first.fromSale(s.sale);
    const XsthPosting bill = first.record();
    // A second return of the same sales bill prepared meanwhile elsewhere.
    const QString other = "XT130528019999";
    ASSERT_TRUE(copyWholeSale(s.sale, other).header);
    postXsth(bill);
    const QString once = footprint();
    EXPECT_THROW(postXsth(bill), DbError);
    XsthPosting second = bill;
    second.djh = other;
    EXPECT_THROW(postXsth(second), DbError);
    EXPECT_EQ(footprint(), once);
}

}  // namespace
