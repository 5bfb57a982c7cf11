#include "shell/startup.h"

#include "data/clock.h"
#include "data/datamodule.h"
#include "platform/platform.h"
#include "shell/loading.h"
#include "shell/mainform.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>

namespace {
const char* const kInstanceName = "松岩鞋店进销存管理系统";
}

QString instanceLockPath()
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    return QDir(dir).filePath(QString::fromUtf8(kInstanceName) + QStringLiteral(".lock"));
}

QString shortDateFormat()
{
    QSettings s;
    return s.value(QStringLiteral("locale/shortDateFormat"),
                   QLocale::system().dateFormat(QLocale::ShortFormat))
        .toString();
}

bool checkDateFormat()
{
    const QDate today = Clock::today();
    if (today.toString(shortDateFormat()) == today.toString(QStringLiteral("yyyy-MM-dd")))
        return false;
    QSettings s;
    s.setValue(QStringLiteral("locale/dateSeparator"), QStringLiteral("-"));
    s.setValue(QStringLiteral("locale/shortDateFormat"), QStringLiteral("yyyy-MM-dd"));
    return true;
}

int runProgram(int argc, char** argv)
{
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("jxc"));
    QCoreApplication::setApplicationName(QStringLiteral("jxc"));

    // A second copy ends at once, silently.
    QLockFile lock(instanceLockPath());
    lock.setStaleLockTime(0);
    if (!lock.tryLock(0))
        return 0;

    initPlatform();

    {
        TF_Loading loading;
        loading.exec();
    }

    TF_MainForm mainForm;
    TF_DataModule dataModule;
    DataModule = &dataModule;
    dataModule.DataModuleCreate();

    mainForm.show();
    const int rc = app.exec();
    DataModule = nullptr;
    return rc;
}
