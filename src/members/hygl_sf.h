// "收费窗口": takes the payment of an enrolment deposit, a stored-value top-up or a count card.
// It only confirms the payment; the opener writes the rows afterwards with what it answers.
#pragma once

#include "members/memberdata.h"
#include "platform/form.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;

class TF_Hygl_Sf : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Hygl_Sf(QWidget* parent = nullptr);

    // Set by the opener before the window opens.
    void setDue(Money due) { m_due = due; }
    bool confirmed() const { return m_confirmed; }
    // The chosen method and amounts, read right after the window answered.
    ChargePayment payment() const;

    QLabel* lblDue = nullptr;
    QLabel* lblMethod = nullptr;
    QLineEdit* edtFkje = nullptr;  // tendered
    QLineEdit* edtZl = nullptr;    // change
    QLabel* lblDue2 = nullptr;
    QLineEdit* edtXj = nullptr;
    QLineEdit* edtXyk = nullptr;
    QLineEdit* edtDjq = nullptr;
    QLineEdit* edtZl2 = nullptr;
    QStackedWidget* panels = nullptr;
    QPushButton* btnXj = nullptr;
    QPushButton* btnXyk = nullptr;
    QPushButton* btnDjq = nullptr;
    QPushButton* btnLh = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;

    void chooseMethod(ChargePayment::Method method);
    void btnOKClick();

protected:
    void FormActivate() override;
    bool FormKeyDown(QKeyEvent* event) override;

private:
    void recompute(bool fromCombined);
    Money m_due;
    ChargePayment::Method m_method = ChargePayment::Method::Cash;
    bool m_confirmed = false;
    bool m_filling = false;
};

extern TF_Hygl_Sf* F_Hygl_Sf;

// Opens the charge window for `due`; true with the payment when the operator confirmed it.
bool chargeConfirmed(Money due, ChargePayment* payment);
