// A list of items the user sees in one of four styles, as a file manager shows files: large
// icons, small icons, a list, or details with the column headings. The items live in a
// QTreeWidget (the details style), whose model an icon view shares: the four styles show the
// same items with one current item and one selection. A window fills and reads the tree; the
// view signals clicks and double clicks on tree items whichever style is shown, gives both views
// the window's pop-up menu, and adds the sub-menu that switches the style.
#pragma once

#include <QStackedWidget>

class QActionGroup;
class QListView;
class QMenu;
class QTreeWidget;
class QTreeWidgetItem;

class IconListView : public QStackedWidget {
    Q_OBJECT
public:
    enum class Style { LargeIcon, SmallIcon, List, Report };

    explicit IconListView(QWidget* parent = nullptr);

    // The items (and the details style).
    QTreeWidget* tree() const { return m_tree; }
    // The view of the three icon styles.
    QListView* icons() const { return m_icons; }

    Style viewStyle() const { return m_style; }
    void setViewStyle(Style style);

    // Appends to `menu` the sub-menu `title` with the check items "大图标(&W)", "小图标(&X)",
    // "列表(&Y)" and "详细资料(&Z)" (object names N_LargeIcon, N_SmallIcon, N_List, N_Report);
    // the item of the shown style is ticked.
    QMenu* addStyleMenu(QMenu* menu, const QString& title);
    // The pop-up menu of a right click on the items, in every style.
    void setPopupMenu(QMenu* menu);

signals:
    void itemClicked(QTreeWidgetItem* item);
    void itemDoubleClicked(QTreeWidgetItem* item);

private:
    QTreeWidget* m_tree;
    QListView* m_icons;
    QActionGroup* m_styleItems = nullptr;
    Style m_style = Style::Report;
};
