// "增加商品(采购退货)": the goods picker of the purchase return. The return window sets
// `paramValue` "cgth", `curGhsSn` (its supplier) and `goodsPickerTarget` before it opens the
// picker; every visit starts with an empty scratch list, and "确定" turns the picked goods into
// lines of that return. With "采购退货时只能退该供货商供应的商品" on it offers only goods of
// the supplier's posted receipts; goods without stock are refused unless the settings allow
// returning them.
#pragma once

#include "bills/goodspicker.h"

class TF_Cgth_Add : public TF_GoodsPicker {
    Q_OBJECT
public:
    explicit TF_Cgth_Add(QWidget* parent = nullptr);

protected:
    QString allGoodsSql(bool byFrequency) const override;
    QString categoryGoodsSql(const QString& gcSn, bool byFrequency) const override;
    TF_LineDialog* lineDialog() override;
    QString addMode() const override { return QStringLiteral("cgth_add"); }
    QString modifyMode() const override { return QStringLiteral("cgth_modi"); }
    QString pickRefusal(const DataGrid& grid, int row) const override;
    Transfer transferTarget() const override;
    QString pickedSql() const override;
};

extern TF_Cgth_Add* F_Cgth_Add;
