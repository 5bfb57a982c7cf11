// "商品信息(库存调拨)": the line dialog of the stock transfer. The quantities to move per size
// and colour, beside what the out warehouse holds; every quantity is checked against that
// stock, whatever the zero-stock setting says. Modes: "kcdb_add" (a goods picked), "kcdb_modi"
// (a picked row), "kcdb" (a working line of the transfer).
#pragma once

#include "bills/linedialog.h"

class TF_Kcdb_Sele : public TF_LineDialog {
    Q_OBJECT
public:
    explicit TF_Kcdb_Sele(QWidget* parent = nullptr);

protected:
    Money offeredPrice(const ResultSet& goods) const override;
    QString refuseWrite() override;
};

extern TF_Kcdb_Sele* F_Kcdb_Sele;
