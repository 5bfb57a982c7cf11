#include "masterdata/khgl.h"

TF_Khgl* F_Khgl = nullptr;

TF_Khgl::TF_Khgl(QWidget* parent) : PartnerListForm(PartnerKind::Kh, parent)
{
    setObjectName(QStringLiteral("F_Khgl"));
}
