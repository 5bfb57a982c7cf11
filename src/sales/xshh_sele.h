// "商品信息": the line dialog of the exchange and of its two goods pickers: price, discount rate
// and quantities per size and colour beside the stock of the exchange's warehouse. A goods-back
// line is stored negative and shown positive; only goods going out (`paramValue` "xshh2") are
// checked against the stock, and only when selling at zero stock is not allowed.
#pragma once

#include "bills/linedialog.h"

class TF_Xshh_Sele : public TF_LineDialog {
    Q_OBJECT
public:
    explicit TF_Xshh_Sele(QWidget* parent = nullptr);

protected:
    // The preset sale price g_sj.
    Money offeredPrice(const ResultSet& goods) const override;
    // The last sales price when csXsdj is "1" (in every mode); the price box only when csXgdj is on.
    void lineOpened() override;
    QString refuseWrite() override;
    void openPriceList() override;
};

extern TF_Xshh_Sele* F_Xshh_Sele;
