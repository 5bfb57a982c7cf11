#include "admin/role_modi.h"

#include "admin/adminrecords.h"
#include "data/datamodule.h"
#include "platform/msgbox.h"

#include <QLineEdit>

TF_Role_Modi* F_Role_Modi = nullptr;

TF_Role_Modi::TF_Role_Modi(QWidget* parent) : TF_Role_Add(parent)
{
    setObjectName(QStringLiteral("F_Role_Modi"));
    setWindowTitle(QStringLiteral("修改角色"));
}

void TF_Role_Modi::FormActivate()
{
    NamedQuery* q = DataModule->Q_Role;
    m_code = q->fieldByName(QStringLiteral("r_sn"));
    tname->setText(q->fieldByName(QStringLiteral("r_name")));
    QStringList rights;
    for (const RightsGroup& g : rightsLayout())
        rights << q->fieldByName(QString::fromLatin1(g.column));
    setChkTree(rights);
    tname->setFocus();
}

void TF_Role_Modi::btnOKClick()
{
    const QString error = modifyRole(m_code, input());
    if (!error.isEmpty()) {
        msgInfo(error, this);
        return;
    }
    DataModule->Q_Role->refresh();
    accept();
}
