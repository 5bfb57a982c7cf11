// "财务报表管理--现金银行": every money account with its balance and the selected account's
// cash journal of a period, with deposits ("进款"), withdrawals ("出款"), transfers ("转账"),
// vouchers, list prints and the opening-balance window.
#pragma once

#include "accounts/moneydialog.h"

class CodeComboBox;
class DataGrid;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

class TF_Xjyh : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Xjyh(QWidget* parent = nullptr);

    QPushButton* btn_Chuk = nullptr;
    QPushButton* btn_Rukuan = nullptr;
    QPushButton* btn_Yhzz = nullptr;
    QPushButton* btn_Qcjz = nullptr;
    QPushButton* btn_Prin = nullptr;
    QPushButton* btn_Exit = nullptr;
    QDateEdit* tdate11 = nullptr;
    QDateEdit* tdate12 = nullptr;
    QToolButton* btnMenu1 = nullptr;
    CodeComboBox* comUser = nullptr;
    QLabel* fymx = nullptr;
    QPushButton* btnSearch1 = nullptr;
    QPushButton* btnPrin2 = nullptr;
    DataGrid* cxGrid1 = nullptr;
    DataGrid* cxGrid2 = nullptr;

    void btnSearch1Click();
    void btn_PrinClick();
    void btnPrin2Click();
    void btn_QcjzClick();

protected:
    void FormActivate() override;
    bool FormKeyDown(QKeyEvent* event) override;
    void FormClose() override;
};

// "进款" (TF_Xjyh_Jk) and "出款" (TF_Xjyh_Ck): one layout.
class TF_Xjyh_Move : public TF_MoneyDialog {
    Q_OBJECT
public:
    TF_Xjyh_Move(bool withdrawal, QWidget* parent = nullptr);

    void btnOKClick() override;
    void btnPrinClick() override;

private:
    bool m_withdrawal;
};

class TF_Xjyh_Jk : public TF_Xjyh_Move {
public:
    explicit TF_Xjyh_Jk(QWidget* parent = nullptr) : TF_Xjyh_Move(false, parent) {}
};
class TF_Xjyh_Ck : public TF_Xjyh_Move {
public:
    explicit TF_Xjyh_Ck(QWidget* parent = nullptr) : TF_Xjyh_Move(true, parent) {}
};

// "转账" between two accounts.
class TF_Xjyh_Zz : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Xjyh_Zz(QWidget* parent = nullptr);

    CodeComboBox* comYhzh = nullptr;
    CodeComboBox* comYhzh1 = nullptr;
    QLineEdit* tfyje = nullptr;
    CodeComboBox* comUser = nullptr;
    QLineEdit* tnote = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnExit = nullptr;

    void btnOKClick();

protected:
    void FormActivate() override;
};

extern TF_Xjyh* F_Xjyh;
extern TF_Xjyh_Jk* F_Xjyh_Jk;
extern TF_Xjyh_Ck* F_Xjyh_Ck;
extern TF_Xjyh_Zz* F_Xjyh_Zz;
