// The four registers of the party ledger — receivables "应收款登记", payables "应付款登记",
// receipts "收款登记" and payments "付款登记" — share one window and one entry dialog: a period
// with the quick date presets, a partner box with its floating partner panel, the list of the
// register's rows, add, modify, delete, export and print. Each register describes itself once
// (RegisterSpec); the classes of the command table (TF_Yskdj, …) are in registers.h.
#pragma once

#include "accounts/ledgerentries.h"
#include "platform/form.h"
#include "platform/partnerpanel.h"

class CodeComboBox;
class DataGrid;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

// The date box of a period ("yyyy-MM-dd").
QDateEdit* periodDateBox(QWidget* parent, const char* name);
// A money box: an optional minus, digits and at most two decimals, `maxLength` characters.
QLineEdit* moneyBox(QWidget* parent, const char* name, int maxLength);
// The floating partner list of the registers and statements: one list of the partners that are
// not disabled, no caption, no add or modify.
PartnerPanel::Config ledgerPartnerConfig(PartySide side);
// Shows the panel under the partner box, filtered by the box's text.
void showPartnerPanelUnder(PartnerPanel* panel, QLineEdit* box);

struct RegisterSpec {
    PartySide side = PartySide::Customer;
    bool settlement = false;   // receipts and payments: an account, a journal row
    QString kind;              // k_djlx: "YS", "YF", "SK", "FK"
    QString formName;          // "F_Yskdj"
    QString caption;           // "应收款登记"
    QString amountColumn;      // "应收金额", "收款金额"
    QString accountColumn;     // "收款方式" (settlements)
    QString deleteQuestion;    // "您确定要删除该应收款信息吗！"
    QString reportTitle;       // "应收款登记表"
    QString dialogName;        // "F_Yskdj_Sele"
    QString addCaption;        // "增加应收款"
    QString modiCaption;       // "修改应收款"
    QString amountCaption;     // "应收金额："
    QString accountCaption;    // "收款账户："
};

class TF_PartyEntryDialog;

class TF_PartyRegister : public TF_Form {
    Q_OBJECT
public:
    explicit TF_PartyRegister(const RegisterSpec& spec, QWidget* parent = nullptr);

    const RegisterSpec& spec() const { return m_spec; }

    QPushButton* btn_Add = nullptr;
    QPushButton* btn_Modi = nullptr;
    QPushButton* btn_Dele = nullptr;
    QPushButton* btn_Export = nullptr;
    QPushButton* btn_Prin = nullptr;
    QPushButton* btn_Exit = nullptr;
    QDateEdit* tdate11 = nullptr;
    QDateEdit* tdate12 = nullptr;
    QToolButton* btnMenu1 = nullptr;
    QLineEdit* tName = nullptr;  // "tKhName1" (customers) or "tkey" (suppliers)
    QPushButton* btnGhsSele = nullptr;
    QPushButton* btnSearch1 = nullptr;
    DataGrid* cxGrid1 = nullptr;
    PartnerPanel* panel = nullptr;

    void btnSearch1Click();
    void btn_AddClick();
    void btn_ModiClick();
    void btn_DeleClick();
    void btn_ExportClick();
    void btn_PrinClick();
    // The partner panel's pick: name into the box, code into curKhSn / curGhsSn, then a search.
    void partnerChosen(const QString& code, const QString& name);

    // The picked partner's code and name (what curKhSn / curGhsSn hold).
    QString pickedCode() const;
    QString pickedName() const { return m_pickedName; }

protected:
    void FormActivate() override;
    bool FormKeyDown(QKeyEvent* event) override;
    void FormClose() override;

    // The register's own entry dialog (created on first use).
    virtual TF_PartyEntryDialog* entryDialog() = 0;

private:
    void showEntryDialog(const QString& mode);
    RegisterSpec m_spec;
    QString m_pickedName;
};

// The entry dialog of a register ("增加应收款" / "修改应收款", …). It reads the register's
// current row when modifying and closes after a save; refusals keep it open with its input.
class TF_PartyEntryDialog : public TF_Form {
    Q_OBJECT
public:
    TF_PartyEntryDialog(const RegisterSpec& spec, QWidget* parent = nullptr);

    // The register that opened it (its list, picked partner and current row).
    TF_PartyRegister* owner = nullptr;

    QLabel* gldjh = nullptr;
    QDateEdit* dateCg = nullptr;
    QLabel* partnerName = nullptr;  // "kh_name" / "ghs_name"
    QLabel* balance = nullptr;      // "kh_ye" / "yfye"
    CodeComboBox* comUser = nullptr;
    QLineEdit* tgsj = nullptr;
    QLineEdit* tnote = nullptr;
    CodeComboBox* comYhzh = nullptr;  // settlements only
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;

    void btnOKClick();

protected:
    void FormActivate() override;

private:
    RegisterSpec m_spec;
    qint64 m_rowId = 0;
};
