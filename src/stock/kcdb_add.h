// "增加商品(库存调拨)": the goods picker of the stock transfer. It lists the goods that have a
// stock row in the transfer's out warehouse (whatever its quantity); "确定" turns the picked
// goods into working lines of the transfer, each with its own size and colour rows.
#pragma once

#include "bills/goodspicker.h"

class TF_Kcdb_Add : public TF_GoodsPicker {
    Q_OBJECT
public:
    explicit TF_Kcdb_Add(QWidget* parent = nullptr);

protected:
    QString allGoodsSql(bool byFrequency) const override;
    QString categoryGoodsSql(const QString& gcSn, bool byFrequency) const override;
    TF_LineDialog* lineDialog() override;
    QString addMode() const override { return QStringLiteral("kcdb_add"); }
    QString modifyMode() const override { return QStringLiteral("kcdb_modi"); }
    Transfer transferTarget() const override;
    QString pickedSql() const override;
};

extern TF_Kcdb_Add* F_Kcdb_Add;
