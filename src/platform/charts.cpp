#include "platform/charts.h"

#include "data/database.h"
#include "data/values.h"
#include "platform/numbertext.h"

#include <QFontMetricsF>
#include <QGraphicsObject>
#include <QPainter>
#include <QPointer>
#include <QSet>
#include <QtCharts/QAreaSeries>
#include <QtCharts/QBarCategoryAxis>
#include <QtCharts/QLegendMarker>
#include <QtCharts/QLineSeries>
#include <QtCharts/QPieSeries>
#include <QtCharts/QValueAxis>
#include <cmath>

namespace {

constexpr qreal kBarHalfWidth = 0.35;  // in categories: bars take 70% of their slot

// Value marks drawn over a bar or line chart: one text per point, placed at paint time from
// the chart's own mapping, so they follow every resize. Deleted with the series they mark.
class ValueMarks : public QGraphicsObject {
public:
    ValueMarks(QChart* chart, QAbstractSeries* series, const QVector<double>& values, qreal gap)
        : QGraphicsObject(chart), m_chart(chart), m_series(series), m_values(values), m_gap(gap)
    {
        for (double v : values)
            m_texts << plainNumberText(v);
        setZValue(100);
        QObject::connect(chart, &QChart::plotAreaChanged, this, [this] {
            prepareGeometryChange();
            update();
        });
        QObject::connect(series, &QObject::destroyed, [self = QPointer<ValueMarks>(this)] { delete self.data(); });
    }

    const QStringList& texts() const { return m_texts; }

    QRectF boundingRect() const override { return m_chart->rect(); }

    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override
    {
        if (!m_series)
            return;
        painter->setPen(Qt::black);
        const QFontMetricsF fm(painter->font());
        for (int i = 0; i < m_values.size(); ++i) {
            const QPointF at = m_chart->mapToPosition(QPointF(i, m_values.at(i)), m_series);
            QRectF box = fm.boundingRect(m_texts.at(i));
            box.moveCenter(at);
            if (m_values.at(i) < 0)
                box.moveTop(at.y() + m_gap);
            else
                box.moveBottom(at.y() - m_gap);
            painter->drawText(box, Qt::AlignCenter, m_texts.at(i));
        }
    }

private:
    QChart* m_chart;
    QPointer<QAbstractSeries> m_series;
    QVector<double> m_values;
    QStringList m_texts;
    qreal m_gap;  // between a point and its mark
};

// Category axes refuse repeated labels: a repeat gets invisible zero-width spaces appended.
QStringList distinctLabels(const QStringList& labels)
{
    QStringList out;
    QSet<QString> seen;
    for (QString label : labels) {
        while (seen.contains(label))
            label += QChar(0x200B);
        seen.insert(label);
        out << label;
    }
    return out;
}

// The category axis along the bottom and the value axis on the left, with room for the marks.
void addAxes(QChart* chart, const ChartData& data, const QString& axisTitle)
{
    auto* x = new QBarCategoryAxis;
    x->append(distinctLabels(data.labels));
    x->setRange(x->categories().value(0), x->categories().value(data.labels.size() - 1));
    auto* y = new QValueAxis;
    double lo = 0, hi = 0;
    for (double v : data.values) {
        lo = std::min(lo, v);
        hi = std::max(hi, v);
    }
    if (lo == hi)
        hi = 1;
    const double room = (hi - lo) * 0.12;
    y->setRange(lo < 0 ? lo - room : 0, hi > 0 ? hi + room : 0);
    y->applyNiceNumbers();
    y->setLabelFormat(QStringLiteral("%.15g"));
    y->setTitleText(axisTitle);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    for (QAbstractSeries* s : chart->series()) {
        s->attachAxis(x);
        s->attachAxis(y);
    }
}

void startChart(QChart* chart, const QString& title)
{
    clearChart(chart);
    chart->setTitle(title);
}

}  // namespace

ChartData ChartData::fromResult(const ResultSet& rs, const QString& labelField, const QString& valueField)
{
    ChartData data;
    for (int r = 0; r < rs.rowCount(); ++r) {
        data.labels << rs.text(r, labelField);
        data.values << textToDouble(rs.text(r, valueField));
    }
    return data;
}

