#include "platform/sizecolorgrid.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPersistentModelIndex>
#include <QRegularExpressionValidator>
#include <QStyledItemDelegate>

const QColor SizeColorGrid::TotalGround(142, 216, 129);
const QColor SizeColorGrid::StockGround(248, 182, 81);
const QColor SizeColorGrid::PickerFocus(92, 138, 214);

namespace {

const int RowHeight = 18;
const int ColumnWidth = 64;
const int MaxEntryLength = 5;

QString cornerText() { return QStringLiteral("颜色/尺码"); }
QString totalText() { return QStringLiteral("合计"); }

// An empty cell counts as 0.
Money cellValue(const QString& text) { return Money::fromText(text); }
bool isZero(const QString& text) { return cellValue(text).isZero(); }

}  // namespace

// ---- Model: the data cells and totals, in model coordinates (grid row/column minus one) ------

class SizeColorModel : public QAbstractTableModel {
public:
    explicit SizeColorModel(SizeColorGrid* grid) : QAbstractTableModel(grid), m_grid(grid) {}

    SizeColorAxes axes;
    QVector<QString> cells;  // (colours + 1) × (sizes + 1), row-major

    int sizes() const { return int(axes.sizes.size()); }
    int colors() const { return int(axes.colors.size()); }
    QString& at(int r, int c) { return cells[r * (sizes() + 1) + c]; }
    const QString& at(int r, int c) const { return cells[r * (sizes() + 1) + c]; }

    void rebuild(const SizeColorAxes& newAxes)
    {
        beginResetModel();
        axes = newAxes;
        cells = QVector<QString>((colors() + 1) * (sizes() + 1));
        endResetModel();
    }

    void clear()
    {
        cells.fill(QString());
        changedAll();
    }

    void changedAll()
    {
        if (!cells.isEmpty())
            emit dataChanged(index(0, 0), index(colors(), sizes()));
    }

    void changed(int r, int c) { emit dataChanged(index(r, c), index(r, c)); }

    // Recomputes the column total, the row total and the grand total of one data cell.
    void recompute(int r, int c)
    {
        const int n = sizes();
        const int m = colors();
        Money column, row, grand;
        for (int i = 0; i < m; ++i)
            column += cellValue(at(i, c));
        for (int j = 0; j < n; ++j)
            row += cellValue(at(r, j));
        at(m, c) = column.toText();
        at(r, n) = row.toText();
        for (int i = 0; i < m; ++i)
            grand += cellValue(at(i, n));
        at(m, n) = grand.toText();
        changed(m, c);
        changed(r, n);
        changed(m, n);
    }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : colors() + 1;
    }
    int columnCount(const QModelIndex& parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : sizes() + 1;
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
            return {};
        return at(index.row(), index.column());
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (role != Qt::DisplayRole)
            return {};
        const QVector<SizeColorItem>& items = orientation == Qt::Horizontal ? axes.sizes : axes.colors;
        return section < items.size() ? items.at(section).name : totalText();
    }

    Qt::ItemFlags flags(const QModelIndex& index) const override
    {
        Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
        if (m_grid->kind() == SizeColorGrid::Kind::Entry && m_grid->isDataCell(index.row() + 1, index.column() + 1))
            f |= Qt::ItemIsEditable;
        return f;
    }

    bool setData(const QModelIndex& index, const QVariant& value, int role) override
    {
        if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
            return false;
        m_grid->setCell(index.row() + 1, index.column() + 1, value.toString().left(MaxEntryLength));
        return true;
    }

private:
    SizeColorGrid* m_grid;
};

// ---- Delegate: the drawing of every kind and the entry cell editor -----------------------------

namespace {

class SizeColorDelegate : public QStyledItemDelegate {
public:
    explicit SizeColorDelegate(SizeColorGrid* grid) : QStyledItemDelegate(grid), m_grid(grid) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const SizeColorGrid::Look look = m_grid->cellLook(index.row() + 1, index.column() + 1);
        painter->save();
        painter->fillRect(option.rect, look.background);
        QFont font = option.font;
        font.setBold(look.bold);
        painter->setFont(font);
        painter->setPen(look.text);
        painter->drawText(option.rect.adjusted(2, 2, -1, -1), Qt::AlignLeft | Qt::AlignTop,
                          index.data().toString());
        if ((option.state & QStyle::State_HasFocus) && m_grid->kind() == SizeColorGrid::Kind::Entry) {
            QStyleOptionFocusRect focus;
            focus.initFrom(m_grid);
            focus.rect = option.rect.adjusted(1, 1, -1, -1);
            focus.backgroundColor = look.background;
            m_grid->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, m_grid);
        }
        painter->restore();
    }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const override
    {
        auto* editor = new QLineEdit(parent);
        editor->setObjectName(QStringLiteral("cellEditor"));
        editor->setFrame(false);
        editor->setMaxLength(MaxEntryLength);
        editor->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), editor));
        // The totals follow every keystroke, not only the end of the edit.
        const QPersistentModelIndex cellIndex(index);
        QAbstractItemModel* model = const_cast<QAbstractItemModel*>(index.model());
        connect(editor, &QLineEdit::textChanged, editor, [model, cellIndex](const QString& text) {
            if (cellIndex.isValid())
                model->setData(cellIndex, text, Qt::EditRole);
        });
        return editor;
    }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override
    {
        auto* line = static_cast<QLineEdit*>(editor);
        const QString text = index.data(Qt::EditRole).toString();
        if (line->text() != text)  // keep the cursor while the cell follows the editor
            line->setText(text);
    }

    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override
    {
        model->setData(index, static_cast<QLineEdit*>(editor)->text(), Qt::EditRole);
    }

