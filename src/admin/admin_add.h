// "增加操作员": name, role, password twice and round-off limit. The modify dialog shares its
// layout.
#pragma once

#include "platform/form.h"

class QComboBox;
class QDoubleSpinBox;
class QLineEdit;
class QPushButton;
struct OperatorInput;

class TF_Admin_Add : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Admin_Add(QWidget* parent = nullptr);

    QLineEdit* tname = nullptr;
    QComboBox* comRole = nullptr;
    QLineEdit* tpwd = nullptr;
    QLineEdit* tpwd1 = nullptr;
    QDoubleSpinBox* tzreoje = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;

    virtual void btnOKClick();

protected:
    void FormActivate() override;
    void clearFields();
    OperatorInput input() const;
};

extern TF_Admin_Add* F_Admin_Add;
