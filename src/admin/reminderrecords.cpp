#include "admin/reminderrecords.h"

#include "data/clock.h"
#include "data/datamodule.h"
#include "data/globals.h"

#include <QStringList>

namespace {

SqlParams reminderParams(const ReminderInput& in)
{
    return {{QStringLiteral(":dx"), in.addressee},
            {QStringLiteral(":fs"), in.mode},
            {QStringLiteral(":fstxt"), reminderModeText(in.mode)},
            {QStringLiteral(":sj"), reminderWhen(in)},
            {QStringLiteral(":note"), in.expiry ? QStringLiteral("商品过期提醒") : QStringLiteral("库存报警提醒")},
            {QStringLiteral(":a"), operatorName},
            {QStringLiteral(":flag"), in.expiry ? QStringLiteral("2") : QStringLiteral("1")},
            {QStringLiteral(":ts"), in.expiry ? QString::number(in.days) : QString()}};
}

}  // namespace

QString reminderModeText(int mode)
{
    static const QStringList texts = {QStringLiteral("提醒一次"), QStringLiteral("每日提醒"), QStringLiteral("每周提醒"),
                                      QStringLiteral("每月提醒")};
    return texts.value(mode - 1);
}

QString reminderWhen(const ReminderInput& in)
{
    switch (in.mode) {
    case 1:
        return in.date.isValid() ? in.date.toString(QStringLiteral("yyyy-MM-dd")) : QString();
    case 2:
        return QStringLiteral("程序启动时");
    case 3: {
        QStringList days;
        for (int d = 1; d <= 7; ++d)
            if (in.weekdays.contains(d))
                days << QString::number(d);
        return days.isEmpty() ? QString() : QStringLiteral("每周") + days.join(QLatin1Char(','));
    }
    case 4:
        return QStringLiteral("每月") + QStringLiteral("%1").arg(in.day, 2, 10, QLatin1Char('0')) + QStringLiteral("日");
    default:
        return {};
    }
}

QString addReminder(const ReminderInput& in, qint64* id)
{
    if (in.goodsSn.trimmed().isEmpty())
        return QStringLiteral("请选择商品！");
    Transaction tx;
    SqlParams params = reminderParams(in);
    params.emplace_back(QStringLiteral(":g"), in.goodsSn.trimmed());
    params.emplace_back(QStringLiteral(":tj"), Clock::today().toString(QStringLiteral("yyyy-MM-dd")));
    execSql(QStringLiteral("insert into jxc_tx (tx_dx,tx_fs,tx_fstxt,tx_sj,tx_note,tx_tjsj,a_name,tx_lb,tx_flag,tx_ts,"
                           "tx_zt,g_sn) values (:dx,:fs,:fstxt,:sj,:note,:tj,:a,0,:flag,:ts,'0',:g)"),
            params);
    if (id)
        *id = selectValue(QStringLiteral("select last_insert_rowid()")).toLongLong();
    tx.commit();
    return {};
}

void modifyReminder(qint64 id, const ReminderInput& in)
{
    Transaction tx;
    SqlParams params = reminderParams(in);
    params.emplace_back(QStringLiteral(":id"), id);
    execSql(QStringLiteral("update jxc_tx set tx_dx=:dx,tx_fs=:fs,tx_fstxt=:fstxt,tx_sj=:sj,tx_note=:note,a_name=:a,"
                           "tx_flag=:flag,tx_ts=:ts,tx_zt='0' where id=:id"),
            params);
    tx.commit();
}

void setBillDueDate(const QString& number, const QDate& date)
{
    Transaction tx;
    execSql(QStringLiteral("update jxc_lsxsd set ls_ckrq=:d where gl_djh=:n"),
            {{QStringLiteral(":d"), date.toString(QStringLiteral("yyyy-MM-dd"))}, {QStringLiteral(":n"), number}});
    tx.commit();
}
