// The supplier list "供货商信息".
#pragma once

#include "masterdata/partnerlist.h"

class TF_Ghsgl final : public PartnerListForm {
public:
    explicit TF_Ghsgl(QWidget* parent = nullptr);
};

extern TF_Ghsgl* F_Ghsgl;
