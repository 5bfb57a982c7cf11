// "输入打印条码数量": the print quantity for the selected variants. The opener sets the goods
// label and the number; "确定" hands the number back as text, "取消" hands back nothing.
#pragma once

#include "platform/form.h"

class QLabel;
class QLineEdit;
class QPushButton;

class TF_Tmgl_Add : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Tmgl_Add(QWidget* parent = nullptr);

    QLabel* lblGoods = nullptr;
    QLineEdit* edtNum = nullptr;  // whole number, at most 7 characters
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;
    QString answer;

    void setGoods(const QString& label, const QString& quantity);
    void btnOKClick();

protected:
    void FormActivate() override;
};

extern TF_Tmgl_Add* F_Tmgl_Add;
