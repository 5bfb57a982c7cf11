#include "bills/workinglines.h"

#include "data/datamodule.h"
#include "data/globals.h"
#include "data/routineargs.h"
#include "data/summaries.h"

namespace {

QString lineTable(const BillLineTables& t) { return sqlName(QLatin1String(t.lineTable)); }
QString rowTable(const BillLineTables& t) { return sqlName(QLatin1String(t.rowTable)); }
QString numberColumn(const BillLineTables& t) { return sqlName(QLatin1String(t.numberColumn)); }

void writeRows(const BillLineTables& t, const QString& djh, qint64 lineId, const WorkingLine& line)
{
    const QString sql = QStringLiteral("insert into %1 (gl_djh,g_sn,cm_sn,color_sn,t_sl,a_name,tid) values (?,?,?,?,?,?,?)")
                            .arg(rowTable(t));
    for (const SizeColorQty& r : line.rows) {
        if (r.qty.isZero())
            continue;
        execSql(sql, {{QString(), djh}, {QString(), line.gSn}, {QString(), r.cmSn}, {QString(), r.colorSn},
                      {QString(), r.qty.toDouble()}, {QString(), operatorName}, {QString(), lineId}});
    }
}

}  // namespace

Money lineQuantity(const WorkingLine& line)
{
    if (line.rows.isEmpty())
        return line.quantity;
    Money sum;
    for (const SizeColorQty& r : line.rows)
        sum += r.qty;
    return sum;
}

Money lineAmount(const BillLineTables& t, const WorkingLine& line)
{
    const Money qty = lineQuantity(line);
    return t.rateColumn ? line.price * line.rate * qty : line.price * qty;
}

qint64 writeLine(const BillLineTables& t, const QString& djh, const WorkingLine& line)
{
    const Money qty = lineQuantity(line);
    const Money amount = lineAmount(t, line);
    SqlParams values{{numberColumn(t), djh},
                     {sqlName(QLatin1String(t.quantityColumn)), qty.toDouble()},
                     {QStringLiteral("g_sn"), line.gSn},
                     {QStringLiteral("a_name"), operatorName}};
    if (t.priceColumn)
        values.emplace_back(sqlName(QLatin1String(t.priceColumn)), line.price.toDouble());
    if (t.amountColumn)
        values.emplace_back(sqlName(QLatin1String(t.amountColumn)), amount.toDouble());
    if (t.rateColumn)
        values.emplace_back(sqlName(QLatin1String(t.rateColumn)), line.rate.toDouble());
    if (t.firstAmountColumn)
        values.emplace_back(sqlName(QLatin1String(t.firstAmountColumn)), amount.toDouble());
    Transaction tx;
    const qint64 id = appendRow(lineTable(t), values);
    writeRows(t, djh, id, line);
    tx.commit();
    return id;
}

void replaceLine(const BillLineTables& t, qint64 lineId, const WorkingLine& line)
{
    const Money qty = lineQuantity(line);
    Transaction tx;
    const ResultSet cur = openSelect(QStringLiteral("select %1,g_sn from %2 where id=?").arg(numberColumn(t), lineTable(t)),
                                     {{QString(), lineId}});
    if (cur.isEmpty())
        return;
    SqlParams values{{QString(), qty.toDouble()}};
    QString set = sqlName(QLatin1String(t.quantityColumn)) + QStringLiteral("=?");
    if (t.priceColumn) {
        set += QStringLiteral(",%1=?").arg(sqlName(QLatin1String(t.priceColumn)));
        values.emplace_back(QString(), line.price.toDouble());
    }
    if (t.amountColumn) {
        set += QStringLiteral(",%1=?").arg(sqlName(QLatin1String(t.amountColumn)));
        values.emplace_back(QString(), lineAmount(t, line).toDouble());
    }
    if (t.rateColumn) {
        set += QStringLiteral(",%1=?").arg(sqlName(QLatin1String(t.rateColumn)));
        values.emplace_back(QString(), line.rate.toDouble());
    }
    values.emplace_back(QString(), lineId);
    execSql(QStringLiteral("update %1 set %2 where id=?").arg(lineTable(t), set), values);
    const QString djh = cur.text(0, 0);
    execSql(QStringLiteral("delete from %1 where gl_djh=? and tid=?").arg(rowTable(t)), {{QString(), djh}, {QString(), lineId}});
    WorkingLine same = line;
    same.gSn = cur.text(0, 1);
    writeRows(t, djh, lineId, same);
    tx.commit();
}

