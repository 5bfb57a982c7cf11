// "商品信息管理": the goods catalogue. The category tree on the left, the goods of the chosen
// category on the right, and the commands that add, modify, delete, disable, export, import and
// print goods and open the other goods windows.
#pragma once

#include "platform/form.h"

class CategoryTree;
class DataGrid;
class NamedQuery;
class QAction;
class QCheckBox;
class QLineEdit;
class QMenu;
class QPushButton;
class QToolButton;
class ReportTemplate;

// ---- Catalogue changes, each written whole or not at all -------------------------------------

// The refusals of the deletions.
inline constexpr char16_t kGoodsInBusiness[] = u"该商品已发生过业务，不能删除！";
inline constexpr char16_t kGoodsClassHasGoods[] = u"该类别下有商品信息，不能删除！";

// True when goods with this code were ever on a purchase receipt line or a sales line, or have a
// warehouse stock row.
bool goodsInBusiness(const QString& gSn);
// Deletes the goods with its size-colour stock and variant barcodes. Refuses goods in business:
// returns kGoodsInBusiness and writes nothing; "" when deleted.
QString deleteGoods(const QString& gSn);

// True when goods of the category with this code, or of a category below it, exist.
bool goodsClassHasGoods(const QString& gcSn);
// Adds the category "新类别" under the category `parentCid`, with the next node id, its code
// and the short code of its name; returns its node id.
int addGoodsClass(NamedQuery& categories, int parentCid);
// Deletes the category with node id `gcCid` and every category below it. Refuses a category
// with goods (returns kGoodsClassHasGoods and writes nothing); the root is never deleted.
// "" otherwise.
QString deleteGoodsClass(int gcCid);

// ---- The category tree beside a goods grid (also the price adjustment's) ---------------------

// The name of the first category below the root whose short code or name begins with `typed`
// ("" when none).
QString goodsClassStartingWith(const QString& typed);
// Shows in `grid` the goods of the category node `gcCid` of `tree` and of the categories below
// it; the root shows every goods item.
void filterGoodsByCategory(DataGrid* grid, CategoryTree* tree, int gcCid);

// ---- The window --------------------------------------------------------------------------------

class TF_Spxxgl : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Spxxgl(QWidget* parent = nullptr);

    // Category side
    QLineEdit* tClassName = nullptr;
    QPushButton* btnClassFind = nullptr;
    CategoryTree* TreeView1 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* N_CreateClass = nullptr;
    QAction* N_RenameClass = nullptr;
    QAction* N_DeleteClass = nullptr;

    // Goods side
    QToolButton* btnAdd = nullptr;
    QToolButton* btnModi = nullptr;
    QToolButton* btnDel = nullptr;
    QToolButton* btnExport = nullptr;
    QToolButton* btnImport = nullptr;
    QToolButton* btnTm = nullptr;
    QToolButton* btnPrint = nullptr;
    QToolButton* btnExit = nullptr;
    QLineEdit* tKey = nullptr;
    QPushButton* btnFind = nullptr;
    QCheckBox* chkJy = nullptr;
    DataGrid* cxGrid1 = nullptr;
    QMenu* PopupMenu2 = nullptr;
    QAction* N_Add = nullptr;
    QAction* N_Modi = nullptr;
    QAction* N_Del = nullptr;
    QAction* N_Jy = nullptr;
    QAction* N_JmModi = nullptr;
    QAction* N_ShowClass = nullptr;
    QAction* N_PrintSelLabel = nullptr;
    QAction* N_PrintAllLabels = nullptr;
    QAction* N_PrintList = nullptr;

    // Handlers
    void tClassNameEdited(const QString& text);
    void btnClassFindClick();
    void TreeView1Click(int gcCid);
    void N_CreateClassClick();
    void N_RenameClassClick();
    void N_DeleteClassClick();
    void btnAddClick();
    void btnModiClick();
    void btnDelClick();
    void btnExportClick();
    void btnImportClick();
    void btnTmClick();
    void btnPrintClick();
    void tKeyChanged();
    void chkJyClick();
    void N_JyClick(bool checked);
    void N_JmModiClick();
    void N_ShowClassClick();
    void printLabels(bool all);
    // Sets the checks of the goods menu as it opens ("禁用(&U)" shows the focused goods' flag).
    void PopupMenu2Popup();

    // The layouts of the goods list printout and of the price labels.
    static ReportTemplate goodsListLayout();
    static ReportTemplate priceLabelLayout();

protected:
    void FormActivate() override;
    bool FormKeyDown(QKeyEvent* event) override;
    void FormClose() override;

private:
    // Loads the goods: all of them, or the enabled ones.
    void openGoods(bool withDisabled);
    bool hasRows() const;
    QString focused(const QString& field) const;
};

extern TF_Spxxgl* F_Spxxgl;
