#include "masterdata/masterdata.h"

#include "masterdata/pickers.h"
#include "masterdata/spxxgl_add.h"
#include "masterdata/spxxgl_jmmodi.h"
#include "masterdata/spxxgl_modi.h"
#include "masterdata/spxxgl_pic.h"
#include "masterdata/spxxgl_price.h"
#include "masterdata/spxxgl_price_modi.h"
#include "shell/commands.h"

#include <QLineEdit>

namespace {

// A goods dialog's code box and "预设售价：" box, for the named prices.
template <class Dialog>
PriceTarget dialogPrices(Dialog*& dialog)
{
    return {[&dialog] { return dialog ? dialog->tg_sn->text().trimmed() : QString(); },
            [&dialog]() -> QLineEdit* { return dialog ? dialog->g_sj : nullptr; }};
}

}  // namespace

void registerGoodsWindows()
{
    registerForm(QStringLiteral("TF_Spxxgl_Add"), F_Spxxgl_Add);
    registerForm(QStringLiteral("TF_Spxxgl_Modi"), F_Spxxgl_Modi);
    registerForm(QStringLiteral("TF_Spxxgl_Pic"), F_Spxxgl_Pic);
    registerForm(QStringLiteral("TF_Spxxgl_JmModi"), F_Spxxgl_JmModi);
    registerForm(QStringLiteral("TF_Spxxgl_Price"), F_Spxxgl_Price);
    registerForm(QStringLiteral("TF_Spxxgl_Price_Modi"), F_Spxxgl_Price_Modi);

    // The goods dialogs' unit lists and price boxes, for the unit window and the named prices.
    unitCallers().add(QStringLiteral("spxxgl_add"), [] { return F_Spxxgl_Add ? F_Spxxgl_Add->ComDw : nullptr; });
    unitCallers().add(QStringLiteral("spxxgl_modi"), [] { return F_Spxxgl_Modi ? F_Spxxgl_Modi->ComDw : nullptr; });
    priceCallers().add(QStringLiteral("spxxgl_add"), dialogPrices(F_Spxxgl_Add));
    priceCallers().add(QStringLiteral("spxxgl_modi"), dialogPrices(F_Spxxgl_Modi));
}
