// The screen lock (F2 in the main window) and the password change of the logged-in operator.
#pragma once

#include "platform/form.h"

class QLabel;
class QLineEdit;
class QPushButton;

// Covers the program until the logged-in operator types the password again. It has no cancel
// and reacts to no key but F5.
class TF_Xtsd : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Xtsd(QWidget* parent = nullptr);

    QLabel* lAdmin = nullptr;
    QLineEdit* tpwd = nullptr;
    QPushButton* btnOK = nullptr;

    void btnOKClick();

protected:
    void FormActivate() override;
    bool FormKeyDown(QKeyEvent* event) override;
    bool FormCloseQuery() override;

private:
    bool m_unlocked = false;
};

// "修改密码": the logged-in operator changes the password.
class TF_PwdModi : public TF_Form {
    Q_OBJECT
public:
    explicit TF_PwdModi(QWidget* parent = nullptr);

    QLabel* aname = nullptr;
    QLineEdit* tOldPwd = nullptr;
    QLineEdit* tnewpwd = nullptr;
    QLineEdit* tnewpwd2 = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnExit = nullptr;

    void btnOKClick();

protected:
    void FormActivate() override;
};

extern TF_Xtsd* F_Xtsd;
extern TF_PwdModi* F_PwdModi;
