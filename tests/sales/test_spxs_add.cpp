// The sales goods picker's "最近商品" tab (recent purchases and sales of the bill's warehouse,
// the stock test on total stock) and its hand-off of a goods to the bundle window.
#include "bills/goodspicker.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/settings.h"
#include "platform/datagrid.h"
#include "platform/msgbox.h"
#include "platform/sizecolorgrid.h"
#include "sales/sales.h"
#include "sales/spxs_add.h"
#include "support/shop.h"
#include "support/windowregistry.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include <functional>
#include <gtest/gtest.h>

static void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace {

const QString kMain = QStringLiteral("100001");

// The shown rows of a list: code and the field asked for, in the list's order.
QString listed(const DataGrid* grid, const QString& field)
{
    QStringList out;
    for (int r = 0; r < grid->rowCount(); ++r)
        out << grid->value(grid->sourceRow(r), QStringLiteral("g_sn")) + u'|' + grid->value(grid->sourceRow(r), field);
    return out.join(u' ');
}

void choose(DataGrid* grid, const QString& gSn)
{
    for (int r = 0; r < grid->loadedRowCount(); ++r)
        if (grid->value(r, QStringLiteral("g_sn")) == gSn)
            grid->setCurrentRow(r);
}

class SpxsPicker : public ::testing::Test {
protected:
    SpxsPicker()
    {
        MsgScript::reset();
        TF_Form::clearScripts();
        csKc = QStringLiteral("0");
    }
    ~SpxsPicker() override
    {
        EXPECT_EQ(TF_Form::pendingScripts(), 0) << "a scripted window did not open";
        TF_Form::clearScripts();
        csKc.clear();
        paramValue.clear();
        goodsPickerTarget = {};
        MsgScript::reset();
    }

    // Opens the picker for a sales bill `number` of the main warehouse and runs `script` in it.
    void pick(const QString& number, const std::function<void(TF_Spxs_Add*)>& script)
    {
        paramValue = QStringLiteral("spxs");
        goodsPickerTarget = {.number = number, .warehouse = kMain};
        TF_Form::scriptNextOpening(QStringLiteral("TF_Spxs_Add"), [&](TF_Form* f) { script(static_cast<TF_Spxs_Add*>(f)); });
        ensureForm(F_Spxs_Add)->showModalForm();
        paramValue.clear();
        goodsPickerTarget = {};
    }
    static void showRecent(TF_Spxs_Add* w) { w->findChild<QTabWidget*>(QStringLiteral("PageControl1"))->setCurrentIndex(2); }

    Shop shop;
    ScopedWindows windows{[] { registerSalesWindows(); }};
    QString a = shop.goods("跑鞋", {}, {}, 100);
    QString b = shop.goods("布鞋", {}, {}, 50);
    QString old = shop.goods("旧鞋", {}, {}, 30);
    QString elsewhere = shop.goods("外仓鞋", {}, {}, 30);
    QString second = shop.warehouse("二号仓");
};

TEST_F(SpxsPicker, RecentTabListsTheLastTwentyPurchasesOrSalesStockedInTheWarehouse)
{
    shop.receipt().date("2013-05-01").plainLine(old, 10, 1).post();
    shop.receipt().date("2013-05-10").plainLine(a, 10, 1).plainLine(a, 10, 1).post();
    shop.receipt().date("2013-05-12").warehouse(second).plainLine(elsewhere, 10, 1).post();  // no stock row here
    shop.receipt().date("2013-05-20").plainLine(a, 10, 1).plainLine(b, 10, 1).plainLine(b, 10, 1).post();
    shop.sale().date("2013-05-21").plainLine(b, 50, 1).post();
    shop.sale().date("2013-05-22").plainLine(a, 100, 1).plainLine(a, 100, 1).post();
    execSql("update jxc_goods set g_jy=1 where g_sn=?", {{QString(), b}});  // disabled goods stay listed here

    pick(shop.sale().number(), [&](TF_Spxs_Add* w) {
        showRecent(w);
        auto* purchases = w->findChild<QRadioButton*>(QStringLiteral("RadioButtonJh"));
        auto* sales = w->findChild<QRadioButton*>(QStringLiteral("RadioButtonXs"));
        ASSERT_TRUE(purchases->isChecked());
        // Most purchased first (3, 2 and 1 purchase lines), each with its latest purchase date.
        EXPECT_EQ(listed(w->DBGridRecent, QStringLiteral("gl_kdrq")),
                  QStringLiteral("%1|2013-05-20 %2|2013-05-20 %3|2013-05-01").arg(a, b, old));
        EXPECT_EQ(w->DBGridRecent->footerText(QStringLiteral("g_sn")), "合计：");

        sales->click();
        EXPECT_EQ(listed(w->DBGridRecent, QStringLiteral("gl_kdrq")), QStringLiteral("%1|2013-05-22 %2|2013-05-21").arg(a, b));

        // The key box filters this list too; the switches leave it alone.
        QTest::keyClicks(w->tKey, b);
        EXPECT_EQ(listed(w->DBGridRecent, QStringLiteral("g_name")), b + QStringLiteral("|布鞋"));
        w->N_Frequency->trigger();
        EXPECT_EQ(listed(w->DBGridRecent, QStringLiteral("g_name")), b + QStringLiteral("|布鞋"));
        w->tKey->clear();

        // Back on the tab, the purchases are ticked and listed again.
        w->PageControl1->setCurrentIndex(0);
        showRecent(w);
        EXPECT_TRUE(purchases->isChecked());
        EXPECT_EQ(w->DBGridRecent->rowCount(), 3);
        w->reject();
    });

    // Only the last twenty purchase rows count: sixteen more lines push the oldest three out.
    auto many = shop.receipt().date("2013-05-25");
    for (int i = 0; i < 16; ++i)
        many.plainLine(a, 10, 1);
    many.post();
    pick(shop.sale().number(), [&](TF_Spxs_Add* w) {
        showRecent(w);
        EXPECT_EQ(listed(w->DBGridRecent, QStringLiteral("gl_kdrq")), QStringLiteral("%1|2013-05-25 %2|2013-05-20").arg(a, b));
        w->reject();
    });
}

TEST_F(SpxsPicker, RecentTabTestsTotalStockAndItsPicksBecomeLines)
{
    // 跑鞋: none left in the main warehouse, two in the second one; 布鞋: one in the main one.
    shop.receipt().plainLine(a, 10, 1).line(b, 10, {{"均码", "统一", 1}}).post();
    shop.sale().plainLine(a, 100, 1).post();
    shop.receipt().warehouse(second).plainLine(a, 10, 2).post();
    const QString number = shop.sale().number();

    pick(number, [&](TF_Spxs_Add* w) {
        choose(w->DBGridGoods, a);
        QTest::keyClick(w->tKey, Qt::Key_F8);
        EXPECT_EQ(MsgScript::texts(), QStringList{"库存为零不能销售！"});

        // The recent list tests the total stock: the line dialog opens.
        showRecent(w);
        choose(w->DBGridRecent, a);
        TF_Form::scriptNextOpening(QStringLiteral("TF_Spxs_Sele"), [](TF_Form* d) { d->close(); });
        QTest::keyClick(w->tKey, Qt::Key_F8);
        EXPECT_EQ(MsgScript::texts().size(), 1);

        choose(w->DBGridRecent, b);
        TF_Form::scriptNextOpening(QStringLiteral("TF_Spxs_Sele"), [](TF_Form* d) {
            d->findChild<SizeColorGrid*>(QStringLiteral("StringGridIn"))->setCell(1, 1, QStringLiteral("1"));
            d->findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
        });
        QTest::keyClick(w->tKey, Qt::Key_F8);
        EXPECT_EQ(w->DBGridSele->rowCount(), 1);
        QTest::keyClick(w->tKey, Qt::Key_F5);
        EXPECT_FALSE(w->isVisible());
    });
    const ResultSet lines = openSelect("select g_sn,ls_sl,ls_zje from jxc_lsxssp where gl_djh=?", {{QString(), number}});
    ASSERT_EQ(lines.rowCount(), 1);
    EXPECT_EQ(QStringList({lines.text(0, 0), lines.text(0, 1), lines.text(0, 2)}).join(u'|'), b + QStringLiteral("|1|100"));
}

TEST_F(SpxsPicker, TheMenuHandsTheCurrentGoodsModeAndWarehouseNameToTheBundleWindow)
{
    shop.receipt().plainLine(a, 10, 1).line(b, 10, {{"均码", "统一", 1}}).post();
    QStringList handed;
    registerWindow(QStringLiteral("TF_Cfkb"), [&](const QString&) { handed << curGoodsSn + u'|' + modeFlag + u'|' + ckNameParam; });
    const QString warehouseName = selectValue("select ck_name from jxc_ckxx where ck_sn=?", {{QString(), kMain}});

    pick(shop.sale().number(), [&](TF_Spxs_Add* w) {
        auto* split = w->findChild<QAction*>(QStringLiteral("N_Split"));
        auto* bundle = w->findChild<QAction*>(QStringLiteral("N_Bundle"));
        ASSERT_TRUE(split && bundle);
        choose(w->DBGridGoods, b);
        bundle->trigger();
        choose(w->DBGridGoods, a);
        split->trigger();
        // From the recent list too; nothing when the shown list has no row.
        showRecent(w);
        choose(w->DBGridRecent, b);
        bundle->trigger();
        QTest::keyClicks(w->tKey, QStringLiteral("zzz"));
        bundle->trigger();
        EXPECT_TRUE(curGoodsSn.isEmpty() && modeFlag.isEmpty() && ckNameParam.isEmpty());
        w->reject();
    });
    EXPECT_EQ(handed, (QStringList{b + "|kb|" + warehouseName, a + "|cf|" + warehouseName, b + "|kb|" + warehouseName}));
}

}  // namespace
