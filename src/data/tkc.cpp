#include "data/tkc.h"

#include "data/datamodule.h"
#include "data/routineargs.h"

namespace {

// Moves the document's variants by +quantity (sign 1) or -quantity (sign -1): each size and
// colour row moves exactly one stock row of its variant, so the variant's summed stock moves by
// the row's quantity.
void moveTkcRows(const QString& table, const char* keyColumn, const QVariant& key, const QString& ckSn, int sign)
{
    Transaction tx;
    const ResultSet rows = openSelect(QStringLiteral("select g_sn,cm_sn,color_sn,t_sl from %1 where %2=? order by id")
                                          .arg(sqlName(table), QLatin1String(keyColumn)),
                                      {{QString(), key}});
    for (int r = 0; r < rows.rowCount(); ++r) {
        const Money q = amountArg(rows.text(r, 3));
        const SqlParams p{{QStringLiteral(":g"), rows.text(r, 0)}, {QStringLiteral(":c"), rows.text(r, 1)},
                          {QStringLiteral(":k"), rows.text(r, 2)}, {QStringLiteral(":w"), ckSn},
                          {QStringLiteral(":q"), (sign < 0 ? -q : q).toDouble()}};
        // One stock row of the variant moves (the oldest, when batches hold it in several).
        const int changed = mainDb().exec(
            QStringLiteral("update jxc_tkc set t_sl=ifnull(t_sl,0)+:q where id=(select min(id) from jxc_tkc "
                           "where g_sn=:g and cm_sn=:c and color_sn=:k and ck_sn=:w)"),
            p);
        if (changed == 0)
            execSql(QStringLiteral("insert into jxc_tkc (g_sn,cm_sn,color_sn,ck_sn,t_sl) values (:g,:c,:k,:w,:q)"), p);
    }
    tx.commit();
}

void moveTkcBatch(const QString& gSn, const QString& ckSn, const QString& quantity, const QString& scrq, int sign)
{
    const Money q = amountArg(quantity);
    Transaction tx;
    execSql(QStringLiteral("update jxc_tkc set t_sl=t_sl+? where g_sn=? and ck_sn=? and t_scrq=?"),
            {{QString(), (sign < 0 ? -q : q).toDouble()}, {QString(), gSn}, {QString(), ckSn}, {QString(), scrq}});
    tx.commit();
}

}  // namespace

void addTkcByDoc(const QString& table, const QString& djh, const QString& ckSn)
{
    moveTkcRows(table, "gl_djh", djh, ckSn, 1);
}

void subTkcByDoc(const QString& table, const QString& djh, const QString& ckSn)
{
    moveTkcRows(table, "gl_djh", djh, ckSn, -1);
}

void addTkcByLine(const QString& table, qint64 lineId, const QString& ckSn)
{
    moveTkcRows(table, "tid", lineId, ckSn, 1);
}

void subTkcByLine(const QString& table, qint64 lineId, const QString& ckSn)
{
    moveTkcRows(table, "tid", lineId, ckSn, -1);
}

void zeroTkcByDoc(const QString& table, const QString& djh, const QString& ckSn)
{
    Transaction tx;
    execSql(QStringLiteral("update jxc_tkc set t_sl=0 where ck_sn=? and g_sn in (select g_sn from %1 where gl_djh=?)")
                .arg(sqlName(table)),
            {{QString(), ckSn}, {QString(), djh}});
    tx.commit();
}

void subTkcBatch(const QString& gSn, const QString& ckSn, const QString& quantity, const QString& scrq)
{
    moveTkcBatch(gSn, ckSn, quantity, scrq, -1);
}

void addTkcBatch(const QString& gSn, const QString& ckSn, const QString& quantity, const QString& scrq)
{
    moveTkcBatch(gSn, ckSn, quantity, scrq, 1);
}

void makeGoodsTm(const QString& gSn, const QString& cmzSn, const QString& colorzSn, const QString& barcode,
                 const QString& order)
{
    if (barcode.isEmpty())
        return;
    const bool sizeFirst = order == u"2";
    Transaction tx;
    execSql(QStringLiteral("delete from jxc_tm where g_sn=?"), {{QString(), gSn}});
    const ResultSet colors = openSelect(
        QStringLiteral("select a.color_sn,a.color_tm from jxc_color a,jxc_colorz2 b where a.color_sn=b.color_sn "
                       "and a.color_tm<>'10' and b.colorz_sn=? order by a.id"),
        {{QString(), colorzSn}});
    const ResultSet sizes = openSelect(
        QStringLiteral("select a.cm_sn,a.cm_tm from jxc_cm a,jxc_cmz2 b where a.cm_sn=b.cm_sn "
                       "and a.cm_tm<>'10' and b.cmz_sn=? order by a.id"),
        {{QString(), cmzSn}});
    for (int c = 0; c < colors.rowCount(); ++c) {
        const QString colorTm = colors.text(c, 1);
        for (int s = 0; s < sizes.rowCount(); ++s) {
            const QString sizeTm = sizes.text(s, 1);
            const QString tm = barcode + (sizeFirst ? sizeTm + colorTm : colorTm + sizeTm);
            execSql(QStringLiteral("insert into jxc_tm (g_sn,tm_sl,tm_dy,cm_sn,color_sn,tm_tm,g_sptm,cm_tm,color_tm) "
                                   "values (?,1,1,?,?,?,?,?,?)"),
                    {{QString(), gSn}, {QString(), sizes.text(s, 0)}, {QString(), colors.text(c, 0)}, {QString(), tm},
                     {QString(), barcode}, {QString(), sizeTm}, {QString(), colorTm}});
        }
    }
    tx.commit();
}

QString getCmSn(const QString& cmName)
{
    return selectValue(QStringLiteral("select cm_sn from jxc_cm where cm_name=? order by id limit 1"), {{QString(), cmName}});
}

QString getColorSn(const QString& colorName)
{
    return selectValue(QStringLiteral("select color_sn from jxc_color where color_name=? order by id limit 1"),
                       {{QString(), colorName}});
}

QString getKcSl(const QString& ckSn, const QString& gSn)
{
    QString v = selectValue(QStringLiteral("select kc_sl from jxc_kcsp where g_sn=? and ck_sn=? order by id limit 1"),
                            {{QString(), gSn}, {QString(), ckSn}});
    if (v.isEmpty())
        v = selectValue(QStringLiteral("select g_kc from jxc_goods where g_sn=? order by id limit 1"), {{QString(), gSn}});
    return v.isEmpty() ? QStringLiteral("0") : v;
}
