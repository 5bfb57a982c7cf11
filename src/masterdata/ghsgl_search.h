// "供货商查找": the search dialog of the supplier list.
#pragma once

#include "masterdata/partnersearch.h"

class TF_Ghsgl_Search final : public PartnerSearchForm {
public:
    explicit TF_Ghsgl_Search(QWidget* parent = nullptr);
};

extern TF_Ghsgl_Search* F_Ghsgl_Search;
