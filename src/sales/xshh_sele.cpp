#include "sales/xshh_sele.h"

#include "data/billtables.h"
#include "data/database.h"
#include "data/globals.h"
#include "data/settings.h"
#include "data/summaries.h"
#include "masterdata/spxxgl_price.h"
#include "platform/sizecolorgrid.h"

#include <QLineEdit>
#include <QPushButton>

TF_Xshh_Sele* F_Xshh_Sele = nullptr;

TF_Xshh_Sele::TF_Xshh_Sele(QWidget* parent)
    : TF_LineDialog({.hint = QStringLiteral("请在下面表格中输入商品数量"),
                     .group = QStringLiteral("商品价格信息"),
                     .priceLabel = QStringLiteral("参考售价："),
                     .captionPrefix = QStringLiteral("商品信息"),
                     .lastPrice = false,
                     .priceLength = 9,
                     .discount = true,
                     .priceList = true},
                    parent)
{
    setObjectName(QStringLiteral("TF_Xshh_Sele"));
    setWindowTitle(QStringLiteral("商品信息"));
    addMode({QStringLiteral("xshh_add"), Write::ScratchAdd, nullptr, Price::Offered});
    addMode({QStringLiteral("xshh_modi"), Write::ScratchModify, nullptr, Price::Line});
    addMode({.word = QStringLiteral("xshh"), .write = Write::LineModify, .lines = &kSalesLines, .price = Price::Line,
             .negated = true});
    addMode({QStringLiteral("xshh2"), Write::LineModify, &kSalesLines, Price::Line});
}

Money TF_Xshh_Sele::offeredPrice(const ResultSet& goods) const
{
    return Money::fromText(goods.text(0, QStringLiteral("g_sj")));
}

void TF_Xshh_Sele::lineOpened()
{
    if (csXsdj == QLatin1String("1")) {
        const QString last = getLastLsDj(curGoodsSn);
        if (!last.isEmpty())
            priceBox()->setText(Money::fromText(last).toFixed(2));
    }
    const bool editable = settingOn(csXgdj);
    priceBox()->setEnabled(editable);
    priceListButton()->setEnabled(editable);
}

QString TF_Xshh_Sele::refuseWrite()
{
    // Goods coming back are never compared with the stock.
    if (settingOn(csKc) || paramValue != QLatin1String("xshh2"))
        return {};
    return entryGrid()->checkStock(QStringLiteral("库存为0不允许销售，重新输入！"),
                                   QStringLiteral("销售数量不能大于库存数量，重新输入！"));
}

void TF_Xshh_Sele::openPriceList()
{
    TF_Spxxgl_Price* prices = ensureForm(F_Spxxgl_Price);
    prices->formFlag = QStringLiteral("xshh_sele");
    prices->showModalForm();
}
