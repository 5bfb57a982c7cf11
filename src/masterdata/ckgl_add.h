// "增加仓库": adds a warehouse with its row of this month's stock account. The modify dialog
// shares its layout.
#pragma once

#include "platform/form.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
struct WarehouseInput;

class TF_Ckgl_Add : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Ckgl_Add(QWidget* parent = nullptr);

    QLineEdit* tname = nullptr;
    QLineEdit* tfzr = nullptr;
    QLineEdit* ttele = nullptr;
    QLineEdit* taddress = nullptr;
    QLineEdit* tnote = nullptr;
    QCheckBox* chkDefault = nullptr;
    QCheckBox* chkPos = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnExit = nullptr;

    virtual void btnOKClick();

protected:
    void FormActivate() override;
    WarehouseInput input() const;
};

extern TF_Ckgl_Add* F_Ckgl_Add;
