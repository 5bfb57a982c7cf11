// Lending of goods to customers: a loan takes goods out of a warehouse against a customer, a
// give-back takes one borrowing line back whole, and a conversion turns one borrowing line into
// an ordinary posted sales bill of the customer. The lending table jxc_jhgl holds the borrowing
// lines (jh_flag "j", jh_sl the quantity still out) and the give-back rows (jh_flag "h", the
// quantity negated), each with its size and colour rows in jxc_jhglmx (tid = the row's id).
// Every posting here runs in one Transaction: written whole or not at all.
#pragma once

#include "data/values.h"
#include "sales/spxsposting.h"

#include "data/billtables.h"

#include <QString>

// Lending lines (no money: a loan carries quantities only).
inline constexpr BillLineTables kLendingLines{"jxc_jhgl", "jxc_jhglmx", "gl_djh", "jh_sl", nullptr, nullptr};

// Marks the lines of loan `djh` that the shared line routines wrote (without a kind) as
// borrowing lines dated today.
void markLoanLines(const QString& djh);

// The loan being entered: its working lines stand under `djh`.
struct KhjhPosting {
    QString djh{};   // the loan's number ("JH…")
    QString khSn{};  // the customer
    QString ckSn{};  // the warehouse the goods leave
    QString uSn{};   // the handler
    QString date{};  // the loan's date "yyyy-MM-dd": every line takes it
    QString note{};  // as typed: stored trimmed as safe name text
    QString op{};    // the operator
};
// Posts the loan and returns its number of lines: the lines get their own id as tid, the
// customer, warehouse, handler, note and date; the goods' total stock, the warehouse stock (a
// missing row is made at -q valued at the goods' g_jj) and the size and colour stock drop by the
// lines. No money, ledger, journal or summary row is written. Throws DbError, with nothing
// written, when the loan has no lines or was posted already, and on any database error.
int postKhjh(const KhjhPosting& loan);

// The give-back of one borrowing line.
struct KhjhGiveBack {
    qint64 lineId = 0;  // the borrowing line
    QString uSn{};        // the handler
    QString date{};       // "yyyy-MM-dd": the give-back's date and the day of its number
    QString note{};       // as typed
    QString op{};
};
// Posts the give-back and returns its number ("HH…", the next of its date): the line's whole
// remaining quantity comes back into the warehouse (a missing stock row is made at the goods'
// g_jj), the goods' total and the size and colour stock; the line is settled (jh_sl 0) and a
// give-back row with the quantity negated and the line's size and colour rows is written.
// Throws DbError "还货数量不能为0！" for a settled line (also one settled meanwhile), with
// nothing written.
QString postKhjhGiveBack(const KhjhGiveBack& back);

// The conversion of one borrowing line into a sale.
struct KhjhSale {
    qint64 lineId = 0;
    QString date{};      // "yyyy-MM-dd": the sale's date and the day of the sales bill's number
    QString uSn{};
    QString uName{};
    QString khName{};    // the customer's name as shown
    QString ckName{};    // the warehouse's name
    Money price{};       // the sale price of one unit
    Money paid{};        // the amount received
    SpxsMode mode = SpxsMode::PaidOnly;
    QString account{};   // the money account receiving it
    QString note{};      // as typed
    QString op{};
};
struct KhjhSaleResult {
    QString xs{};  // the sales bill's number
    QString hh{};  // the give-back row's number (today's series)
};
// Posts the conversion: the line is settled by a give-back row (priced, note followed by
// "还货：借货转销售") and becomes one line of a sales bill with the line's size and colour rows,
// posted by the sales posting as a sale of goods already out on loan (stock quantities stay;
// the cost is the warehouse's kc_cbj). Throws DbError "还货数量不能为0！" for a settled line,
// with nothing written.
KhjhSaleResult postKhjhSale(const KhjhSale& sale);
