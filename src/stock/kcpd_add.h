// "录入盘点商品": one count sheet being entered, with the goods of its warehouse to choose from and
// the goods already counted on it.
#pragma once

#include "platform/form.h"
#include "stock/kcpdposting.h"

class CodeComboBox;
class DataGrid;
class GoodsCategoryTab;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

// The goods a count sheet of a warehouse can count (with the warehouse stock), those already
// counted on the sheet marked by a non-empty gsn; with a category, only the goods of that
// category.
QString kcpdGoodsSql(const QString& djh, const QString& ckSn, const QString* gcSn = nullptr);
// The counted lines of a sheet.
QString kcpdCountedSql(const QString& djh);

class TF_Kcpd_Add : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Kcpd_Add(QWidget* parent = nullptr);

    QLabel* gldjh = nullptr;
    CodeComboBox* comCk = nullptr;
    QDateEdit* datePd = nullptr;
    QLabel* aname = nullptr;
    QLineEdit* tnote = nullptr;
    QLineEdit* tkey = nullptr;
    QTabWidget* PageControl1 = nullptr;  // "商品清单", "商品列表"
    DataGrid* cxGrid1 = nullptr;  // goods of the warehouse
    GoodsCategoryTab* categoryTab = nullptr;
    DataGrid* cxGrid3 = nullptr;  // goods of the warehouse in the chosen category
    QPushButton* btnOK = nullptr;
    DataGrid* cxGrid2 = nullptr;  // counted goods
    QPushButton* btnReturn = nullptr;
    QPushButton* btnModi = nullptr;
    QPushButton* btnDel = nullptr;

    // The sheet as the window holds it now.
    KcpdSheet sheet() const;

    void btnOKClick();
    void btnModiClick();
    void btnDelClick();
    void openCounted();
    // Reloads the goods list of the shown tab.
    void openGoods();
    // The goods list of the shown tab.
    DataGrid* shownGoods() const;

protected:
    void FormActivate() override;
    void FormClose() override;

private:
    void applyKey();

    bool m_loading = false;
};

extern TF_Kcpd_Add* F_Kcpd_Add;
