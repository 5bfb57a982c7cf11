#include "data/datamodule.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

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

bool TF_DataModule::DataModuleCreate()
{
    const QString fileName = QStringLiteral("jxc.mdb");
    const QString refusal = databaseRefusal(QDir(dataDir()).filePath(fileName));
    if (!refusal.isEmpty()) {
        reportDbError(refusal);
        return false;
    }
    try {
        connectDb(fileName);
    } catch (const DbError& e) {
        reportDbError(e.message());
    }
    return ADOConn.isOpen();
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

QString defaultShopDir()
{
    const QString named = qEnvironmentVariable("JXC_SHOP_DIR");
    if (!named.isEmpty())
        return QDir(named).absolutePath();
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)).filePath(QStringLiteral("jxc"));
}

QString shopDir()
{
    return g_shopDir.isEmpty() ? defaultShopDir() : g_shopDir;
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

namespace {

// Whether a file or folder can be written: by this user, and not marked read-only (a copy from a
// disc keeps no write bit; the system administrator could still write it, the shop must not).
bool writable(const QString& path)
{
    const QByteArray native = QFile::encodeName(path);
    struct stat st {};
    if (::stat(native.constData(), &st) != 0)
        return false;
    if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        return false;
    return ::access(native.constData(), W_OK) == 0;
}

// Tables every database of this system holds, whatever its age.
const char* const kCoreTables[] = {"jxc_admin", "jxc_role", "jxc_company", "jxc_xtcs", "jxc_skin", "jxc_goods"};

}  // namespace

QString databaseRefusal(const QString& path)
{
    const QString file = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    const QString restore = QStringLiteral("请用最近的备份替换这个文件（把备份文件复制为这个文件），然后重新启动程序。");
    const QFileInfo info(path);
    if (!info.exists())
        return QStringLiteral("找不到数据库文件“%1”，程序无法启动。\n\n"
                              "请把数据库的备份复制到这个位置（文件名 jxc.mdb），然后重新启动程序；"
                              "第一次使用时，请运行 run.sh 建立新的数据库。")
            .arg(file);
    if (!info.isFile())
        return QStringLiteral("数据库“%1”不是一个文件，程序无法启动。\n\n%2").arg(file, restore);
    if (!writable(path))
        return QStringLiteral("数据库文件“%1”是只读的，程序无法在其中保存数据，因此不能启动。\n\n"
                              "请取消这个文件的只读属性，或者把它复制到可以写入的文件夹，然后重新启动程序。")
            .arg(file);
    const QString folder = QDir::toNativeSeparators(info.absolutePath());
    if (!writable(info.absolutePath()))
        return QStringLiteral("数据库所在的文件夹“%1”不能写入（保存数据时程序要在其中建立临时文件），"
                              "程序无法启动。\n\n请给这个文件夹写入权限，然后重新启动程序。")
            .arg(folder);

    Database db;
    try {
        db.open(path);
        if (sqlite3_db_readonly(db.handle(), "main") == 1)
            return QStringLiteral("数据库文件“%1”只能读取、不能写入，程序无法启动。\n\n"
                                  "请取消这个文件的只读属性，然后重新启动程序。")
                .arg(file);
        // Read before anything writes: a truncated or damaged file shows here.
        const ResultSet check = db.query(QStringLiteral("pragma quick_check"));
        if (check.rowCount() != 1 || check.text(0, 0) != QLatin1String("ok"))
            return QStringLiteral("数据库文件“%1”已损坏，程序无法启动。\n\n%2\n\n数据库的提示：%3")
                .arg(file, restore, check.rowCount() > 0 ? check.text(0, 0) : QString());
        for (const char* table : kCoreTables)
            if (!db.tableExists(QString::fromLatin1(table)))
                return QStringLiteral("文件“%1”不是本系统的数据库（其中没有数据表 %2），程序无法启动。\n\n%3")
                    .arg(file, QString::fromLatin1(table), restore);
    } catch (const DbError& e) {
        // The database's own words, without the file name the opening put before them.
        QString words = e.message();
        const int named = words.lastIndexOf(QStringLiteral("”："));
        if (named >= 0)
            words = words.mid(named + 2);
        return QStringLiteral("数据库文件“%1”已损坏或不是数据库，程序无法启动。\n\n%2\n\n数据库的提示：%3")
            .arg(file, restore, words);
    }
    return QString();
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
