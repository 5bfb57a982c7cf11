#include "members/members.h"

#include "members/hycs_modi.h"
#include "members/hyfl_modi.h"
#include "members/hygl_gjcx.h"
#include "members/hyksz.h"
#include "members/hyxf_jc.h"
#include "members/hyyh_modi.h"
#include "shell/commands.h"

void registerMemberSettingsWindows()
{
    registerForm(QStringLiteral("TF_Hyksz"), F_Hyksz);
    registerForm(QStringLiteral("TF_Hyfl_Add"), F_Hyfl_Add);
    registerForm(QStringLiteral("TF_Hyfl_Modi"), F_Hyfl_Modi);
    registerForm(QStringLiteral("TF_Hyyh_Add"), F_Hyyh_Add);
    registerForm(QStringLiteral("TF_Hyyh_Modi"), F_Hyyh_Modi);
    registerForm(QStringLiteral("TF_Hyxf_Jc"), F_Hyxf_Jc);
    registerForm(QStringLiteral("TF_Hycs_Add"), F_Hycs_Add);
    registerForm(QStringLiteral("TF_Hycs_Modi"), F_Hycs_Modi);
    registerForm(QStringLiteral("TF_Hygl_Gjcx"), F_Hygl_Gjcx);
}
