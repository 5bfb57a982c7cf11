#include "platform/datagrid.h"

#include "platform/displayformat.h"
#include "platform/msgbox.h"

#include <QAbstractTableModel>
#include <QComboBox>
#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

namespace {

// A cell as a number; a yes/no column's "True"/"False" read 1 and 0.
double numberOf(const QString& text, bool* ok)
{
    if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0) {
        *ok = true;
        return 1;
    }
    if (text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0) {
        *ok = true;
        return 0;
    }
    return text.toDouble(ok);
}

}  // namespace

// ---- Model ------------------------------------------------------------------------------

class GridModel : public QAbstractTableModel {
public:
    explicit GridModel(DataGrid* grid) : QAbstractTableModel(grid), g(grid) {}

    void beginReset() { beginResetModel(); }
    void endReset() { endResetModel(); }
    void rowChanged(int shown)
    {
        emit dataChanged(index(shown, 0), index(shown, columnCount() - 1));
    }
    void headersChanged() { emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1); }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : g->m_rows.size();
    }
    int columnCount(const QModelIndex& parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : int(g->m_columns.size());
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid())
            return {};
        const int src = g->m_rows.at(index.row());
        const GridColumn& c = *g->m_columns.at(index.column());
        switch (role) {
        case Qt::DisplayRole:
            return c.m_kind == GridColumn::Kind::Check ? QVariant()
                                                       : QVariant(c.displayText(g->loaded(src, index.column())));
        case Qt::EditRole:
            return g->loaded(src, index.column());
        case Qt::CheckStateRole:
            if (c.m_kind != GridColumn::Kind::Check)
                return {};
            return c.isChecked(g->loaded(src, index.column())) ? Qt::Checked : Qt::Unchecked;
        case Qt::TextAlignmentRole:
            if (c.m_kind == GridColumn::Kind::Check)
                return int(Qt::AlignCenter);
            return int((isNumeric(index.column()) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
        case Qt::ForegroundRole:
        case Qt::BackgroundRole:
        case Qt::FontRole: {
            if (!g->m_style)
                return {};
            CellStyle style;
            g->m_style(src, c.m_field, style);
            if (role == Qt::ForegroundRole)
                return style.text.isValid() ? QVariant(style.text) : QVariant();
            if (role == Qt::BackgroundRole)
                return style.background.isValid() ? QVariant(style.background) : QVariant();
            if (!style.bold)
                return {};
            QFont f = g->font();
            f.setBold(true);
            return f;
        }
        default:
            return {};
        }
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (role != Qt::DisplayRole)
            return {};
        if (orientation == Qt::Vertical)
            return section + 1;
        return section < columnCount() ? g->m_columns.at(section)->m_caption : QString();
    }

    Qt::ItemFlags flags(const QModelIndex& index) const override
    {
        Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
        if (!index.isValid())
            return f;
        const GridColumn& c = *g->m_columns.at(index.column());
        if (!c.m_writer || (c.m_canEdit && !c.m_canEdit(g->m_rows.at(index.row()))))
            return f;
        return f | (c.m_kind == GridColumn::Kind::Check ? Qt::ItemIsUserCheckable : Qt::ItemIsEditable);
    }

    bool setData(const QModelIndex& index, const QVariant& value, int role) override
    {
        if (!index.isValid() || !(flags(index) & (Qt::ItemIsEditable | Qt::ItemIsUserCheckable)))
            return false;
        GridColumn& c = *g->m_columns.at(index.column());
        const int src = g->m_rows.at(index.row());
        QString text;
        if (c.m_kind == GridColumn::Kind::Check) {
            if (role != Qt::CheckStateRole)
                return false;
            text = value.toInt() == Qt::Checked ? QStringLiteral("1") : QStringLiteral("0");
        } else {
            if (role != Qt::EditRole)
                return false;
            text = value.toString();
            if (text == g->loaded(src, index.column()))
                return false;
        }
        return g->writeCell(src, c, text);
    }

    bool isNumeric(int column) const
    {
        const GridColumn& c = *g->m_columns.at(column);
        if (!c.m_format.isEmpty())
            return true;
        const int fi = g->m_fieldIndex.value(column, -1);
        if (fi < 0 || !g->m_query)
            return false;
        const ColumnKind k = g->m_query->result().columns().at(fi).kind;
        return k == ColumnKind::Integer || k == ColumnKind::Money || k == ColumnKind::Float;
    }

private:
    DataGrid* g;
};

