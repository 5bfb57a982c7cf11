// Printing of a purchase return on the template "cgth.fr3": the bill in the return window
// (one row per size and colour row) and a posted return previewed from the return query (its
// lines, header values read from the return).
#pragma once

#include "bills/billprint.h"
#include "data/values.h"

#include <QString>

// What the return window shows of the bill being printed.
struct CgthPrintBill {
    QString djh;      // the return's number; its lines are the working lines under it
    QString ghsSn;
    QString ghsName;  // the supplier box text (printed trimmed)
    QString ckName;   // the warehouse combo's text
    QString date;     // "yyyy-MM-dd"
    QString note;
    QString uName;    // the handler combo's text
    QString due;      // the amount-due label's text
    Money received;
};

// One row per size and colour row of the return's lines, zje = th_dj × t_sl.
QString cgthLinesSql(const QString& djh);
// The print of the bill in the window.
BillPrint cgthPrint(const CgthPrintBill& bill);
// The print of a posted return: one row per line, supplier, warehouse, date, note, handler and
// the stored (negative) amounts in capitals.
BillPrint cgthPostedPrint(const QString& djh);
