// Posting of exchanges: goods coming back as negative lines net against the goods going out in
// every book, one amount for the money side by settlement mode, a stock row made for goods
// coming back into a warehouse that had none, and the print's groups and capitals.
#include "data/datamodule.h"
#include "data/tkc.h"
#include "platform/report.h"
#include "platform/reportengine.h"
#include "sales/spxsposting.h"
#include "sales/xshhprint.h"
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

// A shop that bought 凉鞋 (39/40 black, preset purchase price 60) at 50 × 5 and 靴子 (38 brown,
// preset 40) at 40 × 2, and sold the customer 甲 two pairs of 凉鞋 39 at 100, paid in full.
struct ExchangeShop {
    Shop shop;
    QString kh = shop.customer("甲");
    QString sandal = shop.goods("凉鞋", {"39", "40"}, {"黑色"}, 60);
    QString boot = shop.goods("靴子", {"38"}, {"棕色"}, 40);
    QString receipt =
        shop.receipt().line(sandal, 50, {{"39", "黑色", 3}, {"40", "黑色", 2}}).line(boot, 40, {{"38", "棕色", 2}}).post();
    QString sale = shop.sale().customer(kh).line(sandal, 100, {{"39", "黑色", 2}}).post();
};

TEST(XshhPosting, GoodsBackNetAgainstGoodsOutInEveryBook)
{
    ExchangeShop s;
    // Two pairs back at 100, one pair of 靴子 out at 150: the customer is owed 50, paid nothing.
    SaleBuilder x = s.shop.sale();
    x.customer(s.kh)
        .backLine(s.sandal, 100, {{"39", "黑色", 2}})
        .line(s.boot, 150, {{"38", "棕色", 1}})
        .mode(SpxsMode::RestOwed)
        .received(0)
        .note("换鞋");
    const QString djh = x.post();
    const SqlParams n{{QString(), djh}};

    EXPECT_EQ(rows("select kh_sn,ls_yfje,ls_sfje,ls_yhje,ls_note from jxc_lsxsd where gl_djh=?", n),
              s.kh + "|-50|0|0|商品换货：换鞋");
    EXPECT_EQ(rows("select xj_dlx,xj_je,xj_note from jxc_xjyh where gl_djh=?", n), "销售换货|0|换鞋");
    EXPECT_EQ(rows("select k_djlx,k_djtxt,k_yfje,k_sfje,k_ljje from jxc_ysyfk where gl_djh=?", n), "XS|销售换货单|-50|0|-50");
    EXPECT_EQ(selectValue("select kh_lwje from jxc_khxx where kh_sn=?", {{QString(), s.kh}}), "-50");
    // Journals: both kinds of line are "xs"; the goods back carry negative quantity, amount and
    // margin (at the average purchase price 50).
    EXPECT_EQ(rows("select gl_flag,g_sn,gl_sl,gl_zje,gl_lr,gl_sysl from jxc_goodslist where gl_djh=? order by id", n),
              "xs|" + s.sandal + "|-2|-200|-100|-2 xs|" + s.boot + "|1|150|110|1");
    EXPECT_EQ(rows("select gl_sl,cm_sn from jxc_goodslistmx where gl_djh=? order by id", n),
              "-2|" + getCmSn("39") + " 1|" + getCmSn("38"));
    // Only goods going out enter the daily movement.
    EXPECT_EQ(rows("select g_sn,t_xs from jxc_tempspbd where t_xs<>0 order by id"), s.sandal + "|2 " + s.boot + "|1");
    // The day: the sale (2 for 200 at cost 100), then the exchange (net −1 for −50 at cost −60).
    EXPECT_EQ(rows("select yy_xssl,yy_xscb,yy_xsje,yy_xslr from jxc_tempyyfx"), "1|40|150|110");
    EXPECT_EQ(rows("select js_sl,js_xssl,js_xsje,js_xscb from jxc_kcjs where ck_sn='100001'"), "6|1|150|40");
    // Stock: the goods back raise it and lower the sold quantity; the costs stay.
    EXPECT_EQ(rows("select kc_sl,kc_xssl,kc_cbj from jxc_kcsp where g_sn=?", {{QString(), s.sandal}}), "5|0|50");
    EXPECT_EQ(rows("select kc_sl,kc_xssl,kc_cbj from jxc_kcsp where g_sn=?", {{QString(), s.boot}}), "1|1|40");
    EXPECT_EQ(rows("select g_kc,g_xspl from jxc_goods where g_sn=?", {{QString(), s.sandal}}), "5|2");
    EXPECT_EQ(rows("select t_sl from jxc_tkc where cm_sn=?", {{QString(), getCmSn("39")}}), "3");
    EXPECT_EQ(rows("select t_sl from jxc_tkc where cm_sn=?", {{QString(), getCmSn("38")}}), "1");
    EXPECT_EQ(rows("select log_note from jxc_log where log_note like '增加换货销售单%'"), "增加换货销售单" + djh + "，共2种商品");
}

