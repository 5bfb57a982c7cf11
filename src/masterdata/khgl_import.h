// The customer import "导入客户数据".
#pragma once

#include "masterdata/partnerimport.h"

class TF_Khgl_Import final : public PartnerImportForm {
public:
    explicit TF_Khgl_Import(QWidget* parent = nullptr);
};

extern TF_Khgl_Import* F_Khgl_Import;
