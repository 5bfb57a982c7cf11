#include "data/database.h"

#include "data/datamodule.h"
#include "data/sqlfunctions.h"
#include "data/values.h"

#include <QFileInfo>
#include <sqlite3.h>

#include <cstring>
#include <string>

DbError::DbError(const QString& message, const QString& sql)
    : std::runtime_error(message.toStdString()), m_message(message), m_sql(sql)
{
}

DbError::DbError(const QString& message, const QString& sql, int code, const QString& file)
    : std::runtime_error(message.toStdString()), m_message(message), m_sql(sql), m_code(code), m_file(file)
{
}

// ---- ResultSet -----------------------------------------------------------------------------

int ResultSet::columnIndex(const QString& name) const
{
    if (m_index.isEmpty() && !m_columns.isEmpty()) {
        for (int i = m_columns.size() - 1; i >= 0; --i)  // the first of equal names wins
            m_index.insert(m_columns.at(i).name.toLower(), i);
    }
    return m_index.value(name.toLower(), -1);
}

QString ResultSet::text(int row, const QString& field) const
{
    const int col = columnIndex(field);
    if (col < 0 || row < 0 || row >= m_rows)
        return QString();
    return text(row, col);
}

double ResultSet::number(int row, const QString& field) const
{
    return textToDouble(text(row, field));
}

void ResultSet::setColumns(QVector<ResultColumn> columns)
{
    m_columns = std::move(columns);
    m_index.clear();
    m_cells.clear();
    m_rows = 0;
}

void ResultSet::appendRow(const QStringList& cells)
{
    for (int c = 0; c < m_columns.size(); ++c)
        m_cells.append(c < cells.size() ? cells.at(c) : QString());
    ++m_rows;
}

// ---- Database ------------------------------------------------------------------------------

namespace {

constexpr int kCacheLimit = 128;

ColumnKind kindOfDecl(const char* decl)
{
    if (!decl)
        return ColumnKind::Expr;
    const QByteArray d = QByteArray(decl).toLower();
    if (d.startsWith("money") || d.startsWith("currency"))
        return ColumnKind::Money;
    if (d.startsWith("bit"))
        return ColumnKind::Bit;
    if (d.contains("int"))
        return ColumnKind::Integer;
    if (d.contains("real") || d.contains("floa") || d.contains("doub"))
        return ColumnKind::Float;
    return ColumnKind::Text;
}

inline QString textOf(sqlite3_stmt* st, int col)
{
    const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(st, col));
    return QString::fromUtf8(p, sqlite3_column_bytes(st, col));
}

// Zero, the commonest value of a summary's columns, as static text: no allocation per cell.
inline QString integerText(sqlite3_int64 v)
{
    return v == 0 ? QStringLiteral("0") : QString::number(v);
}

QString valueText(sqlite3_stmt* st, int col, ColumnKind kind)
{
    const int type = sqlite3_column_type(st, col);
    if (type == SQLITE_NULL)
        return QString();
    switch (kind) {
    case ColumnKind::Bit:
        if (type == SQLITE_INTEGER || type == SQLITE_FLOAT)
            return sqlite3_column_double(st, col) != 0 ? QStringLiteral("True") : QStringLiteral("False");
        break;
    case ColumnKind::Float:
        if (type == SQLITE_FLOAT)
            return floatText(sqlite3_column_double(st, col));
        break;
    case ColumnKind::Text:
    case ColumnKind::Integer:
    case ColumnKind::Money:
    case ColumnKind::Expr:
        break;
    }
    switch (type) {
    case SQLITE_INTEGER:
        return integerText(sqlite3_column_int64(st, col));
    case SQLITE_FLOAT:
        return moneyText(sqlite3_column_double(st, col));
    default:
        return textOf(st, col);
    }
}

}  // namespace

Database::~Database()
{
    close();
}

