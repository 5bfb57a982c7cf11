// "新增还货": the give-back of one borrowing line, the focused line of the lending register's
// list (Q_Khjhgl1) of the customer in curKhSn. It takes the whole quantity still out back
// (postKhjhGiveBack) and closes; the lines of the customer and goods still out are listed.
#pragma once

#include "platform/form.h"

class CodeComboBox;
class DataGrid;
class QDateEdit;
class QLabel;
class QLineEdit;

// The register's focused borrowing line, as the give-back and the conversion show it.
struct LendingLineView {
    qint64 id = 0;
    QString djh, gSn, gName, khName, ckSn, ckName, date, quantity, salePrice;
};
LendingLineView focusedLendingLine();

class TF_Khjhgl_Hh : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Khjhgl_Hh(QWidget* parent = nullptr);
    void btnOKClick();  // "确定(F5)"
    void dateChange();

    QLabel* lbDjh = nullptr;
    QDateEdit* dateHh = nullptr;
    CodeComboBox* comUser = nullptr;
    QLineEdit* tnote = nullptr;
    QLineEdit* thhsl = nullptr;
    DataGrid* DBGrid1 = nullptr;

protected:
    void FormActivate() override;
    bool FormKeyDown(QKeyEvent* event) override;
    void FormClose() override;

private:
    LendingLineView m_line;
    QList<QLabel*> m_fields;
    bool m_initialising = false;
};

extern TF_Khjhgl_Hh* F_Khjhgl_Hh;
