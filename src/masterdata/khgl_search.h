// "客户查找": the search dialog of the customer list.
#pragma once

#include "masterdata/partnersearch.h"

class TF_Khgl_Search final : public PartnerSearchForm {
public:
    explicit TF_Khgl_Search(QWidget* parent = nullptr);
};

extern TF_Khgl_Search* F_Khgl_Search;
