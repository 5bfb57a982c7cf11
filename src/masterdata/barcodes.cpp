#include "masterdata/barcodes.h"

#include "data/datamodule.h"
#include "data/textrules.h"
#include "data/tkc.h"

namespace {

QList<TmCodeColumn> codeColumns(const QString& namesSql, const QString& group, const QString& codesSql,
                                const QString& gSn)
{
    const ResultSet names = openSelect(namesSql, {{QString(), group}});
    const ResultSet codes = openSelect(codesSql, {{QString(), gSn}});
    QList<TmCodeColumn> columns;
    for (int i = 0; i < names.rowCount(); ++i)
        columns.append({names.text(i, 0), i < codes.rowCount() ? codes.text(i, 0) : QString()});
    return columns;
}

}  // namespace

void regenerateGoodsTm(const QStringList& goodsCodes)
{
    Transaction tx;
    for (const QString& sn : goodsCodes) {
        const ResultSet g = openSelect(QStringLiteral("select cmz_sn,colorz_sn,g_sptm,g_tmtype from jxc_goods where g_sn=?"),
                                       {{QString(), sn}});
        if (!g.isEmpty())
            makeGoodsTm(sn, g.text(0, 0), g.text(0, 1), g.text(0, 2), g.text(0, 3));
    }
    tx.commit();
}

QList<TmCodeColumn> goodsColorCodes(const QString& gSn, const QString& colorzSn)
{
    return codeColumns(QStringLiteral("select a.color_name from jxc_color a,jxc_colorz2 b where a.color_sn=b.color_sn "
                                      "and b.colorz_sn=? order by a.id"),
                       colorzSn, QStringLiteral("select distinct color_tm from jxc_tm where g_sn=? order by color_tm"), gSn);
}

QList<TmCodeColumn> goodsSizeCodes(const QString& gSn, const QString& cmzSn)
{
    return codeColumns(QStringLiteral("select a.cm_name from jxc_cm a,jxc_cmz2 b where a.cm_sn=b.cm_sn "
                                      "and b.cmz_sn=? order by a.id"),
                       cmzSn, QStringLiteral("select distinct cm_tm from jxc_tm where g_sn=? order by cm_tm"), gSn);
}

void setGoodsTmCodes(const QString& gSn, const QString& barcode, int tmType, const QList<TmCodeColumn>& colors,
                     const QList<TmCodeColumn>& sizes)
{
    const QString sptm = sqlSafe(barcode.trimmed());
    Transaction tx;
    execSql(QStringLiteral("delete from jxc_tm where g_sn=?"), {{QString(), gSn}});
    for (const auto& [colorName, colorCode] : colors) {
        const QString colorSn = getColorSn(colorName);
        for (const auto& [sizeName, sizeCode] : sizes) {
            const QString cmSn = getCmSn(sizeName);
            if (colorCode.isEmpty() || sizeCode.isEmpty() || sptm.isEmpty() || colorSn.isEmpty() || cmSn.isEmpty()
                || colorSn == u"100001" || cmSn == u"100001")
                continue;
            const QString c = colorCode.left(8), s = sizeCode.left(8);
            const QString tm = sptm + (tmType == 2 ? s + c : c + s);
            execSql(QStringLiteral("insert into jxc_tm (g_sn,tm_sl,tm_dy,cm_sn,color_sn,tm_tm,g_sptm,cm_tm,color_tm) "
                                   "values (?,1,1,?,?,?,?,?,?)"),
                    {{QString(), gSn}, {QString(), cmSn}, {QString(), colorSn}, {QString(), tm}, {QString(), sptm},
                     {QString(), s}, {QString(), c}});
        }
    }
    tx.commit();
}

QStringList findVariantBarcode(const QString& key)
{
    const QString k = sqlSafe(key.trimmed());
    if (k.isEmpty())
        return {};
    const ResultSet rs = openSelect(
        QStringLiteral("select a.g_sn,a.g_name,a.gg_name,a.dw_name,b.color_name,c.cm_name,b.color_tm,c.cm_tm "
                       "from jxc_goods a,jxc_color b,jxc_cm c,jxc_tm d where a.g_sn=d.g_sn and b.color_sn=d.color_sn "
                       "and c.cm_sn=d.cm_sn and d.tm_tm=? limit 1"),
        {{QString(), k}});
    QStringList row;
    for (int c = 0; c < rs.columnCount() && !rs.isEmpty(); ++c)
        row << rs.text(0, c);
    return row;
}

