// "商品报损/报溢": the loss and overflow window. The first page holds the bill being entered as
// working lines under a provisional number of its kind (loss "BS", overflow "BY"); saving shows
// the confirmation and posts it at once (postBsby). The second page lists the posted bills of a
// kind by bill, by goods or by line, previews a posted bill and prints the list shown.
#pragma once

#include "bills/billprint.h"
#include "bills/billwindow.h"
#include "bills/querykit.h"
#include "stock/bsbyposting.h"

class CodeComboBox;
class DataGrid;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTabWidget;
class QToolButton;

// What the dialogs read of the window: the kind of the bill on screen, its line tables, its
// number and its warehouse's name.
BsbyKind bsbyWindowKind();
const BillLineTables& bsbyLines();
QString bsbyWindowNumber();
QString bsbyWindowWarehouseName();

// The history's filters ("" = none), period and count-only flag.
struct BsbyFilter {
    BsbyKind kind = BsbyKind::Loss;
    QString from, to;  // "yyyy-MM-dd", both included
    QString ckSn, uSn;
    bool countOnly = false;  // only the bills noted "盘点库存报损" / "盘点库存报溢"
};
QString bsbyDocumentsSql(const BsbyFilter& f);                           // Q_Bsby1
QString bsbyDocumentLinesSql(BsbyKind kind, const QString& djh);         // Q_BsbyList
QString bsbySummarySql(const BsbyFilter& f);                             // Q_BsbyHzb
QString bsbySummaryLinesSql(const BsbyFilter& f, const QString& gSn);    // Q_BsbyList2
QString bsbyLinesSql(const BsbyFilter& f);                               // Q_BsbyList3
// The print of bill `djh` of `kind` with the head as printed.
BillPrint bsbyPrint(BsbyKind kind, const QString& djh, const QString& date, const QString& aName,
                    const QString& ckName, const QString& uName, const QString& note);

class TF_Bsby : public TF_BillWindow {
    Q_OBJECT
public:
    explicit TF_Bsby(QWidget* parent = nullptr);

    void btnAddOldClick();  // "添加商品(F2)"
    void btnModiClick();    // "修改(F3)"
    void btnDelClick();     // "删除(F4)"
    void btnOKClick();      // "保存(F5)"
    void printClick();      // "打印单据"
    void previewClick();    // "预览单据"
    void searchClick();     // "查询(F2)" of the history
    void filterClick();     // "高级查询"
    void viewClick();       // "查看单据"
    void listPrintClick();  // "打印(&Z)"

    QTabWidget* PageControl1 = nullptr;
    QComboBox* comDjlx = nullptr;
    QLabel* lbTitle = nullptr;
    QLabel* lbDate = nullptr;
    QLabel* gldjh = nullptr;
    CodeComboBox* comCk = nullptr;
    CodeComboBox* comUser = nullptr;
    QDateEdit* dateCg = nullptr;
    QLineEdit* tnote = nullptr;
    DataGrid* DBGrid1 = nullptr;
    QPushButton* btnModi = nullptr;
    QPushButton* btnDel = nullptr;
    QToolButton* btnPrin = nullptr;

    QComboBox* comType = nullptr;
    QueryPeriod period;
    QRadioButton* rDjb = nullptr;
    QRadioButton* rHzb = nullptr;
    QRadioButton* rMxb = nullptr;
    QStackedWidget* views = nullptr;
    DataGrid* cxGridDjb = nullptr;
    DataGrid* cxGridDjb1 = nullptr;
    DataGrid* cxGridHzb = nullptr;
    DataGrid* cxGridHzb1 = nullptr;
    DataGrid* cxGridMxb = nullptr;
    QLabel* lbDetail = nullptr;
    QLabel* lbGoodsDetail = nullptr;
    BsbyFilter filter;

protected:
    bool saveBill() override;
    void afterSaved() override;
    void resetBill() override;
    void showLineButtons(bool hasLines) override;
    void updateBottomJe() override;
    bool billKeyDown(QKeyEvent* event) override;
    void FormClose() override;

private:
    void buildEntryPage(QWidget* page);
    void buildHistoryPage(QWidget* page);
    void setKind(BsbyKind kind);
    void showDocumentLines();
    void showGoodsLines();
    void historyShown();
    void setCaptions();
    BillPrint currentPrint() const;
    friend void registerStockLoss();

    bool m_initialising = false;
};

extern TF_Bsby* F_Bsby;
