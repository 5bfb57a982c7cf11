// The till's business sequences on plain values: the goods lookup, the amount due and the
// payment's checks, the sale posting with the member's points and stored value, held sales,
// the till return with its limits, and the receipt. Every sequence that writes runs in one
// Transaction: written whole or not at all. Functions answering a QString give the refusal
// message of the first failed check, or "" when they wrote; the windows show it.
#pragma once

#include "data/database.h"
#include "data/values.h"

#include <QList>
#include <QString>
#include <optional>
#include <utility>

class QWidget;

// ---- Goods lookup --------------------------------------------------------------------------

// Goods the till offers for a typed key in a warehouse: when the key is a variant barcode
// (jxc_tm) the goods of that barcode, else every goods whose code, name, short code or goods
// barcode contains the key; only goods with a stock row in the warehouse, not disabled and not
// the discount balancing item, with stock above 0 unless csKc is on and csCbjs is not "1".
// Columns of jxc_goods, ordered by g_sn. The key is bound, never spliced into the statement.
ResultSet findPosGoods(const QString& key, const QString& ckSn);

// ---- Amount due, payment --------------------------------------------------------------------

// The amount due of a sale total, cut (never rounded) to `decimals` places (csPosfkws: "0",
// "1", "2", ...) from the exact total, so 1.15 stays 1.15 under "2".
Money posAmountDue(Money total, const QString& decimals);
// The same from the total label's text ("" counts as 0); the result as the dialog shows it.
QString posAmountDueText(const QString& totalText, const QString& decimals);

enum class PosPayMode { Cash = 1, StoredValue = 2, BankCard = 3, Voucher = 4, Combined = 5 };
// "现金结账", "储值卡结账", "银行卡结账", "代金券结账", "联合结账".
QString posPayModeText(PosPayMode mode);

// What the payment dialog holds when it posts.
struct PosPayment {
    PosPayMode mode = PosPayMode::Cash;
    Money due = Money();          // the amount due as cut (yfje)
    Money roundOff = Money();     // tmlje / tmlje2
    Money tendered = Money();     // the single panel's amount tendered (tfkje)
    Money cash = Money();         // the combined panel: tfkje2
    Money storedValue = Money();  //                     tczk
    Money bankCard = Money();     //                     tyhk
    Money voucher = Money();      //                     tdjq
    Money balance = Money();      // the member's stored value as the dialog shows it (0 for a walk-in)
    QString note = QString();       // the visible panel's note
};
// The most stored value may pay: the balance, and never more than due less round-off, so no
// change comes out of a card.
Money storedValueCap(Money balance, Money due, Money roundOff);
// The payment with its stored-value amounts capped as above (tfkje in stored-value mode, tczk).
PosPayment cappedPayment(PosPayment p);
// The change of the visible panel: what was tendered plus round-off less the amount due.
Money posChange(const PosPayment& p);
// "付款金额不足，不能保存！" when the change is negative, else "".
QString posPaymentRefusal(const PosPayment& p);

// The round-off the operator may grant: "抹零金额不能为负数，请重新输入！" below 0,
// "您的最大抹零金额为" + limit + "元，不能超过这一数值！" above the operator's a_zreoje, else "".
QString roundOffRefusal(Money roundOff, const QString& op);

// ---- Sale posting ---------------------------------------------------------------------------

// What the till holds when the sale is paid. Its lines are the working lines under `djh`
// (jxc_lsxssp with their size and colour rows in jxc_lsxsspmx).
struct PosSale {
    QString djh;
    QString memberCard;  // the card shown on the till; "" for a walk-in
    QString ckSn;        // the till's warehouse
    QString uSn;         // the till's handler ("-1" or "" for none)
    QString op;          // the cashier
    PosPayment payment;
};

struct PosSaleResult {
    int lines = 0;     // the number of working lines posted
    QString hySn;      // the member, "" for a walk-in
    Money points;      // points earned
    Money pointsBefore;
    Money balanceAfter;  // the member's stored value after the sale
};

// Posts the paid sale in one Transaction: till, member and sales-bill rows, "现金" and the
// cash journal, the default customer's ledger, summaries, journals ("99", size rows by tid),
// stock, the member's points, remainder, level, spending, visits and stored value, and the log.
// The payment is capped first (cappedPayment). Throws DbError, with nothing written, for a
// refused payment, a sale without lines or a number already posted, and on any database error.
PosSaleResult postPosSale(const PosSale& sale);

