// Posting of purchase receipts: every book it writes, in both settlement modes, back-dated
// before the supplier's latest ledger row, the moving-average cost, and all or nothing.
#include "data/datamodule.h"
#include "purchasing/cgjhposting.h"
#include "support/shop.h"

#include <gtest/gtest.h>

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

// A shop with two goods: 凉鞋 in sizes 39 and 40, black (preset purchase price 70), and 靴子
// in size 38, black and white.
struct ReceiptShop {
    Shop shop;
    QString sandal = shop.goods("凉鞋", {"39", "40"}, {"黑色"}, 70);
    QString boot = shop.goods("靴子", {"38"}, {"黑色", "白色"}, 40);

    // 凉鞋 80 × (3 + 2) and 靴子 50 × (1 + 1): payable 500.
    ReceiptBuilder receipt()
    {
        ReceiptBuilder r = shop.receipt();
        r.line(sandal, 80, {{"39", "黑色", 3}, {"40", "黑色", 2}}).line(boot, 50, {{"38", "黑色", 1}, {"38", "白色", 1}});
        return r;
    }
};

TEST(CgjhPosting, WritesEveryBook)
{
    ReceiptShop s;
    ReceiptBuilder r = s.receipt();
    r.mode(CgjhMode::RestOwed).paid(300).note(" 第一批'--货 ").account("现金");
    const QVector<qint64> ids = r.lineIds();
    const QString djh = r.post();
    ASSERT_EQ(djh, "CJ130528010001");
    const SqlParams n{{QString(), djh}};
    const QString handler = s.shop.handlerSn();

    EXPECT_EQ(rows("select ghs_sn,ck_sn,j_jhrq,j_yfje,j_sfje,u_sn,j_note,a_name,j_sn2,j_yhje,j_th,j_qk from jxc_jhd"),
              QStringLiteral("100001|100001|2013-05-28|500|300|%1| 第一批'--货 |张三||0|0|False").arg(handler));
    EXPECT_EQ(rows("select tid from jxc_jhsp where j_sn=? order by id", n), QStringLiteral("%1 %2").arg(ids[0]).arg(ids[1]));
    EXPECT_EQ(rows("select xj_rq,gl_djh,xj_dlx,xj_je,u_name,ghs_name,ghs_sn,ck_name,xj_kmmc,a_name from jxc_xjyh"),
              "2013-05-28|" + djh + "|采购进货|-300|李采购|普通供货商|100001|主仓库|现金|张三");
    EXPECT_EQ(selectValue("select yh_zje from jxc_yhzh where yh_name='现金'"), "-300");
    EXPECT_EQ(rows("select k_ghskh,k_type,k_djlx,k_djtxt,k_yfje,k_sfje,k_ljje,k_note,k_flag,k_rq,gl_djh,u_sn,k_fkfs "
                   "from jxc_ysyfk"),
              "100001|ghs|CJ|采购进货单|500|300|200|第一批'--货|1|2013-05-28|" + djh + "|" + handler + "|现金");
    EXPECT_EQ(rows("select ghs_pl,ghs_lwje from jxc_ghsxx where ghs_sn='100001'"), "1|200");
    EXPECT_EQ(rows("select yy_rq,yy_cgsl,yy_cgje from jxc_tempyyfx"), "2013-05-28|7|500");
    EXPECT_EQ(rows("select js_rq,ck_sn,js_sl,js_zje,js_cgsl,js_cgje from jxc_kcjs"), "2013-05|100001|7|500|7|500");

    // Journals: one row per line (margin against the preset price), one per size and colour row.
    EXPECT_EQ(rows("select gl_flag,gl_djh,gl_kdrq,g_sn,g_name,gl_dj,gl_sl,gl_zje,gl_lr,u_name,ck_name,ghs_name,gl_sysl,tid "
                   "from jxc_goodslist order by id"),
              QStringLiteral("cj|%1|2013-05-28|%2|凉鞋|80|5|400|50|李采购|主仓库|普通供货商|5|%4 "
                             "cj|%1|2013-05-28|%3|靴子|50|2|100|20|李采购|主仓库|普通供货商|2|%5")
                  .arg(djh, s.sandal, s.boot).arg(ids[0]).arg(ids[1]));
    EXPECT_EQ(rows("select g_sn,gl_sl,cm_sn,color_sn,tid from jxc_goodslistmx where gl_flag='cj' and gl_djh=? order by id", n),
              rows("select g_sn,t_sl,cm_sn,color_sn,tid from jxc_jhspmx where gl_djh=? order by id", n));
    EXPECT_EQ(selectValue("select count(*) from jxc_goodslistmx"), "4");
    EXPECT_EQ(rows("select t_rq,g_sn,t_cg,t_ct,t_xs,a_name from jxc_tempspbd order by id"),
              QStringLiteral("2013-05-28|%1|5|0|0|张三 2013-05-28|%2|2|0|0|张三").arg(s.sandal, s.boot));

    // Stock, cost, goods totals, size and colour stock, counters, log.
    EXPECT_EQ(rows("select g_sn,kc_sl,kc_cbj from jxc_kcsp where ck_sn='100001' order by id"),
              QStringLiteral("%1|5|80 %2|2|50").arg(s.sandal, s.boot));
    EXPECT_EQ(rows("select g_kc,g_pjjj,g_cgpl,g_scjj,ghs_sn from jxc_goods where g_sn=?", {{QString(), s.sandal}}),
              "5|80|1|80|100001");
    EXPECT_EQ(rows("select t_sl from jxc_tkc where ck_sn='100001' order by g_sn,cm_sn,color_sn"), "3 2 1 1");
    EXPECT_EQ(selectValue("select u_cgpl from jxc_user where u_sn=?", {{QString(), handler}}), "1");
    EXPECT_EQ(selectValue("select log_note from jxc_log order by id desc limit 1"), "增加进货单" + djh + "，共2种商品");

    // The next receipt draws the next number; the supplier and the goods count on.
    s.receipt().post();
    EXPECT_EQ(rows("select ghs_pl,ghs_lwje from jxc_ghsxx where ghs_sn='100001'"), "2|200");
    EXPECT_EQ(rows("select j_sn from jxc_jhd order by id"), djh + " CJ130528010002");
    EXPECT_EQ(rows("select t_sl from jxc_tkc where ck_sn='100001' order by g_sn,cm_sn,color_sn"), "6 4 2 2");
}

