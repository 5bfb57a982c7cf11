#include "masterdata/goods.h"

#include "data/datamodule.h"
#include "data/textrules.h"
#include "data/tkc.h"

namespace {

GoodsSaveResult refused(const QString& message)
{
    return {QString(), message};
}

GoodsFields trimmed(GoodsFields g)
{
    for (QString* text : {&g.gcCid, &g.gcSn, &g.sn, &g.name, &g.barcode, &g.unit, &g.style, &g.colorGroupName,
                          &g.colorGroupCode, &g.sizeGroupName, &g.sizeGroupCode, &g.brand, &g.note})
        *text = text->trimmed();
    if (g.tmType != 1 && g.tmType != 2)
        g.tmType = 0;
    return g;
}

// The checks both saves share, in the order the dialogs show them; the add checks its code
// between the category and the name.
QString checkFields(const GoodsFields& g, bool withCode)
{
    if (g.gcCid.isEmpty() || g.gcSn.isEmpty()
        || selectValue(QStringLiteral("select id from jxc_goodsclass where gc_cid=? and gc_sn=? and gc_pid<>0"),
                       {{QString(), g.gcCid}, {QString(), g.gcSn}})
               .isEmpty())
        return QStringLiteral("类别名称必须填写！");
    if (withCode && g.sn.isEmpty())
        return QStringLiteral("商品编号必须填写！");
    if (g.name.isEmpty())
        return QStringLiteral("商品名称必须填写！");
    if (g.unit.isEmpty())
        return QStringLiteral("商品单位必须填写！");
    // A goods item without its groups would offer no size or colour in the bills.
    if (g.colorGroupCode.isEmpty())
        return QStringLiteral("颜色组必须填写！");
    if (g.sizeGroupCode.isEmpty())
        return QStringLiteral("尺码组必须填写！");
    return QString();
}

QString layoutOrder(int tmType)
{
    return QString::number(tmType);
}

}  // namespace

GoodsSaveResult addGoods(const GoodsFields& fields, VariantBarcodes variants)
{
    const GoodsFields g = trimmed(fields);
    Transaction tx;
    if (const QString refusal = checkFields(g, true); !refusal.isEmpty())
        return refused(refusal);
    if (!selectValue(QStringLiteral("select g_sn from jxc_goods where g_sn=?"), {{QString(), g.sn}}).isEmpty())
        return refused(QStringLiteral("商品编号已经存在，请重新输入！"));
    const QString ghsSn =
        selectValue(QStringLiteral("select ghs_sn from jxc_ghsxx where ghs_default<>0 order by id limit 1"));
    const double jj = g.purchasePrice.toDouble();
    execSql(QStringLiteral("insert into jxc_goods (g_sn,g_name,g_jm,g_jj,g_sj,g_zdkc,g_tjsp,g_sccs,g_bz,"
                           "g_kc,g_scjj,g_cbj,g_cgpl,g_xspl,g_jy,g_sptm,g_pjjj,ghs_sn,gc_cid,"
                           "gc_sn,dw_name,gg_name,color_name,g_clxs,g_bzq,g_tcje,g_dzll,g_tjqx,"
                           "g_dxdz,g_tj,g_hyj,cmz_name,g_tmtype,g_tclb,g_tc,g_tssp,g_tsjf,"
                           "colorz_sn,cmz_sn) values "
                           "(:sn,:name,:jm,:jj,:sj,:zdkc,0,:sccs,:bz,0,:scjj,:cbj,0,0,0,:sptm,:pjjj,:ghssn,:gcid,"
                           ":gcsn,:dwname,:ggname,:colorname,0,null,null,1,0,0,0,0,:cmz,:tmtype,0,0,0,0,"
                           ":colorzsn,:cmzsn)"),
            {{QStringLiteral(":sn"), g.sn},
             {QStringLiteral(":name"), g.name},
             {QStringLiteral(":jm"), getPyJm(g.name)},
             {QStringLiteral(":jj"), jj},
             {QStringLiteral(":sj"), g.salePrice.toDouble()},
             {QStringLiteral(":zdkc"), g.minStock},
             {QStringLiteral(":sccs"), g.brand},
             {QStringLiteral(":bz"), g.note},
             {QStringLiteral(":scjj"), jj},
             {QStringLiteral(":cbj"), jj},
             {QStringLiteral(":sptm"), g.barcode},
             {QStringLiteral(":pjjj"), jj},
             {QStringLiteral(":ghssn"), ghsSn},
             {QStringLiteral(":gcid"), g.gcCid.toLongLong()},
             {QStringLiteral(":gcsn"), g.gcSn},
             {QStringLiteral(":dwname"), g.unit},
             {QStringLiteral(":ggname"), g.style},
             {QStringLiteral(":colorname"), g.colorGroupName},
             {QStringLiteral(":cmz"), g.sizeGroupName},
             {QStringLiteral(":tmtype"), g.tmType},
             {QStringLiteral(":colorzsn"), g.colorGroupCode},
             {QStringLiteral(":cmzsn"), g.sizeGroupCode}});
    if (variants == VariantBarcodes::Build)
        makeGoodsTm(g.sn, g.sizeGroupCode, g.colorGroupCode, g.barcode, layoutOrder(g.tmType));
    tx.commit();
    return {g.sn, QString()};
}

