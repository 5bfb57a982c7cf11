// "快捷键设置": gives each of the till's fourteen functions a key; a key in use is refused.
#pragma once

#include "platform/form.h"

class QLineEdit;
class QPushButton;

class TF_PosKey : public TF_Form {
    Q_OBJECT
public:
    explicit TF_PosKey(QWidget* parent = nullptr);

    // A key pressed in a function's field: stored at once unless refused.
    void saveValue(QLineEdit* field, const QString& function, int code);

    QList<QLineEdit*> fields;  // in the order of tillFunctions()
    QPushButton* btnStart = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnExit = nullptr;

protected:
    void FormActivate() override;
    bool FormKeyDown(QKeyEvent* event) override;
};

extern TF_PosKey* F_PosKey;
