#include "stock/kcdb_sele.h"

#include "platform/sizecolorgrid.h"

TF_Kcdb_Sele* F_Kcdb_Sele = nullptr;

TF_Kcdb_Sele::TF_Kcdb_Sele(QWidget* parent)
    : TF_LineDialog({.hint = QStringLiteral("请在下面表格中输入您的销售数量"),
                     .group = QStringLiteral("商品调拨信息"),
                     .priceLabel = QString(),
                     .captionPrefix = QStringLiteral("商品信息(库存调拨)"),
                     .lastPrice = false,
                     .priceShown = false,
                     .zeroQuantity = QStringLiteral("调拨数量必须大于0，重新输入！")},
                    parent)
{
    setObjectName(QStringLiteral("TF_Kcdb_Sele"));
    setWindowTitle(QStringLiteral("商品信息(库存调拨)"));
    addMode({QStringLiteral("kcdb_add"), Write::ScratchAdd, nullptr, Price::Offered});
    addMode({QStringLiteral("kcdb_modi"), Write::ScratchModify, nullptr, Price::Line});
    addMode({QStringLiteral("kcdb"), Write::LineModify, &kTransferLines, Price::Line});
}

Money TF_Kcdb_Sele::offeredPrice(const ResultSet& /*goods*/) const
{
    return {};
}

QString TF_Kcdb_Sele::refuseWrite()
{
    return entryGrid()->checkStock(QStringLiteral("库存为0不能调拨，重新输入！"),
                                   QStringLiteral("调拨数量不能大于库存数量，重新输入！"));
}