// ---- Delegate: the lookup column's list -------------------------------------------------

namespace {

class GridDelegate : public QStyledItemDelegate {
public:
    GridDelegate(DataGrid* grid, QObject* parent) : QStyledItemDelegate(parent), g(grid) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override
    {
        const GridColumn& c = g->columnAt(index.column());
        if (c.kind() != GridColumn::Kind::Lookup)
            return QStyledItemDelegate::createEditor(parent, option, index);
        auto* box = new QComboBox(parent);
        box->setObjectName(QStringLiteral("lookupEditor"));
        for (const auto& item : c.lookupItems())
            box->addItem(item.second, item.first);
        return box;
    }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override
    {
        if (auto* box = qobject_cast<QComboBox*>(editor))
            box->setCurrentIndex(box->findData(index.data(Qt::EditRole).toString()));
        else
            QStyledItemDelegate::setEditorData(editor, index);
    }

    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override
    {
        if (auto* box = qobject_cast<QComboBox*>(editor)) {
            if (box->currentIndex() >= 0)
                model->setData(index, box->currentData().toString(), Qt::EditRole);
        } else {
            QStyledItemDelegate::setModelData(editor, model, index);
        }
    }

private:
    DataGrid* g;
};

}  // namespace

// ---- Footer ------------------------------------------------------------------------------

class GridFooter : public QWidget {
public:
    explicit GridFooter(DataGrid* grid) : QWidget(grid), g(grid)
    {
        setObjectName(QStringLiteral("gridFooter"));
        setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    }

    QSize sizeHint() const override { return {100, fontMetrics().height() + 10}; }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), palette().window());
        QTableView* view = g->view();
        QHeaderView* header = view->horizontalHeader();
        const int x0 = view->viewport()->mapTo(g, QPoint(0, 0)).x() - x();
        p.setClipRect(QRect(x0, 0, view->viewport()->width(), height()));
        for (int i = 0; i < g->columnCount(); ++i) {
            if (header->isSectionHidden(i))
                continue;
            const QRect cell(x0 + header->sectionViewportPosition(i), 1, header->sectionSize(i), height() - 2);
            p.setPen(palette().color(QPalette::Mid));
            p.drawRect(cell.adjusted(1, 1, -2, -2));
            const QString text = g->m_footers.value(i);
            if (text.isEmpty())
                continue;
            const GridColumn& c = g->columnAt(i);
            p.setPen(c.m_footerRed ? QColor(Qt::red) : palette().color(QPalette::WindowText));
            const Qt::Alignment align = (c.m_footer == GridColumn::Footer::Sum ? Qt::AlignRight : Qt::AlignLeft)
                                        | Qt::AlignVCenter;
            const QRect inner = cell.adjusted(4, 0, -4, 0);
            p.drawText(inner, int(align), fontMetrics().elidedText(text, Qt::ElideRight, inner.width()));
        }
    }

private:
    DataGrid* g;
};

// ---- Columns -----------------------------------------------------------------------------

GridColumn::GridColumn(DataGrid* grid, const QString& field, const QString& caption, int width)
    : m_grid(grid), m_field(field), m_caption(caption.isEmpty() ? field : caption), m_width(width)
{
}

GridColumn& GridColumn::changed()
{
    m_grid->columnChanged();
    return *this;
}

GridColumn& GridColumn::setCaption(const QString& caption)
{
    m_caption = caption;
    return changed();
}

GridColumn& GridColumn::setFormat(const QString& format)
{
    m_format = format;
    return changed();
}

GridColumn& GridColumn::setWidth(int width)
{
    m_width = width;
    return changed();
}

GridColumn& GridColumn::setHidden(bool hidden)
{
    m_hidden = hidden;
    return changed();
}

GridColumn& GridColumn::setCheck()
{
    m_kind = Kind::Check;
    return changed();
}

GridColumn& GridColumn::setLookup(const QList<QPair<QString, QString>>& codeAndText)
{
    m_kind = Kind::Lookup;
    m_lookup = codeAndText;
    return changed();
}

