// "采购单据查询": the posted purchase receipts of a period, from which a whole receipt
// ("整单退货") or one of its lines ("退货(&Z)") is copied into the purchase return window. Opened
// by the return window's supplier menu (`modeFlag` "cgth": the return window underneath takes
// the copy) or by the receipt window (a fresh return is opened). `callerFlag` "cgjh" puts
// `detailTable` (the supplier's name) into the search box. It also previews, prints and exports
// receipts.
#pragma once

#include "bills/querykit.h"
#include "platform/form.h"

class DataGrid;
class QAction;
class QDateEdit;
class QLabel;
class QLineEdit;

// Receipts of a period whose number, supplier name or short code contains `key` (as typed),
// optionally of one warehouse and operator.
QString cgthZdthSql(const QString& key, const QString& d1, const QString& d2, const QString& ckSn = QString(),
                    const QString& opName = QString());
// The receipt's lines that carry a production date, with their expiry date gqrq.
QString cgthZdthLinesSql(const QString& jSn);

class TF_Cgth_Zdth : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Cgth_Zdth(QWidget* parent = nullptr);

    void btnQueryClick();     // "查询(F2)", Enter in the search box
    void btnSearchClick();    // "详细查找"
    void btnViewClick();      // "查看单据"
    void printListClick();    // "打印单据清单(&Y)"
    void printBillClick();    // "打印单据内容(&Z)"
    void btnZdthClick();      // "整单退货"
    void lineReturnClick();   // "退货(&Z)"

    QLineEdit* tKey = nullptr;
    QDateEdit* date1 = nullptr;
    QDateEdit* date2 = nullptr;
    DataGrid* gridJhd = nullptr;
    DataGrid* gridJhsp = nullptr;
    QAction* actZdth = nullptr;
    QAction* actPrintBill = nullptr;
    QAction* actLineReturn = nullptr;

protected:
    void FormActivate() override;
    bool FormKeyDown(QKeyEvent* event) override;
    void FormClose() override;

private:
    void loadLines();
    QString currentReceipt() const;
    // The return window after a copy: closes this window or opens the return.
    void showReturn(bool underneath);

    QLabel* m_linesCaption = nullptr;
    bool m_directPrint = false;
    QueryPeriod m_period;
    QueryExtraFilters m_filters;  // of the search dialog, until it is used again
};

extern TF_Cgth_Zdth* F_Cgth_Zdth;
