// Stock counts on plain values: count sheets (the lines of jxc_kcpd sharing one number, each with
// its counted size and colour rows in jxc_kcpdmx), the choice of open sheets for a correction,
// the correction of the stock to the count, and the synchronisation of the goods' total stock
// with the warehouse stock. Every routine that writes runs in one Transaction.
#pragma once

#include "data/values.h"
#include "platform/sizecolorstore.h"

#include <QString>
#include <QVector>

// What every line of one count sheet repeats.
struct KcpdSheet {
    QString djh;   // "PD" + yyMMddhhmmss
    QString ckSn;  // the counted warehouse
    QString date;  // count date "yyyy-MM-dd"
    QString note;  // as typed; stored trimmed and made safe
    QString op;    // the operator who opened the sheet
};

// Number of a new sheet: "PD" and the clock's now as yyMMddhhmmss.
QString newKcpdNumber();

// The goods' size and colour stock in the warehouse, one entry per stock row.
QVector<SizeColorQuantity> kcpdStock(const QString& gSn, const QString& ckSn);

// Adds a line for the goods to the sheet: kc_sl = the goods' size and colour stock in the
// sheet's warehouse now, pd_sl = the total of `counted`, one size and colour row per counted
// cell that is not 0 (with the stock of that variant and the goods' sale price). Returns the
// line's id. Throws DbError, with nothing written, when the sheet already counts the goods.
qint64 addKcpdLine(const KcpdSheet& sheet, const QString& gSn, const QVector<SizeColorQuantity>& counted);
// Id of the sheet's line for the goods; 0 when the sheet does not count it.
qint64 findKcpdLine(const QString& djh, const QString& gSn);
// Rewrites a line's count: pd_sl and the size and colour rows, whose stock and sale price are
// those of now; kc_sl stays as first entered. With a note (the entry window), pd_note too.
void modifyKcpdLine(qint64 lineId, const QVector<SizeColorQuantity>& counted, const QString* note = nullptr);
// Sets only the counted total of a line (its size and colour rows stay).
void setKcpdCount(qint64 lineId, Money quantity);
// Deletes a line with its size and colour rows; a sheet with all its rows.
void deleteKcpdLine(qint64 lineId);
void deleteKcpdSheet(const QString& djh);

// The choice list of open sheets (jxc_kcpdtemp), rebuilt for a warehouse ("-1": all) and an
// operator ("" : all), nothing ticked.
void fillKcpdChoice(const QString& ckSn, const QString& aName);
// Ticks or unticks one sheet of the choice list.
void tickKcpdChoice(const QString& djh, bool ticked);
// Number of ticked sheets.
int tickedKcpdSheets();
// Marks the lines of the ticked sheets as held by the correction (pd_status 1, pd_note "temp").
void markKcpdSheets();
// Returns every held line to its open sheet.
void releaseKcpdSheets();

// Lines of the ticked sheets, by id.
QString kcpdChosenLinesSql();
// Stock rows that the ticked sheets do not count (goods and warehouse of none of their lines).
QString kcpdUncountedSql();
// One row per line of the ticked sheets whose goods has a stock row in the line's warehouse:
// counted, stock now and the difference.
QString kcpdDifferenceSql();

// Corrects the stock to the lines of the ticked sheets, in the order of the difference list:
// each line sets its warehouse stock to the count, moves g_kc and the count date's month row by
// the difference (valued at the stock cost, else the preset purchase price), replaces its
// goods' size and colour stock in its warehouse by its own rows (none: left as is), and is
// closed. Then empties the choice list. Returns the number of lines corrected.
int correctKcpd();

// Sets every goods' g_kc to the sum of its warehouse stock (0 without rows) and clears the size
// and colour stock of every goods whose warehouse stock adds up to 0.
void synchronizeStock();
// Name of the safety copy taken before a synchronisation, in the shop's folder.
QString syncBackupPath();
