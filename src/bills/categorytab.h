// The tab "商品列表" of a goods list: the category tree ("分类列表") and the flat list of the same
// categories ("操作历史") beside a list of the goods of the chosen category. A click in either
// signals categoryChosen; the owner reloads its goods list for currentCode().
#pragma once

#include <QSplitter>
#include <QString>

class CategoryTree;
class DataGrid;
class NamedQuery;
class QListWidget;
class QTabWidget;

class GoodsCategoryTab : public QSplitter {
    Q_OBJECT
public:
    // `goods` is the owner's list of the chosen category's goods, laid out on the right.
    GoodsCategoryTab(NamedQuery* categories, DataGrid* goods, QWidget* parent = nullptr);

    // Opens the categories and chooses the first leaf of the tree.
    void reload();
    // Code of the category chosen in the tree.
    QString currentCode() const;

    QTabWidget* PageControl2 = nullptr;
    CategoryTree* TreeView1 = nullptr;
    QListWidget* ListHistory = nullptr;
    DataGrid* goods = nullptr;

signals:
    void categoryChosen();

private:
    void fillHistory();

    NamedQuery* m_categories = nullptr;
};