GridColumn& GridColumn::setLookup(const ResultSet& rows, const QString& codeField, const QString& textField)
{
    QList<QPair<QString, QString>> items;
    const int code = rows.columnIndex(codeField);
    const int text = rows.columnIndex(textField);
    for (int r = 0; r < rows.rowCount() && code >= 0 && text >= 0; ++r)
        items.append({rows.text(r, code), rows.text(r, text)});
    return setLookup(items);
}

GridColumn& GridColumn::setWriter(CellWriter writer, std::function<bool(int)> canEdit)
{
    m_writer = std::move(writer);
    m_canEdit = std::move(canEdit);
    return changed();
}

GridColumn& GridColumn::footerCount(const QString& prefix)
{
    m_footer = Footer::Count;
    m_footerText = prefix;
    return changed();
}

GridColumn& GridColumn::footerSum(const QString& prefix, const QString& format)
{
    m_footer = Footer::Sum;
    m_footerText = prefix;
    m_footerFormat = format;
    return changed();
}

GridColumn& GridColumn::footerText(const QString& text)
{
    m_footer = Footer::Text;
    m_footerText = text;
    return changed();
}

GridColumn& GridColumn::footerRed(bool red)
{
    m_footerRed = red;
    return changed();
}

QString GridColumn::displayText(const QString& value) const
{
    switch (m_kind) {
    case Kind::Check:
        return value;
    case Kind::Lookup:
        for (const auto& item : m_lookup)
            if (item.first == value)
                return item.second;
        return QString();
    case Kind::Text:
        break;
    }
    return formatNumber(m_format, value);
}

bool GridColumn::isChecked(const QString& value) const
{
    bool ok = false;
    const double v = numberOf(value, &ok);
    return ok && v != 0;
}

// ---- Grid --------------------------------------------------------------------------------

DataGrid::DataGrid(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_view = new QTableView(this);
    m_view->setObjectName(QStringLiteral("gridView"));
    m_model = new GridModel(this);
    m_view->setModel(m_model);
    m_view->setItemDelegate(new GridDelegate(this, m_view));
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked
                            | QAbstractItemView::EditKeyPressed);
    m_view->setWordWrap(false);
    m_view->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_view->horizontalHeader()->setHighlightSections(false);
    QHeaderView* rows = m_view->verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(fontMetrics().height() + 6);
    rows->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
    rows->setVisible(false);

    m_footer = new GridFooter(this);
    m_footer->setVisible(false);
    layout->addWidget(m_view);
    layout->addWidget(m_footer);

    connect(m_view->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &DataGrid::onViewCurrentChanged);
    connect(m_view, &QTableView::clicked, this, [this](const QModelIndex& i) {
        emit rowClicked(sourceRow(i.row()), columnAt(i.column()).field());
    });
    connect(m_view, &QTableView::doubleClicked, this,
            [this](const QModelIndex& i) { emit rowDoubleClicked(sourceRow(i.row())); });
    QHeaderView* header = m_view->horizontalHeader();
    connect(header, &QHeaderView::sectionResized, this, [this](int i, int, int size) {
        if (!m_syncing && i < columnCount())
            m_columns[i]->m_width = size;
        m_footer->update();
    });
    connect(header, &QHeaderView::sectionMoved, m_footer, qOverload<>(&QWidget::update));
    connect(header, &QHeaderView::geometriesChanged, m_footer, qOverload<>(&QWidget::update));
    connect(m_view->horizontalScrollBar(), &QScrollBar::valueChanged, m_footer, qOverload<>(&QWidget::update));
}

DataGrid::~DataGrid()
{
    for (const auto& c : std::as_const(m_queryConnections))
        disconnect(c);
    delete m_view;  // before the columns it shows
    m_view = nullptr;
}

QWidget* DataGrid::footerWidget() const
{
    return m_footer;
}

