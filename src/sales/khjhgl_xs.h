// "新增借货转销售": the conversion of one borrowing line (the lending register's focused line of
// the customer in curKhSn) into a sale of its whole quantity still out (postKhjhSale), then
// closes; the customer's lines still out are listed.
#pragma once

#include "platform/form.h"
#include "sales/khjhgl_hh.h"

class AccountPanel;
class CodeComboBox;
class DataGrid;
class QDateEdit;
class QLabel;
class QLineEdit;

class TF_Khjhgl_Xs : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Khjhgl_Xs(QWidget* parent = nullptr);
    void btnOKClick();  // "确定(F5)"
    void dateChange();
    void priceChanged();

    QLabel* lbDjh = nullptr;
    QDateEdit* dateXs = nullptr;
    CodeComboBox* comUser = nullptr;
    QLineEdit* tnote = nullptr;
    QLineEdit* tdj = nullptr;     // "销售单价"
    QLineEdit* tyfje = nullptr;   // "应付金额"
    QLineEdit* tsfje = nullptr;   // "实付金额"
    CodeComboBox* comJsfs = nullptr;
    AccountPanel* RzPanel_Yhzh = nullptr;
    DataGrid* DBGrid1 = nullptr;

protected:
    void FormActivate() override;
    bool FormKeyDown(QKeyEvent* event) override;
    void FormClose() override;

private:
    LendingLineView m_line;
    QList<QLabel*> m_fields;
    bool m_initialising = false;
};

extern TF_Khjhgl_Xs* F_Khjhgl_Xs;
