// The zones, and their picker for the supplier and customer dialogs.
#pragma once

#include "masterdata/reflistform.h"

// The combo each caller word names; "退出" refills it and sets it to the focused entry.
CallerWords<ComboTarget>& zoneCallers();

class TF_Zone final : public RefListForm {
public:
    explicit TF_Zone(QWidget* parent = nullptr);
};

extern TF_Zone* F_Zone;
