// The shared pieces of the query and statistics windows: a period of two dates with the quick
// date presets, the warehouse and operator filters a search dialog leaves, list printing with
// the period as the report variables date1 and date2, and right-click menus on grids. A window
// lays them out itself and keeps its statements as functions on plain values.
#pragma once

#include "bills/billparts.h"

#include "platform/reportlist.h"

#include <QFrame>
#include <QList>
#include <QString>
#include <functional>
#include <utility>

class CategoryTree;
class DataGrid;
class NamedQuery;
class QPushButton;
class QAction;
class QBoxLayout;
class QChart;
class QRadioButton;
struct ChartData;
class QDateEdit;
class QMenu;
class QObject;
class QToolButton;
class QWidget;
class ResultSet;

// A text the program made itself (a date, a code chosen from a list) as the inside of an SQL
// literal: apostrophes doubled. Typed search text goes through sqlSafe instead.
QString sqlLit(const QString& text);

// "(c1 like '%key%' escape '\' or c2 like …)": the typed text through sqlSafe, its "_" and "\"
// matched literally; "" for an empty (trimmed) text.
QString likeAnyOf(std::initializer_list<const char*> columns, const QString& typed);

// Two date boxes ("yyyy-MM-dd", named date1<suffix>/date2<suffix>; plain date1/date2 for the
// suffix "1") and the button of the quick date presets (btnDate<suffix>), each preset running
// `search`.
struct QueryPeriod {
    QDateEdit* date1 = nullptr;
    QDateEdit* date2 = nullptr;
    QToolButton* button = nullptr;

    QString d1() const;
    QString d2() const;
    // From the first day of the previous month (or of this month) to the clock's today.
    void fromPreviousMonth();
    void fromThisMonth();
    void set(const QString& from, const QString& to);
};
QueryPeriod makeQueryPeriod(std::function<void()> search, const QString& suffix = QStringLiteral("1"));
// Adds "<label> [date1] 至 [date2] [▼]" to a row.
void addQueryPeriod(QBoxLayout* row, const QString& label, const QueryPeriod& period);

// The warehouse and operator a search dialog left; "-1" and "所有操作员" mean none.
struct QueryExtraFilters {
    QString ckSn;
    QString opName;
    void clear();
    void set(const QString& warehouseCode, const QString& operatorName);
    // " and <prefix>ck_sn='…'" and " and <prefix>a_name='…'" for the filters in force.
    QString sql(const QString& prefix = QString()) const;
};

// A column of a list print: text, or a right-aligned number ("0.00" for money) summed in the footer.
ReportListColumn listColumn(const char* caption, const char* field, double width);
ReportListColumn listNumber(const char* caption, const char* field, double width, bool money, bool summed = true);
// The "序号" column: each row's number, 1 first, centred.
ReportListColumn listRowNumber(double width = 10);

// A report variable of a list print: its name and the text it prints (quoted when set).
using ListVariable = std::pair<QString, QString>;

// Previews the list report of `spec` over `rows`, with each variable set to its text in quotes.
void previewListRows(const ReportListSpec& spec, const ResultSet& rows, const QList<ListVariable>& variables,
                     QWidget* parent);
// The same over the rows the grid shows.
void previewGridList(const ReportListSpec& spec, const DataGrid* grid, const QList<ListVariable>& variables,
                     QWidget* parent);
// Previews the list report of `spec` over the rows the grid shows, with date1 and date2 set to
// the period's dates in quotes.
void previewQueryList(const ReportListSpec& spec, const DataGrid* grid, const QueryPeriod& period, QWidget* parent);
// The same over rows the window prepared (sorted for the print, say).
void previewQueryList(const ReportListSpec& spec, const ResultSet& rows, const QueryPeriod& period, QWidget* parent);

// addMenuItem (a named menu item running guarded) comes from bills/billparts.h.
// Shows `menu` on a right click in the grid.
void attachGridMenu(DataGrid* grid, QMenu* menu);

// The chart page of a statistics window: "柱状显示" (the default) and "饼状显示" over one chart;
// clicking either runs `redraw`.
struct BarPieChart {
    QWidget* page = nullptr;
    QRadioButton* rbBar = nullptr;
    QRadioButton* rbPie = nullptr;
    QChart* chart = nullptr;

    // Bars marked with their values and the left axis titled, or a pie marked with label and
    // percent; no legend either way.
    void draw(const ChartData& data, const QString& title, const QString& axisTitle) const;
};
BarPieChart makeBarPieChart(std::function<void()> redraw);

// Opens a category tree's query, opens the branch down to its first leaf and chooses the root.
void reloadCategoryTree(CategoryTree* tree);

// The category panel laid over a statistics window: the category tree with "确定" and "退出";
// a double click is "确定". It signals the chosen category's code and name and hides.
class CategoryPanel : public QFrame {
    Q_OBJECT
public:
    CategoryPanel(NamedQuery* categories, QWidget* parent);
    // Opens the tree, chooses the first leaf and then the root.
    void reload();
    // Shows the panel over its parent.
    void popUp();
    void confirm();

    CategoryTree* tree = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnExit = nullptr;

signals:
    // The code is empty for the root ("所有类别": no category test).
    void chosen(const QString& code, const QString& name);
};
