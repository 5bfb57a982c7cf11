#include "masterdata/khgl_type.h"

TF_Khgl_Type* F_Khgl_Type = nullptr;

CallerWords<ComboTarget>& khTypeCallers()
{
    static CallerWords<ComboTarget> words;
    return words;
}

TF_Khgl_Type::TF_Khgl_Type(QWidget* parent) : RefListForm(RefListKind::KhType, khTypeCallers(), parent)
{
    setObjectName(QStringLiteral("F_Khgl_Type"));
}
