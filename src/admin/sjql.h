// "软件数据清理(系统初始化)": the way in (by hand or through the setup wizard), then the resets
// or the deletion of a period, each after the safety copy.
#pragma once

#include "platform/form.h"

class QDateEdit;
class QRadioButton;
class QStackedWidget;

class TF_Sjql : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Sjql(QWidget* parent = nullptr);

    QStackedWidget* pages = nullptr;
    QRadioButton* rSele11 = nullptr;
    QRadioButton* rSele12 = nullptr;
    QPushButton* btnOK1 = nullptr;
    QRadioButton* rSele21 = nullptr;
    QRadioButton* rSele22 = nullptr;
    QRadioButton* rSele23 = nullptr;
    QRadioButton* rSele24 = nullptr;
    QDateEdit* tdate1 = nullptr;
    QDateEdit* tdate2 = nullptr;
    QPushButton* btnOK2 = nullptr;

    void btnOK1Click();
    void btnOK2Click();

protected:
    void FormActivate() override;
    bool FormKeyDown(QKeyEvent* event) override;
};

extern TF_Sjql* F_Sjql;
