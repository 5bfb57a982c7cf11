// The customer card and the size and colour detail viewer of sales lines.
#include "data/datamodule.h"
#include "data/globals.h"
#include "platform/datagrid.h"
#include "platform/sizecolorgrid.h"
#include "sales/detail.h"
#include "sales/sales.h"
#include "sales/spxs_kh.h"
#include "support/shop.h"
#include "support/windowregistry.h"

#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

TEST(SpxsKh, ShowsTheCustomersFiguresAndNeverAnothersAndAQuoteHandsNothingBack)
{
    Shop shop;
    ScopedWindows windows{[] { registerSalesWindows(); }};
    const QString sandal = shop.goods("凉鞋", {}, {}, 50);
    const QString customer = shop.customer("鹿城鞋店");
    shop.sale().customer(customer).plainLine(sandal, 100, 1).mode(SpxsMode::RestOwed).received(40).post();
    execSql("insert into jxc_khbj (g_sn,kb_bj,kh_sn,kb_bjrq,kb_note) values (?,88,?,'2013-05-01','老价')",
            {{QString(), sandal}, {QString(), customer}});

    curKhSn = customer;
    TF_Form::scriptNextOpening(QStringLiteral("TF_Spxs_Kh"), [&](TF_Form* form) {
        auto* f = static_cast<TF_Spxs_Kh*>(form);
        EXPECT_EQ(f->tname->text(), "鹿城鞋店");
        EXPECT_TRUE(f->lblWfje->text().startsWith(QStringLiteral("60"))) << f->lblWfje->text().toStdString();
        EXPECT_TRUE(f->lblWfje->text().endsWith(QStringLiteral(" 元")));
        ASSERT_EQ(f->DBGrid1->rowCount(), 1);
        modeFlag = QStringLiteral("spxs_kh");
        curGoodsSn = sandal;
        choiceParam = QStringLiteral("88");
        f->DBGrid1DblClick(0);
        EXPECT_TRUE(modeFlag.isEmpty());
        EXPECT_TRUE(curGoodsSn.isEmpty());
        EXPECT_TRUE(choiceParam.isEmpty());
    });
    showForm(F_Spxs_Kh);

    // A code without a customer shows nothing of the customer seen before.
    curKhSn = QStringLiteral("9'99");
    TF_Form::scriptNextOpening(QStringLiteral("TF_Spxs_Kh"), [&](TF_Form* form) {
        auto* f = static_cast<TF_Spxs_Kh*>(form);
        EXPECT_EQ(f->tname->text(), "");
        for (QLabel* l : {f->lblYfje, f->lblSfje, f->lblWfje})
            EXPECT_EQ(l->text(), "0 元");
        EXPECT_EQ(f->DBGrid1->rowCount(), 0);
        f->DBGrid1DblClick(-1);
        form->close();
    });
    showForm(F_Spxs_Kh);
    curKhSn.clear();
    EXPECT_EQ(TF_Form::pendingScripts(), 0);
}

TEST(Detail, ShowsOnlyTheSizesAndColoursOfTheLine)
{
    Shop shop;
    ScopedWindows windows{[] { registerSalesWindows(); }};
    const QString shoe = shop.goods("童鞋", {"38", "39", "40"}, {"红色", "黑色", "白色"});
    SaleBuilder b = shop.sale();
    b.line(shoe, 50, {{"38", "红色", 3}, {"40", "黑色", 2}}).plainLine(shoe, 50, 4);
    b.post();

    struct Case {
        QString table;
        qint64 line;
        int rows;  // colours + header + totals
        int columns;
        QString total;
    } cases[] = {
        {QStringLiteral("jxc_lsxsspmx"), b.lineIds()[0], 4, 4, QStringLiteral("5")},
        {QStringLiteral("jxc_lsxsspmx"), b.lineIds()[1], 2, 2, QString()},  // no rows: headings and totals
        {QStringLiteral("jxc_goods; drop table jxc_goods"), b.lineIds()[0], 2, 2, QString()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.table.toStdString());
        detailTable = c.table;
        paramValue = QString::number(c.line);
        curGoodsSn = shoe;
        TF_Form::scriptNextOpening(QStringLiteral("TF_Detail"), [&](TF_Form* form) {
            auto* f = static_cast<TF_Detail*>(form);
            EXPECT_EQ(f->gname->text(), "童鞋");
            SizeColorGrid* g = f->StringGridIn;
            EXPECT_EQ(g->rowCount(), c.rows);
            EXPECT_EQ(g->columnCount(), c.columns);
            EXPECT_EQ(g->grandTotal(), c.total);
            if (c.rows == 4) {
                EXPECT_EQ(g->axes().sizes.at(0).name, "38");
                EXPECT_EQ(g->axes().sizes.at(1).name, "40");
                QStringList colours{g->axes().colors.at(0).name, g->axes().colors.at(1).name};
                colours.sort();
                EXPECT_EQ(colours, (QStringList{"红色", "黑色"}));
            }
            form->close();
        });
        showForm(F_Detail);
    }
    detailTable.clear();
    paramValue.clear();
    curGoodsSn.clear();
    EXPECT_EQ(selectValue("select count(*) from jxc_goods where g_sn=?", {{QString(), shoe}}), "1");
}

}  // namespace
