// "员工查询": the staff list's search dialog. "确定(F5)" accepts; the list reads the four texts.
#pragma once

#include "platform/form.h"

class QLineEdit;
class QPushButton;

class TF_User_Search : public TF_Form {
    Q_OBJECT
public:
    explicit TF_User_Search(QWidget* parent = nullptr);

    QLineEdit* tname = nullptr;
    QLineEdit* tduty = nullptr;
    QLineEdit* ttele = nullptr;
    QLineEdit* taddress = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;

protected:
    void FormActivate() override;
};

extern TF_User_Search* F_User_Search;
