// "销售单据查询": the posted sales bills of a period with their lines, from which a whole bill
// ("整单退货", once per bill) or one of its lines ("退货(&Z)") is copied into the customer return
// window. Opened by the return window (`modeFlag` "xsth": the return window underneath takes the
// copy) or by another window (the return window is then opened on the copy). `callerFlag` "spxs"
// puts `detailTable` (the customer's name) into the search box. It also previews, prints and
// exports bills.
#pragma once

#include "bills/querykit.h"
#include "platform/form.h"

class DataGrid;
class QAction;
class QDateEdit;
class QLabel;
class QLineEdit;

// Sales bills of a period whose number, customer name or short code contains `key` (as typed),
// optionally of one warehouse ("" or "-1": all) and one operator ("" or "所有操作员": all).
QString xsdjcxSql(const QString& key, const QString& d1, const QString& d2, const QString& ckSn = QString(),
                  const QString& opName = QString());
// The lines of a sales bill.
QString xsdjcxLinesSql(const QString& djh);

class TF_Xsdjcx : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Xsdjcx(QWidget* parent = nullptr);

    void btnQueryClick();    // "查询(F2)", Enter in the search box
    void btnSearchClick();   // "详细查找"
    void btnViewClick();     // "查看单据"
    void printListClick();   // "打印单据清单(&Y)"
    void printBillClick();   // "打印单据内容(&Z)"
    void btnZdthClick();     // "整单退货"
    void lineReturnClick();  // "退货(&Z)"

    QLineEdit* tKey = nullptr;
    QDateEdit* date1 = nullptr;
    QDateEdit* date2 = nullptr;
    DataGrid* cxGrid2View = nullptr;
    DataGrid* cxGrid3View = nullptr;
    QAction* actZdth = nullptr;
    QAction* actPrintBill = nullptr;
    QAction* actLineReturn = nullptr;

protected:
    void FormActivate() override;
    bool FormKeyDown(QKeyEvent* event) override;
    void FormClose() override;

private:
    void loadLines();
    QString currentBill() const;
    // The return window after a copy: closes this window, or opens the return when this window
    // was not opened from it.
    void showReturn(bool underneath);

    QLabel* m_linesCaption = nullptr;
    QueryPeriod m_period;
    QueryExtraFilters m_filters;  // of the search dialog, until it is used again
};

extern TF_Xsdjcx* F_Xsdjcx;
