// "添加供货商": adds a supplier.
#pragma once

#include "masterdata/partneredit.h"

class TF_Ghsgl_Add final : public PartnerEditForm {
public:
    explicit TF_Ghsgl_Add(QWidget* parent = nullptr);
};

extern TF_Ghsgl_Add* F_Ghsgl_Add;
