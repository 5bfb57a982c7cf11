// "库存成本统计": the monthly stock account over a range of months, for one warehouse or summed
// over every warehouse, latest month first, as a table or as a bar chart of the stock cost.
#pragma once

#include "platform/form.h"

class CodeComboBox;
class DataGrid;
class QChart;
class QChartView;
class QSpinBox;
class QTabWidget;
class QToolButton;
class QPushButton;
class ReportTemplate;

// The months from `from` to `to` ("yyyy-MM", both included) of one warehouse (its code and
// name), or of every warehouse when the code is empty.
QString stockCostSql(const QString& from, const QString& to, const QString& ckSn, const QString& ckName);

class TF_Kccb : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Kccb(QWidget* parent = nullptr);

    QToolButton* btnPrint = nullptr;
    QToolButton* btnExport = nullptr;
    QToolButton* btnExit = nullptr;
    QSpinBox* year1 = nullptr;
    QSpinBox* month1 = nullptr;
    QSpinBox* year2 = nullptr;
    QSpinBox* month2 = nullptr;
    CodeComboBox* comCk = nullptr;
    QPushButton* btnQuery = nullptr;
    QTabWidget* PageControl1 = nullptr;
    DataGrid* cxGrid1 = nullptr;
    QChartView* chartView = nullptr;
    QChart* Chart1 = nullptr;

    void btnQueryClick();
    void btnPrintClick();

    static ReportTemplate costLayout();

protected:
    void FormActivate() override;
    bool FormKeyDown(QKeyEvent* event) override;

private:
    bool m_loading = false;
};

extern TF_Kccb* F_Kccb;
