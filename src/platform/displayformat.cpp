#include "platform/displayformat.h"

#include "data/values.h"

#include <QRegularExpression>
#include <QStringList>

namespace {

// A decimal number split into its parts: digits without leading zeros (integer part) and
// the fraction digits as written.
struct Decimal {
    bool negative = false;
    QString intDigits;   // "" for 0
    QString fracDigits;  // may be longer than needed
};

bool parseDecimal(const QString& text, Decimal& d)
{
    static const QRegularExpression re(QStringLiteral("^([+-]?)(\\d*)(?:\\.(\\d*))?$"));
    const QString t = text.trimmed();
    QRegularExpressionMatch m = re.match(t);
    if (!m.hasMatch() || (m.capturedLength(2) == 0 && m.capturedLength(3) == 0)) {
        // Other spellings of a number (an exponent): through its shortest decimal text.
        bool ok = false;
        const double v = t.toDouble(&ok);
        if (!ok || t.isEmpty())
            return false;
        m = re.match(floatText(v));
        if (!m.hasMatch())
            return false;
    }
    d.negative = m.captured(1) == QLatin1String("-");
    d.intDigits = m.captured(2);
    while (d.intDigits.startsWith(QLatin1Char('0')))
        d.intDigits.remove(0, 1);
    d.fracDigits = m.captured(3);
    return true;
}

// Rounds to `decimals` fraction digits, half away from zero; the fraction comes back exactly
// `decimals` long.
void roundDecimal(Decimal& d, int decimals)
{
    if (d.fracDigits.size() <= decimals) {
        d.fracDigits = d.fracDigits.leftJustified(decimals, QLatin1Char('0'));
        return;
    }
    const bool up = d.fracDigits.at(decimals) >= QLatin1Char('5');
    QString digits = d.intDigits + d.fracDigits.left(decimals);
    if (up) {
        int i = digits.size() - 1;
        while (i >= 0 && digits.at(i) == QLatin1Char('9')) {
            digits[i] = QLatin1Char('0');
            --i;
        }
        if (i < 0)
            digits.prepend(QLatin1Char('1'));
        else
            digits[i] = QChar(digits.at(i).unicode() + 1);
    }
    d.fracDigits = digits.right(decimals);
    d.intDigits = digits.left(digits.size() - decimals);
    while (d.intDigits.startsWith(QLatin1Char('0')))
        d.intDigits.remove(0, 1);
}

bool isZero(const Decimal& d)
{
    for (QChar c : d.intDigits + d.fracDigits)
        if (c != QLatin1Char('0'))
            return false;
    return true;
}

// One section of a format, taken apart.
struct Section {
    QString prefix;   // written before the number
    QString suffix;   // written after it
    int minInt = 0;   // "0" digits before the point
    int minFrac = 0;  // "0" digits after the point
    int maxFrac = 0;  // all digits after the point
    bool thousands = false;
    bool hasDigits = false;
};

Section parseSection(const QString& s)
{
    Section sec;
    bool afterPoint = false;
    for (int i = 0; i < s.size(); ++i) {
        const QChar c = s.at(i);
        if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            const int end = s.indexOf(c, i + 1);
            const QString lit = s.mid(i + 1, (end < 0 ? s.size() : end) - i - 1);
            (sec.hasDigits || afterPoint ? sec.suffix : sec.prefix) += lit;
            i = end < 0 ? s.size() : end;
        } else if (c == QLatin1Char('0') || c == QLatin1Char('#')) {
            sec.hasDigits = true;
            if (afterPoint) {
                ++sec.maxFrac;
                if (c == QLatin1Char('0'))
                    sec.minFrac = sec.maxFrac;
            } else if (c == QLatin1Char('0')) {
                ++sec.minInt;
            }
        } else if (c == QLatin1Char('.') && !afterPoint) {
            afterPoint = true;
        } else if (c == QLatin1Char(',')) {
            sec.thousands = true;
        } else {
            (sec.hasDigits || afterPoint ? sec.suffix : sec.prefix) += c;
        }
    }
    return sec;
}

QStringList splitSections(const QString& format)
{
    QStringList out;
    QString cur;
    QChar quote;
    for (QChar c : format) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            quote = c;
        } else if (c == QLatin1Char(';')) {
            out << cur;
            cur.clear();
            continue;
        }
        cur += c;
    }
    out << cur;
    return out;
}

QString render(const Section& sec, Decimal d)
{
    roundDecimal(d, sec.maxFrac);
    QString frac = d.fracDigits;
    while (frac.size() > sec.minFrac && frac.endsWith(QLatin1Char('0')))
        frac.chop(1);
    QString whole = d.intDigits;
    if (whole.size() < sec.minInt)
        whole = whole.rightJustified(sec.minInt, QLatin1Char('0'));
    if (sec.thousands)
        for (int i = whole.size() - 3; i > 0; i -= 3)
            whole.insert(i, QLatin1Char(','));
    QString out = sec.prefix + whole;
    if (!frac.isEmpty())
        out += QLatin1Char('.') + frac;
    return out + sec.suffix;
}

}  // namespace

QString formatNumber(const QString& format, const QString& numberText)
{
    if (numberText.isEmpty() || format.isEmpty())
        return numberText;
    Decimal d;
    if (!parseDecimal(numberText, d))
        return numberText;
    const QStringList sections = splitSections(format);
    const Section positive = parseSection(sections.at(0));
    const bool hasNegative = sections.size() > 1 && !sections.at(1).isEmpty();
    const bool hasZero = sections.size() > 2 && !sections.at(2).isEmpty();

    const Section sec = d.negative && hasNegative ? parseSection(sections.at(1)) : positive;
    Decimal rounded = d;
    roundDecimal(rounded, sec.maxFrac);
    if (isZero(rounded)) {
        Decimal zero;
        return render(hasZero ? parseSection(sections.at(2)) : positive, zero);
    }
    d.negative = false;
    const QString text = render(sec, d);
    return rounded.negative && !hasNegative ? QLatin1Char('-') + text : text;
}

QString formatNumber(const QString& format, double value)
{
    return formatNumber(format, floatText(value));
}

bool isPlainNumber(const QString& text)
{
    static const QRegularExpression re(QStringLiteral("^-?(0|[1-9]\\d*)(\\.\\d+)?$"));
    return re.match(text).hasMatch();
}
