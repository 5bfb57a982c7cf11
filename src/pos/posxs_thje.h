// The refund of a till return: the proposal from the goods total, changed by the cashier.
#pragma once

#include "data/values.h"
#include "platform/form.h"

class QLabel;
class QLineEdit;
class QPushButton;

class TF_Posxs_Thje : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Posxs_Thje(QWidget* parent = nullptr);

    void setProposal(Money proposal) { m_proposal = proposal; }
    bool confirmed() const { return m_confirmed; }

    QLabel* lblSpze = nullptr;
    QLineEdit* edtThje = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnExit = nullptr;
    void btnOKClick();

protected:
    void FormActivate() override;

private:
    Money m_proposal;
    bool m_confirmed = false;
};

extern TF_Posxs_Thje* F_Posxs_Thje;
