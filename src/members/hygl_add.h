// "增加会员信息": enrols one member, taking an opening deposit through the charge window.
#pragma once

#include "members/memberedit.h"

class TF_Hygl_Add : public TF_MemberEdit {
    Q_OBJECT
public:
    explicit TF_Hygl_Add(QWidget* parent = nullptr);
    // The member number of the last enrolment ("" before the first).
    QString lastMember() const { return m_last; }

protected:
    void FormActivate() override;
    void saveClick() override;

private:
    QString m_last;
};

extern TF_Hygl_Add* F_Hygl_Add;