private:
    SizeColorGrid* m_grid;
};

}  // namespace

// ---- Grid --------------------------------------------------------------------------------------

SizeColorGrid::SizeColorGrid(Kind kind, QWidget* parent) : QTableView(parent), m_kind(kind)
{
    switch (kind) {
    case Kind::Entry: setObjectName(QStringLiteral("StringGridIn")); break;
    case Kind::Stock: setObjectName(QStringLiteral("StringGridKc")); break;
    case Kind::Picker: setObjectName(QStringLiteral("StringGridSele")); break;
    }
    m_model = new SizeColorModel(this);
    setModel(m_model);
    setItemDelegate(new SizeColorDelegate(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(kind == Kind::Entry ? QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                                              QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed
                                        : QAbstractItemView::NoEditTriggers);

    const QHeaderView::ResizeMode resize = kind == Kind::Picker ? QHeaderView::Interactive : QHeaderView::Fixed;
    horizontalHeader()->setSectionResizeMode(resize);
    verticalHeader()->setSectionResizeMode(resize);
    horizontalHeader()->setMinimumSectionSize(0);
    verticalHeader()->setMinimumSectionSize(0);
    horizontalHeader()->setDefaultSectionSize(ColumnWidth);
    verticalHeader()->setDefaultSectionSize(RowHeight);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setHighlightSections(false);
    verticalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    // The fixed corner cell (0,0).
    m_corner = new QLabel(cornerText(), this);
    m_corner->setObjectName(QStringLiteral("cornerLabel"));
    m_corner->setContentsMargins(2, 0, 0, 0);
    m_corner->setAttribute(Qt::WA_TransparentForMouseEvents);
    verticalHeader()->setMinimumWidth(
        qMax(ColumnWidth, m_corner->fontMetrics().horizontalAdvance(cornerText()) + 8));

    setAxes({});
}

SizeColorGrid::~SizeColorGrid()
{
    if (m_partner)
        m_partner->m_partner = nullptr;
}

void SizeColorGrid::updateGeometries()
{
    QTableView::updateGeometries();
    if (m_corner) {
        m_corner->setGeometry(verticalHeader()->x(), horizontalHeader()->y(), verticalHeader()->width(),
                              horizontalHeader()->height());
        m_corner->raise();
    }
}

// ---- Layout and cells --------------------------------------------------------------------------

void SizeColorGrid::setAxes(const SizeColorAxes& axes)
{
    m_quiet = true;
    m_model->rebuild(axes);
    for (int r = 0; r < m_model->rowCount(); ++r)
        setRowHidden(r, false);
    for (int c = 0; c < m_model->columnCount(); ++c)
        setColumnHidden(c, false);
    m_zeroHidden = false;
    setCurrentCell(1, 1);
    m_quiet = false;
    emit totalsChanged();
}

const SizeColorAxes& SizeColorGrid::axes() const
{
    return m_model->axes;
}

int SizeColorGrid::rowCount() const
{
    return m_model->colors() + 2;
}

int SizeColorGrid::columnCount() const
{
    return m_model->sizes() + 2;
}

bool SizeColorGrid::isDataCell(int row, int col) const
{
    return row >= 1 && col >= 1 && row <= m_model->colors() && col <= m_model->sizes();
}

bool SizeColorGrid::isTotalCell(int row, int col) const
{
    const int lastRow = rowCount() - 1;
    const int lastCol = columnCount() - 1;
    return row >= 1 && col >= 1 && row <= lastRow && col <= lastCol && (row == lastRow || col == lastCol);
}

QString SizeColorGrid::cell(int row, int col) const
{
    if (row < 0 || col < 0 || row >= rowCount() || col >= columnCount())
        return {};
    if (row == 0 && col == 0)
        return cornerText();
    if (row == 0)
        return m_model->headerData(col - 1, Qt::Horizontal, Qt::DisplayRole).toString();
    if (col == 0)
        return m_model->headerData(row - 1, Qt::Vertical, Qt::DisplayRole).toString();
    return m_model->at(row - 1, col - 1);
}

void SizeColorGrid::setCell(int row, int col, const QString& text)
{
    if (!isDataCell(row, col))
        return;
    QString& stored = m_model->at(row - 1, col - 1);
    if (stored == text)
        return;
    stored = text;
    m_model->changed(row - 1, col - 1);
    m_model->recompute(row - 1, col - 1);
    emit totalsChanged();
}

void SizeColorGrid::clearQuantities()
{
    m_model->clear();
    emit totalsChanged();
}

QString SizeColorGrid::grandTotal() const
{
    return m_model->at(m_model->colors(), m_model->sizes());
}

Money SizeColorGrid::totalQuantity() const
{
    return cellValue(grandTotal());
}

// ---- Stores ------------------------------------------------------------------------------------

void SizeColorGrid::load(SizeColorStore& store)
{
    const QVector<SizeColorQuantity> rows = store.load();
    const SizeColorAxes& ax = m_model->axes;
    m_model->cells.fill(QString());
    QVector<bool> filled(m_model->cells.size(), false);
    for (const SizeColorQuantity& q : rows) {
        int r = 0;
        while (r < ax.colors.size() && ax.colors.at(r).code != q.colorCode)
            ++r;
        int c = 0;
        while (c < ax.sizes.size() && ax.sizes.at(c).code != q.sizeCode)
            ++c;
        if (r == ax.colors.size() || c == ax.sizes.size())
            continue;  // a variant outside the goods' groups
        QString& text = m_model->at(r, c);
        const int slot = r * (m_model->sizes() + 1) + c;
        text = (filled[slot] ? cellValue(text) + cellValue(q.quantity) : cellValue(q.quantity)).toText();
        filled[slot] = true;
    }
    for (int r = 0; r < m_model->colors(); ++r)
        for (int c = 0; c < m_model->sizes(); ++c)
            if (filled[r * (m_model->sizes() + 1) + c])
                m_model->recompute(r, c);
    m_model->changedAll();
    emit totalsChanged();
}

void SizeColorGrid::save(SizeColorStore& store) const
{
    const SizeColorAxes& ax = m_model->axes;
    QVector<SizeColorQuantity> cells;
    cells.reserve(ax.colors.size() * ax.sizes.size());
    for (int r = 0; r < ax.colors.size(); ++r)
        for (int c = 0; c < ax.sizes.size(); ++c)
            cells.push_back({ax.sizes.at(c).code, ax.colors.at(r).code, m_model->at(r, c)});
    store.save(cells);
}

// ---- Current cell ------------------------------------------------------------------------------

int SizeColorGrid::currentGridRow() const
{
    const QModelIndex index = currentIndex();
    return index.isValid() ? index.row() + 1 : -1;
}

int SizeColorGrid::currentGridColumn() const
{
    const QModelIndex index = currentIndex();
    return index.isValid() ? index.column() + 1 : -1;
}

void SizeColorGrid::setCurrentCell(int row, int col)
{
    const QModelIndex index = m_model->index(row - 1, col - 1);
    if (index.isValid())
        setCurrentIndex(index);
}

QString SizeColorGrid::currentSizeName() const
{
    const int row = currentGridRow();
    const int col = currentGridColumn();
    return isDataCell(row, col) ? cell(0, col) : QString();
}

QString SizeColorGrid::currentColorName() const
{
    const int row = currentGridRow();
    const int col = currentGridColumn();
    return isDataCell(row, col) ? cell(row, 0) : QString();
}

QString SizeColorGrid::currentText() const
{
    return cell(currentGridRow(), currentGridColumn());
}

bool SizeColorGrid::chooseCurrent()
{
    if (m_kind != Kind::Picker || !isDataCell(currentGridRow(), currentGridColumn()))
        return false;
    emit chosen(currentSizeName(), currentColorName(), currentText());
    return true;
}

void SizeColorGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTableView::currentChanged(current, previous);
    if (m_quiet || !current.isValid())
        return;
    const int row = current.row() + 1;
    const int col = current.column() + 1;
    if (m_kind == Kind::Entry && m_partner && isDataCell(row, col))
        m_partner->setCurrentCell(row, col);
    emit currentCellMoved(row, col);
}

// ---- Keys and mouse ----------------------------------------------------------------------------

void SizeColorGrid::keyPressEvent(QKeyEvent* event)
{
    if (m_kind == Kind::Picker && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        chooseCurrent();
        event->accept();
        return;
    }
    if (m_kind == Kind::Entry) {
        // Only the digits and Backspace are typed into a cell; other characters are dropped.
        const QString text = event->text();
        const bool digit = text.size() == 1 && text.at(0) >= u'0' && text.at(0) <= u'9';
        if (!text.isEmpty() && text.at(0).isPrint() && !digit) {
            event->accept();
            return;
        }
    }
    QTableView::keyPressEvent(event);
}

void SizeColorGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    QTableView::mouseDoubleClickEvent(event);
    if (m_kind == Kind::Picker && indexAt(event->position().toPoint()).isValid())
        chooseCurrent();
}

