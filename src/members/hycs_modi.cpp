#include "members/hycs_modi.h"

#include "data/datamodule.h"
#include "members/memberdata.h"
#include "platform/msgbox.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TF_Hycs_Modi* F_Hycs_Modi = nullptr;

TF_Hycs_Modi::TF_Hycs_Modi(QWidget* parent) : TF_Hycs_Add(parent)
{
    setObjectName(QStringLiteral("F_Hycs_Modi"));
    setWindowTitle(QStringLiteral("修改计次商品"));
}

void TF_Hycs_Modi::FormActivate()
{
    TF_Hycs_Add::FormActivate();
    const ResultSet rs = openSelect(QStringLiteral("select a.*,b.g_name,b.dw_name,b.gg_name from jxc_hycstmp a "
                                                   "left join jxc_goods b on a.g_sn=b.g_sn where a.id=?"),
                                    {{QString(), m_id}});
    showGoods(rs.text(0, QStringLiteral("g_sn")), rs.text(0, QStringLiteral("g_name")), rs.text(0, QStringLiteral("dw_name")),
              rs.text(0, QStringLiteral("gg_name")));
    edtJe->setText(rs.text(0, QStringLiteral("hc_je")));
    edtCs->setText(rs.text(0, QStringLiteral("hc_cs")));
    edtNote->setText(rs.text(0, QStringLiteral("hc_note")));
    edtGsn->setEnabled(false);
    btnGoods->setEnabled(false);
    edtJe->setFocus();
}

void TF_Hycs_Modi::btnOKClick()
{
    if (const QString refusal = modifyCountItem(m_id, item()); !refusal.isEmpty()) {
        msgInfo(refusal, this);
        return;
    }
    accept();
}
