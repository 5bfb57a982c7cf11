#include "masterdata/user_modi.h"

#include "data/datamodule.h"
#include "masterdata/staffrecords.h"
#include "platform/msgbox.h"

#include <QCheckBox>
#include <QLineEdit>

TF_User_Modi* F_User_Modi = nullptr;

TF_User_Modi::TF_User_Modi(QWidget* parent) : TF_User_Add(parent)
{
    setObjectName(QStringLiteral("F_User_Modi"));
    setWindowTitle(QStringLiteral("修改员工"));
}

void TF_User_Modi::FormActivate()
{
    const NamedQuery* q = DataModule->Q_User;
    m_id = q->currentRow() < 0 ? -1 : q->fieldByName(QStringLiteral("id")).toLongLong();
    tname->setText(q->fieldByName(QStringLiteral("u_name")));
    tduty->setText(q->fieldByName(QStringLiteral("u_duty")));
    showRate(q->fieldByName(QStringLiteral("u_tc")).toDouble());
    ttele->setText(q->fieldByName(QStringLiteral("u_tele")));
    taddress->setText(q->fieldByName(QStringLiteral("u_address")));
    tnote->setText(q->fieldByName(QStringLiteral("u_note")));
    chkCg->setChecked(q->fieldByName(QStringLiteral("u_cg")) == QLatin1String("True"));
    chkXs->setChecked(q->fieldByName(QStringLiteral("u_xs")) == QLatin1String("True"));
    chkKc->setChecked(q->fieldByName(QStringLiteral("u_kc")) == QLatin1String("True"));
    tname->setFocus();
}

void TF_User_Modi::btnOKClick()
{
    if (m_id < 0)
        return;
    const SaveOutcome outcome = modifyStaff(m_id, input());
    if (!outcome.ok()) {
        msgInfo(outcome.error, this);
        return;
    }
    saved(outcome.code);
}
