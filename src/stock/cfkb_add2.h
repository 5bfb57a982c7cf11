// "增加商品(捆绑商品)": picks the components of a bundle from the goods in stock in the warehouse
// they leave; confirmed, they become component lines under the bundle's number.
#pragma once

#include "bills/goodspicker.h"

class CodeComboBox;

class TF_Cfkb_Add2 : public TF_GoodsPicker {
    Q_OBJECT
public:
    explicit TF_Cfkb_Add2(QWidget* parent = nullptr);

    CodeComboBox* comCk = nullptr;  // "出库仓库："

protected:
    QString allGoodsSql(bool byFrequency) const override;
    QString categoryGoodsSql(const QString& gcSn, bool byFrequency) const override;
    TF_LineDialog* lineDialog() override;
    QString addMode() const override { return QStringLiteral("cfkb_add2"); }
    QString modifyMode() const override { return QStringLiteral("cfkb_modi2"); }
    Transfer transferTarget() const override;
    QString pickedSql() const override;
    void FormActivate() override;

private:
    bool m_loading = false;
};

extern TF_Cfkb_Add2* F_Cfkb_Add2;
