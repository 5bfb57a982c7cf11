// Customer returns as business sequences: the posting of a return (goods a customer brings
// back, money refunded) and the copies that fill a return from a posted sales bill, each written
// whole or not at all. Questions and messages are the window's, before or after.
#pragma once

#include "data/values.h"

#include <QString>
#include <optional>

// What a till return books beside an ordinary customer return: goods taken back at the till,
// refunded in cash.
struct XsthTill {
    QString moment;  // date and time of the return: the journal's gl_kdrq
    QString hySn;    // the sale's member, "" for a walk-in
};

// What the return window holds when the return is posted.
struct XsthPosting {
    QString djh;      // the return's number; its lines are the working lines under it
    QString khSn;     // the customer's code
    QString khName;   // the customer box text
    QString ckSn;     // the warehouse taking the goods back
    QString ckName;
    QString date;     // "yyyy-MM-dd"
    QString uSn;      // the handler
    QString uName;
    Money due;        // the amount due to the customer, positive
    Money refund;     // the amount refunded now, positive
    QString account;  // name of the money account paying the refund
    QString note;
    QString op;       // the operator
    QString sale;     // the sales bill returned whole (marked returned), empty for none
    // Set for a till return: no ledger row (the bill counter still rises) and no handler's
    // counter, "前台退货" in the cash journal, journals marked "99" at the moment of the return,
    // the profit th_lr at the average purchase price and the till's payment columns (all cash).
    std::optional<XsthTill> till = std::nullopt;
};

// Posts the return in one Transaction and returns its number of lines. Header, cash row and
// ledger carry the money negative; goods go back into stock without touching their costs; the
// profit th_lr is reckoned at the preset purchase price, the summaries and the journal at the
// average purchase price. Throws DbError, with nothing written, when the bill has no lines, its
// number is already posted or its sales bill was already returned whole, and on any database
// error.
int postXsth(const XsthPosting& bill);

// The header of a posted sales bill as a return copies it.
struct SaleHeader {
    QString djh;
    QString khSn;
    QString khName;
    QString ckName;
    QString uName;
    QString note;
    Money due;       // ls_yfje
    Money received;  // ls_sfje
    bool returned = false;  // ls_th: returned whole already
};
// The sales bill with its customer, warehouse and handler names; none when there is no such bill.
std::optional<SaleHeader> saleHeader(const QString& djh);

// A copy of sales lines into a return.
struct SaleCopy {
    QString refusal;                   // a message instead of the copy
    std::optional<SaleHeader> header;  // the sales bill when lines were copied
};
// Copies every line of sales bill `djh`, with its production date and its size and colour rows,
// under the return number `returnDjh`. Refused with "请先保存本次的退货单据！" when the return
// already has lines, and with "该单据已经进行过整单退货，不能重复退货！" for a bill returned whole.
SaleCopy copyWholeSale(const QString& djh, const QString& returnDjh);
// Adds the sales line `lineId` with its size and colour rows to the return `returnDjh`; the
// mark of its bill is not tested. An unknown line copies nothing and gives no header.
SaleCopy copySaleLine(qint64 lineId, const QString& returnDjh);
