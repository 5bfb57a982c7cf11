// "付款": the till's payment. Shows the amount due, takes the amounts of one of five modes, the
// round-off and the note, and posts the sale; the receipt follows when its box is ticked.
#pragma once

#include "platform/form.h"
#include "pos/posposting.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;

class TF_Posxs_Fk : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Posxs_Fk(QWidget* parent = nullptr);

    // Whether the last showing posted the sale.
    bool posted() const { return m_posted; }
    void btnSaveClick();
    void selectMode(PosPayMode mode);
    PosPayMode mode() const { return m_mode; }
    // The round-off dialog's result: both panels get it and the amount to pay.
    void applyRoundOff(Money roundOff);
    // The payment as the dialog holds it now.
    PosPayment payment() const;
    bool combinedShown() const;

    QLabel* yfje = nullptr;
    QLabel* yfje2 = nullptr;
    QLineEdit* tfkje = nullptr;
    QLineEdit* tmlje = nullptr;
    QLineEdit* tzlje = nullptr;
    QLineEdit* tnote = nullptr;
    QLabel* zffs = nullptr;
    QLineEdit* tfkje2 = nullptr;
    QLineEdit* tczk = nullptr;
    QLineEdit* tyhk = nullptr;
    QLineEdit* tdjq = nullptr;
    QLineEdit* tmlje2 = nullptr;
    QLineEdit* tnote2 = nullptr;
    QLabel* zhje = nullptr;
    QLabel* zlje = nullptr;
    QRadioButton* rXj = nullptr;
    QRadioButton* rCzk = nullptr;
    QRadioButton* rYhk = nullptr;
    QRadioButton* rDjq = nullptr;
    QRadioButton* rLhjz = nullptr;
    QCheckBox* chkXp = nullptr;
    QLineEdit* txp = nullptr;
    QPushButton* btnMl = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;

protected:
    void FormActivate() override;
    bool FormKeyDown(QKeyEvent* event) override;

private:
    void recalcSingle();
    void recalcCombined();
    Money due() const;
    Money balance() const;

    QStackedWidget* m_panels = nullptr;
    PosPayMode m_mode = PosPayMode::Cash;
    bool m_recalc = false;
    bool m_posted = false;
    QString m_balanceText;
};

extern TF_Posxs_Fk* F_Posxs_Fk;
