// "报损确认" / "报溢确认": what the posting of the loss or overflow bill will do, goods by goods
// (unit cost, quantity, the goods' total stock now and after), before the window asks its last
// question. "确定" sets `modeFlag` "OK"; any other way out leaves it empty.
#pragma once

#include "platform/form.h"

class DataGrid;
class QLabel;

// Fills the scratch table jxc_cfsptmp with the rows of bill `djh` of the window's kind and
// returns the bill's amount as text.
QString fillBsbyConfirmation(const QString& djh);

class TF_Bsby_Confirm : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Bsby_Confirm(QWidget* parent = nullptr);
    void btnOKClick();

    QLabel* lbTitle = nullptr;
    QLabel* lbCkCaption = nullptr;
    QLabel* lbCk = nullptr;
    QLabel* lbZje = nullptr;
    QLabel* lbGoods = nullptr;
    DataGrid* cxGrid1 = nullptr;

protected:
    void FormActivate() override;
    void FormClose() override;
};

extern TF_Bsby_Confirm* F_Bsby_Confirm;
