// "库存调拨": the stock transfer window. The first page holds the transfer being entered as
// working lines under a provisional number (out and in warehouse, date, handler, note); saving
// posts it at once (postKcdb) and starts the next one. The second page lists the saved
// transfers by document, by goods or by line, previews a saved transfer and exports or prints
// the list shown.
#pragma once

#include "bills/billwindow.h"
#include "bills/billprint.h"
#include "bills/querykit.h"

class CodeComboBox;
class DataGrid;
class QDateEdit;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTabWidget;
class QToolButton;

// The history's filters ("" = none) and period.
struct KcdbFilter {
    QString from, to;  // "yyyy-MM-dd", both included
    QString ckOut, ckIn, uSn;
};
// The statements of the history's lists.
QString kcdbDocumentsSql(const KcdbFilter& f);                       // Q_Dbdjb
QString kcdbDocumentLinesSql(const QString& djh);                    // Q_Dbdjb1
QString kcdbSummarySql(const KcdbFilter& f);                         // Q_Dbhzb
QString kcdbSummaryLinesSql(const KcdbFilter& f, const QString& g);  // Q_Dbhzb1
QString kcdbLinesSql(const KcdbFilter& f);                           // Q_Dbmxb
// The print of transfer `djh` (its size and colour rows) with the head as printed.
BillPrint kcdbPrint(const QString& djh, const QString& date, const QString& uName, const QString& ckOut,
                    const QString& ckIn);

class TF_Kcdb : public TF_BillWindow {
    Q_OBJECT
public:
    explicit TF_Kcdb(QWidget* parent = nullptr);

    void btnAddClick();     // "添加商品(F2)"
    void btnModiClick();    // "修改"
    void btnDelClick();     // "删除"
    void btnOKClick();      // "保存(F5)"
    void printClick();      // "打印单据"
    void previewClick();    // "预览单据"
    void dateCgChange();
    void searchClick();     // "查询(F2)" of the history
    void filterClick();     // "高级查询"
    void viewClick();       // "查看单据"
    void exportClick();     // "导出"
    void listPrintClick();  // "打印(&Z)"

    QTabWidget* PageControl1 = nullptr;
    QLabel* gldjh = nullptr;
    CodeComboBox* comCk = nullptr;
    CodeComboBox* comCk2 = nullptr;
    QDateEdit* dateCg = nullptr;
    CodeComboBox* comUser = nullptr;
    QLineEdit* tnote = nullptr;
    DataGrid* DBGrid1 = nullptr;
    QPushButton* btnModi = nullptr;
    QPushButton* btnDel = nullptr;
    QToolButton* btnPrint = nullptr;

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
    KcdbFilter filter;

protected:
    bool saveBill() override;
    void resetBill() override;
    void showLineButtons(bool hasLines) override;
    void updateBottomJe() override;
    bool billKeyDown(QKeyEvent* event) override;
    void FormClose() override;

private:
    void buildEntryPage(QWidget* page);
    void buildHistoryPage(QWidget* page);
    void showDocumentLines();
    void showGoodsLines();
    void historyShown();
    DataGrid* shownList() const;
    friend void registerStockTransfer();

    bool m_initialising = false;
};

extern TF_Kcdb* F_Kcdb;
