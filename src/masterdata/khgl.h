// The customer list "客户信息".
#pragma once

#include "masterdata/partnerlist.h"

class TF_Khgl final : public PartnerListForm {
public:
    explicit TF_Khgl(QWidget* parent = nullptr);
};

extern TF_Khgl* F_Khgl;
