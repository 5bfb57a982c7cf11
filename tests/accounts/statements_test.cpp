// The financial statements on plain values: the operating statement and the charts' figures,
// the balance sheet, the receivables and payables table, the fixed assets and the business
// analysis, on shops built through the real postings.
#include "accountstest.h"

#include "accounts/moneyentries.h"
#include "accounts/statements.h"
#include "data/clock.h"
#include "platform/charts.h"

namespace {

class Statements : public AccountsTest {
protected:
    Statements() : handler(shop.staff(QStringLiteral("王出纳"))) {}

    void fy(FyDirection d, const QString& type, double amount)
    {
        addFyEntry({.direction = d, .type = type, .amount = Money::fromDouble(amount), .handlerSn = handler,
                    .handlerName = QStringLiteral("王出纳"), .account = QStringLiteral("现金"), .note = QString(),
                    .op = operatorName});
    }
    // code|caption|period|all-time per row.
    static QStringList shown(const QVector<StatementRow>& rows)
    {
        QStringList out;
        for (const StatementRow& r : rows)
            out << QStringList{r.code, r.caption, r.period.toText(), r.allTime.toText()}.join(u'|');
        return out;
    }
    static Money amount(const QVector<StatementRow>& rows, const QString& code, bool period)
    {
        for (const StatementRow& r : rows)
            if (r.code == code)
                return period ? r.period : r.allTime;
        ADD_FAILURE() << code.toStdString();
        return {};
    }
    QString handler;
    const QDate today{2013, 5, 28};
};

TEST_F(Statements, EmptyShopHasTheSevenRowsAllZero)
{
    const auto rows = buildOperatingStatement(today, today, operatorName);
    EXPECT_EQ(shown(rows), (QStringList{"100|[收入类]|0|0", "101|  销售收入|0|0", "102|  其他收入|0|0",
                                        "200|[支出类]|0|0", "201|  销售成本|0|0", "202|  其他费用|0|0",
                                        "300|[总利润]|0|0"}));
    EXPECT_EQ(value("select count(*) from jxc_tempspxf where a_name=?", {{QString(), operatorName}}), "7");
}

TEST_F(Statements, TypeRowsGetTheirOwnSectionsAmountsAndMoveTheProfit)
{
    const QString sandal = shop.goods(QStringLiteral("凉鞋"), {}, {}, 40);
    shop.receipt().plainLine(sandal, 40, 5).post();
    shop.loss().line(sandal, {{"均码", "统一", 1}}).post();  // books "商品报损支出" though no such type exists
    fy(FyDirection::Expense, QStringLiteral("房租"), 100);
    // An income type named like the loss bill's expense kind keeps its own amount.
    fy(FyDirection::Income, QStringLiteral("商品报损支出"), 50);
    shop.sale().plainLine(sandal, 70, 2).post();

    const auto rows = buildOperatingStatement(today, today, operatorName);
    EXPECT_EQ(shown(rows), (QStringList{"100|[收入类]|190|190", "101|  销售收入|140|140", "102|  其他收入|50|50",
                                        "1021|    商品报损支出|50|50", "200|[支出类]|220|220",
                                        "201|  销售成本|80|80", "202|  其他费用|140|140", "2021|    商品报损支出|40|40",
                                        "2022|    房租|100|100", "300|[总利润]|-30|-30"}));

    // A later period keeps the all-time column and zeroes the period one; the last day counts.
    Clock::setFixed(QDateTime(QDate(2013, 6, 2), QTime(9, 0)));
    fy(FyDirection::Expense, QStringLiteral("房租"), 10.25);
    const auto june = buildOperatingStatement(QDate(2013, 6, 1), QDate(2013, 6, 2), operatorName);
    EXPECT_EQ(amount(june, "2022", true), Money::fromDouble(10.25));
    EXPECT_EQ(amount(june, "2022", false), Money::fromDouble(110.25));
    EXPECT_EQ(amount(june, "300", true), Money::fromDouble(-10.25));
    EXPECT_EQ(amount(june, "300", false), Money::fromDouble(-40.25));
    EXPECT_EQ(amount(june, "101", true), Money());
}

TEST_F(Statements, SalesNetOfReturnsAndTheirCost)
{
    const QString sandal = shop.goods(QStringLiteral("凉鞋"), {}, {});
    shop.receipt().plainLine(sandal, 100, 3).post();
    shop.sale().plainLine(sandal, 300, 1).post();
    shop.customerReturn().plainLine(sandal, 100, 1).post();
    const auto rows = buildOperatingStatement(today, today, operatorName);
    EXPECT_EQ(amount(rows, "101", false), Money::fromDouble(200));
    const Money cost = Money::fromText(value("select sum(gl_zje-gl_lr) from jxc_goodslist where gl_flag in ('xs','xt')"));
    EXPECT_EQ(amount(rows, "201", true), cost);
    EXPECT_EQ(amount(rows, "300", true), Money::fromDouble(200) - cost);
}

TEST_F(Statements, DetailOfEachKindOfRow)
{
    fy(FyDirection::Expense, QStringLiteral("房租"), 100);
    fy(FyDirection::Expense, QStringLiteral("水电"), 30);
    fy(FyDirection::Income, QStringLiteral("利息"), 5);
    buildOperatingStatement(today, today, operatorName);
    auto detail = [&](const QString& code, const QString& caption) {
        const QString sql = operatingDetailSql(code, caption, today, today);
        return sql.isEmpty() ? QStringLiteral("-") : rows(QStringLiteral("select lx,je from (%1)").arg(sql));
    };
    // Totals rows leave the detail as it was.
    for (const char* code : {"100", "200", "300"})
        EXPECT_EQ(detail(code, "[总利润]"), "-");
    EXPECT_EQ(detail("2021", "    房租"), "房租|-100");
    EXPECT_EQ(detail("202", "  其他费用").split(u' ').size(), 2);
    EXPECT_EQ(detail("102", "  其他收入"), "利息|5");
    EXPECT_EQ(detail("101", "  销售收入"), "");
}

TEST_F(Statements, PiesAndMonthCharts)
{
    fy(FyDirection::Expense, QStringLiteral("房租"), 100);
    fy(FyDirection::Expense, QStringLiteral("水电"), 30);
    const ChartData pie = buildExpensePie(operatorName);
    EXPECT_EQ(pie.labels, (QStringList{"销售成本", "房租", "水电"}));
    EXPECT_EQ(pie.values, (QVector<double>{0, 100, 30}));
    EXPECT_EQ(buildIncomePie(operatorName).labels, QStringList{"销售收入"});

    EXPECT_EQ(monthKey(2013, 3), "2013-03");
    EXPECT_EQ(monthExpenseChart("2013-01", "2013-12").labels, QStringList{"2013-05"});
    EXPECT_EQ(monthExpenseChart("2013-01", "2013-12").values, QVector<double>{130});
    EXPECT_TRUE(monthExpenseChart("2013-03", "2013-01").labels.isEmpty());
    execSql("insert into jxc_kcjs (js_rq,js_xsje,js_xscb,ck_sn) values ('2013-04',500,300,'100001'),"
            "('2013-04',100,80,'100002'),('2014-01',10,0,'100001')");
    const ChartData profit = monthProfitChart("2013-01", "2013-12");
    EXPECT_EQ(profit.labels, QStringList{"2013-04"});
    EXPECT_EQ(profit.values, QVector<double>{220});
}

// ---- Balance sheet and the party table ----------------------------------------------------

TEST_F(Statements, BalanceSheetRowsUpToTheDay)
{
    const QString sandal = shop.goods(QStringLiteral("凉鞋"), {}, {});
    shop.receipt().plainLine(sandal, 50, 4).paid(150).mode(CgjhMode::RestOwed).post();  // owes the supplier 50
    shop.sale().plainLine(sandal, 80, 1).received(60).mode(SpxsMode::RestOwed).post();  // the customer owes 20
    addAccount({.type = QStringLiteral("银行"), .name = QStringLiteral("工行"), .balance = Money::fromDouble(1000), .note = ""});
    addAccount({.type = QStringLiteral("银行"), .name = QStringLiteral("农行"), .balance = Money(), .note = ""});
    addAccount({.type = QStringLiteral("银行"), .name = QStringLiteral("建行"), .balance = Money::fromDouble(1000), .note = ""});
    for (const char* bank : {"农行", "工行"})
        deposit({.account = QString::fromUtf8(bank), .amount = Money::fromDouble(100), .handlerName = "王出纳", .note = "", .op = operatorName});
    ASSERT_EQ(openFixedAssets(Money::fromDouble(5000)), "");

    const auto rows = buildBalanceSheet(today, operatorName);
    const Money cash = Money::fromText(value("select sum(xj_je) from jxc_xjyh where xj_kmmc='现金'"));
    EXPECT_EQ(shown(rows), (QStringList{"100|[资产合计]|0|" + (Money::fromDouble(150 + 5000 + 200 + 20) + cash).toText(),
                                        "101|  库存商品总值|0|150", "102|  固定资产总值|0|5000",
                                        "103|  现金|0|" + cash.toText(), "104|  全部银行合计|0|200",
                                        "1041|    农行|0|100", "1042|    工行|0|100", "105|  应收款合计|0|20",
                                        "200|[负债合计]|0|50", "201|  应付款合计|0|50"}))
        << "accounts with journal rows only, the opening amount left out";

    // A day before: no dated rows count, the stock stays at today's value.
    const auto before = buildBalanceSheet(QDate(2013, 5, 27), operatorName);
    EXPECT_EQ(shown(before), (QStringList{"100|[资产合计]|0|150", "101|  库存商品总值|0|150", "102|  固定资产总值|0|0",
                                          "103|  现金|0|0", "104|  全部银行合计|0|0", "105|  应收款合计|0|0",
                                          "200|[负债合计]|0|0", "201|  应付款合计|0|0"}));
    // Receipts of the document-based account lower the receivables.
    execSql("insert into jxc_khfk (kf_sn,kf_fkrq,kf_fkje,kh_sn) values ('SK1','2013-05-28 10:00:00',15,?)", {{QString(), kh}});
    EXPECT_EQ(amount(buildBalanceSheet(today, operatorName), "105", false), Money::fromDouble(5));
}

TEST_F(Statements, PartyListReadsTheBalanceFieldsAndTheBillsTheDocuments)
{
    const QString sandal = shop.goods(QStringLiteral("凉鞋"), {}, {});
    shop.receipt().plainLine(sandal, 50, 4).paid(150).mode(CgjhMode::RestOwed).post();
    shop.sale().plainLine(sandal, 80, 1).received(60).mode(SpxsMode::RestOwed).post();
    shop.sale().customer(kh).plainLine(sandal, 80, 1).post();  // settled, balance 0 for 客户甲
    const QString other = shop.customer(QStringLiteral("丙客户"));
    execSql("update jxc_khxx set kh_lwje=-50,kh_forbid=1 where kh_sn=?", {{QString(), other}});

    const QString all = rows("select dwname,ysje,yfje,dwlx from (" + partyListSql("") + ")");
    EXPECT_TRUE(all.contains("丙客户|-50|0|客户")) << all.toStdString();
    EXPECT_FALSE(all.contains("客户甲")) << all.toStdString();
    EXPECT_EQ(rows("select dwname from (" + partyListSql(" 丙") + ")"), "丙客户");
    EXPECT_EQ(rows("select dwname from (" + partyListSql("x'") + ")"), "");

    auto bills = [&](BillFilter f) {
        return rows("select zflx,yfje,sfje from (" + partyBillsSql("客户", "100001", today, today, f) + ")");
    };
    EXPECT_EQ(bills(BillFilter::Owing), "商品销售付款|80|60");
    EXPECT_EQ(bills(BillFilter::All).split(u' ').size(), 1);
    EXPECT_EQ(rows("select zflx,yfje,sfje from (" + partyBillsSql("供货商", "100001", today, today, BillFilter::All) + ")"),
              "进货支付|200|150");
    EXPECT_EQ(rows("select zflx from (" + partyBillsSql("客户", kh, today, today, BillFilter::Settled) + ")"),
              "商品销售付款");
}

// ---- Fixed assets ----------------------------------------------------------------------------

TEST_F(Statements, FixedAssetsKeepTheTotalEqualToTheMovements)
{
    const QString refusal = QStringLiteral("固定资产已经存在资产增加或减少或期初资产，不能再期初建账！");
    EXPECT_EQ(addAssetMove({.increase = true, .amount = Money(), .handlerName = "王出纳", .note = ""}), "金额必须填写！");
    EXPECT_EQ(addAssetMove({.increase = true, .amount = Money::fromDouble(1), .handlerName = "", .note = ""}), "请选择经办人！");
    EXPECT_EQ(value("select count(*) from jxc_zcmx"), "0");

    ASSERT_EQ(openFixedAssets(Money::fromDouble(5000)), "");
    EXPECT_EQ(openFixedAssets(Money::fromDouble(1)), refusal);
    EXPECT_EQ(addAssetMove({.increase = true, .amount = Money::fromDouble(1200), .handlerName = "王出纳", .note = " 电脑'"}), "");
    EXPECT_EQ(addAssetMove({.increase = false, .amount = Money::fromDouble(200), .handlerName = "王出纳", .note = ""}), "");
    EXPECT_EQ(rows("select zc_qcje,zc_ljje from jxc_gdzc"), "5000|6000");
    EXPECT_EQ(rows("select zc_je,zc_lx from (" + assetListSql(today, today, "") + ")"),
              "5000|期初资产 1200|资产增加 -200|资产减少");
    EXPECT_EQ(rows("select zc_je from (" + assetListSql(today, today, kAssetDecrease) + ")"), "-200");
    // A decrease beyond the total is accepted.
    EXPECT_EQ(addAssetMove({.increase = false, .amount = Money::fromDouble(9000), .handlerName = "王出纳", .note = ""}), "");
    EXPECT_EQ(value("select zc_ljje from jxc_gdzc"), "-3000");
    EXPECT_EQ(value("select sum(zc_je) from jxc_zcmx"), "-3000");
}

TEST_F(Statements, OpeningOfZeroIsKeptAndAnyMovementBlocksTheOpening)
{
    ASSERT_EQ(openFixedAssets(Money()), "");
    EXPECT_NE(checkAssetOpening(), "");
    execSql("delete from jxc_zcmx");
    ASSERT_EQ(addAssetMove({.increase = true, .amount = Money::fromDouble(10), .handlerName = "王出纳", .note = ""}), "");
    EXPECT_NE(openFixedAssets(Money::fromDouble(5)), "");
}

// ---- Business analysis ----------------------------------------------------------------------

TEST_F(Statements, BusinessSummaryFiguresAndTheWarehouseFilter)
{
    const QMap<QString, QString> empty = businessSummary(today, today, "-1");
    EXPECT_EQ(empty["cgds"], "0");
    EXPECT_EQ(empty["cgje"], "0元");
    EXPECT_EQ(empty["cgzje"], "0.00");
    EXPECT_EQ(empty["yfghs"], "0.00元");
    EXPECT_EQ(empty["xsmll"], "0%");

    const QString sandal = shop.goods(QStringLiteral("凉鞋"), {}, {}, 30);
    const QString boot = shop.goods(QStringLiteral("靴子"), {}, {}, 30);
    shop.receipt().plainLine(sandal, 50, 10).paid(400).post();
    shop.purchaseReturn().plainLine(sandal, 50, 2).post();
    shop.sale().plainLine(sandal, 80, 1).post();
    execSql("insert into jxc_kcsp (g_sn,ck_sn,kc_sl,kc_cbj) values (?,'100001',-2,45)", {{QString(), boot}});
    execSql("insert into jxc_ghsfk (gf_sn,gf_fkrq,gf_fkje,ghs_sn) values ('FK1','2013-05-28 11:00:00',300,'100001')");

    QMap<QString, QString> v = businessSummary(today, today, "-1");
    EXPECT_EQ(v["cgds"], "1");
    EXPECT_EQ(v["cgsl"], "10");
    EXPECT_EQ(v["cgje"], "500元");
    EXPECT_EQ(v["cgthsl"], "2");
    EXPECT_EQ(v["cgthje"], "100元");
    EXPECT_EQ(v["cgzsl"], "8");
    EXPECT_EQ(v["cgzje"], "400.00");
    EXPECT_EQ(v["xsje"], "80元");
    EXPECT_EQ(v["kczl"], "5");                // 7 sandals less 2 boots
    EXPECT_EQ(v["kczj"], "290元");            // 7 × 50, and -2 boots at the preset price 30
    EXPECT_EQ(v["ghsds"], "1");
    EXPECT_EQ(v["sfghs"], (Money::fromText(value("select sum(j_sfje) from jxc_jhd")) +
                           Money::fromText(value("select sum(th_sfje) from jxc_thd")) + Money::fromDouble(300))
                              .toFixed(2) + "元");
    EXPECT_EQ(v["xscb"], "50元");
    EXPECT_EQ(v["xslr"], "30元");
    EXPECT_EQ(v["xsmll"], "37.5%");
    EXPECT_EQ(v["drzl"], v["dczl"]);

    // Another warehouse: bills and stock filtered, the payments not.
    const QString shop2 = shop.warehouse(QStringLiteral("二仓"));
    v = businessSummary(today, today, shop2);
    EXPECT_EQ(v["cgds"], "0");
    EXPECT_EQ(v["kczl"], "0");
    EXPECT_EQ(v["ghsds"], "1");
    EXPECT_EQ(v["sfghs"], "300.00元");
    EXPECT_EQ(v["xsmll"], "0%");
}

TEST_F(Statements, DailyAndMonthlyLists)
{
    execSql("delete from jxc_tempyyfx");
    execSql("insert into jxc_tempyyfx (yy_rq,yy_xsje,yy_xslr) values ('2013-05-01',0,0),('2013-05-02',200,50)");
    EXPECT_EQ(rows("select yy_rq,lrl from (" + dailyAnalysisSql(QDate(2013, 5, 1), QDate(2013, 5, 2)) + ")"),
              "2013-05-02|25 2013-05-01|0");
    execSql("insert into jxc_kcjs (js_rq,js_sl,js_xsje,js_xslr,ck_sn) values ('2013-11',1,100,10,'1'),"
            "('2013-11',2,100,10,'2'),('2013-12',1,0,0,'1'),('2014-02',1,50,5,'1'),('2014-03',1,50,5,'1')");
    EXPECT_EQ(rows("select js_rq,sl,lrl from (" + monthlyAnalysisSql("2013-11", "2014-02") + ")"),
              "2014-02|1|10 2013-12|1|0 2013-11|3|10");
    EXPECT_EQ(rows(monthlyAnalysisSql("2014-02", "2013-11")), "");
}

}  // namespace
