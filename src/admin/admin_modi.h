// "修改操作员": the add dialog's layout on one operator. The password fields open empty (a
// stored hash is never shown); left empty they keep the stored password.
#pragma once

#include "admin/admin_add.h"

class TF_Admin_Modi : public TF_Admin_Add {
    Q_OBJECT
public:
    explicit TF_Admin_Modi(QWidget* parent = nullptr);

    qint64 operatorId = -1;  // set by the operator list before it opens the dialog

    void btnOKClick() override;

protected:
    void FormActivate() override;
};

extern TF_Admin_Modi* F_Admin_Modi;
