// "抹零操作": the round-off of the payment, within the operator's own limit.
#pragma once

#include "data/values.h"
#include "platform/form.h"

class QLabel;
class QLineEdit;
class QPushButton;

class TF_Posxs_Ml : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Posxs_Ml(QWidget* parent = nullptr);

    void setAmountDue(const QString& due) { m_due = due; }
    bool confirmed() const { return m_confirmed; }
    Money roundOff() const { return m_roundOff; }

    QLabel* lblXfje = nullptr;
    QLineEdit* edtMlje = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnExit = nullptr;
    void btnSaveClick();

protected:
    void FormActivate() override;
    bool FormKeyDown(QKeyEvent* event) override;

private:
    QString m_due;
    bool m_confirmed = false;
    Money m_roundOff;
};

extern TF_Posxs_Ml* F_Posxs_Ml;
