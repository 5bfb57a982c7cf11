// "库存报损查询" / "库存报溢查询": the filter dialog of the loss and overflow history: warehouse,
// handler (each "all", code "-1", first) and the count-only box, which keeps its state. "确定"
// sets `choiceParam` "1".
#pragma once

#include "platform/form.h"

class CodeComboBox;
class QCheckBox;
class QLabel;

class TF_Bsby_Cx : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Bsby_Cx(QWidget* parent = nullptr);
    void btnOKClick();
    // The dialog's texts for the kind: loss or overflow.
    void setLoss(bool loss);

    QLabel* lbCk = nullptr;
    CodeComboBox* comCk = nullptr;
    CodeComboBox* comUser = nullptr;
    QCheckBox* cbPd = nullptr;

protected:
    void FormActivate() override;
};

extern TF_Bsby_Cx* F_Bsby_Cx;
