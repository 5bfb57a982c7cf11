// "增加借货商品": the goods picker of the loan. It lists the goods that have a stock row in the
// loan's warehouse (whatever its quantity); "确定" turns the picked goods into working lines of
// the loan, each with its own size and colour rows.
#pragma once

#include "bills/goodspicker.h"

class TF_Khjhgl_Jh_Add : public TF_GoodsPicker {
    Q_OBJECT
public:
    explicit TF_Khjhgl_Jh_Add(QWidget* parent = nullptr);

protected:
    QString allGoodsSql(bool byFrequency) const override;
    QString categoryGoodsSql(const QString& gcSn, bool byFrequency) const override;
    TF_LineDialog* lineDialog() override;
    QString addMode() const override { return QStringLiteral("khjh_add"); }
    QString modifyMode() const override { return QStringLiteral("khjh_modi"); }
    Transfer transferTarget() const override;
};

extern TF_Khjhgl_Jh_Add* F_Khjhgl_Jh_Add;
