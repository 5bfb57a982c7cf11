#include "members/hyxf.h"

#include "data/datamodule.h"
#include "data/globals.h"
#include "members/hygl_sf.h"
#include "members/memberdata.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"

#include <QDoubleValidator>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TF_Hyxf* F_Hyxf = nullptr;

TF_Hyxf::TF_Hyxf(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Hyxf"));
    setWindowTitle(QStringLiteral("储值续费"));
    setMainAction([this] { btnOKClick(); });
    setEscCloses(true);
    auto label = [this](const char* name) {
        auto* l = new QLabel(this);
        l->setObjectName(QString::fromLatin1(name));
        return l;
    };
    auto amount = [this](const char* name) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(name));
        e->setMaxLength(8);
        e->setValidator(new QDoubleValidator(-1e7, 1e7, 2, e));
        return e;
    };
    lblBh = label("lblBh");
    lblName = label("lblName");
    lblZhje = label("lblZhje");
    lblYh = label("lblYh");
    edtJe = amount("edtJe");
    edtSjje = amount("edtSjje");
    edtNote = new QLineEdit(this);
    edtNote->setObjectName(QStringLiteral("edtNote"));
    edtNote->setMaxLength(64);
    btnOK = namedButton(this, "btnOK", QStringLiteral("保存(F5)"));
    btnExit = namedButton(this, "btnExit", QStringLiteral("退出(Esc)"));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("会员卡号"), lblBh);
    form->addRow(QStringLiteral("会员姓名"), lblName);
    form->addRow(QStringLiteral("卡内余额"), lblZhje);
    form->addRow(QStringLiteral("优惠方式"), lblYh);
    form->addRow(QStringLiteral("续费金额"), edtJe);
    form->addRow(QStringLiteral("实际续费"), edtSjje);
    form->addRow(QStringLiteral("备注信息"), edtNote);
    auto* box = new QVBoxLayout(this);
    box->addLayout(form);
    box->addLayout(buttonRow({btnOK, btnExit}));
    onClicked(btnOK, [this] { btnOKClick(); });
    onClicked(btnExit, [this] { reject(); });
    connect(edtJe, &QLineEdit::textEdited, this, [this](const QString& text) {
        edtSjje->setText((Money::fromText(text.trimmed()) * Money::fromText(m_factor)).toFixed(2));
    });
}

void TF_Hyxf::FormActivate()
{
    const ResultSet rs =
        openSelect(QStringLiteral("select a.*,b.hh_name,b.hh_yh1 from jxc_hyxx a,jxc_hyyh b where a.hh_sn=b.hh_sn and "
                                  "a.hy_sn=?"),
                   {{QString(), m_sn}});
    lblBh->setText(rs.text(0, QStringLiteral("hy_bh")));
    lblName->setText(rs.text(0, QStringLiteral("hy_name")));
    lblZhje->setText(Money::fromText(rs.text(0, QStringLiteral("hy_zhje"))).toFixed(2));
    lblYh->setText(rs.text(0, QStringLiteral("hh_name")));
    m_factor = rs.isEmpty() ? QStringLiteral("0") : rs.text(0, QStringLiteral("hh_yh1"));
    edtJe->setText(QStringLiteral("0"));
    edtSjje->setText(QStringLiteral("0"));
    edtNote->clear();
    edtJe->setFocus();
    edtJe->selectAll();
}

void TF_Hyxf::btnOKClick()
{
    const Money amount = Money::fromText(edtJe->text().trimmed());
    const Money credit = Money::fromText(edtSjje->text().trimmed());
    if (const QString refusal = topUpRefusal(amount, credit); !refusal.isEmpty()) {
        msgInfo(refusal, this);
        return;
    }
    ChargePayment payment;
    if (!chargeConfirmed(amount, &payment))
        return;
    topUpMember(m_sn, amount, credit, edtNote->text(), payment, operatorName);
    accept();
}
