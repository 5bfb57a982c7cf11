#include "pos/pos.h"

#include "pos/posxs.h"
#include "pos/poskey.h"
#include "pos/posprinset.h"
#include "pos/posxs_dyxp.h"
#include "pos/posxs_kx.h"
#include "pos/posxs_login.h"
#include "pos/posxs_th.h"
#include "shell/commands.h"

void registerPosWindows()
{
    registerForm(QStringLiteral("TF_Posxs"), F_Posxs);
    registerForm(QStringLiteral("TF_PosKey"), F_PosKey);
    registerForm(QStringLiteral("TF_PosPrinSet"), F_PosPrinSet);
    registerForm(QStringLiteral("TF_Posxs_Kx"), F_Posxs_Kx);
    registerForm(QStringLiteral("TF_Posxs_Dyxp"), F_Posxs_Dyxp);
    registerForm(QStringLiteral("TF_Posxs_Login"), F_Posxs_Login);
    registerForm(QStringLiteral("TF_Posxs_Th"), F_Posxs_Th);
}
