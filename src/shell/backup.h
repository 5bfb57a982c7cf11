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
