// The group name dialogs "增加尺码组" (TF_Cmz_Add) and "增加颜色组" (TF_Colorz_Add): with
// `modeFlag` "add" a new group, with "modi" a new name for the group focused in the group
// window. The code of the group written goes back in `callerFlag`.
#pragma once

#include "platform/form.h"

struct SizeColorKit;
class QLineEdit;
class QPushButton;

class SizeColorNameForm : public TF_Form {
    Q_OBJECT
public:
    SizeColorNameForm(const SizeColorKit& kit, const QString& name);

    QLineEdit* Edit1 = nullptr;         // the group's name, up to 32 characters
    QPushButton* btnOK = nullptr;       // "确定"
    QPushButton* btnCancel = nullptr;   // "取消"

    void btnOKClick();

protected:
    void FormActivate() override;

private:
    const SizeColorKit& m_kit;
    QString m_mode;
    QString m_group;  // the group renamed
};

class TF_Cmz_Add : public SizeColorNameForm {
public:
    TF_Cmz_Add();
};

class TF_Colorz_Add : public SizeColorNameForm {
public:
    TF_Colorz_Add();
};

extern TF_Cmz_Add* F_Cmz_Add;
extern TF_Colorz_Add* F_Colorz_Add;
