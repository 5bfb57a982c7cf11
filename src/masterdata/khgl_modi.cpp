#include "masterdata/khgl_modi.h"

TF_Khgl_Modi* F_Khgl_Modi = nullptr;

TF_Khgl_Modi::TF_Khgl_Modi(QWidget* parent) : PartnerEditForm(PartnerKind::Kh, true, parent)
{
    setObjectName(QStringLiteral("F_Khgl_Modi"));
}
