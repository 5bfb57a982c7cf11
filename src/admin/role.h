// "角色管理": the list of roles with their add, modify and delete commands.
#pragma once

#include "platform/form.h"

class DataGrid;
class QPushButton;

class TF_Role : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Role(QWidget* parent = nullptr);

    QPushButton* btnAdd = nullptr;
    QPushButton* btnModi = nullptr;
    QPushButton* btnDele = nullptr;
    QPushButton* btnExit = nullptr;
    DataGrid* DBGrid1 = nullptr;

    void btnAddClick();
    void btnModiClick();
    void btnDeleClick();

protected:
    void FormActivate() override;
    void FormClose() override;
};

extern TF_Role* F_Role;
