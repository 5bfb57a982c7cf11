// "条码数量": the print quantity of one row of the label list.
#pragma once

#include "platform/form.h"

class QLabel;
class QLineEdit;
class QPushButton;

class TF_Tmdy_Modi : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Tmdy_Modi(QWidget* parent = nullptr);

    QLabel* lblSn = nullptr;
    QLineEdit* edtNum = nullptr;  // whole number, at most 4 characters
    QPushButton* btnSave = nullptr;
    QPushButton* btnExit = nullptr;

    void setRow(qint64 id, const QString& gSn, const QString& quantity);
    void btnSaveClick();

private:
    qint64 m_id = 0;
};

extern TF_Tmdy_Modi* F_Tmdy_Modi;
