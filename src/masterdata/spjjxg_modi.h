// "修改当前库存均价": overwrites the moving-average cost of the stock row focused in the cost
// correction list (the current row of Q_Spjj).
#pragma once

#include "platform/form.h"

class QLabel;
class QLineEdit;
class QPushButton;

class TF_Spjjxg_Modi : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Spjjxg_Modi(QWidget* parent = nullptr);

    QLabel* lblSn = nullptr;
    QLabel* lblName = nullptr;
    QLabel* lblCk = nullptr;
    QLabel* lblCbj = nullptr;
    QLineEdit* tcbj = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnExit = nullptr;

    void btnOKClick();

protected:
    void FormActivate() override;
};

extern TF_Spjjxg_Modi* F_Spjjxg_Modi;
