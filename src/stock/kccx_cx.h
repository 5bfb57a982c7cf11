// "查找": the stock list of the goods a supplier supplies, in one warehouse or all, with an
// optional comparison of the stock quantity.
#pragma once

#include "platform/form.h"

class CodeComboBox;
class PartnerPanel;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

class TF_Kccx_Cx : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Kccx_Cx(QWidget* parent = nullptr);

    CodeComboBox* comCk = nullptr;
    QLineEdit* tGhs = nullptr;
    QPushButton* btnGhs = nullptr;
    PartnerPanel* panelGhs = nullptr;
    QComboBox* comOp = nullptr;
    QSpinBox* tSl = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnExit = nullptr;

    void btnOKClick();

protected:
    void FormActivate() override;
    void FormClose() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};

extern TF_Kccx_Cx* F_Kccx_Cx;
