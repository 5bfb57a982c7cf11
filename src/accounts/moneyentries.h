// Money accounts and the money that moves without a bill: account maintenance with opening
// amounts, deposits, withdrawals and transfers, expenses and other income with their types.
// Every function that writes runs in one Transaction; balances move through updateYhzh with a
// cash-journal row that agrees. Checks return the message to show, or an empty text.
#pragma once

#include "data/values.h"
#include "platform/combofill.h"  // kNewHandlerItem

#include <QString>

// ---- Money accounts -------------------------------------------------------------------------

struct AccountFields {
    QString type;   // yh_type
    QString name;   // yh_name
    Money balance;  // yh_zje
    QString note;   // yh_note
};

// "账户名称必须填写！", "账户类型必须填写！" or empty.
QString checkAccount(const AccountFields& f);
// Appends an account under the next code (type, name and note trimmed, as safe names); no
// journal row. Returns the code.
QString addAccount(const AccountFields& f);
// Rewrites the account `id`, its balance included; rows elsewhere keep the old name.
void modifyAccount(qint64 id, const AccountFields& f);
// "“现金”不能删除！" for the cash account, else empty.
QString checkDeleteAccount(const QString& name);
// Refuses as checkDeleteAccount; otherwise deletes the account alone and returns empty.
QString deleteAccount(qint64 id);
// "“现金”不能修改！" for the cash account, else empty.
QString checkModifyAccount(const QString& name);
// "该银行账户已有业务发生，不能建立期初帐！" while the account named `name` has a journal row.
QString checkOpeningAmount(const QString& name);
// Replaces the balance of the account `id` (no journal row); refuses as checkOpeningAmount.
QString setOpeningAmount(qint64 id, Money amount);

// ---- Deposits, withdrawals, transfers -------------------------------------------------------

struct CashMove {
    QString account;
    Money amount;
    QString handlerName;
    QString note;
    QString op;
};

// "金额必须填写！", "请选择经办人！" or empty.
QString checkCashMove(const CashMove& m);
// A "现金银行收款" row of +amount (deposit) or "现金银行付款" of -amount (withdrawal) dated today,
// the account moved with it. A withdrawal may leave the balance negative.
void deposit(const CashMove& m);
void withdraw(const CashMove& m);

struct Transfer {
    QString from;
    QString to;
    Money amount;
    QString handlerName;
    QString note;
    QString op;
};
// Checks in order ("出款、入款不能为同一个账户！", "金额必须大于0！", "请选择经办人！",
// "转出的金额不能大于出款账户中的金额！"); then two "现金银行转账" rows dated today, -amount on the
// source and +amount on the destination, both accounts moved. Returns the refusal or empty.
QString transfer(const Transfer& t);

// ---- Expenses and income --------------------------------------------------------------------

enum class FyDirection { Expense, Income };

struct FyEntry {
    FyDirection direction = FyDirection::Expense;
    QString type;         // fy_lx
    Money amount;         // as typed; an expense is stored negative
    QString handlerSn;    // u_sn
    QString handlerName;  // u_name of the journal row
    QString account;      // the money account moved
    QString note;
    QString op;
};

// "金额必须填写！", "请选择费用类型！"/"请选择收入类型！", "请选择经办人！" or empty.
QString checkFyEntry(const FyEntry& e);
// The jxc_yyfy row dated today, the account lowered (expense) or raised (income) and a
// "费用付款"/"收入收款" journal row noted "[名目：" + type + "]" + note.
void addFyEntry(const FyEntry& e);

// Adds a type of the direction: "类型已经存在，不能加入！" when the name exists in either direction;
// an empty name adds nothing and returns empty.
QString addFyType(FyDirection direction, const QString& name, const QString& note);
void deleteFyType(qint64 id);

// The per-type totals of a period ("yyyy-MM-dd" both ends), only types that exist; `sc` empty,
// "费用" or "收入".
QString fySummarySql(const QString& from, const QString& to, const QString& sc);

// The cash journal of one account for a period ("yyyy-MM-dd" both ends) in order of entry,
// limited to one handler's rows when `handlerName` is given.
QString accountJournalSql(const QString& account, const QString& from, const QString& to,
                          const QString& handlerName = QString());
