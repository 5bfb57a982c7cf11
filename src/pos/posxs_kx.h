// "客显设置": the serial port of the customer display (stored only).
#pragma once

#include "platform/form.h"

class QComboBox;
class QLineEdit;
class QPushButton;

class TF_Posxs_Kx : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Posxs_Kx(QWidget* parent = nullptr);

    QComboBox* cbxPort = nullptr;
    QList<QLineEdit*> testFields;
    QPushButton* btnOK = nullptr;
    QPushButton* btnExit = nullptr;
    void btnOKClick();

protected:
    void FormActivate() override;
};

extern TF_Posxs_Kx* F_Posxs_Kx;
