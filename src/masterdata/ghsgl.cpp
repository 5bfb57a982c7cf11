#include "masterdata/ghsgl.h"

TF_Ghsgl* F_Ghsgl = nullptr;

TF_Ghsgl::TF_Ghsgl(QWidget* parent) : PartnerListForm(PartnerKind::Ghs, parent)
{
    setObjectName(QStringLiteral("F_Ghsgl"));
}
