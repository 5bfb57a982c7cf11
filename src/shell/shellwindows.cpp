#include "shell/shellwindows.h"

#include "shell/bqjl.h"
#include "shell/commands.h"
#include "shell/guide.h"
#include "shell/login.h"
#include "shell/mryt.h"
#include "shell/rjbz.h"
#include "shell/skin.h"
#include "shell/xtcs.h"
#include "shell/xtsd.h"

void registerShellWindows()
{
    registerForm(QStringLiteral("TF_Login"), F_Login);
    registerForm(QStringLiteral("TF_Xtcs"), F_Xtcs);
    registerForm(QStringLiteral("TF_Xtsd"), F_Xtsd);
    registerForm(QStringLiteral("TF_PwdModi"), F_PwdModi);
    registerForm(QStringLiteral("TF_Guide"), F_Guide);
    registerForm(QStringLiteral("TF_Skin"), F_Skin);
    registerForm(QStringLiteral("TF_Mryt"), F_Mryt);
    registerForm(QStringLiteral("TF_Bqjl"), F_Bqjl);
    registerForm(QStringLiteral("TF_Rjbz"), F_Rjbz);
    registerForm(QStringLiteral("TF_About"), F_About);
}
