// The size × colour grid: one column per size, one row per colour, with row, column and grand
// totals headed "合计".
//
// Positions use the grid's own coordinates: row 0 is the fixed header row (cell (0,0) "颜色/尺码",
// then the size names, then "合计"), column 0 the fixed header column (the colour names, then
// "合计"); the data cells are rows 1 .. rowCount()-2 and columns 1 .. columnCount()-2; the last row
// holds the column totals, the last column the row totals, the bottom-right cell the grand total.
//
// Three kinds share the widget:
// - Entry: quantities typed by the operator (digits and Backspace only, at most 5 characters);
//   the totals follow every keystroke; the totals row and column cannot be edited.
// - Stock: read-only, the stock of each variant; may be linked to an entry grid, whose current
//   cell it mirrors and against which the entry is checked.
// - Picker: read-only; a double click or Enter on a data cell chooses that size and colour.
#pragma once

#include "data/values.h"
#include "platform/sizecolorstore.h"

#include <QColor>
#include <QTableView>

class QLabel;
class SizeColorModel;

class SizeColorGrid : public QTableView {
    Q_OBJECT
public:
    enum class Kind { Entry, Stock, Picker };

    // The object name starts as "StringGridIn" (entry), "StringGridKc" (stock) or
    // "StringGridSele" (picker); windows may rename it.
    explicit SizeColorGrid(Kind kind, QWidget* parent = nullptr);
    ~SizeColorGrid() override;

    Kind kind() const { return m_kind; }

    // ---- Layout and cells -------------------------------------------------------------------
    // Rebuilds the grid for the axes: every quantity and total emptied, every row and column shown.
    void setAxes(const SizeColorAxes& axes);
    const SizeColorAxes& axes() const;
    int rowCount() const;     // colours + 2
    int columnCount() const;  // sizes + 2
    bool isDataCell(int row, int col) const;
    bool isTotalCell(int row, int col) const;
    QString cell(int row, int col) const;
    // Sets a data cell and recomputes its row's, its column's and the grand total (other cells
    // are ignored). Typing goes through here too.
    void setCell(int row, int col, const QString& text);
    // Empties every data cell and total.
    void clearQuantities();
    // The grand total as shown ("" before any cell was filled) and as a number.
    QString grandTotal() const;
    Money totalQuantity() const;

    // ---- Stores ----------------------------------------------------------------------------
    // Empties the grid and fills it from the store; rows of variants outside the axes are skipped.
    void load(SizeColorStore& store);
    // Hands every data cell to the store, which writes it in one transaction.
    void save(SizeColorStore& store) const;

    // ---- Current cell ----------------------------------------------------------------------
    int currentGridRow() const;     // -1 when there is none
    int currentGridColumn() const;
    void setCurrentCell(int row, int col);
    // Size and colour of the current cell; "" on the totals row or column.
    QString currentSizeName() const;
    QString currentColorName() const;
    QString currentText() const;
    // Picker: emits chosen() for the current data cell; false (nothing emitted) on a total.
    bool chooseCurrent();

    // ---- Entry and stock together ----------------------------------------------------------
    // Links this entry grid to its stock grid (same axes): selecting a data cell here moves the
    // stock grid's current cell to the same place.
    void linkStockGrid(SizeColorGrid* stock);
    SizeColorGrid* linkedGrid() const { return m_partner; }
    // Compares each entered quantity with the stock cell at the same place. Rows top to bottom,
    // within a row left to right up to its first failing cell; the message returned and the
    // current cell are those of the last row that fails. "" when every quantity passes.
    QString checkStock(const QString& zeroStockMessage, const QString& overStockMessage);

    // "隐藏0库存的颜色尺码": hiding empties the entry grid's quantities and hides, in this grid
    // and its linked grid, every colour row and size column whose stock cells and stock total
    // are all empty or 0; showing brings every row and column back.
    void setZeroStockHidden(bool hide);
    bool isZeroStockHidden() const { return m_zeroHidden; }
    bool isRowShown(int row) const;
    bool isColumnShown(int col) const;

    // ---- Drawing ---------------------------------------------------------------------------
    struct Look {
        QColor background;
        QColor text;
        bool bold = false;
    };
    Look cellLook(int row, int col) const;

    static const QColor TotalGround;   // 142, 216, 129
    static const QColor StockGround;   // 248, 182, 81
    static const QColor PickerFocus;   // 92, 138, 214

signals:
    void totalsChanged();
    void currentCellMoved(int row, int col);
    void chosen(const QString& sizeName, const QString& colorName, const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void updateGeometries() override;

private:
    void applyHidden(const SizeColorGrid* stock, bool hide);

    Kind m_kind;
    SizeColorModel* m_model = nullptr;
    QLabel* m_corner = nullptr;
    SizeColorGrid* m_partner = nullptr;
    bool m_zeroHidden = false;
    bool m_quiet = false;  // no currentCellMoved while rebuilding
};
