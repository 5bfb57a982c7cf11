#include "masterdata/ghsgl_type.h"

TF_Ghsgl_Type* F_Ghsgl_Type = nullptr;

CallerWords<ComboTarget>& ghsTypeCallers()
{
    static CallerWords<ComboTarget> words;
    return words;
}

TF_Ghsgl_Type::TF_Ghsgl_Type(QWidget* parent) : RefListForm(RefListKind::GhsType, ghsTypeCallers(), parent)
{
    setObjectName(QStringLiteral("F_Ghsgl_Type"));
}
