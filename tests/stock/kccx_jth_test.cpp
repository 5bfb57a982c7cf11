// The reference lists: adding keeps the supplier's name and the day, a changed quantity keeps
// both, a goods without supplier record is still added with its code, one goods on both lists,
// the quantity dialog and the list window's deletion.
#include "data/clock.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "platform/datagrid.h"
#include "platform/msgbox.h"
#include "stock/kccx_add.h"
#include "stock/kccx_jth.h"
#include "stock/kccx_sele.h"
#include "stock/stock.h"
#include "support/shop.h"
#include "support/windowregistry.h"

#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

QString listed(const QString& flag)
{
    const ResultSet rs = openSelect(QStringLiteral("select g_sn,ghs_name,jt_sl,jt_rq from jxc_ckjth where jt_flag=? order by id"),
                                    {{QString(), flag}});
    QStringList out;
    for (int r = 0; r < rs.rowCount(); ++r)
        out << QStringList{rs.text(r, 0), rs.text(r, 1), rs.text(r, 2), rs.text(r, 3)}.join(u'|');
    return out.join(u' ');
}

class ReferenceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        MsgScript::reset();
        ghs = shop.supplier(QStringLiteral("鞋业公司"));
        shoe = shop.goods(QStringLiteral("布鞋"), {}, {});
        execSql(QStringLiteral("update jxc_goods set ghs_sn=? where g_sn=?"), {{QString(), ghs}, {QString(), shoe}});
        orphan = shop.goods(QStringLiteral("旧鞋"), {}, {});
        execSql(QStringLiteral("update jxc_goods set ghs_sn='999999' where g_sn=?"), {{QString(), orphan}});
    }
    void TearDown() override
    {
        MsgScript::reset();
        callerFlag.clear();
        curGoodsSn.clear();
    }
    Shop shop;
    ScopedWindows windows{registerStockWindows};
    QString ghs, shoe, orphan;
};

TEST_F(ReferenceTest, AddChangeAndBothLists)
{
    EXPECT_TRUE(addReference(shoe, QStringLiteral("j"), 5).isEmpty());
    EXPECT_TRUE(addReference(shoe, QStringLiteral("t"), 2).isEmpty());
    EXPECT_TRUE(addReference(orphan, QStringLiteral("j"), 1).isEmpty());
    EXPECT_FALSE(addReference(QStringLiteral("NOPE"), QStringLiteral("j"), 1).isEmpty());
    Clock::setFixed(QDateTime(QDate(2013, 6, 2), QTime(9, 0)));
    setReferenceQty(shoe, QStringLiteral("j"), 12);
    EXPECT_EQ(listed(QStringLiteral("j")),
              shoe + QStringLiteral("|鞋业公司|12|2013-05-28 ") + orphan + QStringLiteral("||1|2013-05-28"));
    EXPECT_EQ(listed(QStringLiteral("t")), shoe + QStringLiteral("|鞋业公司|2|2013-05-28"));
}

TEST_F(ReferenceTest, QuantityDialogAddsAndProposesTheListedQuantity)
{
    auto dialog = [](const QString& word, const QString& gSn, const std::function<void(TF_Kccx_Sele*)>& script) {
        callerFlag = word;
        curGoodsSn = gSn;
        TF_Form::scriptNextOpening(QStringLiteral("F_Kccx_Sele"), [&](TF_Form* f) { script(static_cast<TF_Kccx_Sele*>(f)); });
        showForm(F_Kccx_Sele);
    };
    dialog(QStringLiteral("tadd"), orphan, [](TF_Kccx_Sele* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("输入参考退货数量"));
        EXPECT_EQ(d->tSl->value(), 1);
        d->tSl->setValue(4);
        d->btnOK->click();
    });
    dialog(QStringLiteral("tmodi"), orphan, [](TF_Kccx_Sele* d) {
        EXPECT_EQ(d->tSl->value(), 4);
        d->tSl->setValue(6);
        d->btnOK->click();
    });
    dialog(QStringLiteral("tmodi"), orphan, [](TF_Kccx_Sele* d) { d->btnExit->click(); });
    EXPECT_EQ(listed(QStringLiteral("t")), orphan + QStringLiteral("||6|2013-05-28"));
}

