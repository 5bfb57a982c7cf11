// "增加商品(销售换货)": the picker of the goods a customer brings back in an exchange. It lists the
// goods on the customer's posted sales bills (`curKhSn`) that are not disabled and have a stock
// row in the exchange's warehouse, most sold first; any of them may be picked whatever its
// stock. "确定" turns the picked goods into negative lines of the exchange, each with its own
// negative size and colour rows.
#pragma once

#include "bills/goodspicker.h"

class TF_Xshh_Add : public TF_GoodsPicker {
    Q_OBJECT
public:
    explicit TF_Xshh_Add(QWidget* parent = nullptr);

protected:
    QString allGoodsSql(bool byFrequency) const override;
    QString categoryGoodsSql(const QString& gcSn, bool byFrequency) const override;
    TF_LineDialog* lineDialog() override;
    QString addMode() const override { return QStringLiteral("xshh_add"); }
    QString modifyMode() const override { return QStringLiteral("xshh_modi"); }
    Transfer transferTarget() const override;
    void openBundleWindow() override;
};

extern TF_Xshh_Add* F_Xshh_Add;
