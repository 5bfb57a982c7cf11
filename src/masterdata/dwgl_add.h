// "增加单位": a new unit of measure; unit names may repeat.
#pragma once

#include "platform/form.h"

class QLineEdit;
class QPushButton;

class TF_Dwgl_Add : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Dwgl_Add(QWidget* parent = nullptr);

    QLineEdit* Edit1 = nullptr;      // "单位名称：", up to 32 characters
    QPushButton* btnSave = nullptr;  // "保存(F5)"
    QPushButton* btnExit = nullptr;  // "退出(Esc)"

    void btnSaveClick();

protected:
    void FormActivate() override;
};

extern TF_Dwgl_Add* F_Dwgl_Add;
