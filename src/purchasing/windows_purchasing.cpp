#include "purchasing/purchasing.h"

#include "masterdata/pickers.h"
#include "masterdata/spxxgl_price.h"
#include "purchasing/cgjh_goods_add.h"
#include "shell/commands.h"

#include <QLineEdit>

void registerPurchasingWindows()
{
    registerPurchasingLineDialogs();
    registerPurchasingReceiptDialogs();
    registerPurchasingPickers();
    registerPurchasingReceipt();
    registerPurchasingPendingDialogs();
    registerPurchasingReturn();
    registerPurchasingQueries();
    registerForm(QStringLiteral("TF_Cgjh_Goods_Add"), F_Cgjh_Goods_Add);

    // The new-goods dialog's unit list and price box, for the unit window and the named prices.
    unitCallers().add(QStringLiteral("cgjh_goods_add"),
                      [] { return F_Cgjh_Goods_Add ? F_Cgjh_Goods_Add->ComDw : nullptr; });
    priceCallers().add(QStringLiteral("cgjh_goods_add"),
                       {[] { return F_Cgjh_Goods_Add ? F_Cgjh_Goods_Add->tg_sn->text().trimmed() : QString(); },
                        []() -> QLineEdit* { return F_Cgjh_Goods_Add ? F_Cgjh_Goods_Add->g_sj : nullptr; }});
}
