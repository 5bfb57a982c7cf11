// "单据查询": every posted document of nine kinds in one list, searched by a key over the
// number, the outside number and the note, with the goods lines of the current document.
#pragma once

#include "platform/form.h"

class DataGrid;
class QLabel;
class QLineEdit;

class TF_Djcx : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Djcx(QWidget* parent = nullptr);

    QLineEdit* tname = nullptr;
    QPushButton* btnQuery = nullptr;
    QPushButton* btnView = nullptr;
    QPushButton* btnExit = nullptr;
    DataGrid* DBGrid1 = nullptr;
    DataGrid* DBGrid2 = nullptr;
    QLabel* lblDetail = nullptr;

    void setInitValue();
    void setDjDetail();
    void searchKeys();
    void btnViewClick();

protected:
    void FormActivate() override;
    bool FormKeyDown(QKeyEvent* event) override;
    void FormClose() override;
};

// The list of every document of the nine kinds, in kind order.
QString djcxListSql();
// The goods lines of document `djh` by its prefix; "" for the vouchers (no lines).
QString djcxLinesSql(const QString& djh);

extern TF_Djcx* F_Djcx;
