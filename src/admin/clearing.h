// Data clearing on plain values: the resets with the stock turned into opening stock, and the
// deletion of the business records of a period. Each runs in one transaction.
#pragma once

#include <QDate>

enum class ClearChoice {
    KeepBasics,        // "保留基本信息"
    KeepBasicsStock,   // "保留基本信息，并将库存信息转为期初建账"
    Everything,        // "删除所有数据(admin密码为空)"
    Period,            // "删除指定时间的营业信息"
};

// Runs the choice; `from` and `to` are the period's days (Period only).
void clearData(ClearChoice choice, const QDate& from = {}, const QDate& to = {});

// Sets each goods' total stock to the sum of its warehouse stock (goods without warehouse
// stock keep theirs).
void stockToOpening();

// Deletes the business records whose date text lies in [from, to + " 23:59:59"], lines before
// their headers; stock, size-colour rows and the party ledger stay.
void deletePeriod(const QDate& from, const QDate& to);
