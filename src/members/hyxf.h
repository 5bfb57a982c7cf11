// "储值续费": a stored-value top-up of one member, paid through the charge window.
#pragma once

#include "platform/form.h"

class QLabel;
class QLineEdit;
class QPushButton;

class TF_Hyxf : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Hyxf(QWidget* parent = nullptr);
    void setMember(const QString& hySn) { m_sn = hySn; }

    QLabel* lblBh = nullptr;
    QLabel* lblName = nullptr;
    QLabel* lblZhje = nullptr;
    QLabel* lblYh = nullptr;
    QLineEdit* edtJe = nullptr;    // 续费金额
    QLineEdit* edtSjje = nullptr;  // 实际续费
    QLineEdit* edtNote = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnExit = nullptr;
    void btnOKClick();

protected:
    void FormActivate() override;

private:
    QString m_sn;
    QString m_factor;
};

extern TF_Hyxf* F_Hyxf;
