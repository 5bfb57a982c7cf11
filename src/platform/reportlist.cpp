#include "platform/reportlist.h"

namespace {

constexpr double kRow = 6;      // mm per table row
constexpr double kLine = 5.5;   // mm per header or summary line

QString fieldExpr(const QString& dataset, const QString& field)
{
    // An expression of its own ("[LINE#]") stands as it is.
    if (field.startsWith(QLatin1Char('[')))
        return field;
    return QStringLiteral("[%1.\"%2\"]").arg(dataset, field);
}

}  // namespace

ReportTemplate reportListLayout(const ReportListSpec& spec)
{
    ReportTemplate t;
    if (spec.landscape)
        std::swap(t.page.width, t.page.height);
    const double content = t.page.contentWidth();

    double total = 0;
    for (const ReportListColumn& c : spec.columns)
        total += c.width;
    const double scale = total > content ? content / total : 1.0;
    QVector<double> widths;
    for (const ReportListColumn& c : spec.columns)
        widths.append(c.width * scale);

    ReportBand& title = t.addBand(ReportBandKind::ReportTitle, 12 + kLine * spec.headerLines.size());
    ReportObject caption = reportText(QRectF(0, 0, content, 10), spec.title, 16, true, ReportHAlign::Center);
    caption.font.family = QStringLiteral("Noto Serif CJK SC");
    title.objects.append(caption);
    for (int i = 0; i < spec.headerLines.size(); ++i)
        title.objects.append(reportText(QRectF(0, 11 + i * kLine, content, kLine), spec.headerLines[i]));

    ReportBand header;
    header.kind = ReportBandKind::PageHeader;
    header.height = kRow;
    ReportBand data;
    data.height = kRow;
    data.dataset = spec.dataset;
    double x = 0;
    for (int i = 0; i < spec.columns.size(); ++i) {
        const ReportListColumn& c = spec.columns[i];
        ReportObject cap = reportText(QRectF(x, 0, widths[i], kRow), c.caption, 9, true, ReportHAlign::Center,
                                      QStringLiteral("ltrb"));
        cap.fill = QColor(0xe8, 0xe8, 0xe8);
        header.objects.append(cap);
        ReportObject cell = reportText(QRectF(x, 0, widths[i], kRow), fieldExpr(spec.dataset, c.field), 9, false,
                                       c.align, QStringLiteral("ltrb"));
        cell.format = c.format;
        data.objects.append(cell);
        x += widths[i];
    }
    t.bands.append(header);
    t.bands.append(data);

    bool sums = false;
    for (const ReportListColumn& c : spec.columns)
        sums = sums || c.sum;
    if (sums || !spec.summaryLines.isEmpty()) {
        ReportBand& summary = t.addBand(ReportBandKind::Summary, (sums ? kRow : 0) + kLine * spec.summaryLines.size() + 1);
        if (sums) {
            // The caption spans the columns up to the first sum.
            int first = 0;
            while (!spec.columns[first].sum)
                ++first;
            double start = 0;
            for (int i = 0; i < first; ++i)
                start += widths[i];
            if (first > 0)
                summary.objects.append(reportText(QRectF(0, 0, start, kRow), spec.totalCaption, 9, true,
                                                  ReportHAlign::Center, QStringLiteral("ltrb")));
            x = start;
            for (int i = first; i < spec.columns.size(); ++i) {
                const ReportListColumn& c = spec.columns[i];
                ReportObject cell = reportText(
                    QRectF(x, 0, widths[i], kRow),
                    c.sum ? QStringLiteral("[SUM(<%1.\"%2\">)]").arg(spec.dataset, c.field) : QString(), 9, true,
                    c.align, QStringLiteral("ltrb"));
                cell.format = c.format;
                summary.objects.append(cell);
                x += widths[i];
            }
        }
        for (int i = 0; i < spec.summaryLines.size(); ++i)
            summary.objects.append(
                reportText(QRectF(0, (sums ? kRow : 0) + 1 + i * kLine, content, kLine), spec.summaryLines[i]));
    }

    ReportBand& footer = t.addBand(ReportBandKind::PageFooter, 8);
    footer.objects.append(reportText(QRectF(0, 2, content, 6), QStringLiteral("第 [PAGE#] 页  共 [TOTALPAGES#] 页"), 9,
                                     false, ReportHAlign::Center));
    return t;
}
