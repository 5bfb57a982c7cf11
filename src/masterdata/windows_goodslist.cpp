#include "masterdata/masterdata.h"

void registerGoodsListWindows()
{
}
