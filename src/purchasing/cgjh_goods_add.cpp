#include "purchasing/cgjh_goods_add.h"

#include "data/datamodule.h"
#include "data/globals.h"
#include "platform/categorytree.h"
#include "platform/msgbox.h"

TF_Cgjh_Goods_Add* F_Cgjh_Goods_Add = nullptr;

TF_Cgjh_Goods_Add::TF_Cgjh_Goods_Add(QWidget* parent)
    : TF_SpxxglNew(QStringLiteral("F_Cgjh_Goods_Add"), QStringLiteral("增加商品"), QStringLiteral("cgjh_goods_add"),
                   parent)
{
}

void TF_Cgjh_Goods_Add::FormActivate()
{
    startNewGoods();
}

void TF_Cgjh_Goods_Add::FormClose()
{
    if (!DataModule)
        return;
    DataModule->Q_GoodsClass->close();
    // The picker's category tree shows the categories created or deleted here.
    openQuery(DataModule->ADOQueryGoodsClass2, DataModule->ADOQueryGoodsClass2->designSql());
}

void TF_Cgjh_Goods_Add::btnGcClick()
{
    // Nothing to choose from: the dialog cannot create goods.
    if (tvClass->topLevelItemCount() == 0) {
        msgInfo(QStringLiteral("请添加商品类别！"), this);
        reject();
        return;
    }
    showClassPanel(true);
}

void TF_Cgjh_Goods_Add::btnSaveClick()
{
    const GoodsSaveResult saved = addGoods(fields(), VariantBarcodes::Skip);
    if (!saved.ok()) {
        msgInfo(saved.refusal, this);
        return;
    }
    choiceParam.clear();
    curGoodsSn = saved.sn;
    modeFlag = QStringLiteral("1");
    accept();
}
