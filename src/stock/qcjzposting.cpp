#include "stock/qcjzposting.h"

#include "data/clock.h"
#include "data/combos.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/posting.h"
#include "data/settings.h"

namespace {

const QString kOpening = QStringLiteral("期初建账");

// The opening journal row of the goods in the warehouse (no document number).
const QString kOpeningRow = QStringLiteral("g_sn=? and ck_sn=? and ghs_name='期初建账' and ifnull(gl_djh,'')=''");

}  // namespace

bool qcjzHasBusiness(const QString& gSn, const QString& ckSn)
{
    return !selectValue(QStringLiteral("select id from jxc_goodslist where g_sn=? and ck_sn=? and gl_djh<>'' limit 1"),
                        {{QString(), gSn}, {QString(), ckSn}})
                .isEmpty();
}

void saveQcjz(const QcjzEntry& e, bool modify)
{
    const SqlParams key{{QString(), e.gSn}, {QString(), e.ckSn}};
    Money q;
    for (const SizeColorQty& c : e.cells)
        q += c.qty;
    const QString month = Clock::today().toString(QStringLiteral("yyyy-MM"));
    const QString today = Clock::today().toString(QStringLiteral("yyyy-MM-dd"));

    Transaction tx;
    const ResultSet old = openSelect(QStringLiteral("select kc_sl,kc_cbj from jxc_kcsp where g_sn=? and ck_sn=? order by id limit 1"), key);
    if (modify && qcjzHasBusiness(e.gSn, e.ckSn))
        throw DbError(QStringLiteral("该商品发生过业务，不能修改建账信息！"));
    if (!modify && !old.isEmpty())
        throw DbError(QStringLiteral("该商品已经建账，不能重复建账！"));
    const Money oldQty = modify ? Money::fromText(old.text(0, 0)) : Money();
    const Money oldValue = modify ? oldQty * Money::fromText(old.text(0, 1)) : Money();
    const Money value = q * e.cost;

    if (modify) {
        execSql(QStringLiteral("update jxc_kcsp set kc_cbj=?,kc_sl=? where g_sn=? and ck_sn=?"),
                {{QString(), e.cost.toDouble()}, {QString(), q.toDouble()}, {QString(), e.gSn}, {QString(), e.ckSn}});
        execSql(QStringLiteral("update jxc_goodslist set gl_dj=?,gl_sl=?,gl_sysl=?,gl_zje=? where ") + kOpeningRow,
                {{QString(), e.cost.toDouble()}, {QString(), q.toDouble()}, {QString(), q.toDouble()},
                 {QString(), value.toDouble()}, {QString(), e.gSn}, {QString(), e.ckSn}});
    } else {
        moveWarehouseStock(e.ckSn, e.gSn, q, e.cost);
    }
    execSql(QStringLiteral("update jxc_goods set g_kc=ifnull(g_kc,0)+?,g_jj=?,g_scjj=?,g_pjjj=? where g_sn=?"),
            {{QString(), (q - oldQty).toDouble()}, {QString(), e.cost.toDouble()}, {QString(), e.cost.toDouble()},
             {QString(), e.cost.toDouble()}, {QString(), e.gSn}});
    addToMonthStock(month, e.ckSn, {{"js_sl", q - oldQty}, {"js_cgsl", q - oldQty}, {"js_zje", value - oldValue},
                                   {"js_cgje", value - oldValue}});
    if (!modify) {
        execSql(QStringLiteral(
                    "insert into jxc_goodslist (gl_flag,gl_djh,gl_kdrq,g_sn,g_name,g_jm,dw_name,gg_name,color_name,gl_dj,"
                    "gl_sl,gl_zje,gl_lr,u_name,a_name,ck_name,ghs_sn,ghs_name,gl_sysl,gl_fdmc,gl_dqkc,ck_sn,gl_dzl) "
                    "select 'cj','',?,g_sn,g_name,g_jm,dw_name,gg_name,color_name,?,?,?,0,?,?,?,'',?,?,'',0,?,1 "
                    "from jxc_goods where g_sn=? order by id limit 1"),
                {{QString(), today}, {QString(), e.cost.toDouble()}, {QString(), q.toDouble()}, {QString(), value.toDouble()},
                 {QString(), getDefaultUserName()}, {QString(), operatorName}, {QString(), e.ckName}, {QString(), kOpening},
                 {QString(), q.toDouble()}, {QString(), e.ckSn}, {QString(), e.gSn}});
    }

    // The size-colour stock: one row per cell, zeros too.
    execSql(QStringLiteral("delete from jxc_tkc where g_sn=? and ck_sn=?"), key);
    for (const SizeColorQty& c : e.cells)
        execSql(QStringLiteral("insert into jxc_tkc (g_sn,ck_sn,t_sl,cm_sn,color_sn) values (?,?,?,?,?)"),
                {{QString(), e.gSn}, {QString(), e.ckSn}, {QString(), c.qty.toDouble()}, {QString(), c.cmSn},
                 {QString(), c.colorSn}});

    // The opening journal row's size and colour rows: those of that goods and warehouse with an
    // empty number, rebuilt from the stock just written.
    execSql(QStringLiteral("delete from jxc_goodslistmx where g_sn=? and ck_sn=? and ifnull(gl_djh,'')=''"), key);
    execSql(QStringLiteral("insert into jxc_goodslistmx (gl_flag,gl_djh,gl_kdrq,g_sn,gl_dj,ck_sn,ghs_sn,u_name,a_name,"
                           "gl_sl,cm_sn,color_sn,tid) "
                           "select g.gl_flag,g.gl_djh,g.gl_kdrq,g.g_sn,g.gl_dj,g.ck_sn,g.ghs_sn,g.u_name,g.a_name,"
                           "t.t_sl,t.cm_sn,t.color_sn,t.id from jxc_tkc t,"
                           "(select * from jxc_goodslist where g_sn=? and ck_sn=? and ghs_name='期初建账' and "
                           "ifnull(gl_djh,'')='' order by id limit 1) g "
                           "where t.g_sn=g.g_sn and t.ck_sn=g.ck_sn order by t.id"),
            key);
    tx.commit();
}

