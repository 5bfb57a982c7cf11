// "品牌厂商": the brands the goods dialogs offer (the built-in "默认品牌" is not shown). The
// caller refills its brand list when the window closes.
#pragma once

#include "platform/form.h"

class DataGrid;
class QPushButton;

class TF_Ppcs : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Ppcs(QWidget* parent = nullptr);

    DataGrid* DBGrid1 = nullptr;
    QPushButton* btnAdd = nullptr;   // "增加"
    QPushButton* btnDel = nullptr;   // "删除"
    QPushButton* btnExit = nullptr;  // "退出"

    void btnAddClick();
    void btnDelClick();

protected:
    void FormActivate() override;
    void FormClose() override;
};

extern TF_Ppcs* F_Ppcs;

// The statement of the brand list.
QString ppcsSql();
