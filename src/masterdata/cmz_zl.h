// The composition editors "尺码组资料" (TF_Cmz_Zl) and "颜色组资料" (TF_Colorz_Zl) of the group
// whose code the caller put into `callerFlag`: the group's members on the left, what may be
// added on the right. Every command is written at once; "确定退出" only closes.
#pragma once

#include "platform/form.h"

struct SizeColorKit;
class DataGrid;
class QLabel;
class QLineEdit;
class QPushButton;

class SizeColorEditorForm : public TF_Form {
    Q_OBJECT
public:
    SizeColorEditorForm(const SizeColorKit& kit, const QString& name);

    QLabel* lblName = nullptr;         // the group's name after "当前尺码组："
    DataGrid* DBGrid1 = nullptr;       // "当前尺码组所含尺码"
    DataGrid* DBGrid2 = nullptr;       // "所有尺码": not in the group
    QPushButton* btnAdd = nullptr;     // "<"
    QPushButton* btnAddAll = nullptr;  // "<<"
    QPushButton* btnDel = nullptr;     // ">"
    QPushButton* btnDelAll = nullptr;  // ">>"
    QLineEdit* tKey = nullptr;         // "查询尺码："
    QPushButton* btnModi = nullptr;    // "修改尺码"
    QPushButton* btnNew = nullptr;     // "新增尺码"
    QPushButton* btnDelete = nullptr;  // "删除尺码"
    QPushButton* btnOK = nullptr;      // "确定退出"

    void btnAddClick();
    void btnAddAllClick();
    void btnDelClick();
    void btnDelAllClick();
    void btnModiClick();
    void btnNewClick();
    void btnDeleteClick();

protected:
    void FormActivate() override;
    void FormClose() override;

private:
    void fillAvailable();
    void refreshBoth();
    QString focused(DataGrid* grid) const;

    const SizeColorKit& m_kit;
    QString m_group;
};

class TF_Cmz_Zl : public SizeColorEditorForm {
public:
    TF_Cmz_Zl();
};

class TF_Colorz_Zl : public SizeColorEditorForm {
public:
    TF_Colorz_Zl();
};

extern TF_Cmz_Zl* F_Cmz_Zl;
extern TF_Colorz_Zl* F_Colorz_Zl;
