// Backup and restore: the stored settings, the file a backup writes, failures never reported
// as success, refused restore files, and a restore killed at any moment.
#include "admintest.h"

#include "admin/backup.h"
#include "admin/backuprestore.h"
#include "data/settings.h"
#include "shell/mainform.h"

#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

using namespace admintest;

namespace {

class BackupTest : public AdminTest {
protected:
    QString folder(const QString& name)
    {
        const QString path = QDir(db->dir()).filePath(name);
        QDir().mkpath(path);
        return path;
    }
    static QString operators()
    {
        return selectValue(QStringLiteral("select group_concat(a_name) from jxc_admin"));
    }
};

TEST_F(BackupTest, BackupWritesTheNamedFileStoresTheSettingsAndDrivesTheTimer)
{
    TF_MainForm main;
    main.TimerBackUp->start(1000);
    const QString dir = folder(QStringLiteral("bk"));
    const QString file = dir + QStringLiteral("/系统默认帐套13_05_28_10_00_00.DAT");
    openScripted<TF_Backup>(F_Backup, [&](TF_Backup* w) {
        EXPECT_FALSE(w->tsj->isEnabled());
        w->tPath->setText(dir + QLatin1Char('/'));
        w->chkAuto->setChecked(true);
        w->tsj->setValue(3);
        w->chkExit->setChecked(true);
        w->btnOK->click();
        EXPECT_TRUE(main.TimerBackUp->isActive());
        EXPECT_EQ(main.TimerBackUp->interval(), 3 * 3600000);
        EXPECT_TRUE(QFile::exists(file));
        QFile::remove(file);
        // Without the closing separator the same file; unticking stops the timer at once.
        w->tPath->setText(dir);
        w->chkAuto->setChecked(false);
        w->btnOK->click();
        EXPECT_FALSE(main.TimerBackUp->isActive());
    });
    EXPECT_EQ(boxes(), QStringList({"备份完成！", "备份完成！"}));
    EXPECT_TRUE(QFile::exists(file));
    EXPECT_TRUE(isRestorableDatabase(file));
    EXPECT_EQ(selectValue(QStringLiteral("select back_auto||'|'||back_sj||'|'||back_path||'|'||back_exit from jxc_backup")),
              QStringLiteral("0|3|%1|1").arg(dir));
    EXPECT_EQ(backAuto, "0");
    EXPECT_EQ(backExit, "1");
}

TEST_F(BackupTest, FailuresAndOverlongFoldersAreNeverReportedAsDone)
{
    const QString missing = QDir(db->dir()).filePath(QStringLiteral("nowhere/deeper"));
    const QString overlong = QStringLiteral("/tmp/") + QString(196, QLatin1Char('a'));
    openScripted<TF_Backup>(F_Backup, [&](TF_Backup* w) {
        w->btnOK->click();
        w->tPath->setText(overlong);
        w->btnOK->click();
        w->tPath->setText(missing);
        w->btnOK->click();
    });
    const QStringList shown = boxes();
    ASSERT_EQ(shown.size(), 3);
    EXPECT_EQ(shown[0], "备份路径必须填写！");
    EXPECT_EQ(shown[1], "备份路径不能超过200个字符！");
    EXPECT_TRUE(shown[2].startsWith("数据库备份失败：")) << shown[2].toStdString();
    // The folder of 200 characters is stored whole.
    EXPECT_EQ(saveBackupSettings({false, 0, overlong.left(200), false}), QString());
    EXPECT_EQ(selectValue(QStringLiteral("select length(back_path) from jxc_backup")), "200");
}

TEST_F(BackupTest, TheWizardsBackupStoresAutomaticBackupOff)
{
    saveBackupSettings({true, 5, folder(QStringLiteral("old")), false});
    const QString dir = folder(QStringLiteral("bk2"));
    openScripted<TF_Backup2>(F_Backup2, [&](TF_Backup2* w) {
        EXPECT_EQ(w->PageControl1->count(), 1);
        EXPECT_TRUE(w->tPath->text().endsWith("old"));
        w->tPath->setText(dir);
        w->btnOK->click();
    });
    EXPECT_EQ(boxes(), QStringList({"备份完成！"}));
    EXPECT_EQ(selectValue(QStringLiteral("select back_auto||'|'||ifnull(back_sj,'-')||'|'||back_exit from jxc_backup")),
              "0|-|0");
    EXPECT_EQ(QDir(dir).entryList(QDir::Files).size(), 1);
}

TEST_F(BackupTest, RestoreRefusesATextFileAndReopensAGoodBackup)
{
    const QString good = backupNow(folder(QStringLiteral("bk")));
    execSql(QStringLiteral("insert into jxc_admin (a_sn,a_name,r_sn) values ('100002','后来','100001')"));
    const QString text = QDir(db->dir()).filePath(QStringLiteral("note.txt"));
    {
        QFile f(text);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("not a database\n");
    }
    openScripted<TF_Backup>(F_Backup, [&](TF_Backup* w) {
        w->PageControl1->setCurrentIndex(1);
        w->btnOK->click();
        w->tPath1->setText(text);
        w->btnOK->click();
        EXPECT_EQ(operators(), "admin,后来");
        w->tPath1->setText(good);
        w->btnOK->click();
    });
    EXPECT_EQ(boxes(), QStringList({"恢复路径必须填写！", "恢复文件不是有效的数据库文件，不能恢复！", "恢复完成！"}));
    EXPECT_EQ(operators(), "admin");
    EXPECT_EQ(selectValue(QStringLiteral("pragma integrity_check")), "ok");
    // A database without the operator tables is refused as well.
    const QString other = QDir(db->dir()).filePath(QStringLiteral("other.db"));
    {
        Database d;
        d.open(other, true);
        d.exec(QStringLiteral("create table t (x)"));
    }
    EXPECT_EQ(restoreDatabase(other), "恢复文件不是有效的数据库文件，不能恢复！");
    EXPECT_EQ(operators(), "admin");
}

// Kills a restore at moments spread over its run; the database file is always one of the two
// databases whole.
TEST_F(BackupTest, ARestoreKilledAtAnyMomentLeavesTheOldOrTheNewDatabaseWhole)
{
    for (int i = 0; i < 200; ++i)
        execSql(QStringLiteral("insert into jxc_log (log_time,a_name,log_note) values ('2013',?,?)"),
                {{QString(), QStringLiteral("a")}, {QString(), QString(400, QLatin1Char('x'))}});
    const QString backup = backupNow(folder(QStringLiteral("bk")));
    execSql(QStringLiteral("delete from jxc_log"));
    const QString path = db->path();
    auto runChild = [&](qint64 delayUs) {
        const pid_t pid = fork();
        if (pid == 0) {
            restoreDatabase(backup);
            _exit(0);
        }
        if (delayUs >= 0) {
            usleep(useconds_t(delayUs));
            kill(pid, SIGKILL);
        }
        int status = 0;
        waitpid(pid, &status, 0);
    };
    QElapsedTimer t;
    t.start();
    runChild(-1);
    const qint64 whole = qMax<qint64>(t.nsecsElapsed() / 1000, 1000);
    for (int i = 0; i < 16; ++i) {
        runChild(whole * i / 16);
        Database check;
        check.open(path);
        EXPECT_EQ(check.selectValue(QStringLiteral("pragma integrity_check")), "ok") << i;
        const QString logRows = check.selectValue(QStringLiteral("select count(*) from jxc_log"));
        EXPECT_TRUE(logRows == "0" || logRows == "200") << i << ' ' << logRows.toStdString();
        check.close();
        // Back to the old database for the next round.
        check.open(path);
        check.exec(QStringLiteral("delete from jxc_log"));
        check.close();
    }
}

}  // namespace
