// "营业分析": one page of the period's business with a link per section to the window of its
// details, and the daily and monthly lists with their charts, prints and exports.
#pragma once

#include "platform/form.h"

#include <QMap>

class DataGrid;
class NamedQuery;
class QChart;
class CodeComboBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QStackedWidget;
class QTabWidget;
class QToolButton;
class ReportTemplate;

class TF_Yyfx : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Yyfx(QWidget* parent = nullptr);

    QTabWidget* cxPage = nullptr;
    NamedQuery* Q_Yyfx1 = nullptr;  // the daily list
    NamedQuery* Q_Yyfx2 = nullptr;  // the monthly list

    // 综合分析
    QDateEdit* tdate11 = nullptr;
    QDateEdit* tdate12 = nullptr;
    QToolButton* btnMenu1 = nullptr;
    CodeComboBox* comCk = nullptr;
    QPushButton* btnSearch1 = nullptr;
    QPushButton* btnToday = nullptr;
    QPushButton* btnPrin1 = nullptr;
    // The figures' labels by their print variable names (cgds … xsmll, date1, date2, date3, week).
    QMap<QString, QLabel*> figures;

    // 按日分析
    QDateEdit* tdate21 = nullptr;
    QDateEdit* tdate22 = nullptr;
    QToolButton* btnMenu2 = nullptr;
    QPushButton* btnSearch2 = nullptr;
    QRadioButton* rbTable2 = nullptr;
    QRadioButton* rbChart2 = nullptr;
    QStackedWidget* body2 = nullptr;
    DataGrid* cxGrid2 = nullptr;
    QComboBox* comShow2 = nullptr;
    QChart* chart2 = nullptr;

    // 按月分析
    QSpinBox* year1 = nullptr;
    QSpinBox* month1 = nullptr;
    QSpinBox* year2 = nullptr;
    QSpinBox* month2 = nullptr;
    QPushButton* btnSearch3 = nullptr;
    QRadioButton* rbTable3 = nullptr;
    QRadioButton* rbChart3 = nullptr;
    QStackedWidget* body3 = nullptr;
    DataGrid* cxGrid3 = nullptr;
    QComboBox* comShow3 = nullptr;
    QChart* chart3 = nullptr;

    void summarySearch();
    void todaySearch();
    void dailySearch();
    void monthlySearch();
    void drawDailyChart();
    void drawMonthlyChart();
    // Opens the window behind a section link ("采购情况" … "财务分析").
    void openLink(const QString& link);
    void print();
    void exportList();

    // The summary's print layout: title, period, time, operator and the seven sections.
    static ReportTemplate summaryLayout();

protected:
    void FormActivate() override;
    bool FormKeyDown(QKeyEvent* event) override;

private:
    void tabChanged(int index);
    bool m_filling = false;
};

extern TF_Yyfx* F_Yyfx;
