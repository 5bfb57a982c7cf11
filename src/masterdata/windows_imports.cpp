#include "masterdata/ghsgl_import.h"
#include "masterdata/khgl_import.h"
#include "masterdata/masterdata.h"
#include "masterdata/spxxgl_import.h"
#include "masterdata/tmdy.h"
#include "masterdata/tmdy_modi.h"
#include "masterdata/tmgl.h"
#include "masterdata/tmgl_add.h"
#include "masterdata/tmgl_cs.h"
#include "masterdata/tmgl_set.h"
#include "masterdata/tmset.h"
#include "shell/commands.h"

void registerImportAndBarcodeWindows()
{
    registerForm(QStringLiteral("TF_Spxxgl_Import"), F_Spxxgl_Import);
    registerForm(QStringLiteral("TF_Ghsgl_Import"), F_Ghsgl_Import);
    registerForm(QStringLiteral("TF_Khgl_Import"), F_Khgl_Import);
    registerForm(QStringLiteral("TF_Tmgl"), F_Tmgl);
    registerForm(QStringLiteral("TF_Tmgl_Set"), F_Tmgl_Set);
    registerForm(QStringLiteral("TF_Tmgl_Cs"), F_Tmgl_Cs);
    registerForm(QStringLiteral("TF_Tmgl_Add"), F_Tmgl_Add);
    registerForm(QStringLiteral("TF_Tmdy"), F_Tmdy);
    registerForm(QStringLiteral("TF_Tmdy_Modi"), F_Tmdy_Modi);
    registerForm(QStringLiteral("TF_Tmset"), F_Tmset);
}
