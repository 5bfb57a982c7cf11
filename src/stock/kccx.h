// "当前库存查询" / "库存商品变动查询": the stock of every goods over all warehouses or in one, with
// average cost and values; the period's movements per goods; a browser of the catalogue; and the
// size-colour stock rows. From its list the operator opens the ledger and the size × colour
// stock of one goods, the reference lists and the average-cost dialog.
#pragma once

#include "platform/form.h"

#include <QDate>

class CategoryPanel;
class CategoryTree;
class CodeComboBox;
class DataGrid;
class QAction;
class QCheckBox;
class QDateEdit;
class QLineEdit;
class QMenu;
class QPushButton;
class QTabWidget;
class QToolButton;
class ReportTemplate;

// ---- The statements, on plain values -------------------------------------------------------

// The stock list: every goods with a warehouse-stock row, over all warehouses (ckSn empty) or in
// one. Over all warehouses the average cost is the stock-weighted mean of the warehouses' costs
// (the preset purchase price when the total is 0 or less); in one warehouse its stored cost.
struct StockFilter {
    QString ckSn;        // "" for all warehouses
    QString gcSn;        // category code, matched as a prefix; "" for all
    QString key;         // typed text, contained in code, short code, name or style text
    bool hideZero = false;
    bool showDisabled = false;
};
QString stockQuerySql(const StockFilter& filter);

// The search dialog's list: goods supplied by a supplier (code prefix; "" for all), in one
// warehouse or all, with an optional stock comparison (op one of = >= <= <>; "" for none).
QString stockSearchSql(const QString& ckSn, const QString& ghsSn, const QString& op, qint64 qty);

// Purchases, purchase returns, sales and customer returns of every enabled goods in a period
// (both days included), with zeros where a goods had none.
QString movementSql(const QDate& from, const QDate& to, const QString& text);

// Size-colour stock rows; warehouse, colour and size by equal code, category by code prefix.
struct StockDetailFilter {
    QString ckSn, colorSn, cmSn, gcSn, text;
    bool hideZero = false;
};
QString stockDetailSql(const StockDetailFilter& filter);

// Sets the average cost of one goods in one warehouse.
void setStockCost(const QString& gSn, const QString& ckSn, double cost);

// The layout of "report/kcspmxb.fr3", the printout of the size-colour list.
ReportTemplate kcspmxbLayout();

// ---- The window ----------------------------------------------------------------------------

class TF_Kccx : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Kccx(QWidget* parent = nullptr);

    QTabWidget* PageControl1 = nullptr;

    // Tab 1: stock
    QToolButton* btnFind = nullptr;
    QToolButton* btnAll = nullptr;
    QToolButton* btnDetail = nullptr;
    QToolButton* btnPrint = nullptr;
    QToolButton* btnJh = nullptr;
    QToolButton* btnTh = nullptr;
    QToolButton* btnExport = nullptr;
    QToolButton* btnJj = nullptr;
    QToolButton* btnExit = nullptr;
    CodeComboBox* comCk = nullptr;
    QLineEdit* tsplb = nullptr;
    QLineEdit* tkey = nullptr;
    QPushButton* btnQuery = nullptr;
    QCheckBox* chk0 = nullptr;
    QCheckBox* chkJy = nullptr;
    DataGrid* cxGrid1 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* N_Detail = nullptr;
    QAction* N_Export = nullptr;
    QAction* N_CopyName = nullptr;
    QAction* N_CopySn = nullptr;
    QAction* N_AddJh = nullptr;
    QAction* N_AddTh = nullptr;
    QAction* N_AddAlarm = nullptr;

    // Category panel, opened from the category boxes of tabs 1 and 4; the category it confirmed
    // filters both tabs and both boxes show it.
    CategoryPanel* PanelClass = nullptr;

    // Tab 2: movement summary
    QToolButton* btnDetail2 = nullptr;
    QToolButton* btnPrint2 = nullptr;
    QToolButton* btnExport2 = nullptr;
    QToolButton* btnExit2 = nullptr;
    QDateEdit* date1 = nullptr;
    QDateEdit* date2 = nullptr;
    QToolButton* btnDates = nullptr;
    QLineEdit* tkey2 = nullptr;
    QPushButton* btnQuery2 = nullptr;
    DataGrid* cxGrid2 = nullptr;

    // Tab 3: goods browser
    QLineEdit* tClassName = nullptr;
    QTabWidget* PageClass = nullptr;
    CategoryTree* TreeView2 = nullptr;
    DataGrid* cxGridClass = nullptr;
    QLineEdit* tkey3 = nullptr;
    QCheckBox* chkJy3 = nullptr;
    DataGrid* cxGrid3 = nullptr;

    // Tab 4: size-colour list
    QToolButton* btnPrint4 = nullptr;
    QToolButton* btnExport4 = nullptr;
    QToolButton* btnExit4 = nullptr;
    QLineEdit* tkey4 = nullptr;
    QLineEdit* tsplb4 = nullptr;
    CodeComboBox* comCk4 = nullptr;
    CodeComboBox* comColor = nullptr;
    CodeComboBox* comCm = nullptr;
    QCheckBox* chk04 = nullptr;
    QPushButton* btnQuery4 = nullptr;
    DataGrid* cxGrid4 = nullptr;

    // Handlers
    void btnQueryClick();  // the stock query
    void btnFindClick();
    void btnAllClick();
    void btnDetailClick();
    void btnPrintClick();
    void btnJhClick();
    void btnThClick();
    void btnExportClick();
    void btnJjClick();
    void N_AddJhClick();
    void N_AddThClick();
    void N_AddAlarmClick();
    void cxGrid1DblClick();
    void classChosen(const QString& code, const QString& name);
    void btnQuery2Click();  // the movement query
    void btnDetail2Click();
    void btnPrint2Click();
    void chkJy3Click();
    void TreeView2Click(int gcCid);
    void tClassNameEdited(const QString& text);
    void tkey3Edited();
    void btnQuery4Click();  // the size-colour query
    void btnPrint4Click();
    void PageControl1Change(int index);

    static ReportTemplate stockListLayout();
    static ReportTemplate movementLayout();

protected:
    void FormActivate() override;
    bool FormKeyDown(QKeyEvent* event) override;
    void FormClose() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool hasRows(DataGrid* grid) const;
    QString focused(DataGrid* grid, const QString& field) const;
    void openLedger(DataGrid* grid);
    void addToReference(const QString& word);
    void resetClass();
    void loadGoods();

    bool m_loading = false;
    QString m_gcSn;  // the confirmed category, "" for all
};

extern TF_Kccx* F_Kccx;
