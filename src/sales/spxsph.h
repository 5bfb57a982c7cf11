// "商品销售排行": goods ranked by what sold in a period (net of customer returns): all goods, the
// goods of a category, one goods by customer type, area and name, goods by customer, and the
// slow sellers by turnover ratio. Goods go to the purchase reference list from here.
#pragma once

#include "bills/querykit.h"
#include "platform/form.h"

class CategoryTree;
class CodeComboBox;
class DataGrid;
class QChart;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QTabWidget;

struct XsphFilter {
    QString d1{};    // yyyy-MM-dd
    QString d2{};    // yyyy-MM-dd, the whole end day counts
    QString ckSn{};  // warehouse; empty or "-1": all
    QString key{};   // the goods field as typed
    QString gcSn{};  // tab 2: the category's code; empty: every goods with a category code
};

QString xsphGoodsSql(const XsphFilter& f);
QString xsphClassSql(const XsphFilter& f);
// One goods (its code, name or style equal to the key) by customer type (0), area (1) or name (2).
QString xsphBreakdownSql(const XsphFilter& f, int by);
QString xsphCustomerSql(const XsphFilter& f);
// Goods both bought and sold in the period, by turnover sold × 100 / (bought net + stock).
QString xsphSlowSql(const XsphFilter& f);

class TF_Spxsph : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Spxsph(QWidget* parent = nullptr);

    void btnSearchClick();  // "查询(F2)" of the tab shown
    void goodsFilter(int tab);
    void btnOkClick();      // the goods list's "确定(F5)"
    void btnRKhxfClick();   // "该商品客户消费排行(&X)"
    void addJthClick(const QString& word);  // "jadd" / "tadd"
    void openJth(const QString& word);      // "进货参考" / "退货参考"
    void btnPrintClick();
    void btnExportClick();
    void setTab1Chart();
    void setTab4Chart();

    XsphFilter filter(int tab) const;
    DataGrid* currentGrid() const;

    QTabWidget* tabs = nullptr;
    QueryPeriod period[5];
    QLineEdit* tKey[5] = {};
    CodeComboBox* comCk[5] = {};  // tabs 1, 2 and 5
    DataGrid* grid[5] = {};
    CategoryTree* tree = nullptr;
    QLabel* lblGoods[4] = {};  // code, name, unit, style
    QTabWidget* tabs3 = nullptr;
    DataGrid* grid3[3] = {};
    QTabWidget* inner1 = nullptr;
    QTabWidget* inner4 = nullptr;
    QRadioButton* rbBar = nullptr;
    QRadioButton* rbPie = nullptr;
    QComboBox* comShow1 = nullptr;
    QComboBox* comShow4 = nullptr;
    QChart* chart1 = nullptr;
    QChart* chart4 = nullptr;
    QFrame* panelGoods = nullptr;
    DataGrid* gridGoods = nullptr;

protected:
    void FormActivate() override;
    bool FormKeyDown(QKeyEvent* event) override;
    void FormClose() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void enterTab(int tab);
    void search(int tab);
    void pickGoods(int row);
    bool m_loading = false;
    QString m_handOver;
};

extern TF_Spxsph* F_Spxsph;
