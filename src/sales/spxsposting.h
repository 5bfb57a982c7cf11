// Posting of a wholesale sales bill: the working lines under the bill's number become a posted
// sales bill with its effects on every book (header, cash journal and money account, the
// customer's ledger and balance, daily summary, monthly stock account, goods movement
// journals, goods daily movement, warehouse stock, goods totals, size and colour stock, the
// handler's sales counter and the log), written whole or not at all. Printing is the window's,
// after the commit.
#pragma once

#include "data/values.h"

#include <QString>
#include <optional>

// Settlement modes of a sales bill (the index of the chosen settlement item).
enum class SpxsMode {
    PaidOnly = 0,  // "按实付款结算": the shortfall becomes the bill's discount
    RestOwed = 1,  // "余款记入应收帐": the shortfall stays owed by the customer
};

// What a till sale books beside an ordinary sales bill: it is a sales bill on the default
// customer whose payment the till took.
struct SpxsTill {
    QString moment;    // date and time of payment: the journal's gl_kdrq
    QString hySn;      // the member, "" for a walk-in
    int payMode = 1;   // pos_zffs
    Money cash;        // pos_xj, pos_czk, pos_yhk, pos_djq: the amounts tendered by mode
    Money storedValue;
    Money bankCard;
    Money voucher;
    Money cashMove;    // what enters the money account (the stored-value part does not)
    QString ledgerNote;  // k_note: the till's note (ls_note holds the payment text)
};

// What the sales window holds when the bill is posted.
struct SpxsPosting {
    QString djh;      // the bill's number; its lines are the working lines under it
    QString khSn;     // the customer's code (the one last confirmed)
    QString khName;   // the customer box text
    QString ckSn;     // the warehouse's code
    QString ckName;   // the warehouse's name
    QString date;     // bill date "yyyy-MM-dd"
    QString uSn;      // the handler's code
    QString uName;    // the handler's name
    Money due;        // the amount due (sum of the lines' amounts without the discount item)
    Money received;   // the amount received
    SpxsMode mode = SpxsMode::PaidOnly;
    QString account;  // name of the money account receiving the payment
    QString note;
    QString sn2;      // original number
    QString op;       // the operator
    // Set for a till sale: journals marked "99" at the moment of payment, "前台销售" in the cash
    // journal with the whole amount, "POS销售单" in the ledger at the amount due before the
    // discount (owed and paid alike), the profit ls_lr and the till's payment columns.
    std::optional<SpxsTill> till = std::nullopt;
    // A sale of goods already out on loan: the stock quantities (warehouse, goods total, size and
    // colour) and the handler's counter stay, the warehouse's sold quantity and the goods' sales
    // counter move, the cost is the warehouse's kc_cbj (0 without a stock row), and the ledger
    // and the log name the conversion.
    bool lent = false;
    QString headerNote{};  // the header's note when not empty (else `note`)
    // An exchange: goods coming back stand as negative lines beside the goods going out, and
    // their signs do the netting. The header's note reads "商品换货：" + note, the cash row
    // "销售换货", the ledger "销售换货单" and the log "增加换货销售单…".
    bool exchange = false;
    // The audit of a pending bill: the handler was counted when it was held, the ledger reads
    // "商品销售单审核", the discount goods moves no stock and the log reads
    // "销售单" + number + "通过审核…" (counting the goods lines).
    bool audit = false;
};

// Posts the bill in one Transaction and returns its number of lines. Throws DbError, with
// nothing written, when the bill has no lines or its number is already posted, and on any
// database error.
int postSpxs(const SpxsPosting& bill);
