// "商品采购统计": the purchase journal of a period ("cj" receipt and "ct" return rows, so every
// sum is net of returns) as lines, as totals per goods, per category and as a chart of the
// category totals.
#pragma once

#include "bills/querykit.h"
#include "platform/form.h"

class CategoryPanel;
class DataGrid;
class QLineEdit;
class QTabWidget;

struct SpcgtjFilter {
    QString d1{};
    QString d2{};
    QString gcSn{};     // category code, its sub-categories included; empty: all
    QString key{};      // goods code, short code, name or style (as typed)
    QString ghsSn{};    // supplier picked in the filter dialog
    QString ghsText{};  // else the supplier text typed there (as typed)
    QString uName{};    // handler
    QString kind{};     // "进货单", "退货单" or empty
    QString ckSn{};     // warehouse
};

QString spcgtjLinesSql(const SpcgtjFilter& f);
QString spcgtjGoodsSql(const SpcgtjFilter& f);
// Per category: only the period and the category apply.
QString spcgtjClassSql(const SpcgtjFilter& f);

class TF_Spcgtj : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Spcgtj(QWidget* parent = nullptr);

    void btnStatClick();   // "统计(F2)": the statistics of the tab shown
    void btnFindClick();   // "高级查找"
    void btnViewClick();   // "查看单据"
    void btnPrintClick();  // "打印"
    void btnExportClick(); // "导出"
    void detailClick();    // double click on a line
    void drawChart();

    SpcgtjFilter filter() const;

    QueryPeriod period;
    QLineEdit* tKey = nullptr;
    QLineEdit* tLb = nullptr;
    QTabWidget* tabs = nullptr;
    DataGrid* gridList = nullptr;
    DataGrid* gridGoods = nullptr;
    DataGrid* gridClass = nullptr;
    BarPieChart chart;
    CategoryPanel* panelClass = nullptr;

protected:
    void FormActivate() override;
    bool FormKeyDown(QKeyEvent* event) override;
    void FormClose() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool m_loading = false;
    QString m_gcSn;
    QString m_ghsText;
    QString m_uName;
    QString m_kind;
    QString m_ckSn;
};

extern TF_Spcgtj* F_Spcgtj;
