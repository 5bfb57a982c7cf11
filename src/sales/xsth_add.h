// "增加商品(销售退货)": the goods picker of customer returns. It offers the goods that stand on
// some sales bill (to the return's customer, `curKhSn`, when csXt is on) and have a stock row in
// the return's warehouse; any of them may be picked whatever its stock. "确定" turns the picked
// goods into lines of the return, each with its own size and colour rows.
#pragma once

#include "bills/goodspicker.h"

class TF_Xsth_Add : public TF_GoodsPicker {
    Q_OBJECT
public:
    explicit TF_Xsth_Add(QWidget* parent = nullptr);

protected:
    QString allGoodsSql(bool byFrequency) const override;
    QString categoryGoodsSql(const QString& gcSn, bool byFrequency) const override;
    TF_LineDialog* lineDialog() override;
    QString addMode() const override { return QStringLiteral("xsth_add"); }
    QString modifyMode() const override { return QStringLiteral("xsth_modi"); }
    Transfer transferTarget() const override;
};

extern TF_Xsth_Add* F_Xsth_Add;
