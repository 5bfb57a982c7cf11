// The goods pickers of the bill windows: the operator finds goods, enters each one's price and
// quantities per size and colour into a scratch list, and hands the whole list to the bill in
// one step.
#pragma once

#include <QString>

// The bill a picker hands its list to, set by the caller before it opens the picker.
struct GoodsPickerTarget {
    QString number;     // the bill's (provisional) number
    QString warehouse;  // the bill's warehouse code
};
extern GoodsPickerTarget goodsPickerTarget;
