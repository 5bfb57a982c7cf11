// "修改会员信息": edits the current member of the register.
#pragma once

#include "members/memberedit.h"

class TF_Hygl_Modi : public TF_MemberEdit {
    Q_OBJECT
public:
    explicit TF_Hygl_Modi(QWidget* parent = nullptr);
    void setMember(const QString& hySn) { m_sn = hySn; }

protected:
    void FormActivate() override;
    void saveClick() override;

private:
    QString m_sn;
};

extern TF_Hygl_Modi* F_Hygl_Modi;
