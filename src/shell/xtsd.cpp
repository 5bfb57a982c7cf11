#include "shell/xtsd.h"

#include "data/datamodule.h"
#include "data/globals.h"
#include "data/password.h"
#include "data/textrules.h"
#include "platform/msgbox.h"
#include "shell/icons.h"
#include "shell/login.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TF_Xtsd* F_Xtsd = nullptr;
TF_PwdModi* F_PwdModi = nullptr;

namespace {

// Drops, as they are typed, the characters that the safe-text rules would convert: codes 33 to
// 47 except the asterisk, the question mark and the at sign.
class NewPasswordKeys : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const QString text = static_cast<QKeyEvent*>(event)->text();
            if (text.size() == 1) {
                const char16_t c = text.at(0).unicode();
                if ((c >= 33 && c <= 47 && c != u'*') || c == u'?' || c == u'@')
                    return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

TF_Xtsd::TF_Xtsd(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Xtsd"));
    setWindowTitle(QStringLiteral("系统锁定"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setStyleSheet(QStringLiteral("#F_Xtsd { background: #eef3f8; border: 2px solid #1f4e79; }"));

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setPixmap(emblemPicture(150, 170));
    auto* title = new QLabel(QStringLiteral("系统已锁定，请输入密码解锁"), this);
    QFont tf = title->font();
    tf.setBold(true);
    tf.setPixelSize(16);
    title->setFont(tf);
    lAdmin = new QLabel(this);
    lAdmin->setObjectName(QStringLiteral("lAdmin"));
    tpwd = new QLineEdit(this);
    tpwd->setObjectName(QStringLiteral("tpwd"));
    tpwd->setEchoMode(QLineEdit::Password);
    btnOK = new QPushButton(QStringLiteral("解    锁(F5)"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setAutoDefault(false);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 20, 0);
    grid->addWidget(picture, 0, 0, 5, 1);
    grid->setColumnMinimumWidth(1, 12);
    grid->addWidget(title, 0, 2, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("操作员："), this), 1, 2);
    grid->addWidget(lAdmin, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("密    码："), this), 2, 2);
    grid->addWidget(tpwd, 2, 3);
    grid->addWidget(btnOK, 3, 3);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    onClicked(btnOK, [this] { btnOKClick(); });
}

void TF_Xtsd::FormActivate()
{
    m_unlocked = false;
    lAdmin->setText(operatorName);
    tpwd->clear();
    tpwd->setFocus();
}

bool TF_Xtsd::FormKeyDown(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F5) {
        runGuarded([this] { btnOKClick(); });
        return true;
    }
    return event->key() == Qt::Key_Escape;  // no way out but the password
}

bool TF_Xtsd::FormCloseQuery()
{
    return m_unlocked;
}

void TF_Xtsd::btnOKClick()
{
    if (verifyOperator(operatorName, tpwd->text()).ok) {
        m_unlocked = true;
        accept();
        return;
    }
    msgInfo(QStringLiteral("用户密码错误，请重新输入！"), this);
    tpwd->clear();
    tpwd->setFocus();
}

TF_PwdModi::TF_PwdModi(QWidget* parent) : TF_Form(parent)
{
    setMainAction([this] { btnOKClick(); });
    setEscCloses(true);
    setObjectName(QStringLiteral("F_PwdModi"));
    setWindowTitle(QStringLiteral("修改密码"));

    aname = new QLabel(this);
    aname->setObjectName(QStringLiteral("aname"));
    auto field = [this](const char* name) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(name));
        e->setEchoMode(QLineEdit::Password);
        return e;
    };
    tOldPwd = field("tOldPwd");
    tnewpwd = field("tnewpwd");
    tnewpwd2 = field("tnewpwd2");
    // The characters the safe-text rules would convert cannot be typed into a new password.
    auto* keys = new NewPasswordKeys(this);
    tnewpwd->installEventFilter(keys);
    tnewpwd2->installEventFilter(keys);
    btnOK = new QPushButton(QStringLiteral("修改(F5)"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setAutoDefault(false);
    btnExit = new QPushButton(QStringLiteral("退出(Esc)"), this);
    btnExit->setObjectName(QStringLiteral("btnExit"));
    btnExit->setAutoDefault(false);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(24, 20, 24, 16);
    grid->addWidget(new QLabel(QStringLiteral("操  作  员："), this), 0, 0);
    grid->addWidget(aname, 0, 1, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("当前密码："), this), 1, 0);
    grid->addWidget(tOldPwd, 1, 1, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("新 密  码："), this), 2, 0);
    grid->addWidget(tnewpwd, 2, 1, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("验证密码："), this), 3, 0);
    grid->addWidget(tnewpwd2, 3, 1, 1, 2);
    grid->addWidget(btnOK, 4, 1);
    grid->addWidget(btnExit, 4, 2);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    onClicked(btnOK, [this] { btnOKClick(); });
    onClicked(btnExit, [this] { reject(); });
}

void TF_PwdModi::FormActivate()
{
    aname->setText(operatorName);
    tOldPwd->clear();
    tnewpwd->clear();
    tnewpwd2->clear();
    tOldPwd->setFocus();
}

void TF_PwdModi::btnOKClick()
{
    const QString newPassword = tnewpwd->text().trimmed();
    if (newPassword != tnewpwd2->text().trimmed()) {
        msgInfo(QStringLiteral("新密码和验证密码不一致，不能修改密码！"), this);
        return;
    }
    const QString name = aname->text();
    if (!verifyOperator(name, tOldPwd->text()).ok) {
        msgInfo(QStringLiteral("当前密码错误，不能修改密码！"), this);
        return;
    }
    Transaction t;
    execSql(QStringLiteral("update jxc_admin set a_pwd=:p where a_name=:n"),
            {{QStringLiteral(":p"), hashPassword(sqlSafeName(newPassword))}, {QStringLiteral(":n"), name}});
    t.commit();
    msgInfo(QStringLiteral("密码修改成功！"), this);
    accept();
}
