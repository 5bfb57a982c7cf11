// "增加商品(采购进货)": the goods picker of the purchase receipt. The receipt sets
// `paramValue` "cgjh" and `goodsPickerTarget` before it opens the picker; "确定" turns the
// picked goods into lines of that receipt. Goods missing from the catalogue are created on the
// spot through "添加新商品".
#pragma once

#include "bills/goodspicker.h"

class TF_Cgjh_Add : public TF_GoodsPicker {
    Q_OBJECT
public:
    explicit TF_Cgjh_Add(QWidget* parent = nullptr);

protected:
    QString allGoodsSql(bool byFrequency) const override;
    QString categoryGoodsSql(const QString& gcSn, bool byFrequency) const override;
    TF_LineDialog* lineDialog() override;
    QString addMode() const override { return QStringLiteral("cgjh_add"); }
    QString modifyMode() const override { return QStringLiteral("cgjh_modi"); }
    Transfer transferTarget() const override;
    void openNewGoodsDialog() override;
};

extern TF_Cgjh_Add* F_Cgjh_Add;
