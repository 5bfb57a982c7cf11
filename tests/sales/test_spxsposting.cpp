// Posting of sales bills: every book it writes, both settlement modes, cost at the average
// purchase price, back-dated bills, goods without stock, and all or nothing.
#include "data/datamodule.h"
#include "sales/spxsposting.h"
#include "support/shop.h"

#include <gtest/gtest.h>

static void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace {

// Every row of a query as its fields joined by "|", rows joined by " ".
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

// A shop with 凉鞋 (preset purchase price 70) received 6 × size 39 and 4 × size 40, black, at
// 80 (average purchase price and warehouse cost 80, nothing paid), and 靴子 (preset purchase
// price 40) never received, so without a stock row.
struct SalesShop {
    Shop shop;
    QString sandal = shop.goods("凉鞋", {"39", "40"}, {"黑色"}, 70);
    QString boot = shop.goods("靴子", {"38"}, {"黑色", "白色"}, 40);

    SalesShop()
    {
        shop.receipt().line(sandal, 80, {{"39", "黑色", 6}, {"40", "黑色", 4}}).mode(CgjhMode::RestOwed).paid(0).post();
    }
};

TEST(SpxsPosting, WritesEveryBook)
{
    SalesShop s;
    SaleBuilder b = s.shop.sale();
    // 凉鞋 150 at 0.8 × (1 + 2) = 360; 靴子 by barcode 100 × 2 = 200; due 560.
    b.line(s.sandal, 150, {{"39", "黑色", 1}, {"40", "黑色", 2}}, 0.8).plainLine(s.boot, 100, 2);
    b.mode(SpxsMode::RestOwed).received(500).note(" 急'--单 ");
    const QVector<qint64> ids = b.lineIds();
    const QString djh = b.post();
    ASSERT_EQ(djh, "XS130528010001");
    const SqlParams n{{QString(), djh}};
    const QString handler = s.shop.handlerSn();

    EXPECT_EQ(rows("select gl_djh,kh_sn,ck_sn,ls_xsrq,ls_yfje,ls_sfje,u_sn,ls_note,a_name,gl_djh2,ls_yhje,ls_th,ls_qk,"
                   "ls_ckrq from jxc_lsxsd"),
              QStringLiteral("%1|100001|100001|2013-05-28|560|500|%2| 急'--单 |张三||0|0|False|").arg(djh, handler));
    EXPECT_EQ(rows("select tid,ls_dj,ls_dzl,ls_sl,ls_zje,ls_zhje from jxc_lsxssp where gl_djh=? order by id", n),
              QStringLiteral("%1|150|0.8|3|360|360 %2|100|1|2|200|200").arg(ids[0]).arg(ids[1]));
    EXPECT_EQ(rows("select xj_rq,gl_djh,xj_dlx,xj_je,u_name,ghs_name,ghs_sn,ck_name,xj_kmmc,xj_note,a_name from jxc_xjyh "
                   "where gl_djh=?", n),
              "2013-05-28|" + djh + "|商品销售|500|李采购|普通客户|100001|主仓库|现金| 急'--单 |张三");
    EXPECT_EQ(selectValue("select yh_zje from jxc_yhzh where yh_name='现金'"), "500");
    EXPECT_EQ(rows("select k_ghskh,k_type,k_djlx,k_djtxt,k_yfje,k_sfje,k_ljje,k_note,k_flag,k_rq,gl_djh,u_sn,k_fkfs,"
                   "a_name from jxc_ysyfk where k_type='kh'"),
              "100001|kh|XS|商品销售单|560|500|60|急'--单|1|2013-05-28|" + djh + "|" + handler + "|现金|张三");
    EXPECT_EQ(rows("select kh_pl,kh_lwje from jxc_khxx where kh_sn='100001'"), "1|60");

    // Cost at the average purchase price: 3 × 80 + 2 × 40 = 320; profit 560 - 320.
    EXPECT_EQ(rows("select yy_xssl,yy_xscb,yy_xsje,yy_xslr from jxc_tempyyfx"), "5|320|560|240");
    EXPECT_EQ(rows("select js_rq,js_sl,js_zje,js_xssl,js_xsje,js_xslr,js_xscb from jxc_kcjs where ck_sn='100001'"),
              "2013-05|5|480|5|560|240|320");

    EXPECT_EQ(rows("select gl_flag,gl_djh,gl_kdrq,g_sn,g_name,gl_dj,gl_sl,gl_zje,gl_lr,u_name,a_name,ck_sn,ck_name,"
                   "ghs_sn,ghs_name,gl_sysl,gl_fdmc,gl_dqkc,gl_dzl,tid from jxc_goodslist where gl_flag='xs' order by id"),
              QStringLiteral("xs|%1|2013-05-28|%2|凉鞋|150|3|360|120|李采购|张三|100001|主仓库|100001|普通客户|3||0|0.8|%4 "
                             "xs|%1|2013-05-28|%3|靴子|100|2|200|120|李采购|张三|100001|主仓库|100001|普通客户|2||0|1|%5")
                  .arg(djh, s.sandal, s.boot)
                  .arg(ids[0])
                  .arg(ids[1]));
    EXPECT_EQ(rows("select g_sn,gl_sl,cm_sn,color_sn,tid,gl_dj,ghs_sn from jxc_goodslistmx where gl_flag='xs' order by id"),
              rows("select g_sn,t_sl,cm_sn,color_sn,tid,150,'100001' from jxc_lsxsspmx where gl_djh=? order by id", n));
    EXPECT_EQ(selectValue("select count(*) from jxc_goodslistmx where gl_flag='xs'"), "2");
    EXPECT_EQ(rows("select t_rq,g_sn,t_cg,t_xs,a_name from jxc_tempspbd where t_xs<>0 order by id"),
              QStringLiteral("2013-05-28|%1|0|3|张三 2013-05-28|%2|0|2|张三").arg(s.sandal, s.boot));

    // Stock: the cost stays; the goods without a stock row gets one, negative, at its preset price.
    EXPECT_EQ(rows("select g_sn,kc_sl,kc_cbj,kc_xssl from jxc_kcsp where ck_sn='100001' order by id"),
              QStringLiteral("%1|7|80|3 %2|-2|40|2").arg(s.sandal, s.boot));
    EXPECT_EQ(rows("select g_sn,g_kc,g_xspl,g_pjjj from jxc_goods where g_sn in (?,?) order by g_sn",
                   {{QString(), s.sandal}, {QString(), s.boot}}),
              rows("select ?,7,1,80 union all select ?,-2,1,g_pjjj from jxc_goods where g_sn=? order by 1",
                   {{QString(), s.sandal}, {QString(), s.boot}, {QString(), s.boot}}));
    EXPECT_EQ(rows("select t_sl from jxc_tkc where ck_sn='100001' order by g_sn,cm_sn,color_sn"), "5 2");
    EXPECT_EQ(selectValue("select u_xspl from jxc_user where u_sn=?", {{QString(), handler}}), "1");
    EXPECT_EQ(selectValue("select log_note from jxc_log order by id desc limit 1"), "增加销售单" + djh + "，共2种商品");

    // The next bill draws the next number; the customer counts on.
    s.shop.sale().plainLine(s.sandal, 100, 1).post();
    EXPECT_EQ(rows("select gl_djh from jxc_lsxsd order by id"), djh + " XS130528010002");
    EXPECT_EQ(rows("select kh_pl,kh_lwje from jxc_khxx where kh_sn='100001'"), "2|60");
}

TEST(SpxsPosting, SettlementModes)
{
    struct Case {
        SpxsMode mode;
        double received;
        const char* header;   // ls_yfje|ls_sfje|ls_yhje
        const char* ledger;   // k_yfje|k_sfje|k_ljje, and kh_lwje
        const char* summary;  // yy_xsje|yy_xslr|js_xsje|js_xslr
        const char* cash;     // xj_je and the account's balance
    } cases[] = {
        {SpxsMode::PaidOnly, 80, "80|80|20", "80|80|0|0", "80|0|80|0", "80|80"},
        {SpxsMode::RestOwed, 80, "100|80|0", "100|80|20|20", "100|20|100|20", "80|80"},
        {SpxsMode::PaidOnly, 0, "0|0|100", "0|0|0|0", "0|-80|0|-80", "0|0"},
        {SpxsMode::RestOwed, 0, "100|0|0", "100|0|100|100", "100|20|100|20", "0|0"},
        {SpxsMode::PaidOnly, 120, "120|120|-20", "120|120|0|0", "120|40|120|40", "120|120"},
        {SpxsMode::RestOwed, 120, "100|120|0", "100|120|-20|-20", "100|20|100|20", "120|120"},
    };
    for (const Case& c : cases) {
        SalesShop s;
        s.shop.sale().plainLine(s.sandal, 100, 1).mode(c.mode).received(c.received).post();
        const std::string what = QStringLiteral("mode %1 received %2").arg(int(c.mode)).arg(c.received).toStdString();
        EXPECT_EQ(rows("select ls_yfje,ls_sfje,ls_yhje from jxc_lsxsd"), c.header) << what;
        EXPECT_EQ(rows("select k_yfje,k_sfje,k_ljje,(select kh_lwje from jxc_khxx where kh_sn='100001') from jxc_ysyfk "
                       "where k_type='kh'"),
                  c.ledger)
            << what;
        EXPECT_EQ(rows("select yy_xsje,yy_xslr,js_xsje,js_xslr from jxc_tempyyfx,jxc_kcjs where ck_sn='100001'"), c.summary)
            << what;
        EXPECT_EQ(rows("select xj_je,(select yh_zje from jxc_yhzh where yh_name='现金') from jxc_xjyh where xj_dlx='商品销售'"),
                  c.cash)
            << what;
    }
}

TEST(SpxsPosting, BackDatedIntoAnEarlierMonth)
{
    SalesShop s;
    s.shop.sale().plainLine(s.sandal, 100, 1).mode(SpxsMode::RestOwed).received(0).post();  // owes 100
    SaleBuilder b = s.shop.sale();
    b.plainLine(s.sandal, 100, 2).date("2013-04-30").mode(SpxsMode::RestOwed).received(150);  // owes 50, earlier
    EXPECT_EQ(b.number(), "XS130430010001");
    b.post();
    EXPECT_EQ(rows("select k_rq,k_ljje from jxc_ysyfk where k_type='kh' order by k_rq"), "2013-04-30|50 2013-05-28|150");
    EXPECT_EQ(selectValue("select kh_lwje from jxc_khxx where kh_sn='100001'"), "150");
    EXPECT_EQ(rows("select js_rq,js_xssl,js_xsje,js_xscb from jxc_kcjs where ck_sn='100001' and js_xssl<>0 order by js_rq"),
              "2013-04|2|200|160 2013-05|1|100|80");
    EXPECT_EQ(rows("select yy_rq,yy_xsje from jxc_tempyyfx where yy_xsje<>0 order by yy_rq"), "2013-04-30|200 2013-05-28|100");
}

TEST(SpxsPosting, LinesOfOneGoodsAndLinesWithoutRows)
{
    SalesShop s;
    SaleBuilder b = s.shop.sale();
    b.line(s.sandal, 100, {{"39", "黑色", 2}}).line(s.sandal, 90, {{"39", "黑色", 1}, {"40", "黑色", 1}});
    b.plainLine(s.sandal, 50, 0).plainLine(s.sandal, 50, -1);
    const QVector<qint64> ids = b.lineIds();
    b.post();
    // Each size and colour row is journalled once, with its own line's price and id.
    EXPECT_EQ(rows("select tid,gl_dj,gl_sl,cm_sn from jxc_goodslistmx where gl_flag='xs' order by id"),
              rows("select b.tid,a.ls_dj,b.t_sl,b.cm_sn from jxc_lsxsspmx b join jxc_lsxssp a on a.id=b.tid order by b.id"));
    EXPECT_EQ(selectValue("select count(*) from jxc_goodslistmx where gl_flag='xs'"), "3");
    EXPECT_EQ(rows("select tid from jxc_goodslist where gl_flag='xs' order by id"),
              QStringLiteral("%1 %2 %3 %4").arg(ids[0]).arg(ids[1]).arg(ids[2]).arg(ids[3]));
    // Lines of quantity 0 or below get no daily movement row; stock moves by every line.
    EXPECT_EQ(rows("select t_xs from jxc_tempspbd where t_xs<>0 order by id"), "2 2");
    EXPECT_EQ(rows("select kc_sl,kc_xssl from jxc_kcsp"), "7|3");
    EXPECT_EQ(rows("select t_sl from jxc_tkc order by cm_sn"), "3 3");
}

// Counts of every table the posting writes, and the figures it moves.
QString footprint()
{
    return rows("select (select count(*) from jxc_lsxsd),(select count(*) from jxc_xjyh),(select count(*) from jxc_ysyfk),"
                "(select count(*) from jxc_goodslist),(select count(*) from jxc_goodslistmx),"
                "(select count(*) from jxc_tempspbd),(select count(*) from jxc_kcsp),(select sum(kc_sl) from jxc_kcsp),"
                "(select sum(t_sl) from jxc_tkc),(select count(*) from jxc_tempyyfx),(select count(*) from jxc_kcjs),"
                "(select count(*) from jxc_log),(select count(*) from jxc_lsxssp where tid is not null),"
                "(select sum(yh_zje) from jxc_yhzh),(select kh_pl||'/'||kh_lwje from jxc_khxx where kh_sn='100001'),"
                "(select sum(g_kc) from jxc_goods),(select sum(g_xspl) from jxc_goods),(select sum(u_xspl) from jxc_user)");
}

TEST(SpxsPosting, FailingLastStatementLeavesNoRow)
{
    SalesShop s;
    SaleBuilder b = s.shop.sale();
    b.line(s.sandal, 100, {{"39", "黑色", 2}}).plainLine(s.boot, 60, 1).mode(SpxsMode::RestOwed).received(100);
    const QString before = footprint();
    execSql("create temp trigger refuse_log before insert on jxc_log begin select raise(abort,'log refused'); end");
    EXPECT_THROW(b.post(), DbError);
    EXPECT_EQ(footprint(), before);
    EXPECT_EQ(selectValue("select count(*) from jxc_lsxsspmx"), "1");  // the working lines stay for another try

    execSql("drop trigger refuse_log");
    b.post();
    EXPECT_EQ(selectValue("select count(*) from jxc_lsxsd"), "1");
    EXPECT_EQ(selectValue("select kh_lwje from jxc_khxx where kh_sn='100001'"), "160");
}

TEST(SpxsPosting, RefusesAnEmptyOrAlreadyPostedBill)
{
    SalesShop s;
    const QString before = footprint();
    EXPECT_THROW(s.shop.sale().post(), DbError);
    EXPECT_EQ(footprint(), before);

    SaleBuilder b = s.shop.sale();
    b.plainLine(s.sandal, 100, 1);
    const SpxsPosting bill = b.record();
    postSpxs(bill);
    const QString once = footprint();
    EXPECT_THROW(postSpxs(bill), DbError);
    EXPECT_EQ(footprint(), once);
}

}  // namespace
