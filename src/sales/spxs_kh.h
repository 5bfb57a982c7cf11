// "往来单位管理": the read-only card of the sales bill's customer (`curKhSn`): contact data,
// account figures and the prices quoted to it. A double click on a quote closes the card.
#pragma once

#include "platform/form.h"

class DataGrid;
class QLabel;
class QLineEdit;
class QPushButton;

class TF_Spxs_Kh : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Spxs_Kh(QWidget* parent = nullptr);

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

extern TF_Spxs_Kh* F_Spxs_Kh;
