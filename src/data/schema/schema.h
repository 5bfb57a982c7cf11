// The database layout: creating every table with its default rows, the two resets and the
// upgrade of an older layout. Each routine runs on the main database in one transaction.
#pragma once

#include <QString>

void createAllTables();
void clearBusinessData();
void clearDataKeepGoods();
void upgradeDb();

// Writes a new database file at `path` with every table and default row (the file must not
// exist). Used by the bootstrap tool and by tests; leaves the data module as it found it.
void createDatabaseFile(const QString& path);
