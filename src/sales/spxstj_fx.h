// "单品分析": how one goods sells this year, this month and today (net of customer returns), its
// share of all goods and of its category, its cost, gross profit and margin, and line charts of
// its net quantity by day or by month.
#pragma once

#include "platform/form.h"

#include <QDate>
#include <QVector>

class DataGrid;
class QChart;
class QDateEdit;
class QLabel;
class QRadioButton;
class QSpinBox;
class QTabWidget;

// The analysis items 1 to 13 (index 0 unused), each for the year, the month and the day of
// `today`: 1/2 quantity and amount of all goods, 3/4 of the goods' category (its
// sub-categories included), 5/6 of the goods, 7 to 10 the shares (%) 5/1, 6/2, 5/3, 6/4,
// 11 gross profit 6 - 13, 12 margin (%) 11/6, 13 cost 5 × the cost price of the goods' first
// stock row. A share over 0 is 0.
struct SpxfTable {
    double v[14][3] = {};
};
SpxfTable spxfFigures(const QString& gSn, const QDate& today);
// Rewrites the scratch goods list with the items (captions, one row each) in one transaction.
void writeSpxfTable(const SpxfTable& t, const QString& aName);
// The charts' statements: net quantity per day (one point per day, the end day whole) and per
// month ("yyyy-MM").
QString spxfDaySql(const QString& gSn, const QString& d1, const QString& d2);
QString spxfMonthSql(const QString& gSn, const QString& m1, const QString& m2);

class TF_Spxstj_Fx : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Spxstj_Fx(QWidget* parent = nullptr);

    void btnDayClick();    // daily "查询"
    void btnMonthClick();  // monthly "查询"
    void rbMonthClick();   // "按月分析": the whole current year

    QLabel* lblName = nullptr;
    QTabWidget* tabs = nullptr;
    DataGrid* grid = nullptr;
    QRadioButton* rbDay = nullptr;
    QRadioButton* rbMonth = nullptr;
    QDateEdit* date1 = nullptr;
    QDateEdit* date2 = nullptr;
    QSpinBox* year1 = nullptr;
    QSpinBox* month1 = nullptr;
    QSpinBox* year2 = nullptr;
    QSpinBox* month2 = nullptr;
    QChart* chart = nullptr;

protected:
    void FormActivate() override;
    void FormClose() override;

private:
    void enterChart();
    void draw(const QString& title, const QString& labelField);
    QWidget* m_dayPanel = nullptr;
    QWidget* m_monthPanel = nullptr;
};

extern TF_Spxstj_Fx* F_Spxstj_Fx;

// Opens the analysis of a goods (never of the discount balancing item "00000000").
void openSpxstjFx(const QString& gSn, const QString& gName);
