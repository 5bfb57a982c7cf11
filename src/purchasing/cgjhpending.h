// Held purchase receipts: a receipt saved in the pending state lies in the pending tables
// (jxc_shdj with sh_flag "cj", its lines in jxc_shsp and their size and colour rows in
// jxc_shspmx) and changes neither stock nor accounts until it is audited. Each function is
// written whole or not at all (one Transaction each).
#pragma once

#include "bills/workinglines.h"
#include "purchasing/cgjhposting.h"

// Holds the receipt on screen: its header (payable, paid, settlement index, money account,
// note and reference number as the window shows them, operator `bill.op`) and its working
// lines with their size and colour rows become a pending receipt under its number; the working
// lines are deleted. Throws DbError, with nothing written, when the bill has no lines or its
// number is already held or posted.
void savePendingCgjh(const CgjhPosting& bill);

// The payable of a pending bill: the sum of its lines' amounts ("0" without lines); the paid
// amount stays.
void updateCheckShdjYfje(const QString& djh);

// Deletes one line of a pending bill with its size and colour rows; when it was the last line
// the bill goes too, else its payable is recomputed. Returns whether the bill still exists.
bool deletePendingLine(const QString& djh, qint64 lineId);

// Deletes a pending bill with its lines and their size and colour rows.
void deletePendingCgjh(const QString& djh);

// The audit's choices.
struct CgjhAudit {
    QString djh;
    Money paid;     // the paid amount confirmed in the audit dialog
    CgjhMode mode = CgjhMode::PaidOnly;
    QString note;   // the dialog's note as typed
};
// Audits a pending receipt: a paid amount above the payable is written into the pending
// header; the lines come back as working lines and the receipt is posted with the pending
// bill's date, warehouse, supplier, handler, money account, reference number and operator;
// the pending header stays with sh_djzt 1 and the note. Returns the number of goods lines.
// Throws DbError, with nothing written, when no pending receipt of that number waits.
int auditCgjh(const CgjhAudit& audit);

// The goods picker's list as lines of a pending receipt (its payable follows).
extern const ScratchTransfer kPendingScratch;
