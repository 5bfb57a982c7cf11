// The data grid of every list: a table bound to a named query of the data module.
//
// Columns are bound to the query's fields by name, with captions, widths, display formats
// (displayformat.h) and hidden columns; every field of the query stays readable through the
// query whether or not it has a column. Re-opening the query refreshes the grid; moving the
// grid's focused row moves the query's current row and the other way round. Under the
// columns a footer shows counts, sums and fixed texts; on the left an optional row indicator
// numbers the rows. The grid's filter (the search box of a list) works on the loaded rows and
// lasts across re-openings of the query until it is replaced or cleared. The rows shown can
// be handed to a report (shownResult) and exported to an ".xls" workbook.
//
// Cells are read-only unless their column has a writer: the window's callback that writes
// the new value to the database; the grid then keeps its loaded copy in step
// (NamedQuery::setLoadedValue). A writer that throws leaves the cell as it was and shows the
// standard error box.
#pragma once

#include "data/namedquery.h"
#include "data/values.h"

#include <QColor>
#include <QList>
#include <QPointer>
#include <QVariant>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

class QTableView;
class DataGrid;
class GridModel;
class GridFooter;

// Writes one cell: the query row, the field, the new value ("1"/"0" for a tick column, the
// code for a lookup column, the typed text otherwise). Throws to refuse.
using CellWriter = std::function<void(int row, const QString& field, const QString& value)>;

struct CellStyle {
    QColor text;        // invalid: the grid's colour
    QColor background;  // invalid: the grid's colour
    bool bold = false;
};
// Colours of one cell: query row and field; leave the style alone for the default look.
using CellStyleFn = std::function<void(int row, const QString& field, CellStyle& style)>;

class GridColumn {
public:
    enum class Kind { Text, Check, Lookup };
    enum class Footer { None, Count, Sum, Text };

    const QString& field() const { return m_field; }
    const QString& caption() const { return m_caption; }
    const QString& format() const { return m_format; }
    int width() const { return m_width; }
    bool isHidden() const { return m_hidden; }
    Kind kind() const { return m_kind; }
    Footer footer() const { return m_footer; }
    bool isEditable() const { return bool(m_writer); }
    const QList<QPair<QString, QString>>& lookupItems() const { return m_lookup; }

    GridColumn& setCaption(const QString& caption);
    // A display format such as "￥,0.00;-￥,0.00"; numbers are right-aligned.
    GridColumn& setFormat(const QString& format);
    GridColumn& setWidth(int width);
    GridColumn& setHidden(bool hidden = true);
    // A tick column: "True"/"1" (any number but 0) shows ticked.
    GridColumn& setCheck();
    // A lookup column: shows the text of the stored code, edits with a list of the texts.
    GridColumn& setLookup(const QList<QPair<QString, QString>>& codeAndText);
    GridColumn& setLookup(const ResultSet& rows, const QString& codeField, const QString& textField);
    // Makes the column editable through `writer`; `canEdit` (optional) decides per query row.
    GridColumn& setWriter(CellWriter writer, std::function<bool(int row)> canEdit = {});

    // Footers: the number of rows shown, the sum of the column over the rows shown (in the
    // column's format unless `format` is given), or a fixed text; `prefix` goes before the
    // count or sum ("记录数：").
    GridColumn& footerCount(const QString& prefix = QString());
    GridColumn& footerSum(const QString& prefix = QString(), const QString& format = QString());
    GridColumn& footerText(const QString& text);
    GridColumn& footerRed(bool red = true);

    // The text shown for a loaded value.
    QString displayText(const QString& value) const;
    bool isChecked(const QString& value) const;

private:
    friend class DataGrid;
    friend class GridModel;
    friend class GridFooter;
    GridColumn(DataGrid* grid, const QString& field, const QString& caption, int width);
    GridColumn& changed();

    DataGrid* m_grid;
    QString m_field;
    QString m_caption;
    QString m_format;
    int m_width = 0;
    bool m_hidden = false;
    Kind m_kind = Kind::Text;
    QList<QPair<QString, QString>> m_lookup;
    CellWriter m_writer;
    std::function<bool(int)> m_canEdit;
    Footer m_footer = Footer::None;
    QString m_footerText;  // prefix of a count or sum, or the fixed text
    QString m_footerFormat;
    bool m_footerRed = false;
};

enum class FilterOp { Like, Prefix, Equal, NotEqual };

// One condition of the grid's filter. Like: the field contains the value, case-insensitive.
// Prefix: the field begins with the value, case-insensitive (a category code and its
// sub-categories). Equal / NotEqual: compared as numbers when both are numbers, else as text
// ignoring case.
struct GridFilter {
    QString field;
    FilterOp op = FilterOp::Like;
    QString value;
};

enum class FilterJoin { Or, And };

