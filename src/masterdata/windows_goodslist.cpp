#include "masterdata/masterdata.h"
#include "masterdata/spxxgl.h"
#include "shell/commands.h"

void registerGoodsListWindows()
{
    registerForm(QStringLiteral("TF_Spxxgl"), F_Spxxgl);
}
