#include "shell/backup.h"

#include "data/clock.h"
#include "data/datamodule.h"
#include "data/globals.h"

#include <QDir>

QString backupTargetPath(const QString& folder, const QString& accountSet, const QDateTime& moment)
{
    // A relative folder lies inside the shop's folder.
    QString dir = QDir::isRelativePath(folder) ? shopPath(folder) : folder;
    // Folders stored by the program on another system end in a backslash.
    while (dir.size() > 1 && (dir.endsWith(QLatin1Char('/')) || dir.endsWith(QLatin1Char('\\'))))
        dir.chop(1);
    return dir + QLatin1Char('/') + accountSet + moment.toString(QStringLiteral("yy_MM_dd_hh_mm_ss"))
        + QStringLiteral(".DAT");
}

QString copyDatabaseToBackupFolder()
{
    const QString folder = selectValue(QStringLiteral("select back_path from jxc_backup")).trimmed();
    if (folder.isEmpty())
        return QString();
    const QString target = backupTargetPath(folder, accountSetName, Clock::now());
    mainDb().backupTo(target);
    return target;
}
