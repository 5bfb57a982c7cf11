#include "sales/spxs_sele.h"

#include "data/datamodule.h"
#include "data/globals.h"
#include "data/settings.h"
#include "data/summaries.h"
#include "masterdata/spxxgl_price.h"
#include "platform/msgbox.h"
#include "platform/sizecolorgrid.h"

#include <QLineEdit>
#include <QPushButton>

TF_Spxs_Sele* F_Spxs_Sele = nullptr;

TF_Spxs_Sele::TF_Spxs_Sele(QWidget* parent)
    : TF_LineDialog({.hint = QStringLiteral("请在下面表格中输入您的销售数量"),
                     .group = QStringLiteral("商品销售信息"),
                     .priceLabel = QStringLiteral("参考售价："),
                     .captionPrefix = QStringLiteral("商品信息(商品销售)"),
                     .lastPrice = false,
                     .priceLength = 9,
                     .discount = true,
                     .priceList = true},
                    parent)
{
    setObjectName(QStringLiteral("TF_Spxs_Sele"));
    setWindowTitle(QStringLiteral("商品信息(商品销售)"));
    addMode({QStringLiteral("spxs_add"), Write::ScratchAdd, nullptr, Price::Offered});
    addMode({QStringLiteral("spxs_modi"), Write::ScratchModify, nullptr, Price::Line});
    addMode({QStringLiteral("spxs"), Write::LineModify, &kSalesLines, Price::Line});
    addMode({QStringLiteral("spxs_modish"), Write::LineModify, &kPendingSalesLines, Price::Line});
}

Money TF_Spxs_Sele::offeredPrice(const ResultSet& goods) const
{
    return Money::fromText(goods.text(0, QStringLiteral("g_sj")));
}

void TF_Spxs_Sele::lineOpened()
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

QString TF_Spxs_Sele::refuseWrite()
{
    if (settingOn(csKc))
        return {};
    return entryGrid()->checkStock(QStringLiteral("库存为0不允许销售，重新输入！"),
                                   QStringLiteral("销售数量不能大于库存数量，重新输入！"));
}

bool TF_Spxs_Sele::confirmWrite()
{
    const Money sold = price() * rate();
    const SqlParams goods{{QString(), curGoodsSn}};
    const Money purchase = Money::fromText(selectValue(QStringLiteral("select g_jj from jxc_goods where g_sn=?"), goods));
    if (sold <= purchase && !msgYesNo(QStringLiteral("打折后售价小于进价，继续销售吗?"), this))
        return false;
    // The cost of the goods in the document's warehouse, else its preset purchase price.
    const ResultSet stock = openSelect(QStringLiteral("select kc_cbj from jxc_kcsp where ck_sn=? and g_sn=? order by id limit 1"),
                                       {{QString(), lineDialogTarget.warehouse}, {QString(), curGoodsSn}});
    const Money cost = stock.isEmpty() ? purchase : Money::fromText(stock.text(0, 0));
    if (sold <= cost && !msgYesNo(QStringLiteral("该商品销售价格低于其成本价格，是否继续操作?"), this))
        return false;
    if (quantity() > stockNow() && !msgYesNo(QStringLiteral("库存数量小于销售数量，销售后将产生负库存，继续销售吗?"), this))
        return false;
    return true;
}

void TF_Spxs_Sele::openPriceList()
{
    TF_Spxxgl_Price* prices = ensureForm(F_Spxxgl_Price);
    prices->formFlag = QStringLiteral("spxs_sele");
    prices->showModalForm();
}
