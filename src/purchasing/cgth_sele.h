// "商品信息(采购退货)": the line dialog of purchase returns and of the return picker. Unless
// zero-stock returns are allowed, a quantity is refused where the warehouse's size and colour
// stock is empty or smaller.
#pragma once

#include "bills/linedialog.h"

class TF_Cgth_Sele : public TF_LineDialog {
    Q_OBJECT
public:
    explicit TF_Cgth_Sele(QWidget* parent = nullptr);

    // Compares every typed quantity with the stock cell of the same size and colour: empty or
    // zero stock gives "库存为0不允许退货，重新输入！", less stock "退货数量不能大于库存数量，
    // 重新输入！". Each row stops at its first failing cell; the message and the entry grid's
    // current cell are those of the lowest failing row. Empty: the quantities pass.
    QString checkStock();

protected:
    Money offeredPrice(const ResultSet& goods) const override;
    QString refuseWrite() override;
};

extern TF_Cgth_Sele* F_Cgth_Sele;
