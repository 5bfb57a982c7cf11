// "商品信息(采购进货)": the line dialog of purchase receipts and of the purchase goods picker.
#pragma once

#include "bills/linedialog.h"

class TF_Cgjh_Sele : public TF_LineDialog {
    Q_OBJECT
public:
    explicit TF_Cgjh_Sele(QWidget* parent = nullptr);

protected:
    // The purchase price setting: "1" the last purchase price, "2" the preset purchase price,
    // anything else the average purchase price.
    Money offeredPrice(const ResultSet& goods) const override;
};

extern TF_Cgjh_Sele* F_Cgjh_Sele;
