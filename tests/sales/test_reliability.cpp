// A process that posts sales bills in a loop is killed at random moments: after each kill the
// database is sound and holds whole sales bills only, and stock, daily summary and month rows
// equal the posted bills.
#include "support/killtest.h"
#include "support/shop.h"

#include <QFileInfo>

namespace {

void expectWholeBillsOnly()
{
    EXPECT_EQ(rows("pragma integrity_check"), "ok");
    // Each header has lines that carry their own id in tid, with the size and colour rows that
    // add up to them (lines entered by barcode have none).
    EXPECT_EQ(rows("select count(*) from jxc_lsxsd h where not exists (select 1 from jxc_lsxssp where gl_djh=h.gl_djh)"), "0");
    EXPECT_EQ(rows("select count(*) from jxc_lsxssp l join jxc_lsxsd h on h.gl_djh=l.gl_djh where l.tid is not l.id "
                   "or (exists (select 1 from jxc_lsxsspmx m where m.gl_djh=l.gl_djh and m.tid=l.id) and "
                   "l.ls_sl<>(select sum(t_sl) from jxc_lsxsspmx m where m.gl_djh=l.gl_djh and m.tid=l.id))"),
              "0");
    // ... one ledger row, one cash row, a journal row per line and per size and colour row, a log line.
    EXPECT_EQ(rows("select count(*) from jxc_lsxsd h where "
                   "(select count(*) from jxc_ysyfk where gl_djh=h.gl_djh)<>1 or (select count(*) from jxc_xjyh where gl_djh=h.gl_djh)<>1 "
                   "or (select count(*) from jxc_goodslist where gl_djh=h.gl_djh)<>(select count(*) from jxc_lsxssp where gl_djh=h.gl_djh) "
                   "or (select count(*) from jxc_goodslistmx where gl_djh=h.gl_djh)<>(select count(*) from jxc_lsxsspmx where gl_djh=h.gl_djh) "
                   "or (select count(*) from jxc_log where log_note like '增加销售单'||h.gl_djh||'，%')<>1"),
              "0");
    // Hostile notes and customer names are stored as typed.
    EXPECT_EQ(rows("select count(*) from jxc_lsxsd h join jxc_ysyfk y on y.gl_djh=h.gl_djh join jxc_xjyh x on x.gl_djh=h.gl_djh "
                   "where h.ls_note not like '它''s \"--; 😀鞋%' or y.k_note<>h.ls_note or x.xj_note<>h.ls_note "
                   "or x.ghs_name not like '客户''--%'"),
              "0");
    // No row of a bill that has no header.
    EXPECT_EQ(rows("select (select count(*) from jxc_ysyfk y where not exists (select 1 from jxc_lsxsd where gl_djh=y.gl_djh))+"
                   "(select count(*) from jxc_xjyh y where not exists (select 1 from jxc_lsxsd where gl_djh=y.gl_djh))+"
                   "(select count(*) from jxc_goodslist y where not exists (select 1 from jxc_lsxsd where gl_djh=y.gl_djh))+"
                   "(select count(*) from jxc_goodslistmx y where not exists (select 1 from jxc_lsxsd where gl_djh=y.gl_djh))+"
                   "(select count(*) from jxc_log where log_note like '增加销售单%' and "
                   "  not exists (select 1 from jxc_lsxsd where log_note like '增加销售单'||gl_djh||'，%'))"),
              "0");
    // Stock, size-colour stock, daily summary and month rows are the sums of the posted bills.
    EXPECT_EQ(rows("select ck_sn,g_sn,sum(kc_sl),sum(kc_xssl) from jxc_kcsp group by ck_sn,g_sn order by ck_sn,g_sn"),
              rows("select h.ck_sn,l.g_sn,-sum(l.ls_sl),sum(l.ls_sl) from jxc_lsxssp l join jxc_lsxsd h on h.gl_djh=l.gl_djh "
                   "group by h.ck_sn,l.g_sn order by h.ck_sn,l.g_sn"));
    EXPECT_EQ(rows("select ck_sn,g_sn,cm_sn,color_sn,sum(t_sl) from jxc_tkc group by 1,2,3,4 order by 1,2,3,4"),
              rows("select h.ck_sn,m.g_sn,m.cm_sn,m.color_sn,-sum(m.t_sl) from jxc_lsxsspmx m join jxc_lsxsd h "
                   "on h.gl_djh=m.gl_djh group by 1,2,3,4 order by 1,2,3,4"));
    EXPECT_EQ(rows("select g_sn,g_kc from jxc_goods where g_kc<>0 order by g_sn"),
              rows("select g_sn,-sum(ls_sl) from jxc_lsxssp l join jxc_lsxsd h on h.gl_djh=l.gl_djh group by g_sn order by g_sn"));
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

TEST(SpxsReliability, KilledPostingsLeaveWholeBillsOnly)
{
    Shop shop;
    shop.customer("客户'乙--");
    shop.warehouse("分仓");
    shop.goods("凉鞋", {"39", "40", "41"}, {"黑色", "白色"});
    shop.goods("靴子", {"38"}, {"红色"});
    shop.goods("拖鞋", {}, {});
    const QString dataDir = QFileInfo(shop.db().path()).absolutePath();
    killRepeatedly(QStringLiteral(JXC_SPXS_POSTLOOP), dataDir, expectWholeBillsOnly);
    EXPECT_GT(selectValue("select count(*) from jxc_lsxsd").toInt(), 0);
}

}  // namespace
