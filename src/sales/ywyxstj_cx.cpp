#include "sales/ywyxstj_cx.h"

#include "data/datamodule.h"

TF_Ywyxstj_Cx* F_Ywyxstj_Cx = nullptr;

TF_Ywyxstj_Cx::TF_Ywyxstj_Cx(QWidget* parent)
    : SalesStatFilter({.objectName = "TF_Ywyxstj_Cx",
                       .title = "查询",
                       .warehouseCaption = "仓库名称：",
                       .kindCaption = "单据类型：",
                       .kinds = {QStringLiteral("销售单"), QStringLiteral("退货单"), QStringLiteral("付款单")},
                       .withHandler = false,
                       .customers = DataModule->Q_YwyxstjKh},
                      parent)
{
}
