#include "data/datamodule.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>

TF_DataModule* DataModule = nullptr;
QString dbFileName;

namespace {
QString g_shopDir;
QString g_dataDir;
ErrorReporter g_reporter;
WorkbookReader g_workbookReader;
}  // namespace

TF_DataModule::TF_DataModule(QObject* parent) : QObject(parent)
{
    setObjectName(QStringLiteral("DataModule"));
    auto add = [this](NamedQuery*& member, const char* name, const char* sql, NamedQuery::Source source) {
        member = new NamedQuery(QString::fromUtf8(name), QString::fromUtf8(sql), source, this);
        m_queries.append(member);
        m_byName.insert(member->name().toLower(), member);
    };
#define JXC_QUERY(name, sql) add(name, #name, sql, NamedQuery::Source::Main);
#define JXC_EXCEL_QUERY(name, sql) add(name, #name, sql, NamedQuery::Source::Excel);
#include "data/namedqueries.def"
#undef JXC_QUERY
#undef JXC_EXCEL_QUERY
}

TF_DataModule::~TF_DataModule()
{
    if (DataModule == this)
        DataModule = nullptr;
}

void TF_DataModule::DataModuleCreate()
{
    try {
        connectDb(QStringLiteral("jxc.mdb"));
    } catch (const DbError& e) {
        reportDbError(e.message());
    }
}

NamedQuery* TF_DataModule::query(const QString& name) const
{
    return m_byName.value(name.toLower(), nullptr);
}

void TF_DataModule::closeAll()
{
    for (NamedQuery* q : std::as_const(m_queries))
        q->close();
}

Database& mainDb()
{
    if (!DataModule)
        throw DbError(QStringLiteral("数据模块尚未创建"));
    return DataModule->ADOConn;
}

QString shopDir()
{
    return g_shopDir.isEmpty() ? QCoreApplication::applicationDirPath() : g_shopDir;
}

void setShopDir(const QString& dir)
{
    g_shopDir = dir;
}

QString shopPath(const QString& relative)
{
    return QDir(shopDir()).filePath(relative);
}

QString dataDir()
{
    return g_dataDir.isEmpty() ? shopPath(QStringLiteral("data")) : g_dataDir;
}

void setDataDir(const QString& dir)
{
    g_dataDir = dir;
}

void setQuerySql(NamedQuery* query, const QString& sql)
{
    query->setSql(sql);
}

void openQuery(NamedQuery* query, const QString& sql)
{
    query->open(sql);
}

QString selectValue(const QString& sql, const SqlParams& params)
{
    return mainDb().selectValue(sql, params);
}

void execSql(const QString& sql, const SqlParams& params)
{
    mainDb().exec(sql, params);
}

ResultSet openSelect(const QString& sql, const SqlParams& params)
{
    return mainDb().query(sql, params);
}

void dropTable(const QString& table)
{
    try {
        Database& db = mainDb();
        if (db.tableExists(table))
            db.exec(QStringLiteral("drop table ") + table);
    } catch (const DbError&) {
        // A table that cannot be dropped is passed over, as a missing one is.
    }
}

void connectDb(const QString& fileName)
{
    if (!DataModule)
        throw DbError(QStringLiteral("数据模块尚未创建"));
    DataModule->closeAll();
    DataModule->ADOConn.close();
    DataModule->ADOConn.open(QDir(dataDir()).filePath(fileName));
    dbFileName = fileName;
}

void setExcelConn(const QString& path)
{
    if (!DataModule)
        return;
    DataModule->Q_Excel->close();
    DataModule->excelPath = path;
}

void closeExcelConn(const QString&)
{
    if (!DataModule)
        return;
    DataModule->Q_Excel->close();
    DataModule->excelPath.clear();
}

qint64 appendRow(const QString& table, const SqlParams& fields)
{
    return mainDb().appendRow(table, fields);
}

void saveSingleRow(const QString& table, const SqlParams& fields)
{
    QStringList assignments;
    for (const auto& field : fields)
        assignments << field.first + QStringLiteral("=:") + field.first;
    Transaction tx;
    if (mainDb().exec(QStringLiteral("update %1 set %2").arg(table, assignments.join(u',')), fields) == 0)
        appendRow(table, fields);
    tx.commit();
}

void setErrorReporter(ErrorReporter reporter)
{
    g_reporter = std::move(reporter);
}

void reportDbError(const QString& message)
{
    if (g_reporter)
        g_reporter(message);
    else
        qCritical("%s", qPrintable(message));
}

void setWorkbookReader(WorkbookReader reader)
{
    g_workbookReader = std::move(reader);
}

ResultSet readWorkbookQuery(const QString& path, const QString& sql)
{
    // "select * from [<sheet>$] ..." names the sheet; "where 1>2" asks for the headings only.
    static const QRegularExpression re(QStringLiteral("from\\s*\\[([^\\]]*)\\$\\]"),
                                       QRegularExpression::CaseInsensitiveOption);
    const auto m = re.match(sql);
    if (!m.hasMatch())
        throw DbError(QStringLiteral("无法识别的工作表查询"), sql);
    if (path.isEmpty())
        throw DbError(QStringLiteral("没有打开Excel文件"), sql);
    if (!g_workbookReader)
        throw DbError(QStringLiteral("没有可用的Excel读取程序"), sql);
    ResultSet rs = g_workbookReader(path, m.captured(1));
    if (sql.contains(QLatin1String("1>2"))) {
        ResultSet headings;
        headings.setColumns(rs.columns());
        return headings;
    }
    return rs;
}
