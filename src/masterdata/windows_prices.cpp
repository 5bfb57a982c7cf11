#include "masterdata/htgl.h"
#include "masterdata/htgl_add.h"
#include "masterdata/lxdialogs.h"
#include "masterdata/masterdata.h"
#include "masterdata/spjjxg.h"
#include "masterdata/spjjxg_modi.h"
#include "masterdata/sptj.h"
#include "masterdata/spxxgl_tj.h"
#include "masterdata/ywygl.h"
#include "masterdata/ywyrz.h"
#include "shell/commands.h"

void registerPriceAndSalesmanWindows()
{
    registerForm(QStringLiteral("TF_Sptj"), F_Sptj);
    registerForm(QStringLiteral("TF_Spxxgl_Tj"), F_Spxxgl_Tj);
    registerForm(QStringLiteral("TF_Spjjxg"), F_Spjjxg);
    registerForm(QStringLiteral("TF_Spjjxg_Modi"), F_Spjjxg_Modi);
    registerForm(QStringLiteral("TF_Ghslx_Add"), F_Ghslx_Add);
    registerForm(QStringLiteral("TF_Ghslx_Modi"), F_Ghslx_Modi);
    registerForm(QStringLiteral("TF_Khlx_Add"), F_Khlx_Add);
    registerForm(QStringLiteral("TF_Khlx_Modi"), F_Khlx_Modi);
    registerForm(QStringLiteral("TF_Ywygl"), F_Ywygl);
    registerForm(QStringLiteral("TF_Ywyrz_Add"), F_Ywyrz_Add);
    registerForm(QStringLiteral("TF_Ywyrz_Modi"), F_Ywyrz_Modi);
    registerForm(QStringLiteral("TF_Htgl"), F_Htgl);
    registerForm(QStringLiteral("TF_Htgl_Add"), F_Htgl_Add);
    registerForm(QStringLiteral("TF_Htgl_Modi"), F_Htgl_Modi);
}
