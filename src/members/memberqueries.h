// The statements of the member register's lists, as functions of what the window holds, so
// that tests run them without the window. Typed keys pass the full safe-text form.
#pragma once

#include <QDate>
#include <QString>

// Statuses of the list search: 0 all, 1 usable, 2 not usable.
// `levelCode` "" or "-1" for all levels; `extra` an advanced-search condition ("" for none).
QString memberListSql(const QString& key, const QString& levelCode, int status, const QString& extra = QString());
// Lines of members' sales and returns within the period, newest first.
QString consumptionSql(const QDate& from, const QDate& to, const QString& key);
// Top-up history within the period, newest first.
QString topUpHistorySql(const QDate& from, const QDate& to, const QString& key);
// Members whose birthday (characters 6 to 10 of hy_sr) falls within `days` days from `today`;
// a value not above 0 counts as 10.
QString birthdaySql(const QDate& today, int days);
// Exchange lines within the period, newest first.
QString exchangeSql(const QDate& from, const QDate& to, const QString& key);

// The advanced search's criteria; each applies only when it is on.
struct MemberCriteria {
    struct Compare {
        bool on = false;
        QString op;  // "=", ">" or "<"
        QString value;
    };
    struct Period {
        bool on = false;
        QDate from;
        QDate to;
    };
    bool byScheme = false;
    QString schemeSn;
    Compare points;    // hy_jf
    Compare spending;  // hy_zje
    Compare balance;   // hy_zhje
    Period birthday;   // hy_sr
    Period joined;     // hy_jrrq
    Period expiry;     // hy_dqrq
    bool byTele = false;
    QString tele;
    bool byAddress = false;
    QString address;
};
// The criteria as a condition on the list's member alias "a" ("" when none is on), for the
// `extra` of memberListSql.
QString memberCriteriaSql(const MemberCriteria& c);
