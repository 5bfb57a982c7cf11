// "添加商品提醒": a goods event reminder with its goods, kind, addressee and schedule. The
// modify dialog shares its layout.
#pragma once

#include "platform/form.h"

#include <QVector>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QRadioButton;
class QSpinBox;
class QStackedWidget;
struct ReminderInput;

class TF_Sjtxgl_Add : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Sjtxgl_Add(QWidget* parent = nullptr);

    QComboBox* comGoods = nullptr;  // the goods the reminder is about
    QRadioButton* rKc = nullptr;
    QRadioButton* rGq = nullptr;
    QSpinBox* tts = nullptr;
    QComboBox* comAdmin = nullptr;
    QComboBox* comTxfs = nullptr;
    QStackedWidget* panels = nullptr;
    QDateEdit* tdate = nullptr;
    QVector<QCheckBox*> weekdays;  // 周一 … 周日
    QComboBox* comYue = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnExit = nullptr;

    virtual void btnOKClick();

protected:
    void FormActivate() override;
    void fillAddressees();
    ReminderInput input() const;
};

extern TF_Sjtxgl_Add* F_Sjtxgl_Add;