GoodsSaveResult modifyGoods(qint64 id, const GoodsFields& fields)
{
    const GoodsFields g = trimmed(fields);
    Transaction tx;
    if (const QString refusal = checkFields(g, false); !refusal.isEmpty())
        return refused(refusal);
    // The code is not changed here: stock, bills, barcodes, prices and the photo carry it.
    const QString sn = selectValue(QStringLiteral("select g_sn from jxc_goods where id=?"), {{QString(), id}});
    if (sn.isEmpty())
        return refused(QStringLiteral("商品信息不存在！"));
    const double jj = g.purchasePrice.toDouble();
    execSql(QStringLiteral("update jxc_goods set gc_cid=:cid,gc_sn=:gcsn,g_name=:name,g_jm=:jm,g_sptm=:sptm,"
                           "gg_name=:ggname,dw_name=:dwname,color_name=:colorname,g_zdkc=:zdkc,"
                           "g_jj=:jj,g_scjj=:scjj,g_pjjj=:pjjj,g_sj=:sj,g_sccs=:sccs,g_bz=:bz,cmz_name=:cmz,"
                           "g_tmtype=:tmtype,colorz_sn=:colorzsn,cmz_sn=:cmzsn where id=:id"),
            {{QStringLiteral(":cid"), g.gcCid.toLongLong()},
             {QStringLiteral(":gcsn"), g.gcSn},
             {QStringLiteral(":name"), g.name},
             {QStringLiteral(":jm"), getPyJm(g.name)},
             {QStringLiteral(":sptm"), g.barcode},
             {QStringLiteral(":ggname"), g.style},
             {QStringLiteral(":dwname"), g.unit},
             {QStringLiteral(":colorname"), g.colorGroupName},
             {QStringLiteral(":zdkc"), g.minStock},
             {QStringLiteral(":jj"), jj},
             {QStringLiteral(":scjj"), jj},
             {QStringLiteral(":pjjj"), jj},
             {QStringLiteral(":sj"), g.salePrice.toDouble()},
             {QStringLiteral(":sccs"), g.brand},
             {QStringLiteral(":bz"), g.note},
             {QStringLiteral(":cmz"), g.sizeGroupName},
             {QStringLiteral(":tmtype"), g.tmType},
             {QStringLiteral(":colorzsn"), g.colorGroupCode},
             {QStringLiteral(":cmzsn"), g.sizeGroupCode},
             {QStringLiteral(":id"), id}});
    makeGoodsTm(sn, g.sizeGroupCode, g.colorGroupCode, g.barcode, layoutOrder(g.tmType));
    tx.commit();
    return {sn, QString()};
}

QString setGoodsJm(qint64 id, const QString& typed)
{
    const QString jm = sqlSafeName(typed.trimmed().toUpper());
    Transaction tx;
    execSql(QStringLiteral("update jxc_goods set g_jm=? where id=?"), {{QString(), jm}, {QString(), id}});
    tx.commit();
    return jm;
}

QString goodsPriceSql(const QString& gSn)
{
    QString literal = gSn;
    literal.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QStringLiteral("select * from jxc_goodsprice where g_sn='%1' order by id").arg(literal);
}

bool ensureGoodsPrices(const QString& gSn)
{
    Transaction tx;
    if (!selectValue(QStringLiteral("select id from jxc_goodsprice where g_sn=? limit 1"), {{QString(), gSn}}).isEmpty())
        return false;
    for (int i = 1; i <= 5; ++i)
        execSql(QStringLiteral("insert into jxc_goodsprice (gp_name,gp_price,g_sn) values (?,0,?)"),
                {{QString(), QStringLiteral("售价") + QString::number(i)}, {QString(), gSn}});
    tx.commit();
    return true;
}

void saveGoodsPrice(qint64 id, const QString& name, const QString& price)
{
    Transaction tx;
    execSql(QStringLiteral("update jxc_goodsprice set gp_name=:name,gp_price=:price where id=:id"),
            {{QStringLiteral(":name"), name.trimmed()},
             {QStringLiteral(":price"), Money::fromText(price.trimmed()).toDouble()},
             {QStringLiteral(":id"), id}});
    tx.commit();
}
