#include "masterdata/khgl_copy.h"

TF_Khgl_Copy* F_Khgl_Copy = nullptr;

TF_Khgl_Copy::TF_Khgl_Copy(QWidget* parent) : PartnerCopyForm(PartnerKind::Kh, parent)
{
    setObjectName(QStringLiteral("F_Khgl_Copy"));
}
