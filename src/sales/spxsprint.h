// Printing of a sales bill: the bill in the sales window (its values handed over as they stand
// in the window), a posted bill by its number, and a pending sales bill by its number, all
// through the shared bill print on the template "spxs.fr3".
#pragma once

#include "bills/billprint.h"
#include "data/values.h"

#include <QString>

// What the sales window shows of the bill being printed.
struct SpxsPrintBill {
    QString djh;     // the bill's number; its lines are the working (or posted) lines under it
    QString khSn;    // the bill's customer (contact, telephone and address are read from it)
    QString khName;  // the customer box text (printed trimmed)
    QString ckName;  // the warehouse combo's text
    QString date;    // bill date "yyyy-MM-dd"
    QString note;    // the note box
    QString uName;   // the handler combo's text
    QString due;     // the amount due label's text, a plain number ("1234.5")
    Money received;  // the amount received
};

// Line dataset of a sales bill's (working or posted) lines: one row per size and colour row
// with the line's columns, g_name, dw_name, gg_name, cm_name, color_name, t_sl,
// sj = ls_dj × ls_dzl and zje = sj × t_sl. A line without size and colour rows gives one row
// with its own quantity as t_sl, its amount as zje and empty size and colour names.
QString spxsLinesSql(const QString& djh);
// The same of a pending sales bill, its columns named as the bill's (ls_dj, ls_dzl, ls_zje).
QString spxsPendingLinesSql(const QString& djh);

// A posted sales bill as its print shows it: the stored header with its customer, warehouse
// and handler names; an unknown number gives empty values.
SpxsPrintBill postedSpxsBill(const QString& djh);
// A posted customer return the same way, its stored negative amounts printed positive.
SpxsPrintBill postedXsthBill(const QString& djh);

// The print of the bill in the window (mode "1"): customer, warehouse, date, note, handler and
// the amounts due and received in capitals.
BillPrint spxsPrint(const SpxsPrintBill& bill);
// The print of a pending sales bill (mode "2"), its values read from jxc_shdj.
BillPrint spxsPendingPrint(const QString& djh);

// "打印单据" and the print after posting: when the bill has lines, the print dialog once and then
// `copies` copies. Returns whether the operator confirmed the dialog; an empty bill shows
// nothing and returns false.
bool printSpxs(const SpxsPrintBill& bill, int copies, QWidget* parent = nullptr);
// "预览单据": when the bill has lines, its preview.
void previewSpxs(const SpxsPrintBill& bill, QWidget* parent = nullptr);
// "查看单据" of a pending sales bill: its preview.
void previewPendingSpxs(const QString& djh, QWidget* parent = nullptr);

// The line dataset of a customer return's lines, shaped as spxsLinesSql (th_dj, th_dzl, th_sl,
// th_zje), and the print of the return in its window on the template "xsth.fr3".
QString xsthLinesSql(const QString& djh);
BillPrint xsthPrint(const SpxsPrintBill& bill);
