#include "masterdata/masterdata.h"

void registerStaffWindows()
{
}
