// The sales statistics by goods, supplier and customer and the single-goods analysis: returns net
// out, margins, the period's end day, categories by prefix, the goods' own supplier, purchases net
// of purchase returns, the filter dialog's memory, hostile search text and the analysis table.
#include "data/globals.h"
#include "platform/codecombo.h"
#include "platform/datagrid.h"
#include "platform/msgbox.h"
#include "platform/partnerpanel.h"
#include "sales/sales.h"
#include "sales/spxstj.h"
#include "sales/spxstj_cx.h"
#include "sales/spxstj_fx.h"
#include "sales/spxstj_gj.h"
#include "listprintcolumn.h"
#include "salesstatshop.h"
#include "support/windowregistry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRegularExpression>
#include <QRadioButton>
#include <QTabWidget>

#include <gtest/gtest.h>

namespace {

// "field=value" of every row, ordered by the first field given.
QString rows(const QString& sql, std::initializer_list<const char*> fields)
{
    const ResultSet rs = openSelect(sql);
    QStringList out;
    for (int r = 0; r < rs.rowCount(); ++r) {
        QStringList cells;
        for (const char* f : fields)
            cells << rs.text(r, QLatin1String(f));
        out << cells.join(u'/');
    }
    out.sort();
    return out.join(u' ');
}

class Spxstj : public ::testing::Test {
protected:
    Spxstj() { MsgScript::reset(); }
    ~Spxstj() override { TF_Form::clearScripts(); }

