// "库存商品期初建帐": opening stock balances. For the chosen warehouse the left list holds the
// goods without a stock row there, the right list those with one (green: goods with business
// there, which can only be deleted). The entry dialog TF_Qcjz_Add adds or modifies a balance.
#pragma once

#include "platform/form.h"

class CodeComboBox;
class DataGrid;
class QLineEdit;

// The lists of the window for warehouse `ckSn`.
QString qcjzLeftSql(const QString& ckSn);   // Q_Goods1
QString qcjzRightSql(const QString& ckSn);  // Q_Kcsp

class TF_Qcjz : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Qcjz(QWidget* parent = nullptr);

    void btnAddClick();      // "增加到仓库(F2)"
    void btnModiClick();     // "修改数量或成本价(F3)"
    void btnQueryClick();    // "商品查询(F4)"
    void deleteClick();      // "删除该商品(&Y)"
    void sameCategoryClick();  // "显示该类别商品(&X)"
    void allGoodsClick();    // "显示所有商品(&Z)"

    CodeComboBox* comCkxx = nullptr;
    QLineEdit* tKey = nullptr;
    QLineEdit* tkey2 = nullptr;
    DataGrid* DBGrid1 = nullptr;
    DataGrid* DBGrid2 = nullptr;

protected:
    void FormActivate() override;
    bool FormKeyDown(QKeyEvent* event) override;
    void FormClose() override;

private:
    void loadLeft();
    void loadRight();
    bool m_filling = false;
};

extern TF_Qcjz* F_Qcjz;
