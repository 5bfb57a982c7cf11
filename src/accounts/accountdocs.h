// The document-based account of the supplier and customer account windows: every receipt,
// return and payment of a partner with what was due, paid, still owed and written off, the
// goods lines of one document, and the reprint of a listed document from its list row.
#pragma once

#include "accounts/ledgerentries.h"
#include "bills/billprint.h"
#include "data/values.h"

#include <QString>

class QWidget;
class ResultSet;

// The statement of the document list (Q_GhsDJ / Q_KhDj): receipts (CJ) or sales bills (XS),
// returns (CT / XT) and the payment rows (GF / KF) whose amount is not 0, dated `from` to `to`
// (both "yyyy-MM-dd", the last day included), of the partners whose code, name or short code
// contains the typed key (through sqlSafe; "全部供货商"/"当前列表供货商" or "全部客户"/"当前客户"
// and an empty key mean every partner). Columns: djh, rq, yfje, sfje, wfje, yhje, the kind
// text (zflx for suppliers, fktype for customers), dnote, ck_sn, ck_name, dsort, the partner's
// code, name and short code, u_sn, u_name, a_name. Newest first; on one date bills, returns,
// payments, then the larger number first; `byKind` puts the kind text first.
QString accountDocumentsSql(PartySide side, const QString& from, const QString& to, const QString& typedKey,
                            bool byKind = false);

// The goods lines of a listed document from the goods journal, with sl and zje positive for
// returns; "" for payments and other numbers.
QString accountLinesSql(PartySide side, const QString& djh);

// The print of one row of the document list (its fields by name): the bill's template and line
// dataset with the amounts of the row (a return's printed positive), or the payment voucher
// with the row's paid amount on its digit cells. `voucher` tells which; an empty template for a
// number of another kind.
struct AccountDocumentPrint {
    BillPrint print;
    bool voucher = false;
    Money amount;  // the voucher's amount
};
AccountDocumentPrint accountDocumentPrint(PartySide side, const ResultSet& rows, int row);

// The preview of that print; nothing for another kind of number.
void previewAccountDocument(PartySide side, const ResultSet& rows, int row, QWidget* parent = nullptr);
