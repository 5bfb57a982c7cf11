// Reading Excel 97 workbooks (.xls) for the imports, through FreeXL.
#pragma once

#include "data/database.h"

#include <QString>
#include <QStringList>

// Reads the sheet named `sheet` (names compare without regard to case) of the workbook at
// `path`. The first row gives the column names (an empty heading becomes "F<column number>");
// every later row, up to the last row holding a value, is one row of the result, in order.
// Every column is of kind Text and every cell comes back as text, untrimmed: empty cells "",
// numbers in plain decimal form (plainNumberText), dates "yyyy-MM-dd", date-times
// "yyyy-MM-dd HH:mm:ss", times "HH:mm:ss".
// A file that is not a readable workbook, or one without that sheet, throws DbError.
ResultSet readWorkbookSheet(const QString& path, const QString& sheet);

// The names of the workbook's sheets in order; throws DbError like readWorkbookSheet.
QStringList workbookSheetNames(const QString& path);

