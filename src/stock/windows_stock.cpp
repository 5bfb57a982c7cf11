#include "shell/commands.h"
#include "stock/detailkc.h"
#include "stock/kcbj.h"
#include "stock/kccb.h"
#include "stock/kccx.h"
#include "stock/kccx_add.h"
#include "stock/kccx_cx.h"
#include "stock/kccx_jj.h"
#include "stock/kccx_jth.h"
#include "stock/kccx_mx.h"
#include "stock/kccx_sele.h"
#include "stock/stock.h"

void registerStockQueryWindows()
{
    registerForm(QStringLiteral("TF_Kccx"), F_Kccx);
    registerForm(QStringLiteral("TF_Kccx_Cx"), F_Kccx_Cx);
    registerForm(QStringLiteral("TF_Kccx_Jj"), F_Kccx_Jj);
    registerForm(QStringLiteral("TF_DetailKc"), F_DetailKc);
    registerForm(QStringLiteral("TF_Kccx_Mx"), F_Kccx_Mx);
    registerForm(QStringLiteral("TF_Kccx_Jth"), F_Kccx_Jth);
    registerForm(QStringLiteral("TF_Kccx_Sele"), F_Kccx_Sele);
    registerForm(QStringLiteral("TF_Kccx_Add"), F_Kccx_Add);
    registerForm(QStringLiteral("TF_Kcbj"), F_Kcbj);
    registerForm(QStringLiteral("TF_Kcbj_Modi"), F_Kcbj_Modi);
    registerForm(QStringLiteral("TF_Kccb"), F_Kccb);
}

void registerStockWindows()
{
    registerStockQueryWindows();
    registerStockTransfer();
    registerStockLoss();
    registerOpeningStock();
    registerStockCountWindows();
    registerBundleWindows();
}