class DataGrid : public QWidget {
    Q_OBJECT
public:
    explicit DataGrid(QWidget* parent = nullptr);
    ~DataGrid() override;

    // Binds the grid to a query (nullptr unbinds).
    void setQuery(NamedQuery* query);
    NamedQuery* query() const { return m_query; }

    GridColumn& addColumn(const QString& field, const QString& caption = QString(), int width = 0);
    // The column of a field; nullptr when the grid has none.
    GridColumn* column(const QString& field) const;
    int columnCount() const { return int(m_columns.size()); }
    GridColumn& columnAt(int index) const { return *m_columns.at(index); }
    void clearColumns();

    // Row indicator with line numbers (1, 2, ... over the rows shown).
    void setLineNumbers(bool on);
    void setCellStyle(CellStyleFn style);
    // Several rows may be selected (selectedRows); the focused row stays the current one.
    void setMultiSelect(bool on);

    // ---- Rows -------------------------------------------------------------------------
    // Rows shown (after the filter) and loaded.
    int rowCount() const { return m_rows.size(); }
    int loadedRowCount() const;
    // Query row of the n-th row shown, and the other way round (-1 when filtered out).
    int sourceRow(int shownRow) const { return m_rows.value(shownRow, -1); }
    int shownRow(int sourceRow) const;
    // Query row of the focused row; -1 when the grid shows no row.
    int currentRow() const;
    // Focuses a query row (when shown); false otherwise.
    bool setCurrentRow(int sourceRow);
    // Query rows of the selected rows, in the order shown.
    QList<int> selectedRows() const;
    QString value(int sourceRow, const QString& field) const;
    QString displayText(int sourceRow, const QString& field) const;

    // ---- Filter -----------------------------------------------------------------------
    // Replaces the filter. An empty list shows every row.
    void setFilter(const QList<GridFilter>& conditions, FilterJoin join = FilterJoin::Or);
    // The search box: rows where any of `fields` contains the trimmed text; an empty text
    // shows every row.
    void setSearch(const QString& text, const QStringList& fields);
    void clearFilter() { setFilter({}); }
    bool isFiltered() const { return !m_filter.isEmpty(); }

    // ---- Footer -----------------------------------------------------------------------
    QString footerText(const QString& field) const;
    // Sum of a field over the rows shown (exact, ten-thousandths).
    Money sum(const QString& field) const;

    // ---- Output -----------------------------------------------------------------------
    // The rows shown with every field of the query: what a report prints as "the list".
    ResultSet shownResult() const;
    // The cells an export writes: a row of captions of the columns shown, then one row per
    // row (the rows shown, or every loaded row), and for the rows shown the footer row when
    // the grid has footers. Numbers come as double, everything else as QString.
    QList<QVariantList> exportCells(bool allRows = false) const;
    // Writes exportCells to an Excel 97 workbook (a sheet named after the file); throws
    // std::runtime_error on failure.
    void exportXls(const QString& path, bool allRows = false) const;
    // The list's "导出": asks for a file ("(*.xls)|*.xls", ".xls" added when missing) and
    // writes the rows shown. False when cancelled.
    bool exportWithDialog();

    QTableView* view() const { return m_view; }
    QWidget* footerWidget() const;

signals:
    // The focused row changed (query row, -1 when none).
    void currentRowChanged(int row);
    void rowClicked(int row, const QString& field);
    void rowDoubleClicked(int row);

private:
    friend class GridColumn;
    friend class GridModel;
    friend class GridFooter;

    void columnChanged();
    void reload();
    void refilter();
    // Each condition's result column and how its value compares, worked out once per filtering.
    struct FilterColumn {
        int column;
        Qt::CaseSensitivity cs;
    };
    QVector<FilterColumn> filterColumns() const;
    bool rowMatches(int sourceRow, const QVector<FilterColumn>& columns) const;
    void recomputeFooters();
    void syncFromQuery();
    void onViewCurrentChanged();
    void onCellChanged(int row, int column);
    bool writeCell(int sourceRow, GridColumn& col, const QString& value);
    QString loaded(int sourceRow, int column) const;

    QPointer<NamedQuery> m_query;
    std::vector<std::unique_ptr<GridColumn>> m_columns;
    QVector<int> m_fieldIndex;   // per column: field index in the result, -1 when absent
    QVector<int> m_rows;         // query rows shown, in order
    QVector<int> m_shownOf;      // query row -> shown row, -1 when filtered out
    QList<GridFilter> m_filter;
    FilterJoin m_join = FilterJoin::Or;
    QStringList m_footers;       // per column
    CellStyleFn m_style;
    quint64 m_generation = 0;    // counts re-openings of the query
    bool m_syncing = false;

    QTableView* m_view = nullptr;
    GridModel* m_model = nullptr;
    GridFooter* m_footer = nullptr;
    QList<QMetaObject::Connection> m_queryConnections;
};
