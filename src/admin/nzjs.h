// "年终结算": the closings made so far and the closing of a year, after a safety copy.
#pragma once

#include "platform/form.h"

class DataGrid;
class QLabel;
class QSpinBox;

class TF_Nzjs : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Nzjs(QWidget* parent = nullptr);

    QSpinBox* tyear = nullptr;
    QLabel* lblPeriod = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnExport = nullptr;
    QPushButton* btnExit = nullptr;
    DataGrid* DBGrid1 = nullptr;

    void btnOKClick();

protected:
    void FormActivate() override;
    bool FormKeyDown(QKeyEvent* event) override;
    void FormClose() override;
};

extern TF_Nzjs* F_Nzjs;
