// "换货销售": the exchange. In one sales bill the goods a customer brings back are entered as
// negative lines (goods-back picker, F2) and the goods handed out in their place as positive
// lines (goods-out picker, F9); the bill is posted at once as a sales bill of the customer at
// the net amount. No pending state, no held bills, no barcode box.
#pragma once

#include "bills/billwindow.h"
#include "sales/spxsprint.h"

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
class QToolButton;

class TF_Xshh : public TF_BillWindow {
    Q_OBJECT
public:
    explicit TF_Xshh(QWidget* parent = nullptr);

    void btnBackClick();   // "退回商品(F2)"
    void btnOutClick();    // "换出商品(F9)"
    void btnModiClick();   // "修改"
    void btnDelClick();    // "删除"
    void btnOKClick();     // "保存(F5)"
    void printClick();     // "打印单据"
    void previewClick();   // "预览单据"
    void dateCgChange();
    void customerCardClick();      // "客户详细信息"
    void customerAccountsClick();  // "客户往来帐务"
    void salesQueryClick();        // "销售信息查询"
    void returnQueryClick();       // "退货信息查询"
    void receiptsClick();          // "客户回款明细"
    void addCustomerClick();       // "新增加客户(&Y)", F8 in the customer panel

    const QString& customerSn() const { return m_khSn; }
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
    void buildPage();
    void customerChosen(const QString& code, const QString& name);
    void handlerChanged();
    void openCustomerQuery(const QString& windowClass, const QString& caller, const QString& name);
    friend void registerExchange();

    QString m_khSn;
    bool m_initialising = false;
    bool m_posted = false;

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
    PartnerAccountStrip* RzPanel_Kh1 = nullptr;
    PartnerPanel* RzPanelKh = nullptr;
    QFrame* RzPanel_Tip = nullptr;
    QPushButton* btnModi = nullptr;
    QPushButton* btnDel = nullptr;
    QToolButton* btnPrin = nullptr;
};

extern TF_Xshh* F_Xshh;
