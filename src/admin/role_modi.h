// "修改角色": the add dialog's layout on the current role of the role list.
#pragma once

#include "admin/role_add.h"

class TF_Role_Modi : public TF_Role_Add {
    Q_OBJECT
public:
    explicit TF_Role_Modi(QWidget* parent = nullptr);

    void btnOKClick() override;

protected:
    void FormActivate() override;

private:
    QString m_code;
};

extern TF_Role_Modi* F_Role_Modi;
