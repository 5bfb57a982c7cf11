// Barcodes of reports and labels: encoded by libzint, drawn as filled bars so that a PDF keeps
// them as vectors and a raster gets whole-pixel modules.
#pragma once

#include "platform/reporttemplate.h"

#include <QFont>
#include <QRectF>
#include <QString>
#include <QVector>

class QPainter;

struct ReportBarcodeSymbol {
    bool ok = false;
    QString error;        // why the data could not be encoded
    QString text;         // the human-readable text (EAN-13 with its check digit)
    int quietLeft = 0;    // modules of empty space kept beside the bars
    int quietRight = 0;
    int modules = 0;      // modules of the bars themselves
    QVector<QPair<int, int>> bars;  // (first module, width in modules)

    int totalModules() const { return quietLeft + modules + quietRight; }
};

// Code 128 takes any Latin-1 text; EAN-13 takes 12 digits (the check digit is added) or 13
// digits with a correct check digit.
ReportBarcodeSymbol encodeReportBarcode(ReportBarcodeType type, const QString& data);

// Draws the bars into `rect` (device coordinates), the text below them when `showText`.
// Data that cannot be encoded is drawn as its plain text.
void paintReportBarcode(QPainter& painter, const QRectF& rect, const ReportBarcodeSymbol& symbol,
                        const QString& data, bool showText, const QFont& font);
