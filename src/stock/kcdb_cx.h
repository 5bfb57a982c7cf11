// "库存调拨高级查询": the transfer history's filter dialog: out warehouse, in warehouse and
// handler, each with "all" (code "-1") first. "确定" sets `choiceParam` "1".
#pragma once

#include "platform/form.h"

class CodeComboBox;

class TF_Kcdb_Cx : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Kcdb_Cx(QWidget* parent = nullptr);
    void btnOKClick();

    CodeComboBox* comCk = nullptr;
    CodeComboBox* comCk2 = nullptr;
    CodeComboBox* comUser = nullptr;

protected:
    void FormActivate() override;
};

extern TF_Kcdb_Cx* F_Kcdb_Cx;