void DataGrid::setQuery(NamedQuery* query)
{
    for (const auto& c : std::as_const(m_queryConnections))
        disconnect(c);
    m_queryConnections.clear();
    m_query = query;
    if (query) {
        m_queryConnections << connect(query, &NamedQuery::resultChanged, this, [this] {
            ++m_generation;
            reload();
        });
        m_queryConnections << connect(query, &NamedQuery::cellChanged, this, &DataGrid::onCellChanged);
        m_queryConnections << connect(query, &NamedQuery::currentRowChanged, this, [this](int row) {
            if (m_syncing)
                return;
            m_syncing = true;
            setCurrentRow(row);
            m_syncing = false;
            emit currentRowChanged(currentRow());
        });
    }
    ++m_generation;
    reload();
}

GridColumn& DataGrid::addColumn(const QString& field, const QString& caption, int width)
{
    m_columns.push_back(std::unique_ptr<GridColumn>(new GridColumn(this, field, caption, width)));
    columnChanged();
    return *m_columns.back();
}

GridColumn* DataGrid::column(const QString& field) const
{
    for (const auto& c : m_columns)
        if (c->m_field.compare(field, Qt::CaseInsensitive) == 0)
            return c.get();
    return nullptr;
}

void DataGrid::clearColumns()
{
    m_columns.clear();
    columnChanged();
}

void DataGrid::setLineNumbers(bool on)
{
    m_view->verticalHeader()->setVisible(on);
}

void DataGrid::setCellStyle(CellStyleFn style)
{
    m_style = std::move(style);
    m_view->viewport()->update();
}

