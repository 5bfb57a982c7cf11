// The pieces of the Excel import engine that an import of its own table is built from: the
// sheet read through the Excel connection, the mapped columns, a sheet row's cells by field, the
// cell checks against the columns' widths, the preview rows and the walk that pairs each listed
// sheet row with its own preview row. The goods and partner imports (importdata.h) and the
// member import use them.
#pragma once

#include "data/database.h"
#include "masterdata/importdata.h"

#include <QHash>
#include <QList>
#include <QPair>
#include <QString>
#include <functional>
#include <optional>

namespace importengine {

// The whole sheet of the workbook (or only its headings); nothing when it cannot be read.
std::optional<ResultSet> readSheet(const QString& path, bool headingsOnly = false);

// The sheet column mapped to each field (the first mapping row of the field).
QHash<QString, QString> mappedColumns();

// Cells of one sheet row by field; a field without a column reads "".
class SheetRow {
public:
    SheetRow(const ResultSet& sheet, const QHash<QString, QString>& columns);
    void setRow(int row) { m_row = row; }
    QString cell(const QString& field) const;
    QString trimmed(const QString& field) const { return cell(field).trimmed(); }
    bool mapped(const QString& field) const { return m_index.value(field, -1) >= 0; }

private:
    const ResultSet& m_sheet;
    QHash<QString, int> m_index;
    int m_row = 0;
};

// Declared widths of text columns ("varchar(n)"), read from the database once per run.
class ColumnWidths {
public:
    int width(const QString& table, const QString& column);

private:
    QHash<QString, QHash<QString, int>> m_tables;
};

// One cell check of a row: a text that must fit every column it goes to, or a number.
struct CellRule {
    const char* field;
    const char* caption;
    QList<QPair<QString, QString>> targets;  // (table, column) a text goes to; empty for a number
};

// The refusal of the first cell that breaks its rule ("" when all pass).
QString cellRefusal(const QList<CellRule>& rules, const QHash<QString, QString>& values, ColumnWidths& widths);

// Appends a preview row (waiting mark).
void addPreviewRow(const QString& label, bool tick);
// Sets a preview row's mark and status.
void setStatus(qint64 id, ImportMark mark, const QString& text);

// What became of a ticked row: imported (with a remark, kept with the waiting mark, or without,
// "导入成功") or refused with its status.
struct RowOutcome {
    bool imported = false;
    QString text;  // the refusal, or the remark of an imported row ("" for none)
};

// Walks the sheet rows with the preview rows. `listed` says whether a sheet row has a preview
// row; `importRow` checks and writes a ticked one.
ImportSummary walk(const ResultSet& sheet, SheetRow& row, const std::function<bool()>& listed,
                   const std::function<RowOutcome()>& importRow);
// The same for imports without remarks: `importRow` gives the refusal, "" when imported.
ImportSummary walk(const ResultSet& sheet, SheetRow& row, const std::function<bool()>& listed,
                   const std::function<QString()>& importRow);

}  // namespace importengine
