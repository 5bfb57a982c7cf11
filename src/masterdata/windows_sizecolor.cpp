#include "masterdata/masterdata.h"

void registerSizeColorWindows()
{
}
