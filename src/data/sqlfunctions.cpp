#include "data/sqlfunctions.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <sqlite3.h>

namespace {

QString argText(sqlite3_value* v)
{
    const auto* p = reinterpret_cast<const char*>(sqlite3_value_text(v));
    return QString::fromUtf8(p, sqlite3_value_bytes(v));
}

void resultText(sqlite3_context* ctx, const QString& s)
{
    const QByteArray b = s.toUtf8();
    sqlite3_result_text(ctx, b.constData(), int(b.size()), SQLITE_TRANSIENT);
}

bool anyNull(int argc, sqlite3_value** argv)
{
    for (int i = 0; i < argc; ++i)
        if (sqlite3_value_type(argv[i]) == SQLITE_NULL)
            return true;
    return false;
}

// len(x): number of characters of the text form.
void fnLen(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (anyNull(argc, argv)) {
        sqlite3_result_null(ctx);
        return;
    }
    sqlite3_result_int64(ctx, argText(argv[0]).size());
}

// mid(s, start[, length]): 1-based substring.
void fnMid(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (anyNull(argc, argv)) {
        sqlite3_result_null(ctx);
        return;
    }
    const QString s = argText(argv[0]);
    const qint64 start = qMax<qint64>(1, sqlite3_value_int64(argv[1]));
    if (start > s.size()) {
        resultText(ctx, QString());
        return;
    }
    const qint64 len = argc > 2 ? qMax<qint64>(0, sqlite3_value_int64(argv[2])) : s.size();
    resultText(ctx, s.mid(int(start - 1), int(qMin<qint64>(len, s.size()))));
}

// isnumeric(x): 1 when x is a number or text that reads as one.
void fnIsNumeric(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    switch (sqlite3_value_type(argv[0])) {
    case SQLITE_INTEGER:
    case SQLITE_FLOAT:
        sqlite3_result_int(ctx, 1);
        return;
    case SQLITE_NULL:
        sqlite3_result_int(ctx, 0);
        return;
    default: {
        bool ok = false;
        argText(argv[0]).trimmed().toDouble(&ok);
        sqlite3_result_int(ctx, ok ? 1 : 0);
    }
    }
}

// dateadd(interval, n, date): 'd' days, 'm' months, 'yyyy' years, 'ww' weeks on a text date
// "yyyy-MM-dd" (a time part is kept).
void fnDateAdd(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (anyNull(argc, argv)) {
        sqlite3_result_null(ctx);
        return;
    }
    const QString interval = argText(argv[0]).toLower();
    const qint64 n = sqlite3_value_int64(argv[1]);
    const QString text = argText(argv[2]).trimmed();
    QDate d = QDate::fromString(text.left(10), QStringLiteral("yyyy-MM-dd"));
    if (!d.isValid()) {
        sqlite3_result_null(ctx);
        return;
    }
    if (interval == QLatin1String("d") || interval == QLatin1String("y") || interval == QLatin1String("w"))
        d = d.addDays(n);
    else if (interval == QLatin1String("ww"))
        d = d.addDays(7 * n);
    else if (interval == QLatin1String("m"))
        d = d.addMonths(int(n));
    else if (interval == QLatin1String("q"))
        d = d.addMonths(int(3 * n));
    else if (interval == QLatin1String("yyyy"))
        d = d.addYears(int(n));
    else {
        sqlite3_result_error(ctx, "dateadd: unknown interval", -1);
        return;
    }
    resultText(ctx, d.toString(QStringLiteral("yyyy-MM-dd")) + text.mid(10));
}

// format(value, pattern): Access-style formatting of a text date ("yyyy-mm" gives the month
// key, "yyyy-mm-dd" the date, "yyyy" the year, "mm" the month, "dd" the day, "hh:nn:ss" the
// time); numbers with "0", "0.00" and the like.
void fnFormat(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const QString pattern = argc > 1 ? argText(argv[1]) : QString();
    const int type = sqlite3_value_type(argv[0]);
    if (type == SQLITE_INTEGER || type == SQLITE_FLOAT) {
        const int dot = pattern.indexOf(u'.');
        const int decimals = dot < 0 ? 0 : int(pattern.size() - dot - 1);
        if (pattern.isEmpty()) {
            resultText(ctx, argText(argv[0]));
            return;
        }
        resultText(ctx, QString::number(sqlite3_value_double(argv[0]), 'f', decimals));
        return;
    }
    const QString text = argText(argv[0]).trimmed();
    QDateTime dt = QDateTime::fromString(text.left(19), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (!dt.isValid()) {
        const QDate d = QDate::fromString(text.left(10), QStringLiteral("yyyy-MM-dd"));
        if (d.isValid())
            dt = QDateTime(d, QTime(0, 0));
    }
    if (!dt.isValid() || pattern.isEmpty()) {
        resultText(ctx, text);
        return;
    }
    // Access notation: mm is the month, nn the minute.
    QString p = pattern.toLower();
    QString out;
    for (int i = 0; i < p.size();) {
        auto take = [&](const char* tok) {
            const QLatin1String t(tok);
            if (p.mid(i, t.size()) == t) {
                i += t.size();
                return true;
            }
            return false;
        };
        if (take("yyyy"))
            out += dt.toString(QStringLiteral("yyyy"));
        else if (take("yy"))
            out += dt.toString(QStringLiteral("yy"));
        else if (take("mm"))
            out += dt.toString(QStringLiteral("MM"));
        else if (take("dd"))
            out += dt.toString(QStringLiteral("dd"));
        else if (take("hh"))
            out += dt.toString(QStringLiteral("HH"));
        else if (take("nn"))
            out += dt.toString(QStringLiteral("mm"));
        else if (take("ss"))
            out += dt.toString(QStringLiteral("ss"));
        else
            out += pattern.at(i++);
    }
    resultText(ctx, out);
}

}  // namespace

void registerSqlFunctions(sqlite3* db)
{
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    sqlite3_create_function_v2(db, "len", 1, flags, nullptr, fnLen, nullptr, nullptr, nullptr);
    sqlite3_create_function_v2(db, "mid", 2, flags, nullptr, fnMid, nullptr, nullptr, nullptr);
    sqlite3_create_function_v2(db, "mid", 3, flags, nullptr, fnMid, nullptr, nullptr, nullptr);
    sqlite3_create_function_v2(db, "isnumeric", 1, flags, nullptr, fnIsNumeric, nullptr, nullptr, nullptr);
    sqlite3_create_function_v2(db, "dateadd", 3, flags, nullptr, fnDateAdd, nullptr, nullptr, nullptr);
    sqlite3_create_function_v2(db, "format", 1, flags, nullptr, fnFormat, nullptr, nullptr, nullptr);
    sqlite3_create_function_v2(db, "format", 2, flags, nullptr, fnFormat, nullptr, nullptr, nullptr);
}
