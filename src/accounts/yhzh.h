// "现金银行期初建账": the money accounts with their add, modify, delete and opening-amount
// dialogs. Opened from the cash and bank window.
#pragma once

#include "platform/form.h"

class DataGrid;
class QLabel;
class QLineEdit;
class QPushButton;

class TF_Yhzh : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Yhzh(QWidget* parent = nullptr);

    QPushButton* btnAdd = nullptr;
    QPushButton* btnModi = nullptr;
    QPushButton* btnDele = nullptr;
    QPushButton* btnQcje = nullptr;
    QPushButton* btnExit = nullptr;
    DataGrid* cxGrid = nullptr;

    void btnAddClick();
    void btnModiClick();
    void btnDeleClick();
    void btnQcjeClick();

protected:
    void FormActivate() override;
    void FormClose() override;
};

// "增加银行账户" (TF_Yhzh_Add) and "修改银行账户" (TF_Yhzh_Modi): one layout; the modify dialog
// edits the account list's current row.
class TF_Yhzh_Edit : public TF_Form {
    Q_OBJECT
public:
    TF_Yhzh_Edit(bool modify, QWidget* parent = nullptr);

    QLineEdit* ttype = nullptr;
    QLineEdit* tname = nullptr;
    QLineEdit* tzje = nullptr;
    QLineEdit* tnote = nullptr;
    QPushButton* btnOk = nullptr;
    QPushButton* btnExit = nullptr;

    void btnOkClick();

protected:
    void FormActivate() override;

private:
    bool m_modify;
    qint64 m_id = 0;
};

class TF_Yhzh_Add : public TF_Yhzh_Edit {
public:
    explicit TF_Yhzh_Add(QWidget* parent = nullptr) : TF_Yhzh_Edit(false, parent) {}
};
class TF_Yhzh_Modi : public TF_Yhzh_Edit {
public:
    explicit TF_Yhzh_Modi(QWidget* parent = nullptr) : TF_Yhzh_Edit(true, parent) {}
};

// "期初金额": replaces the balance of the list's current account.
class TF_Yhzh_Qcjz : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Yhzh_Qcjz(QWidget* parent = nullptr);

    QLabel* yhzh = nullptr;
    QLineEdit* tfyje = nullptr;
    QPushButton* btnOk = nullptr;
    QPushButton* btnExit = nullptr;

    void btnOkClick();

protected:
    void FormActivate() override;

private:
    qint64 m_id = 0;
};

extern TF_Yhzh* F_Yhzh;
extern TF_Yhzh_Add* F_Yhzh_Add;
extern TF_Yhzh_Modi* F_Yhzh_Modi;
extern TF_Yhzh_Qcjz* F_Yhzh_Qcjz;
