// The one clock all code asks for "now" and "today". Tests set it to a fixed moment.
#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

class Clock {
public:
    static QDateTime now();
    static QDate today() { return now().date(); }
    // Fixes the clock at `moment` until reset() (tests, demonstrations).
    static void setFixed(const QDateTime& moment);
    static void reset();
    static bool isFixed();
};

// "yyyy-MM-dd HH:mm:ss" of now (zero-padded hour).
QString nowText();
// "yyyy-MM-dd" of today.
QString todayText();
// "yyyy-MM" of today.
QString monthText();
QString dateText(const QDate& date);
QString dateTimeText(const QDateTime& moment);
