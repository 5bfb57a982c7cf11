#include "members/hyyh_modi.h"

#include "data/datamodule.h"

#include <QLineEdit>

TF_Hyyh_Modi* F_Hyyh_Modi = nullptr;

TF_Hyyh_Modi::TF_Hyyh_Modi(QWidget* parent) : TF_Hyyh_Add(parent)
{
    setObjectName(QStringLiteral("F_Hyyh_Modi"));
}

void TF_Hyyh_Modi::FormActivate()
{
    const ResultSet rs = openSelect(QStringLiteral("select * from jxc_hyyh where hh_sn=?"), {{QString(), m_code}});
    edtName->setText(rs.text(0, QStringLiteral("hh_name")));
    showKind(rs.text(0, QStringLiteral("hh_zl")).toInt());
    edtYh1->setText(rs.text(0, QStringLiteral("hh_yh1")));
    edtYh2->setText(rs.text(0, QStringLiteral("hh_yh2")));
    edtYh3->setText(rs.text(0, QStringLiteral("hh_yh3")));
    edtName->setFocus();
}
