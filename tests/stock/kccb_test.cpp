// Stock cost statistics: months newest first across a year end, nothing for a reversed range,
// one warehouse or all summed, and the chart's bars and axis title.
#include "data/datamodule.h"
#include "platform/charts.h"
#include "platform/codecombo.h"
#include "platform/datagrid.h"
#include "stock/kccb.h"
#include "stock/stock.h"
#include "support/shop.h"
#include "support/windowregistry.h"

#include <QSpinBox>
#include <QPushButton>
#include <QTabWidget>
#include <QtCharts/QAbstractAxis>
#include <QtCharts/QChart>

#include <gtest/gtest.h>

namespace {

QStringList months(const QString& sql, const char* field = "zje")
{
    const ResultSet rs = openSelect(sql);
    QStringList out;
    for (int r = 0; r < rs.rowCount(); ++r)
        out << rs.text(r, QStringLiteral("js_rq")) + u':' + rs.text(r, QLatin1String(field));
    return out;
}

class CostTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        w2 = shop.warehouse(QStringLiteral("二号仓"));
        for (const auto& [month, ck, value] : {std::tuple{"2013-10", "100001", 10.0}, {"2013-11", "100001", 20.0},
                                               {"2013-12", "100001", 30.0}, {"2014-02", "100001", 40.0}, {"2014-03", "100001", 50.0}}) {
            appendRow(QStringLiteral("jxc_kcjs"), {{QStringLiteral("js_rq"), QLatin1String(month)},
                                                   {QStringLiteral("ck_sn"), QLatin1String(ck)},
                                                   {QStringLiteral("js_zje"), value},
                                                   {QStringLiteral("js_sl"), 1}});
        }
        appendRow(QStringLiteral("jxc_kcjs"), {{QStringLiteral("js_rq"), QStringLiteral("2013-12")},
                                               {QStringLiteral("ck_sn"), w2},
                                               {QStringLiteral("js_zje"), 5.5},
                                               {QStringLiteral("js_sl"), 2}});
    }
    Shop shop;
    ScopedWindows windows{registerStockWindows};
    QString w2;
};

TEST_F(CostTest, MonthsNewestFirstAndNothingForAReversedRange)
{
    EXPECT_EQ(months(stockCostSql(QStringLiteral("2013-11"), QStringLiteral("2014-02"), QString(), QString())),
              (QStringList{"2014-02:40", "2013-12:35.5", "2013-11:20"}));
    EXPECT_EQ(months(stockCostSql(QStringLiteral("2013-11"), QStringLiteral("2014-02"), w2, QStringLiteral("二号仓")), "ckname"),
              QStringList{"2013-12:二号仓"});
    EXPECT_TRUE(months(stockCostSql(QStringLiteral("2014-02"), QStringLiteral("2013-11"), QString(), QString())).isEmpty());
}

TEST_F(CostTest, ChartDrawsOneBarPerMonthWithTheWarehouseInItsAxisTitle)
{
    TF_Form::scriptNextOpening(QStringLiteral("F_Kccb"), [&](TF_Form* f) {
        auto* w = static_cast<TF_Kccb*>(f);
        EXPECT_EQ(w->year1->value(), 2013);
        // 2013: October to December, and May of the warehouses made today.
        const QStringList shown{w->cxGrid1->value(0, QStringLiteral("js_rq")), w->cxGrid1->value(3, QStringLiteral("js_rq"))};
        EXPECT_EQ(shown, (QStringList{"2013-12", "2013-05"}));
        w->year2->setValue(2014);
        w->month1->setValue(11);
        w->PageControl1->setCurrentIndex(1);
        EXPECT_EQ(chartMarks(w->Chart1).size(), 4);
        const QList<QAbstractAxis*> axes = w->Chart1->axes(Qt::Vertical);
        ASSERT_FALSE(axes.isEmpty());
        EXPECT_EQ(axes.first()->titleText(), QStringLiteral("所有仓库库存成本"));
        // The grid keeps the rows of its last query.
        EXPECT_EQ(w->cxGrid1->rowCount(), 4);
    });
    showForm(F_Kccb);
}

}  // namespace
