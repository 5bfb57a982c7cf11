// "商品信息(销售退货)": the line dialog of customer returns and of their goods picker: price,
// discount rate and quantities per size and colour beside the stock of the return's warehouse.
// Any quantity may come back: nothing is checked against the stock.
#pragma once

#include "bills/linedialog.h"

class TF_Xsth_Sele : public TF_LineDialog {
    Q_OBJECT
public:
    explicit TF_Xsth_Sele(QWidget* parent = nullptr);

protected:
    // The preset sale price g_sj.
    Money offeredPrice(const ResultSet& goods) const override;
    // The last sales price when csXsdj is "1" (in every mode); the price box only when csXgdj is on.
    void lineOpened() override;
    void openPriceList() override;
};

extern TF_Xsth_Sele* F_Xsth_Sele;
