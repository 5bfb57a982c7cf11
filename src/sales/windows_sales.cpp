#include "sales/sales.h"

void registerSalesWindows()
{
}
