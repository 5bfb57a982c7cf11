// "系统设置": the company record and the business settings of jxc_xtcs.
#pragma once

#include "platform/form.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;

class TF_Xtcs : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Xtcs(QWidget* parent = nullptr);

    QTabWidget* RzPageControl1 = nullptr;
    QLineEdit* tname = nullptr;
    QLineEdit* tjc = nullptr;
    QLineEdit* ttele = nullptr;
    QLineEdit* taddress = nullptr;
    QComboBox* comCgdj = nullptr;
    QComboBox* comXsdj = nullptr;
    QCheckBox* chkXgdj = nullptr;
    QCheckBox* chkKc = nullptr;
    QCheckBox* chkYsdh = nullptr;
    QCheckBox* chkSpbh = nullptr;
    QCheckBox* chkCt = nullptr;
    QCheckBox* chkXt = nullptr;
    QCheckBox* chkXjyh = nullptr;
    QCheckBox* chkTjcyjf = nullptr;
    QCheckBox* chkPosdj = nullptr;
    QCheckBox* chkPoshooktoday = nullptr;
    QCheckBox* chkPosrq = nullptr;
    QSpinBox* tPosfkws = nullptr;
    QSpinBox* tXsws = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;

    void btnOKClick();
    // Writes the company row and the settings it shows; false when a check refused the input.
    bool saveValue();

protected:
    void FormActivate() override;

private:
    struct Check {
        QCheckBox* box;
        const char* column;
    };
    QList<Check> m_checks;
};

extern TF_Xtcs* F_Xtcs;
