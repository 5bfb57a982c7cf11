#include "masterdata/khgl_import.h"

TF_Khgl_Import* F_Khgl_Import = nullptr;

TF_Khgl_Import::TF_Khgl_Import(QWidget* parent) : PartnerImportForm(PartnerKind::Kh, parent)
{
    setObjectName(QStringLiteral("F_Khgl_Import"));
}
