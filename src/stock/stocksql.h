// Pieces of the stock queries' statements.
#pragma once

#include "data/textrules.h"

#include <QString>

// A text as an SQL string literal, its quotes doubled: codes and dates read from the database or
// typed text already made safe.
inline QString sqlText(const QString& text)
{
    return u'\'' + QString(text).replace(u'\'', QStringLiteral("''")) + u'\'';
}

// A like pattern that holds the typed text anywhere: trimmed, made safe and quoted.
inline QString containsText(const QString& typed)
{
    return sqlText(u'%' + sqlSafe(typed.trimmed()) + u'%');
}

// A like pattern for a code and every code that begins with it (a category and those below it).
inline QString prefixText(const QString& code)
{
    return sqlText(code + u'%');
}
