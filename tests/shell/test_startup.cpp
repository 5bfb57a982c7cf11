// Program start: the single instance, the splash and the date-format check.
#include "shell/loading.h"
#include "shell/mainform.h"
#include "shell/startup.h"
#include "support/testdb.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

TEST(Startup, SplashStepsThroughItsMessagesOnASecondTimer)
{
    TF_Loading loading;
    auto* msg = loading.findChild<QLabel*>("lMsg");
    auto* timer = loading.findChild<QTimer*>("Timer1");
    loading.show();
    EXPECT_EQ(loading.windowTitle(), "禾岚鞋店进销存");
    EXPECT_EQ(loading.size(), QSize(700, 323));
    EXPECT_EQ(msg->text(), "正在装载系统......");
    loading.grab().save("splash.png");  // for a look at the picture and the Chinese text
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 1000);
    loading.Timer1Timer();
    EXPECT_EQ(msg->text(), "正在设置环境参数......");
    loading.Timer1Timer();
    EXPECT_EQ(msg->text(), "系统即将启动......");
    EXPECT_TRUE(loading.isVisible());
    loading.Timer1Timer();
    EXPECT_FALSE(loading.isVisible());
    EXPECT_FALSE(timer->isActive());
}

TEST(Startup, SplashClosesByItselfAfterAboutThreeSeconds)
{
    TF_Loading loading;
    QStringList seen;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        const QString text = loading.findChild<QLabel*>("lMsg")->text();
        if (!text.isEmpty() && (seen.isEmpty() || seen.last() != text))
            seen << text;
    });
    poll.start(10);
    QElapsedTimer clock;
    clock.start();
    loading.exec();
    EXPECT_GE(clock.elapsed(), 2900);
    EXPECT_EQ(seen, QStringList({"正在装载系统......", "正在设置环境参数......", "系统即将启动......"}));
}

TEST(Startup, DateFormatSetOnlyWhenItDiffers)
{
    QTemporaryDir dir;
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
    QCoreApplication::setOrganizationName("jxc-test");
    Clock::setFixed(QDateTime(QDate(2013, 5, 28), QTime(10, 0)));

    QSettings().setValue("locale/shortDateFormat", "yyyy/M/d");
    EXPECT_TRUE(checkDateFormat());
    EXPECT_EQ(shortDateFormat(), "yyyy-MM-dd");
    EXPECT_EQ(QSettings().value("locale/dateSeparator").toString(), "-");
    EXPECT_FALSE(checkDateFormat());
    Clock::reset();
}

TEST(Startup, MainWindowStartsHiddenWithItsTile)
{
    TF_MainForm form;
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(form.backgroundTile().isNull());
}

TEST(Startup, SecondCopyEndsAtOnceWithoutAWindow)
{
    QTemporaryDir runtime;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_RUNTIME_DIR", runtime.path());
    env.insert("ASAN_OPTIONS", "detect_leaks=0");

    QProcess first;
    first.setProcessEnvironment(env);
    first.start(JXC_BIN, {});
    ASSERT_TRUE(first.waitForStarted());
    // Wait until the first copy holds the lock.
    QElapsedTimer waited;
    waited.start();
    while (!QFile::exists(runtime.path() + "/松岩鞋店进销存管理系统.lock") && waited.elapsed() < 10000)
        QThread::msleep(50);
    ASSERT_TRUE(QFile::exists(runtime.path() + "/松岩鞋店进销存管理系统.lock"));

    QProcess second;
    second.setProcessEnvironment(env);
    QElapsedTimer t;
    t.start();
    second.start(JXC_BIN, {});
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_LT(t.elapsed(), 5000);
    EXPECT_TRUE(second.readAllStandardOutput().isEmpty());

    EXPECT_EQ(first.state(), QProcess::Running);
    first.kill();
    first.waitForFinished();
}

}  // namespace
