// Posting of a purchase receipt: the working lines under the receipt's number become a posted
// receipt with its effects on every book (header, cash journal and money account, the
// supplier's ledger and balance, daily summary, monthly stock account, goods movement
// journals, warehouse stock and moving-average cost, goods totals, size and colour stock, the
// handler's counter and the log), written whole or not at all. Printing is the window's, after
// the commit.
#pragma once

#include "data/values.h"

#include <QString>

// Settlement modes of a receipt (the index of the chosen settlement item).
enum class CgjhMode {
    PaidOnly = 0,  // "按实付款结算": the shortfall becomes the bill's discount
    RestOwed = 1,  // "余款记入应付帐": the shortfall stays owed to the supplier
};

// What the receipt window holds when the bill is posted.
struct CgjhPosting {
    QString djh;      // the bill's number; its lines are the working lines under it
    QString ghsSn;    // the supplier's code
    QString ghsName;  // the supplier box text
    QString ckSn;     // the warehouse's code
    QString ckName;   // the warehouse's name
    QString date;     // bill date "yyyy-MM-dd"
    QString uSn;      // the handler's code
    QString uName;    // the handler's name
    Money payable;    // the payable (sum of the lines' amounts without the discount item)
    Money paid;       // the paid amount
    CgjhMode mode = CgjhMode::PaidOnly;
    QString account;  // name of the money account paid from
    QString note;
    QString sn2;      // reference number
    QString op;       // the operator (of an audit: the one who held the bill)
    // The audit of a held receipt: the ledger row reads "采购进货单审核", the discount goods
    // moves no stock, the handler's purchase counter stays and the log names the audit.
    bool audit = false;
};

// Posts the receipt in one Transaction and returns its number of lines (of an audit: of the
// lines other than the discount goods). Throws DbError, with
// nothing written, when the bill has no lines or its number is already posted, and on any
// database error.
int postCgjh(const CgjhPosting& bill);
