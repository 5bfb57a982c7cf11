// Held purchase receipts: the pending save, line changes and deletions on held bills, and the
// audit that posts them.
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/numbering.h"
#include "purchasing/cgjhpending.h"
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

// Rows of every book a posting writes: a held bill adds none.
QString postedBooks()
{
    return rows("select (select count(*) from jxc_jhd)+(select count(*) from jxc_xjyh)+(select count(*) from jxc_ysyfk)+"
                "(select count(*) from jxc_goodslist)+(select count(*) from jxc_kcsp)+(select count(*) from jxc_tkc)+"
                "(select count(*) from jxc_log)+(select count(*) from jxc_tempyyfx)+(select count(*) from jxc_kcjs)");
}

struct PendingShop {
    Shop shop;
    QString sandal = shop.goods("凉鞋", {"39", "40"}, {"黑色"}, 70);
    QString boot = shop.goods("靴子", {"38"}, {"黑色", "白色"}, 40);
    QString branch = shop.warehouse("分仓");

    // 凉鞋 80 × (3 + 2) and 靴子 50 × (1 + 1): payable 500, paid 450, rest owed.
    ReceiptBuilder receipt()
    {
        ReceiptBuilder r = shop.receipt();
        r.line(sandal, 80, {{"39", "黑色", 3}, {"40", "黑色", 2}})
            .line(boot, 50, {{"38", "黑色", 1}, {"38", "白色", 1}})
            .warehouse(branch)
            .mode(CgjhMode::RestOwed)
            .paid(450)
            .note("先收'货")
            .account("现金");
        return r;
    }
};

TEST(CgjhPending, HoldingWritesThePendingTablesOnlyAndClearsTheWorkingLines)
{
    PendingShop s;
    const QString books = postedBooks();
    ReceiptBuilder r = s.receipt();
    const QString djh = r.hold();
    ASSERT_EQ(djh, "CJ130528010001");
    const SqlParams n{{QString(), djh}};

    EXPECT_EQ(rows("select gl_djh,ghs_sn,ck_sn,sh_rq,sh_yfje,sh_sfje,sh_yhje,u_sn,sh_note,a_name,sh_th,sh_flag,sh_djzt,"
                   "sh_kmmc from jxc_shdj"),
              QStringLiteral("%1|100001|%2|2013-05-28|500|450|0|%3|先收'货|张三|1|cj|0|现金")
                  .arg(djh, s.branch, s.shop.handlerSn()));
    // Each pending line carries its own id as tid, its size and colour rows point at it.
    EXPECT_EQ(rows("select count(*) from jxc_shsp where gl_djh=? and tid=id", n), "2");
    EXPECT_EQ(rows("select g_sn,sh_dj,sh_sl,sh_zje,sh_dzl,sh_zhje from jxc_shsp order by id"),
              QStringLiteral("%1|80|5|400|0|0 %2|50|2|100|0|0").arg(s.sandal, s.boot));
    EXPECT_EQ(rows("select count(*) from jxc_shspmx m join jxc_shsp l on l.id=m.tid and l.g_sn=m.g_sn and "
                   "l.gl_djh=m.gl_djh"),
              "4");
    EXPECT_EQ(rows("select count(*) from jxc_shsp l where sh_sl<>(select sum(t_sl) from jxc_shspmx where tid=l.id)"), "0");
    EXPECT_EQ(rows("select count(*) from jxc_shspmx"), "4");
    EXPECT_EQ(rows("select (select count(*) from jxc_jhsp)+(select count(*) from jxc_jhspmx)"), "0");
    EXPECT_EQ(postedBooks(), books);

    // The held number is never drawn again; holding it twice or holding an empty bill is refused.
    EXPECT_EQ(getMaxDjh("jxc_jhd", "j_sn", "CJ"), "CJ130528010002");
    EXPECT_THROW(savePendingCgjh(r.record()), DbError);
    EXPECT_EQ(rows("select count(*) from jxc_shdj"), "1");
}

TEST(CgjhPending, LineChangesMoveThePayableNotThePaidAndTheLastLineTakesTheBill)
{
    PendingShop s;
    const QString djh = s.receipt().hold();
    const QStringList lines = rows("select id from jxc_shsp order by id").split(u' ');

    EXPECT_TRUE(deletePendingLine(djh, lines[0].toLongLong()));
    EXPECT_EQ(rows("select sh_yfje,sh_sfje from jxc_shdj"), "100|450");
    EXPECT_EQ(rows("select count(*) from jxc_shspmx"), "2");
    EXPECT_FALSE(deletePendingLine(djh, lines[1].toLongLong()));
    EXPECT_EQ(rows("select (select count(*) from jxc_shdj)+(select count(*) from jxc_shsp)+(select count(*) from jxc_shspmx)"),
              "0");

    // A whole bill goes with its lines and rows; another held bill stays.
    const QString a = s.receipt().hold();
    const QString b = s.receipt().hold();
    deletePendingCgjh(a);
    EXPECT_EQ(rows("select distinct gl_djh from jxc_shdj union select distinct gl_djh from jxc_shsp "
                   "union select distinct gl_djh from jxc_shspmx"),
              b);
}