void deleteQcjz(const QString& gSn, const QString& ckSn)
{
    const SqlParams key{{QString(), gSn}, {QString(), ckSn}};
    const QString month = Clock::today().toString(QStringLiteral("yyyy-MM"));
    Transaction tx;
    const ResultSet row = openSelect(
        QStringLiteral("select a.kc_sl,a.kc_cbj,b.g_name from jxc_kcsp a left join jxc_goods b on b.g_sn=a.g_sn "
                       "where a.g_sn=? and a.ck_sn=? order by a.id limit 1"),
        key);
    if (row.isEmpty())
        return;
    const Money q = Money::fromText(row.text(0, 0));
    writeLog(QStringLiteral("删除期初建账商品数据商品编号：") + gSn + QStringLiteral("，商品名称：") + row.text(0, 2) +
             QStringLiteral("，操作员：") + operatorName + QStringLiteral("，仓库编号：") + ckSn +
             QStringLiteral("，库存数量：") + row.text(0, 0));
    execSql(QStringLiteral("delete from jxc_kcsp where g_sn=? and ck_sn=?"), key);
    if (!q.isZero()) {
        const Money value = q * Money::fromText(row.text(0, 1));
        addToMonthStock(month, ckSn, {{"js_sl", -q}, {"js_cgsl", -q}, {"js_zje", -value}, {"js_cgje", -value}});
    }
    execSql(QStringLiteral("update jxc_goods set g_kc=ifnull(g_kc,0)-? where g_sn=?"), {{QString(), q.toDouble()}, {QString(), gSn}});
    execSql(QStringLiteral("delete from jxc_goodslistmx where g_sn=? and ck_sn=? and ifnull(gl_djh,'')=''"), key);
    execSql(QStringLiteral("delete from jxc_goodslist where ") + kOpeningRow, key);
    execSql(QStringLiteral("delete from jxc_tkc where g_sn=? and ck_sn=?"), key);
    tx.commit();
}
