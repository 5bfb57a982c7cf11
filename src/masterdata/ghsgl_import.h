// The supplier import "导入供货商信息".
#pragma once

#include "masterdata/partnerimport.h"

class TF_Ghsgl_Import final : public PartnerImportForm {
public:
    explicit TF_Ghsgl_Import(QWidget* parent = nullptr);
};

extern TF_Ghsgl_Import* F_Ghsgl_Import;