TEST(CgjhPending, AuditPostsWithTheHeldValuesAndTheHoldingOperator)
{
    PendingShop s;
    ReceiptBuilder r = s.receipt();
    const QString djh = r.hold();
    const QString cgpl = selectValue("select u_cgpl from jxc_user where u_sn=?", {{QString(), s.shop.handlerSn()}});
    operatorName = QStringLiteral("李审核");

    // Paid above the payable: written into the pending header too.
    EXPECT_EQ(auditCgjh({.djh = djh, .paid = Money::fromDouble(520), .mode = CgjhMode::PaidOnly, .note = "  审核'通过-- "}),
              2);
    EXPECT_EQ(rows("select sh_sfje,sh_djzt,sh_note from jxc_shdj"), "520|1|审核‘通过－－");
    EXPECT_EQ(rows("select j_sn,ck_sn,j_jhrq,j_yfje,j_sfje,j_yhje,a_name,j_note from jxc_jhd"),
              djh + "|" + s.branch + "|2013-05-28|520|520|-20|张三|审核‘通过－－");
    EXPECT_EQ(rows("select k_djtxt,a_name,k_fkfs,k_yfje,k_sfje from jxc_ysyfk"), "采购进货单审核|张三|现金|520|520");
    EXPECT_EQ(rows("select xj_je,xj_kmmc,ck_name,a_name from jxc_xjyh"), "-520|现金|分仓|张三");
    EXPECT_EQ(rows("select log_note from jxc_log"), "进货单" + djh + "通过审核，共2种商品");
    EXPECT_EQ(selectValue("select u_cgpl from jxc_user where u_sn=?", {{QString(), s.shop.handlerSn()}}), cgpl);
    // The lines came back with their size and colour rows and moved stock in the held warehouse.
    EXPECT_EQ(rows("select count(*) from jxc_jhsp where j_sn=? and tid=id", {{QString(), djh}}), "2");
    EXPECT_EQ(rows("select ck_sn,g_sn,kc_sl from jxc_kcsp order by id"),
              QStringLiteral("%1|%2|5 %1|%3|2").arg(s.branch, s.sandal, s.boot));
    EXPECT_EQ(rows("select sum(t_sl) from jxc_tkc where ck_sn=?", {{QString(), s.branch}}), "7");
    // The pending lines stay as the record.
    EXPECT_EQ(rows("select count(*) from jxc_shsp"), "2");

    // A second audit is refused and writes nothing.
    const QString before = postedBooks();
    EXPECT_THROW(auditCgjh({.djh = djh, .paid = Money::fromDouble(1), .mode = CgjhMode::PaidOnly, .note = {}}), DbError);
    EXPECT_EQ(postedBooks(), before);
    EXPECT_EQ(rows("select count(*) from jxc_jhsp"), "2");
}

TEST(CgjhPending, AuditBelowThePayableKeepsTheHeldPaidAndIgnoresStrayLines)
{
    PendingShop s;
    const QString djh = s.receipt().hold();
    // Lines left under the held number by an interrupted window are not posted with it.
    writeLine(kReceiptLines, djh, {.gSn = s.sandal, .price = Money::fromDouble(1), .rows = {}, .quantity = Money::fromDouble(9)});
    // The note is cut to 64 characters, never inside a character outside the basic plane.
    auditCgjh({.djh = djh, .paid = Money::fromDouble(300), .mode = CgjhMode::RestOwed,
               .note = QString(63, u'鞋') + QStringLiteral("😀鞋")});
    EXPECT_EQ(rows("select sh_sfje,length(sh_note),sh_note=j_note from jxc_shdj,jxc_jhd"), "450|63|1");
    EXPECT_EQ(rows("select j_yfje,j_sfje,j_yhje from jxc_jhd"), "500|300|0");
    EXPECT_EQ(rows("select sum(jh_sl) from jxc_jhsp"), "7");
    EXPECT_EQ(rows("select ghs_lwje from jxc_ghsxx where ghs_sn='100001'"), "200");
}

TEST(CgjhPending, TheDiscountGoodsMovesNoStockInTheAudit)
{
    PendingShop s;
    ReceiptBuilder r = s.receipt();
    r.plainLine("00000000", -20, 1);
    const QString djh = r.hold();
    EXPECT_EQ(auditCgjh({.djh = djh, .paid = Money::fromDouble(480), .mode = CgjhMode::PaidOnly, .note = {}}), 2);
    EXPECT_EQ(rows("select count(*) from jxc_kcsp where g_sn='00000000'"), "0");
    EXPECT_EQ(rows("select g_kc from jxc_goods where g_sn='00000000'"), "0");
}

}  // namespace
