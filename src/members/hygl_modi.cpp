#include "members/hygl_modi.h"

#include "data/datamodule.h"
#include "platform/msgbox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>

TF_Hygl_Modi* F_Hygl_Modi = nullptr;

namespace {
const char* const kCaptions[] = {"电子邮件：", "证件类型：", "证件号码：", "单位职业：", "联系地址：", "其他信息："};
const char* const kCustom[] = {"hy_email", "hy_zjlx", "hy_zjhm", "hy_dwzy", "hy_address", "hy_qtxx"};
}  // namespace

TF_Hygl_Modi::TF_Hygl_Modi(QWidget* parent) : TF_MemberEdit(QStringLiteral("修改会员信息"), parent)
{
    setObjectName(QStringLiteral("F_Hygl_Modi"));
    setWindowTitle(QStringLiteral("修改会员信息"));
    m_levelFollowsBand = true;
    edtBh->setReadOnly(true);
    edtZhje->setReadOnly(true);  // balances change through top-ups and the till only
    dtJrrq->setEnabled(false);
}

void TF_Hygl_Modi::FormActivate()
{
    resetFields();
    m_filling = true;
    for (int i = 0; i < 6; ++i)
        lblZdy[i]->setText(QString::fromUtf8(kCaptions[i]));
    const ResultSet rs = openSelect(QStringLiteral("select * from jxc_hyxx where hy_sn=?"), {{QString(), m_sn}});
    auto v = [&rs](const char* field) { return rs.text(0, QString::fromLatin1(field)); };
    auto date = [](const QString& text) { return QDate::fromString(text.left(10), QStringLiteral("yyyy-MM-dd")); };
    edtBh->setText(v("hy_bh"));
    edtName->setText(v("hy_name"));
    selectCode(cbYh, v("hh_sn"));
    selectCode(cbFl, v("hl_sn"));
    edtJf->setText(Money::fromText(v("hy_jf")).toText());
    edtZhje->setText(Money::fromText(v("hy_zhje")).toText());
    const bool sold = memberHasSales(m_sn);
    edtJf->setEnabled(!sold);
    chkStatus->setChecked(v("hy_status") == u"True");
    chkSj->setChecked(v("hy_sj") == u"True");
    const bool expires = v("hy_qx") == u"True";
    chkQx->setChecked(expires);
    dtDqrq->setEnabled(expires);
    if (expires && date(v("hy_dqrq")).isValid())
        dtDqrq->setDate(date(v("hy_dqrq")));
    // A member without a birthday keeps none unless the operator gives one.
    const QDate birthday = date(v("hy_sr"));
    chkSr->setChecked(birthday.isValid());
    dtSr->setEnabled(birthday.isValid());
    if (birthday.isValid())
        dtSr->setDate(birthday);
    cbSex->setCurrentIndex(v("hy_sex") == u"女" ? 1 : 0);
    edtTele->setText(v("hy_tele"));
    edtMobile->setText(v("hy_mobile"));
    for (int i = 0; i < 6; ++i)
        edtZdy[i]->setText(v(kCustom[i]));
    edtNote->setText(v("hy_note"));
    if (date(v("hy_jrrq")).isValid())
        dtJrrq->setDate(date(v("hy_jrrq")));
    m_filling = false;
    edtName->setFocus();
}

void TF_Hygl_Modi::saveClick()
{
    MemberFields f = fields();
    f.balance = Money();  // never written here
    if (const QString refusal = modifyMember(m_sn, f); !refusal.isEmpty()) {
        msgInfo(refusal, this);
        return;
    }
    accept();
}
