// The stock transfer as a business sequence: the working lines under a transfer number move
// from one warehouse to another, written whole or not at all.
#pragma once

#include <QString>

struct KcdbPosting {
    QString djh;    // the transfer's number; its lines are the working lines under it
    QString ckOut;  // code of the warehouse the goods leave
    QString ckIn;   // code of the warehouse they enter
    QString date;   // transfer date "yyyy-MM-dd"
    QString uSn;    // the handler's code
    QString note;   // as typed: stored trimmed, as safe name text, cut to 64 characters
    QString op;     // the operator
};

// Posts the transfer in one Transaction and returns its number of lines: each line's stock
// leaves the out warehouse and enters the in warehouse at the cost it had in the out warehouse
// (a new stock row there at that cost, sold quantity 0; a goods without a stock row in the out
// warehouse gets one of -q at its preset purchase price g_jj), both warehouses' month rows of
// the transfer's month move by q and by q × that cost, and the size and colour rows move too.
// The goods' totals and the journals are not touched. Throws DbError, with nothing written,
// when the bill has no lines, the two warehouses are the same, the number is already posted,
// and on any database error.
int postKcdb(const KcdbPosting& bill);
