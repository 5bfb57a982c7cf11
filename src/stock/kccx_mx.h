// "商品库存明细表": the stock ledger of one goods. Every movement of the goods in a period, read
// from the line tables of the documents that move stock, with the goods' stock per warehouse
// beneath; a movement opens the preview of its document.
#pragma once

#include "platform/form.h"

#include <QDate>

class CodeComboBox;
class DataGrid;
class QDateEdit;
class QMenu;
class QPushButton;
class QToolButton;
struct BillPrint;

// The movements of a goods in a period (both days included), in one warehouse or all (ckSn
// empty), grouped by kind: receipts, purchase returns, sales, customer returns, transfers out
// and in, losses, overflows, splits and bundles. `kinds` keeps the first kinds only (4: the
// purchase and sales movements).
QString ledgerSql(const QString& gSn, const QDate& from, const QDate& to, const QString& ckSn, int kinds = 12);
// The stock rows of the goods, one per warehouse.
QString ledgerStockSql(const QString& gSn);
// The preview of a document named by its number as the ledger shows it (row values from the
// ledger: rq, u_name, ck_name); false for a number of no known kind.
bool ledgerDocument(const QString& number, const QString& date, const QString& handler, const QString& warehouse,
                    BillPrint& out);

// The layout of "report/cfd.fr3", the split document.
class ReportTemplate;
ReportTemplate cfdLayout();

class TF_Kccx_Mx : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Kccx_Mx(QWidget* parent = nullptr);

    QDateEdit* date1 = nullptr;
    QDateEdit* date2 = nullptr;
    QToolButton* btnDates = nullptr;
    CodeComboBox* comCk = nullptr;
    QPushButton* btnQuery = nullptr;
    QToolButton* btnView = nullptr;
    QToolButton* btnFilter = nullptr;
    QMenu* PopupFilter = nullptr;
    QToolButton* btnExport = nullptr;
    QToolButton* btnExit = nullptr;
    DataGrid* cxGrid1 = nullptr;
    DataGrid* cxGrid2 = nullptr;

    void btnQueryClick();
    void btnViewClick();
    void filterBy(const QString& prefix);

protected:
    void FormActivate() override;
    void FormClose() override;
};

extern TF_Kccx_Mx* F_Kccx_Mx;
