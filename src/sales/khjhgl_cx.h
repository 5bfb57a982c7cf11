// "借货高级查询": the lending register's filter dialog: customer (with its own customer panel),
// handler, warehouse, period and "显示已还货数据". "确定" sets choiceParam to "1".
#pragma once

#include "platform/form.h"

class CodeComboBox;
class PartnerPanel;
class QCheckBox;
class QDateEdit;
class QLineEdit;

class TF_Khjhgl_Cx : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Khjhgl_Cx(QWidget* parent = nullptr);
    void btnOKClick();

    QLineEdit* tkh = nullptr;
    CodeComboBox* comUser = nullptr;
    CodeComboBox* comCk = nullptr;
    QDateEdit* date1 = nullptr;
    QDateEdit* date2 = nullptr;
    QCheckBox* chkSettled = nullptr;
    PartnerPanel* RzPanelKh = nullptr;

protected:
    void FormActivate() override;
    bool FormKeyDown(QKeyEvent* event) override;
};

extern TF_Khjhgl_Cx* F_Khjhgl_Cx;
