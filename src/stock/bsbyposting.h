// Loss and overflow bills as business sequences: goods written off (loss, "BS") or found in
// surplus (overflow, "BY") in one warehouse, each posting written whole or not at all.
#pragma once

#include "data/billtables.h"

#include <QString>

enum class BsbyKind { Loss, Overflow };

// What tells the two kinds apart.
struct BsbyTables {
    const BillLineTables* lines;
    const char* headerTable;  // "jxc_bsd"
    const char* dateColumn;   // "bs_bsrq"
    const char* noteColumn;   // "bs_note"
    const char* prefix;       // "BS"
    const char* title;        // "商品报损"
};
const BsbyTables& bsbyTables(BsbyKind kind);

struct BsbyPosting {
    BsbyKind kind = BsbyKind::Loss;
    QString djh;   // the bill's number; its lines are the working lines under it
    QString ckSn;  // the warehouse's code
    QString date;  // bill date "yyyy-MM-dd"
    QString uSn;   // the handler's code
    QString note;  // stored trimmed
    QString op;    // the operator
};

// Posts a loss (saveBsValue) or an overflow (saveByValue) in one Transaction and returns its
// number of lines. Each line moves the warehouse stock (a goods without a row there gets one
// of ∓q at the line's unit cost; an existing row keeps its cost), the goods' total g_kc, and
// the month row of the bill's month by q and q × the warehouse cost; the size and colour stock
// moves by the lines' rows. The bill's amount is booked in jxc_yyfy ("商品报损支出" negative,
// "商品报溢收入" positive; nothing at 0). There is no stock check. Throws DbError, with
// nothing written, when the bill has no lines or its number is already posted.
int saveBsValue(const BsbyPosting& bill);
int saveByValue(const BsbyPosting& bill);
int postBsby(const BsbyPosting& bill);