// ---- Entry and stock together ------------------------------------------------------------------

void SizeColorGrid::linkStockGrid(SizeColorGrid* stock)
{
    if (m_partner)
        m_partner->m_partner = nullptr;
    m_partner = stock;
    if (stock) {
        if (stock->m_partner)
            stock->m_partner->m_partner = nullptr;
        stock->m_partner = this;
    }
}

QString SizeColorGrid::checkStock(const QString& zeroStockMessage, const QString& overStockMessage)
{
    if (!m_partner)
        return {};
    QString message;
    int failRow = -1;
    int failCol = -1;
    for (int row = 1; row < rowCount() - 1; ++row) {
        for (int col = 1; col < columnCount() - 1; ++col) {
            const QString quantity = cell(row, col);
            if (isZero(quantity))
                continue;
            const QString stock = m_partner->cell(row, col);
            const QString failure = isZero(stock) ? zeroStockMessage
                                  : cellValue(quantity) > cellValue(stock) ? overStockMessage
                                                                           : QString();
            if (!failure.isEmpty()) {
                message = failure;
                failRow = row;
                failCol = col;
                break;
            }
        }
    }
    if (failRow > 0)
        setCurrentCell(failRow, failCol);
    return message;
}

void SizeColorGrid::setZeroStockHidden(bool hide)
{
    const SizeColorGrid* stock = m_kind == Kind::Entry ? m_partner : this;
    if (!stock)
        return;  // an entry grid without stock has nothing to decide by
    if (hide) {
        if (m_kind == Kind::Entry)
            clearQuantities();
        else if (m_partner && m_partner->m_kind == Kind::Entry)
            m_partner->clearQuantities();
    }
    applyHidden(stock, hide);
    if (m_partner)
        m_partner->applyHidden(stock, hide);
}

