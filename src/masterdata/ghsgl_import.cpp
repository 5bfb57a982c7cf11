#include "masterdata/ghsgl_import.h"

TF_Ghsgl_Import* F_Ghsgl_Import = nullptr;

TF_Ghsgl_Import::TF_Ghsgl_Import(QWidget* parent) : PartnerImportForm(PartnerKind::Ghs, parent)
{
    setObjectName(QStringLiteral("F_Ghsgl_Import"));
}
