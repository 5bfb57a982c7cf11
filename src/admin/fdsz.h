// "分店名设置": the branch code and name.
#pragma once

#include "platform/form.h"

class QLineEdit;

class TF_Fdsz : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Fdsz(QWidget* parent = nullptr);

    QLineEdit* tsn = nullptr;
    QLineEdit* tname = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnExit = nullptr;

    void btnOKClick();

protected:
    void FormActivate() override;
};

extern TF_Fdsz* F_Fdsz;
