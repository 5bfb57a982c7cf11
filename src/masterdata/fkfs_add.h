// "增加付款方式": adds a payment method; the box keeps its text between openings.
#pragma once

#include "platform/form.h"

class QLineEdit;
class QPushButton;

class TF_Fkfs_Add : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Fkfs_Add(QWidget* parent = nullptr);

    QLineEdit* tname = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnExit = nullptr;

    void btnOKClick();
};

extern TF_Fkfs_Add* F_Fkfs_Add;
