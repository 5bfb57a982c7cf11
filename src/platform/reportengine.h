// Preparing a report: the template's bands filled with the variables and dataset rows, laid
// out on pages; and painting prepared pages or single objects on any paint device.
#pragma once

#include "data/database.h"
#include "platform/reporttemplate.h"

#include <QHash>
#include <QImage>
#include <memory>

class QPainter;

// The rows a report reads under a dataset name: a whole result or some of its rows
// (the rows a grid shows), in the given order.
struct ReportDataset {
    ResultSet rows;
    QVector<int> selection;
    bool selected = false;  // true: only `selection`

    int count() const { return selected ? int(selection.size()) : rows.rowCount(); }
    int row(int i) const { return selected ? selection.at(i) : i; }
};

struct ReportData {
    QHash<QString, QString> variables;       // lower-case name -> value text
    QHash<QString, ReportDataset> datasets;  // lower-case name -> rows
};

// One thing to draw on a prepared page. `object` points into the document's copy of the
// template and gives the style; `rect` is in millimetres from the sheet's corner.
struct ReportItem {
    const ReportObject* object = nullptr;
    QRectF rect;
    QString text;  // the evaluated text, barcode data or picture file
};

struct ReportPageOut {
    QVector<ReportItem> items;
};

struct ReportDocument {
    std::shared_ptr<const ReportTemplate> layout;
    ReportPageSetup page;
    QVector<ReportPageOut> pages;  // at least one page, blank for an empty template
    QHash<QString, QImage> pictures;  // loaded picture files by path

    int pageCount() const { return pages.size(); }
    // The texts of one page, in drawing order (tests, checks).
    QStringList pageTexts(int page) const;
};

ReportDocument prepareReport(const ReportTemplate& layout, const ReportData& data);

// Paints one prepared page on a painter that is open on a device `pxPerMm` device pixels per
// millimetre in size, the sheet's corner at `origin` (device coordinates).
void paintReportPage(QPainter& painter, const ReportDocument& doc, int page, double pxPerMm,
                     const QPointF& origin = QPointF());
// Paints one object with the given text into `rect` (device coordinates); the designer draws
// its canvas with it.
void paintReportObject(QPainter& painter, const ReportObject& object, const QString& text, const QRectF& rect,
                       double pxPerMm, const QImage* picture = nullptr);

// A value put through a text object's number format ("0.00", "#,##0.00", "￥0.00");
// text that is not a number is returned unchanged.
QString formatReportValue(const QString& value, const QString& format);
