// Numbers and money as the program writes them: into SQL text, onto the screen, and the
// exact fixed-point type that sums made by the program use.
#pragma once

#include <QString>
#include <QtGlobal>

// Exact amount in ten-thousandths, as the database's money columns hold them.
class Money {
public:
    constexpr Money() = default;
    static constexpr Money fromUnits(qint64 units) { Money m; m.m_units = units; return m; }
    // Rounds half away from zero to four decimals.
    static Money fromDouble(double value);
    // "" and text that is not a number give 0 (`ok`, when given, tells which).
    static Money fromText(const QString& text, bool* ok = nullptr);

    qint64 units() const { return m_units; }
    double toDouble() const { return double(m_units) / 10000.0; }
    // Shortest text: "12.5", "3", "-0.0001"; never "-0".
    QString toText() const;
    // Fixed decimals, rounded half away from zero: toFixed(2) of 12.345 is "12.35".
    QString toFixed(int decimals) const;
    bool isZero() const { return m_units == 0; }

    Money operator+(Money o) const { return fromUnits(m_units + o.m_units); }
    Money operator-(Money o) const { return fromUnits(m_units - o.m_units); }
    Money operator-() const { return fromUnits(-m_units); }
    Money& operator+=(Money o) { m_units += o.m_units; return *this; }
    Money& operator-=(Money o) { m_units -= o.m_units; return *this; }
    // Product of two amounts (price × quantity), rounded to four decimals.
    Money operator*(Money o) const;
    auto operator<=>(const Money&) const = default;

private:
    qint64 m_units = 0;
};

// A number for SQL text: "." as decimal separator, no grouping, shortest form, and a negative
// number always in parentheses ("(-300)"), so that "v=v-" + sqlNum(x) is sound for any x.
QString sqlNum(double value);
QString sqlNum(qint64 value);
inline QString sqlNum(int value) { return sqlNum(qint64(value)); }
QString sqlNum(Money value);
// Text from a box or a result: empty or not a number gives "0".
QString sqlNum(const QString& text);

// Shortest decimal text of a value rounded to four decimals ("12.5", "3", "0" for -0).
QString moneyText(double value);
// Shortest round-trip decimal text of a floating value, without exponent.
QString floatText(double value);
// Number of a text as the program reads one: "" or not a number gives 0.
double textToDouble(const QString& text);
