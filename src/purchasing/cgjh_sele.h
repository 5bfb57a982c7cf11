// "商品信息(采购进货)": the line dialog of purchase receipts and of the purchase goods picker.
#pragma once

#include "bills/linedialog.h"

// The goods column of the purchase price the setting csCgdj offers: "1" the last purchase price
// (g_scjj), "2" the preset purchase price (g_jj), anything else the average purchase price (g_pjjj).
QString purchasePriceColumn();

class TF_Cgjh_Sele : public TF_LineDialog {
    Q_OBJECT
public:
    explicit TF_Cgjh_Sele(QWidget* parent = nullptr);

protected:
    // The price of purchasePriceColumn().
    Money offeredPrice(const ResultSet& goods) const override;
};

extern TF_Cgjh_Sele* F_Cgjh_Sele;