TEST(XshhPosting, SettlementModeDecidesTheAmountDue)
{
    const struct {
        double backPairs;  // pairs of 凉鞋 back at 100 against one 靴子 out at 150
        SpxsMode mode;
        double received;
        const char* header;   // ls_yfje|ls_sfje|ls_yhje
        const char* balance;  // the customer's balance afterwards
        const char* account;  // the money account's move
    } cases[] = {
        {2, SpxsMode::RestOwed, 0, "-50|0|0", "-50", "0"},
        {2, SpxsMode::PaidOnly, -50, "-50|-50|0", "0", "-50"},
        {1, SpxsMode::PaidOnly, 30, "30|30|20", "0", "30"},
        {1, SpxsMode::RestOwed, 30, "50|30|0", "20", "30"},
    };
    for (const auto& c : cases) {
        ExchangeShop s;
        const Money before = Money::fromText(selectValue("select yh_zje from jxc_yhzh where yh_name='现金'"));
        SaleBuilder x = s.shop.sale();
        const QString djh = x.customer(s.kh)
                                .backLine(s.sandal, 100, {{"39", "黑色", c.backPairs}})
                                .line(s.boot, 150, {{"38", "棕色", 1}})
                                .mode(c.mode)
                                .received(c.received)
                                .post();
        const SqlParams n{{QString(), djh}};
        EXPECT_EQ(rows("select ls_yfje,ls_sfje,ls_yhje from jxc_lsxsd where gl_djh=?", n), c.header) << c.received;
        EXPECT_EQ(selectValue("select kh_lwje from jxc_khxx where kh_sn=?", {{QString(), s.kh}}), c.balance) << c.received;
        const Money after = Money::fromText(selectValue("select yh_zje from jxc_yhzh where yh_name='现金'"));
        EXPECT_EQ((after - before).toText(), c.account) << c.received;
    }
}

TEST(XshhPosting, GoodsBackIntoAWarehouseWithoutTheirRowGetOneAtPresetPrice)
{
    ExchangeShop s;
    const QString second = s.shop.warehouse("二号仓");
    s.shop.sale().customer(s.kh).warehouse(second).backLine(s.sandal, 100, {{"40", "黑色", 2}}).received(-200).post();
    EXPECT_EQ(rows("select kc_sl,kc_cbj,kc_xssl from jxc_kcsp where ck_sn=?", {{QString(), second}}), "2|60|-2");
    EXPECT_EQ(rows("select t_sl from jxc_tkc where ck_sn=?", {{QString(), second}}), "2");
    // No goods went out: no daily movement besides the sale's.
    EXPECT_EQ(selectValue("select count(*) from jxc_tempspbd where t_xs<>0"), "1");
}

TEST(XshhPosting, PrintGroupsGoodsOutBeforeGoodsBackWithNegativeCapitals)
{
    ExchangeShop s;
    SaleBuilder x = s.shop.sale();
    x.customer(s.kh).backLine(s.sandal, 100, {{"39", "黑色", 2}}).line(s.boot, 150, {{"38", "棕色", 1}});
    EXPECT_EQ(rows("select g_sn,ls_sl,lstype from (" + xshhLinesSql(x.number()) + ")"),
              s.boot + "|1|出库商品 " + s.sandal + "|-2|入库商品");

    SpxsPrintBill bill;
    bill.djh = x.number();
    bill.khSn = s.kh;
    bill.khName = QStringLiteral(" 甲 ");
    bill.due = QStringLiteral("-50");
    const BillPrint p = xshhPrint(bill);
    QMap<QString, QString> vars;
    for (const BillVariable& v : p.variables)
        vars[v.first] = v.second;
    EXPECT_EQ(vars.value("khName"), "甲");
    EXPECT_EQ(vars.value("yf"), "-50");
    EXPECT_EQ(vars.value("sf"), "负伍拾元整");

    // Laid out: two groups, each with its subtotal, and the bill's total.
    Report rpt;
    setPrinPara(rpt, p);
    rpt.setDataset(QStringLiteral("frxDBDataset1"), openSelect(p.linesSql));
    const QStringList texts = rpt.prepare().pageTexts(0);
    const QString text = u'|' + texts.join(u'|') + u'|';
    for (const char* piece : {"|销售换货单|", "|出库商品|", "|入库商品|", "(大写) 负伍拾元整", "|150.00|", "|-200.00|"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(piece))) << piece << " in " << text.toStdString();
    EXPECT_EQ(texts.count(QStringLiteral("小计")), 2);
    EXPECT_EQ(texts.count(QStringLiteral("合计")), 1);
    // Subtotals of each group, then the net total: quantity 1 out, 2 back, net −1 for −50.
    EXPECT_LT(text.indexOf(QStringLiteral("出库商品")), text.indexOf(QStringLiteral("入库商品")));
    EXPECT_TRUE(text.contains(QStringLiteral("合计|-1|-50.00"))) << text.toStdString();
}

}  // namespace
