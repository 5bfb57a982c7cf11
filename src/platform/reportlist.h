// List reports that windows keep inside themselves (lists of pending bills, goods, statistics):
// a title, lines under it, a bordered table of one dataset with captions repeated on every
// page, a row of sums, lines under the sums, and page numbers.
#pragma once

#include "platform/reporttemplate.h"

#include <QStringList>

struct ReportListColumn {
    ReportListColumn(const QString& caption, const QString& field, double width = 25,
                     ReportHAlign align = ReportHAlign::Left, const QString& format = QString(), bool sum = false)
        : caption(caption), field(field), width(width), align(align), format(format), sum(sum)
    {
    }
    QString caption;
    QString field;      // a field of the dataset, or an expression in brackets ("[LINE#]")
    double width;  // mm; the columns are narrowed together when they do not fit the page
    ReportHAlign align;
    QString format;     // number format of the field ("0.00")
    bool sum;           // its sum in the row of sums
};

struct ReportListSpec {
    QString title;
    QString dataset = QStringLiteral("frxDBDataset1");
    QVector<ReportListColumn> columns;
    QStringList headerLines;   // under the title, with expressions: "打印时间：[DATE] [TIME]"
    QString totalCaption = QStringLiteral("合计");  // first cell of the row of sums
    QStringList summaryLines;  // after the row of sums: "记录数：[COUNT(<frxDBDataset1>)]"
    bool landscape = false;    // A4 across
};

ReportTemplate reportListLayout(const ReportListSpec& spec);
