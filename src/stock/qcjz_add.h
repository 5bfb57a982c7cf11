// "库存商品期初建帐" (entry): the opening balance of one goods in one warehouse: its quantities
// per size and colour and its cost price. The window fills it before showing it: `btnFlag` "1"
// adds, "2" modifies the balance the goods has.
#pragma once

#include "platform/form.h"

class QLabel;
class QLineEdit;
class SizeColorGrid;

class TF_Qcjz_Add : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Qcjz_Add(QWidget* parent = nullptr);

    // Fills the dialog for goods `gSn` in warehouse `ckSn` (named `ckName`).
    void prepare(bool modify, const QString& gSn, const QString& ckSn, const QString& ckName);
    void btnOKClick();

    QString btnFlag;
    QLabel* lbGsn = nullptr;
    QLabel* lbGname = nullptr;
    QLabel* lbDw = nullptr;
    QLabel* lbCk = nullptr;
    QLineEdit* tcbj = nullptr;
    QLineEdit* tsl = nullptr;
    SizeColorGrid* StringGridIn = nullptr;

private:
    QString m_ckSn;
};

extern TF_Qcjz_Add* F_Qcjz_Add;
