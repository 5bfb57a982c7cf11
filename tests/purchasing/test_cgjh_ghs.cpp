// The supplier card: the supplier's data and account figures, its quotes in the order stored,
// and the quote a double click hands back to the receipt window.
#include "data/datamodule.h"
#include "data/globals.h"
#include "platform/datagrid.h"
#include "platform/msgbox.h"
#include "purchasing/cgjh_ghs.h"
#include "purchasing/purchasing.h"
#include "support/shop.h"
#include "support/windowregistry.h"

#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {

class CgjhGhs : public ::testing::Test {
protected:
    CgjhGhs()
    {
        modeFlag.clear();
        curGoodsSn.clear();
        choiceParam.clear();
    }
    ~CgjhGhs() override
    {
        EXPECT_EQ(TF_Form::pendingScripts(), 0) << "a scripted window did not open";
        TF_Form::clearScripts();
        modeFlag.clear();
        curGoodsSn.clear();
        choiceParam.clear();
        curGhsSn.clear();
    }

    void quote(const QString& ghs, const QString& goods, double price, const QString& day, const QString& note = {})
    {
        execSql(QStringLiteral("insert into jxc_ghsbj (g_sn,gb_bj,ghs_sn,gb_bjrq,u_sn,a_name,gb_note) "
                               "values (?,?,?,?,?,'管理员',?)"),
                {{QString(), goods}, {QString(), price}, {QString(), ghs}, {QString(), day},
                 {QString(), shop.handlerSn()}, {QString(), note}});
    }

    // Opens the card on a supplier as the receipt window does and runs `script` on it.
    static void open(const QString& ghs, const std::function<void(TF_Cgjh_Ghs*)>& script)
    {
        curGhsSn = ghs;
        TF_Form::scriptNextOpening(QStringLiteral("F_Cgjh_Ghs"),
                                   [script](TF_Form* f) { script(static_cast<TF_Cgjh_Ghs*>(f)); });
        ASSERT_TRUE(openWindow(QStringLiteral("TF_Cgjh_Ghs"), QString(), QStringLiteral("供货商详细信息")));
    }

    static QStringList column(const DataGrid* grid, const char* field)
    {
        QStringList out;
        for (int r = 0; r < grid->rowCount(); ++r)
            out << grid->displayText(grid->sourceRow(r), QLatin1String(field));
        return out;
    }

    static void doubleClick(TF_Cgjh_Ghs* w, int shownRow)
    {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
        QTableView* view = w->DBGrid1->view();
        const QRect r = view->visualRect(view->model()->index(shownRow, 1));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, r.center());
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, r.center());
    }

    Shop shop;
    ScopedWindows windows{registerPurchasingWindows};
};

