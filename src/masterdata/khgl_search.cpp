#include "masterdata/khgl_search.h"

TF_Khgl_Search* F_Khgl_Search = nullptr;

TF_Khgl_Search::TF_Khgl_Search(QWidget* parent) : PartnerSearchForm(PartnerKind::Kh, parent)
{
    setObjectName(QStringLiteral("F_Khgl_Search"));
}
