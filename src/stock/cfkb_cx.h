// "拆分/捆绑查询": the warehouse and handler filter of the bundle history.
#pragma once

#include "platform/form.h"

class CodeComboBox;
class QPushButton;

class TF_Cfkb_Cx : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Cfkb_Cx(QWidget* parent = nullptr);

    CodeComboBox* comCk = nullptr;
    CodeComboBox* comUser = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnExit = nullptr;

    // The chosen codes; "-1" means no filter.
    QString warehouseCode() const;
    QString handlerCode() const;

protected:
    void FormActivate() override;
};

extern TF_Cfkb_Cx* F_Cfkb_Cx;
