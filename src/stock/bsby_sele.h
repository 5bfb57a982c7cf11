// "商品信息(商品报损)" / "商品信息(商品报溢)": the line dialog of the loss and overflow bill. The
// quantities per size and colour beside the warehouse's stock, and a line note; no price and
// no stock check. Modes: "bsby_add" (a goods picked), "bsby_modi" (a picked row), "bsby" (a
// working line of the bill).
#pragma once

#include "bills/linedialog.h"

class QLineEdit;

class TF_Bsby_Sele : public TF_LineDialog {
    Q_OBJECT
public:
    explicit TF_Bsby_Sele(QWidget* parent = nullptr);
    QLineEdit* tnote = nullptr;

protected:
    Money offeredPrice(const ResultSet& goods) const override;
    void FormActivate() override;
    void lineOpened() override;
    void lineWritten(const Mode& mode, qint64 id) override;
};

extern TF_Bsby_Sele* F_Bsby_Sele;
