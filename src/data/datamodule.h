// The data module: the program's connections, its named queries and the query routines that
// every window and routine uses.
#pragma once

#include "data/database.h"
#include "data/namedquery.h"

#include <QObject>
#include <functional>

class TF_DataModule : public QObject {
    Q_OBJECT
public:
    explicit TF_DataModule(QObject* parent = nullptr);
    ~TF_DataModule() override;

    // Checks "jxc.mdb" (databaseRefusal) and connects to it. A refusal or a failure goes to the
    // standard error box and leaves the main connection closed; returns whether it is open.
    bool DataModuleCreate();

    Database ADOConn;  // the main database

    // The Excel connection: the workbook being imported (read by the workbook reader).
    QString excelPath;

    // Every named query, by name.
    NamedQuery* query(const QString& name) const;
    const QList<NamedQuery*>& queries() const { return m_queries; }
    // Closes every named query (before the connection closes or the database is replaced).
    void closeAll();

#define JXC_QUERY(name, sql) NamedQuery* name = nullptr;
#define JXC_EXCEL_QUERY(name, sql) NamedQuery* name = nullptr;
#include "data/namedqueries.def"
#undef JXC_QUERY
#undef JXC_EXCEL_QUERY

private:
    QList<NamedQuery*> m_queries;
    QHash<QString, NamedQuery*> m_byName;
};

// The one data module of the program, created at start-up (tests create their own).
extern TF_DataModule* DataModule;
// The main database of the data module.
Database& mainDb();

// The file name of the open database inside the data folder ("jxc.mdb").
extern QString dbFileName;

// The shop's folder: everything the shop keeps and the user may change (data/ with the database,
// picture/, report/, the contract folders, note.rtf, backups by default). It lies where no build
// touches it: the folder named by the environment variable JXC_SHOP_DIR when set, else "jxc" in
// the user's data folder (~/.local/share/jxc). Tests and tools point it elsewhere.
QString shopDir();
QString defaultShopDir();
void setShopDir(const QString& dir);
// A path inside the shop's folder ("picture/100001.jpg").
QString shopPath(const QString& relative);

// Folder of the database ("<shop folder>/data" unless set); tests and tools may point it elsewhere.
QString dataDir();
void setDataDir(const QString& dir);

// ---- Query routines ----------------------------------------------------------------------
// Every routine throws DbError when its statement fails, except dropTable.

void setQuerySql(NamedQuery* query, const QString& sql);
void openQuery(NamedQuery* query, const QString& sql);
QString selectValue(const QString& sql, const SqlParams& params = {});
void execSql(const QString& sql, const SqlParams& params = {});
ResultSet openSelect(const QString& sql, const SqlParams& params = {});
// Removes a table; a table that does not exist is passed over silently.
void dropTable(const QString& table);
// Closes the main connection and opens `dataDir()/fileName` (never creating it).
void connectDb(const QString& fileName);
// Why the database file at `path` cannot be used, as one Chinese refusal naming the file and
// what to do; "" when it can. Refused: a missing file, a file or folder that cannot be written,
// a damaged file (quick check) and a database without this system's tables. Nothing is written
// to the file.
QString databaseRefusal(const QString& path);
// Points the Excel connection at a workbook; nothing is read until a query on it opens.
void setExcelConn(const QString& path);
void closeExcelConn(const QString& ignored = QString());
// Appends one row to a table and returns its id.
qint64 appendRow(const QString& table, const SqlParams& fields);
// Writes the given fields of a table that holds one row (the company, the settings): updated
// in place, so the fields not given keep their values; inserted when the table is empty.
void saveSingleRow(const QString& table, const SqlParams& fields);

// ---- Hooks the layers above install -------------------------------------------------------

// Shows a database error to the user (the standard error box). Without a hook: qCritical.
using ErrorReporter = std::function<void(const QString& message)>;
void setErrorReporter(ErrorReporter reporter);
void reportDbError(const QString& message);

// Reads one sheet of a workbook ("select * from [<sheet>$]") into a result set.
// Installed by the workbook layer; throws DbError with the reader's message on failure.
using WorkbookReader = std::function<ResultSet(const QString& path, const QString& sheet)>;
void setWorkbookReader(WorkbookReader reader);
ResultSet readWorkbookQuery(const QString& path, const QString& sql);