void setTmQuantity(const QList<qint64>& ids, int quantity)
{
    Transaction tx;
    for (qint64 id : ids)
        execSql(QStringLiteral("update jxc_tm set tm_sl=? where id=?"), {{QString(), quantity}, {QString(), id}});
    tx.commit();
}

bool goodsExists(const QString& gSn)
{
    return !openSelect(QStringLiteral("select g_sn from jxc_goods where g_sn=?"), {{QString(), gSn}}).isEmpty();
}

bool labelRowsExist(const QString& gSn)
{
    return !openSelect(QStringLiteral("select g_sn from jxc_tm where g_sn=? limit 1"), {{QString(), gSn}}).isEmpty();
}

void addLabels(const QString& gSn, int quantity, bool accumulate)
{
    if (accumulate)
        execSql(QStringLiteral("update jxc_tm set tm_sl=tm_sl+? where g_sn=?"), {{QString(), quantity}, {QString(), gSn}});
    else
        execSql(QStringLiteral("insert into jxc_tm (g_sn,tm_sl) values (?,?)"), {{QString(), gSn}, {QString(), quantity}});
}

void deleteLabelGoods(const QString& gSn)
{
    execSql(QStringLiteral("delete from jxc_tm where g_sn=?"), {{QString(), gSn}});
}

int fillLabelRows()
{
    Transaction tx;
    execSql(QStringLiteral("delete from jxc_txm"));
    const ResultSet rows = openSelect(QStringLiteral("select b.g_sptm,a.tm_sl from jxc_tm a,jxc_goods b "
                                                     "where a.g_sn=b.g_sn order by a.id"));
    int labels = 0;
    for (int r = 0; r < rows.rowCount(); ++r) {
        const int count = int(rows.text(r, 1).toDouble());
        for (int i = 0; i < count; ++i)
            execSql(QStringLiteral("insert into jxc_txm (tm_code) values (?)"), {{QString(), rows.text(r, 0)}});
        labels += qMax(0, count);
    }
    tx.commit();
    return labels;
}

LabelLayout loadLabelLayout()
{
    LabelLayout l;
    const ResultSet rs = openSelect(QStringLiteral("select * from jxc_tmdy order by id limit 1"));
    if (rs.isEmpty())
        return l;
    const auto i = [&rs](const char* c) { return rs.text(0, QString::fromLatin1(c)).toInt(); };
    const auto b = [&rs](const char* c) { return rs.text(0, QString::fromLatin1(c)) == u"True"; };
    const auto t = [&rs](const char* c) { return rs.text(0, QString::fromLatin1(c)); };
    l = {i("tm_width"), i("tm_height"), i("tm_num"), i("tm_padding"), b("tm_titledisp"), t("tm_title"),
         i("tm_titleleft"), i("tm_titletop"), i("tm_titlepadding"), i("tm_titlealign"), t("tm_code"),
         i("tm_codeleft"), i("tm_codetop"), i("tm_codeheight"), i("tm_codetype"), b("tm_codedisp"),
         b("tm_footdisp"), t("tm_foot"), i("tm_footleft"), i("tm_foottop"), i("tm_footpadding"), i("tm_footalign")};
    return l;
}

void saveLabelLayout(const LabelLayout& l)
{
    saveSingleRow(QStringLiteral("jxc_tmdy"),
                  {{QStringLiteral("tm_width"), l.width},         {QStringLiteral("tm_height"), l.height},
                   {QStringLiteral("tm_num"), l.num},             {QStringLiteral("tm_padding"), l.padding},
                   {QStringLiteral("tm_titledisp"), l.titleDisp}, {QStringLiteral("tm_title"), l.title},
                   {QStringLiteral("tm_titleleft"), l.titleLeft}, {QStringLiteral("tm_titletop"), l.titleTop},
                   {QStringLiteral("tm_titlepadding"), l.titlePadding}, {QStringLiteral("tm_titlealign"), l.titleAlign},
                   {QStringLiteral("tm_code"), l.code},           {QStringLiteral("tm_codeleft"), l.codeLeft},
                   {QStringLiteral("tm_codetop"), l.codeTop},     {QStringLiteral("tm_codeheight"), l.codeHeight},
                   {QStringLiteral("tm_codetype"), l.codeType},   {QStringLiteral("tm_codedisp"), l.codeDisp},
                   {QStringLiteral("tm_footdisp"), l.footDisp},   {QStringLiteral("tm_foot"), l.foot},
                   {QStringLiteral("tm_footleft"), l.footLeft},   {QStringLiteral("tm_foottop"), l.footTop},
                   {QStringLiteral("tm_footpadding"), l.footPadding}, {QStringLiteral("tm_footalign"), l.footAlign}});
}
