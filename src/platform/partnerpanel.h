// The partner search panel: a panel laid over the upper part of a bill's entry page, or floating
// under the partner box of a register or statement, where the operator finds and confirms a
// supplier or customer. It shows
// the partners that are not disabled and, on a second tab, the recent ones; a search box
// filters the active tab in memory (case-insensitive contains over the given fields); buttons
// add (with a drop-down: new, copy from the other side), modify, confirm and exit. The panel
// does nothing by itself beyond its lists and filter: the bill window opens the add, copy and
// modify dialogs on its signals and decides what a confirmed partner changes.
//
// The bill window routes its keys to the panel first while it is shown (keyPress): F2 filters
// again, F5 confirms, F8 adds, F9 modifies, Esc hides the panel.
#pragma once

#include <QFrame>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

class DataGrid;
class NamedQuery;
class QKeyEvent;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QToolButton;

class PartnerPanel : public QFrame {
    Q_OBJECT
public:
    struct Config {
        QString codeField;                       // "ghs_sn" / "kh_sn"
        QString nameField;                       // "ghs_name" / "kh_name"
        QList<QPair<QString, QString>> columns;  // field and caption of each grid column
        QStringList searchFields;                // fields the search box filters on

        NamedQuery* all = nullptr;               // e.g. Q_Ghsxx
        QString allSql;                          // the statement `all` is opened with
        QString allCaption;                      // "全部供货商信息"
        NamedQuery* recent = nullptr;            // e.g. Q_GhsxxLs; nullptr: no second tab
        QString recentSql;
        QString recentCaption;                   // "最近往来供货商"

        QString keyCaption;                      // "查找供货商(F2)："
        QString keyHint;                         // "输入编号,名称,拼音简码,联系电话,联系地址进行查询"
        QString addCaption;                      // "添加供货商(F8)"; empty: no add button
        QString addNewCaption;                   // "新增加供货商(&Y)"
        QString addCopyCaption;                  // "从客户资料中复制(&Z)"; empty: no copy item
        bool canModify = true;                   // "修改(F9)"; false: no modify button, F9 unused
    };

    explicit PartnerPanel(const Config& config, QWidget* parent = nullptr);

    // Opens (or reopens) both lists with their statements; the search text stays applied.
    void reload();
    // Shows the panel over its parent and filters the active tab by `text` (trimmed).
    void showFiltered(const QString& text);
    // Filters the active tab by the trimmed text (an empty text shows every row).
    void filter(const QString& text);

    // Code and name of the current row of the active tab; empty when it has no row.
    QString currentCode() const;
    QString currentName() const;

    // Handles F2, F5, F8, F9 and Esc while the panel is shown; true when the key was used.
    bool keyPress(QKeyEvent* event);

    // Controls the tests drive (object names: tabPartner, gridAll, gridRecent, tkey, btnAdd,
    // btnModi, btnOK, btnExit).
    QTabWidget* tabs = nullptr;
    DataGrid* gridAll = nullptr;
    DataGrid* gridRecent = nullptr;
    QLineEdit* tkey = nullptr;
    QToolButton* btnAdd = nullptr;
    QPushButton* btnModi = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnExit = nullptr;

signals:
    // "确定(F5)" or a double click on a row of the active tab that has rows; the panel hides.
    void chosen(const QString& code, const QString& name);
    // "新增加…(&Y)" (also F8) and "从…资料中复制(&Z)": the window opens the dialog and then
    // calls reload().
    void addRequested();
    void copyRequested();
    // "修改(F9)" when the all-partners list has rows: the window opens the modify dialog on the
    // current row of `all` and then calls reload().
    void modifyRequested();

private:
    DataGrid* activeGrid() const;
    void confirm();
    void modify();

    Config m_config;
};
