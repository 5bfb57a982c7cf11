// A process that posts loans, give-backs and conversions in a loop is killed at random moments:
// after each kill the database is sound and every document is whole or absent, a conversion
// with its whole sales bill.
#include "support/killtest.h"
#include "support/shop.h"

#include <QFileInfo>

namespace {

void expectWholeLendingOnly()
{
    EXPECT_EQ(rows("pragma integrity_check"), "ok");
    // Posted rows carry their own id and, as a posted row, a customer; their size and colour rows
    // add up to what the row moved (a borrowing line: what it lent; a give-back: what it took back).
    EXPECT_EQ(rows("select count(*) from jxc_jhgl a where ifnull(a.kh_sn,'')<>'' and (a.tid is not a.id or "
                   "(select sum(t_sl) from jxc_jhglmx m where m.gl_djh=a.gl_djh and m.tid=a.id) is null)"),
              "0");
    EXPECT_EQ(rows("select count(*) from jxc_jhgl a where jh_flag='h' and -jh_sl<>(select sum(t_sl) from jxc_jhglmx m "
                   "where m.gl_djh=a.gl_djh and m.tid=a.id)"),
              "0");
    EXPECT_EQ(rows("select count(*) from jxc_jhgl a where jh_flag='j' and ifnull(kh_sn,'')<>'' and jh_sl<>0 and "
                   "jh_sl<>(select sum(t_sl) from jxc_jhglmx m where m.gl_djh=a.gl_djh and m.tid=a.id)"),
              "0");
    // Every settled line has its one give-back row.
    EXPECT_EQ(rows("select count(*) from jxc_jhgl where jh_flag='j' and ifnull(kh_sn,'')<>'' and jh_sl=0"),
              rows("select count(*) from jxc_jhgl where jh_flag='h'"));
    // A conversion's give-back row has its sales bill: header, line, ledger and cash row.
    EXPECT_EQ(rows("select count(*) from jxc_jhgl where jh_flag='h' and jh_dj is not null"),
              rows("select count(*) from jxc_lsxsd"));
    EXPECT_EQ(rows("select count(*) from jxc_lsxsd h where (select count(*) from jxc_lsxssp where gl_djh=h.gl_djh)<>1 "
                   "or (select count(*) from jxc_ysyfk where gl_djh=h.gl_djh)<>1 "
                   "or (select count(*) from jxc_xjyh where gl_djh=h.gl_djh)<>1 "
                   "or (select count(*) from jxc_goodslist where gl_djh=h.gl_djh)<>1"),
              "0");
    // Stock: out by what is still lent or was sold; sold quantities by the sales lines.
    EXPECT_EQ(rows("select g_sn,sum(kc_sl),sum(kc_xssl) from jxc_kcsp group by g_sn having sum(kc_sl)<>0 or sum(kc_xssl)<>0 "
                   "order by g_sn"),
              rows("select g_sn,-sum(q),sum(s) from (select g_sn,jh_sl as q,0 as s from jxc_jhgl where jh_flag='j' "
                   "and ifnull(kh_sn,'')<>'' union all select g_sn,-jh_sl,-jh_sl from jxc_jhgl where jh_flag='h' "
                   "and jh_dj is not null) group by g_sn having sum(q)<>0 or sum(s)<>0 order by g_sn"));
    EXPECT_EQ(rows("select g_sn,g_kc from jxc_goods where g_kc<>0 order by g_sn"),
              rows("select g_sn,sum(kc_sl) from jxc_kcsp group by g_sn having sum(kc_sl)<>0 order by g_sn"));
    EXPECT_EQ(rows("select ifnull(sum(t_sl),0) from jxc_tkc"), rows("select ifnull(sum(kc_sl),0) from jxc_kcsp"));
    EXPECT_EQ(rows("select yh_zje from jxc_yhzh where yh_name='现金'"), rows("select ifnull(sum(xj_je),0) from jxc_xjyh"));
}

TEST(KhjhReliability, KilledLendingLeavesWholeDocumentsOnly)
{
    Shop shop;
    shop.customer("客户'乙--");
    shop.warehouse("分仓");
    shop.goods("凉鞋", {"39", "40", "41"}, {"黑色", "白色"});
    shop.goods("靴子", {"38"}, {"红色"});
    const QString dataDir = QFileInfo(shop.db().path()).absolutePath();
    killRepeatedly(QStringLiteral(JXC_KHJH_POSTLOOP), dataDir, expectWholeLendingOnly);
    EXPECT_GT(selectValue("select count(*) from jxc_jhgl").toInt(), 0);
}

}  // namespace
