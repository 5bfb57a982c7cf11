#include "pos/posxs_login.h"

#include "data/datamodule.h"
#include "data/globals.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"
#include "shell/login.h"

#include <QComboBox>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TF_Posxs_Login* F_Posxs_Login = nullptr;

TF_Posxs_Login::TF_Posxs_Login(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Posxs_Login"));
    setWindowTitle(QStringLiteral("退货-柜长授权"));
    setMainAction([this] { btnOKClick(); });
    setEscCloses(true);
    cbxName = new QComboBox(this);
    cbxName->setObjectName(QStringLiteral("cbxName"));
    edtPwd = new QLineEdit(this);
    edtPwd->setObjectName(QStringLiteral("edtPwd"));
    edtPwd->setEchoMode(QLineEdit::Password);
    btnOK = namedButton(this, "btnOK", QStringLiteral("确定(F5)"));
    btnCancel = namedButton(this, "btnCancel", QStringLiteral("取消(Esc)"));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("柜长："), cbxName);
    form->addRow(QStringLiteral("密码："), edtPwd);
    auto* box = new QVBoxLayout(this);
    box->addLayout(form);
    box->addLayout(buttonRow({btnOK, btnCancel}));
    onClicked(btnOK, [this] { btnOKClick(); });
    onClicked(btnCancel, [this] { reject(); });
}

void TF_Posxs_Login::FormActivate()
{
    cbxName->clear();
    const ResultSet rs = openSelect(QStringLiteral("select a_name from jxc_admin order by id"));
    for (int r = 0; r < rs.rowCount(); ++r)
        cbxName->addItem(rs.text(r, 0));
    cbxName->setCurrentIndex(cbxName->count() > 0 ? 0 : -1);
    edtPwd->clear();
    edtPwd->setFocus();
}

bool TF_Posxs_Login::FormKeyDown(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        btnOKClick();
        return true;
    }
    return false;
}

void TF_Posxs_Login::btnOKClick()
{
    const VerifiedOperator v = verifyOperator(cbxName->currentText(), edtPwd->text());
    if (!v.ok) {
        msgInfo(QStringLiteral("用户密码不正确，请重新输入！"), this);
        edtPwd->clear();
        edtPwd->setFocus();
        return;
    }
    authName = v.name;
    authRoleCode = v.roleCode;
    accept();
}
