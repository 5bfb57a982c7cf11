// Pieces shared by the stock document windows (transfer, loss and overflow): their grids, the
// line menu of the entry page, the history's list with the detail of its current row, and the
// filter dialogs' "all" entries.
#pragma once

#include <QString>
#include <functional>

class CodeComboBox;
class DataGrid;
class NamedQuery;
class QLabel;
class QMenu;
class QWidget;

// A grid named `name` bound to `query`.
DataGrid* docGrid(const char* name, NamedQuery* query);

// The commands of the line menu of an entry page.
struct DocLineMenu {
    std::function<void()> add, modify, remove, print, preview;
    std::function<bool()> hasLines;  // modify, delete and print are enabled only while it holds
};
// "增加商品(&W)", "修改商品(&X)", "删除商品(&Y)" and "打印单据(&Z)" with its two entries, on `grid`.
QMenu* addDocLineMenu(QWidget* window, DataGrid* grid, const DocLineMenu& commands);

// The upper list, a caption with `label` (the current row's number or name), the lower list.
QWidget* listWithDetail(DataGrid* upper, DataGrid* lower, const QString& caption, QLabel* label);

// The code chosen in a filter dialog's combo; "" for its "all" entry (code "-1").
QString filterCode(const CodeComboBox* combo);
