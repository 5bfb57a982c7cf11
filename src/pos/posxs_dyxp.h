// "补打当天小票": today's paid till sales with their lines; reprints the receipt of one.
#pragma once

#include "platform/form.h"

class DataGrid;
class NamedQuery;
class QLabel;
class QPushButton;

class TF_Posxs_Dyxp : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Posxs_Dyxp(QWidget* parent = nullptr);

    void showLines();
    void btnPrintClick();

    DataGrid* gridSales = nullptr;
    DataGrid* gridLines = nullptr;
    NamedQuery* qSales = nullptr;
    NamedQuery* qLines = nullptr;
    QLabel* lblDetail = nullptr;
    QPushButton* btnPrint = nullptr;
    QPushButton* btnExit = nullptr;

protected:
    void FormActivate() override;
};

extern TF_Posxs_Dyxp* F_Posxs_Dyxp;
