#include "sales/khjhgl_jh_sele.h"

#include "platform/sizecolorgrid.h"
#include "sales/khjhposting.h"

TF_Khjhgl_Jh_Sele* F_Khjhgl_Jh_Sele = nullptr;

TF_Khjhgl_Jh_Sele::TF_Khjhgl_Jh_Sele(QWidget* parent)
    : TF_LineDialog({.hint = QStringLiteral("请在下面表格中输入商品数量"),
                     .group = QStringLiteral("商品信息"),
                     .priceLabel = QString(),
                     .captionPrefix = QStringLiteral("商品信息(商品借货)"),
                     .lastPrice = false,
                     .priceShown = false,
                     .zeroQuantity = QStringLiteral("数量不能为0或负数，重新输入！")},
                    parent)
{
    setObjectName(QStringLiteral("TF_Khjhgl_Jh_Sele"));
    setWindowTitle(QStringLiteral("商品信息(商品借货)"));
    addMode({QStringLiteral("khjh_add"), Write::ScratchAdd, nullptr, Price::Offered});
    addMode({QStringLiteral("khjh_modi"), Write::ScratchModify, nullptr, Price::Line});
    addMode({QStringLiteral("khjh"), Write::LineModify, &kLendingLines, Price::Line});
}

Money TF_Khjhgl_Jh_Sele::offeredPrice(const ResultSet& /*goods*/) const
{
    return {};
}

QString TF_Khjhgl_Jh_Sele::refuseWrite()
{
    return entryGrid()->checkStock(QStringLiteral("库存为0不允许借货，重新输入！"),
                                   QStringLiteral("借货数量不能大于库存数量，重新输入！"));
}
