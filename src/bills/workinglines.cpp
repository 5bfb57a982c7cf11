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

qint64 writeLine(const BillLineTables& t, const QString& djh, const WorkingLine& line)
{
    const Money qty = lineQuantity(line);
    Transaction tx;
    const qint64 id = appendRow(lineTable(t), {{numberColumn(t), djh},
                                               {sqlName(QLatin1String(t.priceColumn)), line.price.toDouble()},
                                               {sqlName(QLatin1String(t.quantityColumn)), qty.toDouble()},
                                               {sqlName(QLatin1String(t.amountColumn)), (line.price * qty).toDouble()},
                                               {QStringLiteral("g_sn"), line.gSn},
                                               {QStringLiteral("a_name"), operatorName}});
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
    execSql(QStringLiteral("update %1 set %2=?,%3=?,%4=? where id=?")
                .arg(lineTable(t), sqlName(QLatin1String(t.priceColumn)), sqlName(QLatin1String(t.quantityColumn)),
                     sqlName(QLatin1String(t.amountColumn))),
            {{QString(), line.price.toDouble()}, {QString(), qty.toDouble()}, {QString(), (line.price * qty).toDouble()},
             {QString(), lineId}});
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
                                                                 {QStringLiteral("ts_zje"), (line.price * qty).toDouble()},
                                                                 {QStringLiteral("ts_dzl"), 1},
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
    execSql(QStringLiteral("update jxc_tempspxf set ts_dj=?,ts_sl=?,ts_zje=? where id=?"),
            {{QString(), line.price.toDouble()}, {QString(), qty.toDouble()}, {QString(), (line.price * qty).toDouble()},
             {QString(), rowId}});
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

QVector<qint64> transferScratch(const ScratchTransfer& t, const QString& djh)
{
    QString lineColumns = QStringLiteral("%1,%2,%3,%4,g_sn,a_name")
                              .arg(numberColumn(*t.lines),
                                   sqlName(QLatin1String(t.lines->priceColumn)),
                                   sqlName(QLatin1String(t.lines->quantityColumn)),
                                   sqlName(QLatin1String(t.lines->amountColumn)));
    QString scratchColumns = QStringLiteral("?,ts_dj,ts_sl,ts_zje,g_sn,a_name");
    for (const ScratchColumn& c : t.columns) {
        const QString from = QLatin1String(c.from);
        bool number = false;
        from.toDouble(&number);
        lineColumns += u',' + sqlName(QLatin1String(c.lineColumn));
        scratchColumns += u',' + (number ? from : sqlName(from));
    }
    const QString insertLine = QStringLiteral("insert into %1 (%2) select %3 from jxc_tempspxf where id=?")
                                   .arg(lineTable(*t.lines), lineColumns, scratchColumns);
    const QString insertRows = QStringLiteral("insert into %1 (gl_djh,g_sn,cm_sn,color_sn,t_sl,a_name,tid) "
                                              "select ?,g_sn,cm_sn,color_sn,t_sl,a_name,? from jxc_tempspxfmx "
                                              "where tid=? order by id")
                                   .arg(rowTable(*t.lines));
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
    tx.commit();
    return ids;
}
