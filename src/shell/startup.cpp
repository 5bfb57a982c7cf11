#include "shell/startup.h"

#include "data/clock.h"
#include "data/datamodule.h"
#include "platform/msgbox.h"
#include "platform/platform.h"
#include "shell/loading.h"
#include "shell/mainform.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>
#include <cstdio>

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

void prepareShopFolder(const QString& shippedReports)
{
    const QString target = shopPath(QStringLiteral("report"));
    QDir().mkpath(target);
    const QDir from(shippedReports);
    for (const QString& name : from.entryList(QDir::Files)) {
        const QString copy = QDir(target).filePath(name);
        if (!QFile::exists(copy) && QFile::copy(from.filePath(name), copy))
            QFile::setPermissions(copy, QFile::permissions(copy) | QFile::WriteOwner);
    }
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
    // Without a screen nobody sees a box: what the program says goes to its error output.
    if (isHeadless())
        setMsgObserver([](const MsgRecord& r) {
            if (!r.text.isEmpty() && r.kind != MsgKind::OpenFile && r.kind != MsgKind::SaveFile)
                std::fprintf(stderr, "[%s] %s\n", qUtf8Printable(r.title), qUtf8Printable(r.text));
        });

    {
        TF_Loading loading;
        loading.exec();
    }

    TF_MainForm mainForm;
    TF_DataModule dataModule;
    DataModule = &dataModule;
    // A database that cannot be used was refused in one box: the program ends, nothing written.
    if (!dataModule.DataModuleCreate()) {
        DataModule = nullptr;
        return 1;
    }
    prepareShopFolder(QDir(programDir()).filePath(QStringLiteral("report")));

    mainForm.show();
    const int rc = app.exec();
    DataModule = nullptr;
    return rc;
}
