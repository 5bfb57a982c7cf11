// Deleting a posted bill with a reason: a purchase receipt, a purchase return, a sales bill, a
// customer return, or a supplier payment or customer receipt row of the document-based
// account. The deletion takes back everything the bill's posting wrote (stock and size-colour
// stock, goods totals, the goods journals, the daily movement by counter-rows, the daily
// summary, the monthly stock account, every cash-journal row with its money account, the party
// ledger with the running balances, the bill's payment rows and the bill itself) in one
// Transaction, log line included: it is written whole or not at all.
#pragma once

#include <QString>
#include <optional>

enum class PostedKind {
    Receipt,          // "CJ", supplier side
    PurchaseReturn,   // "CT", supplier side
    SupplierPayment,  // "GF", supplier side
    Sale,             // "XS", customer side
    CustomerReturn,   // "XT", customer side
    CustomerReceipt,  // "KF", customer side
};

// The kind of a document number by its first two characters; none for any other number.
std::optional<PostedKind> postedKindOf(const QString& djh);
// Whether the kind belongs to the supplier account window (else to the customer's).
bool isSupplierKind(PostedKind kind);

// The texts of a kind: the dialog's title and note, and the prefix of its log line.
struct PostedKindTexts {
    QString title;      // e.g. "即将删除采购进货单："
    QString note;       // e.g. "(说明：删除该单后，库存将减少，原进货操作将撤销！)"
    QString logPrefix;  // e.g. "删除进货单"
};
PostedKindTexts postedKindTexts(PostedKind kind);

// The log line of a deletion: prefix + number + ",删除原因为：" + the reason (trimmed, as safe
// name text), kept whole however long.
QString billDeleteLogText(PostedKind kind, const QString& djh, const QString& reason);

// Deletes the posted bill `djh` of `kind`, with its warehouse, partner and date as its header
// holds them, logging `reason`; the daily-movement counter-rows are dated today. Throws
// DbError, with nothing written, when the trimmed reason is empty ("删除原因不能为空！"), when
// there is no such posted bill, and on any database error.
void deletePostedBill(PostedKind kind, const QString& djh, const QString& reason);
