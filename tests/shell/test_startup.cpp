// Program start: the single instance, the splash and the date-format check.
#include "data/schema/schema.h"
#include "platform/report.h"
#include "shell/loading.h"
#include "shell/mainform.h"
#include "shell/startup.h"
#include "support/testdb.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
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

// A shop folder with a good database in its data/ folder.
QString makeShop(const QTemporaryDir& dir)
{
    QDir(dir.path()).mkpath("data");
    const QString path = dir.filePath("data/jxc.mdb");
    createDatabaseFile(path);
    return path;
}

QProcessEnvironment programEnvironment(const QString& shop, const QString& runtime)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_RUNTIME_DIR", runtime);
    env.insert("ASAN_OPTIONS", "detect_leaks=0");
    env.insert("JXC_SHOP_DIR", shop);
    return env;
}

QByteArray fileDigest(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return "missing";
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

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
    EXPECT_GE(clock.elapsed(), 2500);  // three ticks of a coarse 1000 ms timer
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
    QTemporaryDir shop;
    makeShop(shop);
    const QProcessEnvironment env = programEnvironment(shop.path(), runtime.path());

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

// The real program on a database it cannot use: one Chinese refusal naming the file (written to
// the error output, where a headless program puts its boxes), then it ends; the file's bytes
// are as they were and no journal is left beside it.
TEST(Startup, AnUnusableDatabaseIsRefusedOnceAndTheProgramEnds)
{
    struct Case {
        const char* name;
        std::function<void(const QString& db)> spoil;
        const char* says;
    };
    const Case cases[] = {
        {"read-only file", [](const QString& db) { QFile::setPermissions(db, QFile::ReadOwner | QFile::ReadGroup); },
         "是只读的"},
        {"read-only folder",
         [](const QString& db) {
             QFile::setPermissions(QFileInfo(db).absolutePath(), QFile::ReadOwner | QFile::ExeOwner);
         },
         "不能写入"},
        {"random bytes",
         [](const QString& db) {
             QFile f(db);
             f.open(QIODevice::WriteOnly | QIODevice::Truncate);
             QByteArray junk(40000, '\0');
             for (int i = 0; i < junk.size(); ++i)
                 junk[i] = char((i * 7919 + 13) % 251);
             f.write(junk);
         },
         "已损坏"},
        {"truncated database", [](const QString& db) { QFile(db).resize(QFileInfo(db).size() / 2); }, "已损坏"},
        {"empty SQLite file",
         [](const QString& db) {
             QFile::remove(db);
             Database empty;
             empty.open(db, true);
             empty.exec("create table notes (t text)");
         },
         "不是本系统的数据库"},
        {"empty file", [](const QString& db) { QFile(db).resize(0); }, "不是本系统的数据库"},
        {"missing file", [](const QString& db) { QFile::remove(db); }, "找不到数据库文件"},
    };
    struct Run {
        const Case* c;
        std::unique_ptr<QTemporaryDir> shop, runtime;
        QString db;
        QByteArray digest;
        std::unique_ptr<QProcess> process;
    };
    std::vector<Run> runs;
    for (const Case& c : cases) {
        Run r{&c, std::make_unique<QTemporaryDir>(), std::make_unique<QTemporaryDir>(), {}, {}, {}};
        r.db = makeShop(*r.shop);
        c.spoil(r.db);
        r.digest = fileDigest(r.db);
        r.process = std::make_unique<QProcess>();
        r.process->setProcessEnvironment(programEnvironment(r.shop->path(), r.runtime->path()));
        r.process->start(JXC_BIN, {});
        runs.push_back(std::move(r));
    }
    for (Run& r : runs) {
        SCOPED_TRACE(r.c->name);
        ASSERT_TRUE(r.process->waitForFinished(30000));
        EXPECT_EQ(r.process->exitCode(), 1);
        const QString said = QString::fromUtf8(r.process->readAllStandardError());
        EXPECT_EQ(said.count("[系统提示]"), 1) << said.toStdString();
        EXPECT_TRUE(said.contains(QDir::toNativeSeparators(QFileInfo(r.db).absoluteFilePath()))
                    || said.contains(QDir::toNativeSeparators(QFileInfo(r.db).absolutePath())))
            << said.toStdString();
        EXPECT_TRUE(said.contains(QString::fromUtf8(r.c->says))) << said.toStdString();
        EXPECT_EQ(fileDigest(r.db), r.digest);
        EXPECT_FALSE(QFile::exists(r.db + "-journal"));
        QFile::setPermissions(QFileInfo(r.db).absolutePath(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
}

TEST(Startup, ShopFolderLiesOutsideTheProgramsFolder)
{
    const QByteArray oldShop = qgetenv("JXC_SHOP_DIR");
    const QByteArray oldData = qgetenv("XDG_DATA_HOME");
    qunsetenv("JXC_SHOP_DIR");
    qputenv("XDG_DATA_HOME", "/home/shop/.local/share");
    EXPECT_EQ(defaultShopDir(), "/home/shop/.local/share/jxc");
    qputenv("JXC_SHOP_DIR", "/srv/shoes");
    EXPECT_EQ(defaultShopDir(), "/srv/shoes");
    oldShop.isNull() ? qunsetenv("JXC_SHOP_DIR") : qputenv("JXC_SHOP_DIR", oldShop);
    oldData.isNull() ? qunsetenv("XDG_DATA_HOME") : qputenv("XDG_DATA_HOME", oldData);
}

TEST(Startup, TheShopsReportFolderIsSeededWithoutOverwritingEditedTemplates)
{
    TestDb db;
    QTemporaryDir shipped;
    for (const char* name : {"cgjh.fr3", "cgth.fr3"}) {
        QFile f(shipped.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray("shipped ") + name);
    }
    QDir(db.dir()).mkpath("report");
    {
        QFile edited(shopPath("report/cgjh.fr3"));
        ASSERT_TRUE(edited.open(QIODevice::WriteOnly));
        edited.write("edited by the shop");
    }
    prepareShopFolder(shipped.path());
    QFile a(shopPath("report/cgjh.fr3")), b(shopPath("report/cgth.fr3"));
    ASSERT_TRUE(a.open(QIODevice::ReadOnly));
    ASSERT_TRUE(b.open(QIODevice::ReadOnly));
    EXPECT_EQ(a.readAll(), "edited by the shop");
    EXPECT_EQ(b.readAll(), "shipped cgth.fr3");
    EXPECT_EQ(Report::reportDir(), shopPath("report"));
}

}  // namespace
