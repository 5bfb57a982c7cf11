// The group windows "尺码组" (TF_Cmz) and "颜色组" (TF_Colorz): the groups on the left, the
// members of the focused group on the right. One class serves both families.
#pragma once

#include "platform/form.h"

struct SizeColorKit;
class DataGrid;
class QGroupBox;
class QPushButton;

class SizeColorGroupForm : public TF_Form {
    Q_OBJECT
public:
    SizeColorGroupForm(const SizeColorKit& kit, const QString& name);

    QGroupBox* GroupBox1 = nullptr;  // "所有尺码组"
    DataGrid* DBGrid1 = nullptr;     // the groups
    QPushButton* btnAdd = nullptr;   // "新增": a new group
    QPushButton* btnModi = nullptr;  // "修改": rename
    QPushButton* btnDel = nullptr;   // "删除": delete the group
    QGroupBox* GroupBox2 = nullptr;  // "<group>所含尺码"
    DataGrid* DBGrid2 = nullptr;     // the members of the focused group
    QPushButton* btnAdd2 = nullptr;  // "新增": the composition editor
    QPushButton* btnDel2 = nullptr;  // "删除": take the focused member out
    QPushButton* btnOK = nullptr;    // "确定退出"

    void btnAddClick();
    void btnModiClick();
    void btnDelClick();
    void btnAdd2Click();
    void btnDel2Click();
    // Shows the members of the focused group.
    void showMembers();

protected:
    void FormActivate() override;

private:
    void reloadGroups();
    QString focusedGroup() const;

    const SizeColorKit& m_kit;
};

class TF_Cmz : public SizeColorGroupForm {
public:
    TF_Cmz();
};

class TF_Colorz : public SizeColorGroupForm {
public:
    TF_Colorz();
};

extern TF_Cmz* F_Cmz;
extern TF_Colorz* F_Colorz;
