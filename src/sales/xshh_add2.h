// "增加商品(商品换货)": the picker of the goods handed out in an exchange: any goods with a stock
// row in the exchange's warehouse, by all goods, by category or among the goods recently
// bought. Goods without stock there are refused unless selling at zero stock is allowed.
// "确定" turns the picked goods into lines of the exchange, each with its own size and colour rows.
#pragma once

#include "bills/goodspicker.h"

class TF_Xshh_Add2 : public TF_GoodsPicker {
    Q_OBJECT
public:
    explicit TF_Xshh_Add2(QWidget* parent = nullptr);

protected:
    QString allGoodsSql(bool byFrequency) const override;
    QString categoryGoodsSql(const QString& gcSn, bool byFrequency) const override;
    TF_LineDialog* lineDialog() override;
    QString addMode() const override { return QStringLiteral("xshh_add"); }
    QString modifyMode() const override { return QStringLiteral("xshh_modi"); }
    // "库存为零不能换货！" for stock at or below 0, unless selling at zero stock is allowed (csKc)
    // and csCbjs is not "1".
    QString pickRefusal(const DataGrid& grid, int row) const override;
    Transfer transferTarget() const override;
    void openBundleWindow() override;
};

extern TF_Xshh_Add2* F_Xshh_Add2;
