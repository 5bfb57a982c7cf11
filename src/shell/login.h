// The login dialog: identifies the operator at start and when the operator changes.
#pragma once

#include "platform/form.h"

class QComboBox;
class QLineEdit;
class QPushButton;

class TF_Login : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Login(QWidget* parent = nullptr);

    QComboBox* comAdmin = nullptr;
    QLineEdit* tpwd = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;

    void btnOKClick();
    void btnCancelClick();

protected:
    void FormActivate() override;
    bool FormKeyDown(QKeyEvent* event) override;
    void FormClose() override;

private:
    QString m_mayClose;  // "1" once the dialog may close without ending the program
};

extern TF_Login* F_Login;

// The operator `name` when `typedPassword`, trimmed and converted as passwords are stored, is
// that operator's password (verified against the stored hash, case-sensitive).
struct VerifiedOperator {
    bool ok = false;
    QString name;
    QString roleCode;
};
VerifiedOperator verifyOperator(const QString& name, const QString& typedPassword);
