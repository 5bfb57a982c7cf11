// "仓库管理": the warehouse list with its quick search, search dialog, delete and print.
#pragma once

#include "platform/form.h"

class DataGrid;
class QLineEdit;
class QPushButton;

class TF_Ckgl : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Ckgl(QWidget* parent = nullptr);

    QLineEdit* tKey = nullptr;
    QPushButton* btnQuery = nullptr;
    QPushButton* btnAdd = nullptr;
    QPushButton* btnModi = nullptr;
    QPushButton* btnDele = nullptr;
    QPushButton* btnSearch = nullptr;
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

protected:
    void FormActivate() override;
    bool FormKeyDown(QKeyEvent* event) override;
    void FormClose() override;
};

// The list's statement, newest warehouse first.
QString ckxxListSql(const QString& condition = QStringLiteral("1=1 "));

extern TF_Ckgl* F_Ckgl;
