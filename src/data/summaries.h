// Summaries, counters and till helpers that the postings and the till rely on.
#pragma once

#include <QString>

// Creates the daily business summary row of `date` ("yyyy-MM-dd") when it is missing, with
// zero figures and the current operator; one row per day serves every operator.
void checkYyfxDay(const QString& date);

// Creates the monthly stock-account rows of `month` ("yyyy-MM") for every warehouse that has
// none yet, each holding the warehouse's stock quantity and value at that moment (0 for a
// warehouse without stock rows) and zero sales and purchases.
void checkKcjsMonth(const QString& month);

// The handler's purchase / sales counter + 1.
void addUserCgpl(const QString& uSn);
void addUserXspl(const QString& uSn);

// Unit price of the goods' most recent sales line; "" when it was never sold.
QString getLastLsDj(const QString& gSn);

// Today's weekday: "星期日 ", "星期一 " ... "星期六 " (with a trailing blank).
QString getWeekName();

// Empties the goods pickers' scratch tables (jxc_tempspxf, jxc_tempspxfmx) for every operator.
void clearTempSpxf();

// Ends the time-limited special prices whose end date lies before today.
void clearExpiredTj();

// When csPoshooktoday is on, deletes the held till sales of earlier days with their lines and
// size and colour rows.
void clearOldPosHold();

// Caption of a till key by its stored (Windows virtual-key) code: "F1".."F12", "Page Up",
// "Delete", "=", ... ; "" for a key that has no caption (arrows up and down, letters, digits).
QString getKeyName(int keyCode);

// Caption of the key assigned to a till function in jxc_gnb ("" when none).
QString getGnKey(const QString& function);
