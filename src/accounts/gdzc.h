// "财务报表管理--固定资产": the fixed assets' total and opening amount, the movements of a period
// with their print, and the increase, decrease and opening dialogs.
#pragma once

#include "platform/form.h"

class CodeComboBox;
class DataGrid;
class NamedQuery;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

class TF_Gdzc : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Gdzc(QWidget* parent = nullptr);

    QPushButton* btn_Zczj = nullptr;
    QPushButton* btn_Zcjs = nullptr;
    QPushButton* btn_Zcjz = nullptr;
    QPushButton* btn_Prin = nullptr;
    QPushButton* btn_Exit = nullptr;
    QLabel* gdzcze = nullptr;
    QLabel* qcje = nullptr;
    QDateEdit* tdate11 = nullptr;
    QDateEdit* tdate12 = nullptr;
    QToolButton* btnMenu1 = nullptr;
    QPushButton* btnSearch = nullptr;
    NamedQuery* Q_Gdzc = nullptr;
    DataGrid* cxGrid = nullptr;

    void refreshTotals();
    void listSearch();
    // The kind filter of the list's menu: empty for all kinds.
    void showKind(const QString& kind);
    void openingEntry();
    void moveEntry(bool increase);
    void print();

protected:
    void FormActivate() override;
    bool FormKeyDown(QKeyEvent* event) override;

private:
    QString m_kind;
};

// "资产增加" (TF_Gdzc_Zj) and "减少资产" (TF_Gdzc_Js): amount, handler and note.
class TF_Gdzc_Move : public TF_Form {
    Q_OBJECT
public:
    TF_Gdzc_Move(bool increase, QWidget* parent = nullptr);

    QLineEdit* tje = nullptr;
    CodeComboBox* comUser = nullptr;
    QLineEdit* tnote = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnExit = nullptr;

    void btnOKClick();

protected:
    void FormActivate() override;

private:
    bool m_increase;
};

class TF_Gdzc_Zj : public TF_Gdzc_Move {
public:
    explicit TF_Gdzc_Zj(QWidget* parent = nullptr) : TF_Gdzc_Move(true, parent) {}
};
class TF_Gdzc_Js : public TF_Gdzc_Move {
public:
    explicit TF_Gdzc_Js(QWidget* parent = nullptr) : TF_Gdzc_Move(false, parent) {}
};

// "固定资产期初建账".
class TF_Gdzc_Qc : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Gdzc_Qc(QWidget* parent = nullptr);

    QLineEdit* tje = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnExit = nullptr;

    void btnOKClick();

protected:
    void FormActivate() override;
};

extern TF_Gdzc* F_Gdzc;
extern TF_Gdzc_Zj* F_Gdzc_Zj;
extern TF_Gdzc_Js* F_Gdzc_Js;
extern TF_Gdzc_Qc* F_Gdzc_Qc;
