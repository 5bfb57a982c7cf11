// "优惠方式设置": adds a stored-value scheme: a deposit factor, or a spending threshold with the
// cash it grants. The modification dialog shares its layout.
#pragma once

#include "platform/form.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QStackedWidget;
struct SchemeFields;

class TF_Hyyh_Add : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Hyyh_Add(QWidget* parent = nullptr);

    QLineEdit* edtName = nullptr;
    QComboBox* cbZl = nullptr;
    QStackedWidget* panels = nullptr;
    QLineEdit* edtYh1 = nullptr;  // factor, kind 0
    QLineEdit* edtYh2 = nullptr;  // spending threshold, kind 1
    QLineEdit* edtYh3 = nullptr;  // cash granted, kind 1
    QPushButton* btnOK = nullptr;
    QPushButton* btnExit = nullptr;

    void btnOKClick();

protected:
    void FormActivate() override;
    // Shows the kind's panel without touching the values.
    void showKind(int kind);
    SchemeFields fields() const;
    QString m_code;  // the scheme being changed; "" adds a new one
};

extern TF_Hyyh_Add* F_Hyyh_Add;
