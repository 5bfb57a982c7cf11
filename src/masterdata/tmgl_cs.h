// "条码测试": looks a scanned variant barcode up and shows its goods, colour and size.
#pragma once

#include "platform/form.h"

class QLabel;
class QLineEdit;
class QPushButton;

class TF_Tmgl_Cs : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Tmgl_Cs(QWidget* parent = nullptr);

    QLineEdit* edtKey = nullptr;
    // 商品编号, 商品名称, 款型说明, 单位, 颜色, 尺码, 颜色代码, 尺码代码.
    QLabel* lblInfo[8] = {};
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;

    void btnOKClick();

protected:
    void FormActivate() override;
};

extern TF_Tmgl_Cs* F_Tmgl_Cs;
