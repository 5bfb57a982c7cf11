// Printing of a purchase receipt: the bill in the receipt window (its values handed over as
// they stand in the window) and a pending receipt by its number, both through the shared bill
// print on the template "cgjh.fr3".
#pragma once

#include "bills/billprint.h"
#include "data/values.h"

#include <QString>

// What the receipt window shows of the bill being printed.
struct CgjhPrintBill {
    QString djh;      // the bill's number; its lines are the working lines under it
    QString ghsSn;    // the supplier's code (contact, telephone and address are read from it)
    QString ghsName;  // the supplier box text (printed trimmed)
    QString ckName;   // the warehouse combo's text
    QString date;     // bill date "yyyy-MM-dd"
    QString note;     // the note box
    QString uName;    // the handler combo's text
    QString payable;  // the payable label's text, a plain number ("1234.5")
    Money paid;       // the paid amount
};

// Line dataset of a receipt's (working or posted) lines: one row per size and colour row
// with the line's columns, g_name, dw_name, gg_name, cm_name, color_name, t_sl and
// zje = jh_dj × t_sl. Lines without size and colour rows give none.
QString cgjhLinesSql(const QString& djh);
// The same of a pending receipt, its columns named as the receipt's (j_sn, jh_dj, jh_sl, jh_zje).
QString cgjhPendingLinesSql(const QString& djh);

// The print of the bill in the window (mode "1"): supplier, warehouse, date, note, handler and
// the payable and paid amounts in capitals.
BillPrint cgjhPrint(const CgjhPrintBill& bill);
// The print of a pending receipt (mode "2"), its values read from jxc_shdj.
BillPrint cgjhPendingPrint(const QString& djh);

// "打印单据": when the bill has lines, the print dialog once and then `copies` copies. Returns
// whether the operator confirmed the dialog (the window then sets its skip flag); an empty
// bill shows nothing and returns false.
bool printDj(const CgjhPrintBill& bill, int copies, QWidget* parent = nullptr);
// "预览单据": when the bill has lines, its preview.
void previewDj(const CgjhPrintBill& bill, QWidget* parent = nullptr);
// "查看单据" of a pending receipt: its preview.
void previewPendingDj(const QString& djh, QWidget* parent = nullptr);
