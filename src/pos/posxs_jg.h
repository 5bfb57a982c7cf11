// "解挂": the held sales with their lines; resumes one onto the till, deletes or prints them.
#pragma once

#include "bills/querykit.h"
#include "platform/form.h"

class DataGrid;
class NamedQuery;
class QLabel;
class QLineEdit;
class QPushButton;

class TF_Posxs_Jg : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Posxs_Jg(QWidget* parent = nullptr);

    void search();
    void showLines();
    void btnSaveClick();  // resume
    void btnDelClick();
    void printList(bool detail);

    QueryPeriod period;
    QLineEdit* edtKey = nullptr;
    QPushButton* btnSearch = nullptr;
    DataGrid* gridHeld = nullptr;
    DataGrid* gridLines = nullptr;
    NamedQuery* qHeld = nullptr;
    NamedQuery* qLines = nullptr;
    QLabel* lblDetail = nullptr;
    QPushButton* btnResume = nullptr;
    QPushButton* btnPrint = nullptr;
    QPushButton* btnDel = nullptr;
    QPushButton* btnExit = nullptr;

protected:
    void FormActivate() override;
    bool FormKeyDown(QKeyEvent* event) override;
};

extern TF_Posxs_Jg* F_Posxs_Jg;
