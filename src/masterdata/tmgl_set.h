// "条码设置": typed colour and size codes of one goods item. "确定" replaces the goods' variant
// barcodes by one per colour and size column with the codes typed; the goods record stays.
#pragma once

#include "platform/form.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

class TF_Tmgl_Set : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Tmgl_Set(QWidget* parent = nullptr);

    QString gSn;  // the goods, set by the opener
    QLabel* lblSn = nullptr;
    QLabel* lblName = nullptr;
    QLineEdit* edtSptm = nullptr;  // "商品条码：" (32 characters)
    QComboBox* cbType = nullptr;   // "商品条码+颜色+尺码", "商品条码+尺码+颜色"
    QTableWidget* gridColor = nullptr;  // row 0 the names, row 1 the codes
    QTableWidget* gridSize = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;

    void btnOKClick();

protected:
    void FormActivate() override;
};

extern TF_Tmgl_Set* F_Tmgl_Set;
