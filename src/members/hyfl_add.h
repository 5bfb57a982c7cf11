// "增加会员等级": adds a member level with its discount and points band. The modification
// dialog shares its layout.
#pragma once

#include "platform/form.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
struct LevelFields;

class TF_Hyfl_Add : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Hyfl_Add(QWidget* parent = nullptr);

    QLineEdit* edtName = nullptr;
    QLineEdit* edtZk = nullptr;
    QLineEdit* edtJfxx = nullptr;
    QLineEdit* edtJfsx = nullptr;
    QCheckBox* chkPfsp = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnExit = nullptr;

    void btnOKClick();

protected:
    void FormActivate() override;
    LevelFields fields() const;
    // The level being changed; "" adds a new one.
    QString m_code;
};

extern TF_Hyfl_Add* F_Hyfl_Add;
