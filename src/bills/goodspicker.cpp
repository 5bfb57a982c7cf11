#include "bills/goodspicker.h"

GoodsPickerTarget goodsPickerTarget;
