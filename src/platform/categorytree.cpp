#include "platform/categorytree.h"

#include "platform/msgbox.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QSet>
#include <QStyledItemDelegate>

namespace {

const int kIdRole = Qt::UserRole;
const int kRowRole = Qt::UserRole + 1;

// Draws the chosen node bold and red (without the selection's background) and hands an
// accepted in-place edit to the tree's rename handler instead of writing it into the item.
class TreeDelegate : public QStyledItemDelegate {
public:
    TreeDelegate(CategoryTree* tree, std::function<void(int, QString)> commit)
        : QStyledItemDelegate(tree), m_tree(tree), m_commit(std::move(commit))
    {
    }

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        if (index != m_tree->currentIndex())
            return;
        option->state &= ~QStyle::State_Selected;
        option->font.setBold(true);
        option->palette.setColor(QPalette::Text, Qt::red);
        option->palette.setColor(QPalette::HighlightedText, Qt::red);
    }

    void setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex& index) const override
    {
        const QString text = editor->property("text").toString();
        const int id = index.data(kIdRole).toInt();
        // After the editor has closed: the handler may re-open the query and rebuild the tree.
        QMetaObject::invokeMethod(
            m_tree, [commit = m_commit, id, text] { commit(id, text); }, Qt::QueuedConnection);
    }

private:
    CategoryTree* m_tree;
    std::function<void(int, QString)> m_commit;
};

QPixmap canvas()
{
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    return pm;
}

}  // namespace

QIcon CategoryTree::folderIcon()
{
    static const QIcon icon = [] {
        QPixmap pm = canvas();
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QColor(0x9c, 0x74, 0x10));
        p.setBrush(QColor(0xf0, 0xc0, 0x40));
        p.drawRoundedRect(QRectF(1.5, 2.5, 6, 3), 1, 1);
        p.drawRoundedRect(QRectF(1.5, 4.5, 13, 9), 1, 1);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xf8, 0xd8, 0x70));
        p.drawRect(QRectF(2.5, 6, 11, 2));
        return QIcon(pm);
    }();
    return icon;
}

QIcon CategoryTree::leafIcon()
{
    static const QIcon icon = [] {
        QPixmap pm = canvas();
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        QPainterPath leaf;
        leaf.moveTo(2.5, 13.5);
        leaf.cubicTo(2.5, 5, 8, 2, 14, 2.5);
        leaf.cubicTo(13.5, 9, 10, 13.5, 2.5, 13.5);
        p.setPen(QColor(0x2e, 0x7d, 0x32));
        p.setBrush(QColor(0x66, 0xbb, 0x6a));
        p.drawPath(leaf);
        p.drawLine(QPointF(2.5, 13.5), QPointF(11, 5));
        return QIcon(pm);
    }();
    return icon;
}

CategoryTree::CategoryTree(QWidget* parent) : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("categoryTree"));
    setHeaderHidden(true);
    setColumnCount(1);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The chosen node is marked by its bold red text alone, not by a selection band.
    QPalette pal = palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        pal.setColor(group, QPalette::Highlight, pal.color(group, QPalette::Base));
    setPalette(pal);
    setItemDelegate(new TreeDelegate(this, [this](int id, const QString& name) {
        applyRename(itemById(id), name);
    }));
    connect(this, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current) { onCurrentChanged(current); });
    connect(this, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { emit nodeClicked(idOf(item)); });
}

void CategoryTree::setQuery(NamedQuery* query, const QString& keyField, const QString& parentField,
                            const QString& textField, const QString& codeField)
{
    disconnect(m_resultConnection);
    m_query = query;
    m_keyField = keyField;
    m_parentField = parentField;
    m_textField = textField;
    m_codeField = codeField;
    if (query)
        m_resultConnection = connect(query, &NamedQuery::resultChanged, this, &CategoryTree::rebuild);
    rebuild();
}