QColor chartColor(int index)
{
    static const QRgb palette[] = {0xE53935, 0x43A047, 0xFDD835, 0x1E88E5, 0xEC407A, 0x00ACC1,
                                   0xFB8C00, 0x8E24AA, 0x757575, 0x7CB342, 0x6D4C41, 0x039BE5,
                                   0xD81B60, 0x00897B, 0xC0CA33, 0x3949AB};
    constexpr int n = int(sizeof palette / sizeof palette[0]);
    return QColor::fromRgb(palette[((index % n) + n) % n]);
}

void clearChart(QChart* chart)
{
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes()) {
        axis->hide();  // its grid, labels and title stay on the chart until the event loop runs
        chart->removeAxis(axis);
        delete axis;
    }
    chart->legend()->hide();
    chart->setTitle(QString());
}

void showBarChart(QChart* chart, const ChartData& data, const QString& title, const QString& axisTitle)
{
    startChart(chart, title);
    if (data.labels.isEmpty())
        return;
    // One area per bar, so that each bar has its own colour at a cost linear in the points.
    for (int i = 0; i < data.labels.size(); ++i) {
        auto* top = new QLineSeries;
        auto* base = new QLineSeries;
        const double v = data.values.value(i);
        top->append({QPointF(i - kBarHalfWidth, v), QPointF(i + kBarHalfWidth, v)});
        base->append({QPointF(i - kBarHalfWidth, 0), QPointF(i + kBarHalfWidth, 0)});
        auto* bar = new QAreaSeries(top, base);
        top->setParent(bar);
        base->setParent(bar);
        bar->setName(data.labels.at(i));
        bar->setColor(chartColor(i));
        bar->setBorderColor(chartColor(i).darker(130));
        chart->addSeries(bar);
    }
    addAxes(chart, data, axisTitle);
    new ValueMarks(chart, chart->series().constFirst(), data.values, 3);
}

void showLineChart(QChart* chart, const ChartData& data, const QString& title, const QString& axisTitle)
{
    startChart(chart, title);
    if (data.labels.isEmpty())
        return;
    auto* line = new QLineSeries;
    for (int i = 0; i < data.labels.size(); ++i)
        line->append(i, data.values.value(i));
    QPen pen(chartColor(3));
    pen.setWidth(2);
    line->setPen(pen);
    line->setPointsVisible(true);
    line->setMarkerSize(8);
    for (int i = 0; i < data.labels.size(); ++i)
        line->setPointConfiguration(i, QXYSeries::PointConfiguration::Color, chartColor(i));
    chart->addSeries(line);
    addAxes(chart, data, axisTitle);
    new ValueMarks(chart, line, data.values, 7);
}

void showPieChart(QChart* chart, const ChartData& data, const QString& title, PieMarks marks)
{
    startChart(chart, title);
    if (data.labels.isEmpty())
        return;
    double total = 0;
    for (double v : data.values)
        total += std::fabs(v);
    auto* pie = new QPieSeries;
    for (int i = 0; i < data.labels.size(); ++i) {
        const double v = data.values.value(i);
        const QString percent =
            plainNumberText(total > 0 ? std::round(std::fabs(v) / total * 10000) / 100 : 0) + u'%';
        QString mark = marks == PieMarks::Value ? plainNumberText(v)
                     : marks == PieMarks::Percent ? percent
                                                  : data.labels.at(i) + u' ' + percent;
        QPieSlice* slice = pie->append(mark, std::fabs(v));
        slice->setColor(chartColor(i));
        slice->setLabelVisible(true);
    }
    chart->addSeries(pie);
    const QList<QLegendMarker*> markers = chart->legend()->markers(pie);
    for (int i = 0; i < markers.size() && i < data.labels.size(); ++i)
        markers.at(i)->setLabel(data.labels.at(i));
    chart->legend()->setAlignment(Qt::AlignRight);
    chart->legend()->show();
}

QStringList chartMarks(const QChart* chart)
{
    QStringList marks;
    for (QAbstractSeries* s : chart->series())
        if (auto* pie = qobject_cast<QPieSeries*>(s))
            for (QPieSlice* slice : pie->slices())
                marks << slice->label();
    for (QGraphicsItem* item : chart->childItems())
        if (auto* m = dynamic_cast<ValueMarks*>(item))
            marks << m->texts();
    return marks;
}
