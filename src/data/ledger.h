// Money accounts and the party ledger.
//
// The party ledger (jxc_ysyfk) holds one row per money event of a supplier ("ghs") or customer
// ("kh"); a row's running balance k_ljje is the previous row's balance + k_qcje + k_yfje -
// k_sfje, rows ordered by k_rq and then id. The partner's balance field (ghs_lwje / kh_lwje)
// holds the last running balance. Calling order in a posting: updateYhzh, getLjjeBefore, the
// window appends its row, recalcLjje from the bill date.
#pragma once

#include <QString>

// Moves the named money account's balance: kind "cg" lowers it by `amount`, "xs" raises it;
// a negative amount moves it the other way. Any other kind, or an unknown account, changes
// nothing.
void updateYhzh(const QString& accountName, const QString& amount, const QString& kind);

// The running balance to continue from for a new row of the partner dated `date`: the balance
// of its latest row on or before that date (by date, then id); with a row id other than "" or
// "0", only rows with a smaller id count. "0" when there is none.
QString getLjjeBefore(const QString& partner, const QString& kind, const QString& rowId, const QString& date);

// Recomputes the partner's running balances from `date` on and stores the last one in the
// partner's balance field.
void recalcLjje(const QString& partner, const QString& kind, const QString& date);

// The partner summary of the document-based account into zwYfje (due), zwSfje (paid) and
// zwWfje (still owed: the balance field ghs_lwje or kh_lwje, positive when the shop owes the
// supplier or the customer owes the shop, as every window shows "未付" and "欠款"). An unknown
// partner leaves the three globals as they were.
void getGhsZw(const QString& ghsSn);
void getKhZw(const QString& khSn);

// The supplier's opening payable (callers pass minus the amount): rewrites every payment row
// of the supplier, or inserts one "期初应付" row numbered "GF" + today when it has none.
void saveGhsQcyf(const QString& ghsSn, const QString& amount, const QString& note);
