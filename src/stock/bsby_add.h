// "增加商品(商品报损)" / "增加商品(商品报溢)": the goods picker of the loss and overflow bill. It
// lists the goods that have a stock row in the bill's warehouse; "确定" turns the picked goods
// into working lines of the bill, valued at the goods' preset purchase price, each with its own
// size and colour rows and note.
#pragma once

#include "bills/goodspicker.h"

class TF_Bsby_Add : public TF_GoodsPicker {
    Q_OBJECT
public:
    explicit TF_Bsby_Add(QWidget* parent = nullptr);

protected:
    QString allGoodsSql(bool byFrequency) const override;
    QString categoryGoodsSql(const QString& gcSn, bool byFrequency) const override;
    TF_LineDialog* lineDialog() override;
    QString addMode() const override { return QStringLiteral("bsby_add"); }
    QString modifyMode() const override { return QStringLiteral("bsby_modi"); }
    Transfer transferTarget() const override;
    void FormActivate() override;
};

extern TF_Bsby_Add* F_Bsby_Add;
