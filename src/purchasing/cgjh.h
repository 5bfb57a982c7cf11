// "采购进货": the purchase receipt window. Goods bought from a supplier are entered as working
// lines (by the goods picker, the new-goods dialog, the supplier card's quotes or a barcode),
// checked and posted; the window then shows the next number and an empty bill.
#pragma once

#include "bills/billwindow.h"
#include "purchasing/cgjhposting.h"
#include "purchasing/cgjhprint.h"

class AccountPanel;
class BarcodePanel;
class CodeComboBox;
class DataGrid;
class PartnerAccountStrip;
class PartnerPanel;
class QAction;
class QCheckBox;
class QDateEdit;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTabWidget;
class QToolButton;

class TF_Cgjh : public TF_BillWindow {
    Q_OBJECT
public:
    explicit TF_Cgjh(QWidget* parent = nullptr);

    // Commands of the entry page.
    void btnAddClick();       // "老商品添加(F2)"
    void btnNewClick();       // "新商品添加(F9)"
    void btnModiClick();      // "修改"
    void btnDelClick();       // "删除"
    void btnOKClick();        // "保存(F5)"
    void printClick();        // "打印单据"
    void previewClick();      // "预览单据"
    void tSptmEnter();        // Enter in the barcode box
    void dateCgChange();      // a change of the bill date
    void supplierCardClick(); // "供货商详细信息"
    void supplierAccountsClick();  // "供货商往来帐务"
    void receiptQueryClick();      // "进货信息查询"
    void returnQueryClick();       // "退货信息查询"

    // The hidden "导入、导出" button.
    void importClick();  // "从Excel导入采购进货单(&E)"
    void exportClick();  // "导出采购进货单到Excel(&X)"

    // Commands of the pending page "待审核采购单".
    void btnSearch2Click();    // "查询(F2)": the pending list
    void setShspList();        // the lines of the current pending bill
    void btnShAddClick();      // "新增商品"
    void btnShModiClick();     // "修改商品", a double click on a line
    void btnShDelClick();      // "删除商品"
    void btnShViewClick();     // "查看单据", a double click on a bill
    void btnShDelBillClick();  // "删除单据"
    void btnShPrintClick();    // "打印"
    void btnShCheckClick();    // "审核数据"
    void btnShExportClick();   // "导出"

    // Whether a line added by barcode opens the line dialog at once (lasts while the program runs).
    static bool openDialogAfterBarcode;

    // The bill on screen as the print sees it.
    CgjhPrintBill printBill() const;
    // The bill on screen as the posting and the pending save take it.
    CgjhPosting billRecord() const;

protected:
    bool saveBill() override;
    void afterSaved() override;
    void resetBill() override;
    void updateBottomJe() override;
    void showLineButtons(bool hasLines) override;
    bool billKeyDown(QKeyEvent* event) override;
    void FormClose() override;

private:
    void buildEntryPage(QWidget* page);
    void buildPendingPage(QWidget* page);
    // Holds the bill on screen as a pending receipt.
    void saveNoCheckedValue();
    // The current pending bill's number and warehouse ("" when the list is empty).
    QString pendingNumber() const;
    // Searches the pending list again and returns to bill `djh` when it is still listed.
    void reloadPending(const QString& djh);
    void pendingSupplierChosen(const QString& name);
    void supplierChosen(const QString& code, const QString& name);
    void showBarcodePanel(bool on);
    void handlerChanged();
    void editLine(const QString& mode);
    void openSupplierWindow(const QString& windowClass, const QString& caller);
    void openSupplierQuery(const QString& windowClass, const QString& caller, const QString& name);
    void showAccountPanel();
    friend void registerPurchasingReceipt();

    bool m_initialising = false;
    bool m_posted = false;  // the last save posted the bill (printing follows)

    QTabWidget* PageControl1 = nullptr;
    QLabel* jsn = nullptr;
    QLineEdit* tghs = nullptr;
    CodeComboBox* comCk = nullptr;
    QDateEdit* dateCg = nullptr;
    QLabel* lbRmb = nullptr;
    QLabel* yfje = nullptr;
    QLineEdit* tsfje = nullptr;
    CodeComboBox* comJsfs = nullptr;
    CodeComboBox* comUser = nullptr;
    QLabel* lbSn2 = nullptr;
    QLineEdit* tsn2 = nullptr;
    QLineEdit* tnote = nullptr;
    AccountPanel* panelYhzh = nullptr;
    CodeComboBox* comYhzh = nullptr;
    DataGrid* DBGrid1 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* actModi = nullptr;
    QAction* actDel = nullptr;
    QMenu* menuPrint = nullptr;
    QMenu* menuGhs = nullptr;
    QAction* actBarcode = nullptr;
    BarcodePanel* panelSptm = nullptr;
    QLineEdit* tSptm = nullptr;
    PartnerAccountStrip* panelZw = nullptr;
    PartnerPanel* panelGhs = nullptr;
    QPushButton* btnModi = nullptr;
    QPushButton* btnDel = nullptr;
    QToolButton* btnPrint = nullptr;

    // The pending page.
    QLineEdit* tchkKey = nullptr;
    QLineEdit* tGhsName = nullptr;
    DataGrid* DBGridShdj = nullptr;
    DataGrid* DBGridShsp = nullptr;
    QLabel* lbShGhs = nullptr;
    QPushButton* btnShAdd = nullptr;
    QPushButton* btnShModi = nullptr;
    QPushButton* btnShDel = nullptr;
    QFrame* panelGhs2 = nullptr;
    QCheckBox* chkAllGhs = nullptr;
    QCheckBox* chkCurGhs = nullptr;
    DataGrid* gridGhs2 = nullptr;
};

extern TF_Cgjh* F_Cgjh;
