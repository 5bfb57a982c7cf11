// "员工信息": the staff list with its key search, search dialog, delete and print.
#pragma once

#include "platform/form.h"

class DataGrid;
class QLineEdit;
class QPushButton;

class TF_User : public TF_Form {
    Q_OBJECT
public:
    explicit TF_User(QWidget* parent = nullptr);

    QLineEdit* tKey = nullptr;
    QPushButton* btnQuery = nullptr;
    QPushButton* btnAdd = nullptr;
    QPushButton* btnModi = nullptr;
    QPushButton* btnDele = nullptr;
    QPushButton* btnSearch = nullptr;
    QPushButton* btnAll = nullptr;
    QPushButton* btnPrint = nullptr;
    QPushButton* btnExit = nullptr;
    DataGrid* DBGrid1 = nullptr;

    void btnAddClick();
    void btnModiClick();
    void btnDeleClick();
    void btnSearchClick();
    void btnAllClick();
    void btnPrintClick();
    void searchKeys();
    // The search dialog's texts: rows matching any non-empty one; all empty shows every row.
    void filterData(const QString& name, const QString& duty, const QString& tele, const QString& address);

protected:
    void FormActivate() override;
    bool FormKeyDown(QKeyEvent* event) override;
    void FormClose() override;
};

// The staff grid the list and the handler picker share: its columns on Q_User and the footer.
void setupStaffGrid(DataGrid* grid);
// The key search of both: the key anywhere in name, short code, duty, telephone or address.
void searchStaffKeys(DataGrid* grid, const QString& key);

extern TF_User* F_User;
