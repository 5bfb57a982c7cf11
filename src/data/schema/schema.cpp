#include "data/schema/schema.h"

#include "data/clock.h"
#include "data/datamodule.h"
#include "data/schema/tables.h"

#include <QFile>
#include <QHash>

namespace {

// What the resets do with a table.
enum class Keep : unsigned char {
    Never,     // recreated by both resets
    Business,  // kept by clearBusinessData, recreated by clearDataKeepGoods
    Always     // kept by both resets
};

struct Entry {
    const char* name;
    Keep keep;
};

using enum Keep;

// Every table in creation order. The resets keep what kept goods depend on: the sizes, colours
// and their groups, the brands and the variant barcodes are kept with the goods, and the
// size-colour stock jxc_tkc goes exactly when the warehouse stock jxc_kcsp goes.
const Entry kOrder[] = {
    {"jxc_skin", Always}, {"jxc_goodsclass", Always}, {"jxc_goods", Always}, {"jxc_color", Always},
    {"jxc_dw", Always}, {"jxc_ggxh", Always}, {"jxc_ckxx", Always}, {"jxc_kcsp", Business},
    {"jxc_goodstmp", Never}, {"jxc_ghsxx", Business}, {"jxc_goodsprice", Never}, {"jxc_import", Always},
    {"jxc_importchk", Never}, {"jxc_importdata", Never}, {"jxc_goodsremind", Never}, {"jxc_ghstype", Business},
    {"jxc_zone", Business}, {"jxc_ghsfk", Never}, {"jxc_khxx", Business}, {"jxc_khtype", Business},
    {"jxc_khfk", Never}, {"jxc_user", Always}, {"jxc_admin", Always}, {"jxc_company", Always},
    {"jxc_goodslist", Never}, {"jxc_djbz", Never}, {"jxc_jhsp", Never}, {"jxc_jhd", Never},
    {"jxc_tempspbd", Never}, {"jxc_tempspxf", Never}, {"jxc_tempyyfx", Never}, {"jxc_xjyh", Never},
    {"jxc_shdj", Never}, {"jxc_shsp", Never}, {"jxc_ghsbj", Never}, {"jxc_thd", Never}, {"jxc_thsp", Never},
    {"jxc_log", Never}, {"jxc_fkfs", Never}, {"jxc_fkmx", Never}, {"jxc_lsxssp", Never}, {"jxc_lsxsd", Never},
    {"jxc_xsthsp", Never}, {"jxc_xsthd", Never}, {"jxc_khbj", Never}, {"jxc_lsxssptemp", Never},
    {"jxc_hyfl", Always}, {"jxc_hyxx", Business}, {"jxc_hyjbxx", Always}, {"jxc_posxsd", Never},
    {"jxc_posxssp", Never}, {"jxc_jfsz", Never}, {"jxc_jfdh", Never}, {"jxc_posprint", Always},
    {"jxc_gnb", Always}, {"jxc_posfont", Always}, {"jxc_yhzh", Never}, {"jxc_kcdbd", Never},
    {"jxc_dbsp", Never}, {"jxc_cfd", Never}, {"jxc_cfsp", Never}, {"jxc_kbd", Never}, {"jxc_kbsp", Never},
    {"jxc_yyfy", Never}, {"jxc_cfsptmp", Never}, {"jxc_bsd", Never}, {"jxc_bssp", Never}, {"jxc_byd", Never},
    {"jxc_bysp", Never}, {"jxc_kcpd", Never}, {"jxc_kcpdtemp", Never}, {"jxc_ckjth", Never},
    {"jxc_kcjs", Never}, {"jxc_htgl", Never}, {"jxc_khhtgl", Never}, {"jxc_ghslx", Never}, {"jxc_khlx", Never},
    {"jxc_ywyrz", Never}, {"jxc_jhgl", Never}, {"jxc_tx", Never}, {"jxc_fylx", Never}, {"jxc_zcmx", Never},
    {"jxc_gdzc", Never}, {"jxc_backup", Always}, {"jxc_fd", Never}, {"jxc_lsfdxx", Never}, {"jxc_nj", Never},
    {"jxc_tm", Always}, {"jxc_tmdy", Never}, {"jxc_role", Always}, {"jxc_mryt", Always}, {"jxc_jbgl", Never},
    {"jxc_xtcs", Always}, {"jxc_txdisp", Never}, {"jxc_dxdz", Never}, {"jxc_czxf", Never},
    {"jxc_postable", Never}, {"jxc_posthsp", Never}, {"jxc_posthd", Never}, {"jxc_hyxssp", Never},
    {"jxc_hyxsd", Never}, {"jxc_poskx", Never}, {"jxc_dhd", Never}, {"jxc_dhzp", Never}, {"jxc_crk", Never},
    {"jxc_rjd", Never}, {"jxc_rjsp", Never}, {"jxc_sptjtmp", Never}, {"jxc_sptjb", Never},
    {"jxc_tkc", Business}, {"jxc_zpxx", Never}, {"jxc_zpjh", Never}, {"jxc_zsd", Never}, {"jxc_zszp", Never},
    {"jxc_colorz", Always}, {"jxc_cm", Always}, {"jxc_cmz", Always}, {"jxc_ppcs", Always},
    {"jxc_colorz2", Always}, {"jxc_cmz2", Always}, {"jxc_hyyh", Never}, {"jxc_hyzdy", Never},
    {"jxc_hycs", Never}, {"jxc_hycstmp", Never}, {"jxc_hycsjl", Never}, {"jxc_hyxf", Never},
    {"jxc_hyzp", Never}, {"jxc_jhspmx", Never}, {"jxc_shspmx", Never}, {"jxc_thspmx", Never},
    {"jxc_lsxsspmx", Never}, {"jxc_xsthspmx", Never}, {"jxc_dbspmx", Never}, {"jxc_byspmx", Never},
    {"jxc_bsspmx", Never}, {"jxc_goodslistmx", Never}, {"jxc_jhglmx", Never}, {"jxc_tempspxfmx", Never},
    {"jxc_posxsspmx", Never}, {"jxc_kbspmx", Never}, {"jxc_kcpdmx", Never}, {"jxc_ysyfk", Never},
    {"jxc_txm", Always},
};

QString columnSql(const ColumnDef& col)
{
    QString sql = QString::fromLatin1(col.name) + QLatin1Char(' ');
    switch (col.type) {
    case ColumnType::Counter:
        sql += QLatin1String("integer primary key autoincrement");
        break;
    case ColumnType::Varchar:
        sql += QStringLiteral("varchar(%1)").arg(col.width);
        if (col.notNull)
            sql += QLatin1String(" not null");
        sql += QLatin1String(" collate nocase");
        break;
    case ColumnType::Text:
        sql += QLatin1String("text collate nocase");
        break;
    case ColumnType::Money:
        sql += QLatin1String("money real");  // REAL affinity; read back as money by the "money" prefix
        break;
    case ColumnType::Int:
        sql += QLatin1String("integer");
        break;
    case ColumnType::Bit:
        sql += QLatin1String("bit not null default 0");
        break;
    case ColumnType::DateTime:
        sql += QLatin1String("datetime text");
        break;
    }
    return sql;
}

QString createSql(const TableDef& table)
{
    QStringList cols;
    for (const ColumnDef& col : table.columns)
        cols << columnSql(col);
    return QStringLiteral("create table %1 (%2)").arg(QLatin1String(table.name), cols.join(QLatin1String(", ")));
}

// Triggers that keep every money column exact to four decimals after any insert or update.
// Recursive triggers are off, so the trigger's own update does not fire it again.
QStringList moneyTriggerSql(const TableDef& table)
{
    QStringList money;
    for (const ColumnDef& col : table.columns)
        if (col.type == ColumnType::Money)
            money << QLatin1String(col.name);
    if (money.isEmpty())
        return {};
    QStringList sets;
    QStringList tests;
    for (const QString& m : std::as_const(money)) {
        sets << QStringLiteral("%1=round(%1,4)").arg(m);
        tests << QStringLiteral("new.%1<>round(new.%1,4)").arg(m);
    }
    const QString name = QLatin1String(table.name);
    const QString body = QStringLiteral(" for each row when %1 begin update %2 set %3 where rowid=new.rowid; end")
                             .arg(tests.join(QLatin1String(" or ")), name, sets.join(QLatin1Char(',')));
    const QString updated = money.join(QLatin1Char(','));
    return {QStringLiteral("create trigger %1_money_ins after insert on %1").arg(name) + body,
            QStringLiteral("create trigger %1_money_upd after update of %2 on %1").arg(name, updated) + body};
}

QString indexSql(const TableDef& table, const char* columns, bool ifNotExists = false)
{
    const QString cols = QLatin1String(columns);
    QString name = QStringLiteral("ix_%1_%2").arg(QLatin1String(table.name), cols);
    name.replace(QLatin1Char(','), QLatin1Char('_'));
    return QStringLiteral("create index %1%2 on %3 (%4)")
        .arg(ifNotExists ? QStringLiteral("if not exists ") : QString(), name, QLatin1String(table.name), cols);
}

QString indexSql(const TableDef& table, const IndexDef& index, bool ifNotExists = false)
{
    QString sql = QStringLiteral("create index %1%2 on %3 (%4)")
                      .arg(ifNotExists ? QStringLiteral("if not exists ") : QString(), QLatin1String(index.name),
                           QLatin1String(table.name), QLatin1String(index.columns));
    if (index.where)
        sql += QStringLiteral(" where ") + QString::fromUtf8(index.where);
    return sql;
}

void createAllOn(Database& db)
{
    for (const Entry& e : kOrder)
        createTable(db, QLatin1String(e.name));
}

void recreate(Database& db, Keep keep)
{
    for (const Entry& e : kOrder)
        if (e.keep == keep)
            createTable(db, QLatin1String(e.name));
}

// Sets a partner table's balance fields to 0 (prefix "ghs": ghs_lwje and, where it exists, ghs_lwje2).
void zeroBalances(Database& db, const QString& table, const QString& prefix)
{
    QString set = prefix + QLatin1String("_lwje=0");
    if (db.columnExists(table, prefix + QLatin1String("_lwje2")))
        set += QLatin1Char(',') + prefix + QLatin1String("_lwje2=0");
    db.exec(QStringLiteral("update %1 set %2").arg(table, set));
}

void clearBusinessDataOn(Database& db)
{
    recreate(db, Keep::Never);
    // The party ledger is gone: the balances it gave the kept partners go with it.
    zeroBalances(db, QStringLiteral("jxc_ghsxx"), QStringLiteral("ghs"));
    zeroBalances(db, QStringLiteral("jxc_khxx"), QStringLiteral("kh"));
}

// Next number of a ledger entry: prefix + today's yymmdd + a serial from 010001, one more than
// the largest number of that prefix and day already in the ledger.
QString nextLedgerNumber(Database& db, const QString& prefix)
{
    const QString head = prefix + Clock::today().toString(QStringLiteral("yyMMdd"));
    const QString max = db.selectValue(QStringLiteral("select max(gl_djh) from jxc_ysyfk where gl_djh like ?"),
                                       {{QString(), head + QLatin1Char('%')}});
    if (max.size() == 14)
        return head + QLatin1Char('0') + QString::number(max.mid(9, 5).toInt() + 1);
    return head + QLatin1String("010001");
}

}  // namespace

