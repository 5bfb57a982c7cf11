#include "masterdata/masterdata.h"

void registerGoodsWindows()
{
}
