#include "purchasing/cgth_add.h"

#include "bills/workinglines.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/settings.h"
#include "platform/datagrid.h"
#include "purchasing/cgth_sele.h"

TF_Cgth_Add* F_Cgth_Add = nullptr;

namespace {

const QString kMoney = QStringLiteral("￥,0.00;￥-,0.00");

// The goods columns of both lists (the line dialog reads the goods itself).
QString listColumns(const char* prefix)
{
    QStringList columns;
    for (const char* c : {"id", "g_sn", "g_name", "g_jm", "dw_name", "gg_name", "g_sccs", "g_jj", "g_cgpl", "g_kc"})
        columns << QLatin1String(prefix) + QLatin1String(c);
    return columns.join(u',') + u',' + QLatin1String(prefix) + QStringLiteral("g_kc as kc_sl");
}

// Only goods of the supplier's posted receipts ("采购退货时只能退该供货商供应的商品").
bool supplierGoodsOnly()
{
    return settingOn(csCt);
}

}  // namespace

TF_Cgth_Add::TF_Cgth_Add(QWidget* parent)
    : TF_GoodsPicker(
          {.caption = QStringLiteral("增加商品(采购退货)"),
           .newGoods = false,
           .keyLabel = QStringLiteral("请输入商品编号或名称查询商品："),
           .addHint = QStringLiteral("把左侧选中的的商品添加到当前的退货单据上!\n快捷键 F8"),
           .goodsColumns = {{QStringLiteral("g_sn"), QStringLiteral("商品编号"), 90, {}},
                            {QStringLiteral("g_name"), QStringLiteral("商品名称"), 150, {}},
                            {QStringLiteral("dw_name"), QStringLiteral("单位"), 50, {}},
                            {QStringLiteral("gg_name"), QStringLiteral("款型说明"), 90, {}},
                            {QStringLiteral("g_jj"), QStringLiteral("参考进价"), 80, kMoney},
                            {QStringLiteral("g_kc"), QStringLiteral("库存数"), 60, {}},
                            {QStringLiteral("g_sccs"), QStringLiteral("品牌厂商"), 100, {}}},
           .allFooter = QStringLiteral("合计数量"),
           .categoryFooter = QStringLiteral("合计数量"),
           .pickedColumns = {{QStringLiteral("g_name"), QStringLiteral("商品名称"), 150, {}},
                             {QStringLiteral("dw_name"), QStringLiteral("单位"), 50, {}},
                             {QStringLiteral("ts_dj"), QStringLiteral("单价"), 70, {}},
                             {QStringLiteral("ts_sl"), QStringLiteral("数量"), 60, {}},
                             {QStringLiteral("ts_zje"), QStringLiteral("总金额"), 80, {}}},
           .frequencyItem = {},
           .clearScratchOnOpen = true},
          {.allGoods = DataModule->Q_GoodsTh,
           .categoryGoods = DataModule->Q_Goods2,
           .categories = DataModule->ADOQueryGoodsClass2,
           .picked = DataModule->Q_Tempspxf},
          parent)
{
    setObjectName(QStringLiteral("TF_Cgth_Add"));
}

QString TF_Cgth_Add::allGoodsSql(bool /*byFrequency*/) const
{
    if (!supplierGoodsOnly())
        return QStringLiteral("select %1 from jxc_goods where g_jy=0 and g_sn<>'00000000' order by id").arg(listColumns(""));
    return QStringLiteral("select distinct %1 from jxc_goods a,jxc_jhsp b,jxc_jhd c where a.g_sn=b.g_sn and "
                          "b.j_sn=c.j_sn and a.g_jy=0 and a.g_sn<>'00000000' and c.ghs_sn=")
               .arg(listColumns("a.")) +
           quoted(curGhsSn) + QStringLiteral(" order by a.id");
}

QString TF_Cgth_Add::categoryGoodsSql(const QString& gcSn, bool /*byFrequency*/) const
{
    if (!supplierGoodsOnly())
        return QStringLiteral("select %1 from jxc_goods a,jxc_goodsclass b where a.gc_sn=b.gc_sn and a.g_jy=0 and "
                              "a.g_sn<>'00000000' and b.gc_sn=")
                   .arg(listColumns("a.")) +
               quoted(gcSn) + QStringLiteral(" order by a.g_cgpl desc");
    return QStringLiteral("select distinct %1 from jxc_goods a,jxc_goodsclass b,jxc_jhsp c,jxc_jhd d where "
                          "a.gc_sn=b.gc_sn and c.j_sn=d.j_sn and a.g_jy=0 and a.g_sn<>'00000000' and a.g_sn=c.g_sn "
                          "and b.gc_sn=")
               .arg(listColumns("a.")) +
           quoted(gcSn) + QStringLiteral(" and d.ghs_sn=") + quoted(curGhsSn) + QStringLiteral(" order by a.g_cgpl desc");
}

TF_LineDialog* TF_Cgth_Add::lineDialog()
{
    return ensureForm(F_Cgth_Sele);
}

QString TF_Cgth_Add::pickRefusal(const DataGrid& grid, int row) const
{
    // Goods without stock only when zero-stock returns are allowed and picking them is not barred.
    const bool inStock = grid.value(row, QStringLiteral("g_kc")).toDouble() >= 1;
    if (inStock || (settingOn(csKc) && csCbjs != QLatin1String("1")))
        return {};
    return QStringLiteral("库存为零不能退货！");
}

TF_GoodsPicker::Transfer TF_Cgth_Add::transferTarget() const
{
    if (paramValue == QLatin1String("cgth"))
        return {&kReturnScratch, goodsPickerTarget.number};
    return {};
}

QString TF_Cgth_Add::pickedSql() const
{
    return QStringLiteral("select b.g_name,b.dw_name,a.*,a.ts_dj*a.ts_dzl as g_sj from jxc_tempspxf a,jxc_goods b "
                          "where a.ts_dzl>0 and a.g_sn=b.g_sn order by a.id");
}
