#include "sales/sales.h"

#include "data/globals.h"
#include "masterdata/spxxgl_price.h"
#include "sales/detail.h"
#include "sales/khjhgl.h"
#include "sales/khjhgl_cx.h"
#include "sales/khjhgl_hh.h"
#include "sales/khjhgl_jh.h"
#include "sales/khjhgl_jh_add.h"
#include "sales/khjhgl_jh_sele.h"
#include "sales/khjhgl_xs.h"
#include "sales/spxs_add.h"
#include "sales/spxs_kh.h"
#include "sales/spxs_save.h"
#include "sales/spxs_sele.h"
#include "shell/commands.h"

#include <QLineEdit>

void registerSalesWindows()
{
    registerSalesBillDialogs();
    registerSalesBill();
    registerCustomerReturn();
    registerExchange();
    registerSalesStatistics();
    registerLending();
}

void registerSalesBillDialogs()
{
    registerForm(QStringLiteral("TF_Spxs_Save"), F_Spxs_Save);
    registerForm(QStringLiteral("TF_Spxs_Sele"), F_Spxs_Sele);
    registerForm(QStringLiteral("TF_Spxs_Add"), F_Spxs_Add);
    registerForm(QStringLiteral("TF_Spxs_Kh"), F_Spxs_Kh);
    registerForm(QStringLiteral("TF_Detail"), F_Detail);
    // The line dialog's price box, for the named prices of its goods.
    priceCallers().add(QStringLiteral("spxs_sele"),
                       {[] { return curGoodsSn; },
                        []() -> QLineEdit* { return F_Spxs_Sele ? F_Spxs_Sele->priceBox() : nullptr; }});
}

void registerLending()
{
    registerForm(QStringLiteral("TF_Khjhgl"), F_Khjhgl);
    registerForm(QStringLiteral("TF_Khjhgl_Cx"), F_Khjhgl_Cx);
    registerForm(QStringLiteral("TF_Khjhgl_Jh"), F_Khjhgl_Jh);
    registerForm(QStringLiteral("TF_Khjhgl_Jh_Add"), F_Khjhgl_Jh_Add);
    registerForm(QStringLiteral("TF_Khjhgl_Jh_Sele"), F_Khjhgl_Jh_Sele);
    registerForm(QStringLiteral("TF_Khjhgl_Hh"), F_Khjhgl_Hh);
    registerForm(QStringLiteral("TF_Khjhgl_Xs"), F_Khjhgl_Xs);
}
