// "增加商品" from a bill: creates one goods item that the bill does not find in the catalogue
// and hands its code back (`curGoodsSn`, `modeFlag` "1") so that the caller goes on to its
// size and colour grid. The barcode and its layout are stored; no variant barcode is built.
#pragma once

#include "masterdata/spxxgl_edit.h"

class TF_Cgjh_Goods_Add : public TF_SpxxglNew {
    Q_OBJECT
public:
    explicit TF_Cgjh_Goods_Add(QWidget* parent = nullptr);

    void btnSaveClick() override;
    void btnGcClick() override;
    // The photo belongs to the catalogue's goods dialogs; here "操作" does nothing.
    void btnPicClick() override {}

protected:
    void FormActivate() override;
    void FormClose() override;
};

extern TF_Cgjh_Goods_Add* F_Cgjh_Goods_Add;
