#include "purchasing/cgth_sele.h"

#include "data/database.h"
#include "data/settings.h"
#include "platform/sizecolorgrid.h"
#include "purchasing/cgjh_sele.h"

TF_Cgth_Sele* F_Cgth_Sele = nullptr;

TF_Cgth_Sele::TF_Cgth_Sele(QWidget* parent)
    : TF_LineDialog({.hint = QStringLiteral("请在下面表格中输入您的退货数量"),
                     .group = QStringLiteral("商品退货信息"),
                     .priceLabel = QStringLiteral("退货价格："),
                     .captionPrefix = QStringLiteral("商品信息(采购退货)"),
                     .lastPrice = false,
                     .priceLength = 9},
                    parent)
{
    setObjectName(QStringLiteral("TF_Cgth_Sele"));
    setWindowTitle(QStringLiteral("商品信息(采购退货)"));
    addMode({QStringLiteral("cgth_add"), Write::ScratchAdd, nullptr, Price::Offered});
    addMode({QStringLiteral("cgth_modi"), Write::ScratchModify, nullptr, Price::Line});
    addMode({QStringLiteral("cgth"), Write::LineModify, &kReturnLines, Price::Line});
}

Money TF_Cgth_Sele::offeredPrice(const ResultSet& goods) const
{
    return Money::fromText(goods.text(0, purchasePriceColumn()));
}

QString TF_Cgth_Sele::refuseWrite()
{
    return settingOn(csKc) ? QString() : checkStock();
}

QString TF_Cgth_Sele::checkStock()
{
    SizeColorGrid* entry = entryGrid();
    const SizeColorGrid* stock = stockGrid();
    QString message;
    int failRow = -1;
    int failCol = -1;
    for (int r = 0; r < entry->rowCount(); ++r) {
        for (int c = 0; c < entry->columnCount(); ++c) {
            const QString qty = entry->cell(r, c);
            if (!entry->isDataCell(r, c) || qty.isEmpty() || qty == QLatin1String("0"))
                continue;
            const QString have = stock->cell(r, c);
            QString fault;
            if (have.isEmpty() || have == QLatin1String("0"))
                fault = QStringLiteral("库存为0不允许退货，重新输入！");
            else if (have.toInt() < qty.toInt())
                fault = QStringLiteral("退货数量不能大于库存数量，重新输入！");
            if (!fault.isEmpty()) {
                message = fault;
                failRow = r;
                failCol = c;
                break;
            }
        }
    }
    if (failRow >= 0)
        entry->setCurrentCell(failRow, failCol);
    return message;
}
