#include "masterdata/ghsgl.h"
#include "masterdata/ghsgl_add.h"
#include "masterdata/ghsgl_copy.h"
#include "masterdata/ghsgl_modi.h"
#include "masterdata/ghsgl_search.h"
#include "masterdata/ghsgl_type.h"
#include "masterdata/khgl.h"
#include "masterdata/khgl_add.h"
#include "masterdata/khgl_copy.h"
#include "masterdata/khgl_modi.h"
#include "masterdata/khgl_search.h"
#include "masterdata/khgl_type.h"
#include "masterdata/masterdata.h"
#include "masterdata/zone.h"
#include "shell/commands.h"

namespace {

// The type or zone combo of a partner dialog, while the dialog exists.
template <class T>
ComboTarget typeCombo(T*& form)
{
    return [&form]() -> QComboBox* { return form ? form->comType : nullptr; };
}
template <class T>
ComboTarget zoneCombo(T*& form)
{
    return [&form]() -> QComboBox* { return form ? form->comZone : nullptr; };
}

}  // namespace

void registerPartnerWindows()
{
    registerForm(QStringLiteral("TF_Ghsgl"), F_Ghsgl);
    registerForm(QStringLiteral("TF_Ghsgl_Add"), F_Ghsgl_Add);
    registerForm(QStringLiteral("TF_Ghsgl_Modi"), F_Ghsgl_Modi);
    registerForm(QStringLiteral("TF_Ghsgl_Search"), F_Ghsgl_Search);
    registerForm(QStringLiteral("TF_Ghsgl_Copy"), F_Ghsgl_Copy);
    registerForm(QStringLiteral("TF_Khgl"), F_Khgl);
    registerForm(QStringLiteral("TF_Khgl_Add"), F_Khgl_Add);
    registerForm(QStringLiteral("TF_Khgl_Modi"), F_Khgl_Modi);
    registerForm(QStringLiteral("TF_Khgl_Search"), F_Khgl_Search);
    registerForm(QStringLiteral("TF_Khgl_Copy"), F_Khgl_Copy);
    registerForm(QStringLiteral("TF_Ghsgl_Type"), F_Ghsgl_Type);
    registerForm(QStringLiteral("TF_Khgl_Type"), F_Khgl_Type);
    registerForm(QStringLiteral("TF_Zone"), F_Zone);

    ghsTypeCallers().add(QStringLiteral("ghsgl_add"), typeCombo(F_Ghsgl_Add));
    ghsTypeCallers().add(QStringLiteral("ghsgl_modi"), typeCombo(F_Ghsgl_Modi));
    khTypeCallers().add(QStringLiteral("khgl_add"), typeCombo(F_Khgl_Add));
    khTypeCallers().add(QStringLiteral("khgl_modi"), typeCombo(F_Khgl_Modi));
    zoneCallers().add(QStringLiteral("ghsgl_add"), zoneCombo(F_Ghsgl_Add));
    zoneCallers().add(QStringLiteral("ghsgl_modi"), zoneCombo(F_Ghsgl_Modi));
    zoneCallers().add(QStringLiteral("khgl_add"), zoneCombo(F_Khgl_Add));
    zoneCallers().add(QStringLiteral("khgl_modi"), zoneCombo(F_Khgl_Modi));
}