void deleteLine(const BillLineTables& t, qint64 lineId)
{
    Transaction tx;
    execSql(QStringLiteral("delete from %1 where tid=? and gl_djh=(select %2 from %3 where id=?)")
                .arg(rowTable(t), numberColumn(t), lineTable(t)),
            {{QString(), lineId}, {QString(), lineId}});
    execSql(QStringLiteral("delete from %1 where id=?").arg(lineTable(t)), {{QString(), lineId}});
    tx.commit();
}

void moveLines(const BillLineTables& t, const QString& from, const QString& to)
{
    if (from == to)
        return;
    Transaction tx;
    discardLines(t, to);
    execSql(QStringLiteral("update %1 set %2=? where %2=?").arg(lineTable(t), numberColumn(t)), {{QString(), to}, {QString(), from}});
    execSql(QStringLiteral("update %1 set gl_djh=? where gl_djh=?").arg(rowTable(t)), {{QString(), to}, {QString(), from}});
    tx.commit();
}

void discardLines(const BillLineTables& t, const QString& djh)
{
    Transaction tx;
    execSql(QStringLiteral("delete from %1 where gl_djh=?").arg(rowTable(t)), {{QString(), djh}});
    execSql(QStringLiteral("delete from %1 where %2=?").arg(lineTable(t), numberColumn(t)), {{QString(), djh}});
    tx.commit();
}

namespace {

void writeScratchRows(qint64 rowId, const WorkingLine& line)
{
    const QString sql = QStringLiteral("insert into jxc_tempspxfmx (g_sn,t_sl,cm_sn,color_sn,a_name,tid) values (?,?,?,?,?,?)");
    for (const SizeColorQty& r : line.rows) {
        if (r.qty.isZero())
            continue;
        execSql(sql, {{QString(), line.gSn}, {QString(), r.qty.toDouble()}, {QString(), r.cmSn}, {QString(), r.colorSn},
                      {QString(), operatorName}, {QString(), rowId}});
    }
}

}  // namespace

qint64 writeScratchRow(const WorkingLine& line)
{
    const Money qty = lineQuantity(line);
    Transaction tx;
    const qint64 id = appendRow(QStringLiteral("jxc_tempspxf"), {{QStringLiteral("g_sn"), line.gSn},
                                                                 {QStringLiteral("ts_dj"), line.price.toDouble()},
                                                                 {QStringLiteral("ts_sl"), qty.toDouble()},
                                                                 {QStringLiteral("ts_zje"), (line.price * line.rate * qty).toDouble()},
                                                                 {QStringLiteral("ts_dzl"), line.rate.toDouble()},
                                                                 {QStringLiteral("a_name"), operatorName}});
    writeScratchRows(id, line);
    tx.commit();
    return id;
}

void replaceScratchRow(qint64 rowId, const WorkingLine& line)
{
    const Money qty = lineQuantity(line);
    Transaction tx;
    const ResultSet cur = openSelect(QStringLiteral("select g_sn from jxc_tempspxf where id=?"), {{QString(), rowId}});
    if (cur.isEmpty())
        return;
    execSql(QStringLiteral("update jxc_tempspxf set ts_dj=?,ts_sl=?,ts_zje=?,ts_dzl=? where id=?"),
            {{QString(), line.price.toDouble()}, {QString(), qty.toDouble()},
             {QString(), (line.price * line.rate * qty).toDouble()}, {QString(), line.rate.toDouble()}, {QString(), rowId}});
    execSql(QStringLiteral("delete from jxc_tempspxfmx where tid=?"), {{QString(), rowId}});
    WorkingLine same = line;
    same.gSn = cur.text(0, 0);
    writeScratchRows(rowId, same);
    tx.commit();
}