TEST(CgjhPosting, SettlementModes)
{
    struct Case {
        CgjhMode mode;
        double paid;
        const char* header;   // j_yfje|j_sfje|j_yhje
        const char* ledger;   // k_yfje|k_sfje|k_ljje, and ghs_lwje
        const char* summary;  // yy_cgje|js_cgje|js_zje
        const char* cash;     // xj_je and the account's balance
    } cases[] = {
        {CgjhMode::PaidOnly, 300, "300|300|200", "300|300|0|0", "300|300|500", "-300|-300"},
        {CgjhMode::RestOwed, 300, "500|300|0", "500|300|200|200", "500|500|500", "-300|-300"},
        {CgjhMode::PaidOnly, 600, "600|600|-100", "600|600|0|0", "600|600|500", "-600|-600"},
        {CgjhMode::RestOwed, 600, "500|600|0", "500|600|-100|-100", "500|500|500", "-600|-600"},
        {CgjhMode::RestOwed, 0, "500|0|0", "500|0|500|500", "500|500|500", "0|0"},
        {CgjhMode::PaidOnly, 0, "0|0|500", "0|0|0|0", "0|0|500", "0|0"},
    };
    for (const Case& c : cases) {
        ReceiptShop s;
        s.receipt().mode(c.mode).paid(c.paid).post();
        const QString what = QStringLiteral("mode %1 paid %2").arg(int(c.mode)).arg(c.paid);
        EXPECT_EQ(rows("select j_yfje,j_sfje,j_yhje from jxc_jhd"), c.header) << what.toStdString();
        EXPECT_EQ(rows("select k_yfje,k_sfje,k_ljje,(select ghs_lwje from jxc_ghsxx where ghs_sn='100001') from jxc_ysyfk"),
                  c.ledger)
            << what.toStdString();
        EXPECT_EQ(rows("select yy_cgje,js_cgje,js_zje from jxc_tempyyfx,jxc_kcjs where ck_sn='100001'"), c.summary)
            << what.toStdString();
        EXPECT_EQ(rows("select xj_je,(select yh_zje from jxc_yhzh where yh_name='现金') from jxc_xjyh"), c.cash)
            << what.toStdString();
    }
}

