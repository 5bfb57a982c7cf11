// "商品信息(库存盘点)": the counted quantities of one goods per size and colour, beside its stock
// in the sheet's warehouse. A new line starts with the stock in every cell.
#pragma once

#include "platform/form.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class SizeColorGrid;

class TF_Kcpd_Sele : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Kcpd_Sele(QWidget* parent = nullptr);

    QTabWidget* pages = nullptr;
    QLabel* lSn = nullptr;
    QLabel* lName = nullptr;
    QLabel* lGg = nullptr;
    QLabel* lDw = nullptr;
    QLabel* lSccs = nullptr;
    QLabel* lKc = nullptr;
    QLabel* lBz = nullptr;
    SizeColorGrid* StringGridKc = nullptr;
    SizeColorGrid* StringGridIn = nullptr;
    QLineEdit* tsl = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnExit = nullptr;

    void btnOKClick();

protected:
    void FormActivate() override;

private:
    QString m_warehouse;
    qint64 m_lineId = 0;
};

extern TF_Kcpd_Sele* F_Kcpd_Sele;
