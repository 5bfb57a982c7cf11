#include "sales/sales.h"

#include "sales/spxsph.h"
#include "sales/spxstj.h"
#include "sales/spxstj_cx.h"
#include "sales/spxstj_fx.h"
#include "sales/spxstj_gj.h"
#include "sales/xsjth.h"
#include "sales/ywyxstj.h"
#include "sales/ywyxstj_cx.h"
#include "shell/commands.h"

void registerSalesStatistics()
{
    registerForm(QStringLiteral("TF_Spxstj"), F_Spxstj);
    registerForm(QStringLiteral("TF_Spxstj_Cx"), F_Spxstj_Cx);
    registerForm(QStringLiteral("TF_Spxstj_Ghs"), F_Spxstj_Ghs);
    registerForm(QStringLiteral("TF_Spxstj_Kh"), F_Spxstj_Kh);
    registerForm(QStringLiteral("TF_Spxstj_Fx"), F_Spxstj_Fx);
    registerForm(QStringLiteral("TF_Spxsph"), F_Spxsph);
    registerForm(QStringLiteral("TF_Xsjth"), F_Xsjth);
    registerForm(QStringLiteral("TF_Ywyxstj"), F_Ywyxstj);
    registerForm(QStringLiteral("TF_Ywyxstj_Cx"), F_Ywyxstj_Cx);
}
