// "商品信息(商品捆绑)": a component's unit price and quantities per size and colour, checked
// against the stock of the warehouse it leaves, whatever the stock-check setting.
#pragma once

#include "bills/linedialog.h"

class TF_Cfkb_Sele2 : public TF_LineDialog {
    Q_OBJECT
public:
    explicit TF_Cfkb_Sele2(QWidget* parent = nullptr);

protected:
    // The average, last or preset purchase price, by the purchase price setting.
    Money offeredPrice(const ResultSet& goods) const override;
    QString refuseWrite() override;
    void lineWritten(const Mode& mode, qint64 id) override;
};

extern TF_Cfkb_Sele2* F_Cfkb_Sele2;