void Database::open(const QString& path, bool create)
{
    close();
    if (!create && !QFileInfo(path).isFile())
        throw DbError(QStringLiteral("找不到数据库文件“%1”，或者它不是一个文件。").arg(path));
    int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_FULLMUTEX;
    if (create)
        flags |= SQLITE_OPEN_CREATE;
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &db, flags, nullptr);
    if (rc != SQLITE_OK) {
        const QString msg = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QStringLiteral("out of memory");
        sqlite3_close(db);
        throw DbError(QStringLiteral("无法打开数据库“%1”：%2").arg(path, msg));
    }
    m_db = db;
    m_path = path;
    sqlite3_extended_result_codes(m_db, 1);
    sqlite3_busy_timeout(m_db, 5000);
    try {
        // Reading the schema proves the file is a database before anything else runs.
        query(QStringLiteral("select count(*) from sqlite_master"));
        exec(QStringLiteral("pragma journal_mode=delete"));
        exec(QStringLiteral("pragma foreign_keys=off"));
        // Sorts and groupings of the large lists stay in memory instead of spilling to temporary files.
        exec(QStringLiteral("pragma temp_store=memory"));
        exec(QStringLiteral("pragma cache_size=-65536"));
        registerSqlFunctions(m_db);
    } catch (const DbError& e) {
        close();
        throw DbError(QStringLiteral("无法打开数据库“%1”：%2").arg(path, e.message()));
    }
}

void Database::close()
{
    if (!m_db)
        return;
    clearCache();
    sqlite3_close_v2(m_db);
    m_db = nullptr;
    m_txDepth = 0;
}

void Database::clearCache()
{
    for (sqlite3_stmt* st : std::as_const(m_cache))
        sqlite3_finalize(st);
    m_cache.clear();
}

void Database::fail(const QString& sql) const
{
    if (!m_db)
        throw DbError(QStringLiteral("数据库没有连接"), sql);
    throw DbError(QString::fromUtf8(sqlite3_errmsg(m_db)), sql, sqlite3_extended_errcode(m_db), m_path);
}

sqlite3_stmt* Database::prepare(const QString& sql, const QByteArray& utf8, const char** tail, bool cache)
{
    if (!m_db)
        throw DbError(QStringLiteral("数据库没有连接"), sql);
    if (cache) {
        if (sqlite3_stmt* st = m_cache.value(sql, nullptr))
            return st;
    }
    sqlite3_stmt* st = nullptr;
    const int rc = sqlite3_prepare_v3(m_db, utf8.constData(), int(utf8.size()),
                                      cache ? SQLITE_PREPARE_PERSISTENT : 0, &st, tail);
    if (rc != SQLITE_OK) {
        sqlite3_finalize(st);
        fail(sql);
    }
    if (cache && st) {
        if (m_cache.size() >= kCacheLimit)
            clearCache();
        m_cache.insert(sql, st);
    }
    return st;
}

void Database::release(sqlite3_stmt* stmt, bool cached)
{
    if (!stmt)
        return;
    if (cached) {
        sqlite3_reset(stmt);
        sqlite3_clear_bindings(stmt);
    } else {
        sqlite3_finalize(stmt);
    }
}

void Database::bind(sqlite3_stmt* st, const SqlParams& params, const QString& sql)
{
    int positional = 0;
    for (const auto& [name, value] : params) {
        int idx;
        if (name.isEmpty()) {
            idx = ++positional;
        } else {
            const QByteArray n = (name.startsWith(u':') ? name : QLatin1Char(':') + name).toUtf8();
            idx = sqlite3_bind_parameter_index(st, n.constData());
            if (idx == 0)
                throw DbError(QStringLiteral("语句中没有参数 %1").arg(name), sql);
        }
        int rc;
        if (!value.isValid() || value.isNull()) {
            rc = sqlite3_bind_null(st, idx);
        } else {
            switch (value.metaType().id()) {
            case QMetaType::Bool:
                rc = sqlite3_bind_int(st, idx, value.toBool() ? 1 : 0);
                break;
            case QMetaType::Int:
            case QMetaType::UInt:
            case QMetaType::LongLong:
            case QMetaType::ULongLong:
            case QMetaType::Long:
            case QMetaType::Short:
                rc = sqlite3_bind_int64(st, idx, value.toLongLong());
                break;
            case QMetaType::Double:
            case QMetaType::Float:
                rc = sqlite3_bind_double(st, idx, value.toDouble());
                break;
            default: {
                const QByteArray t = value.toString().toUtf8();
                rc = sqlite3_bind_text(st, idx, t.constData(), int(t.size()), SQLITE_TRANSIENT);
            }
            }
        }
        if (rc != SQLITE_OK)
            fail(sql);
    }
}

