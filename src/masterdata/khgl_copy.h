// "复制供货商信息到客户资料": a new customer from a supplier.
#pragma once

#include "masterdata/partnercopy.h"

class TF_Khgl_Copy final : public PartnerCopyForm {
public:
    explicit TF_Khgl_Copy(QWidget* parent = nullptr);
};

extern TF_Khgl_Copy* F_Khgl_Copy;
