// "单位管理": the units of measure, newest first. "确定" (and a deletion) refills the unit list
// of the window whose caller word is in `callerFlag` (unitCallers) and selects the unit.
#pragma once

#include "platform/form.h"

class DataGrid;
class QPushButton;

class TF_Dwgl : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Dwgl(QWidget* parent = nullptr);

    DataGrid* DBGrid1 = nullptr;
    QPushButton* btnAdd = nullptr;   // "增加"
    QPushButton* btnDel = nullptr;   // "删除"
    QPushButton* btnOK = nullptr;    // "确定"
    QPushButton* btnExit = nullptr;  // "退出"

    void btnAddClick();
    void btnDelClick();
    void btnOKClick();
    // Refills the caller's unit list and selects the focused unit; an unknown word does nothing.
    void setComValue();

protected:
    void FormActivate() override;
    void FormClose() override;
};

extern TF_Dwgl* F_Dwgl;
