// "财务报表管理--费用及收入": per-type totals of expenses and other income for a period, the
// entries of one type, the expense ("增加费用") and income ("增加收入") dialogs with their voucher,
// and the type list ("类型").
#pragma once

#include "accounts/moneydialog.h"
#include "accounts/moneyentries.h"
#include "platform/form.h"

class CodeComboBox;
class DataGrid;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

class TF_Fyjsr : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Fyjsr(QWidget* parent = nullptr);

    QPushButton* btn_Zjfy = nullptr;
    QPushButton* btn_Zjsr = nullptr;
    QPushButton* btn_Prin = nullptr;
    QPushButton* btn_Exit = nullptr;
    QDateEdit* tdate11 = nullptr;
    QDateEdit* tdate12 = nullptr;
    QToolButton* btnMenu1 = nullptr;
    QComboBox* comFy = nullptr;
    QPushButton* btnSearch1 = nullptr;
    QLabel* fymx = nullptr;
    CodeComboBox* comUser = nullptr;
    QPushButton* btnSearch2 = nullptr;
    DataGrid* cxGrid1 = nullptr;  // per-type totals
    DataGrid* cxGrid2 = nullptr;  // entries of the type

    void summarySearch();
    void detailSearch();
    void printSummary();
    void printDetail();
    // The voucher of the detail list's current entry.
    void showEntryVoucher();

protected:
    void FormActivate() override;
    bool FormKeyDown(QKeyEvent* event) override;

private:
    void addEntry(FyDirection direction);
    bool m_filling = false;
};

// The expense (TF_Fyjsr_Add) and income (TF_Fyjsr_Add1) dialogs: one layout.
class TF_Fyjsr_Entry : public TF_MoneyDialog {
    Q_OBJECT
public:
    TF_Fyjsr_Entry(FyDirection direction, QWidget* parent = nullptr);

    CodeComboBox* comFy = nullptr;

    // The type list of the dialog's direction after "增加新类型", the first type chosen.
    void fillTypes();
    void btnOKClick() override;
    void btnPrinClick() override;

protected:
    void FormActivate() override;

private:
    FyDirection m_direction;
    bool m_filling = false;
};

class TF_Fyjsr_Add : public TF_Fyjsr_Entry {
public:
    explicit TF_Fyjsr_Add(QWidget* parent = nullptr) : TF_Fyjsr_Entry(FyDirection::Expense, parent) {}
};
class TF_Fyjsr_Add1 : public TF_Fyjsr_Entry {
public:
    explicit TF_Fyjsr_Add1(QWidget* parent = nullptr) : TF_Fyjsr_Entry(FyDirection::Income, parent) {}
};

// "类型": the types of one direction (callerFlag "add" expenses, "add1" income).
class TF_Fylx : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Fylx(QWidget* parent = nullptr);

    DataGrid* cxGrid = nullptr;
    QLineEdit* tname = nullptr;
    QLineEdit* tnote = nullptr;
    QPushButton* btnAdd = nullptr;
    QPushButton* btnDele = nullptr;
    QPushButton* btnExit = nullptr;

    void btnAddClick();
    void btnDeleClick();

protected:
    void FormActivate() override;
    void FormClose() override;

private:
    FyDirection direction() const;
    TF_Fyjsr_Entry* caller() const;
};

extern TF_Fyjsr* F_Fyjsr;
extern TF_Fyjsr_Add* F_Fyjsr_Add;
extern TF_Fyjsr_Add1* F_Fyjsr_Add1;
extern TF_Fylx* F_Fylx;
