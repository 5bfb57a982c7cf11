// "顾客退货": the customer return window. Goods a customer brings back are entered as working
// lines (by the return picker, or copied from a posted sales bill by the sales bill query) and
// posted at once: no pending state, no settlement choice; what is not refunded stays on the
// customer's account.
#pragma once

#include "bills/billwindow.h"
#include "sales/spxsprint.h"

class AccountPanel;
class CodeComboBox;
class DataGrid;
class PartnerAccountStrip;
class PartnerPanel;
class QDateEdit;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QToolButton;

// Set by the sales bill query, only for the next activation of the return window, when it has
// prepared a one-line return under the window's number: the activation keeps that number and
// its lines instead of starting a fresh bill. (A whole-bill return is kept through `djhParam`.)
extern bool xsthKeepPrepared;

class TF_Xsth : public TF_BillWindow {
    Q_OBJECT
public:
    explicit TF_Xsth(QWidget* parent = nullptr);

    void btnAddOldClick();         // "添加商品(F2)"
    void btnZdthClick();           // "整单退货(F7)"
    void btnModiClick();           // "修改"
    void btnDelClick();            // "删除"
    void btnOKClick();             // "保存(F5)"
    void printClick();             // "打印单据"
    void previewClick();           // "预览单据"
    void dateCgChange();
    void customerCardClick();      // "客户详细信息"
    void customerAccountsClick();  // "客户往来帐务"
    void salesQueryClick();        // "销售信息查询"
    void receiptsClick();          // "客户回款明细"

    // For a return prepared by the sales bill query opened from elsewhere: a fresh bill and
    // number (stray lines under it are deleted).
    void newNumberForCopy();
    // Copies the whole sales bill `djh` into the return and takes its customer, warehouse,
    // handler, note and amounts; `djhParam` := `djh`. Returns the refusal instead, if any.
    QString takeWholeSale(const QString& djh);
    // Adds the sales line `lineId` to the return; the amounts are recomputed from the lines.
    void takeSaleLine(qint64 lineId);

    const QString& customerSn() const { return m_khSn; }
    SpxsPrintBill printBill() const;

protected:
    bool saveBill() override;
    void afterSaved() override;
    void resetBill() override;
    void updateBottomJe() override;
    void showLineButtons(bool hasLines) override;
    bool billKeyDown(QKeyEvent* event) override;
    bool FormCloseQuery() override;
    void FormClose() override;

private:
    void buildPage();
    void fillCombos();
    // A new bill: default customer, empty note, the combos refilled, a new number (strays go).
    void startFresh();
    void customerChosen(const QString& code, const QString& name);
    void handlerChanged();
    void openCustomerQuery(const QString& windowClass, const QString& caller, const QString& name,
                           const QString* mode);
    friend void registerCustomerReturn();

    QString m_khSn;
    bool m_initialising = false;
    bool m_keepAmounts = false;  // the lines reopen without recomputing the amounts
    bool m_posted = false;

    QLabel* gldjh = nullptr;
    QLineEdit* tkh = nullptr;
    QPushButton* btnSeleGhs = nullptr;
    CodeComboBox* comCk = nullptr;
    QDateEdit* dateCg = nullptr;
    QLabel* lFlag = nullptr;
    QLabel* lysje = nullptr;
    QLineEdit* tssje = nullptr;
    CodeComboBox* comUser = nullptr;
    QLineEdit* tnote = nullptr;
    AccountPanel* RzPanel_Yhzh = nullptr;
    CodeComboBox* comYhzh = nullptr;
    DataGrid* cxGridView = nullptr;
    QMenu* PopupMenu1 = nullptr;
    PartnerAccountStrip* RzPanel_Kh1 = nullptr;
    PartnerPanel* RzPanelKh = nullptr;
    QPushButton* btnModi = nullptr;
    QPushButton* btnDel = nullptr;
    QToolButton* btnPrin = nullptr;
};

extern TF_Xsth* F_Xsth;
