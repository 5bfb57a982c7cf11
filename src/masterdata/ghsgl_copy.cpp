#include "masterdata/ghsgl_copy.h"

TF_Ghsgl_Copy* F_Ghsgl_Copy = nullptr;

TF_Ghsgl_Copy::TF_Ghsgl_Copy(QWidget* parent) : PartnerCopyForm(PartnerKind::Ghs, parent)
{
    setObjectName(QStringLiteral("F_Ghsgl_Copy"));
}
