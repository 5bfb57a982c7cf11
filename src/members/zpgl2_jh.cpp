#include "members/zpgl2_jh.h"

#include "data/datamodule.h"
#include "data/globals.h"
#include "members/memberdata.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

TF_Zpgl2_Jh* F_Zpgl2_Jh = nullptr;

TF_Zpgl2_Jh::TF_Zpgl2_Jh(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Zpgl2_Jh"));
    setWindowTitle(QStringLiteral("赠品进货"));
    setMainAction([this] { btnOKClick(); });
    setEscCloses(true);
    auto shown = [this](const char* name) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(name));
        e->setEnabled(false);
        return e;
    };
    edtSn = shown("edtSn");
    edtName = shown("edtName");
    edtKc = shown("edtKc");
    edtSl = new QLineEdit(this);
    edtSl->setObjectName(QStringLiteral("edtSl"));
    edtSl->setMaxLength(6);
    edtSl->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("-?\\d*")), edtSl));
    btnOK = namedButton(this, "btnOK", QStringLiteral("确定(F5)"));
    btnCancel = namedButton(this, "btnCancel", QStringLiteral("取消(Esc)"));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("赠品编号"), edtSn);
    form->addRow(QStringLiteral("赠品名称"), edtName);
    form->addRow(QStringLiteral("库存数量"), edtKc);
    form->addRow(QStringLiteral("进货数量"), edtSl);
    auto* box = new QVBoxLayout(this);
    box->addLayout(form);
    box->addLayout(buttonRow({btnOK, btnCancel}));
    onClicked(btnOK, [this] { btnOKClick(); });
    onClicked(btnCancel, [this] { reject(); });
}

void TF_Zpgl2_Jh::FormActivate()
{
    const ResultSet rs =
        openSelect(QStringLiteral("select zp_sn,zp_name,zp_sl from jxc_zpxx where id=?"), {{QString(), m_id}});
    m_sn = rs.text(0, 0);
    edtSn->setText(m_sn);
    edtName->setText(rs.text(0, 1));
    edtKc->setText(Money::fromText(rs.text(0, 2)).toFixed(2));
    edtSl->setText(QStringLiteral("0"));
    edtSl->setFocus();
    edtSl->selectAll();
}

void TF_Zpgl2_Jh::btnOKClick()
{
    const QString refusal = giftPurchase(m_sn, Money::fromText(edtSl->text().trimmed()), operatorName);
    if (!refusal.isEmpty()) {
        msgInfo(refusal, this);
        return;
    }
    accept();
}
