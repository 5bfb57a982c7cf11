// Opening stock balances: add, modify and delete on a shop built by the shared fixture.
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/tkc.h"
#include "stock/qcjzposting.h"
#include "support/shop.h"
#include "wholeornothing.h"

#include <gtest/gtest.h>

namespace {

QString value(const QString& sql, const SqlParams& p = {})
{
    return selectValue(sql, p);
}

class QcjzTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        w2 = shop.warehouse(QStringLiteral("二号仓"));
        sandal = shop.goods(QStringLiteral("凉鞋"), {QStringLiteral("39"), QStringLiteral("40")},
                            {QStringLiteral("黑色"), QStringLiteral("白色")}, 30);
    }
    // Quantities of 39 black and 40 white; the other two cells are zero.
    QcjzEntry entry(const QString& ck, double cost, double q39, double q40) const
    {
        const QString s39 = getCmSn(QStringLiteral("39")), s40 = getCmSn(QStringLiteral("40"));
        const QString black = getColorSn(QStringLiteral("黑色")), white = getColorSn(QStringLiteral("白色"));
        return {sandal, ck, QStringLiteral("仓库"), Money::fromDouble(cost),
                {{s39, black, Money::fromDouble(q39)}, {s40, black, {}}, {s39, white, {}}, {s40, white, Money::fromDouble(q40)}}};
    }
    // g_kc and its prices, the stock row and the month row of the warehouse.
    QString state(const QString& ck) const
    {
        const SqlParams g{{QString(), sandal}};
        const SqlParams gc{{QString(), sandal}, {QString(), ck}};
        return value(QStringLiteral("select g_kc from jxc_goods where g_sn=?"), g) + u' ' +
               firstRow(QStringLiteral("select g_jj,g_scjj,g_pjjj from jxc_goods where g_sn=?"), g, u'/') + u' ' +
               firstRow(QStringLiteral("select kc_sl,kc_cbj from jxc_kcsp where g_sn=? and ck_sn=?"), gc, u'@') + u' ' +
               firstRow(QStringLiteral("select js_sl,js_cgsl,js_zje,js_cgje from jxc_kcjs where js_rq='2013-05' "
                                    "and ck_sn=?"),
                        {{QString(), ck}}, u'/');
    }
    Shop shop;
    QString w2;
    QString sandal;
};

TEST_F(QcjzTest, AddModifyDeleteMoveStockTotalsAndMonth)
{
    saveQcjz(entry(w2, 5, 6, 4), false);
    EXPECT_EQ(state(w2), QStringLiteral("10 5/5/5 10@5 10/10/50/50"));
    const SqlParams gc{{QString(), sandal}, {QString(), w2}};
    // A size-colour row for every cell, zeros too, each with its journal row.
    EXPECT_EQ(firstRow(QStringLiteral("select count(*),sum(t_sl) from jxc_tkc where g_sn=? and ck_sn=?"), gc, u'/'), QStringLiteral("4/10"));
    EXPECT_EQ(firstRow(QStringLiteral("select gl_flag,gl_djh,ghs_name,gl_sl,gl_dj from jxc_goodslist where g_sn=? and ck_sn=?"), gc),
              QStringLiteral("cj||期初建账|10|5"));
    EXPECT_EQ(firstRow(QStringLiteral("select count(*),sum(gl_sl) from jxc_goodslistmx where g_sn=? and ck_sn=?"), gc, u'/'),
              QStringLiteral("4/10"));

    saveQcjz(entry(w2, 6, 8, 4), true);  // 10 at 5 → 12 at 6
    EXPECT_EQ(state(w2), QStringLiteral("12 6/6/6 12@6 12/12/72/72"));
    EXPECT_EQ(firstRow(QStringLiteral("select count(*),sum(gl_sl) from jxc_goodslistmx where g_sn=? and ck_sn=?"), gc, u'/'),
              QStringLiteral("4/12"));

    // A second warehouse adds to the total stock.
    saveQcjz(entry(QStringLiteral("100001"), 6, 1, 1), false);
    EXPECT_EQ(value(QStringLiteral("select g_kc from jxc_goods where g_sn=?"), {{QString(), sandal}}), QStringLiteral("14"));

    deleteQcjz(sandal, w2);
    EXPECT_EQ(state(w2), QStringLiteral("2 6/6/6  0/0/0/0"));
    for (const char* table : {"jxc_tkc", "jxc_goodslist", "jxc_goodslistmx"})
        EXPECT_EQ(value(QStringLiteral("select count(*) from %1 where g_sn=? and ck_sn=?").arg(QLatin1String(table)), gc),
                  QStringLiteral("0"))
            << table;
}

