// "增加员工": adds a staff member and shows it as the current row of Q_User. The modify dialog
// shares its layout.
#pragma once

#include "platform/form.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
struct StaffInput;

class TF_User_Add : public TF_Form {
    Q_OBJECT
public:
    explicit TF_User_Add(QWidget* parent = nullptr);

    QLineEdit* tname = nullptr;
    QLineEdit* tduty = nullptr;
    QLineEdit* ttc = nullptr;  // commission rate in percent, "0.00%"
    QLineEdit* ttele = nullptr;
    QLineEdit* taddress = nullptr;
    QLineEdit* tnote = nullptr;
    QCheckBox* chkCg = nullptr;
    QCheckBox* chkXs = nullptr;
    QCheckBox* chkKc = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;

    virtual void btnOKClick();

protected:
    void FormActivate() override;
    // The entries as the save takes them: the rate without its "%" signs, blank as 0.
    StaffInput input() const;
    // Shows a rate in the box's format ("5.00%").
    void showRate(double rate);
    // After a save: Q_User reloaded on the saved member, the dialog closed.
    void saved(const QString& code);
};

extern TF_User_Add* F_User_Add;
