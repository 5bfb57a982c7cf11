// "商品销售统计": the sales journal of a period ("xs" sale and "xt" customer-return rows, so every
// sum is net of returns) as lines, as totals per goods, per category and as a chart of the
// category totals; per supplier (what was bought against what sold of its goods) and per
// customer, with one customer's lines, goods totals or pie chart.
#pragma once

#include "bills/querykit.h"
#include "platform/form.h"

class CategoryPanel;
class CodeComboBox;
class DataGrid;
class PartnerPanel;
class QChart;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QStackedWidget;
class QTabWidget;

struct SpxstjFilter {
    QString d1{};        // yyyy-MM-dd
    QString d2{};        // yyyy-MM-dd, the whole end day counts
    QString gcSn{};      // category code, its sub-categories included; empty: all
    QString key{};       // goods code, short code, name or style (as typed)
    QString ckName{};    // warehouse chosen in the window's box; empty: all
    QString khSn{};      // customer chosen in the filter dialog
    QString cxCkName{};  // the filter dialog's warehouse
    QString uName{};     // the filter dialog's handler
    QString kind{};      // "销售单", "退货单" or empty
};

QString spxstjLinesSql(const SpxstjFilter& f);
QString spxstjGoodsSql(const SpxstjFilter& f);
QString spxstjClassSql(const SpxstjFilter& f);

// The supplier and customer tabs: period, category, one partner, the region and partner type.
struct SpxstjPartnerFilter {
    QString d1{};
    QString d2{};
    QString gcSn{};
    QString partnerSn{};  // empty: every partner
    QString zone{};
    QString type{};
};

// One row per supplier: purchases (receipts net of returns) by the document's supplier, sales
// by the goods' supplier.
QString spxstjSuppliersSql(const SpxstjPartnerFilter& f);
// The sales lines of the goods of one supplier.
QString spxstjSupplierSalesSql(const SpxstjPartnerFilter& f, const QString& ghsSn);
QString spxstjCustomersSql(const SpxstjPartnerFilter& f);
QString spxstjCustomerLinesSql(const SpxstjPartnerFilter& f, const QString& khSn);
QString spxstjCustomerGoodsSql(const SpxstjPartnerFilter& f, const QString& khSn);

class TF_Spxstj : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Spxstj(QWidget* parent = nullptr);

    void btnSearchClick();  // "查询(F2)" of the top tab shown
    void btnFilterClick();  // "过滤"
    void btnGjClick();      // "高级查询"
    void btnViewClick();    // "查看单据"
    void btnPrintClick();
    void btnExportClick();
    void btnFxClick();      // "单品分析"
    void detailClick();     // double click on a line
    void drawChart();
    void drawKhChart();
    void ghsRowChanged();
    void khRowChanged();

    SpxstjFilter filter() const;
    SpxstjPartnerFilter partnerFilter(int tab) const;

    QTabWidget* tabsTop = nullptr;
    QueryPeriod period[3];
    QLineEdit* tLb[3] = {};
    QLineEdit* tKey = nullptr;
    CodeComboBox* comCk = nullptr;
    QTabWidget* tabs1 = nullptr;
    DataGrid* gridList = nullptr;
    DataGrid* gridGoods = nullptr;
    DataGrid* gridClass = nullptr;
    BarPieChart chart;

    QLineEdit* tGhs = nullptr;
    PartnerPanel* panelGhs = nullptr;
    QCheckBox* cbAllGhs = nullptr;
    DataGrid* gridGhs = nullptr;
    QLabel* lblGhsMx = nullptr;
    DataGrid* gridGhsMx = nullptr;

    QLineEdit* tKh = nullptr;
    PartnerPanel* panelKh = nullptr;
    QCheckBox* cbAllKh = nullptr;
    DataGrid* gridKh = nullptr;
    QLabel* lblKh = nullptr;
    QRadioButton* rbMx = nullptr;
    QRadioButton* rbHz = nullptr;
    QRadioButton* rbTb = nullptr;
    QStackedWidget* stackKh = nullptr;
    DataGrid* gridKhMx = nullptr;
    DataGrid* gridKhHz = nullptr;
    QComboBox* comShow = nullptr;
    QChart* chartKh = nullptr;
    CategoryPanel* panelClass = nullptr;

protected:
    void FormActivate() override;
    bool FormKeyDown(QKeyEvent* event) override;
    void FormClose() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void enterTab(int tab);
    void searchLines();
    void searchSuppliers();
    void searchCustomers();
    void showKhPage();
    DataGrid* khGrid() const;

    bool m_loading = false;
    QString m_gcSn[3];
    // The filter dialog's choices, kept until it is confirmed again.
    QString m_khSn;
    QString m_cxCkName;
    QString m_uName;
    QString m_kind;
    // The advanced dialogs' region and partner type, shared by the supplier and customer tabs.
    QString m_zone;
    QString m_type;
};

extern TF_Spxstj* F_Spxstj;
