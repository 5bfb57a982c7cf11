// Adds ("增加常用备注信息", btnFlag "1") or modifies ("修改常用备注信息") a preset remark; the
// remark modified is the current row of Q_Djbz.
#pragma once

#include "platform/form.h"

class QLineEdit;
class QPushButton;

class TF_Djbz_Add : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Djbz_Add(QWidget* parent = nullptr);

    QString btnFlag;  // "1" add, "2" modify
    QLineEdit* tname = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnExit = nullptr;

    void btnOKClick();

protected:
    void FormActivate() override;
};

extern TF_Djbz_Add* F_Djbz_Add;
