#include "sales/xshh_add2.h"

#include "bills/workinglines.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/settings.h"
#include "platform/datagrid.h"
#include "sales/xshh_sele.h"
#include "shell/commands.h"

TF_Xshh_Add2* F_Xshh_Add2 = nullptr;

namespace {

const QString kMoney = QStringLiteral("￥,0.00;￥-,0.00");

// Goods going out become lines as they were picked, their amount as the first amount.
const ScratchTransfer kGoodsOutScratch{&kSalesLines, {{"ls_dzl", "ts_dzl"}, {"ls_zhje", "ts_zje"}}, false};

QString order(bool byFrequency)
{
    return byFrequency ? QStringLiteral(" order by a.g_xspl desc,a.id") : QStringLiteral(" order by a.g_sn");
}

}  // namespace

TF_Xshh_Add2::TF_Xshh_Add2(QWidget* parent)
    : TF_GoodsPicker(
          {.caption = QStringLiteral("增加商品(商品换货)"),
           .newGoods = false,
           .keyLabel = QStringLiteral("输入商品编号或名称查询："),
           .addHint = QStringLiteral("把左侧选中的的商品添加到当前的采购单据上!--快捷键 F8"),
           .goodsColumns = {{QStringLiteral("g_sn"), QStringLiteral("商品编号"), 90, {}},
                            {QStringLiteral("g_name"), QStringLiteral("商品名称"), 150, {}},
                            {QStringLiteral("dw_name"), QStringLiteral("单位"), 50, {}},
                            {QStringLiteral("gg_name"), QStringLiteral("规格"), 90, {}},
                            {QStringLiteral("color_name"), QStringLiteral("颜色"), 60, {}},
                            {QStringLiteral("g_sj"), QStringLiteral("预设售价"), 80, kMoney},
                            {QStringLiteral("kc_sl"), QStringLiteral("库存数"), 60, {}}},
           .allFooter = QStringLiteral("合计："),
           .categoryFooter = QStringLiteral("合计："),
           .pickedColumns = {{QStringLiteral("g_name"), QStringLiteral("商品名称"), 150, {}},
                             {QStringLiteral("dw_name"), QStringLiteral("单位"), 50, {}},
                             {QStringLiteral("ts_dj"), QStringLiteral("单价"), 70, {}},
                             {QStringLiteral("ts_dzl"), QStringLiteral("打折率"), 60, {}},
                             {QStringLiteral("ts_sl"), QStringLiteral("数量"), 60, {}},
                             {QStringLiteral("ts_zje"), QStringLiteral("总金额"), 80, {}}},
           .frequencyItem = QStringLiteral("按销售频率排序(&X)"),
           .recentColumns = {{QStringLiteral("g_sn"), QStringLiteral("商品编号"), 90, {}},
                             {QStringLiteral("g_name"), QStringLiteral("商品名称"), 150, {}},
                             {QStringLiteral("dw_name"), QStringLiteral("单位"), 50, {}},
                             {QStringLiteral("gg_name"), QStringLiteral("规格型号"), 90, {}},
                             {QStringLiteral("color_name"), QStringLiteral("颜色"), 60, {}},
                             {QStringLiteral("gl_kdrq"), QStringLiteral("进货日期"), 120, {}}},
           .recentFooter = QStringLiteral("合计："),
           .bundleMenu = true,
           .clearScratchOnOpen = true},
          {.allGoods = DataModule->Q_GoodsXs,
           .categoryGoods = DataModule->Q_Goods2,
           .categories = DataModule->Q_GCSpxs,
           .picked = DataModule->Q_Tempspxf,
           .recentGoods = DataModule->Q_Zjsp},
          parent)
{
    setObjectName(QStringLiteral("TF_Xshh_Add2"));
}

QString TF_Xshh_Add2::allGoodsSql(bool byFrequency) const
{
    return QStringLiteral("select a.*,b.kc_sl from jxc_goods a,jxc_kcsp b where a.g_sn=b.g_sn and a.g_jy=0 and b.ck_sn=") +
           quoted(goodsPickerTarget.warehouse) + order(byFrequency);
}

QString TF_Xshh_Add2::categoryGoodsSql(const QString& gcSn, bool byFrequency) const
{
    return QStringLiteral("select a.*,c.kc_sl from jxc_goods a,jxc_goodsclass b,jxc_kcsp c where a.gc_sn=b.gc_sn "
                          "and a.g_sn=c.g_sn and a.g_jy=0 and b.gc_sn=") +
           quoted(gcSn) + QStringLiteral(" and c.ck_sn=") + quoted(goodsPickerTarget.warehouse) + order(byFrequency);
}

TF_LineDialog* TF_Xshh_Add2::lineDialog()
{
    return ensureForm(F_Xshh_Sele);
}

QString TF_Xshh_Add2::pickRefusal(const DataGrid& grid, int row) const
{
    const int stock = int(grid.value(row, QStringLiteral("kc_sl")).toDouble());
    if (stock > 0 || (settingOn(csKc) && csCbjs != QLatin1String("1")))
        return {};
    return QStringLiteral("库存为零不能换货！");
}

TF_GoodsPicker::Transfer TF_Xshh_Add2::transferTarget() const
{
    if (paramValue == QLatin1String("xshh2"))
        return {&kGoodsOutScratch, goodsPickerTarget.number};
    return {};
}

void TF_Xshh_Add2::openBundleWindow()
{
    openWindow(QStringLiteral("TF_Cfkb"), QString(), QStringLiteral("商品捆绑"));
}
