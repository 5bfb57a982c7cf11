// "修改商品提醒": the add dialog's layout on one stored reminder.
#pragma once

#include "admin/sjtxgl_add.h"

class TF_Sjtxgl_Modi : public TF_Sjtxgl_Add {
    Q_OBJECT
public:
    explicit TF_Sjtxgl_Modi(QWidget* parent = nullptr);

    qint64 reminderId = -1;  // set by the reminders window before it opens the dialog

    void btnOKClick() override;

protected:
    void FormActivate() override;
};

extern TF_Sjtxgl_Modi* F_Sjtxgl_Modi;
