// "简码修改": replaces the short code of the goods focused in the goods list.
#pragma once

#include "platform/form.h"

class QLabel;
class QLineEdit;
class QPushButton;

class TF_Spxxgl_JmModi : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Spxxgl_JmModi(QWidget* parent = nullptr);

    QLabel* lname = nullptr;  // the goods name
    QLineEdit* tjm = nullptr;
    QPushButton* btnSave = nullptr;
    QPushButton* btnExit = nullptr;

    void btnSaveClick();

protected:
    void FormActivate() override;

private:
    QString m_id;
};

extern TF_Spxxgl_JmModi* F_Spxxgl_JmModi;