TEST(CgjhPosting, BackDatedBeforeTheSuppliersLatestRow)
{
    ReceiptShop s;
    s.receipt().date("2013-05-20").mode(CgjhMode::RestOwed).paid(400).post();  // owes 100
    s.receipt().date("2013-05-25").mode(CgjhMode::RestOwed).paid(450).post();  // owes 50 more
    s.receipt().date("2013-05-26").mode(CgjhMode::PaidOnly).paid(100).post();  // settles at once
    ReceiptBuilder r = s.receipt();
    r.date("2013-05-22").mode(CgjhMode::RestOwed).paid(470);                  // owes 30, between them
    EXPECT_EQ(r.number(), "CJ130522010001");
    r.post();
    EXPECT_EQ(rows("select k_rq,k_ljje from jxc_ysyfk order by k_rq,id"),
              "2013-05-20|100 2013-05-22|130 2013-05-25|180 2013-05-26|180");
    EXPECT_EQ(selectValue("select ghs_lwje from jxc_ghsxx where ghs_sn='100001'"), "180");
    EXPECT_EQ(rows("select yy_rq,yy_cgje from jxc_tempyyfx order by yy_rq"),
              "2013-05-20|500 2013-05-22|500 2013-05-25|500 2013-05-26|100");
    EXPECT_EQ(rows("select j_sn,j_jhrq from jxc_jhd where j_jhrq='2013-05-22'"), "CJ130522010001|2013-05-22");
    EXPECT_EQ(selectValue("select count(*) from jxc_jhspmx where gl_djh='CJ130522010001'"), "4");
}

TEST(CgjhPosting, MovingAverageCost)
{
    struct Case {
        const char* name;
        const char* stockBefore;  // "kc_sl|kc_cbj" of the warehouse ("" for no row), also g_kc|g_pjjj
        double qty;
        double price;
        const char* after;  // kc_sl|kc_cbj and g_kc|g_pjjj
    } cases[] = {
        {"first receipt", "", 5, 80, "5|80"},
        {"average", "10|50", 10, 80, "20|65"},
        {"rounded", "3|10", 2, 11.11, "5|10.44"},
        {"stock plus receipt is 0", "-5|40", 5, 80, "0|80"},
        {"negative stock", "-2|40", 5, 80, "3|106.67"},
    };
    for (const Case& c : cases) {
        ReceiptShop s;
        const QStringList before = QString::fromLatin1(c.stockBefore).split(u'|');
        if (before.size() == 2) {
            execSql("insert into jxc_kcsp (g_sn,ck_sn,kc_sl,kc_cbj,kc_xssl) values (?,'100001',?,?,0)",
                    {{QString(), s.sandal}, {QString(), before[0]}, {QString(), before[1]}});
            execSql("update jxc_goods set g_kc=?,g_pjjj=? where g_sn=?",
                    {{QString(), before[0]}, {QString(), before[1]}, {QString(), s.sandal}});
        }
        s.shop.receipt().plainLine(s.sandal, c.price, c.qty).post();
        const SqlParams g{{QString(), s.sandal}};
        EXPECT_EQ(rows("select kc_sl,kc_cbj from jxc_kcsp where g_sn=?", g), c.after) << c.name;
        EXPECT_EQ(rows("select g_kc,g_pjjj from jxc_goods where g_sn=?", g), c.after) << c.name;
    }

    // One goods on two lines: the cost follows the lines in their order; each line has its own rows.
    ReceiptShop s;
    ReceiptBuilder r = s.shop.receipt();
    r.line(s.sandal, 50, {{"39", "黑色", 10}}).line(s.sandal, 80, {{"39", "黑色", 4}, {"40", "黑色", 6}});
    const QString djh = r.post();
    EXPECT_EQ(rows("select kc_sl,kc_cbj from jxc_kcsp"), "20|65");
    EXPECT_EQ(rows("select gl_sl,tid from jxc_goodslist order by id"),
              QStringLiteral("10|%1 10|%2").arg(r.lineIds()[0]).arg(r.lineIds()[1]));
    EXPECT_EQ(rows("select tid,gl_sl,cm_sn from jxc_goodslistmx order by id"),
              rows("select tid,t_sl,cm_sn from jxc_jhspmx where gl_djh=? order by id", {{QString(), djh}}));
    EXPECT_EQ(selectValue("select count(*) from jxc_goodslistmx"), "3");
    EXPECT_EQ(rows("select t_sl from jxc_tkc order by cm_sn"), "14 6");
}