int Database::exec(const QString& sql, const SqlParams& params)
{
    const QByteArray utf8 = sql.toUtf8();
    const char* tail = nullptr;
    sqlite3_stmt* st = prepare(sql, utf8, &tail, true);
    if (st && tail && !QByteArray(tail).trimmed().isEmpty()) {
        // Several statements in one text: run them one after another, uncached.
        m_cache.remove(sql);
        sqlite3_finalize(st);
        if (!params.empty())
            throw DbError(QStringLiteral("带参数的语句只能有一条"), sql);
        return execScript(sql, utf8);
    }
    if (!st)
        return 0;
    try {
        bind(st, params, sql);
    } catch (...) {
        release(st, true);
        throw;
    }
    int rc;
    while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
    }
    release(st, true);
    if (rc != SQLITE_DONE)
        fail(sql);
    return sqlite3_changes(m_db);
}

int Database::execScript(const QString& sql, const QByteArray& utf8)
{
    const char* start = utf8.constData();
    const char* end = start + utf8.size();
    while (start < end) {
        sqlite3_stmt* st = nullptr;
        const char* tail = nullptr;
        if (sqlite3_prepare_v2(m_db, start, int(end - start), &st, &tail) != SQLITE_OK) {
            sqlite3_finalize(st);
            fail(sql);
        }
        if (st) {
            int rc;
            while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
            }
            sqlite3_finalize(st);
            if (rc != SQLITE_DONE)
                fail(sql);
        }
        start = tail;
    }
    return sqlite3_changes(m_db);
}

sqlite3_stmt* Database::start(const QString& sql, const SqlParams& params)
{
    const QByteArray utf8 = sql.toUtf8();
    const char* tail = nullptr;
    sqlite3_stmt* st = prepare(sql, utf8, &tail, true);
    if (!st)
        return nullptr;
    try {
        bind(st, params, sql);
    } catch (...) {
        release(st, true);
        throw;
    }
    return st;
}

ResultSet Database::query(const QString& sql, const SqlParams& params)
{
    ResultSet rs;
    sqlite3_stmt* st = start(sql, params);
    if (!st)
        return rs;
    const int n = sqlite3_column_count(st);
    QVector<ResultColumn> cols(n);
    QVector<ColumnKind> kinds(n);
    for (int c = 0; c < n; ++c) {
        cols[c].name = QString::fromUtf8(sqlite3_column_name(st, c));
        cols[c].kind = kinds[c] = kindOfDecl(sqlite3_column_decltype(st, c));
    }
    rs.setColumns(std::move(cols));
    QVector<QString>& cells = rs.cells();
    // Long lists repeat most of their cells column by column (kinds, names, warehouses, zeros): a cell equal to the
    // one above shares its text instead of building and later freeing another copy.
    struct Above {
        int type = SQLITE_NULL;
        std::string raw;  // reused buffer: a new value costs no allocation beyond its text
        QString text;
    };
    QVector<Above> above(n);
    int rows = 0;
    int rc;
    while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
        for (int c = 0; c < n; ++c) {
            Above& a = above[c];
            const int type = sqlite3_column_type(st, c);
            const char* p;
            int len;
            sqlite3_int64 i;
            double d;
            switch (type) {
            case SQLITE_INTEGER:
                i = sqlite3_column_int64(st, c);
                p = reinterpret_cast<const char*>(&i);
                len = sizeof i;
                break;
            case SQLITE_FLOAT:
                d = sqlite3_column_double(st, c);
                p = reinterpret_cast<const char*>(&d);
                len = sizeof d;
                break;
            case SQLITE_NULL:
                p = nullptr;
                len = 0;
                break;
            default:
                p = reinterpret_cast<const char*>(sqlite3_column_text(st, c));
                len = sqlite3_column_bytes(st, c);
                break;
            }
            if (rows > 0 && type == a.type && size_t(len) == a.raw.size() && (len == 0 || std::memcmp(p, a.raw.data(), len) == 0)) {
                cells.append(a.text);
                continue;
            }
            a.type = type;
            if (len > 0)
                a.raw.assign(p, size_t(len));
            else
                a.raw.clear();
            a.text = valueText(st, c, kinds[c]);
            cells.append(a.text);
        }
        ++rows;
    }
    release(st, true);
    if (rc != SQLITE_DONE)
        fail(sql);
    rs.setRowCount(rows);
    return rs;
}

