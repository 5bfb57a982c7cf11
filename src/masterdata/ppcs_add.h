// "增加品牌": a new brand; brand names are unique.
#pragma once

#include "platform/form.h"

class QLineEdit;
class QPushButton;

class TF_Ppcs_Add : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Ppcs_Add(QWidget* parent = nullptr);

    QLineEdit* Edit1 = nullptr;        // "输入品牌厂商：", up to 32 characters
    QPushButton* btnOK = nullptr;      // "确定"
    QPushButton* btnCancel = nullptr;  // "取消"

    void btnOKClick();

protected:
    void FormActivate() override;
};

extern TF_Ppcs_Add* F_Ppcs_Add;
