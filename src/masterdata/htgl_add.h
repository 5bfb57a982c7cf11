// "增加合同" and "修改合同": the contract of the partner (add) or the contract (modify) that the
// opener hands over in `djhParam`: "gs" or "kh" followed by the partner's or the contract's
// code.
#pragma once

#include "platform/form.h"

class CodeComboBox;
class QDateEdit;
class QLineEdit;
class QPushButton;
struct ContractInput;

class TF_Htgl_Add : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Htgl_Add(QWidget* parent = nullptr);

    QLineEdit* tname = nullptr;
    QLineEdit* tpath = nullptr;
    QPushButton* btnOpen = nullptr;
    QDateEdit* dDate = nullptr;
    CodeComboBox* comUser = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnExit = nullptr;

    virtual void btnOKClick();
    ContractInput input() const;

protected:
    void FormActivate() override;
};

class TF_Htgl_Modi : public TF_Htgl_Add {
    Q_OBJECT
public:
    explicit TF_Htgl_Modi(QWidget* parent = nullptr);
    void btnOKClick() override;

protected:
    void FormActivate() override;
};

extern TF_Htgl_Add* F_Htgl_Add;
extern TF_Htgl_Modi* F_Htgl_Modi;
