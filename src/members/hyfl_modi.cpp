#include "members/hyfl_modi.h"

#include "data/datamodule.h"

#include <QCheckBox>
#include <QLineEdit>

TF_Hyfl_Modi* F_Hyfl_Modi = nullptr;

TF_Hyfl_Modi::TF_Hyfl_Modi(QWidget* parent) : TF_Hyfl_Add(parent)
{
    setObjectName(QStringLiteral("F_Hyfl_Modi"));
    setWindowTitle(QStringLiteral("修改会员等级"));
}

void TF_Hyfl_Modi::FormActivate()
{
    const ResultSet rs = openSelect(QStringLiteral("select * from jxc_hyfl where hl_sn=?"), {{QString(), m_code}});
    edtName->setText(rs.text(0, QStringLiteral("hl_name")));
    edtZk->setText(rs.text(0, QStringLiteral("hl_zk")));
    edtJfxx->setText(rs.text(0, QStringLiteral("hl_jfxx")));
    edtJfsx->setText(rs.text(0, QStringLiteral("hl_jfsx")));
    chkPfsp->setChecked(rs.text(0, QStringLiteral("hl_pfsp")) == u"True");
    edtName->setFocus();
}
