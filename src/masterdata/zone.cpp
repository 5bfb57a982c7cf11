#include "masterdata/zone.h"

TF_Zone* F_Zone = nullptr;

CallerWords<ComboTarget>& zoneCallers()
{
    static CallerWords<ComboTarget> words;
    return words;
}

TF_Zone::TF_Zone(QWidget* parent) : RefListForm(RefListKind::Zone, zoneCallers(), parent)
{
    setObjectName(QStringLiteral("F_Zone"));
}
