// "解除锁定": blocks the till until the logged-in operator types their password; it closes only
// by unlocking.
#pragma once

#include "platform/form.h"

class QLabel;
class QLineEdit;
class QPushButton;

class TF_PosXs_Lock : public TF_Form {
    Q_OBJECT
public:
    explicit TF_PosXs_Lock(QWidget* parent = nullptr);

    QLabel* lblOperator = nullptr;
    QLineEdit* edtPwd = nullptr;
    QPushButton* btnUnlock = nullptr;
    void btnUnlockClick();

protected:
    void FormActivate() override;
    bool FormKeyDown(QKeyEvent* event) override;
    bool FormCloseQuery() override { return m_unlocked; }

private:
    bool m_unlocked = false;
};

extern TF_PosXs_Lock* F_PosXs_Lock;
