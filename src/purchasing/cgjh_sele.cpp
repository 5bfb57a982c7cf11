#include "purchasing/cgjh_sele.h"

#include "data/database.h"
#include "data/settings.h"
#include "purchasing/cgjhpending.h"
#include "purchasing/purchasing.h"
#include "shell/commands.h"

TF_Cgjh_Sele* F_Cgjh_Sele = nullptr;

TF_Cgjh_Sele::TF_Cgjh_Sele(QWidget* parent)
    : TF_LineDialog({.hint = QStringLiteral("请在下面表格中输入您的进货数量"),
                     .group = QStringLiteral("商品进货信息"),
                     .priceLabel = QStringLiteral("参考进价："),
                     .captionPrefix = QStringLiteral("商品信息(采购进货)"),
                     .lastPrice = true,
                     .priceLength = 8},
                    parent)
{
    setObjectName(QStringLiteral("TF_Cgjh_Sele"));
    setWindowTitle(QStringLiteral("商品信息(采购进货)"));
    addMode({QStringLiteral("cgjh_add"), Write::ScratchAdd, nullptr, Price::Offered});
    addMode({QStringLiteral("cgjh_modi"), Write::ScratchModify, nullptr, Price::Line});
    addMode({QStringLiteral("cgjh_new"), Write::LineAdd, &kReceiptLines, Price::Offered});
    addMode({QStringLiteral("cgjh_ghs"), Write::LineAdd, &kReceiptLines, Price::Quoted});
    addMode({QStringLiteral("cgjh"), Write::LineModify, &kReceiptLines, Price::Line});
    addMode({QStringLiteral("cgjh_modish"), Write::LineModify, &kPendingLines, Price::Line, updateCheckShdjYfje});
}

QString purchasePriceColumn()
{
    if (csCgdj == QLatin1String("1"))
        return QStringLiteral("g_scjj");
    if (csCgdj == QLatin1String("2"))
        return QStringLiteral("g_jj");
    return QStringLiteral("g_pjjj");
}

Money TF_Cgjh_Sele::offeredPrice(const ResultSet& goods) const
{
    return Money::fromText(goods.text(0, purchasePriceColumn()));
}

void registerPurchasingLineDialogs()
{
    registerForm(QStringLiteral("TF_Cgjh_Sele"), F_Cgjh_Sele);
}
