// "增加赠品信息": adds a gift. The modification dialog shares its page.
#pragma once

#include "members/memberdata.h"
#include "platform/form.h"

class QLineEdit;
class QPushButton;

class TF_Zpgl2_Add : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Zpgl2_Add(QWidget* parent = nullptr);

    QLineEdit* edtSn = nullptr;
    QLineEdit* edtName = nullptr;
    QLineEdit* edtSl = nullptr;
    QLineEdit* edtJf = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;

    virtual void btnOKClick();

protected:
    void FormActivate() override;
    GiftFields fields() const;
};

extern TF_Zpgl2_Add* F_Zpgl2_Add;
