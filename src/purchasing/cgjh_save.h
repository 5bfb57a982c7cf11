// "保存提示": asks the state a purchase receipt is saved in and leaves the answer in
// `saveChoice` (1 audited, 0 pending, 2 not saved). The state chosen stays selected from one
// opening to the next.
#pragma once

#include "platform/form.h"

class QPushButton;
class QRadioButton;

class TF_Cgjh_Save : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Cgjh_Save(QWidget* parent = nullptr);

    void btnOKClick();
    void btnExitClick();

    QRadioButton* rbChecked = nullptr;    // "已审核状态"
    QRadioButton* rbNoChecked = nullptr;  // "未审核状态"
    QPushButton* btnOK = nullptr;
    QPushButton* btnExit = nullptr;

protected:
    void FormClose() override;
};

extern TF_Cgjh_Save* F_Cgjh_Save;
