#include "masterdata/masterdata.h"

#include "masterdata/cm_add.h"
#include "masterdata/cmz.h"
#include "masterdata/cmz_add.h"
#include "masterdata/cmz_zl.h"
#include "masterdata/dwgl.h"
#include "masterdata/dwgl_add.h"
#include "masterdata/ppcs.h"
#include "masterdata/ppcs_add.h"
#include "shell/commands.h"

void registerSizeColorWindows()
{
    registerForm(QStringLiteral("TF_Cmz"), F_Cmz);
    registerForm(QStringLiteral("TF_Cmz_Add"), F_Cmz_Add);
    registerForm(QStringLiteral("TF_Cmz_Zl"), F_Cmz_Zl);
    registerForm(QStringLiteral("TF_Cm_Add"), F_Cm_Add);
    registerForm(QStringLiteral("TF_Cm_Modi"), F_Cm_Modi);
    registerForm(QStringLiteral("TF_Colorz"), F_Colorz);
    registerForm(QStringLiteral("TF_Colorz_Add"), F_Colorz_Add);
    registerForm(QStringLiteral("TF_Colorz_Zl"), F_Colorz_Zl);
    registerForm(QStringLiteral("TF_Color_Add"), F_Color_Add);
    registerForm(QStringLiteral("TF_Color_Modi"), F_Color_Modi);
    registerForm(QStringLiteral("TF_Dwgl"), F_Dwgl);
    registerForm(QStringLiteral("TF_Dwgl_Add"), F_Dwgl_Add);
    registerForm(QStringLiteral("TF_Ppcs"), F_Ppcs);
    registerForm(QStringLiteral("TF_Ppcs_Add"), F_Ppcs_Add);
}
