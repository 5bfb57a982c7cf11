// "调价管理": changes the prices, the discount rate, the disabled flag and the special-price
// settings of the goods whose code the caller hands over in `curGoodsSn`, and logs the change.
#pragma once

#include "platform/form.h"

class QCheckBox;
class QDateEdit;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QTimeEdit;
struct PriceAdjustment;

class TF_Spxxgl_Tj : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Spxxgl_Tj(QWidget* parent = nullptr);

    QLineEdit* tsn = nullptr;
    QLineEdit* tname = nullptr;
    QLineEdit* tjj = nullptr;
    QLineEdit* tsj = nullptr;
    QLineEdit* tdzll = nullptr;
    QCheckBox* chkJy = nullptr;
    QGroupBox* grpTj = nullptr;  // "该商品是特价商品", checkable
    QLineEdit* ttj = nullptr;
    QLineEdit* thyj = nullptr;
    QCheckBox* chkTjqx = nullptr;
    QDateEdit* dKs = nullptr;
    QTimeEdit* tKs = nullptr;
    QDateEdit* dJs = nullptr;
    QTimeEdit* tJs = nullptr;
    QPushButton* btnSave = nullptr;
    QPushButton* btnExit = nullptr;

    void btnSaveClick();
    // What the dialog holds now.
    PriceAdjustment adjustment() const;

protected:
    void FormActivate() override;

private:
    void enableSpecial();
};

extern TF_Spxxgl_Tj* F_Spxxgl_Tj;
