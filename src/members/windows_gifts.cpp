#include "members/members.h"

#include "members/dhzp.h"
#include "members/hygl_import.h"
#include "members/zpgl2.h"
#include "members/zpgl2_add.h"
#include "members/zpgl2_jh.h"
#include "members/zpgl2_modi.h"
#include "shell/commands.h"

void registerGiftAndImportWindows()
{
    registerForm(QStringLiteral("TF_Zpgl2"), F_Zpgl2);
    registerForm(QStringLiteral("TF_Zpgl2_Add"), F_Zpgl2_Add);
    registerForm(QStringLiteral("TF_Zpgl2_Modi"), F_Zpgl2_Modi);
    registerForm(QStringLiteral("TF_Zpgl2_Jh"), F_Zpgl2_Jh);
    registerForm(QStringLiteral("TF_Dhzp"), F_Dhzp);
    registerForm(QStringLiteral("TF_Hygl_Import"), F_Hygl_Import);
}
