// "商品信息(商品借货)": the line dialog of the loan. The quantities to lend per size and colour,
// beside what the loan's warehouse holds; every quantity is checked against that stock, whatever
// the zero-stock setting says. Modes: "khjh_add" (a goods picked), "khjh_modi" (a picked row),
// "khjh" (a working line of the loan).
#pragma once

#include "bills/linedialog.h"

class TF_Khjhgl_Jh_Sele : public TF_LineDialog {
    Q_OBJECT
public:
    explicit TF_Khjhgl_Jh_Sele(QWidget* parent = nullptr);

protected:
    Money offeredPrice(const ResultSet& goods) const override;
    QString refuseWrite() override;
};

extern TF_Khjhgl_Jh_Sele* F_Khjhgl_Jh_Sele;
