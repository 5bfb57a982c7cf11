// The chart helper over Qt Charts, driven headless.
#include "platform/charts.h"

#include "data/database.h"

#include <QtCharts/QAreaSeries>
#include <QtCharts/QBarCategoryAxis>
#include <QtCharts/QChartView>
#include <QtCharts/QLegendMarker>
#include <QtCharts/QLineSeries>
#include <QtCharts/QPieSeries>
#include <QtCharts/QValueAxis>
#include <gtest/gtest.h>

namespace {

class ChartsTest : public ::testing::Test {
protected:
    ChartsTest()
    {
        view.resize(640, 420);
        view.show();
    }
    QChart* chart() { return view.chart(); }
    // Draws the chart into a picture, so that the marks paint with a real layout.
    void render()
    {
        view.grab();
    }
    QStringList axisCategories()
    {
        const auto axes = chart()->axes(Qt::Horizontal);
        auto* x = axes.isEmpty() ? nullptr : qobject_cast<QBarCategoryAxis*>(axes.first());
        return x ? x->categories() : QStringList();
    }
    QChartView view;
    const ChartData data{{"男鞋", "女鞋", "童鞋"}, {1250.5, 0.1 + 0.2, -40}};
};

TEST_F(ChartsTest, BarsOnePerPointInTheirColoursWithValueMarks)
{
    showBarChart(chart(), data, QStringLiteral("分类采购额(2013-05-01至2013-05-28)"), QStringLiteral("采购额(元)"));
    render();
    EXPECT_EQ(chart()->title(), QStringLiteral("分类采购额(2013-05-01至2013-05-28)"));
    EXPECT_FALSE(chart()->legend()->isVisible());
    const auto series = chart()->series();
    ASSERT_EQ(series.size(), 3);
    for (int i = 0; i < 3; ++i) {
        auto* bar = qobject_cast<QAreaSeries*>(series.at(i));
        ASSERT_TRUE(bar);
        EXPECT_EQ(bar->name(), data.labels.at(i));
        EXPECT_EQ(bar->color(), chartColor(i));
        ASSERT_EQ(bar->upperSeries()->count(), 2);
        EXPECT_DOUBLE_EQ(bar->upperSeries()->at(0).y(), data.values.at(i));
        EXPECT_DOUBLE_EQ(bar->upperSeries()->at(0).x() + bar->upperSeries()->at(1).x(), 2.0 * i);
    }
    EXPECT_NE(chartColor(0), chartColor(1));
    EXPECT_EQ(axisCategories(), data.labels);
    const auto left = chart()->axes(Qt::Vertical);
    ASSERT_EQ(left.size(), 1);
    auto* y = qobject_cast<QValueAxis*>(left.first());
    EXPECT_EQ(y->titleText(), QStringLiteral("采购额(元)"));
    EXPECT_LT(y->min(), -40);
    EXPECT_GT(y->max(), 1250.5);
    EXPECT_EQ(chartMarks(chart()), (QStringList{"1250.5", "0.3", "-40"}));
}

TEST_F(ChartsTest, LineOfWidthTwoWithColouredPointsAndMarks)
{
    showLineChart(chart(), {{"2013-05-01", "2013-05-02", "2013-05-03", "2013-05-04"}, {3, 0, 12, 7}},
                  QStringLiteral("按日分析"));
    render();
    const auto series = chart()->series();
    ASSERT_EQ(series.size(), 1);
    auto* line = qobject_cast<QLineSeries*>(series.first());
    ASSERT_TRUE(line);
    EXPECT_EQ(line->count(), 4);
    EXPECT_EQ(line->pen().width(), 2);
    EXPECT_TRUE(line->pointsVisible());
    for (int i = 0; i < 4; ++i) {
        EXPECT_DOUBLE_EQ(line->at(i).x(), i);
        EXPECT_EQ(line->pointConfiguration(i).value(QXYSeries::PointConfiguration::Color).value<QColor>(),
                  chartColor(i));
    }
    EXPECT_EQ(axisCategories(), (QStringList{"2013-05-01", "2013-05-02", "2013-05-03", "2013-05-04"}));
    EXPECT_FALSE(chart()->legend()->isVisible());
    EXPECT_EQ(chartMarks(chart()), (QStringList{"3", "0", "12", "7"}));
}

TEST_F(ChartsTest, PieMarksAndLegend)
{
    const ChartData shares{{"男鞋", "女鞋", "童鞋"}, {50, 25, -25}};
    struct Case {
        PieMarks marks;
        QStringList expected;
    };
    const Case cases[] = {
        {PieMarks::Value, {"50", "25", "-25"}},
        {PieMarks::Percent, {"50%", "25%", "25%"}},
        {PieMarks::LabelAndPercent, {"男鞋 50%", "女鞋 25%", "童鞋 25%"}},
    };
    for (const Case& c : cases) {
        showPieChart(chart(), shares, QStringLiteral("收入类饼图"), c.marks);
        render();
        ASSERT_EQ(chart()->series().size(), 1);
        auto* pie = qobject_cast<QPieSeries*>(chart()->series().first());
        ASSERT_TRUE(pie);
        ASSERT_EQ(pie->count(), 3);
        EXPECT_EQ(chartMarks(chart()), c.expected);
        EXPECT_DOUBLE_EQ(pie->slices().at(2)->value(), 25);
        EXPECT_TRUE(chart()->legend()->isVisible());
        const auto markers = chart()->legend()->markers(pie);
        ASSERT_EQ(markers.size(), 3);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(markers.at(i)->label(), shares.labels.at(i));
            EXPECT_EQ(pie->slices().at(i)->color(), chartColor(i));
            EXPECT_TRUE(pie->slices().at(i)->isLabelVisible());
        }
        EXPECT_TRUE(chart()->axes().isEmpty());
    }
    const ChartData thirds{{"a", "b", "c"}, {1, 1, 1}};
    showPieChart(chart(), thirds, QString(), PieMarks::Percent);
    EXPECT_EQ(chartMarks(chart()), (QStringList{"33.33%", "33.33%", "33.33%"}));
}

