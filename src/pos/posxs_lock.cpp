#include "pos/posxs_lock.h"

#include "data/globals.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"
#include "shell/login.h"

#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TF_PosXs_Lock* F_PosXs_Lock = nullptr;

TF_PosXs_Lock::TF_PosXs_Lock(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_PosXs_Lock"));
    setWindowTitle(QStringLiteral("解除锁定"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    lblOperator = new QLabel(this);
    lblOperator->setObjectName(QStringLiteral("lblOperator"));
    edtPwd = new QLineEdit(this);
    edtPwd->setObjectName(QStringLiteral("edtPwd"));
    edtPwd->setEchoMode(QLineEdit::Password);
    btnUnlock = namedButton(this, "btnUnlock", QStringLiteral("解锁(F5)"));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("当前操作员："), lblOperator);
    form->addRow(QStringLiteral("操作员密码："), edtPwd);
    auto* box = new QVBoxLayout(this);
    box->addLayout(form);
    box->addWidget(btnUnlock, 0, Qt::AlignRight);
    onClicked(btnUnlock, [this] { btnUnlockClick(); });
}

void TF_PosXs_Lock::FormActivate()
{
    m_unlocked = false;
    lblOperator->setText(operatorName);
    edtPwd->clear();
    edtPwd->setFocus();
}

bool TF_PosXs_Lock::FormKeyDown(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F5) {
        btnUnlockClick();
        return true;
    }
    // No way out but the password.
    return event->key() == Qt::Key_Escape;
}

void TF_PosXs_Lock::btnUnlockClick()
{
    if (!verifyOperator(operatorName, edtPwd->text()).ok) {
        msgInfo(QStringLiteral("用户密码错误，请重新输入！"), this);
        edtPwd->clear();
        edtPwd->setFocus();
        return;
    }
    m_unlocked = true;
    accept();
}
