#include "admin/admin_modi.h"

#include "admin/adminlist.h"
#include "admin/adminrecords.h"
#include "data/datamodule.h"
#include "platform/msgbox.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>

TF_Admin_Modi* F_Admin_Modi = nullptr;

TF_Admin_Modi::TF_Admin_Modi(QWidget* parent) : TF_Admin_Add(parent)
{
    setObjectName(QStringLiteral("F_Admin_Modi"));
    setWindowTitle(QStringLiteral("修改操作员"));
}

void TF_Admin_Modi::FormActivate()
{
    clearFields();
    const ResultSet rs = openSelect(QStringLiteral("select a.a_name,a.a_zreoje,b.r_name from jxc_admin a "
                                                   "left join jxc_role b on a.r_sn=b.r_sn where a.id=:id"),
                                    {{QStringLiteral(":id"), operatorId}});
    if (rs.rowCount() > 0) {
        tname->setText(rs.text(0, QStringLiteral("a_name")));
        tzreoje->setValue(rs.text(0, QStringLiteral("a_zreoje")).toDouble());
        // The first role of that name by id, as the list shows it.
        comRole->setCurrentIndex(comRole->findText(rs.text(0, QStringLiteral("r_name"))));
    }
    tname->setFocus();
}

void TF_Admin_Modi::btnOKClick()
{
    const QString error = modifyOperator(operatorId, input());
    if (!error.isEmpty()) {
        msgInfo(error, this);
        return;
    }
    reopenAdminList();
    accept();
}