// Each drawing replaces the last one in place; repeated labels and an empty result are drawn too.
TEST_F(ChartsTest, RebuiltInPlace)
{
    showPieChart(chart(), data, QStringLiteral("pie"), PieMarks::Percent);
    showBarChart(chart(), {{"鞋", "鞋", ""}, {1, 2, 3}}, QStringLiteral("bars"), QStringLiteral("数量"));
    render();
    EXPECT_EQ(chart()->series().size(), 3);
    EXPECT_EQ(chart()->axes().size(), 2);
    EXPECT_FALSE(chart()->legend()->isVisible());
    EXPECT_EQ(axisCategories().size(), 3);
    EXPECT_EQ(chartMarks(chart()), (QStringList{"1", "2", "3"}));

    showLineChart(chart(), data, QStringLiteral("line"));
    EXPECT_EQ(chart()->series().size(), 1);
    EXPECT_EQ(chart()->axes().size(), 2);
    EXPECT_EQ(chartMarks(chart()).size(), 3);

    showBarChart(chart(), ChartData(), QStringLiteral("空"));
    render();
    EXPECT_EQ(chart()->title(), QStringLiteral("空"));
    EXPECT_TRUE(chart()->series().isEmpty());
    EXPECT_TRUE(chart()->axes().isEmpty());
    EXPECT_TRUE(chartMarks(chart()).isEmpty());
}

TEST_F(ChartsTest, DataFromAResult)
{
    ResultSet rs;
    rs.setColumns({{"gcname", ColumnKind::Text}, {"zje", ColumnKind::Money}});
    rs.appendRow({"男鞋", "1200.5"});
    rs.appendRow({"女鞋", ""});
    const ChartData d = ChartData::fromResult(rs, QStringLiteral("gcname"), QStringLiteral("zje"));
    EXPECT_EQ(d.labels, (QStringList{"男鞋", "女鞋"}));
    EXPECT_EQ(d.values, (QVector<double>{1200.5, 0}));
}

}  // namespace
