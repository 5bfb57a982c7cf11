// "复制客户资料到供货商信息": a new supplier from a customer.
#pragma once

#include "masterdata/partnercopy.h"

class TF_Ghsgl_Copy final : public PartnerCopyForm {
public:
    explicit TF_Ghsgl_Copy(QWidget* parent = nullptr);
};

extern TF_Ghsgl_Copy* F_Ghsgl_Copy;
