// The financial statements on plain values: the operating statement with its all-time column and
// the charts' figures, the balance sheet, the receivables and payables table, the fixed assets
// and the business analysis. Builds into the scratch list jxc_tempspxf run in one Transaction
// each and sum their subtotals exactly with Money.
#pragma once

#include "data/values.h"

#include <QDate>
#include <QMap>
#include <QString>
#include <QVector>

struct ChartData;

// One row of a statement built into jxc_tempspxf.
struct StatementRow {
    QString code;     // g_sn
    QString caption;  // ts_note, with its leading spaces
    Money period;     // ts_dj
    Money allTime;    // ts_zje
};

// ---- Operating statement ------------------------------------------------------------------

// Empties the scratch lists and writes the operating statement of the period (both days
// included) for `op`: rows 100, 101, 102 with the income type rows from 1021, 200, 201, 202 with
// the expense type rows from 2021, and 300. Returns the rows in code order.
QVector<StatementRow> buildOperatingStatement(const QDate& from, const QDate& to, const QString& op);

// The detail list of a statement row for the period (columns rq, lx, je, u_name, dnote), or an
// empty text for the totals rows 100, 200 and 300, which leave the detail as it was.
QString operatingDetailSql(const QString& code, const QString& caption, const QDate& from, const QDate& to);

// The pies: the scratch lists emptied and written with the all-time net sales (row 101
// "销售收入") and one row per income type, or the cost of goods sold (row 201 "销售成本") and
// one row per expense type; returns the slices in code order.
ChartData buildIncomePie(const QString& op);
ChartData buildExpensePie(const QString& op);

// Month keys "yyyy-MM" of the month charts.
QString monthKey(int year, int month);
// Profit (sales less cost, all warehouses) or expenses per month from `first` to `last`
// ("yyyy-MM"), one point per month with data.
ChartData monthProfitChart(const QString& first, const QString& last);
ChartData monthExpenseChart(const QString& first, const QString& last);

// ---- Balance sheet and the receivables and payables table ----------------------------------

// Empties the scratch lists and writes the balance sheet of `day` for `op`: 100, 101 … 105 with
// one row per money account other than cash that has journal rows up to the day (1041 upward,
// in account order), 200 and 201. Returns the rows in code order.
QVector<StatementRow> buildBalanceSheet(const QDate& day, const QString& op);

// Partners whose ledger balance is not 0 (customers and suppliers, disabled ones included) whose
// code, name or initials begin with `key`: dwsn, dwname, jm, ysje, yfje, dwlx.
QString partyListSql(const QString& key);

enum class BillFilter { All, Owing, Settled };
// The bills of one partner ("客户" or "供货商" in `partyType`) in the period, newest first:
// rq, djh, zflx, yfje, sfje, wfje, a_name, u_name, dnote.
QString partyBillsSql(const QString& partyType, const QString& partner, const QDate& from, const QDate& to,
                      BillFilter filter);

// ---- Fixed assets --------------------------------------------------------------------------

extern const QString kAssetOpening;   // "期初资产"
extern const QString kAssetIncrease;  // "资产增加"
extern const QString kAssetDecrease;  // "资产减少"

// The refusal of an opening entry while any movement exists, else empty.
QString checkAssetOpening();
// Writes the opening amount and total and the opening movement dated today; refuses as
// checkAssetOpening. Returns the refusal or empty.
QString openFixedAssets(Money amount);

struct AssetMove {
    bool increase = true;
    Money amount;  // as typed, positive
    QString handlerName;
    QString note;
};
// "金额必须填写！", "请选择经办人！" or empty.
QString checkAssetMove(const AssetMove& m);
// The movement dated today (a decrease stored negative) and the total moved with it; refuses as
// checkAssetMove. Returns the refusal or empty.
QString addAssetMove(const AssetMove& m);
// The movements of the period (both days included), of one kind when `kind` is given, by id.
QString assetListSql(const QDate& from, const QDate& to, const QString& kind);

// ---- Business analysis ----------------------------------------------------------------------

// The summary figures of a period for the warehouse `ckSn` ("-1" all), keyed by the print
// variable names (cgds, cgsl, cgje, … xsmll), as the window shows them.
QMap<QString, QString> businessSummary(const QDate& from, const QDate& to, const QString& ckSn);

// The daily list of the period (both days included), newest row first.
QString dailyAnalysisSql(const QDate& from, const QDate& to);
// The monthly list from month `first` to `last` ("yyyy-MM"), newest month first.
QString monthlyAnalysisSql(const QString& first, const QString& last);