const TableDef* findTable(const QString& name)
{
    static const QHash<QString, const TableDef*> byName = [] {
        QHash<QString, const TableDef*> map;
        for (auto group : {settingsTables, goodsTables, partnerTables, billTables, stockTables, moneyTables,
                           memberTables, tillTables, scratchTables})
            for (const TableDef& t : group())
                map.insert(QString::fromLatin1(t.name), &t);
        return map;
    }();
    return byName.value(name.toLower(), nullptr);
}

const QStringList& tableNames()
{
    static const QStringList names = [] {
        QStringList list;
        for (const Entry& e : kOrder)
            list << QString::fromLatin1(e.name);
        return list;
    }();
    return names;
}

void createTable(Database& db, const QString& table)
{
    const TableDef* def = findTable(table);
    if (!def)
        throw DbError(QStringLiteral("没有表“%1”的定义").arg(table));
    const QString name = QLatin1String(def->name);
    db.exec(QStringLiteral("drop table if exists ") + name);
    db.exec(createSql(*def));
    for (const char* columns : def->indexes)
        db.exec(indexSql(*def, columns));
    for (const IndexDef& index : def->namedIndexes)
        db.exec(indexSql(*def, index));
    for (const QString& sql : moneyTriggerSql(*def))
        db.exec(sql);
    const QString insert =
        QStringLiteral("insert into %1 (%2) values (").arg(name, QString::fromUtf8(def->rows.columns));
    for (const char* values : def->rows.values)
        db.exec(insert + QString::fromUtf8(values) + QLatin1Char(')'));
}