TEST_F(ReferenceTest, DeletingAsksAndRemovesTheCurrentRowOnly)
{
    addReference(shoe, QStringLiteral("j"), 1);
    addReference(orphan, QStringLiteral("j"), 2);
    callerFlag = QStringLiteral("jh");
    TF_Form::scriptNextOpening(QStringLiteral("F_Kccx_Jth"), [this](TF_Form* f) {
        auto* w = static_cast<TF_Kccx_Jth*>(f);
        EXPECT_EQ(w->PageControl1->currentIndex(), 0);
        DataGrid* grid = w->tabs[0].grid;
        ASSERT_EQ(grid->rowCount(), 2);
        grid->setCurrentRow(1);
        w->tabs[0].btnDel->click();  // unscripted: answers no
        EXPECT_EQ(grid->rowCount(), 2);
        MsgScript::answer(MsgAnswer::Yes);
        w->tabs[0].btnDel->click();
        ASSERT_EQ(grid->rowCount(), 1);
        EXPECT_EQ(grid->value(0, QStringLiteral("g_sn")), shoe);
    });
    showForm(F_Kccx_Jth);
    EXPECT_EQ(MsgScript::texts(), QStringList(2, QStringLiteral("您确定要删除当前选中的商品吗！")));
}

QStringList codesOf(const QString& sql)
{
    const ResultSet rs = openSelect(sql);
    QStringList out;
    for (int r = 0; r < rs.rowCount(); ++r)
        out << rs.text(r, QStringLiteral("g_sn")) + u':' + rs.text(r, QStringLiteral("xssl"));
    return out;
}

TEST_F(ReferenceTest, GoodsSearches)
{
    // shoe: 5 sold on the last day (at the till, with a time), 1 returned; orphan: no sales, stock below any limit.
    appendRow(QStringLiteral("jxc_lsxsd"), {{QStringLiteral("gl_djh"), QStringLiteral("XS1")}, {QStringLiteral("ls_xsrq"), QStringLiteral("2013-05-28 17:00:00")}});
    appendRow(QStringLiteral("jxc_lsxssp"), {{QStringLiteral("gl_djh"), QStringLiteral("XS1")}, {QStringLiteral("g_sn"), shoe}, {QStringLiteral("ls_sl"), 5}});
    appendRow(QStringLiteral("jxc_xsthd"), {{QStringLiteral("gl_djh"), QStringLiteral("XT1")}, {QStringLiteral("th_xsrq"), QStringLiteral("2013-05-20")}});
    appendRow(QStringLiteral("jxc_xsthsp"), {{QStringLiteral("gl_djh"), QStringLiteral("XT1")}, {QStringLiteral("g_sn"), shoe}, {QStringLiteral("th_sl"), 1}});
    execSql(QStringLiteral("update jxc_goods set g_kc=-3,g_zdkc=2 where g_sn=?"), {{QString(), orphan}});
    for (const QString& g : {shoe, orphan})
        appendRow(QStringLiteral("jxc_kcsp"), {{QStringLiteral("g_sn"), g}, {QStringLiteral("ck_sn"), QStringLiteral("100001")},
                                               {QStringLiteral("kc_xssl"), 7}});

    const QDate from(2013, 5, 1), to(2013, 5, 28);
    EXPECT_EQ(codesOf(referenceBySalesSql(from, to, QString(), 3, 100)), QStringList{shoe + QStringLiteral(":4")});
    EXPECT_TRUE(codesOf(referenceBySalesSql(from, to, QString(), 4, 0)).isEmpty());
    // Before the sale only the return counts: a net sale of -1, listed for the stock limit.
    EXPECT_EQ(codesOf(referenceBySalesSql(from, QDate(2013, 5, 27), QString(), 0, 1)), QStringList{shoe + QStringLiteral(":-1")});
    EXPECT_EQ(codesOf(referenceByGoodsSql(QStringLiteral("布鞋"), false)), QStringList{shoe + QStringLiteral(":7")});
    EXPECT_EQ(codesOf(referenceByGoodsSql(QStringLiteral("布鞋"), true)), QStringList{orphan + QStringLiteral(":7")});
    EXPECT_EQ(codesOf(referenceBySupplierSql(QStringLiteral("鞋业"))), QStringList{shoe + QStringLiteral(":7")});
    EXPECT_TRUE(codesOf(referenceByGoodsSql(QStringLiteral("' or ''='"), false)).isEmpty());

    // Adding from the search asks its own question when the goods is listed.
    addReference(shoe, QStringLiteral("j"), 1);
    callerFlag = QStringLiteral("jadd");
    TF_Form::scriptNextOpening(QStringLiteral("F_Kccx_Add"), [this](TF_Form* f) {
        auto* w = static_cast<TF_Kccx_Add*>(f);
        EXPECT_EQ(w->cxGrid1->rowCount(), 1);  // by sales in this month
        w->btnAdd1->click();                    // unscripted question: no
    });
    showForm(F_Kccx_Add);
    EXPECT_EQ(MsgScript::texts(), QStringList{QStringLiteral("参考进货中已存在该商品，是否修改数量？")});
    EXPECT_EQ(listed(QStringLiteral("j")), shoe + QStringLiteral("|鞋业公司|1|2013-05-28"));
}

}  // namespace
