#include "sales/xsth_add.h"

#include "bills/workinglines.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/settings.h"
#include "sales/xsth_sele.h"

TF_Xsth_Add* F_Xsth_Add = nullptr;

namespace {

const QString kMoney = QStringLiteral("￥,0.00;￥-,0.00");

// Picked goods become return lines with their discount rate, their amount as the first amount
// and their production date.
const ScratchTransfer kCustomerReturnScratch{
    &kCustomerReturnLines, {{"th_dzl", "ts_dzl"}, {"th_zhje", "ts_zje"}, {"t_scrq", "t_scrq"}}, false};

// The goods sold before (to the customer `customer`, quoted, when csXt is on), as a condition on
// goods a.
QString soldBefore(const QString& customer)
{
    QString sql = QStringLiteral("exists (select 1 from jxc_lsxssp s join jxc_lsxsd h on h.gl_djh=s.gl_djh "
                                 "where s.g_sn=a.g_sn");
    if (settingOn(csXt))
        sql += QStringLiteral(" and h.kh_sn=") + customer;
    return sql + u')';
}

}  // namespace

TF_Xsth_Add::TF_Xsth_Add(QWidget* parent)
    : TF_GoodsPicker(
          {.caption = QStringLiteral("增加商品(销售退货)"),
           .newGoods = false,
           .keyLabel = QStringLiteral("输入商品编号或名称查询："),
           .addHint = QStringLiteral("把左侧选中的的商品添加到当前的退货单据上!\r快捷键 F8"),
           .goodsColumns = {{QStringLiteral("g_sn"), QStringLiteral("商品编号"), 90, {}},
                            {QStringLiteral("g_name"), QStringLiteral("商品名称"), 150, {}},
                            {QStringLiteral("dw_name"), QStringLiteral("单位"), 50, {}},
                            {QStringLiteral("gg_name"), QStringLiteral("款型说明"), 90, {}},
                            {QStringLiteral("g_sj"), QStringLiteral("预设售价"), 80, kMoney},
                            {QStringLiteral("kc_sl"), QStringLiteral("库存数"), 60, {}},
                            {QStringLiteral("g_sccs"), QStringLiteral("品牌厂商"), 90, {}}},
           .allFooter = QStringLiteral("记录数："),
           .categoryFooter = QStringLiteral("记录数："),
           .pickedColumns = {{QStringLiteral("g_name"), QStringLiteral("商品名称"), 150, {}},
                             {QStringLiteral("dw_name"), QStringLiteral("单位"), 50, {}},
                             {QStringLiteral("ts_dj"), QStringLiteral("单价"), 70, {}},
                             {QStringLiteral("ts_sl"), QStringLiteral("数量"), 60, {}},
                             {QStringLiteral("ts_zje"), QStringLiteral("总金额"), 80, {}}},
           .frequencyItem = {},
           .clearScratchOnOpen = true},
          {.allGoods = DataModule->Q_GoodsTh,
           .categoryGoods = DataModule->Q_Goods2,
           .categories = DataModule->Q_GoodsClassXsth,
           .picked = DataModule->Q_Tempspxf},
          parent)
{
    setObjectName(QStringLiteral("TF_Xsth_Add"));
}

QString TF_Xsth_Add::allGoodsSql(bool /*byFrequency*/) const
{
    // Disabled goods too: a customer may bring back what is no longer sold.
    return QStringLiteral("select a.*,d.kc_sl from jxc_goods a join jxc_kcsp d on d.g_sn=a.g_sn where d.ck_sn=") +
           quoted(goodsPickerTarget.warehouse) + QStringLiteral(" and ") + soldBefore(quoted(curKhSn)) + QStringLiteral(" order by a.id");
}

QString TF_Xsth_Add::categoryGoodsSql(const QString& gcSn, bool /*byFrequency*/) const
{
    return QStringLiteral("select a.*,d.kc_sl from jxc_goods a join jxc_goodsclass b on b.gc_sn=a.gc_sn join jxc_kcsp d "
                          "on d.g_sn=a.g_sn where a.g_jy=0 and b.gc_sn=") +
           quoted(gcSn) + QStringLiteral(" and d.ck_sn=") + quoted(goodsPickerTarget.warehouse) + QStringLiteral(" and ") +
           soldBefore(quoted(curKhSn)) + QStringLiteral(" order by a.g_xspl desc,a.id");
}

TF_LineDialog* TF_Xsth_Add::lineDialog()
{
    return ensureForm(F_Xsth_Sele);
}

TF_GoodsPicker::Transfer TF_Xsth_Add::transferTarget() const
{
    if (paramValue == QLatin1String("xsth"))
        return {&kCustomerReturnScratch, goodsPickerTarget.number};
    return {};
}
