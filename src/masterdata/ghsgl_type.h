// The supplier types, and their picker for the supplier dialogs.
#pragma once

#include "masterdata/reflistform.h"

// The combo each caller word names; "退出" refills it and sets it to the focused entry.
CallerWords<ComboTarget>& ghsTypeCallers();

class TF_Ghsgl_Type final : public RefListForm {
public:
    explicit TF_Ghsgl_Type(QWidget* parent = nullptr);
};

extern TF_Ghsgl_Type* F_Ghsgl_Type;
