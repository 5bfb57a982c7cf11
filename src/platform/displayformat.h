// Display formats of numbers in the notation the program's grids and reports use:
// "￥,0.00;-￥,0.00", ",0.00;-,0.00", "0.00%", "#.##", "0;-0".
//
// A format has up to three sections separated by ";": positive, negative, zero. With a
// single section a negative number gets a leading "-"; with a negative section that section
// is written as it stands around the number without its sign. In a section "0" is a digit
// that is always written, "#" a digit written only when significant, "." the decimal point,
// "," (anywhere) switches on thousands separators, text between quotes and every other
// character is written as it stands ("%" does not scale the number). Rounding is decimal,
// half away from zero, on the number's text; a number that rounds to zero is written with the
// zero section (or the positive one), never as "-0.00".
#pragma once

#include <QString>

// Formats a number given as text ("1234.5", "-3", "" for NULL). An empty text stays empty and
// a text that is not a number comes back unchanged; an empty format gives the text itself.
QString formatNumber(const QString& format, const QString& numberText);
QString formatNumber(const QString& format, double value);
// True when `text` is a plain decimal number as the database layer writes them
// ("12.5", "-3", "0.25"; not "007", "1e5", "12.").
bool isPlainNumber(const QString& text);
