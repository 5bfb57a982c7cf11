// "单据审核确认": shows the current pending receipt of the receipt window's pending list and,
// on "审核通过(F5)", posts it with the paid amount, settlement mode and note confirmed here.
#pragma once

#include "platform/form.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class TF_Cgjh_Check : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Cgjh_Check(QWidget* parent = nullptr);

    void btnOKClick();  // "审核通过(F5)": saveCheckedValueTab2, then close
    // Posts the shown pending receipt; true when it was posted.
    bool saveCheckedValueTab2();

    QLabel* lbDjh = nullptr;
    QLabel* lbGhs = nullptr;
    QLabel* lbRq = nullptr;
    QLabel* lbCk = nullptr;
    QLabel* lbUser = nullptr;
    QLabel* lbOperator = nullptr;
    QLabel* lbYfje = nullptr;
    QLineEdit* tsfje = nullptr;
    QLabel* lbSn2 = nullptr;
    QComboBox* comJsfs = nullptr;
    QPlainTextEdit* tnote = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnExit = nullptr;

protected:
    void FormActivate() override;
};

extern TF_Cgjh_Check* F_Cgjh_Check;
