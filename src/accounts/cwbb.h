// "财务报表管理": the receivables and payables table, the operating statement with its details,
// the balance sheet and the financial charts, one tab each.
#pragma once

#include "platform/charts.h"
#include "platform/form.h"

class DataGrid;
class NamedQuery;
class QButtonGroup;
class QChart;
class QChartView;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class QToolButton;
class QWidget;

class TF_Cwbb : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Cwbb(QWidget* parent = nullptr);

    QPushButton* btn_Prin = nullptr;
    QPushButton* btn_Exit = nullptr;
    QTabWidget* cxPage = nullptr;
    // The lists: parties, their bills, the statement, its detail, the balance sheet.
    NamedQuery* Q_Cwbb1 = nullptr;
    NamedQuery* Q_Cwbb2 = nullptr;
    NamedQuery* Q_Cwbb3 = nullptr;
    NamedQuery* Q_Cwbb4 = nullptr;
    NamedQuery* Q_Cwbb5 = nullptr;

    // 应收应付表
    QLineEdit* tkey = nullptr;
    QPushButton* btnSearch1 = nullptr;
    DataGrid* cxGrid1 = nullptr;
    QLabel* ysyfmx = nullptr;
    QDateEdit* tdate11 = nullptr;
    QDateEdit* tdate12 = nullptr;
    QToolButton* btnMenu1 = nullptr;
    QComboBox* comGl = nullptr;
    QPushButton* btnSearch2 = nullptr;
    QPushButton* btnPrin2 = nullptr;
    DataGrid* cxGrid2 = nullptr;

    // 经营情况表
    QDateEdit* tdate21 = nullptr;
    QDateEdit* tdate22 = nullptr;
    QToolButton* btnMenu2 = nullptr;
    QPushButton* btnSearch3 = nullptr;
    DataGrid* cxGrid3 = nullptr;
    DataGrid* cxGrid4 = nullptr;

    // 资产负债表
    QDateEdit* tdate31 = nullptr;
    QLabel* zcfzr = nullptr;
    QPushButton* btnSearch4 = nullptr;
    DataGrid* cxGrid5 = nullptr;

    // 财务图表
    QListWidget* chartList = nullptr;
    QChart* pieChart = nullptr;
    QChartView* pieView = nullptr;
    QWidget* monthPanel = nullptr;
    QSpinBox* year1 = nullptr;
    QSpinBox* month1 = nullptr;
    QSpinBox* year2 = nullptr;
    QSpinBox* month2 = nullptr;
    QPushButton* btnSearch5 = nullptr;
    QRadioButton* rbBar = nullptr;
    QRadioButton* rbLine = nullptr;
    QChart* monthChart = nullptr;

    void partySearch();
    void billSearch();
    void statementSearch();
    void statementDetail();
    void balanceSearch();
    // The chart of the list's current name.
    void chartChosen();
    void monthSearch();
    void drawMonthChart();
    void print();
    void printBills();

protected:
    void FormActivate() override;
    bool FormKeyDown(QKeyEvent* event) override;
    void FormClose() override;

private:
    void tabChanged(int index);
    bool m_filling = false;
    ChartData m_monthData;
};

extern TF_Cwbb* F_Cwbb;
