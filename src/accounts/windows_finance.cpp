#include "accounts/accounts.h"
#include "accounts/cwbb.h"
#include "accounts/gdzc.h"
#include "accounts/yyfx.h"
#include "shell/commands.h"

void registerFinanceWindows()
{
    registerForm(QStringLiteral("TF_Cwbb"), F_Cwbb);
    registerForm(QStringLiteral("TF_Gdzc"), F_Gdzc);
    registerForm(QStringLiteral("TF_Yyfx"), F_Yyfx);
}
