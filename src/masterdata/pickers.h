// Caller words of the master-data pickers that windows of more than one family open. A caller
// registers its word once (at start-up or when its window is created) with what the word means.
#pragma once

#include "platform/callerwords.h"

#include <QComboBox>
#include <functional>

// The unit window "单位管理": the unit list each caller word names, refilled and set to the
// confirmed unit ("spxxgl_add", "spxxgl_modi", "cgjh_goods_add").
using ComboTarget = std::function<QComboBox*()>;
CallerWords<ComboTarget>& unitCallers();
