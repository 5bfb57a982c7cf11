#include "bills/categorytab.h"

#include "data/datamodule.h"
#include "data/namedquery.h"
#include "platform/categorytree.h"
#include "platform/datagrid.h"

#include <QListWidget>
#include <QTabWidget>

GoodsCategoryTab::GoodsCategoryTab(NamedQuery* categories, DataGrid* goods, QWidget* parent)
    : QSplitter(parent), goods(goods), m_categories(categories)
{
    TreeView1 = new CategoryTree;
    TreeView1->setObjectName(QStringLiteral("TreeView1"));
    TreeView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TreeView1->setQuery(categories);
    ListHistory = new QListWidget;
    ListHistory->setObjectName(QStringLiteral("ListHistory"));
    PageControl2 = new QTabWidget;
    PageControl2->setObjectName(QStringLiteral("PageControl2"));
    PageControl2->addTab(TreeView1, QStringLiteral("分类列表"));
    PageControl2->addTab(ListHistory, QStringLiteral("操作历史"));
    addWidget(PageControl2);
    addWidget(goods);
    setStretchFactor(1, 1);

    connect(TreeView1, &CategoryTree::nodeClicked, this, [this] { emit categoryChosen(); });
    connect(ListHistory, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        TreeView1->selectById(item->data(Qt::UserRole).toInt());
        emit categoryChosen();
    });
    if (categories)
        connect(categories, &NamedQuery::resultChanged, this, [this] { fillHistory(); });
}

void GoodsCategoryTab::reload()
{
    openQuery(m_categories, m_categories->designSql());
    if (QTreeWidgetItem* leaf = TreeView1->firstLeaf())
        TreeView1->selectById(TreeView1->idOf(leaf));
}

QString GoodsCategoryTab::currentCode() const
{
    return TreeView1->currentCode();
}

void GoodsCategoryTab::fillHistory()
{
    ListHistory->clear();
    if (!m_categories->isOpen())
        return;
    for (int r = 0; r < m_categories->rowCount(); ++r) {
        auto* item = new QListWidgetItem(m_categories->value(r, QStringLiteral("gc_name")), ListHistory);
        item->setData(Qt::UserRole, m_categories->value(r, QStringLiteral("gc_cid")).toInt());
    }
}
