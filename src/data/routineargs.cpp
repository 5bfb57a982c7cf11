#include "data/routineargs.h"

#include "data/database.h"

const QString& sqlName(const QString& name)
{
    bool ok = !name.isEmpty() && !name.at(0).isDigit();
    for (const QChar c : name)
        ok = ok && (c == u'_' || (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'));
    if (!ok)
        throw DbError(QStringLiteral("无效的表名或字段名：“%1”").arg(name));
    return name;
}

Money amountArg(const QString& text)
{
    if (text.trimmed().isEmpty())
        return Money();
    bool ok = false;
    const Money m = Money::fromText(text, &ok);
    if (!ok)
        throw DbError(QStringLiteral("“%1”不是有效的数值").arg(text));
    return m;
}

qint64 codeNumber(const QString& text)
{
    bool ok = false;
    const qint64 v = text.trimmed().toLongLong(&ok);
    if (!ok)
        throw DbError(QStringLiteral("“%1”不是有效的整数").arg(text));
    return v;
}
