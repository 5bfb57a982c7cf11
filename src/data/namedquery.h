// A named query of the data module: an SQL text, its last result and a current row.
// Grids and charts bind to one and follow it: re-opening the query refreshes every view bound
// to it, and a view's selection moves the query's current row, which the windows read.
#pragma once

#include "data/database.h"

#include <QObject>
#include <functional>

class NamedQuery : public QObject {
    Q_OBJECT
public:
    // Where a query runs: the main database or the workbook of the Excel connection.
    enum class Source { Main, Excel };

    NamedQuery(const QString& name, const QString& designSql, Source source = Source::Main,
               QObject* parent = nullptr);

    QString name() const { return objectName(); }
    QString designSql() const { return m_designSql; }
    QString sql() const { return m_sql; }
    Source source() const { return m_source; }

    // Closes the query and replaces its text; does not open it.
    void setSql(const QString& sql);
    // Runs the text and keeps its result; the current row goes to the first row (-1 when empty).
    // A failure throws DbError and leaves the query closed.
    void open();
    // Replaces the text and opens it: bound views rebuild once.
    void open(const QString& sql);
    // Runs the text again and keeps the current row where it can (by position).
    void refresh();
    void close();
    bool isOpen() const { return m_open; }

    const ResultSet& result() const { return m_result; }
    int rowCount() const { return m_result.rowCount(); }
    bool isEmpty() const { return m_result.rowCount() == 0; }
    int currentRow() const { return m_row; }
    void setCurrentRow(int row);
    // Field of the current row as text; "" when there is no current row.
    QString fieldByName(const QString& field) const;
    QString value(int row, const QString& field) const { return m_result.text(row, field); }
    // Moves the current row to the first row whose field reads `value`; false when none does.
    bool locate(const QString& field, const QString& value);
    // Changes one loaded cell in place (after the window wrote the same value to the database).
    void setLoadedValue(int row, const QString& field, const QString& value);

signals:
    // The result was replaced (opened, refreshed, closed): bound views rebuild.
    void resultChanged();
    // One loaded cell changed in place.
    void cellChanged(int row, int column);
    void currentRowChanged(int row);

private:
    QString m_designSql;
    QString m_sql;
    Source m_source;
    ResultSet m_result;
    int m_row = -1;
    bool m_open = false;
};
