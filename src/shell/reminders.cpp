#include "shell/reminders.h"

#include "data/datamodule.h"

ReminderCondition dueReminderCondition(const QString& operatorName, const QDate& today)
{
    ReminderCondition c;
    c.where = QStringLiteral(
        "(tx_dx='全体人员' or tx_dx=:op) and (tx_sj='程序启动时' or (tx_sj=:d and tx_zt='0') "
        " or (tx_sj like '%' || :m || '%' and tx_fs=4)  or (tx_sj like '%' || :w || '%' and tx_fs=3))");
    c.params = {{QStringLiteral(":op"), operatorName},
                {QStringLiteral(":d"), today.toString(QStringLiteral("yyyy-MM-dd"))},
                {QStringLiteral(":m"), today.toString(QStringLiteral("dd"))},
                {QStringLiteral(":w"), QString::number(today.dayOfWeek())}};
    return c;
}

bool hasDueReminder(const QString& operatorName, const QDate& today)
{
    const ReminderCondition c = dueReminderCondition(operatorName, today);
    return !openSelect(QStringLiteral("select tx_dx from jxc_tx where ") + c.where + QStringLiteral(" limit 1"),
                       c.params)
                .isEmpty();
}

void markDueReminders(const QString& operatorName, const QDate& today)
{
    const ReminderCondition c = dueReminderCondition(operatorName, today);
    Transaction t;
    execSql(QStringLiteral("update jxc_tx set tx_zt='1' where ") + c.where, c.params);
    t.commit();
}
