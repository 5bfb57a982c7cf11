#include "data/values.h"

#include <QLocale>
#include <cmath>
#include <cstdio>
#include <limits>

namespace {

// Largest magnitude whose ten-thousandths fit comfortably in 64 bits.
constexpr double kMaxExact = 9.0e14;

QString unitsText(qint64 units)
{
    const bool neg = units < 0;
    const quint64 a = neg ? quint64(0) - quint64(units) : quint64(units);
    if (a == 0)
        return QStringLiteral("0");  // static text: no allocation
    quint64 whole = a / 10000;
    quint64 frac = a % 10000;
    QString s = QString::number(whole);
    if (frac) {
        int digits = 4;
        while (frac % 10 == 0) {
            frac /= 10;
            --digits;
        }
        s += u'.';
        s += QStringLiteral("%1").arg(frac, digits, 10, QLatin1Char('0'));
    }
    if (neg && a != 0)
        s.prepend(u'-');
    return s;
}

}  // namespace

Money Money::fromDouble(double value)
{
    if (!std::isfinite(value))
        return Money();
    const double scaled = value * 10000.0;
    if (std::fabs(scaled) >= double(std::numeric_limits<qint64>::max()))
        return fromUnits(value < 0 ? std::numeric_limits<qint64>::min() + 1 : std::numeric_limits<qint64>::max());
    return fromUnits(qint64(std::llround(scaled)));
}

Money Money::fromText(const QString& text, bool* ok)
{
    bool good = false;
    const double v = text.trimmed().toDouble(&good);
    if (ok)
        *ok = good;
    return good ? fromDouble(v) : Money();
}

QString Money::toText() const
{
    return unitsText(m_units);
}

QString Money::toFixed(int decimals) const
{
    decimals = qBound(0, decimals, 4);
    qint64 div = 1;
    for (int i = decimals; i < 4; ++i)
        div *= 10;
    const bool neg = m_units < 0;
    const quint64 a = neg ? quint64(0) - quint64(m_units) : quint64(m_units);
    const quint64 r = (a + quint64(div / 2)) / quint64(div);  // half away from zero
    qint64 scale = 1;
    for (int i = 0; i < decimals; ++i)
        scale *= 10;
    QString s = QString::number(r / quint64(scale));
    if (decimals > 0)
        s += u'.' + QStringLiteral("%1").arg(r % quint64(scale), decimals, 10, QLatin1Char('0'));
    if (neg && r != 0)
        s.prepend(u'-');
    return s;
}

Money Money::operator*(Money o) const
{
    // (a/1e4)*(b/1e4) in units of 1e-4 = a*b/1e4, rounded half away from zero.
    const __int128 p = __int128(m_units) * __int128(o.m_units);
    const __int128 q = p >= 0 ? (p + 5000) / 10000 : (p - 5000) / 10000;
    return fromUnits(qint64(q));
}

QString moneyText(double value)
{
    if (!std::isfinite(value))
        return QStringLiteral("0");
    if (std::fabs(value) >= kMaxExact)
        return floatText(std::round(value * 10000.0) / 10000.0);
    return unitsText(qint64(std::llround(value * 10000.0)));
}

QString floatText(double value)
{
    if (!std::isfinite(value))
        return QStringLiteral("0");
    if (value == 0)
        return QStringLiteral("0");
    // Shortest text that reads back to the same double, written without exponent.
    QString s = QString::number(value, 'g', QLocale::FloatingPointShortest);
    if (s.contains(u'e') || s.contains(u'E')) {
        char buf[512];
        std::snprintf(buf, sizeof buf, "%.17f", value);
        s = QString::fromLatin1(buf);
        if (s.contains(u'.')) {
            while (s.endsWith(u'0'))
                s.chop(1);
            if (s.endsWith(u'.'))
                s.chop(1);
        }
    }
    return s;
}

double textToDouble(const QString& text)
{
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    return ok && std::isfinite(v) ? v : 0.0;
}

QString sqlNum(qint64 value)
{
    return value < 0 ? QStringLiteral("(%1)").arg(value) : QString::number(value);
}

QString sqlNum(double value)
{
    if (!std::isfinite(value))
        return QStringLiteral("0");
    const QString s = floatText(value);
    return value < 0 && s != QLatin1String("0") ? u'(' + s + u')' : s;
}

QString sqlNum(Money value)
{
    const QString s = value.toText();
    return value.units() < 0 ? u'(' + s + u')' : s;
}

QString sqlNum(const QString& text)
{
    return sqlNum(textToDouble(text));
}
