// "修改客户": modifies the customer at the current row of Q_Khxx.
#pragma once

#include "masterdata/partneredit.h"

class TF_Khgl_Modi final : public PartnerEditForm {
public:
    explicit TF_Khgl_Modi(QWidget* parent = nullptr);
};

extern TF_Khgl_Modi* F_Khgl_Modi;
