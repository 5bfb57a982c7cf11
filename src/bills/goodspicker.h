// The goods pickers of the bill windows: the operator finds goods, enters each one's price and
// quantities per size and colour into a scratch list, and hands the whole list to the bill in
// one step.
//
// TF_GoodsPicker is the window every bill's picker derives from. Left: the key box (typed key
// filter; it filters the loaded rows of the shown goods list by name, short code, code and
// style text `gg_name`, ignoring case), the list of all goods and, on the second tab, the goods of
// the category chosen in the tree or in the flat list of categories. Right: the picked goods,
// the rows of the scratch list (`jxc_tempspxf` / `jxc_tempspxfmx`). F8 adds the current goods
// through the line dialog, F9 modifies the current picked row, Del deletes it (also while the
// key box has the focus), F5 hands the list to the bill and closes, Esc closes; closing with
// picked rows asks whether to hand them over. A derived picker gives its texts and columns,
// the queries of its lists, its line dialog and mode words, its stock check, the way it
// creates new goods and where its list goes.
//
// A picker may add a third tab, "最近商品": the goods of the last 20 purchase or sales
// movements (two radio buttons) that have a stock row in the bill's warehouse, each with the
// date of its latest such movement. It may also offer, in the goods lists' menu, the hand-off
// of the current goods to the bundle window ("拆分(&Y)", "捆绑(&Z)"), so that a bundle is made
// on the spot from goods in stock.
#pragma once

#include "platform/form.h"

#include <QString>
#include <QVector>

class CategoryTree;
class GoodsCategoryTab;
class DataGrid;
class QHBoxLayout;
class NamedQuery;
class QAction;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QRadioButton;
class QTabWidget;
class TF_LineDialog;
struct ScratchTransfer;

// The bill a picker hands its list to, set by the caller before it opens the picker.
struct GoodsPickerTarget {
    QString number;     // the bill's (provisional) number
    QString warehouse;  // the bill's warehouse code
};
extern GoodsPickerTarget goodsPickerTarget;

class TF_GoodsPicker : public TF_Form {
    Q_OBJECT
public:
    // A column of a goods list or of the picked list.
    struct Column {
        QString field;
        QString caption;
        int width = 80;
        QString format;
    };
    struct Texts {
        QString caption;                // "增加商品(采购进货)"
        bool newGoods = false;          // the step lines, "添加新商品" and its menu item
        QString keyLabel;               // "输入商品编号或名称查询："
        QString addHint;                // hint of "加入所选商品"
        QVector<Column> goodsColumns;   // both goods lists
        QString allFooter;              // under the code column of the first list: "合计："
        QString categoryFooter;         // the same of the second list: "合计数量"
        QVector<Column> pickedColumns;  // the picked list; "ts_sl" and "ts_zje" are summed
        QString frequencyItem;          // "按进货频率排序(&X)"; empty: the goods lists have no menu
        QVector<Column> recentColumns{};  // the tab "最近商品"; empty: no such tab
        QString recentFooter{};           // under its code column: "合计："
        bool bundleMenu = false;          // "拆分捆绑商品(&Z)" in the goods lists' menu
        bool clearScratchOnOpen = false;  // every visit starts with empty scratch tables
        QString closePrompt = QStringLiteral("当前单据还未保存，是否保存？");
    };
    // The data module's queries the picker drives.
    struct Queries {
        NamedQuery* allGoods;       // first tab
        NamedQuery* categoryGoods;  // second tab
        NamedQuery* categories;     // the tree and the flat list
        NamedQuery* picked;         // the scratch list
        NamedQuery* recentGoods = nullptr;  // third tab, when the picker has it
    };
    // Where "确定" writes the scratch list; no transfer: nothing is written.
    struct Transfer {
        const ScratchTransfer* transfer = nullptr;
        QString number;
    };

