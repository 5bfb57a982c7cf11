// A connection to one SQLite database file, its result sets and transactions.
//
// Every statement of the program runs through a Database: the main database of the data
// module, or a separate one in tests and tools. Result sets are read whole into memory and
// the statement is finished at once; every value is kept as the text the rest of the program
// works with (see ResultSet).
#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <QHash>
#include <stdexcept>
#include <utility>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

// A failed statement or connection. `what()` carries the database's own text in UTF-8;
// `message()` the same as a QString, which is what the standard error box shows.
class DbError : public std::runtime_error {
public:
    explicit DbError(const QString& message, const QString& sql = QString());
    // A failure SQLite reported: its words, its extended result code and the database file.
    DbError(const QString& message, const QString& sql, int code, const QString& file);
    QString message() const { return m_message; }
    QString sql() const { return m_sql; }
    // SQLite's extended result code; 0 when the message is the program's own.
    int code() const { return m_code; }
    // The database file the failing statement ran on ("" when not known).
    QString file() const { return m_file; }

private:
    QString m_message;
    QString m_sql;
    int m_code = 0;
    QString m_file;
};

// Named or positional parameters of a statement: {":sn", value} or {"", value} for "?".
// A QVariant of no value binds NULL; bool binds 0/1; numbers bind as numbers; the rest as text.
using SqlParams = std::vector<std::pair<QString, QVariant>>;

// How a column's values turn into text.
enum class ColumnKind : unsigned char {
    Text,     // as stored
    Integer,  // shortest decimal
    Money,    // rounded to four decimals, shortest decimal ("12.5", "3", never "-0")
    Bit,      // "True" / "False"
    Float,    // a declared floating column: shortest round-trip decimal
    Expr      // no declared type (an expression): by the value's storage class
};

struct ResultColumn {
    QString name;
    ColumnKind kind = ColumnKind::Expr;
};

// A whole result, held as text. A NULL reads "", a bit column "True"/"False", a money
// column (or a real-valued expression) its value rounded to four decimals and written
// shortest, an integer its decimal text, a text column as stored.
class ResultSet {
public:
    int rowCount() const { return m_rows; }
    int columnCount() const { return m_columns.size(); }
    bool isEmpty() const { return m_rows == 0; }
    const QVector<ResultColumn>& columns() const { return m_columns; }
    QString columnName(int col) const { return m_columns.at(col).name; }
    // Index of a field by name, case-insensitive as Jet names are; -1 when absent.
    int columnIndex(const QString& name) const;

    const QString& text(int row, int col) const { return m_cells.at(row * m_columns.size() + col); }
    // The field's text; "" for a row or field that does not exist.
    QString text(int row, const QString& field) const;
    // The field's number; 0 for an empty or non-numeric text.
    double number(int row, const QString& field) const;

    // Building a result (used by the database and by readers of other sources).
    void setColumns(QVector<ResultColumn> columns);
    void appendRow(const QStringList& cells);
    void reserveRows(int rows) { m_cells.reserve(rows * m_columns.size()); }
    QVector<QString>& cells() { return m_cells; }
    void setRowCount(int rows) { m_rows = rows; }
    // Sets one cell in place (the grid's tick columns and in-place edits keep the loaded copy in step).
    void setText(int row, int col, const QString& value) { m_cells[row * m_columns.size() + col] = value; }

private:
    QVector<ResultColumn> m_columns;
    QVector<QString> m_cells;  // row-major
    int m_rows = 0;
    mutable QHash<QString, int> m_index;  // lower-case name -> column, built on first lookup
};

class Database {
public:
    Database() = default;
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Opens an existing file read-write. A missing or unreadable file throws; the file is never
    // created unless `create` is set (the bootstrap of a new database, tests).
    void open(const QString& path, bool create = false);
    void close();
    bool isOpen() const { return m_db != nullptr; }
    QString path() const { return m_path; }
    sqlite3* handle() const { return m_db; }

    // Runs one statement (or several separated by ";" when no parameters are given).
    // Returns the number of rows changed by the last statement.
    int exec(const QString& sql, const SqlParams& params = {});
    // Runs a query and reads its whole result.
    ResultSet query(const QString& sql, const SqlParams& params = {});
    // First field of the first row as text; "" when there is no row or the field is NULL.
    QString selectValue(const QString& sql, const SqlParams& params = {});
    qint64 lastInsertId() const;

    // Inserts one row with the given field values and returns its id (the "append a row" idiom).
    qint64 appendRow(const QString& table, const SqlParams& fields);

    bool tableExists(const QString& table);
    bool columnExists(const QString& table, const QString& column);
    bool inTransaction() const;

    // Consistent copy of the open database to `target` through SQLite's online backup.
    void backupTo(const QString& target);

    // Nesting depth of Transaction guards, kept by Transaction.
    int& transactionDepth() { return m_txDepth; }

private:
    sqlite3_stmt* prepare(const QString& sql, const QByteArray& utf8, const char** tail, bool cache);
    void release(sqlite3_stmt* stmt, bool cached);
    // Prepares (through the cache) and binds one statement; nullptr for an empty text.
    sqlite3_stmt* start(const QString& sql, const SqlParams& params);
    int execScript(const QString& sql, const QByteArray& utf8);
    void bind(sqlite3_stmt* stmt, const SqlParams& params, const QString& sql);
    [[noreturn]] void fail(const QString& sql) const;
    void clearCache();

    sqlite3* m_db = nullptr;
    QString m_path;
    QHash<QString, sqlite3_stmt*> m_cache;  // prepared statements by SQL text
    int m_txDepth = 0;
};

// All-or-nothing guard: everything done on the database between its creation and commit()
// is written together, or rolled back when the guard goes out of scope without commit()
// (an exception, an early return). Guards nest: an inner guard is a savepoint of the outer.
class Transaction {
public:
    explicit Transaction(Database& db);
    Transaction();  // on the main database of the data module
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();

private:
    void begin();
    Database& m_db;
    int m_level = 0;
    bool m_done = false;
};
