#include "platform/numbertext.h"

#include <cmath>
#include <cstdio>

QString plainNumberText(double value)
{
    if (!std::isfinite(value) || value == 0)
        return QStringLiteral("0");
    // 15 significant digits in scientific form, then the decimal point moved into place.
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", value);
    const QString s = QString::fromLatin1(buf);
    const bool negative = s.startsWith(u'-');
    const int e = s.indexOf(u'e');
    QString digits = s.mid(negative ? 1 : 0, e - (negative ? 1 : 0)).remove(u'.');
    const int exponent = s.mid(e + 1).toInt();
    while (digits.size() > 1 && digits.endsWith(u'0'))
        digits.chop(1);
    QString text;
    if (exponent < 0) {
        text = QStringLiteral("0.") + QString(-exponent - 1, u'0') + digits;
    } else if (digits.size() <= exponent + 1) {
        text = digits + QString(exponent + 1 - digits.size(), u'0');
    } else {
        text = digits.left(exponent + 1) + u'.' + digits.mid(exponent + 1);
    }
    return negative ? u'-' + text : text;
}
