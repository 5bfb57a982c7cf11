#include "sales/xsth_sele.h"

#include "data/billtables.h"
#include "data/database.h"
#include "data/globals.h"
#include "data/settings.h"
#include "data/summaries.h"
#include "masterdata/spxxgl_price.h"

#include <QLineEdit>
#include <QPushButton>

TF_Xsth_Sele* F_Xsth_Sele = nullptr;

TF_Xsth_Sele::TF_Xsth_Sele(QWidget* parent)
    : TF_LineDialog({.hint = QStringLiteral("请在下面表格中输入您的退货数量"),
                     .group = QStringLiteral("商品退货信息"),
                     .priceLabel = QStringLiteral("退货单价："),
                     .captionPrefix = QStringLiteral("商品信息(销售退货)"),
                     .lastPrice = false,
                     .priceLength = 9,
                     .discount = true,
                     .priceList = true},
                    parent)
{
    setObjectName(QStringLiteral("TF_Xsth_Sele"));
    setWindowTitle(QStringLiteral("商品信息(销售退货)"));
    addMode({QStringLiteral("xsth_add"), Write::ScratchAdd, nullptr, Price::Offered});
    addMode({QStringLiteral("xsth_modi"), Write::ScratchModify, nullptr, Price::Line});
    addMode({QStringLiteral("xsth"), Write::LineModify, &kCustomerReturnLines, Price::Line});
}

Money TF_Xsth_Sele::offeredPrice(const ResultSet& goods) const
{
    return Money::fromText(goods.text(0, QStringLiteral("g_sj")));
}

void TF_Xsth_Sele::lineOpened()
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

void TF_Xsth_Sele::openPriceList()
{
    TF_Spxxgl_Price* prices = ensureForm(F_Spxxgl_Price);
    prices->formFlag = QStringLiteral("xsth_sele");
    prices->showModalForm();
}
