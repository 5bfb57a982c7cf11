#include "sales/xshh_add.h"

#include "bills/workinglines.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "sales/xshh_sele.h"
#include "shell/commands.h"

#include <QTabWidget>

TF_Xshh_Add* F_Xshh_Add = nullptr;

namespace {

const QString kMoney = QStringLiteral("￥,0.00;￥-,0.00");

// Goods coming back become negative lines: quantity, amount, first amount and size rows.
const ScratchTransfer kGoodsBackScratch{.lines = &kSalesLines,
                                        .columns = {{"ls_dzl", "ts_dzl"}, {"ls_zhje", "ts_zje", true}},
                                        .tidIsId = false,
                                        .negated = true};

}  // namespace

TF_Xshh_Add::TF_Xshh_Add(QWidget* parent)
    : TF_GoodsPicker(
          {.caption = QStringLiteral("增加商品(销售换货)"),
           .newGoods = false,
           .keyLabel = QStringLiteral("请输入商品编号或名称查询商品："),
           .addHint = QStringLiteral("把左侧选中的的商品添加到当前的退货单据上!\r快捷键 F8"),
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
           .bundleMenu = true,
           .clearScratchOnOpen = true},
          {.allGoods = DataModule->Q_GoodsTh,
           .categoryGoods = DataModule->Q_Goods2,
           .categories = DataModule->Q_GCSpxs,
           .picked = DataModule->Q_Tempspxf},
          parent)
{
    setObjectName(QStringLiteral("TF_Xshh_Add"));
    // One list only: the goods this customer bought.
    PageControl1->setTabVisible(1, false);
}

QString TF_Xshh_Add::allGoodsSql(bool byFrequency) const
{
    // Goods on any posted sales bill of the customer (exchanges included), in any warehouse.
    return QStringLiteral("select a.*,d.kc_sl from jxc_goods a join jxc_kcsp d on d.g_sn=a.g_sn where d.ck_sn=") +
           quoted(goodsPickerTarget.warehouse) +
           QStringLiteral(" and a.g_jy=0 and a.g_sn<>'00000000' and exists (select 1 from jxc_lsxssp b join jxc_lsxsd c "
                          "on c.gl_djh=b.gl_djh where b.g_sn=a.g_sn and c.kh_sn=") +
           quoted(curKhSn) + (byFrequency ? QStringLiteral(") order by a.g_xspl desc,a.id") : QStringLiteral(") order by a.g_sn"));
}

QString TF_Xshh_Add::categoryGoodsSql(const QString& gcSn, bool byFrequency) const
{
    (void)gcSn;
    return allGoodsSql(byFrequency);  // the category tab is not shown
}

TF_LineDialog* TF_Xshh_Add::lineDialog()
{
    return ensureForm(F_Xshh_Sele);
}

TF_GoodsPicker::Transfer TF_Xshh_Add::transferTarget() const
{
    if (paramValue == QLatin1String("xshh"))
        return {&kGoodsBackScratch, goodsPickerTarget.number};
    return {};
}

void TF_Xshh_Add::openBundleWindow()
{
    openWindow(QStringLiteral("TF_Cfkb"), QString(), QStringLiteral("商品捆绑"));
}
