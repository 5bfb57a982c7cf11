// Purchase returns as business sequences: the posting of a return (goods sent back to a
// supplier, money received back) and the copies that fill a return from a posted receipt,
// each written whole or not at all. Questions and messages are the window's, before or after.
#pragma once

#include "data/values.h"

#include <QString>
#include <optional>

// What the return window holds when the return is posted.
struct CgthPosting {
    QString djh;       // the return's number; its lines are the working lines under it
    QString ghsSn;     // the supplier's code
    QString ghsName;   // the supplier box text
    QString ckSn;      // the warehouse's code
    QString ckName;    // the warehouse's name
    QString date;      // bill date "yyyy-MM-dd"
    QString uSn;       // the handler's code
    QString uName;     // the handler's name
    Money due;         // the amount due back (sum of the lines' amounts), positive
    Money received;    // the amount received back, positive
    QString account;   // name of the money account that receives it
    QString note;
    QString op;        // the operator
    QString receipt;   // the receipt being returned (marked returned), empty for none
};

// Posts the return in one Transaction and returns its number of lines. Header and ledger
// amounts are stored negative, the cash row positive; stock leaves the warehouse at its cost.
// Throws DbError, with nothing written, when the bill has no lines or its number is already
// posted, and on any database error.
int postCgth(const CgthPosting& bill);

// The name of the first goods (in line order) of the working lines under `djh` that has no
// stock row in warehouse `ckSn`; empty when all have one.
QString firstGoodsWithoutStock(const QString& djh, const QString& ckSn);

// The header of a posted receipt as a return copies it.
struct ReceiptHeader {
    QString jSn;
    QString ghsSn;
    QString ghsName;
    QString ckName;
    QString uName;
    QString note;
    Money payable;  // j_yfje
    Money paid;     // j_sfje
};
// The receipt joined with its supplier, warehouse and handler; none when it cannot be joined.
std::optional<ReceiptHeader> receiptHeader(const QString& jSn);

// A copy of receipt lines into a return.
struct ReturnCopy {
    QString refusal;                       // a message instead of the copy
    std::optional<ReceiptHeader> header;   // the receipt's header when lines were copied
};
// Copies every line of receipt `jSn`, with its production date and its size and colour rows,
// under the return number `returnDjh` (added to the lines already there). A receipt marked
// returned is refused with "该单据已经进行过整单退货，不能重复退货！"; one that cannot be read
// copies nothing and gives no header.
ReturnCopy copyWholeReceipt(const QString& jSn, const QString& returnDjh);
// Copies the receipt line `lineId` with its size and colour rows under `returnDjh`; the mark of
// its receipt is not tested. An unknown line copies nothing and gives no header.
ReturnCopy copyReceiptLine(qint64 lineId, const QString& returnDjh);
