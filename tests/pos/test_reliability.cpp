// A process ringing up member sales at the till, paid partly from the card and earning points,
// is killed at random moments: after each kill the database is sound and every sale is there
// whole or not at all, with the members' balances and points moved by exactly the sales on file.
#include "data/settings.h"
#include "support/killtest.h"
#include "support/shop.h"

#include <QFileInfo>

namespace {

void expectWholeSalesOnly()
{
    EXPECT_EQ(rows("pragma integrity_check"), "ok");
    // One till, member and sales-bill header, ledger, cash-journal and log row per sale.
    const QString sales = rows("select count(*) from jxc_posxsd");
    EXPECT_EQ(rows("select count(*) from jxc_lsxsd"), sales);
    EXPECT_EQ(rows("select count(*) from jxc_hyxsd"), sales);
    EXPECT_EQ(rows("select count(*) from jxc_ysyfk where k_djtxt='POS销售单'"), sales);
    EXPECT_EQ(rows("select count(*) from jxc_xjyh where xj_dlx='前台销售'"), sales);
    EXPECT_EQ(rows("select count(*) from jxc_log where log_note like '增加POS销售单%'"), sales);
    // Each paid line once in every table, journalled with its size row.
    const QString lines = rows("select count(*) from jxc_lsxssp where gl_djh in (select gl_djh from jxc_posxsd)");
    EXPECT_EQ(rows("select count(*) from jxc_posxssp"), lines);
    EXPECT_EQ(rows("select count(*) from jxc_hyxssp"), lines);
    EXPECT_EQ(rows("select count(*) from jxc_goodslist where gl_fdmc='99'"), lines);
    EXPECT_EQ(rows("select count(*) from jxc_goodslistmx where gl_djh in (select gl_djh from jxc_posxsd)"), lines);
    // Members: the opening 500 less the card parts, the points and visits of their sales.
    EXPECT_EQ(rows("select count(*) from jxc_hyxx m where hy_bh like 'K%' and ("
                   "m.hy_zhje<>500-(select ifnull(sum(pos_czk),0) from jxc_posxsd s where s.hy_sn=m.hy_sn) or "
                   "m.hy_jf<>(select ifnull(sum(pos_bcjf),0) from jxc_posxsd s where s.hy_sn=m.hy_sn) or "
                   "m.hy_cs<>(select count(*) from jxc_posxsd s where s.hy_sn=m.hy_sn))"),
              "0");
    // "现金" holds the journal's other rows and the cash parts of the sales.
    EXPECT_EQ(rows("select yh_zje from jxc_yhzh where yh_name='现金'"),
              rows("select round((select ifnull(sum(xj_je),0) from jxc_xjyh where xj_dlx<>'前台销售')+"
                   "(select ifnull(sum(pos_sfje-pos_czk),0) from jxc_posxsd),4)"));
    // Stock and size stock: what came in less what the sales on file took.
    EXPECT_EQ(rows("select (select sum(g_kc) from jxc_goods)+(select ifnull(sum(pos_sl),0) from jxc_posxssp)"),
              rows("select sum(jh_sl) from jxc_jhsp"));
    EXPECT_EQ(rows("select (select sum(t_sl) from jxc_tkc)+(select ifnull(sum(pos_sl),0) from jxc_posxssp)"),
              rows("select sum(jh_sl) from jxc_jhsp"));
}

TEST(PosReliability, KilledTillSalesAreWholeOrAbsent)
{
    Shop shop;
    const QString sandal = shop.goods(QStringLiteral("凉鞋"), {QStringLiteral("39"), QStringLiteral("40")},
                                      {QStringLiteral("黑色"), QStringLiteral("白色")});
    shop.receipt()
        .line(sandal, 50, {{"39", "黑色", 1000}, {"40", "黑色", 1000}, {"39", "白色", 1000}, {"40", "白色", 1000}})
        .post();
    savePointsSettings({.rule = 1, .perPoint = Money::fromUnits(200000), .carryOver = true, .multiple = {}, .date1 = {}, .date2 = {}});
    for (int i = 1; i <= 5; ++i)
        shop.member(QStringLiteral("K%1").arg(i), QStringLiteral("会员'--%1").arg(i), 0, 500);
    const QString dataDir = QFileInfo(shop.db().path()).absolutePath();
    killRepeatedly(QStringLiteral(JXC_POS_POSTLOOP), dataDir, expectWholeSalesOnly);
    EXPECT_GT(rows("select count(*) from jxc_posxsd").toInt(), 0);
}

}  // namespace
