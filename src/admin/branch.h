// The branch identity and the branch's data export on plain values.
#pragma once

#include <QDate>
#include <QString>

// Saves the branch code and name (made safe): every stored row is updated when a code is
// stored, else a row is added. Returns the refusal or "".
QString saveBranch(const QString& code, const QString& name);

// Writes the workbook of the branch into `folder`: sheets "1" goods, "2" warehouse stock,
// "3" sales lines and "4" customer-return lines of [from, to] (dates compared as text), "5"
// the branch; each with its column names in the first row. A sheet that would pass a
// workbook's rows is refused before anything is written; the export date is set only after
// the workbook is written. Returns the message of a refusal or failure, "" when written, and
// the file in *file.
QString exportBranch(const QString& folder, const QDate& from, const QDate& to, QString* file = nullptr);
