// The stock alarm: below the minimum over all warehouses (disabled goods included, lowest
// first), every goods of one warehouse by its stock, the minimum-stock dialog only under all
// warehouses and proposing 1, and the movements of the chosen goods.
#include "data/datamodule.h"
#include "data/globals.h"
#include "platform/codecombo.h"
#include "platform/datagrid.h"
#include "platform/msgbox.h"
#include "stock/kcbj.h"
#include "stock/stock.h"
#include "support/shop.h"
#include "support/windowregistry.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

QStringList rowsOf(const QString& sql)
{
    const ResultSet rs = openSelect(sql);
    QStringList out;
    for (int r = 0; r < rs.rowCount(); ++r)
        out << rs.text(r, QStringLiteral("g_sn")) + u':' + rs.text(r, QStringLiteral("kc"));
    return out;
}

class AlarmTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        w2 = shop.warehouse(QStringLiteral("二号仓"));
        // code, total stock, minimum, disabled; and the stock of warehouse 2.
        for (const auto& [sn, total, minimum, disabled, inW2] :
             {std::tuple{"K1", 3, 5, 0, 10}, {"K2", 5, 5, 0, 2}, {"K3", 1, 4, 1, -1}, {"K4", 0, 2, 0, -1}}) {
            appendRow(QStringLiteral("jxc_goods"), {{QStringLiteral("g_sn"), QLatin1String(sn)},
                                                    {QStringLiteral("g_name"), QStringLiteral("鞋") + QLatin1String(sn)},
                                                    {QStringLiteral("g_kc"), total},
                                                    {QStringLiteral("g_zdkc"), minimum},
                                                    {QStringLiteral("g_jy"), disabled}});
            if (inW2 >= 0)
                appendRow(QStringLiteral("jxc_kcsp"), {{QStringLiteral("g_sn"), QLatin1String(sn)},
                                                       {QStringLiteral("ck_sn"), w2},
                                                       {QStringLiteral("kc_sl"), inW2}});
        }
    }
    void TearDown() override
    {
        MsgScript::reset();
        curGoodsSn.clear();
    }
    Shop shop;
    ScopedWindows windows{registerStockWindows};
    QString w2;
};

TEST_F(AlarmTest, BelowMinimumOverAllAndEveryGoodsOfOneWarehouse)
{
    EXPECT_EQ(rowsOf(alarmSql(QString(), QString())), (QStringList{"K4:0", "K3:1", "K1:3"}));
    EXPECT_EQ(rowsOf(alarmSql(w2, QString())), (QStringList{"K2:2", "K1:10"}));
    EXPECT_EQ(rowsOf(alarmSql(QString(), QStringLiteral("鞋K3"))), QStringList{"K3:1"});
    EXPECT_TRUE(rowsOf(alarmSql(QString(), QStringLiteral("'--"))).isEmpty());
}

TEST_F(AlarmTest, MinimumDialogOnlyOverAllWarehousesAndProposesOne)
{
    int dialogs = 0;
    TF_Form::scriptNextOpening(QStringLiteral("F_Kcbj"), [&](TF_Form* f) {
        auto* w = static_cast<TF_Kcbj*>(f);
        ASSERT_EQ(w->cxGrid1->rowCount(), 3);
        EXPECT_EQ(w->lGoods->text(), QStringLiteral("鞋K4"));
        w->comCk->setCurrentIndex(w->comCk->indexOfCode(w2));
        EXPECT_EQ(w->cxGrid1->rowCount(), 2);
        w->btnModi->click();  // a warehouse is chosen: nothing
        w->comCk->setCurrentIndex(0);
        w->cxGrid1->setCurrentRow(2);  // K1
        TF_Form::scriptNextOpening(QStringLiteral("F_Kcbj_Modi"), [&](TF_Form* m) {
            ++dialogs;
            auto* d = static_cast<TF_Kcbj_Modi*>(m);
            EXPECT_EQ(d->lZdkc->text(), QStringLiteral("5"));
            EXPECT_EQ(d->tZdkc->value(), 1);
            d->btnOK->click();
        });
        w->btnModi->click();
        EXPECT_EQ(w->cxGrid1->rowCount(), 2);  // K1 is no longer below its minimum
    });
    showForm(F_Kcbj);
    EXPECT_EQ(dialogs, 1);
    EXPECT_EQ(selectValue(QStringLiteral("select g_zdkc from jxc_goods where g_sn='K1'")), QStringLiteral("1"));
}

TEST_F(AlarmTest, MovementsOfTheChosenGoods)
{
    const QString shoe = shop.goods(QStringLiteral("报警鞋"), {}, {});
    shop.receipt().plainLine(shoe, 10, 2).post();
    execSql(QStringLiteral("update jxc_goods set g_zdkc=9 where g_sn=?"), {{QString(), shoe}});
    TF_Form::scriptNextOpening(QStringLiteral("F_Kcbj"), [&](TF_Form* f) {
        auto* w = static_cast<TF_Kcbj*>(f);
        w->tkey->setText(QStringLiteral("报警"));
        w->btnQuery->click();
        ASSERT_EQ(w->cxGrid1->rowCount(), 1);
        EXPECT_EQ(w->cxGrid2->rowCount(), 1);
        EXPECT_EQ(w->cxGrid2->value(0, QStringLiteral("rksl")), QStringLiteral("2"));
        w->tkey->setText(QStringLiteral("无此商品"));
        w->btnQuery->click();
        EXPECT_EQ(w->cxGrid2->rowCount(), 0);
        EXPECT_TRUE(w->lGoods->text().isEmpty());
    });
    showForm(F_Kcbj);
}

}  // namespace
