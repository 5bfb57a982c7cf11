// Units of measure and brands: two vocabularies the goods dialogs offer. Goods keep the chosen
// unit and brand as text, so adding or deleting an entry never touches goods.
#pragma once

#include "masterdata/sizecolordata.h"

// A new unit under the next code (name trimmed and made safe); unit names may repeat.
MasterResult addUnit(const QString& name);
void deleteUnit(const QString& code);

// A new brand under the next code with the short code of its name; names are unique.
MasterResult addBrand(const QString& name);
// The built-in brand "100001" ("默认品牌") stays.
void deleteBrand(const QString& code);
