// "修改当前库存均价": the average cost of one goods in one warehouse, changed by hand.
#pragma once

#include "platform/form.h"

class QDoubleSpinBox;
class QLabel;
class QPushButton;

class TF_Kccx_Jj : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Kccx_Jj(QWidget* parent = nullptr);

    // Shows the goods and warehouse; the new-cost box starts at the current cost.
    void fill(const QString& gSn, const QString& gName, const QString& ckName, const QString& cost,
              const QString& ckSn);

    QLabel* lSn = nullptr;
    QLabel* lName = nullptr;
    QLabel* lCk = nullptr;
    QLabel* lCost = nullptr;
    QLabel* lCkSn = nullptr;  // hidden: the warehouse's code
    QDoubleSpinBox* tNew = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnExit = nullptr;

    void btnOKClick();
};

extern TF_Kccx_Jj* F_Kccx_Jj;
