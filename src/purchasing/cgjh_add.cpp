#include "purchasing/cgjh_add.h"

#include "bills/workinglines.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "purchasing/cgjh_goods_add.h"
#include "purchasing/cgjh_sele.h"
#include "purchasing/cgjhpending.h"
#include "purchasing/purchasing.h"
#include "shell/commands.h"

TF_Cgjh_Add* F_Cgjh_Add = nullptr;

namespace {

const QString kMoney = QStringLiteral("￥,0.00;￥-,0.00");

// Goods that may be bought: not disabled, and never the discount balancing item.
QString buyable(const char* prefix)
{
    return QStringLiteral("%1g_jy=0 and %1g_sn<>'00000000'").arg(QLatin1String(prefix));
}

// The goods columns the lists show and search (the whole rows of a large catalogue take
// seconds to read); the line dialog reads the goods itself.
QString listColumns(const char* prefix)
{
    QStringList columns;
    for (const char* c : {"id", "g_sn", "g_name", "g_jm", "dw_name", "gg_name", "g_jj", "g_cgpl"})
        columns << QLatin1String(prefix) + QLatin1String(c);
    return columns.join(u',') + u',' + QLatin1String(prefix) + QStringLiteral("g_kc as kc_sl");
}

QString order(bool byFrequency, const char* prefix)
{
    return QStringLiteral(" order by ") + QLatin1String(prefix) +
           (byFrequency ? QStringLiteral("g_cgpl desc") : QStringLiteral("g_sn"));
}

}  // namespace

TF_Cgjh_Add::TF_Cgjh_Add(QWidget* parent)
    : TF_GoodsPicker(
          {.caption = QStringLiteral("增加商品(采购进货)"),
           .newGoods = true,
           .keyLabel = QStringLiteral("输入商品编号或名称查询："),
           .addHint = QStringLiteral("把左侧选中的的商品添加到当前的采购单据上!--快捷键 F8"),
           .goodsColumns = {{QStringLiteral("g_sn"), QStringLiteral("商品编号"), 90, {}},
                            {QStringLiteral("g_name"), QStringLiteral("商品名称"), 150, {}},
                            {QStringLiteral("dw_name"), QStringLiteral("单位"), 50, {}},
                            {QStringLiteral("gg_name"), QStringLiteral("规格"), 90, {}},
                            {QStringLiteral("g_jj"), QStringLiteral("参考进价"), 80, kMoney},
                            {QStringLiteral("kc_sl"), QStringLiteral("库存数"), 60, {}}},
           .allFooter = QStringLiteral("合计："),
           .categoryFooter = QStringLiteral("合计数量"),
           .pickedColumns = {{QStringLiteral("g_name"), QStringLiteral("商品名称"), 150, {}},
                             {QStringLiteral("dw_name"), QStringLiteral("单位"), 50, {}},
                             {QStringLiteral("ts_dj"), QStringLiteral("进价"), 70, {}},
                             {QStringLiteral("ts_sl"), QStringLiteral("数量"), 60, {}},
                             {QStringLiteral("ts_zje"), QStringLiteral("总金额"), 80, {}}},
           .frequencyItem = QStringLiteral("按进货频率排序(&X)"),
           .clearScratchOnOpen = false},
          {.allGoods = DataModule->Q_GoodsJh,
           .categoryGoods = DataModule->Q_Goods2,
           .categories = DataModule->ADOQueryGoodsClass2,
           .picked = DataModule->Q_Tempspxf},
          parent)
{
    setObjectName(QStringLiteral("TF_Cgjh_Add"));
}

QString TF_Cgjh_Add::allGoodsSql(bool byFrequency) const
{
    return QStringLiteral("select %1 from jxc_goods where %2").arg(listColumns(""), buyable("")) + order(byFrequency, "");
}

QString TF_Cgjh_Add::categoryGoodsSql(const QString& gcSn, bool byFrequency) const
{
    return QStringLiteral("select %1 from jxc_goods a,jxc_goodsclass b where a.gc_sn=b.gc_sn and %2 and b.gc_sn=")
               .arg(listColumns("a."), buyable("a.")) +
           quoted(gcSn) + order(byFrequency, "a.");
}

TF_LineDialog* TF_Cgjh_Add::lineDialog()
{
    return ensureForm(F_Cgjh_Sele);
}

TF_GoodsPicker::Transfer TF_Cgjh_Add::transferTarget() const
{
    if (paramValue == QLatin1String("cgjh"))
        return {&kReceiptScratch, goodsPickerTarget.number};
    if (paramValue == QLatin1String("cgjh_shdj"))
        return {&kPendingScratch, goodsPickerTarget.number};
    return {};
}

void TF_Cgjh_Add::openNewGoodsDialog()
{
    ensureForm(F_Cgjh_Goods_Add)->showModalForm();
}

void registerPurchasingPickers()
{
    registerForm(QStringLiteral("TF_Cgjh_Add"), F_Cgjh_Add);
}