void deleteScratchRow(qint64 rowId)
{
    Transaction tx;
    execSql(QStringLiteral("delete from jxc_tempspxf where id=?"), {{QString(), rowId}});
    execSql(QStringLiteral("delete from jxc_tempspxfmx where tid=?"), {{QString(), rowId}});
    tx.commit();
}

const ScratchTransfer kReceiptScratch{&kReceiptLines, {{"g_xlh", "g_xlh"}}, false};
const ScratchTransfer kReturnScratch{&kReturnLines, {{"t_scrq", "t_scrq"}}, false};

namespace {

// The price (when `filled` has one), quantity and amount (when `filled` has one) columns of `t`.
QString valueColumns(const BillLineTables& t, const BillLineTables& filled)
{
    QString columns;
    if (filled.priceColumn)
        columns += sqlName(QLatin1String(t.priceColumn)) + u',';
    columns += sqlName(QLatin1String(t.quantityColumn));
    if (filled.amountColumn)
        columns += u',' + sqlName(QLatin1String(t.amountColumn));
    return columns;
}

// "a,b,c" of the line columns shared by every line table, in the order number, price,
// quantity, amount, goods, operator; price and amount only where `filled` (the target) has them.
QString commonColumns(const BillLineTables& t, const BillLineTables& filled)
{
    return numberColumn(t) + u',' + valueColumns(t, filled) + QStringLiteral(",g_sn,a_name");
}

// Appends the extra columns to the target and source column lists (a number is a constant).
void addColumns(const QVector<ScratchColumn>& columns, QString& target, QString& source)
{
    for (const ScratchColumn& c : columns) {
        const QString from = QLatin1String(c.from);
        bool number = false;
        from.toDouble(&number);
        target += u',' + sqlName(QLatin1String(c.lineColumn));
        const QString value = number ? from : sqlName(from);
        source += u',' + (c.negated ? QStringLiteral("-(%1)").arg(value) : value);
    }
}

// Copies the lines of document `fromDjh` (every line in ascending ids, or only `onlyLine` when it is
// not 0), each with exactly its size and colour rows (rows: tid = the new line's id). With `toDjh`
// empty a copy keeps its source's number and operator; else it takes `toDjh` and `operatorName`.
QVector<qint64> copyLineSet(const LineCopy& c, const QString& fromDjh, const QString& toDjh, qint64 onlyLine)
{
    const bool keep = toDjh.isEmpty();
    QString target = commonColumns(*c.to, *c.to);
    QString source = keep ? commonColumns(*c.from, *c.to)
                          : QStringLiteral("?,%1,g_sn,?").arg(valueColumns(*c.from, *c.to));
    addColumns(c.columns, target, source);
    const QString insertLine = QStringLiteral("insert into %1 (%2) select %3 from %4 where id=?")
                                   .arg(lineTable(*c.to), target, source, lineTable(*c.from));
    const QString insertRows = QStringLiteral("insert into %1 (gl_djh,g_sn,cm_sn,color_sn,t_sl,a_name,tid) "
                                              "select %3,g_sn,cm_sn,color_sn,t_sl,%4,? from %2 where %5tid=? "
                                              "order by id")
                                   .arg(rowTable(*c.to), rowTable(*c.from), keep ? QStringLiteral("gl_djh") : QStringLiteral("?"),
                                        keep ? QStringLiteral("a_name") : QStringLiteral("?"),
                                        keep ? QStringLiteral("gl_djh=? and ") : QString());
    const QString setTid = QStringLiteral("update %1 set tid=id where id=?").arg(lineTable(*c.to));

    Transaction tx;
    const ResultSet lines = openSelect(
        QStringLiteral("select id from %1 where %2=? and (?=0 or id=?) order by id").arg(lineTable(*c.from), numberColumn(*c.from)),
        {{QString(), fromDjh}, {QString(), onlyLine}, {QString(), onlyLine}});
    QVector<qint64> ids;
    ids.reserve(lines.rowCount());
    for (int r = 0; r < lines.rowCount(); ++r) {
        const qint64 sourceId = lines.text(r, 0).toLongLong();
        if (keep) {
            execSql(insertLine, {{QString(), sourceId}});
            const qint64 lineId = mainDb().lastInsertId();
            execSql(insertRows, {{QString(), lineId}, {QString(), fromDjh}, {QString(), sourceId}});
            ids.push_back(lineId);
        } else {
            execSql(insertLine, {{QString(), toDjh}, {QString(), operatorName}, {QString(), sourceId}});
            const qint64 lineId = mainDb().lastInsertId();
            execSql(insertRows, {{QString(), toDjh}, {QString(), operatorName}, {QString(), lineId}, {QString(), sourceId}});
            ids.push_back(lineId);
        }
        if (c.tidIsId)
            execSql(setTid, {{QString(), ids.back()}});
    }
    tx.commit();
    return ids;
}

}  // namespace

