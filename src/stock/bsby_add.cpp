#include "stock/bsby_add.h"

#include "bills/workinglines.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "stock/bsby.h"
#include "stock/bsby_sele.h"

TF_Bsby_Add* F_Bsby_Add = nullptr;

namespace {

const ScratchTransfer kLossScratch{&kLossLines, {{"bs_note", "ts_note"}, {"t_scrq", "t_scrq"}}, false};
const ScratchTransfer kOverflowScratch{&kOverflowLines, {{"by_note", "ts_note"}, {"t_scrq", "t_scrq"}}, false};

const QString kColumns = QStringLiteral("select a.g_sn,a.g_jm,a.g_name,a.dw_name,a.gg_name,a.color_name,a.g_kc,a.g_sccs,"
                                        "b.kc_sl from jxc_goods a,jxc_kcsp b where a.g_sn=b.g_sn and a.g_jy=0 and "
                                        "a.g_sn<>'00000000' and b.ck_sn=");

}  // namespace

TF_Bsby_Add::TF_Bsby_Add(QWidget* parent)
    : TF_GoodsPicker({.caption = QStringLiteral("增加商品(商品报损)"),
                      .newGoods = false,
                      .keyLabel = QStringLiteral("请输入商品编号或名称查询商品："),
                      .addHint = QStringLiteral("把左侧选中的的商品添加到当前的单据上!\n快捷键 F8"),
                      .goodsColumns = {{QStringLiteral("g_sn"), QStringLiteral("商品编号"), 90, {}},
                                       {QStringLiteral("g_name"), QStringLiteral("商品名称"), 150, {}},
                                       {QStringLiteral("dw_name"), QStringLiteral("单位"), 50, {}},
                                       {QStringLiteral("gg_name"), QStringLiteral("款型说明"), 90, {}},
                                       {QStringLiteral("kc_sl"), QStringLiteral("库存"), 60, {}},
                                       {QStringLiteral("g_sccs"), QStringLiteral("品牌厂商"), 100, {}}},
                      .allFooter = QStringLiteral("商品数："),
                      .categoryFooter = QStringLiteral("商品数："),
                      .pickedColumns = {{QStringLiteral("g_name"), QStringLiteral("商品名称"), 150, {}},
                                        {QStringLiteral("dw_name"), QStringLiteral("单位"), 50, {}},
                                        {QStringLiteral("ts_sl"), QStringLiteral("数量"), 60, {}},
                                        {QStringLiteral("ts_note"), QStringLiteral("备注"), 100, {}}},
                      .frequencyItem = {},
                      .closePrompt = QStringLiteral("所选商品还未保存，是否保存？")},
                     {.allGoods = DataModule->Q_GList8,
                      .categoryGoods = DataModule->Q_GList9,
                      .categories = DataModule->Q_GClass2,
                      .picked = DataModule->Q_Spxf2},
                     parent)
{
    setObjectName(QStringLiteral("TF_Bsby_Add"));
}

void TF_Bsby_Add::FormActivate()
{
    TF_GoodsPicker::FormActivate();
    setWindowTitle(bsbyWindowKind() == BsbyKind::Loss ? QStringLiteral("增加商品(商品报损)")
                                                      : QStringLiteral("增加商品(商品报溢)"));
}

QString TF_Bsby_Add::allGoodsSql(bool /*byFrequency*/) const
{
    return kColumns + quoted(goodsPickerTarget.warehouse) + QStringLiteral(" order by a.g_sn");
}

QString TF_Bsby_Add::categoryGoodsSql(const QString& gcSn, bool /*byFrequency*/) const
{
    return kColumns + quoted(goodsPickerTarget.warehouse) + QStringLiteral(" and a.gc_sn=") + quoted(gcSn) +
           QStringLiteral(" order by a.g_sn");
}

TF_LineDialog* TF_Bsby_Add::lineDialog()
{
    return ensureForm(F_Bsby_Sele);
}

TF_GoodsPicker::Transfer TF_Bsby_Add::transferTarget() const
{
    if (paramValue != QLatin1String("bsby"))
        return {};
    return {bsbyWindowKind() == BsbyKind::Loss ? &kLossScratch : &kOverflowScratch, goodsPickerTarget.number};
}
