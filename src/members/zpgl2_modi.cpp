#include "members/zpgl2_modi.h"

#include "data/datamodule.h"
#include "platform/msgbox.h"

#include <QLineEdit>

TF_Zpgl2_Modi* F_Zpgl2_Modi = nullptr;

TF_Zpgl2_Modi::TF_Zpgl2_Modi(QWidget* parent) : TF_Zpgl2_Add(parent)
{
    setObjectName(QStringLiteral("F_Zpgl2_Modi"));
    setWindowTitle(QStringLiteral("修改赠品信息"));
}

void TF_Zpgl2_Modi::FormActivate()
{
    const ResultSet rs =
        openSelect(QStringLiteral("select zp_sn,zp_name,zp_sl,zp_jf from jxc_zpxx where id=?"), {{QString(), m_id}});
    edtSn->setText(rs.text(0, 0));
    edtName->setText(rs.text(0, 1));
    edtSl->setText(Money::fromText(rs.text(0, 2)).toFixed(2));
    edtJf->setText(Money::fromText(rs.text(0, 3)).toText());
    const bool free = !giftHasPurchase(rs.text(0, 0));
    for (QLineEdit* e : {edtSn, edtName, edtSl})
        e->setEnabled(free);
    (free ? edtSn : edtJf)->setFocus();
}

void TF_Zpgl2_Modi::btnOKClick()
{
    if (const QString refusal = modifyGift(m_id, fields()); !refusal.isEmpty()) {
        msgInfo(refusal, this);
        return;
    }
    accept();
}
