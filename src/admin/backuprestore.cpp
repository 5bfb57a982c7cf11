#include "admin/backuprestore.h"

#include "data/clock.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "shell/backup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <unistd.h>

namespace {

constexpr int kPathColumnLength = 200;

// The checks both the chosen file and the reopened database must pass.
bool looksWhole(Database& db)
{
    return db.selectValue(QStringLiteral("pragma integrity_check")) == QLatin1String("ok")
        && db.tableExists(QStringLiteral("jxc_admin")) && db.tableExists(QStringLiteral("jxc_role"));
}

bool renameOver(const QString& from, const QString& to)
{
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

}  // namespace

QString saveBackupSettings(const BackupSettings& s)
{
    const QString folder = s.folder.trimmed();
    if (folder.isEmpty())
        return QStringLiteral("备份路径必须填写！");
    if (folder.size() > kPathColumnLength)
        return QStringLiteral("备份路径不能超过200个字符！");
    Transaction tx;
    execSql(QStringLiteral("delete from jxc_backup"));
    execSql(QStringLiteral("insert into jxc_backup (back_auto,back_sj,back_path,back_exit) values (:a,:h,:p,:e)"),
            {{QStringLiteral(":a"), s.autoBackup ? 1 : 0},
             {QStringLiteral(":h"), s.hours > 0 ? QVariant(s.hours) : QVariant()},
             {QStringLiteral(":p"), folder},
             {QStringLiteral(":e"), s.exitBackup ? 1 : 0}});
    tx.commit();
    return {};
}

QString backupNow(const QString& folder)
{
    const QString target = backupTargetPath(folder.trimmed(), accountSetName, Clock::now());
    mainDb().backupTo(target);
    return target;
}

bool isRestorableDatabase(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return false;
    try {
        Database db;
        db.open(path);
        const bool ok = looksWhole(db);
        db.close();
        return ok;
    } catch (const DbError&) {
        return false;
    }
}

QString restoreDatabase(const QString& path)
{
    if (!isRestorableDatabase(path))
        return QStringLiteral("恢复文件不是有效的数据库文件，不能恢复！");
    const QString current = QDir(dataDir()).filePath(dbFileName);
    const QString incoming = current + QStringLiteral(".restore");
    const QString kept = current + QStringLiteral(".old");
    const QString failed = QStringLiteral("恢复数据库失败：");
    QFile::remove(incoming);
    try {
        Database source;
        source.open(path);
        source.backupTo(incoming);
        source.close();
    } catch (const DbError& e) {
        QFile::remove(incoming);
        return failed + e.message();
    }
    // The old file stays reachable under the kept name; the rename then swaps the new one in
    // at one stroke, so the database file is always one of them whole.
    DataModule->closeAll();
    mainDb().close();
    QFile::remove(kept);
    if (::link(QFile::encodeName(current).constData(), QFile::encodeName(kept).constData()) != 0
        && !QFile::copy(current, kept)) {
        QFile::remove(incoming);
        connectDb(dbFileName);
        return failed + QStringLiteral("不能保留当前的数据库文件。");
    }
    QString reason;
    if (!renameOver(incoming, current)) {
        reason = QStringLiteral("不能替换数据库文件。");
    } else {
        try {
            connectDb(dbFileName);
            if (!looksWhole(mainDb()))
                reason = QStringLiteral("恢复后的数据库没有通过检查。");
        } catch (const DbError& e) {
            reason = e.message();
        }
    }
    if (reason.isEmpty())
        return {};
    // Put the kept file back and reopen it.
    mainDb().close();
    QFile::remove(incoming);
    renameOver(kept, current);
    connectDb(dbFileName);
    return failed + reason;
}
