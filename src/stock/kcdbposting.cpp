#include "stock/kcdbposting.h"

#include "data/datamodule.h"
#include "data/posting.h"
#include "data/settings.h"
#include "data/summaries.h"
#include "data/textrules.h"
#include "data/tkc.h"

int postKcdb(const KcdbPosting& bill)
{
    const SqlParams byNumber{{QString(), bill.djh}};
    Transaction tx;
    if (!selectValue(QStringLiteral("select id from jxc_kcdbd where gl_djh=? limit 1"), byNumber).isEmpty())
        throw DbError(QStringLiteral("单号%1已经保存过，不能重复保存！").arg(bill.djh));
    if (bill.ckOut == bill.ckIn)
        throw DbError(QStringLiteral("调出仓库与调入仓库不能相同！"));
    const ResultSet lines = openSelect(
        QStringLiteral("select a.g_sn,a.db_sl,ifnull(b.g_jj,0) from jxc_dbsp a left join jxc_goods b on b.g_sn=a.g_sn "
                       "where a.gl_djh=? order by a.id"),
        byNumber);
    if (lines.isEmpty())
        throw DbError(QStringLiteral("没有调拨商品，不能保存！"));

    execSql(QStringLiteral("update jxc_dbsp set tid=id where gl_djh=?"), byNumber);
    appendRow(QStringLiteral("jxc_kcdbd"), {{QStringLiteral("gl_djh"), bill.djh},
                                            {QStringLiteral("ck_out"), bill.ckOut},
                                            {QStringLiteral("ck_in"), bill.ckIn},
                                            {QStringLiteral("db_dbrq"), bill.date},
                                            {QStringLiteral("u_sn"), bill.uSn},
                                            {QStringLiteral("db_note"), sqlSafeName(bill.note.trimmed()).left(64)},
                                            {QStringLiteral("a_name"), bill.op}});
    const QString month = bill.date.left(7);
    checkKcjsMonth(month);
    for (int r = 0; r < lines.rowCount(); ++r) {
        const QString goods = lines.text(r, 0);
        const Money q = Money::fromText(lines.text(r, 1));
        const Money cost = moveWarehouseStock(bill.ckOut, goods, -q, Money::fromText(lines.text(r, 2)));
        const Money value = q * cost;
        addToMonthStock(month, bill.ckOut, {{"js_sl", -q}, {"js_zje", -value}});
        moveWarehouseStock(bill.ckIn, goods, q, cost);
        addToMonthStock(month, bill.ckIn, {{"js_sl", q}, {"js_zje", value}});
    }
    addTkcByDoc(QStringLiteral("jxc_dbspmx"), bill.djh, bill.ckIn);
    subTkcByDoc(QStringLiteral("jxc_dbspmx"), bill.djh, bill.ckOut);
    writeLog(QStringLiteral("增加库存调拨单") + bill.djh + QStringLiteral("，共") + QString::number(lines.rowCount()) +
             QStringLiteral("种商品"));
    tx.commit();
    return lines.rowCount();
}
