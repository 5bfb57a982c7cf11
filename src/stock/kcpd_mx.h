// "商品盘点明细": the counted size and colour rows of one count line, each beside the stock stored
// with it, with the surplus or shortage in quantity and at the goods' sale price. Opened with
// `curGoodsSn` (the goods) and `paramValue` (the line's id); closing clears them and
// `detailTable`.
#pragma once

#include "platform/form.h"
#include "platform/reportlist.h"

class DataGrid;
class QPushButton;

// The size and colour rows of one count line with cysl (counted − stock) and cyje (cysl × g_sj).
QString kcpdDetailSql(const QString& gSn, const QString& lineId);
// The print of the rows: "商品盘盈盘亏明细表" with the sums of the quantities and amounts.
ReportListSpec kcpdDetailPrint();

class TF_Kcpd_Mx : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Kcpd_Mx(QWidget* parent = nullptr);

    DataGrid* cxGrid1 = nullptr;
    QPushButton* btnPrint = nullptr;
    QPushButton* btnExport = nullptr;
    QPushButton* btnExit = nullptr;

    void btnPrintClick();
    void btnExportClick();

protected:
    void FormActivate() override;
    void FormClose() override;
};

extern TF_Kcpd_Mx* F_Kcpd_Mx;
