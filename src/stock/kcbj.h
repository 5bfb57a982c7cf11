// "库存报警查询": the goods whose total stock is below their minimum, or the goods held in one
// warehouse by their stock, with the purchase and sales movements of the chosen goods beneath.
#pragma once

#include "platform/form.h"

class CodeComboBox;
class DataGrid;
class QAction;
class QDateEdit;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QSpinBox;
class QToolButton;
class ReportTemplate;

// The alarm list: over all warehouses (ckSn empty) the goods below their minimum, disabled ones
// included, lowest total first; in one warehouse every goods stocked there by its stock.
QString alarmSql(const QString& ckSn, const QString& text);
// Sets the minimum stock of a goods.
void setMinimumStock(const QString& gSn, qint64 minimum);

class TF_Kcbj : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Kcbj(QWidget* parent = nullptr);

    QToolButton* btnModi = nullptr;
    QToolButton* btnPrint = nullptr;
    QToolButton* btnJh = nullptr;
    QToolButton* btnTh = nullptr;
    QToolButton* btnExport = nullptr;
    QToolButton* btnExit = nullptr;
    CodeComboBox* comCk = nullptr;
    QLineEdit* tkey = nullptr;
    QPushButton* btnQuery = nullptr;
    DataGrid* cxGrid1 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* N_AddJh = nullptr;
    QAction* N_AddTh = nullptr;
    QLabel* lGoods = nullptr;
    QDateEdit* date1 = nullptr;
    QDateEdit* date2 = nullptr;
    QToolButton* btnDates = nullptr;
    QPushButton* btnQuery2 = nullptr;
    DataGrid* cxGrid2 = nullptr;

    void btnQueryClick();   // the alarm query
    void btnQuery2Click();  // the movement query
    void btnModiClick();
    void btnPrintClick();

    static ReportTemplate alarmLayout();

protected:
    void FormActivate() override;
    bool FormKeyDown(QKeyEvent* event) override;

private:
    bool m_loading = false;
};

// "修改商品库存下限": the minimum stock of the goods in curGoodsSn.
class TF_Kcbj_Modi : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Kcbj_Modi(QWidget* parent = nullptr);

    QLabel* lSn = nullptr;
    QLabel* lName = nullptr;
    QLabel* lGg = nullptr;
    QLabel* lDw = nullptr;
    QLabel* lColor = nullptr;
    QLabel* lKc = nullptr;
    QLabel* lBz = nullptr;
    QLabel* lZdkc = nullptr;
    QSpinBox* tZdkc = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnExit = nullptr;

    void btnOKClick();

protected:
    void FormActivate() override;
};

extern TF_Kcbj* F_Kcbj;
extern TF_Kcbj_Modi* F_Kcbj_Modi;
