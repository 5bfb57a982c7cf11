#include "sales/khjhgl_jh_add.h"

#include "bills/workinglines.h"
#include "data/datamodule.h"
#include "sales/khjhgl.h"
#include "data/globals.h"
#include "sales/khjhgl_jh_sele.h"
#include "sales/khjhposting.h"

TF_Khjhgl_Jh_Add* F_Khjhgl_Jh_Add = nullptr;

namespace {

const ScratchTransfer kLoanScratch{&kLendingLines, {{"t_scrq", "t_scrq"}}, false, markLoanLines};

const QString kGoodsColumns = QStringLiteral("a.g_sn,a.g_jm,a.g_name,a.dw_name,a.gg_name,a.color_name,a.g_kc,b.kc_sl,a.g_sccs");

}  // namespace

TF_Khjhgl_Jh_Add::TF_Khjhgl_Jh_Add(QWidget* parent)
    : TF_GoodsPicker({.caption = QStringLiteral("增加借货商品"),
                      .newGoods = false,
                      .keyLabel = QStringLiteral("请输入商品编号或名称查询商品,查询到商品后添加到右边所选商品"),
                      .addHint = QStringLiteral("把左侧选中的的商品添加到当前的借货单据上!\n快捷键 F8"),
                      .goodsColumns = {{QStringLiteral("g_sn"), QStringLiteral("商品编号"), 90, {}},
                                       {QStringLiteral("g_name"), QStringLiteral("商品名称"), 150, {}},
                                       {QStringLiteral("dw_name"), QStringLiteral("单位"), 50, {}},
                                       {QStringLiteral("gg_name"), QStringLiteral("款型说明"), 90, {}},
                                       {QStringLiteral("kc_sl"), QStringLiteral("库存"), 60, {}},
                                       {QStringLiteral("g_sccs"), QStringLiteral("品牌厂商"), 100, {}}},
                      .allFooter = QStringLiteral("商品数"),
                      .categoryFooter = QStringLiteral("商品数"),
                      .pickedColumns = {{QStringLiteral("g_name"), QStringLiteral("商品名称"), 150, {}},
                                        {QStringLiteral("dw_name"), QStringLiteral("单位"), 50, {}},
                                        {QStringLiteral("ts_sl"), QStringLiteral("数量"), 60, {}}},
                      .frequencyItem = {},
                      .clearScratchOnOpen = true,
                      .closePrompt = QStringLiteral("所选商品还未保存，是否保存？")},
                     {.allGoods = lendingQuery("Q_KhjhGoods"),
                      .categoryGoods = lendingQuery("Q_KhjhGoods2"),
                      .categories = DataModule->Q_GClass,
                      .picked = DataModule->Q_Spxf},
                     parent)
{
    setObjectName(QStringLiteral("TF_Khjhgl_Jh_Add"));
}

QString TF_Khjhgl_Jh_Add::allGoodsSql(bool /*byFrequency*/) const
{
    return QStringLiteral("select ") + kGoodsColumns +
           QStringLiteral(" from jxc_goods a,jxc_kcsp b where a.g_sn=b.g_sn and a.g_jy=0 and a.g_sn<>'00000000' "
                          "and b.ck_sn=") +
           quoted(goodsPickerTarget.warehouse) + QStringLiteral(" order by a.g_sn");
}

QString TF_Khjhgl_Jh_Add::categoryGoodsSql(const QString& gcSn, bool /*byFrequency*/) const
{
    return QStringLiteral("select ") + kGoodsColumns +
           QStringLiteral(" from jxc_goods a,jxc_kcsp b where a.g_sn=b.g_sn and a.g_jy=0 and a.g_sn<>'00000000' "
                          "and a.gc_sn=") +
           quoted(gcSn) + QStringLiteral(" and b.ck_sn=") + quoted(goodsPickerTarget.warehouse) +
           QStringLiteral(" order by a.g_sn");
}

TF_LineDialog* TF_Khjhgl_Jh_Add::lineDialog()
{
    return ensureForm(F_Khjhgl_Jh_Sele);
}

TF_GoodsPicker::Transfer TF_Khjhgl_Jh_Add::transferTarget() const
{
    if (paramValue == QLatin1String("khjh"))
        return {&kLoanScratch, goodsPickerTarget.number};
    return {};
}