QString Database::selectValue(const QString& sql, const SqlParams& params)
{
    sqlite3_stmt* st = start(sql, params);
    if (!st)
        return QString();
    QString value;
    const int rc = sqlite3_step(st);
    if (rc == SQLITE_ROW && sqlite3_column_count(st) > 0)
        value = valueText(st, 0, kindOfDecl(sqlite3_column_decltype(st, 0)));
    release(st, true);
    if (rc != SQLITE_ROW && rc != SQLITE_DONE)
        fail(sql);
    return value;
}

qint64 Database::lastInsertId() const
{
    return m_db ? sqlite3_last_insert_rowid(m_db) : 0;
}

qint64 Database::appendRow(const QString& table, const SqlParams& fields)
{
    QStringList names;
    QStringList marks;
    SqlParams values;
    values.reserve(fields.size());
    for (const auto& [name, value] : fields) {
        names << name;
        marks << QStringLiteral("?");
        values.emplace_back(QString(), value);
    }
    exec(QStringLiteral("insert into %1 (%2) values (%3)").arg(table, names.join(u','), marks.join(u',')),
         values);
    return lastInsertId();
}

bool Database::tableExists(const QString& table)
{
    return !selectValue(QStringLiteral("select name from sqlite_master where type='table' and name=? collate nocase"),
                        {{QString(), table}})
                .isEmpty();
}

bool Database::columnExists(const QString& table, const QString& column)
{
    const ResultSet rs = query(QStringLiteral("select name from pragma_table_info(?)"), {{QString(), table}});
    for (int r = 0; r < rs.rowCount(); ++r)
        if (rs.text(r, 0).compare(column, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

bool Database::inTransaction() const
{
    return m_db && !sqlite3_get_autocommit(m_db);
}

void Database::backupTo(const QString& target)
{
    if (!m_db)
        throw DbError(QStringLiteral("数据库没有连接"));
    sqlite3* dest = nullptr;
    if (sqlite3_open_v2(target.toUtf8().constData(), &dest, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                        nullptr) != SQLITE_OK) {
        const QString msg = dest ? QString::fromUtf8(sqlite3_errmsg(dest)) : QStringLiteral("out of memory");
        sqlite3_close(dest);
        throw DbError(QStringLiteral("无法写入备份文件“%1”：%2").arg(target, msg));
    }
    sqlite3_backup* b = sqlite3_backup_init(dest, "main", m_db, "main");
    int rc = SQLITE_ERROR;
    if (b) {
        rc = sqlite3_backup_step(b, -1);
        sqlite3_backup_finish(b);
    }
    const QString msg = QString::fromUtf8(sqlite3_errmsg(dest));
    sqlite3_close(dest);
    if (rc != SQLITE_DONE)
        throw DbError(QStringLiteral("备份到“%1”失败：%2").arg(target, msg));
}

// ---- Transaction ---------------------------------------------------------------------------

Transaction::Transaction(Database& db) : m_db(db)
{
    begin();
}

Transaction::Transaction() : m_db(mainDb())
{
    begin();
}

void Transaction::begin()
{
    int& depth = m_db.transactionDepth();
    if (depth == 0 && m_db.inTransaction())
        throw DbError(QStringLiteral("另一个事务尚未结束"));
    m_level = depth + 1;
    if (m_level == 1)
        m_db.exec(QStringLiteral("begin immediate"));
    else
        m_db.exec(QStringLiteral("savepoint jxc_sp%1").arg(m_level));
    depth = m_level;
}

void Transaction::commit()
{
    if (m_done)
        return;
    if (m_level == 1)
        m_db.exec(QStringLiteral("commit"));
    else
        m_db.exec(QStringLiteral("release jxc_sp%1").arg(m_level));
    m_done = true;
    m_db.transactionDepth() = m_level - 1;
}

Transaction::~Transaction()
{
    if (m_done || !m_db.isOpen())
        return;
    try {
        if (m_level == 1) {
            if (m_db.inTransaction())
                m_db.exec(QStringLiteral("rollback"));
        } else {
            m_db.exec(QStringLiteral("rollback to jxc_sp%1").arg(m_level));
            m_db.exec(QStringLiteral("release jxc_sp%1").arg(m_level));
        }
    } catch (const DbError&) {
        // The database already ended the transaction itself (a fatal error); nothing to undo.
    }
    m_db.transactionDepth() = m_level - 1;
}
