// "业务员采购统计": the purchase receipts, returns and supplier payments of a period by the
// staff who handled them, the goods lines of those bills and the goods totals.
#pragma once

#include "bills/querykit.h"
#include "platform/form.h"

class CodeComboBox;
class DataGrid;
class QLabel;
class QTabWidget;

struct YwycgtjFilter {
    QString d1{};
    QString d2{};
    QString boxName{};     // the window's salesman box; empty: all
    QString ghsSn{};       // supplier picked in the filter dialog
    QString dialogName{};  // salesman of the filter dialog
    QString kind{};        // "进货单", "退货单", "付款单" or empty
    QString ckSn{};        // warehouse
};

// Tab 1: receipts, returns and payments (a payment's positive amount paid, a negative one
// payable with its sign turned), newest first.
QString ywycgtjBillsSql(const YwycgtjFilter& f);
// The lines of one receipt or return; empty for a payment.
QString ywycgtjBillLinesSql(const QString& djh);
// Tab 2: the journal lines, oldest first.
QString ywycgtjLinesSql(const YwycgtjFilter& f);
// Tab 3: totals per goods.
QString ywycgtjGoodsSql(const YwycgtjFilter& f);

class TF_Ywycgtj : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Ywycgtj(QWidget* parent = nullptr);

    void btnStatClick();    // "统计(F2)"
    void btnFindClick();    // "查找"
    void btnViewClick();    // "查看单据"
    void detailClick();     // "查看详细数量"
    void btnPrintClick();   // "打印"
    void btnExportClick();  // "导出"

    YwycgtjFilter filter() const;

    QueryPeriod period;
    CodeComboBox* comYwy = nullptr;
    QTabWidget* tabs = nullptr;
    DataGrid* gridBills = nullptr;
    DataGrid* gridBillLines = nullptr;
    DataGrid* gridLines = nullptr;
    DataGrid* gridGoods = nullptr;
    QLabel* lbBill = nullptr;

protected:
    void FormActivate() override;
    bool FormKeyDown(QKeyEvent* event) override;
    void FormClose() override;

private:
    void loadBillLines();

    bool m_loading = false;
    QString m_dialogName;
    QString m_kind;
    QString m_ckSn;
};

extern TF_Ywycgtj* F_Ywycgtj;
