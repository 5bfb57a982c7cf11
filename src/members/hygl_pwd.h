// "修改会员密码": sets a new card password of the current member (empty removes it).
#pragma once

#include "platform/form.h"

class QLabel;
class QLineEdit;
class QPushButton;

class TF_Hygl_Pwd : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Hygl_Pwd(QWidget* parent = nullptr);
    void setMember(const QString& hySn) { m_sn = hySn; }

    QLabel* lblInfo = nullptr;
    QLineEdit* edtMm = nullptr;
    QLineEdit* edtMm2 = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnExit = nullptr;
    void btnOKClick();

protected:
    void FormActivate() override;

private:
    QString m_sn;
};

extern TF_Hygl_Pwd* F_Hygl_Pwd;
