// "业务员销售统计": what each salesman brought in over a period. The first tab lists the sales
// bills, customer returns and customer receipts a salesman handled (with the lines of the bill
// chosen), the goods sold net of returns and the journal rows; the second tab is the
// performance table (sales, returns, collections, commission) with each customer's share of
// the chosen salesman, or a bar chart of the sales amounts. The window only reads.
#pragma once

#include "bills/querykit.h"
#include "platform/form.h"

class CodeComboBox;
class DataGrid;
class QChart;
class QLabel;
class QRadioButton;
class QStackedWidget;
class QTabWidget;

struct YwyxstjFilter {
    QString d1{};      // yyyy-MM-dd
    QString d2{};      // yyyy-MM-dd, the whole end day counts
    QString uName{};   // salesman; empty: all
    QString khSn{};    // customer of the search dialog; empty: all
    QString ckName{};  // warehouse of the search dialog; empty: all
    QString kind{};    // "销售单", "退货单", "付款单" or empty
};

// "销售单据表": one row per sales bill (amount before the bill discount), customer return
// (its stored negative amounts) and customer receipt (a negative receipt as owed, a positive
// one as received), newest first: djh, khsn, khname, rq, yfje, sfje, lr, lrl, fktype, uname,
// dnote, aname, ckname.
QString ywyxstjBillsSql(const YwyxstjFilter& f);
// The lines of a sales bill ("XS…") or customer return ("XT…"); "" for other numbers.
QString ywyxstjBillLinesSql(const QString& djh);
// "销售商品汇总": net sales per goods of the period and salesman (the dialog's filters do not
// apply): g_sn, g_name, dw_name, gg_name, color_name, g_sccs, g_bz, g_kc, sl, zje, lr.
QString ywyxstjGoodsSql(const YwyxstjFilter& f);
// Every sale and return journal row of one goods, of any date and salesman.
QString ywyxstjGoodsRowsSql(const QString& gSn);
// "销售商品明细": the sale and return journal rows, newest first; the kind "付款单" adds nothing.
QString ywyxstjJournalSql(const YwyxstjFilter& f);

// "业务员业绩统计": one row per staff member with a name: u_sn, u_name, yfje (sales), thje
// (returns, positive), hjje = yfje − thje, sfje (sales receipts + refunds + customer receipts),
// wfje = hjje − sfje, u_tc (percent) and tcje = sfje × u_tc %. `uSn` empty: every member.
QString ywyxstjPerformanceSql(const QString& d1, const QString& d2, const QString& uSn = QString());
// The customers with sales bills of one salesman in the period: kh_name, yfje, thje, hjje,
// sfje (sales receipts less the returned amount) and wfje = yfje − Σ sales receipts.
QString ywyxstjCustomersSql(const QString& d1, const QString& d2, const QString& uSn);

class TF_Ywyxstj : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Ywyxstj(QWidget* parent = nullptr);

    void btnStatClick();     // "统计(F2)" of the first tab: the search of the inner tab shown
    void btnFindClick();     // "查询"
    void btnViewClick();     // "查看单据"
    void detailClick();      // "查看详细数量"
    void btnPrintClick();
    void btnExportClick();
    void performanceSearch();  // "统计(F2)" of the second tab

    YwyxstjFilter filter() const;

    QTabWidget* tabsTop = nullptr;
    QueryPeriod period;
    CodeComboBox* comUser = nullptr;
    QTabWidget* tabs = nullptr;
    DataGrid* gridBills = nullptr;
    QLabel* label4 = nullptr;
    DataGrid* gridBillLines = nullptr;
    DataGrid* gridGoods = nullptr;
    QLabel* lblGoods = nullptr;
    DataGrid* gridGoodsRows = nullptr;
    DataGrid* gridJournal = nullptr;

    QueryPeriod period2;
    CodeComboBox* comUser1 = nullptr;
    QRadioButton* rbTable = nullptr;
    QRadioButton* rbChart = nullptr;
    QStackedWidget* stack = nullptr;
    DataGrid* gridPerf = nullptr;
    QLabel* lblYwmx = nullptr;
    DataGrid* gridCustomers = nullptr;
    QChart* chart = nullptr;

protected:
    void FormActivate() override;
    bool FormKeyDown(QKeyEvent* event) override;
    void FormClose() override;

private:
    void loadBillLines();
    void loadGoodsRows();
    void loadCustomers();
    void enterPerformance();

    bool m_loading = false;
    // The search dialog's warehouse and bill kind, kept across showings; its customer is
    // `curKhSn`, cleared at each showing.
    QString m_ckName;
    QString m_kind;
};

extern TF_Ywyxstj* F_Ywyxstj;
