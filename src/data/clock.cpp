#include "data/clock.h"

namespace {
QDateTime g_fixed;
}

QDateTime Clock::now()
{
    return g_fixed.isValid() ? g_fixed : QDateTime::currentDateTime();
}

void Clock::setFixed(const QDateTime& moment)
{
    g_fixed = moment;
}

void Clock::reset()
{
    g_fixed = QDateTime();
}

bool Clock::isFixed()
{
    return g_fixed.isValid();
}

QString dateText(const QDate& date)
{
    return date.toString(QStringLiteral("yyyy-MM-dd"));
}

QString dateTimeText(const QDateTime& moment)
{
    return moment.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QString nowText()
{
    return dateTimeText(Clock::now());
}

QString todayText()
{
    return dateText(Clock::today());
}

QString monthText()
{
    return Clock::today().toString(QStringLiteral("yyyy-MM"));
}
