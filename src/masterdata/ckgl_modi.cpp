#include "masterdata/ckgl_modi.h"

#include "data/datamodule.h"
#include "masterdata/staffrecords.h"
#include "platform/msgbox.h"

#include <QCheckBox>
#include <QLineEdit>

TF_Ckgl_Modi* F_Ckgl_Modi = nullptr;

TF_Ckgl_Modi::TF_Ckgl_Modi(QWidget* parent) : TF_Ckgl_Add(parent)
{
    setObjectName(QStringLiteral("F_Ckgl_Modi"));
    setWindowTitle(QStringLiteral("修改仓库"));
}

void TF_Ckgl_Modi::FormActivate()
{
    const ResultSet rs = openSelect(QStringLiteral("select * from jxc_ckxx where ck_sn=?"), {{QString(), ckSn}});
    tname->setText(rs.text(0, QStringLiteral("ck_name")));
    tfzr->setText(rs.text(0, QStringLiteral("ck_fzr")));
    ttele->setText(rs.text(0, QStringLiteral("ck_tele")));
    taddress->setText(rs.text(0, QStringLiteral("ck_address")));
    tnote->setText(rs.text(0, QStringLiteral("ck_note")));
    chkDefault->setChecked(rs.text(0, QStringLiteral("ck_default")) == QLatin1String("True"));
    chkPos->setChecked(rs.text(0, QStringLiteral("ck_pos")) == QLatin1String("True"));
    tname->setFocus();
}

void TF_Ckgl_Modi::btnOKClick()
{
    const SaveOutcome outcome = modifyWarehouse(ckSn, input());
    if (!outcome.ok()) {
        msgInfo(outcome.error, this);
        return;
    }
    NamedQuery* q = DataModule->Q_Ckxx;
    if (q->isOpen())
        q->refresh();
    accept();
}