TEST_F(QcjzTest, ZeroBalanceAndBusinessRefusal)
{
    saveQcjz(entry(QStringLiteral("100001"), 5, 0, 0), false);
    EXPECT_EQ(state(QStringLiteral("100001")), QStringLiteral("0 5/5/5 0@5 0/0/0/0"));
    EXPECT_EQ(value(QStringLiteral("select count(*) from jxc_tkc where g_sn=?"), {{QString(), sandal}}), QStringLiteral("4"));
    deleteQcjz(sandal, QStringLiteral("100001"));  // quantity 0: the month row stays
    EXPECT_EQ(state(QStringLiteral("100001")), QStringLiteral("0 5/5/5  0/0/0/0"));

    saveQcjz(entry(QStringLiteral("100001"), 5, 2, 0), false);
    EXPECT_FALSE(qcjzHasBusiness(sandal, QStringLiteral("100001")));
    shop.sale().line(sandal, 90, {{"39", "黑色", 1}}).post();
    EXPECT_TRUE(qcjzHasBusiness(sandal, QStringLiteral("100001")));
    EXPECT_FALSE(qcjzHasBusiness(sandal, w2));
    const QString before = wholeDatabase();
    try {
        saveQcjz(entry(QStringLiteral("100001"), 5, 3, 0), true);
        ADD_FAILURE() << "a goods with business was modified";
    } catch (const DbError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("该商品发生过业务，不能修改建账信息！"));
    }
    EXPECT_EQ(wholeDatabase(), before);
}

TEST_F(QcjzTest, WholeOrNothing)
{
    EXPECT_GE(abortEachStockWrite([&] { saveQcjz(entry(w2, 5, 6, 4), false); }), 6);
    EXPECT_GE(abortEachStockWrite([&] { saveQcjz(entry(w2, 6, 8, 4), true); }), 6);
    EXPECT_GE(abortEachStockWrite([&] { deleteQcjz(sandal, w2); }), 3);
    EXPECT_EQ(value(QStringLiteral("select g_kc from jxc_goods where g_sn=?"), {{QString(), sandal}}), QStringLiteral("0"));
}

}  // namespace

// ---- The window ---------------------------------------------------------------------------

#include "platform/codecombo.h"
#include "platform/datagrid.h"
#include "platform/msgbox.h"
#include "platform/sizecolorgrid.h"
#include "stock/qcjz.h"
#include "stock/qcjz_add.h"
#include "stock/stock.h"
#include "support/windowregistry.h"

#include <QLineEdit>

namespace {

class QcjzWindow : public QcjzTest {
protected:
    QcjzWindow() { MsgScript::reset(); }
    ~QcjzWindow() override { TF_Form::clearScripts(); }
    ScopedWindows windows{registerStockWindows};
};

TEST_F(QcjzWindow, AddThroughTheDialogThenModifyIsRefusedAfterBusiness)
{
    const QString boot = shop.goods(QStringLiteral("短靴"), {QStringLiteral("38")}, {QStringLiteral("棕色")}, 20);
    QString added;
    TF_Form::scriptNextOpening(QStringLiteral("TF_Qcjz"), [&](TF_Form* f) {
        auto* w = static_cast<TF_Qcjz*>(f);
        ASSERT_EQ(w->comCkxx->currentCode(), QStringLiteral("100001"));
        ASSERT_TRUE(DataModule->Q_Goods1->locate(QStringLiteral("g_sn"), sandal));
        TF_Form::scriptNextOpening(QStringLiteral("TF_Qcjz_Add"), [](TF_Form* d) {
            auto* dialog = static_cast<TF_Qcjz_Add*>(d);
            EXPECT_EQ(dialog->tcbj->text(), QStringLiteral("30.00"));
            dialog->StringGridIn->setCell(1, 1, QStringLiteral("6"));
            dialog->tcbj->setText(QStringLiteral("25"));
            dialog->btnOKClick();
        });
        w->btnAddClick();
        added = state(QStringLiteral("100001"));
        EXPECT_FALSE(DataModule->Q_Goods1->locate(QStringLiteral("g_sn"), sandal));
        ASSERT_TRUE(DataModule->Q_Kcsp->locate(QStringLiteral("g_sn"), sandal));
        // A goods with fewer sizes and colours next: nothing of the one before stays.
        ASSERT_TRUE(DataModule->Q_Goods1->locate(QStringLiteral("g_sn"), boot));
        TF_Form::scriptNextOpening(QStringLiteral("TF_Qcjz_Add"), [](TF_Form* d) {
            auto* dialog = static_cast<TF_Qcjz_Add*>(d);
            EXPECT_EQ(dialog->StringGridIn->rowCount(), 3);
            EXPECT_EQ(dialog->StringGridIn->grandTotal(), QString());
            EXPECT_EQ(dialog->tsl->text(), QStringLiteral("0"));
        });
        w->btnAddClick();
        shop.sale().line(sandal, 90, {{"39", "黑色", 1}}).post();
        w->comCkxx->setCurrentIndex(0);
        openQuery(DataModule->Q_Kcsp, qcjzRightSql(QStringLiteral("100001")));
        ASSERT_TRUE(DataModule->Q_Kcsp->locate(QStringLiteral("g_sn"), sandal));
        EXPECT_FALSE(DataModule->Q_Kcsp->fieldByName(QStringLiteral("ggsn")).isEmpty());
        w->btnModiClick();
    });
    ensureForm(F_Qcjz)->showModalForm();
    EXPECT_EQ(MsgScript::texts(), QStringList{QStringLiteral("该商品发生过业务，不能修改建账信息！")});
    EXPECT_EQ(added, QStringLiteral("6 25/25/25 6@25 6/6/150/150"));
}

}  // namespace
