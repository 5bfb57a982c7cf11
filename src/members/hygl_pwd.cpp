#include "members/hygl_pwd.h"

#include "data/datamodule.h"
#include "members/memberdata.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TF_Hygl_Pwd* F_Hygl_Pwd = nullptr;

TF_Hygl_Pwd::TF_Hygl_Pwd(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Hygl_Pwd"));
    setWindowTitle(QStringLiteral("修改会员密码"));
    setMainAction([this] { btnOKClick(); });
    setEscCloses(true);
    auto* group = new QGroupBox(QStringLiteral("转出卡信息"), this);
    lblInfo = new QLabel(group);
    lblInfo->setObjectName(QStringLiteral("lblInfo"));
    (new QVBoxLayout(group))->addWidget(lblInfo);
    auto masked = [this](const char* name) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(name));
        e->setMaxLength(16);
        e->setEchoMode(QLineEdit::Password);
        return e;
    };
    edtMm = masked("edtMm");
    edtMm2 = masked("edtMm2");
    btnOK = namedButton(this, "btnOK", QStringLiteral("确定(F5)"));
    btnExit = namedButton(this, "btnExit", QStringLiteral("退出(Esc)"));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("新  密  码："), edtMm);
    form->addRow(QStringLiteral("确认密码："), edtMm2);
    auto* box = new QVBoxLayout(this);
    box->addWidget(group);
    box->addLayout(form);
    box->addLayout(buttonRow({btnOK, btnExit}));
    onClicked(btnOK, [this] { btnOKClick(); });
    onClicked(btnExit, [this] { reject(); });
}

void TF_Hygl_Pwd::FormActivate()
{
    const ResultSet rs = openSelect(
        QStringLiteral("select a.hy_bh,a.hy_name,c.hh_name,b.hl_name from jxc_hyxx a left join jxc_hyfl b on "
                       "a.hl_sn=b.hl_sn left join jxc_hyyh c on a.hh_sn=c.hh_sn where a.hy_sn=?"),
        {{QString(), m_sn}});
    lblInfo->setText(QStringLiteral("会员卡号：%1    会员姓名：%2\n优惠类型：%3    会员等级：%4")
                         .arg(rs.text(0, 0), rs.text(0, 1), rs.text(0, 2), rs.text(0, 3)));
    edtMm->clear();
    edtMm2->clear();
    edtMm->setFocus();
}

void TF_Hygl_Pwd::btnOKClick()
{
    if (const QString refusal = setMemberPassword(m_sn, edtMm->text(), edtMm2->text()); !refusal.isEmpty()) {
        msgInfo(refusal, this);
        return;
    }
    msgInfo(QStringLiteral("密码修改成功"), this);
    accept();
}
