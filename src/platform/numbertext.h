// Numbers as a spreadsheet shows them: cells read from workbooks and the value marks of charts.
#pragma once

#include <QString>

// At most 15 significant digits, in plain decimal form without exponent or trailing zeros:
// "13812345678", "12.5", "0.3" for 0.1+0.2, "0" for -0 and for a value that is not finite.
QString plainNumberText(double value);
