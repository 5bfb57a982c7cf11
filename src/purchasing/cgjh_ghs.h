// "往来单位管理": the read-only card of the receipt's supplier (`curGhsSn`): contact data, account
// figures and the prices it has quoted. A double click on a quote hands the goods and its
// quoted price back to the receipt window (`modeFlag` "cgjh_ghs", `curGoodsSn`, `choiceParam`).
#pragma once

#include "platform/form.h"

class DataGrid;
class QLabel;
class QLineEdit;
class QPushButton;

class TF_Cgjh_Ghs : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Cgjh_Ghs(QWidget* parent = nullptr);

    // Double click on a quote (query row; -1 for none).
    void DBGrid1DblClick(int row);

    QLineEdit* tname = nullptr;
    QLineEdit* tlxr = nullptr;
    QLineEdit* ttele = nullptr;
    QLineEdit* taddress = nullptr;
    QLineEdit* tnote = nullptr;
    QLabel* lblYfje = nullptr;
    QLabel* lblSfje = nullptr;
    QLabel* lblWfje = nullptr;
    DataGrid* DBGrid1 = nullptr;
    QPushButton* btnExit = nullptr;

protected:
    void FormActivate() override;
    void FormClose() override;
};

extern TF_Cgjh_Ghs* F_Cgjh_Ghs;
