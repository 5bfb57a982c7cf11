#include "shell/backup.h"

#include "data/clock.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "platform/msgbox.h"

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

QString makeSafetyCopy()
{
    const QString target =
        shopPath(QStringLiteral("系统数据库") + Clock::now().toString(QStringLiteral("yy_MM_dd_hh_mm_ss")) + QStringLiteral(".Dat"));
    mainDb().backupTo(target);
    return target;
}

bool safetyCopyOrAsk(QWidget* parent)
{
    try {
        const QString path = makeSafetyCopy();
        msgInfo(QStringLiteral("备份成功！备份文件保存在") + path, parent);
        return true;
    } catch (const DbError& e) {
        return msgYesNo(QStringLiteral("数据库备份失败：") + e.message() + QStringLiteral("，是否继续？"), parent);
    }
}
