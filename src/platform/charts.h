// The statistics windows' charts, built at run time over Qt Charts: one series of labelled
// values as bars, a pie or a line, each point in its own colour, with value marks.
#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <QVector>
#include <QtCharts/QChart>

class ResultSet;

struct ChartData {
    QStringList labels;
    QVector<double> values;

    // One point per row, in order: the label from one field, the value from another (an empty
    // or non-numeric text counts 0).
    static ChartData fromResult(const ResultSet& rs, const QString& labelField, const QString& valueField);
};

// What the slices of a pie are marked with.
enum class PieMarks {
    Value,           // "1250.5"
    Percent,         // "33.33%"
    LabelAndPercent  // "男鞋 33.33%"
};

// Removes every series and axis, hides the legend and clears the title.
void clearChart(QChart* chart);

// Each of these rebuilds the chart in place: clears it, sets the title, then draws one point per
// label in order, each in the colour chartColor(index).
// Bars with the value marked above each (below a negative one); no legend; the left axis titled.
void showBarChart(QChart* chart, const ChartData& data, const QString& title,
                  const QString& axisTitle = QString());
// A line of width 2 through points in their colours, each marked with its value; no legend.
void showLineChart(QChart* chart, const ChartData& data, const QString& title,
                   const QString& axisTitle = QString());
// A pie with its legend shown (one entry per label); a negative value gets the slice of its size.
void showPieChart(QChart* chart, const ChartData& data, const QString& title, PieMarks marks);

// The colour of the point at `index` (a fixed palette, repeated).
QColor chartColor(int index);
// The marks shown on the chart, in point order (bar and line values, pie slice labels).
QStringList chartMarks(const QChart* chart);
