// Party-ledger entries booked by hand: receivables and payables ("YS" / "YF"), receipts and
// payments ("SK" / "FK", each with its cash-journal row and money-account move), and the
// statements over the ledger. Every function that writes runs in one Transaction: it is
// written whole or not at all. Checks that refuse return the message to show; windows show it
// after the call, never inside the transaction.
#pragma once

#include "data/values.h"

#include <QString>
#include <optional>

// The party side of an entry: customers ("kh") or suppliers ("ghs").
enum class PartySide { Customer, Supplier };

// "kh" / "ghs".
QString partySideCode(PartySide side);

// A receivable (customer) or payable (supplier) entry.
struct RegisterEntry {
    PartySide side = PartySide::Customer;
    QString partner;    // k_ghskh
    QString date;       // k_rq, "yyyy-MM-dd"
    Money amount;       // k_yfje (or k_qcje of an opening row being modified)
    QString handlerSn;  // u_sn
    QString note;       // stored trimmed
    QString op;         // a_name
};

// The first refusal of an entry with nothing written, or an empty text: "应收款不能为0！" /
// "应付款不能为0！", "经办人不能为空！".
QString checkRegisterEntry(const RegisterEntry& e);
// Appends the entry under a new number "YS"/"YF" + today's yymmdd + serial, its running balance
// continued from the partner's balance as of its date, sets the balance field and recomputes
// the later rows. Returns the number.
QString addRegisterEntry(const RegisterEntry& e);
// Changes the ledger row `id`: date, amount, handler, note and operator; number, partner and
// kind stay. A row that carries an opening amount (k_qcje not 0) takes the amount there and
// never also in k_yfje. Recomputes from the earlier of the old and the new date.
void modifyRegisterEntry(qint64 id, const RegisterEntry& e);
// Removes the ledger row `id` and any cash-journal rows under its number (their accounts moved
// back), and recomputes the partner's balances from the row's date.
void deleteRegisterEntry(qint64 id);

// A receipt from a customer or a payment to a supplier.
struct SettlementEntry {
    PartySide side = PartySide::Customer;
    QString partner;      // k_ghskh / ghs_sn of the journal row
    QString partnerName;  // ghs_name of the journal row
    QString date;         // k_rq and xj_rq
    Money amount;         // k_sfje; the journal row holds +amount (receipt) or -amount (payment)
    QString account;      // money account name: k_fkfs and xj_kmmc
    QString handlerSn;    // u_sn of the ledger row
    QString handlerName;  // u_name of the journal row
    QString note;         // ledger row trimmed, journal row as typed
    QString op;
};

// "收款不能为0！" / "付款不能为0！", "经办人不能为空！", or empty.
QString checkSettlement(const SettlementEntry& e);
// Ledger row "SK"/"FK" under a new number, the account raised (receipt) or lowered (payment)
// by the amount and a "收款单"/"付款单" journal row under the same number. Returns the number.
QString addSettlement(const SettlementEntry& e);
// Changes the receipt or payment `id` (its side is the row's own): the old account gets the old
// amount back, the entry's account is moved by the new amount, and the journal row under the
// number, when there is one, moves to it with the new amount, date, handler and note.
void modifySettlement(qint64 id, const SettlementEntry& e);
// Moves the account back by the entry's amount, removes the ledger row and the journal rows
// under its number, and recomputes the partner's balances from its date.
void deleteSettlement(qint64 id);

// The running balance after the partner's most recently entered row (largest id); empty when it
// has none. The entry dialogs show it.
QString latestLedgerBalance(PartySide side, const QString& partner);

// A text literal of a list statement (dates and codes from the window's pickers; a quote is
// doubled all the same).
QString quotedLiteral(const QString& text);

// The statements of a period: `from` and `to` as "yyyy-MM-dd" (to is taken up to 23:59:59);
// `partner` none for every partner (a partner given as "" matches no row). Detail: an opening line per partner that has rows before
// the period (its balance after its latest row before `from`, by date and id, in k_qcje and
// k_ljje, dated `from`), then the period's rows, ordered by partner, date and id. Summary: one
// row per partner with rows in the period: yfje, sfje and wfje = yfje - sfje.
QString statementDetailSql(PartySide side, const QString& from, const QString& to, const std::optional<QString>& partner);
QString statementSummarySql(PartySide side, const QString& from, const QString& to, const std::optional<QString>& partner);