void SizeColorGrid::applyHidden(const SizeColorGrid* stock, bool hide)
{
    m_zeroHidden = hide;
    const SizeColorModel* s = stock->m_model;
    for (int r = 0; r < s->colors(); ++r) {
        bool empty = true;
        for (int c = 0; c <= s->sizes() && empty; ++c)
            empty = isZero(s->at(r, c));
        setRowHidden(r, hide && empty);
    }
    for (int c = 0; c < s->sizes(); ++c) {
        bool empty = true;
        for (int r = 0; r <= s->colors() && empty; ++r)
            empty = isZero(s->at(r, c));
        setColumnHidden(c, hide && empty);
    }
}

bool SizeColorGrid::isRowShown(int row) const
{
    return row == 0 || (row < rowCount() && !isRowHidden(row - 1));
}

bool SizeColorGrid::isColumnShown(int col) const
{
    return col == 0 || (col < columnCount() && !isColumnHidden(col - 1));
}

// ---- Drawing -----------------------------------------------------------------------------------

SizeColorGrid::Look SizeColorGrid::cellLook(int row, int col) const
{
    const QPalette& pal = palette();
    Look look{pal.color(QPalette::Base), pal.color(QPalette::Text), false};
    if (row < 1 || col < 1 || row >= rowCount() || col >= columnCount())
        return look;  // the fixed row and column are drawn as headers
    const bool current = row == currentGridRow() && col == currentGridColumn();
    if (m_kind == Kind::Picker && current) {
        look.background = PickerFocus;
        look.text = Qt::white;
        return look;
    }
    if (isTotalCell(row, col)) {
        const bool grand = row == rowCount() - 1 && col == columnCount() - 1;
        look.background = TotalGround;
        look.text = grand ? QColor(Qt::red) : QColor(Qt::blue);
        look.bold = m_kind != Kind::Picker;
        return look;
    }
    const QString text = cell(row, col);
    switch (m_kind) {
    case Kind::Entry:
        look.background = Qt::white;
        if (isZero(text)) {
            look.text = pal.color(QPalette::Window);
        } else {
            look.text = Qt::red;
            look.bold = true;
        }
        break;
    case Kind::Stock:
        if (current) {
            look.background = pal.color(QPalette::Highlight);
            look.text = pal.color(QPalette::HighlightedText);
        } else if (!isZero(text)) {
            look.background = StockGround;
            look.text = Qt::red;
            look.bold = true;
        }
        break;
    case Kind::Picker:
        if (text == QLatin1String("0")) {
            look.background = StockGround;
            look.text = Qt::red;
        }
        break;
    }
    return look;
}
