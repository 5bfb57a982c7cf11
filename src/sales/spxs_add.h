// "增加商品(商品销售)": the goods picker of the sales bill. The sales window sets `paramValue`
// "spxs" (its bill) or "spxs_shdj" (a pending bill) and `goodsPickerTarget` before it opens the
// picker; "确定" turns the picked goods into lines of that bill, each with its own size and
// colour rows. The lists show the goods stocked in the bill's warehouse (a switch lists all
// goods), goods without stock there cannot be sold unless the settings allow it, and goods
// missing from the catalogue are created on the spot through "添加新商品". The third tab lists
// the goods recently bought or sold; the goods menu hands a goods to the bundle window.
#pragma once

#include "bills/goodspicker.h"

class TF_Spxs_Add : public TF_GoodsPicker {
    Q_OBJECT
public:
    explicit TF_Spxs_Add(QWidget* parent = nullptr);

    // "只显示所选仓库的商品信息(&Y)": list only the goods of the bill's warehouse.
    void setByWarehouse(bool on);
    bool byWarehouse() const { return m_byWarehouse; }
    QAction* N_Warehouse = nullptr;

protected:
    QString allGoodsSql(bool byFrequency) const override;
    QString categoryGoodsSql(const QString& gcSn, bool byFrequency) const override;
    TF_LineDialog* lineDialog() override;
    QString addMode() const override { return QStringLiteral("spxs_add"); }
    QString modifyMode() const override { return QStringLiteral("spxs_modi"); }
    // "库存为零不能销售！" for stock at or below 0, unless selling at zero stock is allowed (csKc)
    // and csCbjs is not "1".
    QString pickRefusal(const DataGrid& grid, int row) const override;
    Transfer transferTarget() const override;
    void openNewGoodsDialog() override;
    void openBundleWindow() override;
    void FormActivate() override;

private:
    bool m_byWarehouse = true;
};

extern TF_Spxs_Add* F_Spxs_Add;
