// "打印设置": the receipt's titles, footers and print options (one row of jxc_posprint).
#pragma once

#include "platform/form.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

class TF_PosPrinSet : public TF_Form {
    Q_OBJECT
public:
    explicit TF_PosPrinSet(QWidget* parent = nullptr);

    QComboBox* cbxDyfs = nullptr;
    QComboBox* cbxDyj = nullptr;
    QCheckBox* chkZjdy = nullptr;
    QCheckBox* chkDkqx = nullptr;
    QCheckBox* chkZdqz = nullptr;
    QLineEdit* edtBt1 = nullptr;
    QLineEdit* edtBt2 = nullptr;
    QLineEdit* edtJz1 = nullptr;
    QLineEdit* edtJz2 = nullptr;
    QLineEdit* edtKhs = nullptr;
    QLineEdit* edtFs = nullptr;
    QCheckBox* chkXfjf = nullptr;
    QCheckBox* chkFkfs = nullptr;
    QCheckBox* chkJedx = nullptr;
    QCheckBox* chkBzxx = nullptr;
    QPushButton* btnSave = nullptr;
    QPushButton* btnExit = nullptr;
    void btnSaveClick();

protected:
    void FormActivate() override;
};

extern TF_PosPrinSet* F_PosPrinSet;
