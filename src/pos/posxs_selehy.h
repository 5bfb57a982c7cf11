// "选择会员": the member for the till's sale by card and password; an empty card drops the
// member. Choosing re-prices every line of the sale.
#pragma once

#include "platform/form.h"

class QLineEdit;
class QPushButton;

class TF_Posxs_SeleHy : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Posxs_SeleHy(QWidget* parent = nullptr);

    QLineEdit* edtCard = nullptr;
    QLineEdit* edtPwd = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;
    void btnOKClick();

protected:
    void FormActivate() override;
    bool FormKeyDown(QKeyEvent* event) override;
};

extern TF_Posxs_SeleHy* F_Posxs_SeleHy;
