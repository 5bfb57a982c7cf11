// The start-up check for event reminders: which rows of jxc_tx are due for the logged-in
// operator today, and marking them as shown.
#pragma once

#include "data/database.h"

#include <QDate>
#include <QString>

// The condition on jxc_tx that selects the reminders due for `operatorName` on `today`:
// meant for everybody ("全体人员") or for this operator, and a reminder at every start
// ("程序启动时"), a one-time reminder dated today not yet shown, a monthly reminder whose text
// holds today's day ("dd") or a weekly one whose text holds today's weekday (Monday 1 … Sunday 7).
struct ReminderCondition {
    QString where;
    SqlParams params;
};
ReminderCondition dueReminderCondition(const QString& operatorName, const QDate& today);

// True when a reminder is due for the operator today.
bool hasDueReminder(const QString& operatorName, const QDate& today);
// Marks every reminder due for the operator today as shown (tx_zt "1").
void markDueReminders(const QString& operatorName, const QDate& today);