    // ---- Commands --------------------------------------------------------------------
    void btnAddClick();      // "加入所选商品", F8, double click on a goods row, "选中此商品(&V)"
    void btnModiClick();     // "修改(F9)", F9, double click on a picked row, "修改(&X)"
    void btnDelClick();      // "删除(Del)", Del, "删除(&Y)"
    void btnDelAllClick();   // "删除全部(&Z)"
    void btnNewGoodsClick(); // "添加新商品", "添加新商品(&W)"
    void btnOKClick();       // "确定(F5)": the transfer, then close
    void setByFrequency(bool on);  // "按...频率排序(&X)"
    // "拆分(&Y)" ("cf") and "捆绑(&Z)" ("kb"): hand the current goods of the shown list, the
    // mode word and the bill's warehouse name to the bundle window; the globals are cleared when
    // it closes.
    void handToBundle(const QString& mode);
    bool byFrequency() const { return m_byFrequency; }

    // Hands the scratch list to the bill (transferTarget) and empties it.
    void transfer();

    // Controls the tests drive.
    QLineEdit* tKey = nullptr;
    QTabWidget* PageControl1 = nullptr;
    QTabWidget* PageControl2 = nullptr;
    DataGrid* DBGridGoods = nullptr;
    DataGrid* DBGridGoods2 = nullptr;
    DataGrid* DBGridSele = nullptr;
    CategoryTree* TreeView1 = nullptr;
    QListWidget* ListHistory = nullptr;
    QPushButton* btnNewGoods = nullptr;
    QMenu* PopupMenuGoods = nullptr;
    QMenu* PopupMenuSele = nullptr;
    QAction* N_Frequency = nullptr;
    DataGrid* DBGridRecent = nullptr;          // tab "最近商品"
    QRadioButton* RadioButtonJh = nullptr;     // "最近进货商品"
    QRadioButton* RadioButtonXs = nullptr;     // "最近销售商品"

protected:
    TF_GoodsPicker(const Texts& texts, const Queries& queries, QWidget* parent = nullptr);

    // The text of each goods list, by the frequency order (else by code).
    virtual QString allGoodsSql(bool byFrequency) const = 0;
    virtual QString categoryGoodsSql(const QString& gcSn, bool byFrequency) const = 0;
    // The line dialog and its mode words.
    virtual TF_LineDialog* lineDialog() = 0;
    virtual QString addMode() const = 0;
    virtual QString modifyMode() const = 0;
    // A refusal of the current goods row of `grid` (its query row), shown instead of opening
    // the line dialog; empty: it may be picked.
    virtual QString pickRefusal(const DataGrid& grid, int row) const;
    // Where the list goes, read when the transfer runs.
    virtual Transfer transferTarget() const = 0;
    // Opens the new-goods dialog (pickers that offer "添加新商品"); it leaves the new goods'
    // code in `curGoodsSn` when one was saved.
    virtual void openNewGoodsDialog() {}
    // The picked list's text: the operator's scratch rows.
    virtual QString pickedSql() const;
    // The recent list's text: the goods of the last 20 purchase (or sales) journal rows with a
    // stock row in the bill's warehouse, with their latest date `gl_kdrq`, total stock `g_kc`
    // and the warehouse's `kc_sl`, most purchased (most sold) first.
    virtual QString recentGoodsSql(bool sales) const;
    // Opens the bundle window; the globals it reads are set.
    virtual void openBundleWindow() {}
    // The warehouse name handed to the bundle window: the bill's warehouse.
    virtual QString bundleWarehouseName() const;

    void FormActivate() override;
    bool FormKeyDown(QKeyEvent* event) override;
    bool FormCloseQuery() override;
    void FormClose() override;

    // The goods list of the shown tab.
    DataGrid* shownGoods() const;
    // Reloads the goods list of the shown tab (a picker whose lists depend on more than the key).
    void reloadShownGoods();
    // The row of the key box, where a picker adds controls of its own.
    QHBoxLayout* keyRow() const { return m_keyRow; }
    bool recentShown() const;
    // A text as an SQL string literal (codes and names in the lists' texts).
    static QString quoted(const QString& text);

private:
    void openLineDialog(const QString& goods, const QString& mode, qint64 rowId);
    void reloadCategoryGoods();
    void reloadRecent();
    void reloadPicked(bool toLast);
    void applyKey();

    Texts m_texts;
    Queries m_queries;
    bool m_byFrequency = true;
    QHBoxLayout* m_keyRow = nullptr;
    GoodsCategoryTab* m_categoryTab = nullptr;
};
