#include "masterdata/ghsgl_modi.h"

TF_Ghsgl_Modi* F_Ghsgl_Modi = nullptr;

TF_Ghsgl_Modi::TF_Ghsgl_Modi(QWidget* parent) : PartnerEditForm(PartnerKind::Ghs, true, parent)
{
    setObjectName(QStringLiteral("F_Ghsgl_Modi"));
}
