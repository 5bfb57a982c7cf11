// "仓库查找": reloads the warehouse list with the warehouses matching every field filled in.
#pragma once

#include "platform/form.h"

class QLineEdit;
class QPushButton;

class TF_Ckgl_Search : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Ckgl_Search(QWidget* parent = nullptr);

    QLineEdit* tname = nullptr;
    QLineEdit* tfzr = nullptr;
    QLineEdit* ttele = nullptr;
    QLineEdit* taddress = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnExit = nullptr;

    void btnOKClick();
};

extern TF_Ckgl_Search* F_Ckgl_Search;
