#include "members/hygl_add.h"

#include "data/globals.h"
#include "members/hygl_sf.h"
#include "platform/msgbox.h"

#include <QLineEdit>

TF_Hygl_Add* F_Hygl_Add = nullptr;

TF_Hygl_Add::TF_Hygl_Add(QWidget* parent) : TF_MemberEdit(QStringLiteral("添加一个新会员"), parent)
{
    setObjectName(QStringLiteral("F_Hygl_Add"));
    setWindowTitle(QStringLiteral("增加会员信息"));
}

void TF_Hygl_Add::FormActivate()
{
    resetFields();
    edtBh->setFocus();
}

void TF_Hygl_Add::saveClick()
{
    const MemberFields f = fields();
    if (const QString refusal = checkEnrolment(f); !refusal.isEmpty()) {
        msgInfo(refusal, this);
        return;
    }
    ChargePayment payment;
    if (f.balance > Money() && !chargeConfirmed(f.balance, &payment))
        return;
    m_last = enrolMember(f, f.balance > Money() ? &payment : nullptr, operatorName);
    accept();
}
