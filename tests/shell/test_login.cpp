// The login dialog: at start and as the change of operator.
#include "shelltest.h"

#include "data/datamodule.h"
#include "shell/login.h"
#include "shell/mainform.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

namespace {

class LoginTest : public ShellTest {};

TEST_F(LoginTest, BlanksAroundThePasswordAreIgnoredAndTheLoginIsLogged)
{
    addOperator(QStringLiteral("张三"), QStringLiteral("abc"), QStringLiteral("100001"));
    TF_MainForm form;
    startAndLogin(form, QStringLiteral("张三"), QStringLiteral("  abc  "));

    EXPECT_EQ(operatorName, "张三");
    EXPECT_EQ(roleCode, "100001");
    EXPECT_EQ(accountSetName, "系统默认帐套");
    EXPECT_EQ(accountSetFlag, "0");
    EXPECT_EQ(dbFileName, "jxc.mdb");
    EXPECT_EQ(form.RzStatusPane_Admin->text(), "操作员：张三");
    EXPECT_EQ(form.RzStatusPane_Rj->text(), "禾岚软件");
    EXPECT_EQ(logLines(QStringLiteral("登录系统"), QStringLiteral("张三")), 1);
    EXPECT_EQ(selectValue(QStringLiteral("select log_time from jxc_log")), "2013-05-28 10:00:00");
    EXPECT_TRUE(boxes().isEmpty());
    EXPECT_EQ(ended, 0);
    EXPECT_TRUE(form.isVisible());
}

TEST_F(LoginTest, FreshDatabaseAdminNeedsNoPasswordAndTheListFollowsId)
{
    addOperator(QStringLiteral("张三"), QStringLiteral("abc"), QStringLiteral("100001"));
    TF_MainForm form;
    QStringList names;
    TF_Form::scriptNextOpening(QStringLiteral("F_Login"), [&](TF_Form* f) {
        auto* login = static_cast<TF_Login*>(f);
        for (int i = 0; i < login->comAdmin->count(); ++i)
            names << login->comAdmin->itemText(i);
        EXPECT_EQ(login->comAdmin->currentIndex(), 0);
        login->btnOKClick();
    });
    execSql(QStringLiteral("update jxc_txdisp set t_mryt='0'"));
    form.show();
    ASSERT_TRUE(waitFor([&] { return form.activateCount() > 0; }));
    EXPECT_EQ(names, QStringList({"admin", "张三"}));
    EXPECT_EQ(operatorName, "admin");
}

TEST_F(LoginTest, WrongPasswordsAreRefusedAndTheDialogStays)
{
    addOperator(QStringLiteral("张三"), QStringLiteral("Abc"), QStringLiteral("100001"));
    addOperator(QStringLiteral("李四"), QStringLiteral("it's \"ok\""), QStringLiteral("100001"));
    TF_MainForm form;
    TF_Form::scriptNextOpening(QStringLiteral("F_Login"), [&](TF_Form* f) {
        auto* login = static_cast<TF_Login*>(f);
        login->comAdmin->setCurrentIndex(login->comAdmin->findText(QStringLiteral("张三")));
        for (const char* wrong : {"abc", "ABC", "", "Abc1"}) {
            login->tpwd->setText(QString::fromUtf8(wrong));
            login->btnOKClick();
            EXPECT_TRUE(login->isVisible()) << wrong;
            EXPECT_TRUE(login->tpwd->text().isEmpty());
        }
        // A password with an apostrophe and double quotes matches in its converted form.
        login->comAdmin->setCurrentIndex(login->comAdmin->findText(QStringLiteral("李四")));
        login->tpwd->setText(QStringLiteral("it's \"ok\""));
        login->btnOKClick();
    });
    execSql(QStringLiteral("update jxc_txdisp set t_mryt='0'"));
    form.show();
    ASSERT_TRUE(waitFor([&] { return form.activateCount() > 0; }));
    ASSERT_EQ(MsgScript::shown().size(), 4);
    for (const MsgRecord& r : MsgScript::shown()) {
        EXPECT_EQ(r.text, "用户密码不正确，请重新输入！");
        EXPECT_EQ(r.title, "系统提示");
    }
    EXPECT_EQ(operatorName, "李四");
    EXPECT_EQ(logLines(QStringLiteral("登录系统")), 1);
}

TEST_F(LoginTest, LeavingTheFirstLoginEndsTheProgram)
{
    for (const bool byCancel : {true, false}) {
        ended = 0;
        TF_MainForm form;
        TF_Form::scriptNextOpening(QStringLiteral("F_Login"), [byCancel](TF_Form* f) {
            if (byCancel)
                static_cast<TF_Login*>(f)->btnCancelClick();
            else
                f->close();  // the title-bar button
        });
        form.show();
        ASSERT_TRUE(waitFor([&] { return ended > 0; })) << byCancel;
        EXPECT_EQ(form.activateCount(), 0);
        EXPECT_EQ(logLines(QStringLiteral("登录系统")), 0);
    }
}

TEST_F(LoginTest, ChangeOfOperatorLogsInAgainOrKeepsThePreviousOperator)
{
    addOperator(QStringLiteral("张三"), QStringLiteral("abc"), QStringLiteral("100001"));
    TF_MainForm form;
    startAndLogin(form, QStringLiteral("admin"), QString());
    ASSERT_TRUE(waitFor([&] { return !form.Timer1->isActive(); }));

    // Cancelling and closing in change-operator mode keep the operator and end nothing.
    for (const bool byCancel : {true, false}) {
        QString seenMode;
        TF_Form::scriptNextOpening(QStringLiteral("F_Login"), [&](TF_Form* f) {
            seenMode = modeFlag;
            if (byCancel)
                static_cast<TF_Login*>(f)->btnCancelClick();
            else
                f->close();
        });
        form.runCommand(QStringLiteral("btn_Hbgl"));
        EXPECT_EQ(seenMode, "hb");
        EXPECT_TRUE(modeFlag.isEmpty());
        EXPECT_EQ(operatorName, "admin");
        EXPECT_EQ(ended, 0);
        EXPECT_FALSE(form.Timer1->isActive());
    }

    TF_Form::scriptNextOpening(QStringLiteral("F_Login"), [](TF_Form* f) {
        auto* login = static_cast<TF_Login*>(f);
        login->comAdmin->setCurrentIndex(login->comAdmin->findText(QStringLiteral("张三")));
        login->tpwd->setText(QStringLiteral("abc"));
        login->btnOKClick();
    });
    form.runCommand(QStringLiteral("btn_Hbgl"));
    EXPECT_EQ(operatorName, "张三");
    EXPECT_EQ(form.RzStatusPane_Admin->text(), "操作员：张三");
    EXPECT_TRUE(form.Timer1->isActive());  // the start-up tasks run again
    EXPECT_EQ(form.activateCount(), 1);    // the activation steps do not
    EXPECT_EQ(logLines(QStringLiteral("登录系统"), QStringLiteral("admin")), 1);
    EXPECT_EQ(logLines(QStringLiteral("登录系统"), QStringLiteral("张三")), 1);
}

TEST_F(LoginTest, EnterAndF5LogInEscCancels)
{
    TF_MainForm form;
    execSql(QStringLiteral("update jxc_txdisp set t_mryt='0'"));
    TF_Form::scriptNextOpening(QStringLiteral("F_Login"), [](TF_Form* f) {
        auto* login = static_cast<TF_Login*>(f);
        login->tpwd->setText(QStringLiteral("x"));
        QTest::keyClick(login->tpwd, Qt::Key_F5);
        EXPECT_TRUE(login->isVisible());
        login->tpwd->setText(QString());
        QTest::keyClick(login->tpwd, Qt::Key_Return);
    });
    form.show();
    ASSERT_TRUE(waitFor([&] { return form.activateCount() > 0; }));
    EXPECT_EQ(boxes(), QStringList({"用户密码不正确，请重新输入！"}));
    ASSERT_TRUE(waitFor([&] { return !form.Timer1->isActive(); }));

    TF_Form::scriptNextOpening(QStringLiteral("F_Login"), [](TF_Form* f) { QTest::keyClick(f, Qt::Key_Escape); });
    form.runCommand(QStringLiteral("btn_Hbgl"));
    EXPECT_EQ(ended, 0);
    EXPECT_EQ(logLines(QStringLiteral("登录系统")), 1);
}

}  // namespace
