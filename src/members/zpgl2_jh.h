// "赠品进货": books a purchase of the list's current gift, raising its stock.
#pragma once

#include "platform/form.h"

class QLineEdit;
class QPushButton;

class TF_Zpgl2_Jh : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Zpgl2_Jh(QWidget* parent = nullptr);
    void setGift(qint64 id) { m_id = id; }

    QLineEdit* edtSn = nullptr;
    QLineEdit* edtName = nullptr;
    QLineEdit* edtKc = nullptr;
    QLineEdit* edtSl = nullptr;  // 进货数量
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;
    void btnOKClick();

protected:
    void FormActivate() override;

private:
    qint64 m_id = 0;
    QString m_sn;
};

extern TF_Zpgl2_Jh* F_Zpgl2_Jh;
