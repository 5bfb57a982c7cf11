// Goods event reminders (jxc_tx) on plain values: the "when" text of each mode and the saves of
// the add and modify dialogs.
#pragma once

#include <QDate>
#include <QList>
#include <QString>

struct ReminderInput {
    bool expiry = true;       // "商品过期提醒"; else "库存报警提醒"
    int days = 10;            // expiry: days ahead
    QString addressee;        // "全体人员" or an operator's name
    int mode = 1;             // 1 once, 2 daily, 3 weekly, 4 monthly
    QDate date;               // once
    QList<int> weekdays;      // weekly: 1 Monday … 7 Sunday
    int day = 1;              // monthly: day of the month
    QString goodsSn;          // add only
};

// tx_sj of a reminder: "yyyy-MM-dd", "程序启动时", "每周1,3,5" ("" without days) or "每月05日".
QString reminderWhen(const ReminderInput& in);
// The mode's name: "提醒一次", "每日提醒", "每周提醒", "每月提醒".
QString reminderModeText(int mode);

// Adds a reminder about in.goodsSn; refuses "请选择商品！" without goods. Returns the refusal
// or "" and sets *id.
QString addReminder(const ReminderInput& in, qint64* id = nullptr);
// Rewrites reminder `id` (its goods, kind 0 and date added stay); it is due again as new.
void modifyReminder(qint64 id, const ReminderInput& in);

// Sets the date by which the customer of sales bill `number` is to pay.
void setBillDueDate(const QString& number, const QDate& date);
