// "往来单位信息": the read-only card of a supplier (`partyType` "ghs", `curGhsSn`) or a customer
// (`partyType` "kh", `curKhSn`): contact data and account figures, read on every activation.
#pragma once

#include "platform/form.h"

class QLabel;

class TF_Cgth_Ghs : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Cgth_Ghs(QWidget* parent = nullptr);

    QLabel* lbName = nullptr;
    QLabel* lbLxr = nullptr;
    QLabel* lbTele = nullptr;
    QLabel* lbAddress = nullptr;
    QLabel* lbNote = nullptr;
    QLabel* lbYf = nullptr;
    QLabel* lbSf = nullptr;
    QLabel* lbQk = nullptr;

protected:
    void FormActivate() override;
};

extern TF_Cgth_Ghs* F_Cgth_Ghs;
