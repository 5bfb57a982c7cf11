#include "stock/stockdocs.h"

#include "bills/billparts.h"
#include "platform/codecombo.h"
#include "platform/datagrid.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QVBoxLayout>

DataGrid* docGrid(const char* name, NamedQuery* query)
{
    auto* g = new DataGrid;
    g->setObjectName(QLatin1String(name));
    g->setQuery(query);
    return g;
}

QMenu* addDocLineMenu(QWidget* window, DataGrid* grid, const DocLineMenu& c)
{
    auto* menu = new QMenu(window);
    menu->setObjectName(QStringLiteral("PopupMenu1"));
    addMenuItem(menu, QStringLiteral("增加商品(&W)"), "actAdd", window, c.add);
    QAction* actModi = addMenuItem(menu, QStringLiteral("修改商品(&X)"), "actModi", window, c.modify);
    QAction* actDel = addMenuItem(menu, QStringLiteral("删除商品(&Y)"), "actDel", window, c.remove);
    QMenu* menuPrint = menu->addMenu(QStringLiteral("打印单据(&Z)"));
    addMenuItem(menuPrint, QStringLiteral("打印单据(&Y)"), "actPrint2", window, c.print);
    addMenuItem(menuPrint, QStringLiteral("预览单据(&Z)"), "actPreview2", window, c.preview);
    QObject::connect(menu, &QMenu::aboutToShow, window, [actModi, actDel, menuPrint, hasLines = c.hasLines] {
        for (QAction* a : {actModi, actDel, menuPrint->menuAction()})
            a->setEnabled(hasLines());
    });
    setGridMenu(grid, menu);
    return menu;
}

QWidget* listWithDetail(DataGrid* upper, DataGrid* lower, const QString& caption, QLabel* label)
{
    auto* w = new QWidget;
    auto* layout = new QVBoxLayout(w);
    layout->addWidget(upper, 3);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(caption));
    row->addWidget(label, 1);
    layout->addLayout(row);
    layout->addWidget(lower, 2);
    return w;
}

QString filterCode(const CodeComboBox* combo)
{
    const QString code = combo->currentCode();
    return code == QLatin1String("-1") ? QString() : code;
}
