// "操作员设置": the operators with their search, add, modify, delete, copy and paste commands.
#pragma once

#include "admin/adminrecords.h"
#include "platform/form.h"

class DataGrid;
class QAction;
class QLineEdit;
class QPushButton;

class TF_Admin : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Admin(QWidget* parent = nullptr);

    QLineEdit* tkey = nullptr;
    QPushButton* btnQuery = nullptr;
    QPushButton* btnAdd = nullptr;
    QPushButton* btnModi = nullptr;
    QPushButton* btnDele = nullptr;
    QPushButton* btnExit = nullptr;
    DataGrid* DBGrid1 = nullptr;
    QAction* actCopy = nullptr;
    QAction* actPaste = nullptr;

    void btnAddClick();
    void btnModiClick();
    void btnDeleClick();
    void btnQueryClick();
    void copyClick();
    void pasteClick();

protected:
    void FormActivate() override;
    bool FormKeyDown(QKeyEvent* event) override;
    void FormClose() override;

private:
    CopiedOperator m_copy;
};

// Re-opens the operator list with its design statement.
void reopenAdminList();

extern TF_Admin* F_Admin;
