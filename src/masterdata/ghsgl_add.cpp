#include "masterdata/ghsgl_add.h"

TF_Ghsgl_Add* F_Ghsgl_Add = nullptr;

TF_Ghsgl_Add::TF_Ghsgl_Add(QWidget* parent) : PartnerEditForm(PartnerKind::Ghs, false, parent)
{
    setObjectName(QStringLiteral("F_Ghsgl_Add"));
}
