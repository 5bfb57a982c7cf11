// Backup copies of the open database: automatic (every set number of hours) and at the end of
// the program. A copy is a consistent snapshot of the open database made through SQLite's
// online backup, named after the account set and the moment it was made.
#pragma once

#include <QDateTime>
#include <QString>

// The file a backup made at `moment` goes to: `folder` (a relative one inside the shop's folder)
// + account-set name +
// "yy_MM_dd_hh_mm_ss" + ".DAT". A folder typed with or without its closing separator gives the
// same path.
QString backupTargetPath(const QString& folder, const QString& accountSet, const QDateTime& moment);

// Copies the open database into the backup folder of jxc_backup (back_path). Returns the path
// written, or an empty text when no folder is set (nothing is copied then). A failed copy
// throws DbError with the reason.
QString copyDatabaseToBackupFolder();

// The safety copy made before the year-end closing, the data clearing and the wizard's resets:
// "系统数据库" + yy_MM_dd_hh_mm_ss + ".Dat" in the shop's folder. Returns the file written; a
// failed copy throws DbError with the reason.
QString makeSafetyCopy();
// The safety copy with its messages: "备份成功！备份文件保存在" + path, or after a failure the
// question whether to go on. False when the user chose not to go on.
class QWidget;
bool safetyCopyOrAsk(QWidget* parent);