// The points rule of the till on whole amounts: base truncated (plus the carried remainder when
// carrying), points = base / per point, remainder = base mod per point. A fractional amount per
// point divides exactly: points = floor(base / perPoint), remainder = base − points × perPoint.
struct PointsResult {
    Money points;
    Money remainder;
};
PointsResult posPoints(Money base, Money perPoint, bool carry, Money oldRemainder);

// ---- Held sales -----------------------------------------------------------------------------

// Holds the sale on the till: its lines and size and colour rows move to the held tables
// under the same number with a "gd" header. Throws DbError when the sale has no lines.
void holdPosSale(const QString& djh, const QString& memberCard, const QString& uSn, const QString& ckSn,
                 const QString& totalText, const QString& op);
// Resumes held sale `djh` into the till's working lines (prices as held, size and colour rows
// paired by id, stock figure empty) and removes the held rows. Returns the member's code ("").
// Throws DbError when the till's sale `djh` already has working lines.
QString resumePosSale(const QString& djh);
// Deletes the held sale's header, lines and size and colour rows.
void deleteHeldSale(const QString& djh);
// "否" on closing the till: the sale's working lines and their size and colour rows go.
void discardPosLines(const QString& djh);

// The till lock and the return's supervisor check a password with verifyOperator
// (shell/login.h), which also answers the operator's role.

// ---- Returns --------------------------------------------------------------------------------

// A posted (not held) till sale as the return window shows it.
struct PosSaleRef {
    QString djh;
    QString date;   // pos_xsrq
    QString hySn;
    QString hyBh;   // the member's card, "" without
    QString khSn;
    QString ckSn;
    QString uSn;
};
// The posted till sale of the typed number; none for an unknown or held one ("该销售单不存在！").
std::optional<PosSaleRef> findPosSale(const QString& typed);
// A new return number, "XT" from the customer returns' sequence.
QString posReturnNumber();
// Copies the sold lines of the typed goods (code or goods barcode) of sale `saleDjh` into the
// return, each with only what remains of it after the returns posted and the lines already in
// this return. Refusals: "请先选择销售单！", "没有该商品信息,请重新你输入商品编号或条码！",
// "退货数量不能大于销售数量！" when nothing remains.
QString addReturnGoods(const QString& returnDjh, const QString& saleDjh, const QString& typed, const QString& op);
// Sets a return line's quantity: "数量必须大于0！", "退货数量不能大于销售数量！" above the line's
// present quantity (which never exceeds what its sold line may still give back), else "" with
// the amount recomputed as price × rate × quantity.
QString setReturnQuantity(qint64 lineId, Money qty);
void removeReturnLine(qint64 lineId);
// "否" on closing the return window: the return's lines go.
void discardReturnLines(const QString& returnDjh);
// The goods total of the return's lines (sum of pos_zje).
Money returnGoodsTotal(const QString& returnDjh);
// The proposed refund: the goods total rounded up to `decimals` places (csPosfkws).
Money proposedRefund(Money total, const QString& decimals);
// "退货金额不能为负数！" below 0, "退货金额不能大于商品总额！" above the proposal, else "".
QString refundRefusal(Money refund, Money proposal);

struct PosReturn {
    QString djh;     // the return number; its lines are the jxc_posthsp rows under it
    PosSaleRef sale;
    Money refund;
    QString op;
};
// Posts the return in one Transaction: till return, customer return, member rows and points
// taken back, "现金" and the cash journal, summaries, journal ("99"), size and colour stock of
// the sold sizes and colours, stock and the log. Throws DbError, with nothing written, for a
// refused refund, a return without lines, a line above what it may give back, and on any
// database error. Returns the number of lines.
int postPosReturn(const PosReturn& ret);

// ---- Receipt --------------------------------------------------------------------------------

using PosReceiptVariable = std::pair<QString, QString>;
// The receipt's variables of till sale `djh` (unquoted values): bt1, bt2, jz1, jz2, jhDate,
// khName, yfje, sfje, mlje, zlje, zffs, uName, bcjf, zjf, Note, hybh.
QList<PosReceiptVariable> posReceiptVariables(const QString& djh);
// The receipt of till sale `djh` over report/posxp.fr3 with its lines in frxDBDataset1,
// previewed once. Returns false when the report could not be shown.
bool printXp(const QString& djh, QWidget* parent = nullptr);
