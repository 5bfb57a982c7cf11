// A process that posts sales bills and deletes posted ones in a loop is killed at random
// moments: after each kill the database is sound, every bill is either posted whole or gone with
// all its effects, and stock, summaries, money and balances equal the bills still posted.
#include "support/killtest.h"
#include "support/shop.h"

#include <QFileInfo>

namespace {

void expectWholeOrGone()
{
    EXPECT_EQ(rows("pragma integrity_check"), "ok");
    // Each posted bill is whole: lines, one ledger row, one cash row, its journal rows.
    EXPECT_EQ(rows("select count(*) from jxc_lsxsd h where not exists (select 1 from jxc_lsxssp where gl_djh=h.gl_djh) "
                   "or (select count(*) from jxc_ysyfk where gl_djh=h.gl_djh)<>1 or (select count(*) from jxc_xjyh where gl_djh=h.gl_djh)<>1 "
                   "or (select count(*) from jxc_goodslist where gl_djh=h.gl_djh)<>(select count(*) from jxc_lsxssp where gl_djh=h.gl_djh) "
                   "or (select count(*) from jxc_goodslistmx where gl_djh=h.gl_djh)<>(select count(*) from jxc_lsxsspmx where gl_djh=h.gl_djh)"),
              "0");
    // A deleted bill left no row behind.
    EXPECT_EQ(rows("select (select count(*) from jxc_ysyfk y where not exists (select 1 from jxc_lsxsd where gl_djh=y.gl_djh))+"
                   "(select count(*) from jxc_xjyh y where not exists (select 1 from jxc_lsxsd where gl_djh=y.gl_djh))+"
                   "(select count(*) from jxc_goodslist y where not exists (select 1 from jxc_lsxsd where gl_djh=y.gl_djh))+"
                   "(select count(*) from jxc_goodslistmx y where not exists (select 1 from jxc_lsxsd where gl_djh=y.gl_djh))"),
              "0");
    // Each posting and each deletion logged itself with its rows (a deleted bill's number may be
    // drawn again, so the lines are counted).
    EXPECT_EQ(rows("select (select count(*) from jxc_log where log_note like '增加销售单%')-"
                   "(select count(*) from jxc_log where log_note like '删除零售销售单%')-(select count(*) from jxc_lsxsd)"),
              "0");
    // Stock, size-colour stock, goods totals, daily movement, summaries, money and balances are
    // those of the bills still posted.
    EXPECT_EQ(rows("select ck_sn,g_sn,sum(kc_sl),sum(kc_xssl) from jxc_kcsp group by 1,2 having sum(kc_sl)<>0 or sum(kc_xssl)<>0 "
                   "order by 1,2"),
              rows("select h.ck_sn,l.g_sn,-sum(l.ls_sl),sum(l.ls_sl) from jxc_lsxssp l join jxc_lsxsd h on h.gl_djh=l.gl_djh "
                   "group by 1,2 order by 1,2"));
    EXPECT_EQ(rows("select ck_sn,g_sn,cm_sn,color_sn,sum(t_sl) from jxc_tkc group by 1,2,3,4 having sum(t_sl)<>0 order by 1,2,3,4"),
              rows("select h.ck_sn,m.g_sn,m.cm_sn,m.color_sn,-sum(m.t_sl) from jxc_lsxsspmx m join jxc_lsxsd h "
                   "on h.gl_djh=m.gl_djh group by 1,2,3,4 order by 1,2,3,4"));
    EXPECT_EQ(rows("select g_sn,g_kc from jxc_goods where g_kc<>0 order by g_sn"),
              rows("select g_sn,-sum(ls_sl) from jxc_lsxssp l join jxc_lsxsd h on h.gl_djh=l.gl_djh group by g_sn order by g_sn"));
    EXPECT_EQ(rows("select g_sn,sum(t_xs) from jxc_tempspbd group by g_sn having sum(t_xs)<>0 order by g_sn"),
              rows("select g_sn,sum(ls_sl) from jxc_lsxssp l join jxc_lsxsd h on h.gl_djh=l.gl_djh group by g_sn order by g_sn"));
    EXPECT_EQ(rows("select yy_rq,yy_xssl,yy_xsje from jxc_tempyyfx where yy_xssl<>0 order by yy_rq"),
              rows("select ls_xsrq,(select sum(ls_sl) from jxc_lsxssp l join jxc_lsxsd x on x.gl_djh=l.gl_djh "
                   "where x.ls_xsrq=h.ls_xsrq),sum(ls_yfje) from jxc_lsxsd h group by ls_xsrq order by ls_xsrq"));
    EXPECT_EQ(rows("select js_rq,ck_sn,js_xssl,js_xsje from jxc_kcjs where js_xssl<>0 order by js_rq,ck_sn"),
              rows("select m,ck_sn,sum(q),sum(a) from (select substr(h.ls_xsrq,1,7) as m,h.ck_sn,h.ls_yfje as a,"
                   "(select sum(ls_sl) from jxc_lsxssp where gl_djh=h.gl_djh) as q from jxc_lsxsd h) "
                   "group by m,ck_sn order by m,ck_sn"));
    EXPECT_EQ(rows("select yh_zje from jxc_yhzh where yh_name='现金'"), rows("select ifnull(sum(xj_je),0) from jxc_xjyh"));
    EXPECT_EQ(rows("select count(*) from jxc_khxx k where k.kh_lwje<>ifnull((select k_ljje from jxc_ysyfk "
                   "where k_ghskh=k.kh_sn and k_type='kh' order by k_rq desc,id desc limit 1),0)"),
              "0");
}

TEST(BillDeleteReliability, KilledDeletionsLeaveBillsWholeOrGone)
{
    Shop shop;
    shop.customer("客户乙");
    shop.warehouse("分仓");
    shop.goods("凉鞋", {"39", "40", "41"}, {"黑色", "白色"});
    shop.goods("靴子", {"38"}, {"红色"});
    const QString dataDir = QFileInfo(shop.db().path()).absolutePath();
    killRepeatedly(QStringLiteral(JXC_BILLDELETE_LOOP), dataDir, expectWholeOrGone);
    EXPECT_GT(selectValue("select count(*) from jxc_log where log_note like '删除零售销售单%'").toInt(), 0);
}

}  // namespace
