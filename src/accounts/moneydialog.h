// The dialogs that write one money entry (expense, income, deposit, withdrawal): an account,
// an amount, the handler and a note, with "增加(F5)" (also Enter), "打印(F4)" (also F4) and
// "退出(Esc)". Each activation refills the account and handler lists and starts the amount at
// "0", selected.
#pragma once

#include "platform/form.h"

class CodeComboBox;
class QFormLayout;
class QLineEdit;
class QPushButton;

class TF_MoneyDialog : public TF_Form {
    Q_OBJECT
public:
    CodeComboBox* comYhzh = nullptr;
    QLineEdit* tfyje = nullptr;
    CodeComboBox* comUser = nullptr;
    QLineEdit* tnote = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnPrin = nullptr;
    QPushButton* btnExit = nullptr;

    virtual void btnOKClick() = 0;
    virtual void btnPrinClick() = 0;

protected:
    // The note takes at most `noteLength` characters.
    TF_MoneyDialog(int noteLength, QWidget* parent);
    // Lays the dialog out: `form` (the window's rows of the boxes) above the buttons.
    void layOut(QFormLayout* form);
    // The voucher of the entry on screen: "<company>收款单" or "付款单", the amount as typed.
    void previewVoucher(bool receipt, const QString& fymc);
    void FormActivate() override;
    bool FormKeyDown(QKeyEvent* event) override;
};

// A named coded combo box of `parent`.
CodeComboBox* namedCodeCombo(QWidget* parent, const char* name);
