// "修改售价": the name and price of the focused named price of "商品售价列表".
#pragma once

#include "platform/form.h"

class QLineEdit;
class QPushButton;

class TF_Spxxgl_Price_Modi : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Spxxgl_Price_Modi(QWidget* parent = nullptr);

    QLineEdit* tname = nullptr;
    QLineEdit* tprice = nullptr;
    QPushButton* btnSave = nullptr;
    QPushButton* btnExit = nullptr;

    void btnSaveClick();

protected:
    void FormActivate() override;

private:
    QString m_id;
    QString m_gSn;
};

extern TF_Spxxgl_Price_Modi* F_Spxxgl_Price_Modi;
