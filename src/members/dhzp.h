// "兑换赠品": a points exchange of one member. Lines are written as they are entered under the
// number shown; the save writes the header, takes the stock and the points.
#pragma once

#include "platform/form.h"

class DataGrid;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

class TF_Dhzp : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Dhzp(QWidget* parent = nullptr);

    QLabel* lblDjh = nullptr;
    QLineEdit* edtCard = nullptr;  // 会员编号(F6)
    QLabel* lblBh = nullptr;
    QLabel* lblName = nullptr;
    QLabel* lblLevel = nullptr;
    QLabel* lblJf = nullptr;
    QLineEdit* edtGift = nullptr;  // 赠品编号(F2)
    DataGrid* DBGrid1 = nullptr;
    QPushButton* btnDele = nullptr;
    QPushButton* btnSl = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnExit = nullptr;
    // The quantity panel
    QWidget* pnlSl = nullptr;
    QLabel* lblGoods = nullptr;
    QLabel* lblOld = nullptr;
    QLineEdit* edtNew = nullptr;
    QPushButton* btnSlOK = nullptr;
    QPushButton* btnSlExit = nullptr;

    QString number() const { return m_djh; }
    void cardEnter();
    void giftEnter();
    void btnDeleClick();
    void btnSlClick();
    void slOKClick();
    void btnOKClick();

protected:
    void FormActivate() override;
    bool FormKeyDown(QKeyEvent* event) override;
    bool FormCloseQuery() override;

private:
    void startExchange();
    void listLines();
    // Saves the exchange; false (after its message) when it was refused or there was nothing.
    bool save();

    QString m_djh;
    QString m_handed;  // the card handed over by the register
};

extern TF_Dhzp* F_Dhzp;
