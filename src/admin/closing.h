// The year-end closing on plain values: one summary row for a year and every earlier one, the
// documents of those years deleted, and the party ledger restarted from the partners' balances.
#pragma once

#include <QString>

// The refusal of closing `year` once more: year + "年已经结算过了，不能重复结算！"; "" when it may.
QString closingRefusal(const QString& year);

// Closes `year` in one transaction: written whole or not at all. Returns the refusal, or "".
QString closeYear(const QString& year);

// Replaces the whole party ledger by one opening row per supplier and customer with a balance,
// numbered as today's YF and YS entries. Runs inside the caller's transaction.
void rebuildOpeningLedger();
