#include "stock/stock.h"

void registerStockWindows()
{
}
