// "查询": the search dialog of the salesman sales statistics. Warehouse ("所有仓库" at every
// opening), bill kind ("销售单", "退货单", "付款单"; kept) and customer; "确定(F5)" answers "1"
// in `choiceParam`, the customer taken from the list in `curKhSn` (a name typed without taking a
// row sets none).
#pragma once

#include "sales/spxstj_cx.h"

class TF_Ywyxstj_Cx : public SalesStatFilter {
    Q_OBJECT
public:
    explicit TF_Ywyxstj_Cx(QWidget* parent = nullptr);
};

extern TF_Ywyxstj_Cx* F_Ywyxstj_Cx;
