// The database layout: creating every table with its default rows, the two resets and the
// upgrade of an older layout. Each routine runs on the main database in one transaction.
#pragma once

#include <QString>
#include <QStringList>

class Database;

// Drops and recreates every table, each with its default rows: the 142 tables of the system
// and the label list jxc_txm, in the order of tableNames().
void createAllTables();
// Recreates the documents, ledgers, journals, scratch tables and the lists that depend on
// them; keeps goods and their sizes, colours, groups, brands, variant barcodes and stock,
// partners, operators, staff, warehouses, members and the main settings. The partners'
// balances are set to 0 with the ledger they came from.
void clearBusinessData();
// As clearBusinessData, and also recreates the warehouse and size-colour stock, the suppliers,
// the customers with their types and zones, and the members; every goods' stock becomes 0.
void clearDataKeepGoods();
// Brings a database whose party ledger jxc_ysyfk is missing or lacks gl_djh up to date: a new
// ledger with one opening row per supplier and customer with a balance, and the rights column
// wlzk on the roles. Does nothing on a current database.
void upgradeDb();

// Adds the indexes of the table definitions that a database made by an earlier version lacks
// (the tables it has; present indexes are left as they are). Cheap when nothing is missing.
void ensureIndexes();

// Writes a new database file at `path` with every table and default row (the file must not
// exist). Used by the bootstrap tool and by tests; does not touch the data module.
void createDatabaseFile(const QString& path);

// Every table createAllTables makes, in creation order.
const QStringList& tableNames();
// Drops `table` when it exists and creates it anew with its default rows, on `db` or on the
// main database. Throws DbError for a name that is not one of tableNames().
void createTable(Database& db, const QString& table);
void createTable(const QString& table);
