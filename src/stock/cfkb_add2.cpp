#include "stock/cfkb_add2.h"

#include "data/datamodule.h"
#include "data/globals.h"
#include "platform/codecombo.h"
#include "platform/combofill.h"
#include "platform/msgbox.h"
#include "stock/cfkb_sele2.h"
#include "stock/kbposting.h"

#include <QHBoxLayout>
#include <QLabel>

TF_Cfkb_Add2* F_Cfkb_Add2 = nullptr;

namespace {

const QString kMoney = QStringLiteral("￥,0.00;￥-,0.00");

}  // namespace

TF_Cfkb_Add2::TF_Cfkb_Add2(QWidget* parent)
    : TF_GoodsPicker({.caption = QStringLiteral("增加商品(捆绑商品)"),
                      .keyLabel = QStringLiteral("请输入商品编号或名称查询商品："),
                      .addHint = QStringLiteral("可以输入商品编号、商品名称、名称简码进行查询"),
                      .goodsColumns = {{QStringLiteral("g_sn"), QStringLiteral("商品编号"), 90, {}},
                                       {QStringLiteral("g_name"), QStringLiteral("商品名称"), 150, {}},
                                       {QStringLiteral("dw_name"), QStringLiteral("单位"), 50, {}},
                                       {QStringLiteral("gg_name"), QStringLiteral("款型说明"), 90, {}},
                                       {QStringLiteral("g_jj"), QStringLiteral("参考进价"), 80, kMoney},
                                       {QStringLiteral("kc_sl"), QStringLiteral("库存数"), 60, {}}},
                      .allFooter = QStringLiteral("商品数："),
                      .categoryFooter = QStringLiteral("商品数："),
                      .pickedColumns = {{QStringLiteral("g_name"), QStringLiteral("商品名称"), 150, {}},
                                        {QStringLiteral("dw_name"), QStringLiteral("单位"), 50, {}},
                                        {QStringLiteral("ts_dj"), QStringLiteral("进价"), 70, {}},
                                        {QStringLiteral("ts_sl"), QStringLiteral("数量"), 60, {}},
                                        {QStringLiteral("ts_zje"), QStringLiteral("总金额"), 80, {}},
                                        {QStringLiteral("ck_name"), QStringLiteral("出库仓库"), 90, {}}},
                      .frequencyItem = {},
                      .clearScratchOnOpen = true},
                     {.allGoods = DataModule->Q_GoodsJh,
                      .categoryGoods = DataModule->Q_GoodsKb2,
                      .categories = DataModule->Q_GCSpxs,
                      .picked = DataModule->Q_Spxf5},
                     parent)
{
    setObjectName(QStringLiteral("TF_Cfkb_Add2"));
    comCk = new CodeComboBox(this);
    comCk->setObjectName(QStringLiteral("comCk"));
    keyRow()->insertWidget(keyRow()->count() - 1, new QLabel(QStringLiteral("出库仓库："), this));
    keyRow()->insertWidget(keyRow()->count() - 1, comCk);
    connect(comCk, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (m_loading || index < 0)
            return;
        goodsPickerTarget.warehouse = getComboCode(comCk, index);
        runGuarded([this] { reloadShownGoods(); });
    });
}

void TF_Cfkb_Add2::FormActivate()
{
    m_loading = true;
    fillCodeCombo(comCk, QStringLiteral("jxc_ckxx"), QStringLiteral("ck_name"), QString(), QStringLiteral("id"),
                  QStringLiteral("ck_sn"));
    comCk->setCurrentIndex(comCk->count() > 0 ? 0 : -1);
    goodsPickerTarget.warehouse = comCk->count() > 0 ? getComboCode(comCk, 0) : QString();
    m_loading = false;
    TF_GoodsPicker::FormActivate();
}

QString TF_Cfkb_Add2::allGoodsSql(bool) const
{
    return QStringLiteral("select a.*,b.kc_sl from jxc_goods a,jxc_kcsp b where a.g_sn=b.g_sn and a.g_jy=0 and "
                          "a.g_sn<>'00000000' and b.ck_sn=%1 and a.g_sn<>%2 order by a.g_sn")
        .arg(quoted(goodsPickerTarget.warehouse), quoted(paramValue));
}

QString TF_Cfkb_Add2::categoryGoodsSql(const QString& gcSn, bool) const
{
    return QStringLiteral("select a.*,c.kc_sl from jxc_goods a,jxc_goodsclass b,jxc_kcsp c where a.gc_sn=b.gc_sn and "
                          "a.g_sn=c.g_sn and a.g_jy=0 and a.g_sn<>'00000000' and b.gc_sn=%1 and c.ck_sn=%2 and "
                          "a.g_sn<>%3 order by a.g_sn desc")
        .arg(quoted(gcSn), quoted(goodsPickerTarget.warehouse), quoted(paramValue));
}

TF_LineDialog* TF_Cfkb_Add2::lineDialog()
{
    return ensureForm(F_Cfkb_Sele2);
}

TF_GoodsPicker::Transfer TF_Cfkb_Add2::transferTarget() const
{
    return {&kBundleScratch, goodsPickerTarget.number};
}

QString TF_Cfkb_Add2::pickedSql() const
{
    return QStringLiteral("select b.g_name,b.dw_name,a.*,a.ts_dj*a.ts_dzl as g_sj,c.ck_name from jxc_tempspxf a,"
                          "jxc_goods b,jxc_ckxx c where a.g_sn=b.g_sn and a.hy_sn=c.ck_sn and a.a_name=%1 "
                          "order by a.id desc")
        .arg(quoted(operatorName));
}