    SalesStatShop s;
    ScopedWindows windows{[] { registerSalesStatistics(); }};
    SpxstjFilter may{.d1 = "2013-05-01", .d2 = "2013-05-28"};
};

// A period's goods totals group the rows the period's conditions find by a sort: walking the whole
// journal through the goods index took seconds for one month.
TEST_F(Spxstj, GoodsTotalsReadThePeriodNotTheWholeJournal)
{
    const ResultSet plan = openSelect(QStringLiteral("explain query plan ") + spxstjGoodsSql(may));
    QStringList steps;
    for (int r = 0; r < plan.rowCount(); ++r)
        steps << plan.text(r, 3);
    const QString joined = steps.join(u'|');
    EXPECT_TRUE(joined.contains(QStringLiteral("TEMP B-TREE FOR GROUP BY"))) << joined.toStdString();
    EXPECT_FALSE(joined.contains(QStringLiteral("ix_jxc_goodslist_g_sn"))) << joined.toStdString();
}

TEST_F(Spxstj, GoodsTotalsNetOutReturnsWithMarginsAndTheGoodsOwnSupplier)
{
    // sandal: 3 sold @150 (cost 80) less 1 returned; runner 2 @200; heel 1 @90.
    EXPECT_EQ(rows(spxstjGoodsSql(may), {"gname", "ghsname", "sl", "zje", "lr", "lrl"}),
              "凉鞋/甲供货商/2/300/140/46.67 跑鞋/乙供货商/2/400/200/50 高跟鞋/乙供货商/1/90/40/44.44");
    EXPECT_EQ(openSelect(spxstjLinesSql(may)).rowCount(), 4);
    // A goods sold and wholly returned has margin 0 on amount 0.
    s.shop.customerReturn().customer(s.khZ).date(QStringLiteral("2013-05-22")).line(s.heel, 90, {{"36", "红色", 1}}).post();
    EXPECT_EQ(rows(spxstjGoodsSql(may) + " having a.g_sn='" + s.heel + "'", {"sl", "zje", "lr", "lrl"}), "0/0/0/0");

    // Only returns: negative totals; only sales, warehouse and handler filters.
    SpxstjFilter f = may;
    f.kind = "退货单";
    EXPECT_EQ(rows(spxstjGoodsSql(f), {"gname", "sl", "zje"}), "凉鞋/-1/-150 高跟鞋/-1/-90");
    f = may;
    f.ckName = "二号仓";
    EXPECT_EQ(rows(spxstjLinesSql(f), {"g_name"}), "高跟鞋");
    f.cxCkName = "默认仓库";
    EXPECT_EQ(openSelect(spxstjLinesSql(f)).rowCount(), 0);
    f = may;
    f.khSn = s.khL;
    EXPECT_EQ(rows(spxstjLinesSql(f), {"gl_djh"}), s.sale2 + " " + s.ret);
}

TEST_F(Spxstj, PeriodEndDayAndCategoryPrefix)
{
    struct Case {
        const char* d2;
        const char* gcSn;
        const char* goods;
    } cases[] = {
        {"2013-05-20", "", "跑鞋"},       // a bill of the end day counts, the next day's not
        {"2013-05-21", "", "跑鞋 高跟鞋"},
        {"2013-05-28", "5001", "凉鞋 跑鞋"},  // a category takes its children, not 6005001
        {"2013-05-28", "5001001", "跑鞋"},
        {"2013-05-28", "6005001", "高跟鞋"},
    };
    for (const Case& c : cases) {
        SpxstjFilter f = may;
        f.d2 = QLatin1String(c.d2);
        f.gcSn = QLatin1String(c.gcSn);
        EXPECT_EQ(rows(spxstjGoodsSql(f), {"gname"}), QString::fromUtf8(c.goods)) << c.d2 << " " << c.gcSn;
    }
    // Per category: each goods' own category; a goods whose category has no row drops out.
    SalesStatShop::setClass(s.heel, "9999");
    EXPECT_EQ(rows(spxstjClassSql(may), {"gcname", "sl", "zje"}), "男鞋/2/300 运动鞋/2/400");
    EXPECT_EQ(openSelect(spxstjGoodsSql(may)).rowCount(), 3);
}

TEST_F(Spxstj, SupplierAndCustomerStatistics)
{
    SpxstjPartnerFilter f{.d1 = "2013-05-01", .d2 = "2013-05-28"};
    // Purchases by the document's supplier, net of purchase returns; sales by the goods' supplier.
    EXPECT_EQ(rows(spxstjSuppliersSql(f), {"ghs_name", "jhsl", "jhje", "xssl", "xsje", "xswcl", "lrl"})
                  .split(u' ')
                  .filter(QRegularExpression(QStringLiteral("^[甲乙]")))
                  .join(u' '),
              "乙供货商/11/800/3/490/27.27/48.98 甲供货商/8/640/2/300/25/46.67");
    f.partnerSn = s.ghsA;
    EXPECT_EQ(rows(spxstjSuppliersSql(f), {"ghs_name"}), "甲供货商");
    EXPECT_EQ(rows(spxstjSupplierSalesSql(f, s.ghsB), {"g_name"}), "跑鞋 高跟鞋");
    // A supplier without rows is listed with zeros.
    f.partnerSn = selectValue(QStringLiteral("select ghs_sn from jxc_ghsxx where ghs_sn not in (?,?) limit 1"),
                              {{QString(), s.ghsA}, {QString(), s.ghsB}});
    EXPECT_EQ(rows(spxstjSuppliersSql(f), {"jhsl", "xssl", "xswcl", "lrl"}), "0/0/0/0");

    // Customers: a customer with only returns in the period is negative.
    f = {.d1 = "2013-05-22", .d2 = "2013-05-28"};
    EXPECT_EQ(rows(spxstjCustomersSql(f), {"khname", "xssl", "xsje", "xslr"}), "张客户/3/450/210 李客户/-1/-150/-70");
    // A goods whose supplier row is missing leaves the customer's goods totals only.
    execSql(QStringLiteral("update jxc_goods set ghs_sn='999999' where g_sn=?"), {{QString(), s.sandal}});
    f.d1 = "2013-05-01";
    EXPECT_EQ(rows(spxstjCustomerLinesSql(f, s.khZ), {"g_name"}), "凉鞋 高跟鞋");
    EXPECT_EQ(rows(spxstjCustomerGoodsSql(f, s.khZ), {"gname", "ghsname"}), "高跟鞋/乙供货商");
}

TEST_F(Spxstj, FilterDialogKeepsItsChoicesButNotTheCustomerAndHostileTextFindsNothing)
{
    auto confirm = [this](const char* kind) {
        TF_Form::scriptNextOpening(QStringLiteral("TF_Spxstj_Cx"), [this, kind](TF_Form* w) {
            auto* d = static_cast<TF_Spxstj_Cx*>(w);
            d->comDj->setCurrentText(QString::fromUtf8(kind));
            d->comUser->setCurrentIndex(d->comUser->findText(QStringLiteral("李采购")));
            d->tKh->setText(QStringLiteral("张客户"));
            curKhSn = s.khZ;
            d->btnOKClick();
        });
    };
    TF_Form::scriptNextOpening(QStringLiteral("TF_Spxstj"), [&](TF_Form* w) {
        auto* t = static_cast<TF_Spxstj*>(w);
        EXPECT_EQ(t->gridList->rowCount(), 4);
        confirm("销售单");
        t->btnFilterClick();
        EXPECT_EQ(t->gridList->rowCount(), 2);  // 张's sales, no return
        // Hostile goods texts: no error box, no rows.
        for (const QString& text : {QStringLiteral("' or 1=1 --"), QStringLiteral("%"), QStringLiteral("_"),
                                    QString(300, QChar(u'鞋')), QStringLiteral("😀\u0301")}) {
            t->tKey->setText(text);
            t->btnSearchClick();
            EXPECT_EQ(t->gridList->rowCount(), 0) << text.left(20).toStdString();
        }
        t->close();
    });
    ensureForm(F_Spxstj)->showModalForm();
    EXPECT_TRUE(MsgScript::texts().isEmpty());

    // Reopened: kind and handler stay, the customer does not.
    TF_Form::scriptNextOpening(QStringLiteral("TF_Spxstj"), [&](TF_Form* w) {
        auto* t = static_cast<TF_Spxstj*>(w);
        EXPECT_TRUE(t->filter().khSn.isEmpty());
        EXPECT_EQ(t->filter().kind, "销售单");
        EXPECT_EQ(t->filter().uName, "李采购");
        EXPECT_EQ(t->gridList->rowCount(), 3);
        // A customer chosen on the customer tab does not limit the first tab.
        t->tabsTop->setCurrentIndex(2);
        t->panelKh->showFiltered(QStringLiteral("张"));
        t->panelKh->btnOK->click();
        EXPECT_EQ(t->gridKh->rowCount(), 1);
        EXPECT_EQ(curKhSn, s.khZ);
        t->tabsTop->setCurrentIndex(0);
        t->btnSearchClick();
        EXPECT_EQ(t->gridList->rowCount(), 3);
        t->close();
    });
    F_Spxstj->showModalForm();
}

TEST_F(Spxstj, PartnerTabsFollowTheirPanelsAndTheAdvancedDialog)
{
    TF_Form::scriptNextOpening(QStringLiteral("TF_Spxstj"), [&](TF_Form* w) {
        auto* t = static_cast<TF_Spxstj*>(w);
        t->tabsTop->setCurrentIndex(1);
        EXPECT_EQ(t->tGhs->text(), "全部供货商");
        const int all = t->gridGhs->rowCount();
        EXPECT_GE(all, 2);
        t->tGhs->setText(QStringLiteral("乙"));
        t->panelGhs->showFiltered(QStringLiteral("乙"));
        t->panelGhs->btnOK->click();
        EXPECT_EQ(t->gridGhs->rowCount(), 1);
        EXPECT_EQ(t->gridGhsMx->rowCount(), 2);
        t->cbAllGhs->click();
        EXPECT_EQ(t->gridGhs->rowCount(), all);

        t->tabsTop->setCurrentIndex(2);
        EXPECT_EQ(t->gridKh->rowCount(), 2);
        t->gridKh->setCurrentRow(0);
        t->rbHz->click();
        EXPECT_GE(t->gridKhHz->rowCount(), 1);
        // On "图表" the analysis opens nothing.
        t->rbTb->click();
        bool opened = false;
        TF_Form::scriptNextOpening(QStringLiteral("TF_Spxstj_Fx"), [&](TF_Form* f) {
            opened = true;
            f->close();
        });
        t->btnFxClick();
        EXPECT_FALSE(opened);
        TF_Form::clearScripts();
        // The advanced dialog's region applies; left with Esc, its reset boxes lift it.
        execSql(QStringLiteral("insert into jxc_zone (z_sn,z_name) values ('900001','华东')"));
        execSql(QStringLiteral("update jxc_khxx set z_name='华东' where kh_sn=?"), {{QString(), s.khZ}});
        TF_Form::scriptNextOpening(QStringLiteral("TF_Spxstj_Kh"), [](TF_Form* d) {
            static_cast<SpxstjGjDialog*>(d)->comZone->setCurrentText(QStringLiteral("华东"));
            d->close();
        });
        t->btnGjClick();
        EXPECT_EQ(t->gridKh->rowCount(), 1);
        TF_Form::scriptNextOpening(QStringLiteral("TF_Spxstj_Kh"), [](TF_Form* d) { d->close(); });
        t->btnGjClick();
        EXPECT_EQ(t->gridKh->rowCount(), 2);
        t->close();
    });
    ensureForm(F_Spxstj)->showModalForm();
}

TEST_F(Spxstj, ListPrintsOfTheFirstTabNumberTheirRows)
{
    TF_Form::scriptNextOpening(QStringLiteral("TF_Spxstj"), [&](TF_Form* w) {
        auto* t = static_cast<TF_Spxstj*>(w);
        const QList<QStringList> printed = printedColumns(QStringLiteral("序号"), [&] {
            for (int sub = 0; sub < 3; ++sub) {
                t->tabs1->setCurrentIndex(sub);
                t->btnPrintClick();
            }
            t->tabsTop->setCurrentIndex(2);
            t->btnPrintClick();
        });
        ASSERT_EQ(printed.size(), 4);
        EXPECT_EQ(printed[0].join(u' '), "序号 1 2 3 4");  // lines
        EXPECT_EQ(printed[1].join(u' '), "序号 1 2 3");    // goods
        EXPECT_EQ(printed[2].join(u' '), "序号 1 2 3");    // categories
        EXPECT_TRUE(printed[3].isEmpty());                // customers: no row numbers
        t->close();
    });
    ensureForm(F_Spxstj)->showModalForm();
}

TEST(SpxstjFx, TableItemsSharesAndTheFirstStockRowsCost)
{
    SalesStatShop s;
    const QDate today(2013, 5, 28);
    SpxfTable t = spxfFigures(s.sandal, today);
    // Year and month: sandal 3 @150 less 1 @150 of all goods' 5 sold net; today the same.
    EXPECT_DOUBLE_EQ(t.v[5][0], 2);
    EXPECT_DOUBLE_EQ(t.v[6][0], 300);
    EXPECT_DOUBLE_EQ(t.v[1][0], 5);
    EXPECT_DOUBLE_EQ(t.v[7][0], 40);
    EXPECT_DOUBLE_EQ(t.v[9][1], 50);  // the category takes the runner of its child
    EXPECT_DOUBLE_EQ(t.v[13][2], 2 * 80);
    EXPECT_DOUBLE_EQ(t.v[11][2], 300 - 160);
    EXPECT_DOUBLE_EQ(t.v[12][2], 46.67);
    // Runner: nothing today, every share over a zero base is 0.
    t = spxfFigures(s.runner, QDate(2013, 5, 27));
    for (int item = 5; item <= 13; ++item)
        EXPECT_DOUBLE_EQ(t.v[item][2], 0) << item;
    // A return today with no sale of it today turns the day negative.
    s.shop.customerReturn().customer(s.khZ).line(s.heel, 90, {{"36", "红色", 1}}).post();
    t = spxfFigures(s.heel, today);
    EXPECT_DOUBLE_EQ(t.v[5][2], -1);
    EXPECT_DOUBLE_EQ(t.v[6][2], -90);
    EXPECT_DOUBLE_EQ(t.v[13][2], -50);

    writeSpxfTable(t, QStringLiteral("张三"));
    EXPECT_EQ(rows(QStringLiteral("select * from jxc_tempspxf where ts_dzl>4"), {"ts_note"}).count(u' '), 8);
    // Daily chart: one point per day, the end day whole.
    EXPECT_EQ(rows(spxfDaySql(s.sandal, "2013-05-01", "2013-05-28"), {"gl_kdrq", "sl"}), "2013-05-28/2");
    EXPECT_EQ(rows(spxfMonthSql(s.heel, "2013-01", "2013-12"), {"kdrq", "sl"}), "2013-05/0");
}

}  // namespace
