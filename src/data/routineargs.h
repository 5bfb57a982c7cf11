// Checks the business routines apply to what their callers hand them.
#pragma once

#include "data/values.h"

#include <QString>

// A table or column name given by the calling code (letters, digits and "_", not starting
// with a digit). Anything else throws DbError: such a name never comes from typed text.
const QString& sqlName(const QString& name);

// An amount or quantity handed over as text: empty (a NULL read from the database) is 0;
// text that is not a number throws DbError with a message naming it.
Money amountArg(const QString& text);

// A whole number read from a stored code; text that is not one throws DbError.
qint64 codeNumber(const QString& text);
