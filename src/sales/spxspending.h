// Pending and held sales bills on plain values, each written whole or not at all.
//
// A pending sales bill lies in the pending tables (jxc_shdj with sh_flag "xs", its lines in
// jxc_shsp and their size and colour rows in jxc_shspmx) and changes neither stock nor
// accounts until it is audited; the audit posts it through the sales posting.
//
// Held lines ("挂单"): the lines of the bill on screen parked in jxc_lsxssptemp (kind "XS"), one
// pool for the whole program, and recalled into whatever bill is on screen.
#pragma once

#include "bills/workinglines.h"
#include "sales/spxsposting.h"

// Holds the sales bill on screen as a pending bill: its header (amounts, settlement index,
// money account, note and reference number as the window shows them, operator `bill.op`) and
// its working lines with their size and colour rows go to the pending tables under its number;
// the handler is counted, the log reads "增加未审核销售单…" and the working lines are deleted.
// Throws DbError, with nothing written, when the bill has no lines or its number is already
// held or posted.
void savePendingSpxs(const SpxsPosting& bill);

// After a change of a pending bill's lines: its amount due and amount received both become the
// sum of its lines' amounts.
void updatePendingSpxsAmounts(const QString& djh);
// Deletes one line of a pending sales bill with its size and colour rows; when it was the last
// line the bill goes too, else its amounts follow. Returns whether the bill still exists.
bool deletePendingSpxsLine(const QString& djh, qint64 lineId);

// The audit's choices.
struct SpxsAudit {
    QString djh;
    Money received;  // "实收金额"
    SpxsMode mode = SpxsMode::PaidOnly;
    QString note;    // the dialog's note as typed
};
// Audits a pending sales bill: its lines come back as working lines with their size and colour
// rows, it is marked audited with the note, and it is posted with its own date, customer,
// warehouse, handler, money account, reference number and saver. Returns the number of lines.
// Throws DbError, with nothing written, when no pending sales bill of that number waits.
int auditSpxs(const SpxsAudit& audit);

// The goods picker's list as lines of a pending sales bill (its amounts follow).
extern const ScratchTransfer kPendingSalesScratch;

// Whether the operator has held sales lines (the hold command is then disabled, the recall
// command enabled), and whether anyone has.
bool hasHeldSalesLines(const QString& op);
bool anyHeldSalesLines();
// Parks the lines of bill `djh`: the operator's earlier held lines are replaced, the working
// lines and their size and colour rows are deleted (a held line comes back without them).
void holdSalesLines(const QString& djh);
// Appends every held sales line, of whoever held it, to bill `djh` and empties the pool.
// Returns the number of lines recalled.
int recallSalesLines(const QString& djh);
// Empties the pool (the sales window closing).
void dropHeldSalesLines();
