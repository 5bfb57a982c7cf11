// The category tree: the rows of a named query over `jxc_goodsclass` shown as a tree.
//
// Each row is one node: its node id `gc_cid`, nested under the node whose id is its `gc_pid`
// (a row whose parent is not among the rows is a top node), in the query's order; its text is
// `gc_name`. Nodes without children carry the leaf picture, the others the folder picture; the
// chosen node is drawn bold and red. Re-opening the query rebuilds the tree (keeping the
// chosen node when it is still there); choosing a node moves the query's current row to it.
// A node's name can be edited in place: the window's rename handler saves it.
#pragma once

#include "data/namedquery.h"

#include <QPointer>
#include <QTreeWidget>
#include <functional>

class CategoryTree : public QTreeWidget {
    Q_OBJECT
public:
    explicit CategoryTree(QWidget* parent = nullptr);

    // Binds the tree to a query; the field names default to the category table's.
    void setQuery(NamedQuery* query, const QString& keyField = QStringLiteral("gc_cid"),
                  const QString& parentField = QStringLiteral("gc_pid"),
                  const QString& textField = QStringLiteral("gc_name"),
                  const QString& codeField = QStringLiteral("gc_sn"));
    NamedQuery* query() const { return m_query; }

    // ---- The chosen node ---------------------------------------------------------------
    // Node id of the chosen node; -1 when none.
    int currentId() const;
    // A field of the chosen node's row ("" when none is chosen).
    QString currentField(const QString& field) const;
    QString currentCode() const { return currentField(m_codeField); }
    QString currentName() const { return currentField(m_textField); }
    // Query row of a node.
    int rowOf(const QTreeWidgetItem* item) const;
    int idOf(const QTreeWidgetItem* item) const;
    QTreeWidgetItem* itemById(int id) const;

    // ---- Choosing ----------------------------------------------------------------------
    // Chooses a node, opening its ancestors and the node itself; false when there is none.
    bool selectById(int id);
    bool selectByCode(const QString& code);
    // The first node in tree order whose text equals `text`.
    bool selectByText(const QString& text);

    // ---- Walking -----------------------------------------------------------------------
    // Every node in tree order (a node, then its children, depth first).
    QList<QTreeWidgetItem*> itemsInTreeOrder() const;
    // The first node without children, in tree order; nullptr when the tree is empty.
    QTreeWidgetItem* firstLeaf() const;
    bool isLeaf(const QTreeWidgetItem* item) const { return item && item->childCount() == 0; }

    // ---- Renaming ----------------------------------------------------------------------
    // Saves a new name: node id and name; throws to refuse (the old name stays).
    using RenameHandler = std::function<void(int id, const QString& name)>;
    void setRenameHandler(RenameHandler handler) { m_rename = std::move(handler); }
    // Opens the in-place editor on the chosen node.
    void startRename();
    // Renames the chosen node as an accepted edit does; true when the node now shows `name`
    // (false when refused, nothing is chosen, or the handler saved another name).
    bool renameCurrent(const QString& name);

    // The two pictures, drawn by the program.
    static QIcon folderIcon();
    static QIcon leafIcon();

signals:
    // The chosen node changed (node id, -1 when none).
    void currentIdChanged(int id);
    // A node was clicked (also when it was already chosen).
    void nodeClicked(int id);

private:
    void rebuild();
    void applyRename(QTreeWidgetItem* item, const QString& name);
    void onCurrentChanged(QTreeWidgetItem* current);

    QPointer<NamedQuery> m_query;
    QString m_keyField, m_parentField, m_textField, m_codeField;
    RenameHandler m_rename;
    bool m_rebuilding = false;
    QMetaObject::Connection m_resultConnection;
};
