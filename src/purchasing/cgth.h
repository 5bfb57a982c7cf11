// "采购退货": the purchase return window. Goods sent back to a supplier are entered as working
// lines (by the return picker, or copied from a receipt by the receipt query) and posted at
// once: no pending state, no settlement choice; what is not received back is set against the
// supplier's account. The window's second page is the return query (CgthQueryPage).
#pragma once

#include "bills/billwindow.h"
#include "purchasing/cgthprint.h"

class CgthQueryPage;
class AccountPanel;
class CodeComboBox;
class DataGrid;
class PartnerAccountStrip;
class PartnerPanel;
class QDateEdit;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTabWidget;
class QToolButton;
struct ReceiptHeader;

class TF_Cgth : public TF_BillWindow {
    Q_OBJECT
public:
    explicit TF_Cgth(QWidget* parent = nullptr);

    void btnAddClick();             // "添加商品(F2)"
    void btnModiClick();            // "修改"
    void btnDelClick();             // "删除"
    void btnOKClick();              // "保存(F5)"
    void printClick();              // "打印单据"
    void previewClick();            // "预览单据"
    void dateCgChange();
    void supplierCardClick();       // "供货商详细信息"
    void supplierAccountsClick();   // "供货商往来帐务"
    void receiptQueryClick();       // "进货信息查询"
    void returnQueryClick();        // "退货信息查询"
    void paymentsClick();           // "我方付款明细"

    // For a return filled from a receipt: a fresh number (the lines already under it stay).
    void newNumberForCopy();
    // Fills the header from the receipt whose lines were just copied: supplier, warehouse,
    // handler, note and the line buttons; the receipt's payable and paid when the copy is the
    // whole receipt into an empty bill, else the lines' total for both. With `refillCombos` the
    // handler list holds every named staff member and the warehouse list is refilled.
    void takeReceipt(const ReceiptHeader& receipt, bool receiptAmounts, bool refillCombos);

    CgthPrintBill printBill() const;
    CgthQueryPage* queryPage() const { return m_query; }

protected:
    bool saveBill() override;
    void resetBill() override;
    void updateBottomJe() override;
    void showLineButtons(bool hasLines) override;
    bool billKeyDown(QKeyEvent* event) override;
    bool FormCloseQuery() override;
    void FormClose() override;

private:
    void buildEntryPage(QWidget* page);
    void supplierChosen(const QString& code, const QString& name);
    void handlerChanged();
    void openSupplierQuery(const QString& windowClass, const QString& caller, const QString& mode,
                           const QString& name);
    friend void registerPurchasingReturn();

    bool m_initialising = false;
    bool m_keepAmounts = false;  // the lines reopen without recomputing the amounts

    QTabWidget* PageControl1 = nullptr;
    CgthQueryPage* m_query = nullptr;
    QLabel* jsn = nullptr;
    QLineEdit* tghs = nullptr;
    QPushButton* btnSeleGhs = nullptr;
    CodeComboBox* comCk = nullptr;
    QDateEdit* dateCg = nullptr;
    QLabel* lbRmb = nullptr;
    QLabel* yfje = nullptr;
    QLineEdit* tsfje = nullptr;
    CodeComboBox* comUser = nullptr;
    QLineEdit* tnote = nullptr;
    AccountPanel* panelYhzh = nullptr;
    CodeComboBox* comYhzh = nullptr;
    DataGrid* DBGrid1 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    PartnerAccountStrip* panelZw = nullptr;
    PartnerPanel* panelGhs = nullptr;
    QPushButton* btnModi = nullptr;
    QPushButton* btnDel = nullptr;
    QToolButton* btnPrint = nullptr;
};

extern TF_Cgth* F_Cgth;
