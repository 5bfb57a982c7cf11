// "商品销售": the wholesale sales bill window. Goods sold to a customer are entered as working
// lines (by the goods picker or a barcode), priced with a discount and checked against the
// stock, settled by payment or on account, and posted; the window then shows the next number
// and an empty bill.
#pragma once

#include "bills/billwindow.h"
#include "sales/spxsprint.h"

class AccountPanel;
class BarcodePanel;
class CodeComboBox;
class DataGrid;
class PartnerAccountStrip;
class PartnerPanel;
class QAction;
class QDateEdit;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTabWidget;
class QToolButton;

class TF_Spxs : public TF_BillWindow {
    Q_OBJECT
public:
    explicit TF_Spxs(QWidget* parent = nullptr);

    // Commands of the bill tab.
    void btnAddOldClick();  // "商品添加(F2)"
    void btnModiClick();    // "修改"
    void btnDelClick();     // "删除"
    void btnOKClick();      // "保存(F5)"
    void printClick();      // "打印单据"
    void previewClick();    // "预览单据"
    void tSptmEnter();      // Enter in the barcode box
    void dateCgChange();    // a change of the bill date
    void customerCardClick();      // "客户详细信息"
    void customerAccountsClick();  // "客户往来帐务"
    void salesQueryClick();        // "销售信息查询"
    void returnQueryClick();       // "退货信息查询"
    void addCustomerClick();       // "新增加客户(&Y)", F8
    void holdClick();              // "本单据数据暂存(挂单)(&Y)"
    void recallClick();            // "取出暂存单据(解挂)(&Z)"

    // Whether a line added by barcode opens the line dialog at once (lasts while the program runs).
    static bool openDialogAfterBarcode;

    // The bill's customer (the default one or the one last confirmed in the customer panel).
    const QString& customerSn() const { return m_khSn; }
    // The bill on screen as the print sees it.
    SpxsPrintBill printBill() const;

protected:
    bool saveBill() override;
    void afterSaved() override;
    void resetBill() override;
    void updateBottomJe() override;
    void showLineButtons(bool hasLines) override;
    bool billKeyDown(QKeyEvent* event) override;
    void FormClose() override;

private:
    void buildBillTab(QWidget* page);
    void customerChosen(const QString& code, const QString& name);
    void showBarcodePanel(bool on);
    void handlerChanged();
    void editLine();
    void openCustomerWindow(const QString& windowClass, const QString& name);
    void openCustomerQuery(const QString& windowClass, const QString& caller, const QString& name);
    friend void registerSalesBill();

    QString m_khSn;
    bool m_initialising = false;
    bool m_posted = false;  // the last save posted the bill (printing follows)

    QTabWidget* cxTab = nullptr;
    QLabel* gldjh = nullptr;
    QLineEdit* tkh = nullptr;
    CodeComboBox* comCk = nullptr;
    QDateEdit* dateCg = nullptr;
    QLabel* lFlag = nullptr;
    QLabel* lysje = nullptr;
    QLineEdit* tssje = nullptr;
    CodeComboBox* comJsfs = nullptr;
    CodeComboBox* comUser = nullptr;
    QLabel* lbSn2 = nullptr;
    QLineEdit* tsn2 = nullptr;
    QLineEdit* tnote = nullptr;
    AccountPanel* RzPanel_Yhzh = nullptr;
    CodeComboBox* comYhzh = nullptr;
    DataGrid* cxGridView = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* actModi = nullptr;
    QAction* actDel = nullptr;
    QMenu* menuPrint = nullptr;
    QMenu* menuKh = nullptr;
    QAction* actBarcode = nullptr;
    BarcodePanel* RzPanel_Tm = nullptr;
    QLineEdit* tSptm = nullptr;
    PartnerAccountStrip* RzPanel_Kh1 = nullptr;
    PartnerPanel* RzPanelKh = nullptr;
    QPushButton* btnModi = nullptr;
    QPushButton* btnDel = nullptr;
    QToolButton* btnPrin = nullptr;
};

extern TF_Spxs* F_Spxs;
