// "库存数据同步": sets every goods' total stock to the sum of its warehouse stock, after an offer
// of a safety copy of the database.
#pragma once

#include "platform/form.h"

class QPushButton;

class TF_Kcpd_tb : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Kcpd_tb(QWidget* parent = nullptr);

    QPushButton* btnOK = nullptr;
    QPushButton* btnExit = nullptr;

    void btnOKClick();
};

extern TF_Kcpd_tb* F_Kcpd_tb;
