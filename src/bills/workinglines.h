// Working lines: the lines of a bill being entered, written at once into the bill kind's own
// line tables under the bill's provisional number. A line is one row of the line table plus
// its size and colour rows (gl_djh = the number, tid = the line's id). Every function here is
// written whole or not at all (one Transaction each).
#pragma once

#include "data/billtables.h"
#include "data/values.h"

#include <QString>
#include <QVector>

// Quantity of one size and colour of a line.
struct SizeColorQty {
    QString cmSn;
    QString colorSn;
    Money qty;
};

// One line as entered: goods, unit price and either its size and colour quantities or, for a
// line without them (barcode and import lines), a plain quantity.
struct WorkingLine {
    QString gSn;
    Money price;
    QVector<SizeColorQty> rows;  // rows of quantity 0 are not written
    Money quantity;              // used only when `rows` is empty
    Money rate = Money::fromUnits(10000);  // discount rate, kept where the line table has one
};

// Quantity of the line: the sum of its size and colour quantities, or its plain quantity.
Money lineQuantity(const WorkingLine& line);
// Amount of the line: price × quantity, times the discount rate where the line table has one.
Money lineAmount(const BillLineTables& t, const WorkingLine& line);

// Writes a line under document `djh` with its size and colour rows (tid = the new line's id),
// operator `operatorName`; the line's tid stays empty until the posting. Returns the line's id.
qint64 writeLine(const BillLineTables& t, const QString& djh, const WorkingLine& line);

// Replaces the price, quantity, amount and size and colour rows of line `lineId` (its goods
// and number stay). An unknown line changes nothing.
void replaceLine(const BillLineTables& t, qint64 lineId, const WorkingLine& line);

// Deletes one line with its size and colour rows.
void deleteLine(const BillLineTables& t, qint64 lineId);

// Moves every line and size and colour row of `from` to the number `to`, after deleting the
// stray lines and rows already lying under `to`. The same number changes nothing.
void moveLines(const BillLineTables& t, const QString& from, const QString& to);

// Deletes every line and size and colour row of the document.
void discardLines(const BillLineTables& t, const QString& djh);

// The goods pickers' scratch list (`jxc_tempspxf`, size and colour rows in `jxc_tempspxfmx`
// with tid = the row's id): a row per picked goods of operator `operatorName`, each written
// whole or not at all like the lines above.
qint64 writeScratchRow(const WorkingLine& line);
// Replaces the price, quantity, amount and size and colour rows of scratch row `rowId`; an
// unknown row changes nothing.
void replaceScratchRow(qint64 rowId, const WorkingLine& line);
// Deletes scratch row `rowId` with its size and colour rows.
void deleteScratchRow(qint64 rowId);

// How the scratch list becomes lines of one bill kind: the line tables, the columns of the
// line table filled besides number, price, quantity, amount, goods and operator (each from a
// scratch column or a constant), and whether a line's tid is set to its own id at once.
struct ScratchColumn {
    const char* lineColumn;  // e.g. "g_xlh"
    const char* from;        // a column of jxc_tempspxf or a number, e.g. "g_xlh", "0"
    bool negated = false;    // the column's value with its sign turned
};
struct ScratchTransfer {
    const BillLineTables* lines;
    QVector<ScratchColumn> columns;
    bool tidIsId = false;
    // Runs after the lines were written, in the same transaction (a pending bill's payable).
    void (*after)(const QString& djh) = nullptr;
    // Goods coming back in an exchange: quantity, amount and size and colour quantities are
    // written with their sign turned (the scratch rows stay positive).
    bool negated = false;
};
// Purchase receipt lines (serial numbers copied).
extern const ScratchTransfer kReceiptScratch;
// Purchase return lines (production dates copied).
extern const ScratchTransfer kReturnScratch;

// Turns every scratch row of operator `operatorName` (the rows the picker shows), in ascending
// ids, into a line of document `djh`, each with exactly the size and colour rows of the scratch
// row it came from, then empties the scratch tables (rows another operator left behind
// included). Returns the ids of the new lines in the scratch rows' order.
QVector<qint64> transferScratch(const ScratchTransfer& t, const QString& djh);

// How the lines of one bill are copied between two kinds of line tables (working lines into
// pending lines and back): the columns of the target filled besides number, price, quantity,
// amount, goods and operator, and whether a copied line's tid is set to its own id.
struct LineCopy {
    const BillLineTables* from;
    const BillLineTables* to;
    QVector<ScratchColumn> columns;  // target column from a source column or a constant
    bool tidIsId = false;
};
// Copies every line of document `djh` (ascending ids) with exactly its size and colour rows
// into the target tables under the same number (rows: tid = the new line's id). The source
// stays. Returns the ids of the new lines in order.
QVector<qint64> copyLines(const LineCopy& c, const QString& djh);
// Copies lines of document `fromDjh` into the target tables under another document `toDjh` (a
// return filled from a posted bill), written by the operator `operatorName`: every line in
// ascending ids, or only the line `onlyLine` of it when that is not 0, each with exactly its size
// and colour rows (rows: tid = the new line's id). The source stays. Returns the new lines' ids.
QVector<qint64> copyLinesInto(const LineCopy& c, const QString& fromDjh, const QString& toDjh, qint64 onlyLine = 0);
