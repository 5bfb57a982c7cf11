// "盘盈盘亏": the wizard that corrects the stock to chosen count sheets: choose the sheets, review
// their lines (and the stock not counted), review the differences, correct.
#pragma once

#include "platform/form.h"

class CodeComboBox;
class DataGrid;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QStackedWidget;

class TF_Kcpd_Pd : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Kcpd_Pd(QWidget* parent = nullptr);

    QStackedWidget* steps = nullptr;
    // Step 1: the open sheets to tick.
    CodeComboBox* comCk = nullptr;
    CodeComboBox* comUser = nullptr;
    QPushButton* btnQuery = nullptr;
    DataGrid* cxGrid1 = nullptr;
    QPushButton* btnNext1 = nullptr;
    // Step 2: the lines of the ticked sheets, with the count change panel.
    QLabel* lStep2 = nullptr;
    DataGrid* cxGrid2 = nullptr;
    QPushButton* btnPrev2 = nullptr;
    QPushButton* btnWp = nullptr;
    QPushButton* btnNext2 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QGroupBox* panelSl = nullptr;
    QLabel* lSlGoods = nullptr;
    QLabel* lSlName = nullptr;
    QLabel* lSlDjh = nullptr;
    QLineEdit* tsl = nullptr;
    QPushButton* btnSlOK = nullptr;
    QPushButton* btnSlExit = nullptr;
    // Step 3: stock not counted.
    DataGrid* cxGrid3 = nullptr;
    QPushButton* btnBack3 = nullptr;
    QPushButton* btnPrint3 = nullptr;
    // Step 4: the differences.
    DataGrid* cxGrid4 = nullptr;
    QPushButton* btnPrev4 = nullptr;
    QPushButton* btnXz = nullptr;
    QPushButton* btnPrint4 = nullptr;
    QPushButton* btnExit = nullptr;

    void btnQueryClick();
    void btnNext1Click();
    void btnPrev2Click();
    void btnWpClick();
    void btnNext2Click();
    void modifyCountClick();  // "修改数量(&Y)"
    void btnSlOKClick();
    void btnXzClick();
    // "打印" of step 3 ("未盘商品信息") and of step 4 ("库存盘点差异"): previews of the lists.
    void btnPrint3Click();
    void btnPrint4Click();

protected:
    void FormActivate() override;

private:
    void openChosen();
};

extern TF_Kcpd_Pd* F_Kcpd_Pd;
