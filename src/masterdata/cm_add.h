// The member dialogs: "增加尺码" (TF_Cm_Add) and "修改尺码" (TF_Cm_Modi), "增加颜色"
// (TF_Color_Add) and "修改颜色信息" (TF_Color_Modi). A modify dialog acts on the member focused
// in its family's composition editor. F5 saves, Esc closes.
#pragma once

#include "platform/form.h"

struct SizeColorKit;
class QLineEdit;
class QPushButton;

class SizeColorMemberForm : public TF_Form {
    Q_OBJECT
public:
    SizeColorMemberForm(const SizeColorKit& kit, bool modify, const QString& name);

    QLineEdit* Edit1 = nullptr;        // the name, up to 16 characters
    QLineEdit* Edit2 = nullptr;        // the barcode code, up to 8 characters
    QPushButton* btnSave = nullptr;    // "保存(F5)"
    QPushButton* btnExit = nullptr;    // "退出(Esc)"

    void btnSaveClick();

protected:
    void FormActivate() override;

private:
    const SizeColorKit& m_kit;
    bool m_modify;
    QString m_member;  // the member modified
};

class TF_Cm_Add : public SizeColorMemberForm {
public:
    TF_Cm_Add();
};
class TF_Cm_Modi : public SizeColorMemberForm {
public:
    TF_Cm_Modi();
};
class TF_Color_Add : public SizeColorMemberForm {
public:
    TF_Color_Add();
};
class TF_Color_Modi : public SizeColorMemberForm {
public:
    TF_Color_Modi();
};

extern TF_Cm_Add* F_Cm_Add;
extern TF_Cm_Modi* F_Cm_Modi;
extern TF_Color_Add* F_Color_Add;
extern TF_Color_Modi* F_Color_Modi;
