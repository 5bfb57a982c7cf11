// Reads a list print the way a reader of the page does: one column of its first page, top to
// bottom, from its caption down.
#pragma once

#include "platform/report.h"

#include <QStringList>
#include <algorithm>
#include <functional>

// Every preview a window asks for while `act` runs, as the texts of the column captioned
// `caption` (caption first); an empty list for a print without that column.
inline QList<QStringList> printedColumns(const QString& caption, const std::function<void()>& act)
{
    QList<QStringList> out;
    setReportInterceptor([&](ReportJob& job) {
        const ReportDocument doc = job.report->prepare();
        const QVector<ReportItem>& items = doc.pages.first().items;
        const auto head = std::find_if(items.begin(), items.end(), [&](const ReportItem& i) { return i.text == caption; });
        QList<std::pair<double, QString>> cells;
        if (head != items.end())
            for (const ReportItem& i : items)
                if (qFuzzyCompare(i.rect.left() + 1, head->rect.left() + 1) && qFuzzyCompare(i.rect.width(), head->rect.width()) &&
                    i.rect.top() >= head->rect.top())
                    cells.append({i.rect.top(), i.text});
        std::stable_sort(cells.begin(), cells.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
        QStringList column;
        for (const auto& c : cells)
            column << c.second;
        out << column;
        return false;
    });
    act();
    setReportInterceptor({});
    return out;
}
