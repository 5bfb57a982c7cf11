// The main window: activation, start-up tasks, keys, backups, exit and its picture.
#include "shelltest.h"

#include "data/datamodule.h"
#include "data/settings.h"
#include "platform/shellopen.h"
#include "platform/skins.h"
#include "shell/backup.h"
#include "shell/commands.h"
#include "shell/mainform.h"
#include "shell/mryt.h"
#include "shell/reminders.h"
#include "shell/tips.h"
#include "shell/xtsd.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QToolButton>

namespace {

class MainFormTest : public ShellTest {};

TEST_F(MainFormTest, ActivationCreatesTodaysSummaryRowsAndShowsTheShortName)
{
    execSql(QStringLiteral("update jxc_company set c_jc='松岩鞋城'"));
    ASSERT_EQ(selectValue(QStringLiteral("select count(*) from jxc_tempyyfx")), "0");
    TF_MainForm form;
    startAndLogin(form, QStringLiteral("admin"), QString());

    EXPECT_EQ(selectValue(QStringLiteral("select count(*) from jxc_tempyyfx where yy_rq='2013-05-28'")), "1");
    EXPECT_EQ(selectValue(QStringLiteral("select count(*) from jxc_kcjs where js_rq='2013-05'")),
              selectValue(QStringLiteral("select count(*) from jxc_ckxx")));
    EXPECT_NE(selectValue(QStringLiteral("select count(*) from jxc_kcjs")), "0");
    EXPECT_EQ(form.windowTitle(), "禾岚鞋店销售管理系统[松岩鞋城] 2013Z1");
    EXPECT_EQ(companyShortName, "松岩鞋城");  // the settings are loaded
    EXPECT_TRUE(form.RzStatusPane_Help->text().startsWith("按F1键查看帮助文档  "));
    EXPECT_TRUE(form.RzStatusPane_Help->text().endsWith(supportUrl));
    EXPECT_TRUE(form.homeUrl->text().contains(supportUrl));
}

TEST_F(MainFormTest, OnlyThePurchasingPanelShowsAtFirstAndTheGroupButtonsSwitchPanels)
{
    TF_MainForm form;
    form.setWindowState(Qt::WindowNoState);
    startAndLogin(form, QStringLiteral("admin"), QString());
    auto visiblePanels = [&] {
        QStringList names;
        for (int g : {1, 2, 3, 8, 4, 5, 6})
            if (form.findChild<QWidget*>(QStringLiteral("RzPanel_Menu%1").arg(g))->isVisible())
                names << QStringLiteral("RzPanel_Menu%1").arg(g);
        return names;
    };
    EXPECT_EQ(visiblePanels(), QStringList({"RzPanel_Menu1"}));
    for (int g : {2, 3, 8, 4, 5, 6, 1}) {
        form.findChild<QToolButton*>(QStringLiteral("menu%1_btn").arg(g))->click();
        EXPECT_EQ(visiblePanels(), QStringList({QStringLiteral("RzPanel_Menu%1").arg(g)}));
    }
    // The four pictures of the system group's right column never show.
    form.showGroup(6);
    for (int i = 1; i <= 4; ++i)
        EXPECT_FALSE(form.findChild<QWidget*>(QStringLiteral("btn_Menu6_Right%1").arg(i))->isVisible());
}

TEST_F(MainFormTest, StoredSkinIsAppliedAndHelpOpensInTheDesktopsPrograms)
{
    execSql(QStringLiteral("update jxc_skin set skin_name='Office2007Green'"));
    QStringList opened;
    setShellOpener([&](const QUrl& url) {
        opened << url.toString();
        return true;
    });
    TF_MainForm form;
    form.setWindowState(Qt::WindowNoState);
    startAndLogin(form, QStringLiteral("admin"), QString());
    EXPECT_EQ(currentSkin(), "Office2007Green");

    QTest::keyClick(&form, Qt::Key_F1);
    QTest::mouseClick(form.RzStatusPane_Help, Qt::LeftButton);
    setShellOpener({});
    EXPECT_EQ(opened, QStringList({QUrl::fromLocalFile(programFolder.filePath("readme.htm")).toString(), supportUrl}));
    applySkin(QStringLiteral("iMaginary"));
}

TEST_F(MainFormTest, AnOlderDatabaseIsUpgradedOnTheFirstActivation)
{
    // An older ledger has neither the column nor its index.
    execSql(QStringLiteral("drop index ix_jxc_ysyfk_gl_djh"));
    execSql(QStringLiteral("alter table jxc_ysyfk drop column gl_djh"));
    TF_MainForm form;
    startAndLogin(form, QStringLiteral("admin"), QString());
    EXPECT_TRUE(mainDb().columnExists(QStringLiteral("jxc_ysyfk"), QStringLiteral("gl_djh")));
    EXPECT_TRUE(boxes().isEmpty());
}

TEST_F(MainFormTest, ExitAsksFirstWhicheverWayTheWindowIsClosed)
{
    TF_MainForm form;
    form.setWindowState(Qt::WindowNoState);
    startAndLogin(form, QStringLiteral("admin"), QString());
    const QList<std::function<void()>> ways = {
        [&] { form.close(); },
        [&] { QTest::keyClick(&form, Qt::Key_Escape); },
        [&] { form.findChild<QToolButton*>(QStringLiteral("btn_Tcxt"))->click(); },
    };
    for (const auto& way : ways) {
        MsgScript::reset();
        MsgScript::answer(MsgAnswer::No);
        way();
        ASSERT_EQ(MsgScript::shown().size(), 1);
        EXPECT_EQ(MsgScript::last().text, "是否要退出系统？");
        EXPECT_EQ(MsgScript::last().title, "信息提醒");
        EXPECT_EQ(MsgScript::last().kind, MsgKind::YesNo);
        EXPECT_TRUE(form.isVisible());
        EXPECT_EQ(ended, 0);
    }
    EXPECT_EQ(logLines(QStringLiteral("退出系统")), 0);

    MsgScript::answer(MsgAnswer::Yes);
    form.close();
    EXPECT_EQ(ended, 1);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(logLines(QStringLiteral("退出系统"), QStringLiteral("admin")), 1);
}

TEST_F(MainFormTest, F2LocksUntilTheOperatorsOwnPasswordIsTyped)
{
    addOperator(QStringLiteral("张三"), QStringLiteral("abc"), QStringLiteral("100001"));
    TF_MainForm form;
    form.setWindowState(Qt::WindowNoState);
    startAndLogin(form, QStringLiteral("admin"), QString());
    bool locked = false;
    TF_Form::scriptNextOpening(QStringLiteral("F_Xtsd"), [&](TF_Form* f) {
        auto* lock = static_cast<TF_Xtsd*>(f);
        locked = true;
        EXPECT_EQ(lock->lAdmin->text(), "admin");
        lock->tpwd->setText(QStringLiteral("abc"));  // another operator's password
        lock->btnOKClick();
        EXPECT_TRUE(lock->isVisible());
        EXPECT_TRUE(lock->tpwd->text().isEmpty());
        for (int key : {Qt::Key_Escape, Qt::Key_Return}) {
            QTest::keyClick(lock->tpwd, Qt::Key(key));
            EXPECT_TRUE(lock->isVisible());
        }
        lock->close();  // nothing but the password closes it
        EXPECT_TRUE(lock->isVisible());
        lock->tpwd->setText(QStringLiteral("  "));
        QTest::keyClick(lock->tpwd, Qt::Key_F5);
        EXPECT_FALSE(lock->isVisible());
    });
    QTest::keyClick(&form, Qt::Key_F2);
    EXPECT_TRUE(locked);
    EXPECT_EQ(boxes(), QStringList({"用户密码错误，请重新输入！"}));
}

TEST_F(MainFormTest, BackupNamesFollowTheAccountSetAndTheMoment)
{
    const QDateTime at(QDate(2013, 5, 28), QTime(14, 3, 5));
    for (const QString& folder : {QStringLiteral("/srv/back"), QStringLiteral("/srv/back/"),
                                  QStringLiteral("/srv/back\\")})
        EXPECT_EQ(backupTargetPath(folder, QStringLiteral("系统默认帐套"), at),
                  "/srv/back/系统默认帐套13_05_28_14_03_05.DAT")
            << folder.toStdString();
    EXPECT_EQ(backupTargetPath(QStringLiteral("/srv/back"), QStringLiteral("X"), QDateTime(QDate(2013, 1, 2), QTime(9, 5, 3))),
              "/srv/back/X13_01_02_09_05_03.DAT");
}

TEST_F(MainFormTest, BackupCopiesTheOpenDatabase)
{
    TF_MainForm form;
    loginGlobals(QStringLiteral("admin"), QStringLiteral("100001"));
    EXPECT_TRUE(form.backupDatabase().isEmpty());  // no backup folder: nothing happens

    QTemporaryDir folder;
    appendRow(QStringLiteral("jxc_backup"), {{QStringLiteral("back_path"), folder.path()},
                                             {QStringLiteral("back_auto"), true},
                                             {QStringLiteral("back_sj"), 2},
                                             {QStringLiteral("back_exit"), true}});
    execSql(QStringLiteral("insert into jxc_log (log_time,a_name,log_note) values ('x','admin','行')"));
    const QString path = form.backupDatabase();
    EXPECT_EQ(path, folder.path() + "/系统默认帐套13_05_28_10_00_00.DAT");
    Database copy;
    copy.open(path);
    for (const char* table : {"jxc_admin", "jxc_mryt", "jxc_log", "jxc_ckxx", "jxc_backup"})
        EXPECT_EQ(copy.selectValue(QStringLiteral("select count(*) from %1").arg(QLatin1String(table))),
                  selectValue(QStringLiteral("select count(*) from %1").arg(QLatin1String(table))))
            << table;
    EXPECT_EQ(copy.selectValue(QStringLiteral("select log_note from jxc_log")), "行");
}

TEST_F(MainFormTest, BackupTimerFollowsTheSettings)
{
    struct Case {
        bool autoBackup;
        int hours;
        bool running;
        int interval;
    };
    for (const Case& c : {Case{true, 2, true, 7200000}, Case{true, 0, false, 0}, Case{false, 2, false, 0},
                          Case{true, 1000, true, INT_MAX}}) {
        SCOPED_TRACE(c.hours);
        execSql(QStringLiteral("delete from jxc_backup"));
        appendRow(QStringLiteral("jxc_backup"), {{QStringLiteral("back_path"), QString()},
                                                 {QStringLiteral("back_auto"), c.autoBackup},
                                                 {QStringLiteral("back_sj"), c.hours},
                                                 {QStringLiteral("back_exit"), false}});
        TF_MainForm form;
        startAndLogin(form, QStringLiteral("admin"), QString());
        EXPECT_EQ(form.TimerBackUp->isActive(), c.running);
        if (c.running) {
            EXPECT_EQ(form.TimerBackUp->interval(), c.interval);
        }
        MsgScript::answer(MsgAnswer::Yes);
        form.close();
    }
}

TEST_F(MainFormTest, FailedBackupsAreReportedAndLogged)
{
    appendRow(QStringLiteral("jxc_backup"), {{QStringLiteral("back_path"), QStringLiteral("/nonexistent/folder")},
                                             {QStringLiteral("back_auto"), true},
                                             {QStringLiteral("back_sj"), 1},
                                             {QStringLiteral("back_exit"), true}});
    TF_MainForm form;
    form.setWindowState(Qt::WindowNoState);
    startAndLogin(form, QStringLiteral("admin"), QString());

    // Automatic: in the notice window.
    form.TimerBackUpTimer();
    ASSERT_TRUE(F_Tips);
    EXPECT_TRUE(F_Tips->isVisible());
    EXPECT_TRUE(F_Tips->tipMsg.startsWith("自动备份数据库失败："));
    EXPECT_TRUE(boxes().isEmpty());
    F_Tips->close();

    // At exit: in a box.
    MsgScript::answer(MsgAnswer::Yes);
    form.close();
    EXPECT_EQ(ended, 1);
    ASSERT_EQ(MsgScript::shown().size(), 2);
    EXPECT_TRUE(MsgScript::last().text.startsWith("数据库备份失败："));
    EXPECT_EQ(MsgScript::last().title, "系统提示");
    EXPECT_EQ(selectValue(QStringLiteral("select count(*) from jxc_log where log_note like '备份数据库失败：%'")), "2");
}

// ---- Reminders -----------------------------------------------------------------------------

void addReminder(const QString& to, int mode, const QString& when, const QString& shown = QStringLiteral("0"))
{
    appendRow(QStringLiteral("jxc_tx"), {{QStringLiteral("tx_dx"), to},
                                         {QStringLiteral("tx_fs"), mode},
                                         {QStringLiteral("tx_sj"), when},
                                         {QStringLiteral("tx_note"), QStringLiteral("库存报警提醒")},
                                         {QStringLiteral("tx_zt"), shown}});
}

TEST_F(MainFormTest, ReminderDueRule)
{
    struct Case {
        const char* to;
        int mode;
        const char* when;
        const char* shown;
        QDate day;
        bool due;
    };
    const QDate monday(2013, 5, 27), tuesday(2013, 5, 28);
    const Case cases[] = {
        {"全体人员", 3, "每周1,3,5", "0", monday, true},
        {"全体人员", 3, "每周1,3,5", "0", tuesday, false},
        {"全体人员", 4, "每月28日", "0", tuesday, true},
        {"全体人员", 4, "每月05日", "0", tuesday, false},
        {"全体人员", 2, "程序启动时", "1", tuesday, true},
        {"全体人员", 1, "2013-05-28", "0", tuesday, true},
        {"全体人员", 1, "2013-05-28", "1", tuesday, false},
        {"全体人员", 1, "2013-05-27", "0", tuesday, false},
        {"张三", 2, "程序启动时", "0", tuesday, true},
        {"李四", 2, "程序启动时", "0", tuesday, false},
        {"全体人员", 1, "", "0", tuesday, false},
    };
    for (const Case& c : cases) {
        execSql(QStringLiteral("delete from jxc_tx"));
        addReminder(QString::fromUtf8(c.to), c.mode, QString::fromUtf8(c.when), QString::fromLatin1(c.shown));
        EXPECT_EQ(hasDueReminder(QStringLiteral("张三"), c.day), c.due) << c.to << " " << c.when << " " << c.day.toString().toStdString();
    }
}

struct FakeReminderWindow {
    FakeReminderWindow()
    {
        registerWindow(QStringLiteral("TF_Sjtx"), [this](const QString&) {
            ++opened;
            markedWhileOpen = selectValue(QStringLiteral("select count(*) from jxc_tx where tx_zt='1'")).toInt();
        });
    }
    ~FakeReminderWindow() { unregisterWindow(QStringLiteral("TF_Sjtx")); }
    int opened = 0;
    int markedWhileOpen = -1;
};

TEST_F(MainFormTest, StartUpTasksOpenTheRemindersAndMarkOneTimeRemindersShown)
{
    FakeReminderWindow reminders;
    execSql(QStringLiteral("update jxc_txdisp set t_sjtx='1'"));  // open only when something is due
    addReminder(QStringLiteral("全体人员"), 1, QStringLiteral("2013-05-28"));
    addReminder(QStringLiteral("全体人员"), 1, QStringLiteral("2013-06-01"));
    TF_MainForm form;
    loginGlobals(QStringLiteral("admin"), QStringLiteral("100001"));
    execSql(QStringLiteral("update jxc_txdisp set t_mryt='0'"));

    form.Timer1Timer();
    EXPECT_EQ(reminders.opened, 1);
    EXPECT_EQ(reminders.markedWhileOpen, 0);
    EXPECT_EQ(selectValue(QStringLiteral("select tx_zt from jxc_tx where tx_sj='2013-05-28'")), "1");
    EXPECT_EQ(selectValue(QStringLiteral("select tx_zt from jxc_tx where tx_sj='2013-06-01'")), "0");
    form.Timer1Timer();
    EXPECT_EQ(reminders.opened, 1);  // shown once

    // While the window opens at every start, reminders are not marked.
    execSql(QStringLiteral("update jxc_txdisp set t_sjtx='0'"));
    execSql(QStringLiteral("update jxc_tx set tx_zt='0'"));
    form.Timer1Timer();
    form.Timer1Timer();
    EXPECT_EQ(reminders.opened, 3);
    EXPECT_EQ(selectValue(QStringLiteral("select count(*) from jxc_tx where tx_zt='1'")), "0");
}

TEST_F(MainFormTest, WithoutTheReminderWindowTheStartUpTasksShowNoBox)
{
    addReminder(QStringLiteral("全体人员"), 2, QStringLiteral("程序启动时"));
    TF_MainForm form;
    loginGlobals(QStringLiteral("admin"), QStringLiteral("100001"));
    execSql(QStringLiteral("update jxc_txdisp set t_mryt='0'"));
    form.Timer1Timer();
    EXPECT_TRUE(boxes().isEmpty());
    EXPECT_EQ(selectValue(QStringLiteral("select tx_zt from jxc_tx")), "0");
}

TEST_F(MainFormTest, TipOfTheDayFollowsTheLogin)
{
    TF_MainForm form;
    QString tip;
    TF_Form::scriptNextOpening(QStringLiteral("F_Mryt"), [&](TF_Form* f) { tip = static_cast<TF_Mryt*>(f)->lMsg->text(); });
    startAndLogin(form, QStringLiteral("admin"), QString(), /*keepTip=*/true);
    ASSERT_TRUE(waitFor([&] { return !tip.isEmpty(); }));
    EXPECT_EQ(tip, selectValue(QStringLiteral("select mr_ts from jxc_mryt where id=2")));
}

TEST_F(MainFormTest, FitsFrom1024x768UpWithEveryCaptionWhole)
{
    TF_MainForm form;
    EXPECT_TRUE(form.windowState() & Qt::WindowMaximized);
    startAndLogin(form, QStringLiteral("admin"), QString());
    form.setWindowState(Qt::WindowNoState);
    // The client area of a maximised window on each screen (title bar and task bar taken off).
    for (const QSize screen : {QSize(1024, 768), QSize(1920, 1080)}) {
        const QSize client(screen.width(), screen.height() - 70);
        form.resize(client);
        QTest::qWait(20);
        EXPECT_EQ(form.size(), client) << "the window's least size is " << form.minimumSizeHint().width() << "x"
                                       << form.minimumSizeHint().height();
        for (int group : {1, 2, 3, 8, 4, 5, 6}) {
            form.showGroup(group);
            QCoreApplication::processEvents();
            const QStringList faults = layoutFaults(&form);
            EXPECT_TRUE(faults.isEmpty()) << screen.width() << "x" << screen.height() << " group " << group << ":\n"
                                          << faults.join('\n').toStdString();
        }
        form.showGroup(1);
        QCoreApplication::processEvents();
        form.grab().save(QStringLiteral("mainform_%1x%2.png").arg(screen.width()).arg(screen.height()));
    }
}

TEST_F(MainFormTest, ScreenshotAfterLogin)
{
    TF_MainForm form;
    form.setWindowState(Qt::WindowNoState);
    form.resize(1180, 760);
    startAndLogin(form, QStringLiteral("admin"), QString());
    QTest::qWait(50);
    for (int group : {1, 4}) {
        form.showGroup(group);
        QTest::qWait(20);
        const QImage shot = form.grab().toImage();
        const QString file = QDir::current().filePath(QStringLiteral("mainform_group%1.png").arg(group));
        ASSERT_TRUE(shot.save(file)) << file.toStdString();
        EXPECT_EQ(shot.size(), form.size());
    }
}

}  // namespace
