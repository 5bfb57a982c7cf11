// "修改员工": edits the current row of Q_User (its code and counters stay).
#pragma once

#include "masterdata/user_add.h"

class TF_User_Modi : public TF_User_Add {
    Q_OBJECT
public:
    explicit TF_User_Modi(QWidget* parent = nullptr);

    void btnOKClick() override;

protected:
    void FormActivate() override;

private:
    qint64 m_id = -1;  // the row being edited
};

extern TF_User_Modi* F_User_Modi;
