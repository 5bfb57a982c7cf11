#include "masterdata/masterdata.h"

void registerPartnerWindows()
{
}
