// "退货-柜长授权": a supervisor authorises a till return with their password; the result is
// left in authName and authRoleCode.
#pragma once

#include "platform/form.h"

class QComboBox;
class QLineEdit;
class QPushButton;

class TF_Posxs_Login : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Posxs_Login(QWidget* parent = nullptr);

    QComboBox* cbxName = nullptr;
    QLineEdit* edtPwd = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;
    void btnOKClick();

protected:
    void FormActivate() override;
    bool FormKeyDown(QKeyEvent* event) override;
};

extern TF_Posxs_Login* F_Posxs_Login;
