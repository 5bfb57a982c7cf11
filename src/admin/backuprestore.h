// Backups and restores of the shop's database on plain values: the stored backup settings, a
// backup made now and the restore of a chosen file. (The safety copy is shell/backup.h.)
#pragma once

#include <QString>

struct BackupSettings {
    bool autoBackup = false;
    int hours = 0;  // hours between automatic backups; 0 stores none
    QString folder;
    bool exitBackup = false;
};

// Replaces the one settings row. Refuses an empty folder ("备份路径必须填写！") and one longer
// than the column ("备份路径不能超过200个字符！"); "" when stored.
QString saveBackupSettings(const BackupSettings& settings);

// Copies the open database into `folder` under the account set's name and the time now.
// Returns the file written; a failed copy throws DbError with the reason.
QString backupNow(const QString& folder);

// Whether `path` holds a database of this system: it opens as SQLite, passes the integrity
// check and has the operator and role tables.
bool isRestorableDatabase(const QString& path);

// Replaces the open database by the file at `path`. The file is checked first; a copy made
// through the backup API beside the database is renamed into place (the database file is at
// every moment the old one or the new one whole; the old one stays beside it as
// "<name>.old"), reopened and checked, and any failure puts back and reopens the old file.
// Returns "" when restored, else the message to show.
QString restoreDatabase(const QString& path);
