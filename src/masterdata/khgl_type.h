// The customer types, and their picker for the customer dialogs.
#pragma once

#include "masterdata/reflistform.h"

// The combo each caller word names; "退出" refills it and sets it to the focused entry.
CallerWords<ComboTarget>& khTypeCallers();

class TF_Khgl_Type final : public RefListForm {
public:
    explicit TF_Khgl_Type(QWidget* parent = nullptr);
};

extern TF_Khgl_Type* F_Khgl_Type;
