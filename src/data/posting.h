// Shared steps of the postings (receipts, returns, sales, exchanges, the till): the cash
// journal, the party ledger, the daily summary and the monthly stock account, the goods
// movement journals, the warehouse stock with its moving-average cost and the goods' totals.
// Values are bound as parameters; each routine runs in its own Transaction, so a posting that
// wraps them in its own is written whole or not at all. Every row written carries the
// document number (gl_djh), so that a document's rows can be found and taken back.
#pragma once

#include "data/billtables.h"
#include "data/values.h"

#include <QString>
#include <optional>
#include <utility>
#include <vector>

// One row of the cash journal (jxc_xjyh).
struct CashEntry {
    QString date;           // xj_rq
    QString djh;            // gl_djh
    QString kind;           // xj_dlx, e.g. "采购进货"
    Money amount;           // xj_je, signed: money paid out is negative
    QString handlerName;    // u_name
    QString partnerName;    // ghs_name
    QString partnerSn;      // ghs_sn
    QString warehouseName;  // ck_name
    QString account;        // xj_kmmc, the money account's name
    QString note;           // xj_note
    QString op;             // a_name
    // The account moves by this instead of the amount when set (the till journals a sale's whole
    // amount while only its cash part enters "现金"; stored value entered it at the top-up).
    std::optional<Money> accountMove = std::nullopt;
};
// Writes the row and moves the named money account by its signed amount (updateYhzh).
void addCashEntry(const CashEntry& e);

// One row of the party ledger (jxc_ysyfk).
struct LedgerEntry {
    QString partner;      // k_ghskh
    QString partnerKind;  // k_type: "ghs" or "kh"
    QString date;         // k_rq
    QString djh;          // gl_djh
    QString djlx;         // k_djlx, e.g. "CJ"
    QString djtxt;        // k_djtxt, e.g. "采购进货单"
    QString account;      // k_fkfs
    QString handlerSn;    // u_sn
    QString note;         // k_note (stored trimmed)
    QString op;           // a_name
    Money owed;           // k_yfje
    Money paid;           // k_sfje
    int flag = 1;            // k_flag: 1, or -1 on receipts and payments
    bool countsBill = true;  // raises the partner's bill counter (hand-booked entries do not)
};
// Appends the row with the running balance continued from the partner's latest row on or
// before its date (getLjjeBefore) plus owed - paid, raises the partner's bill counter (when
// countsBill) and sets its balance field, then recomputes the partner's rows from the row's
// date on (recalcLjje) unless the row is the partner's latest, whose balance continues the
// one before it. Returns the balance the row was written with.
Money addLedgerEntry(const LedgerEntry& e);

// Amounts added to columns of a summary row (column names from the calling code).
using ColumnAdds = std::vector<std::pair<const char*, Money>>;
// Adds to the daily business summary row of `date` (jxc_tempyyfx), created when missing (or,
// with `ensure` false, only when the row exists).
void addToDaySummary(const QString& date, const ColumnAdds& adds, bool ensure = true);
// Adds to the monthly stock-account row of `month` ("yyyy-MM") and warehouse (jxc_kcjs); the
// month's rows are created when missing.
void addToMonthStock(const QString& month, const QString& ckSn, const ColumnAdds& adds);

// Header values of a document's goods movement journal rows.
struct JournalHeader {
    QString kind;         // gl_flag, e.g. "cj"
    QString djh;          // gl_djh: the lines' document number
    QString date;         // gl_kdrq
    QString ckSn;
    QString ckName;
    QString partnerSn;    // ghs_sn
    QString partnerName;  // ghs_name
    QString handlerName;  // u_name
    // The goods' price the margin is reckoned against: the preset purchase price "g_jj" or the
    // average purchase price "g_pjjj" (sales).
    const char* costColumn = "g_jj";
    // Returns write their quantity, amount and margin negated (gl_sysl and gl_dj stay as the
    // line's), so that sums over a kind and its return give the net figures.
    bool negated = false;
    // The line's production date t_scrq is journalled instead of its serial numbers g_xlh.
    bool productionDate = false;
    // gl_fdmc: "99" marks the till's rows, "" the bills'.
    QString marker = QString();
};
// One goods movement row (jxc_goodslist) per line of the document whose goods exists: price,
// quantity and amount of the line, margin = amount - quantity × the goods' cost column,
// remaining quantity = the quantity, the goods' descriptive columns, the line's operator,
// tid = the line's id, and the line's discount rate (gl_dzl) where its table has one
// (quantity, amount and margin negated for a header marked `negated`).
void addGoodsJournal(const BillLineTables& t, const JournalHeader& h);
// One size and colour journal row (jxc_goodslistmx) per size and colour row of the document,
// paired with its line's journal row by goods and line id; lines without size and colour rows
// get none.
void addGoodsJournalRows(const BillLineTables& t, const JournalHeader& h);
// One goods daily movement row (jxc_tempspbd) per line with a positive quantity, the quantity
// in `column` (e.g. "t_cg") and 0 in the other movement columns; `negated` writes the counter-
// rows that take a deleted bill's rows back (the quantity negated).
void addDailyMovement(const BillLineTables& t, const QString& djh, const QString& date, const char* column,
                      const QString& op, bool negated = false);

// Goods received into a warehouse (jxc_kcsp): quantity up by `qty`, cost the moving average
// round((K × C + amount) / (K + qty) + 0.0005, 2); the line price when K + qty is 0; a new
// stock row at the line price when the goods had none there.
void receiveIntoStock(const QString& ckSn, const QString& gSn, Money qty, Money price, Money amount);
// Goods sold from a warehouse: stock down and sold quantity up by `qty` (the cost kc_cbj stays);
// a goods without a stock row there gets one of -qty valued at its preset purchase price g_jj.
// The goods' total stock g_kc drops by `qty` and its sales counter g_xspl rises by 1.
void sellFromStock(const QString& ckSn, const QString& gSn, Money qty);
// Moves the stock of a goods in a warehouse by `qty` (signed; the cost kc_cbj and the sold
// quantity stay); a goods without a stock row there gets one of `qty` at `newCost` with sold
// quantity 0. Returns the row's cost after the move. The goods' total g_kc is not touched.
Money moveWarehouseStock(const QString& ckSn, const QString& gSn, Money qty, Money newCost);
// The goods' totals after a purchase line: g_kc up by `qty`, g_pjjj the moving average as
// above, purchase counter g_cgpl + 1, last purchase price g_scjj and last supplier ghs_sn.
void receiveIntoGoods(const QString& gSn, Money qty, Money price, Money amount, const QString& ghsSn);
