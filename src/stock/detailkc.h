// "详细数据": the size × colour stock of one goods, in one warehouse or over every warehouse,
// read-only, with the sizes and colours that occur in that stock.
#pragma once

#include "platform/form.h"

class QCheckBox;
class QLabel;
class QPushButton;
class SizeColorGrid;

class TF_DetailKc : public TF_Form {
    Q_OBJECT
public:
    explicit TF_DetailKc(QWidget* parent = nullptr);

    QLabel* lSn = nullptr;
    QLabel* lName = nullptr;
    QLabel* lDw = nullptr;
    QLabel* lGg = nullptr;
    QLabel* lKc = nullptr;  // 当前库存
    QLabel* lSccs = nullptr;
    SizeColorGrid* StringGridKc = nullptr;
    QCheckBox* chkHide = nullptr;
    QPushButton* btnExit = nullptr;

protected:
    // Reads the goods from curGoodsSn and the warehouse from paramValue (empty: every warehouse).
    void FormActivate() override;
    void FormClose() override;
};

extern TF_DetailKc* F_DetailKc;
