// "修改供货商": modifies the supplier at the current row of Q_Ghsxx.
#pragma once

#include "masterdata/partneredit.h"

class TF_Ghsgl_Modi final : public PartnerEditForm {
public:
    explicit TF_Ghsgl_Modi(QWidget* parent = nullptr);
};

extern TF_Ghsgl_Modi* F_Ghsgl_Modi;
