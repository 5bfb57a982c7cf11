#include "stock/cfkb_sele2.h"

#include "data/database.h"
#include "data/settings.h"
#include "platform/sizecolorgrid.h"
#include "stock/kbposting.h"

TF_Cfkb_Sele2* F_Cfkb_Sele2 = nullptr;

TF_Cfkb_Sele2::TF_Cfkb_Sele2(QWidget* parent)
    : TF_LineDialog({.hint = QStringLiteral("请在下面表格中输入商品数量"),
                     .group = QStringLiteral("商品信息"),
                     .priceLabel = QStringLiteral("捆绑单价："),
                     .captionPrefix = QStringLiteral("商品信息(商品捆绑)"),
                     .lastPrice = false},
                    parent)
{
    setObjectName(QStringLiteral("TF_Cfkb_Sele2"));
    setWindowTitle(QStringLiteral("商品信息(商品捆绑)"));
    addMode({QStringLiteral("cfkb_add2"), Write::ScratchAdd, nullptr, Price::Offered, nullptr});
    addMode({QStringLiteral("cfkb_modi2"), Write::ScratchModify, nullptr, Price::Line, nullptr});
    addMode({QStringLiteral("cfkb"), Write::LineModify, &kBundleLines, Price::Line, nullptr});
}

Money TF_Cfkb_Sele2::offeredPrice(const ResultSet& goods) const
{
    const char* column = csCgdj == u"1" ? "g_scjj" : csCgdj == u"2" ? "g_jj" : "g_pjjj";
    return Money::fromText(goods.text(0, QLatin1String(column)));
}

// The warehouse the component leaves goes with the row or line written.
void TF_Cfkb_Sele2::lineWritten(const Mode& mode, qint64 id)
{
    if (mode.write == Write::LineModify)
        setBundleLineWarehouse(id, lineDialogTarget.warehouse);
    else
        setBundleScratchWarehouse(id, lineDialogTarget.warehouse);
}

QString TF_Cfkb_Sele2::refuseWrite()
{
    return entryGrid()->checkStock(QStringLiteral("库存为0不能捆绑，重新输入！"),
                                   QStringLiteral("捆绑数量不能大于库存数量，重新输入！"));
}
