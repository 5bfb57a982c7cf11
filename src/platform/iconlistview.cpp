#include "platform/iconlistview.h"

#include <QAction>
#include <QActionGroup>
#include <QListView>
#include <QMenu>
#include <QTreeWidget>

namespace {

struct StyleItem {
    IconListView::Style style;
    const char* name;
    const char* text;
};
constexpr StyleItem kStyleItems[] = {
    {IconListView::Style::LargeIcon, "N_LargeIcon", "大图标(&W)"},
    {IconListView::Style::SmallIcon, "N_SmallIcon", "小图标(&X)"},
    {IconListView::Style::List, "N_List", "列表(&Y)"},
    {IconListView::Style::Report, "N_Report", "详细资料(&Z)"},
};

}  // namespace

IconListView::IconListView(QWidget* parent) : QStackedWidget(parent), m_tree(new QTreeWidget), m_icons(new QListView)
{
    m_tree->setRootIsDecorated(false);
    m_icons->setModel(m_tree->model());
    m_icons->setSelectionModel(m_tree->selectionModel());
    m_icons->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_icons->setMovement(QListView::Static);
    m_icons->setResizeMode(QListView::Adjust);
    m_icons->setWrapping(true);
    m_icons->setUniformItemSizes(true);
    addWidget(m_tree);
    addWidget(m_icons);

    connect(m_tree, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) { emit itemClicked(item); });
    connect(m_tree, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) { emit itemDoubleClicked(item); });
    connect(m_icons, &QListView::clicked, this, [this](const QModelIndex& index) {
        if (QTreeWidgetItem* item = m_tree->itemFromIndex(index))
            emit itemClicked(item);
    });
    connect(m_icons, &QListView::doubleClicked, this, [this](const QModelIndex& index) {
        if (QTreeWidgetItem* item = m_tree->itemFromIndex(index))
            emit itemDoubleClicked(item);
    });
}

void IconListView::setViewStyle(Style style)
{
    m_style = style;
    if (style == Style::Report) {
        setCurrentWidget(m_tree);
    } else {
        const bool large = style == Style::LargeIcon;
        m_icons->setViewMode(large ? QListView::IconMode : QListView::ListMode);
        // Small icons run across and wrap to the next row; a list runs down and wraps to the
        // next column.
        m_icons->setFlow(style == Style::List ? QListView::TopToBottom : QListView::LeftToRight);
        m_icons->setWrapping(true);
        m_icons->setIconSize(large ? QSize(32, 32) : QSize(16, 16));
        m_icons->setGridSize(large ? QSize(96, 64) : QSize());
        m_icons->setWordWrap(large);
        m_icons->setMovement(QListView::Static);
        setCurrentWidget(m_icons);
    }
    if (m_styleItems)
        for (QAction* item : m_styleItems->actions())
            item->setChecked(item->data().toInt() == int(style));
}

QMenu* IconListView::addStyleMenu(QMenu* menu, const QString& title)
{
    QMenu* styles = menu->addMenu(title);
    m_styleItems = new QActionGroup(styles);
    for (const StyleItem& s : kStyleItems) {
        QAction* item = styles->addAction(QString::fromUtf8(s.text));
        item->setObjectName(QLatin1String(s.name));
        item->setCheckable(true);
        item->setChecked(s.style == m_style);
        item->setData(int(s.style));
        m_styleItems->addAction(item);
        connect(item, &QAction::triggered, this, [this, style = s.style] { setViewStyle(style); });
    }
    return styles;
}

void IconListView::setPopupMenu(QMenu* menu)
{
    for (QAbstractItemView* view : {static_cast<QAbstractItemView*>(m_tree), static_cast<QAbstractItemView*>(m_icons)}) {
        view->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(view, &QWidget::customContextMenuRequested, menu,
                [view, menu](const QPoint& at) { menu->popup(view->viewport()->mapToGlobal(at)); });
    }
}
