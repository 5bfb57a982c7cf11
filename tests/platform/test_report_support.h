// Helpers of the report tests: the shipped templates, result sets built by hand, and the
// command-line readers of PDF files and barcodes.
#pragma once

#include "data/database.h"
#include "platform/reporttemplate.h"

#include <QDir>
#include <QFont>
#include <QHash>
#include <QRawFont>
#include <QProcess>
#include <QString>
#include <QStringList>

// The source tree, as the build names it.
inline QString sourceDir()
{
    return QStringLiteral(JXC_SOURCE_DIR);
}

inline QString shippedReportDir()
{
    return sourceDir() + QStringLiteral("/report");
}

// A result set of text columns.
inline ResultSet makeRows(const QStringList& columns, const QList<QStringList>& rows)
{
    ResultSet rs;
    QVector<ResultColumn> cols;
    for (const QString& c : columns)
        cols.append(ResultColumn{c, ColumnKind::Text});
    rs.setColumns(cols);
    for (const QStringList& r : rows)
        rs.appendRow(r);
    return rs;
}

// Standard output of a program; empty when it cannot run.
inline QString runTool(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(60000))
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The text of a PDF, pages separated by form feeds.
inline QString pdfText(const QString& pdf, const QStringList& extra = {})
{
    return runTool(QStringLiteral("pdftotext"),
                   extra + QStringList{QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
}

// Pages of a PDF's text.
inline QStringList pdfPages(const QString& pdf)
{
    QStringList pages = pdfText(pdf).split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

// The symbols zbarimg reads from an image file, as "TYPE:data" lines.
inline QStringList decodeBarcodes(const QString& image)
{
    const QString out = runTool(QStringLiteral("zbarimg"), {QStringLiteral("--quiet"), image});
    return out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}
