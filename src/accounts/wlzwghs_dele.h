// "删除原因": deleting a posted bill of a partner's account window with a reason. The supplier
// window opens `TF_WlzwGhs_Dele` (receipts, purchase returns, payment rows), the customer window
// its twin `TF_Wlzwkh_Dele` (sales bills, customer returns, receipt rows). The deletion is
// written whole or not at all; after it the window's list is refreshed and the notice
// "信息删除成功！" shown.
#pragma once

#include "platform/form.h"

#include <functional>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// The document list's current row, as the account window shows it.
struct BillDeleteRow {
    QString djh;          // the document number; its first two characters give the kind
    QString partnerSn;    // ghs_sn / kh_sn
    QString partnerName;
    QString owed;         // yfje of the row
    QString paid;         // sfje of the row
};

class TF_WlzwGhs_Dele : public TF_Form {
    Q_OBJECT
public:
    explicit TF_WlzwGhs_Dele(QWidget* parent = nullptr) : TF_WlzwGhs_Dele(true, parent) {}

    QLabel* lTitle = nullptr;
    QLabel* ldjh = nullptr;
    QLabel* lghs = nullptr;
    QLabel* lyfje = nullptr;
    QLabel* lsfje = nullptr;
    QLabel* lsm = nullptr;
    QPlainTextEdit* tnote = nullptr;  // the reason, at most 200 characters
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;

    // Fills the labels from the row and sets the kind's title and note.
    void setRow(const BillDeleteRow& row);
    // Runs after a deletion has been committed: the account window reopens its list there.
    std::function<void()> afterDelete;

    void btnOKClick();
    void btnCancelClick();

protected:
    TF_WlzwGhs_Dele(bool supplier, QWidget* parent);
    void FormActivate() override;
    bool FormKeyDown(QKeyEvent* event) override;

private:
    bool m_supplier;
};

class TF_Wlzwkh_Dele : public TF_WlzwGhs_Dele {
    Q_OBJECT
public:
    explicit TF_Wlzwkh_Dele(QWidget* parent = nullptr) : TF_WlzwGhs_Dele(false, parent) {}
};

extern TF_WlzwGhs_Dele* F_WlzwGhs_Dele;
extern TF_Wlzwkh_Dele* F_Wlzwkh_Dele;

// The account window's "删除单据" on its current row: nothing for an empty list (an empty
// number) or a number of no deletable kind; otherwise the partner code goes into curGhsSn or
// curKhSn, and the dialog of the row's side (created on first use) opens modally. `refresh`
// reopens the window's list after a deletion.
void showBillDeleteDialog(const BillDeleteRow& row, std::function<void()> refresh);
