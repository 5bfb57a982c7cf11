// "增加商品": enters goods one after another; stays open after each save and lists the goods
// saved since it was opened.
#pragma once

#include "masterdata/spxxgl_edit.h"

class DataGrid;

class TF_Spxxgl_Add : public TF_SpxxglNew {
    Q_OBJECT
public:
    explicit TF_Spxxgl_Add(QWidget* parent = nullptr);

    DataGrid* DBGridTmp = nullptr;  // "已存商品"

    void btnSaveClick() override;
    void btnGcClick() override;

protected:
    void FormActivate() override;
    void FormClose() override;
};

extern TF_Spxxgl_Add* F_Spxxgl_Add;
