#include "shell/login.h"

#include "data/combos.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/password.h"
#include "data/settings.h"
#include "data/textrules.h"
#include "platform/msgbox.h"
#include "shell/icons.h"
#include "shell/mainform.h"

#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TF_Login* F_Login = nullptr;

VerifiedOperator verifyOperator(const QString& name, const QString& typedPassword)
{
    const QString password = sqlSafeName(typedPassword.trimmed());
    const ResultSet rs = openSelect(
        QStringLiteral("select a_name,r_sn,a_pwd from jxc_admin where a_name=:n order by id"), {{QStringLiteral(":n"), name}});
    VerifiedOperator op;
    for (int r = 0; r < rs.rowCount() && !op.ok; ++r) {
        if (rs.text(r, QStringLiteral("a_name")) == name && verifyPassword(password, rs.text(r, QStringLiteral("a_pwd")))) {
            op.ok = true;
            op.name = name;
            op.roleCode = rs.text(r, QStringLiteral("r_sn"));
        }
    }
    return op;
}

TF_Login::TF_Login(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Login"));
    setWindowTitle(QStringLiteral("禾岚鞋店销售管理系统 ---- 操作员登录"));
    setWindowFlag(Qt::WindowStaysOnTopHint);

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setPixmap(emblemPicture(150, 190));

    comAdmin = new QComboBox(this);
    comAdmin->setObjectName(QStringLiteral("comAdmin"));
    comAdmin->setEditable(false);
    comAdmin->setMinimumWidth(180);
    tpwd = new QLineEdit(this);
    tpwd->setObjectName(QStringLiteral("tpwd"));
    tpwd->setEchoMode(QLineEdit::Password);
    btnOK = new QPushButton(QStringLiteral("确定(F5)"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setAutoDefault(false);
    btnCancel = new QPushButton(QStringLiteral("取消(Esc)"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnCancel->setAutoDefault(false);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 20, 16);
    grid->setHorizontalSpacing(10);
    grid->addWidget(picture, 0, 0, 4, 1);
    grid->setColumnMinimumWidth(1, 10);
    grid->addWidget(new QLabel(QStringLiteral("用户名称："), this), 1, 2);
    grid->addWidget(comAdmin, 1, 3, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("用户密码："), this), 2, 2);
    grid->addWidget(tpwd, 2, 3, 1, 2);
    grid->addWidget(btnOK, 3, 3);
    grid->addWidget(btnCancel, 3, 4);
    grid->setRowStretch(0, 1);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    onClicked(btnOK, [this] { btnOKClick(); });
    onClicked(btnCancel, [this] { btnCancelClick(); });
}

void TF_Login::FormActivate()
{
    comAdmin->clear();
    for (const ComboItem& item : cxComboBoxItems(QStringLiteral("jxc_admin"), QStringLiteral("a_name"), QString(),
                                                 QString(), QString()))
        comAdmin->addItem(item.text);
    comAdmin->setCurrentIndex(comAdmin->count() > 0 ? 0 : -1);
    tpwd->clear();
    tpwd->setFocus();
    m_mayClose.clear();
}

bool TF_Login::FormKeyDown(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_F5:
        runGuarded([this] { btnOKClick(); });
        return true;
    case Qt::Key_Escape:
        runGuarded([this] { btnCancelClick(); });
        return true;
    default:
        return false;
    }
}

void TF_Login::btnOKClick()
{
    const VerifiedOperator op = verifyOperator(comAdmin->currentText(), tpwd->text());
    if (!op.ok) {
        msgInfo(QStringLiteral("用户密码不正确，请重新输入！"), this);
        tpwd->clear();
        tpwd->setFocus();
        return;
    }
    operatorName = op.name;
    roleCode = op.roleCode;
    dbFileName = QStringLiteral("jxc.mdb");
    accountSetName = QStringLiteral("系统默认帐套");
    accountSetFlag = QStringLiteral("0");
    if (F_MainForm)
        F_MainForm->loginDone();
    m_mayClose = QStringLiteral("1");
    writeLog(QStringLiteral("登录系统"));
    accept();
}

void TF_Login::btnCancelClick()
{
    if (modeFlag == QLatin1String("hb"))
        m_mayClose = QStringLiteral("1");
    reject();
}

void TF_Login::FormClose()
{
    // At start, leaving the dialog without a login ends the program. During a change of
    // operator every way of closing it (also the title-bar button) keeps the previous operator.
    if (m_mayClose != QLatin1String("1") && modeFlag != QLatin1String("hb"))
        endApplication();
}