void DataGrid::setMultiSelect(bool on)
{
    m_view->setSelectionMode(on ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
}

void DataGrid::columnChanged()
{
    reload();
}

// Rebuilds the rows shown from the query's result and the filter, keeping the focus on the
// query's current row when it is shown (else on the first row shown).
void DataGrid::reload()
{
    m_fieldIndex.resize(int(m_columns.size()));
    for (int i = 0; i < int(m_columns.size()); ++i)
        m_fieldIndex[i] = m_query ? m_query->result().columnIndex(m_columns[i]->m_field) : -1;

    const bool wasSyncing = m_syncing;
    m_syncing = true;
    m_model->beginReset();
    const int loadedRows = loadedRowCount();
    m_rows.clear();
    m_shownOf.fill(-1, loadedRows);
    const QVector<FilterColumn> conditions = filterColumns();
    for (int r = 0; r < loadedRows; ++r) {
        if (!m_filter.isEmpty() && !rowMatches(r, conditions))
            continue;
        m_shownOf[r] = m_rows.size();
        m_rows.append(r);
    }
    m_model->endReset();

    QHeaderView* header = m_view->horizontalHeader();
    bool footers = false;
    for (int i = 0; i < int(m_columns.size()); ++i) {
        const GridColumn& c = *m_columns[i];
        header->setSectionHidden(i, c.m_hidden);
        const int width = c.m_width > 0 ? c.m_width
                                        : qMax(64, fontMetrics().horizontalAdvance(c.m_caption) + 24);
        header->resizeSection(i, width);
        footers = footers || c.m_footer != GridColumn::Footer::None;
    }
    m_footer->setVisible(footers);
    recomputeFooters();

    int current = m_query ? m_query->currentRow() : -1;
    if (shownRow(current) < 0 && !m_rows.isEmpty()) {
        current = m_rows.first();
        m_query->setCurrentRow(current);
    }
    setCurrentRow(current);
    m_syncing = wasSyncing;
    emit currentRowChanged(currentRow());
}

int DataGrid::loadedRowCount() const
{
    return m_query ? m_query->rowCount() : 0;
}

int DataGrid::shownRow(int sourceRow) const
{
    return sourceRow >= 0 && sourceRow < m_shownOf.size() ? m_shownOf.at(sourceRow) : -1;
}

int DataGrid::currentRow() const
{
    const QModelIndex i = m_view->selectionModel()->currentIndex();
    return i.isValid() ? sourceRow(i.row()) : -1;
}

bool DataGrid::setCurrentRow(int sourceRow)
{
    const int shown = shownRow(sourceRow);
    if (shown < 0)
        return false;
    int col = 0;
    while (col < columnCount() - 1 && m_columns[col]->m_hidden)
        ++col;
    m_view->selectionModel()->setCurrentIndex(m_model->index(shown, col),
                                              QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    return true;
}

QList<int> DataGrid::selectedRows() const
{
    QList<int> out;
    const QModelIndexList sel = m_view->selectionModel()->selectedRows();
    for (const QModelIndex& i : sel)
        out << i.row();
    std::sort(out.begin(), out.end());
    for (int& r : out)
        r = sourceRow(r);
    return out;
}

QString DataGrid::value(int sourceRow, const QString& field) const
{
    return m_query ? m_query->value(sourceRow, field) : QString();
}

QString DataGrid::displayText(int sourceRow, const QString& field) const
{
    const GridColumn* c = column(field);
    const QString v = value(sourceRow, field);
    return c ? c->displayText(v) : v;
}

QString DataGrid::loaded(int sourceRow, int column) const
{
    const int fi = m_fieldIndex.value(column, -1);
    return fi < 0 || !m_query ? QString() : m_query->result().text(sourceRow, fi);
}

void DataGrid::onViewCurrentChanged()
{
    if (m_syncing)
        return;
    const int row = currentRow();
    m_syncing = true;
    if (m_query && row >= 0)
        m_query->setCurrentRow(row);
    m_syncing = false;
    emit currentRowChanged(row);
}

void DataGrid::onCellChanged(int row, int)
{
    const int shown = shownRow(row);
    if (shown >= 0)
        m_model->rowChanged(shown);
    recomputeFooters();
}

bool DataGrid::writeCell(int sourceRow, GridColumn& col, const QString& value)
{
    if (!col.m_writer || !m_query)
        return false;
    const quint64 generation = m_generation;
    if (!runGuarded([&] { col.m_writer(sourceRow, col.m_field, value); }))
        return false;
    // A writer that re-opened the query has brought the new value along with the new rows.
    if (generation != m_generation)
        return true;
    QString stored = value;
    if (col.m_kind == GridColumn::Kind::Check) {
        const int fi = m_query->result().columnIndex(col.m_field);
        const QString old = fi < 0 ? QString() : m_query->result().text(sourceRow, fi);
        const bool bit = (fi >= 0 && m_query->result().columns().at(fi).kind == ColumnKind::Bit)
                         || old.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0
                         || old.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0;
        if (bit)
            stored = value == QLatin1String("1") ? QStringLiteral("True") : QStringLiteral("False");
    }
    m_query->setLoadedValue(sourceRow, col.m_field, stored);
    return true;
}

// ---- Filter ------------------------------------------------------------------------------

namespace {

bool conditionHolds(const QString& cell, const GridFilter& f, Qt::CaseSensitivity cs)
{
    if (f.op == FilterOp::Like)
        return cell.contains(f.value, cs);
    if (f.op == FilterOp::Prefix)
        return cell.startsWith(f.value, cs);
    if (cell.isEmpty())  // a NULL is neither equal nor unequal to anything
        return false;
    bool a = false;
    bool b = false;
    const double x = numberOf(cell, &a);
    const double y = numberOf(f.value.trimmed(), &b);
    const bool equal = a && b ? x == y : cell.compare(f.value, Qt::CaseInsensitive) == 0;
    return f.op == FilterOp::Equal ? equal : !equal;
}

// A value made only of characters that have no case (digits, punctuation, Chinese) matches
// ignoring case exactly where it matches as it stands, and the plain search is much quicker.
Qt::CaseSensitivity caseFor(const QString& value)
{
    for (QChar c : value)
        if ((c.isLetter() && c.script() != QChar::Script_Han) || c.isSurrogate() || c.toCaseFolded() != c
            || c.toUpper() != c)
            return Qt::CaseInsensitive;
    return Qt::CaseSensitive;
}

}  // namespace

QVector<DataGrid::FilterColumn> DataGrid::filterColumns() const
{
    QVector<FilterColumn> out;
    for (const GridFilter& f : m_filter)
        out.append({m_query ? m_query->result().columnIndex(f.field) : -1, caseFor(f.value)});
    return out;
}

bool DataGrid::rowMatches(int sourceRow, const QVector<FilterColumn>& columns) const
{
    const ResultSet& rs = m_query->result();
    for (int i = 0; i < m_filter.size(); ++i) {
        const GridFilter& f = m_filter.at(i);
        const int col = columns.at(i).column;
        const bool holds = col >= 0 && conditionHolds(rs.text(sourceRow, col), f, columns.at(i).cs);
        if (holds && m_join == FilterJoin::Or)
            return true;
        if (!holds && m_join == FilterJoin::And)
            return false;
    }
    return m_join == FilterJoin::And;
}

void DataGrid::setFilter(const QList<GridFilter>& conditions, FilterJoin join)
{
    m_filter = conditions;
    m_join = join;
    reload();
}

void DataGrid::setSearch(const QString& text, const QStringList& fields)
{
    const QString t = text.trimmed();
    QList<GridFilter> conditions;
    if (!t.isEmpty())
        for (const QString& f : fields)
            conditions.append({f, FilterOp::Like, t});
    setFilter(conditions, FilterJoin::Or);
}

// ---- Footer and output -------------------------------------------------------------------

Money DataGrid::sum(const QString& field) const
{
    Money total;
    if (!m_query)
        return total;
    const int col = m_query->result().columnIndex(field);
    if (col < 0)
        return total;
    // Parsed in place: a footer sums every row shown on each reload and keystroke.
    for (int r : m_rows) {
        bool ok = false;
        const double v = QStringView(m_query->result().text(r, col)).trimmed().toDouble(&ok);
        if (ok)
            total += Money::fromDouble(v);
    }
    return total;
}

void DataGrid::recomputeFooters()
{
    m_footers.clear();
    for (const auto& c : m_columns) {
        switch (c->m_footer) {
        case GridColumn::Footer::None:
            m_footers << QString();
            break;
        case GridColumn::Footer::Count:
            m_footers << c->m_footerText + QString::number(rowCount());
            break;
        case GridColumn::Footer::Sum: {
            const QString format = c->m_footerFormat.isEmpty() ? c->m_format : c->m_footerFormat;
            m_footers << c->m_footerText + formatNumber(format, sum(c->m_field).toText());
            break;
        }
        case GridColumn::Footer::Text:
            m_footers << c->m_footerText;
            break;
        }
    }
    m_footer->update();
}

QString DataGrid::footerText(const QString& field) const
{
    for (int i = 0; i < int(m_columns.size()); ++i)
        if (m_columns[i]->m_field.compare(field, Qt::CaseInsensitive) == 0)
            return m_footers.value(i);
    return QString();
}

ResultSet DataGrid::shownResult() const
{
    ResultSet rs;
    if (!m_query)
        return rs;
    const ResultSet& all = m_query->result();
    rs.setColumns(all.columns());
    rs.reserveRows(m_rows.size());
    QStringList cells;
    for (int r : m_rows) {
        cells.clear();
        for (int c = 0; c < all.columnCount(); ++c)
            cells << all.text(r, c);
        rs.appendRow(cells);
    }
    return rs;
}

QList<QVariantList> DataGrid::exportCells(bool allRows) const
{
    QList<int> cols;
    QVariantList captions;
    for (int i = 0; i < int(m_columns.size()); ++i) {
        if (m_columns[i]->m_hidden)
            continue;
        cols << i;
        captions << m_columns[i]->m_caption;
    }
    QList<QVariantList> out{captions};
    auto cellOf = [this](int row, int col) -> QVariant {
        const GridColumn& c = *m_columns[col];
        const QString v = loaded(row, col);
        if (c.m_kind == GridColumn::Kind::Lookup)
            return c.displayText(v);
        if (c.m_kind == GridColumn::Kind::Text && isPlainNumber(v)) {
            const int fi = m_fieldIndex.value(col, -1);
            const ColumnKind k = fi < 0 ? ColumnKind::Text : m_query->result().columns().at(fi).kind;
            if (k != ColumnKind::Text && k != ColumnKind::Bit)
                return v.toDouble();
        }
        return v;
    };
    const int n = allRows ? loadedRowCount() : rowCount();
    for (int i = 0; i < n; ++i) {
        const int r = allRows ? i : m_rows.at(i);
        QVariantList row;
        for (int c : cols)
            row << cellOf(r, c);
        out << row;
    }
    if (!allRows && m_footer->isVisibleTo(this)) {
        QVariantList row;
        for (int c : cols)
            row << m_footers.value(c);
        out << row;
    }
    return out;
}
