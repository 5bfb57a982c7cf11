// "条码打印": the label print list (jxc_tm), printed through the template "txm.fr3" with one
// label per print quantity, and the template opened in the report designer.
#pragma once

#include "platform/form.h"

class DataGrid;
class QLineEdit;
class QPushButton;

class TF_Tmdy : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Tmdy(QWidget* parent = nullptr);

    QPushButton* btnModi = nullptr;
    QPushButton* btnDel = nullptr;
    QPushButton* btnPrint = nullptr;
    QPushButton* btnSet = nullptr;   // "条码设置"
    QPushButton* btnExit = nullptr;
    QLineEdit* edtKey = nullptr;     // the goods code or a search key
    QPushButton* btnPick = nullptr;  // shows the goods panel
    QLineEdit* edtNum = nullptr;     // "打印数量(F3)：", at most 3 characters
    QPushButton* btnAdd = nullptr;   // "增加(F4)"
    DataGrid* gridTm = nullptr;      // Q_Tm
    DataGrid* gridGoods = nullptr;   // the goods panel on Q_Goods8, hidden until used

    void btnAddClick();
    void btnModiClick();
    void btnDelClick();
    void btnPrintClick();
    void btnSetClick();
    void filterGoods();
    void pickGoods();

protected:
    void FormActivate() override;
    bool FormKeyDown(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void FormClose() override;

private:
    void reloadList();
};

extern TF_Tmdy* F_Tmdy;
