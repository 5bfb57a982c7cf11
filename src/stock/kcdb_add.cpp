#include "stock/kcdb_add.h"

#include "bills/workinglines.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "stock/kcdb_sele.h"

TF_Kcdb_Add* F_Kcdb_Add = nullptr;

namespace {

const ScratchTransfer kTransferScratch{&kTransferLines, {{"t_scrq", "t_scrq"}}, false};

}  // namespace

TF_Kcdb_Add::TF_Kcdb_Add(QWidget* parent)
    : TF_GoodsPicker({.caption = QStringLiteral("增加商品(库存调拨)"),
                      .newGoods = false,
                      .keyLabel = QStringLiteral("请输入商品编号或名称查询商品："),
                      .addHint = QStringLiteral("把左侧选中的的商品添加到当前的调拨单据上!\n快捷键 F8"),
                      .goodsColumns = {{QStringLiteral("g_sn"), QStringLiteral("商品编号"), 90, {}},
                                       {QStringLiteral("g_name"), QStringLiteral("商品名称"), 150, {}},
                                       {QStringLiteral("dw_name"), QStringLiteral("单位"), 50, {}},
                                       {QStringLiteral("gg_name"), QStringLiteral("款型说明"), 90, {}},
                                       {QStringLiteral("kc_sl"), QStringLiteral("库存量"), 60, {}},
                                       {QStringLiteral("g_sccs"), QStringLiteral("品牌厂商"), 100, {}}},
                      .allFooter = QStringLiteral("商品数"),
                      .categoryFooter = QStringLiteral("商品数"),
                      .pickedColumns = {{QStringLiteral("g_name"), QStringLiteral("商品名称"), 150, {}},
                                        {QStringLiteral("dw_name"), QStringLiteral("单位"), 50, {}},
                                        {QStringLiteral("gg_name"), QStringLiteral("款型说明"), 90, {}},
                                        {QStringLiteral("ts_sl"), QStringLiteral("数量"), 60, {}}},
                      .frequencyItem = {},
                      .closePrompt = QStringLiteral("所选商品还未保存，是否保存？")},
                     {.allGoods = DataModule->Q_GList6,
                      .categoryGoods = DataModule->Q_GList7,
                      .categories = DataModule->Q_GClass,
                      .picked = DataModule->Q_Spxf},
                     parent)
{
    setObjectName(QStringLiteral("TF_Kcdb_Add"));
}

QString TF_Kcdb_Add::allGoodsSql(bool /*byFrequency*/) const
{
    return QStringLiteral("select a.g_sn,a.g_jm,a.g_name,a.dw_name,a.gg_name,a.color_name,a.g_sccs,b.kc_sl,b.ck_sn "
                          "from jxc_goods a,jxc_kcsp b where a.g_sn=b.g_sn and a.g_jy=0 and b.ck_sn=") +
           quoted(goodsPickerTarget.warehouse) + QStringLiteral(" order by b.id");
}

QString TF_Kcdb_Add::categoryGoodsSql(const QString& gcSn, bool /*byFrequency*/) const
{
    return QStringLiteral("select a.*,c.kc_sl from jxc_goods a,jxc_goodsclass b,jxc_kcsp c where a.gc_sn=b.gc_sn "
                          "and a.g_sn=c.g_sn and a.g_jy=0 and b.gc_sn=") +
           quoted(gcSn) + QStringLiteral(" and c.ck_sn=") + quoted(goodsPickerTarget.warehouse) +
           QStringLiteral(" order by a.g_sn desc");
}

TF_LineDialog* TF_Kcdb_Add::lineDialog()
{
    return ensureForm(F_Kcdb_Sele);
}

TF_GoodsPicker::Transfer TF_Kcdb_Add::transferTarget() const
{
    if (paramValue == QLatin1String("kcdb"))
        return {&kTransferScratch, goodsPickerTarget.number};
    return {};
}

QString TF_Kcdb_Add::pickedSql() const
{
    return QStringLiteral("select b.g_name,b.dw_name,b.gg_name,a.* from jxc_tempspxf a,jxc_goods b "
                          "where a.g_sn=b.g_sn and a.a_name=") +
           quoted(operatorName) + QStringLiteral(" order by a.id");
}
