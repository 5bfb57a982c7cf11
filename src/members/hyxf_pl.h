// "批量续费": the same stored-value top-up for every ticked member, booked as cash.
#pragma once

#include "platform/form.h"

class DataGrid;
class QCheckBox;
class QLineEdit;
class QPushButton;

class TF_Hyxf_pl : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Hyxf_pl(QWidget* parent = nullptr);

    DataGrid* DBGrid1 = nullptr;
    QCheckBox* chkAll = nullptr;
    QLineEdit* edtJe = nullptr;    // 续费金额
    QLineEdit* edtSjje = nullptr;  // 实际金额
    QLineEdit* edtNote = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnExit = nullptr;
    void btnOKClick();

protected:
    void FormActivate() override;
    void FormClose() override;

private:
    void openList();
};

extern TF_Hyxf_pl* F_Hyxf_pl;
