// A process that posts, holds and audits receipts and returns whole receipts in a loop is killed
// at random moments: after each kill the database is sound and holds whole receipts, held bills
// and returns only, a held bill is audited exactly when its receipt exists, a receipt is marked
// returned exactly when its return exists, and the stock equals the posted bills.
#include "support/killtest.h"
#include "support/shop.h"

#include <QFileInfo>

namespace {

void expectWholeBillsOnly()
{
    EXPECT_EQ(rows("pragma integrity_check"), "ok");
    // Each header has lines paired with their own size and colour rows, which add up to them.
    EXPECT_EQ(rows("select count(*) from jxc_jhd h where not exists (select 1 from jxc_jhsp where j_sn=h.j_sn)"), "0");
    EXPECT_EQ(rows("select count(*) from jxc_jhsp l join jxc_jhd h on h.j_sn=l.j_sn where l.tid is not l.id "
                   "or l.jh_sl<>(select sum(t_sl) from jxc_jhspmx m where m.gl_djh=l.j_sn and m.tid=l.id)"),
              "0");
    // ... one ledger row, one cash row, a journal row per line and per size and colour row, a log line.
    EXPECT_EQ(rows("select count(*) from jxc_jhd h where "
                   "(select count(*) from jxc_ysyfk where gl_djh=h.j_sn)<>1 or (select count(*) from jxc_xjyh where gl_djh=h.j_sn)<>1 "
                   "or (select count(*) from jxc_goodslist where gl_djh=h.j_sn)<>(select count(*) from jxc_jhsp where j_sn=h.j_sn) "
                   "or (select count(*) from jxc_goodslistmx where gl_djh=h.j_sn)<>(select count(*) from jxc_jhspmx where gl_djh=h.j_sn) "
                   "or (select count(*) from jxc_log where log_note like '增加进货单'||h.j_sn||'，%' "
                   "    or log_note like '进货单'||h.j_sn||'通过审核，%')<>1"),
              "0");
    // Notes with quotes, "--" and characters outside GBK are stored as typed (an audit stores
    // the safe text of the note's first 64 characters).
    EXPECT_EQ(rows("select count(*) from jxc_jhd h join jxc_ysyfk y on y.gl_djh=h.j_sn join jxc_xjyh x on x.gl_djh=h.j_sn "
                   "where (y.k_djtxt='采购进货单' and h.j_note not like '它''s \"--; 😀鞋%') "
                   "or (y.k_djtxt='采购进货单审核' and h.j_note not like '它‘s “－－; 😀鞋%') "
                   "or y.k_note<>h.j_note or x.xj_note<>h.j_note"),
              "0");
    // Held bills are whole, and audited exactly when their receipt exists.
    EXPECT_EQ(rows("select count(*) from jxc_shdj s where s.sh_djzt<>(select count(*) from jxc_jhd where j_sn=s.gl_djh) "
                   "or not exists (select 1 from jxc_shsp where gl_djh=s.gl_djh)"),
              "0");
    EXPECT_EQ(rows("select count(*) from jxc_shsp l where l.tid is not l.id or not exists (select 1 from jxc_shdj where "
                   "gl_djh=l.gl_djh) or l.sh_sl<>(select sum(t_sl) from jxc_shspmx m where m.gl_djh=l.gl_djh and m.tid=l.id)"),
              "0");
    // Each return likewise, and a receipt is marked exactly when its return (noted with its number) exists.
    EXPECT_EQ(rows("select count(*) from jxc_thd t where "
                   "(select count(*) from jxc_ysyfk where gl_djh=t.gl_djh)<>1 or (select count(*) from jxc_xjyh where gl_djh=t.gl_djh)<>1 "
                   "or (select count(*) from jxc_goodslist where gl_djh=t.gl_djh)<>(select count(*) from jxc_thsp where gl_djh=t.gl_djh) "
                   "or (select count(*) from jxc_thsp where gl_djh=t.gl_djh)<>(select count(*) from jxc_jhsp where j_sn=t.th_note) "
                   "or (select count(*) from jxc_log where log_note like '增加采购退货单'||t.gl_djh||'，%')<>1"),
              "0");
    EXPECT_EQ(rows("select count(*) from jxc_jhd h where h.j_th<>(select count(*) from jxc_thd where th_note=h.j_sn)"), "0");
    // No row of a receipt or return that has no header.
    const char* orphan = "not exists (select 1 from jxc_jhd where j_sn=y.gl_djh) and "
                         "not exists (select 1 from jxc_thd where gl_djh=y.gl_djh)";
    EXPECT_EQ(rows(QStringLiteral("select (select count(*) from jxc_ysyfk y where %1)+(select count(*) from jxc_xjyh y where %1)+"
                                  "(select count(*) from jxc_goodslist y where %1)+(select count(*) from jxc_goodslistmx y where %1)")
                       .arg(QLatin1String(orphan)).toUtf8().constData()),
              "0");
    EXPECT_EQ(rows("select (select count(*) from jxc_log where log_note like '增加进货单%' and "
                   "  not exists (select 1 from jxc_jhd where log_note like '增加进货单'||j_sn||'，%'))+"
                   "(select count(*) from jxc_log where log_note like '进货单%通过审核%' and "
                   "  not exists (select 1 from jxc_jhd where log_note like '进货单'||j_sn||'通过审核，%'))+"
                   "(select count(*) from jxc_log where log_note like '增加采购退货单%' and "
                   "  not exists (select 1 from jxc_thd where log_note like '增加采购退货单'||gl_djh||'，%'))"),
              "0");
    // Stock and size-colour stock are the sums of the posted bills, returns taken off; money and
    // balances agree.
    EXPECT_EQ(rows("select ck_sn,g_sn,sum(kc_sl) from jxc_kcsp group by ck_sn,g_sn having sum(kc_sl)<>0 order by ck_sn,g_sn"),
              rows("select ck_sn,g_sn,sum(q) from (select h.ck_sn,l.g_sn,l.jh_sl as q from jxc_jhsp l join jxc_jhd h on h.j_sn=l.j_sn "
                   "union all select h.ck_sn,l.g_sn,-l.th_sl from jxc_thsp l join jxc_thd h on h.gl_djh=l.gl_djh) "
                   "group by ck_sn,g_sn having sum(q)<>0 order by ck_sn,g_sn"));
    EXPECT_EQ(rows("select ck_sn,g_sn,cm_sn,color_sn,sum(t_sl) from jxc_tkc group by 1,2,3,4 having sum(t_sl)<>0 order by 1,2,3,4"),
              rows("select ck_sn,g_sn,cm_sn,color_sn,sum(q) from (select h.ck_sn,m.g_sn,m.cm_sn,m.color_sn,m.t_sl as q "
                   "from jxc_jhspmx m join jxc_jhd h on h.j_sn=m.gl_djh union all select h.ck_sn,m.g_sn,m.cm_sn,m.color_sn,-m.t_sl "
                   "from jxc_thspmx m join jxc_thd h on h.gl_djh=m.gl_djh) group by 1,2,3,4 having sum(q)<>0 order by 1,2,3,4"));
    EXPECT_EQ(rows("select g_sn,g_kc from jxc_goods where g_kc<>0 order by g_sn"),
              rows("select g_sn,sum(q) from (select l.g_sn,l.jh_sl as q from jxc_jhsp l join jxc_jhd h on h.j_sn=l.j_sn "
                   "union all select l.g_sn,-l.th_sl from jxc_thsp l join jxc_thd h on h.gl_djh=l.gl_djh) "
                   "group by g_sn having sum(q)<>0 order by g_sn"));
    EXPECT_EQ(rows("select yh_zje from jxc_yhzh where yh_name='现金'"), rows("select ifnull(sum(xj_je),0) from jxc_xjyh"));
    EXPECT_EQ(rows("select count(*) from jxc_ghsxx g where g.ghs_lwje<>ifnull((select k_ljje from jxc_ysyfk "
                   "where k_ghskh=g.ghs_sn order by k_rq desc,id desc limit 1),0)"),
              "0");
}

TEST(CgjhReliability, KilledPostingsLeaveWholeReceiptsAndReturnsOnly)
{
    Shop shop;
    shop.supplier("鞋业'甲--");
    shop.warehouse("分仓");
    shop.goods("凉鞋", {"39", "40", "41"}, {"黑色", "白色"});
    shop.goods("靴子", {"38"}, {"红色"});
    shop.goods("拖鞋", {}, {});
    const QString dataDir = QFileInfo(shop.db().path()).absolutePath();
    killRepeatedly(QStringLiteral(JXC_POSTLOOP), dataDir, expectWholeBillsOnly);
    EXPECT_GT(selectValue("select count(*) from jxc_jhd").toInt(), 0);
    EXPECT_GT(selectValue("select count(*) from jxc_shdj where sh_djzt=1").toInt(), 0);
    EXPECT_GT(selectValue("select count(*) from jxc_thd").toInt(), 0);
}

}  // namespace
