// "保存提示" of the sales bill: asks the state the bill is saved in and leaves the answer in
// `saveChoice` (1 audited, 0 pending, 2 not saved). The state chosen stays selected from one
// opening to the next.
#pragma once

#include "platform/form.h"

class QPushButton;
class QRadioButton;

class TF_Spxs_Save : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Spxs_Save(QWidget* parent = nullptr);

    void btnOKClick();

    QRadioButton* rbChecked = nullptr;    // "已审核状态"
    QRadioButton* rbNoChecked = nullptr;  // "未审核状态"
    QPushButton* btnOK = nullptr;
    QPushButton* btnExit = nullptr;

protected:
    void FormClose() override;
};

extern TF_Spxs_Save* F_Spxs_Save;