void CategoryTree::rebuild()
{
    const int keep = currentId();
    QSet<int> expanded;
    for (QTreeWidgetItem* item : itemsInTreeOrder())
        if (item->isExpanded())
            expanded.insert(idOf(item));

    m_rebuilding = true;
    clear();
    if (m_query) {
        const ResultSet& rs = m_query->result();
        const int key = rs.columnIndex(m_keyField);
        const int parent = rs.columnIndex(m_parentField);
        const int text = rs.columnIndex(m_textField);
        QList<QTreeWidgetItem*> items;
        QHash<int, QTreeWidgetItem*> byId;
        QHash<int, int> parentOf;
        for (int r = 0; r < rs.rowCount() && key >= 0; ++r) {
            auto* item = new QTreeWidgetItem();
            const int id = rs.text(r, key).toInt();
            item->setText(0, text >= 0 ? rs.text(r, text) : QString());
            item->setData(0, kIdRole, id);
            item->setData(0, kRowRole, r);
            item->setFlags(item->flags() | Qt::ItemIsEditable);
            items << item;
            if (!byId.contains(id))
                byId.insert(id, item);
            parentOf.insert(id, parent >= 0 ? rs.text(r, parent).toInt() : 0);
        }
        // A row is nested under its parent unless the parent is missing or is the row itself
        // or one of its own descendants (a loop in the data).
        auto nestsUnder = [&](int id, int pid) {
            for (int p = pid, steps = 0; byId.contains(p) && steps <= byId.size(); p = parentOf.value(p), ++steps)
                if (p == id)
                    return false;
            return byId.contains(pid);
        };
        for (QTreeWidgetItem* item : std::as_const(items)) {
            const int id = idOf(item);
            const int pid = parentOf.value(id);
            if (byId.value(id) == item && nestsUnder(id, pid))
                byId.value(pid)->addChild(item);
            else
                addTopLevelItem(item);
        }
        for (QTreeWidgetItem* item : std::as_const(items)) {
            item->setIcon(0, isLeaf(item) ? leafIcon() : folderIcon());
            if (expanded.contains(idOf(item)))
                item->setExpanded(true);
        }
    }
    m_rebuilding = false;

    QTreeWidgetItem* current = itemById(keep);
    if (!current && m_query && m_query->currentRow() >= 0)
        current = itemById(m_query->value(m_query->currentRow(), m_keyField).toInt());
    if (current)
        setCurrentItem(current);
    else
        onCurrentChanged(nullptr);
}

int CategoryTree::rowOf(const QTreeWidgetItem* item) const
{
    return item ? item->data(0, kRowRole).toInt() : -1;
}

int CategoryTree::idOf(const QTreeWidgetItem* item) const
{
    return item ? item->data(0, kIdRole).toInt() : -1;
}

int CategoryTree::currentId() const
{
    return idOf(currentItem());
}

QString CategoryTree::currentField(const QString& field) const
{
    const int row = rowOf(currentItem());
    return row < 0 || !m_query ? QString() : m_query->value(row, field);
}

QTreeWidgetItem* CategoryTree::itemById(int id) const
{
    for (QTreeWidgetItem* item : itemsInTreeOrder())
        if (idOf(item) == id)
            return item;
    return nullptr;
}

QList<QTreeWidgetItem*> CategoryTree::itemsInTreeOrder() const
{
    QList<QTreeWidgetItem*> out;
    std::function<void(QTreeWidgetItem*)> walk = [&](QTreeWidgetItem* item) {
        out << item;
        for (int i = 0; i < item->childCount(); ++i)
            walk(item->child(i));
    };
    for (int i = 0; i < topLevelItemCount(); ++i)
        walk(topLevelItem(i));
    return out;
}

QTreeWidgetItem* CategoryTree::firstLeaf() const
{
    for (QTreeWidgetItem* item : itemsInTreeOrder())
        if (isLeaf(item))
            return item;
    return nullptr;
}

bool CategoryTree::selectById(int id)
{
    QTreeWidgetItem* item = itemById(id);
    if (!item)
        return false;
    for (QTreeWidgetItem* p = item->parent(); p; p = p->parent())
        p->setExpanded(true);
    item->setExpanded(true);
    setCurrentItem(item);
    scrollToItem(item);
    return true;
}

bool CategoryTree::selectByCode(const QString& code)
{
    if (!m_query)
        return false;
    const int col = m_query->result().columnIndex(m_codeField);
    for (QTreeWidgetItem* item : itemsInTreeOrder())
        if (col >= 0 && m_query->result().text(rowOf(item), col) == code)
            return selectById(idOf(item));
    return false;
}

bool CategoryTree::selectByText(const QString& text)
{
    for (QTreeWidgetItem* item : itemsInTreeOrder())
        if (item->text(0) == text)
            return selectById(idOf(item));
    return false;
}

void CategoryTree::onCurrentChanged(QTreeWidgetItem* current)
{
    if (m_rebuilding)
        return;
    if (m_query && current)
        m_query->setCurrentRow(rowOf(current));
    viewport()->update();
    emit currentIdChanged(idOf(current));
}

void CategoryTree::startRename()
{
    if (QTreeWidgetItem* item = currentItem())
        editItem(item, 0);
}

bool CategoryTree::renameCurrent(const QString& name)
{
    QTreeWidgetItem* item = currentItem();
    if (!item)
        return false;
    const int id = idOf(item);
    applyRename(item, name);
    item = itemById(id);
    return item && item->text(0) == name;
}

void CategoryTree::applyRename(QTreeWidgetItem* item, const QString& name)
{
    if (!item || item->text(0) == name || !m_rename)
        return;
    const int id = idOf(item);
    const int row = rowOf(item);
    QPointer<NamedQuery> query = m_query;
    bool rebuilt = false;
    const auto seen = query ? connect(query, &NamedQuery::resultChanged, this, [&rebuilt] { rebuilt = true; })
                            : QMetaObject::Connection();
    const bool ok = runGuarded([&] { m_rename(id, name); });
    disconnect(seen);
    if (!ok || rebuilt)
        return;  // refused: the old name stays; re-opened: the tree shows what was saved
    if (QTreeWidgetItem* again = itemById(id))
        again->setText(0, name);
    if (query)
        query->setLoadedValue(row, m_textField, name);
}