TEST_F(CgjhGhs, ShowsTheSupplierItsFiguresAndItsQuotesInStoredOrder)
{
    PartnerFields card;
    card.name = QStringLiteral("红星鞋业");
    card.lxr = QStringLiteral("王明");
    card.tele = QStringLiteral("0571-8888");
    card.address = QStringLiteral("杭州路1号");
    card.note = QStringLiteral("月结");
    const QString ghs = shop.supplier(card);
    const QString other = shop.supplier(QStringLiteral("绿叶"));
    const QString sandal = shop.goods(QStringLiteral("凉鞋"), {"39"}, {"黑色"}, 70);
    const QString boot = shop.goods(QStringLiteral("短靴"), {}, {}, 120);
    shop.receipt().supplier(ghs).mode(CgjhMode::RestOwed).line(sandal, 80, {{"39", "黑色", 3}}).paid(100).post();

    quote(ghs, boot, 118.5, QStringLiteral("2013-05-01"), QStringLiteral("含税"));
    quote(ghs, QStringLiteral("999999"), 10, QStringLiteral("2013-05-02"));  // goods deleted since
    quote(other, sandal, 75, QStringLiteral("2013-05-03"));
    quote(ghs, sandal, 78, QStringLiteral("2013-05-04"));

    open(ghs, [&](TF_Cgjh_Ghs* w) {
        EXPECT_EQ(w->windowTitle(), QStringLiteral("往来单位管理"));
        EXPECT_EQ(w->tname->text(), QStringLiteral("红星鞋业"));
        EXPECT_EQ(w->tlxr->text(), QStringLiteral("王明"));
        EXPECT_EQ(w->ttele->text(), QStringLiteral("0571-8888"));
        EXPECT_EQ(w->taddress->text(), QStringLiteral("杭州路1号"));
        EXPECT_EQ(w->tnote->text(), QStringLiteral("月结"));
        EXPECT_TRUE(w->tname->isReadOnly());
        EXPECT_EQ(w->lblYfje->text(), QStringLiteral("240.00 元"));
        EXPECT_EQ(w->lblSfje->text(), QStringLiteral("100.00 元"));
        // What the shop still owes the supplier: due less paid.
        EXPECT_EQ(w->lblWfje->text(), QStringLiteral("140.00 元"));

        EXPECT_EQ(column(w->DBGrid1, "g_sn"), QStringList({boot, sandal}));
        EXPECT_EQ(column(w->DBGrid1, "gb_bj"), QStringList({"118.50", "78.00"}));
        EXPECT_EQ(column(w->DBGrid1, "gb_bjrq"), QStringList({"2013-05-01", "2013-05-04"}));
        EXPECT_EQ(column(w->DBGrid1, "gb_note"), QStringList({"含税", ""}));
        EXPECT_EQ(w->DBGrid1->footerText(QStringLiteral("g_sn")), QStringLiteral("合计："));
        EXPECT_EQ(w->DBGrid1->footerText(QStringLiteral("g_name")), QStringLiteral("2"));
        QTest::keyClick(w, Qt::Key_Escape);
        EXPECT_FALSE(w->isVisible());
    });
    // Closed without a choice: the receipt window finds its globals as it left them.
    EXPECT_EQ(modeFlag, QString());
    EXPECT_EQ(curGoodsSn, QString());
    EXPECT_FALSE(DataModule->Q_Zjbj->isOpen());

    open(ghs, [&](TF_Cgjh_Ghs* w) { doubleClick(w, 1); });
    EXPECT_EQ(modeFlag, QStringLiteral("cgjh_ghs"));
    EXPECT_EQ(curGoodsSn, sandal);
    EXPECT_EQ(choiceParam.toDouble(), 78.0);
    EXPECT_FALSE(DataModule->Q_Zjbj->isOpen());
}

TEST_F(CgjhGhs, SupplierWithoutQuotesOrUnknownCodeHandsNothingBack)
{
    const QString ghs = shop.supplier(QStringLiteral("绿叶"));
    quote(QStringLiteral("100001"), shop.goods(QStringLiteral("凉鞋"), {}, {}), 50, QStringLiteral("2013-05-01"));
    zwYfje = zwSfje = zwWfje = QStringLiteral("999");  // left by another supplier's summary

    MsgScript::reset();
    for (const QString& code : {QStringLiteral("x'y"), ghs}) {
        open(code, [&](TF_Cgjh_Ghs* w) {
            EXPECT_EQ(w->tname->text(), code == ghs ? QStringLiteral("绿叶") : QString());
            EXPECT_EQ(w->lblYfje->text(), QStringLiteral("0.00 元"));
            EXPECT_EQ(w->lblWfje->text(), QStringLiteral("0.00 元"));
            EXPECT_EQ(w->DBGrid1->rowCount(), 0);
            doubleClick(w, 0);
            w->DBGrid1DblClick(-1);
            EXPECT_TRUE(w->isVisible());
            w->btnExit->click();
        });
        EXPECT_EQ(modeFlag, QString());
        EXPECT_EQ(curGoodsSn, QString());
        EXPECT_EQ(choiceParam, QString());
    }
    EXPECT_TRUE(MsgScript::shown().isEmpty());  // a quote in the code is no error
}

}  // namespace
