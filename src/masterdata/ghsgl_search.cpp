#include "masterdata/ghsgl_search.h"

TF_Ghsgl_Search* F_Ghsgl_Search = nullptr;

TF_Ghsgl_Search::TF_Ghsgl_Search(QWidget* parent) : PartnerSearchForm(PartnerKind::Ghs, parent)
{
    setObjectName(QStringLiteral("F_Ghsgl_Search"));
}
