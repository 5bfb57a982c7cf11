// "修改单据提醒时间": a new collection due date for the current bill of the reminders window.
#pragma once

#include "platform/form.h"

class QDateEdit;
class QLabel;

class TF_Sjtxgl_Modi1 : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Sjtxgl_Modi1(QWidget* parent = nullptr);

    QLabel* lblInfo = nullptr;  // the bill's number, customer, date, amounts and old due date
    QDateEdit* tdate = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnExit = nullptr;

    void btnOKClick();

protected:
    void FormActivate() override;

private:
    QString m_number;
};

extern TF_Sjtxgl_Modi1* F_Sjtxgl_Modi1;