TEST(CgjhPosting, LineWithoutSizeAndColourRows)
{
    ReceiptShop s;
    s.shop.receipt().plainLine(s.boot, 30, 1).post();
    EXPECT_EQ(rows("select g_sn,gl_sl,gl_zje from jxc_goodslist"), s.boot + "|1|30");
    EXPECT_EQ(selectValue("select count(*) from jxc_goodslistmx"), "0");
    EXPECT_EQ(selectValue("select count(*) from jxc_tkc"), "0");
    EXPECT_EQ(rows("select kc_sl,kc_cbj from jxc_kcsp"), "1|30");
}

// Counts of every table the posting writes, and the figures it moves.
QString footprint()
{
    return rows("select (select count(*) from jxc_jhd),(select count(*) from jxc_xjyh),(select count(*) from jxc_ysyfk),"
                "(select count(*) from jxc_goodslist),(select count(*) from jxc_goodslistmx),"
                "(select count(*) from jxc_tempspbd),(select count(*) from jxc_kcsp),(select count(*) from jxc_tkc),"
                "(select count(*) from jxc_tempyyfx),(select count(*) from jxc_kcjs),(select count(*) from jxc_log),"
                "(select count(*) from jxc_jhsp where tid is not null),(select sum(yh_zje) from jxc_yhzh),"
                "(select ghs_pl||'/'||ghs_lwje from jxc_ghsxx where ghs_sn='100001'),(select sum(g_kc) from jxc_goods),"
                "(select sum(g_cgpl) from jxc_goods),(select sum(u_cgpl) from jxc_user)");
}

TEST(CgjhPosting, FailingLastStatementLeavesNoRow)
{
    ReceiptShop s;
    ReceiptBuilder r = s.receipt();
    r.mode(CgjhMode::RestOwed).paid(100);
    const QString before = footprint();
    execSql("create temp trigger refuse_log before insert on jxc_log begin select raise(abort,'log refused'); end");
    EXPECT_THROW(r.post(), DbError);
    EXPECT_EQ(footprint(), before);
    EXPECT_EQ(selectValue("select count(*) from jxc_jhspmx"), "4");  // the working lines stay for another try

    execSql("drop trigger refuse_log");
    r.post();
    EXPECT_EQ(selectValue("select count(*) from jxc_jhd"), "1");
    EXPECT_EQ(selectValue("select ghs_lwje from jxc_ghsxx where ghs_sn='100001'"), "400");
}

TEST(CgjhPosting, RefusesAnEmptyOrAlreadyPostedBill)
{
    ReceiptShop s;
    const QString before = footprint();
    EXPECT_THROW(s.shop.receipt().post(), DbError);
    EXPECT_EQ(footprint(), before);

    ReceiptBuilder r = s.receipt();
    const CgjhPosting bill = r.record();
    postCgjh(bill);
    const QString once = footprint();
    EXPECT_THROW(postCgjh(bill), DbError);
    EXPECT_EQ(footprint(), once);
}

}  // namespace
