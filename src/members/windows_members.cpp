#include "members/members.h"

#include "members/hygl.h"
#include "members/hygl_add.h"
#include "members/hygl_modi.h"
#include "members/hygl_pwd.h"
#include "members/hygl_sf.h"
#include "members/hyxf.h"
#include "members/hyxf_pl.h"
#include "shell/commands.h"

void registerMembersWindows()
{
    registerForm(QStringLiteral("TF_Hygl"), F_Hygl);
    registerForm(QStringLiteral("TF_Hygl_Add"), F_Hygl_Add);
    registerForm(QStringLiteral("TF_Hygl_Modi"), F_Hygl_Modi);
    registerForm(QStringLiteral("TF_Hygl_Pwd"), F_Hygl_Pwd);
    registerForm(QStringLiteral("TF_Hygl_Sf"), F_Hygl_Sf);
    registerForm(QStringLiteral("TF_Hyxf"), F_Hyxf);
    registerForm(QStringLiteral("TF_Hyxf_pl"), F_Hyxf_pl);
    registerGiftAndImportWindows();
    registerMemberSettingsWindows();
}