void createTable(const QString& table)
{
    Database& db = mainDb();
    Transaction tx(db);
    createTable(db, table);
    tx.commit();
}

void createAllTables()
{
    Database& db = mainDb();
    Transaction tx(db);
    createAllOn(db);
    tx.commit();
}

void clearBusinessData()
{
    Database& db = mainDb();
    Transaction tx(db);
    clearBusinessDataOn(db);
    tx.commit();
}

void clearDataKeepGoods()
{
    Database& db = mainDb();
    Transaction tx(db);
    db.exec(QStringLiteral("update jxc_goods set g_kc=0"));
    clearBusinessDataOn(db);
    recreate(db, Keep::Business);
    tx.commit();
}

void ensureIndexes()
{
    Database& db = mainDb();
    Transaction tx(db);
    for (const QString& table : tableNames()) {
        const TableDef* def = findTable(table);
        if (!def || (def->indexes.empty() && def->namedIndexes.empty()) || !db.tableExists(table))
            continue;
        for (const char* columns : def->indexes)
            db.exec(indexSql(*def, columns, true));
        for (const IndexDef& index : def->namedIndexes)
            db.exec(indexSql(*def, index, true));
    }
    tx.commit();
}

void upgradeDb()
{
    Database& db = mainDb();
    // Only the layout decides: a current database is left alone whatever else goes on.
    const QString ledger = QStringLiteral("jxc_ysyfk");
    if (db.tableExists(ledger) && db.columnExists(ledger, QStringLiteral("gl_djh")))
        return;
    Transaction tx(db);
    createTable(db, ledger);
    // Roles that already carry the rights of the current-accounts group keep them.
    if (!db.columnExists(QStringLiteral("jxc_role"), QStringLiteral("wlzk"))) {
        db.exec(QStringLiteral("alter table jxc_role add wlzk varchar(64) collate nocase"));
        db.exec(QStringLiteral("update jxc_role set wlzk='1111111111111111'"));
    }
    // Each partner's balance becomes an opening row of its own (the supplier's negated: in the
    // ledger a positive balance is what we owe), numbered below.
    const QString insert = QStringLiteral(
        "insert into jxc_ysyfk (k_ghskh,a_name,u_sn,k_fkfs,k_sfje,k_yhje,k_qcje,k_ljje,k_yfje,k_type,k_djlx,"
        "k_djtxt,k_note,k_flag,k_rq,gl_djh) ");
    const SqlParams today = {{QString(), todayText()}};
    db.exec(insert + QStringLiteral("select ghs_sn,'','','期初金额',0,0,0,-1*ghs_lwje,-1*ghs_lwje,'ghs','QC','期初金额',"
                                    "'',1,?,'' from jxc_ghsxx where ghs_lwje<>0 order by id"),
            today);
    db.exec(insert + QStringLiteral("select kh_sn,'','','期初金额',0,0,0,kh_lwje,kh_lwje,'kh','QC','期初金额',"
                                    "'',1,?,'' from jxc_khxx where kh_lwje<>0 order by id"),
            today);
    const QString op = db.selectValue(QStringLiteral("select a_name from jxc_admin order by id limit 1"));
    const QString staff = db.selectValue(QStringLiteral("select u_sn from jxc_user order by id limit 1"));
    const ResultSet rows = db.query(QStringLiteral("select id,k_type from jxc_ysyfk order by id"));
    for (int r = 0; r < rows.rowCount(); ++r) {
        const QString kind = rows.text(r, 1) == QLatin1String("ghs") ? QStringLiteral("YF") : QStringLiteral("YS");
        db.exec(QStringLiteral("update jxc_ysyfk set gl_djh=?,k_djlx=?,u_sn=?,a_name=? where id=?"),
                {{QString(), nextLedgerNumber(db, kind)},
                 {QString(), kind},
                 {QString(), staff},
                 {QString(), op},
                 {QString(), rows.text(r, 0).toLongLong()}});
    }
    tx.commit();
}

void createDatabaseFile(const QString& path)
{
    if (QFile::exists(path))
        throw DbError(QStringLiteral("文件已存在：%1").arg(path));
    try {
        Database db;
        db.open(path, /*create=*/true);
        Transaction tx(db);
        createAllOn(db);
        tx.commit();
    } catch (...) {
        QFile::remove(path);  // never leave a half-made database behind
        throw;
    }
}