QVector<qint64> copyLines(const LineCopy& c, const QString& djh)
{
    return copyLineSet(c, djh, QString(), 0);
}

QVector<qint64> copyLinesInto(const LineCopy& c, const QString& fromDjh, const QString& toDjh, qint64 onlyLine)
{
    return copyLineSet(c, fromDjh, toDjh, onlyLine);
}

QVector<qint64> transferScratch(const ScratchTransfer& t, const QString& djh)
{
    const BillLineTables& lt = *t.lines;
    QString lineColumns = commonColumns(lt, lt);
    const QString sign = t.negated ? QStringLiteral("-") : QString();
    QString scratchColumns = QStringLiteral("?%1,%3ts_sl%2,g_sn,a_name")
                                 .arg(lt.priceColumn ? QStringLiteral(",ts_dj") : QString(),
                                      lt.amountColumn ? QStringLiteral(",%1ts_zje").arg(sign) : QString(), sign);
    addColumns(t.columns, lineColumns, scratchColumns);
    const QString insertLine = QStringLiteral("insert into %1 (%2) select %3 from jxc_tempspxf where id=?")
                                   .arg(lineTable(*t.lines), lineColumns, scratchColumns);
    const QString insertRows = QStringLiteral("insert into %1 (gl_djh,g_sn,cm_sn,color_sn,t_sl,a_name,tid) "
                                              "select ?,g_sn,cm_sn,color_sn,%2t_sl,a_name,? from jxc_tempspxfmx "
                                              "where tid=? order by id")
                                   .arg(rowTable(*t.lines), sign);
    const QString setTid = QStringLiteral("update %1 set tid=id where id=?").arg(lineTable(*t.lines));

    Transaction tx;
    const ResultSet scratch = openSelect(QStringLiteral("select id from jxc_tempspxf where a_name=? order by id"),
                                         {{QString(), operatorName}});
    QVector<qint64> ids;
    ids.reserve(scratch.rowCount());
    for (int r = 0; r < scratch.rowCount(); ++r) {
        const qint64 scratchId = scratch.text(r, 0).toLongLong();
        execSql(insertLine, {{QString(), djh}, {QString(), scratchId}});
        const qint64 lineId = mainDb().lastInsertId();
        execSql(insertRows, {{QString(), djh}, {QString(), lineId}, {QString(), scratchId}});
        if (t.tidIsId)
            execSql(setTid, {{QString(), lineId}});
        ids.push_back(lineId);
    }
    clearTempSpxf();
    if (t.after)
        t.after(djh);
    tx.commit();
    return ids;
}
