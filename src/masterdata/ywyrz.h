// "业务员日志": adds an entry to the diary of the salesman `uSn`, or changes the current entry
// of the diary query Q_Ywyrz.
#pragma once

#include "platform/form.h"

class QDateEdit;
class QPlainTextEdit;
class QPushButton;

class TF_Ywyrz_Add : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Ywyrz_Add(QWidget* parent = nullptr);

    QString uSn;  // the salesman whose diary gets the entry
    QDateEdit* dDate = nullptr;
    QPlainTextEdit* mNote = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnExit = nullptr;

    virtual void btnOKClick();

protected:
    void FormActivate() override;
};

class TF_Ywyrz_Modi : public TF_Ywyrz_Add {
    Q_OBJECT
public:
    explicit TF_Ywyrz_Modi(QWidget* parent = nullptr);
    void btnOKClick() override;

protected:
    void FormActivate() override;
};

extern TF_Ywyrz_Add* F_Ywyrz_Add;
extern TF_Ywyrz_Modi* F_Ywyrz_Modi;
