#include "masterdata/khgl_add.h"

TF_Khgl_Add* F_Khgl_Add = nullptr;

TF_Khgl_Add::TF_Khgl_Add(QWidget* parent) : PartnerEditForm(PartnerKind::Kh, false, parent)
{
    setObjectName(QStringLiteral("F_Khgl_Add"));
}
