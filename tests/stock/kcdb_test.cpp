// The stock transfer: its posting on a shop built by the shared fixture.
#include "bills/workinglines.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/tkc.h"
#include "stock/kcdbposting.h"
#include "support/shop.h"
#include "wholeornothing.h"

#include <gtest/gtest.h>

namespace {

QString value(const QString& sql, const SqlParams& p = {})
{
    return selectValue(sql, p);
}

QString stockRow(const QString& ck, const QString& g)
{
    const ResultSet rs = openSelect(QStringLiteral("select kc_sl,kc_cbj,kc_xssl from jxc_kcsp where ck_sn=? and g_sn=?"),
                                    {{QString(), ck}, {QString(), g}});
    return rs.isEmpty() ? QString() : rs.text(0, 0) + u'@' + rs.text(0, 1) + u'/' + rs.text(0, 2);
}

QString monthRow(const QString& month, const QString& ck)
{
    const ResultSet rs = openSelect(QStringLiteral("select js_sl,js_zje from jxc_kcjs where js_rq=? and ck_sn=?"),
                                    {{QString(), month}, {QString(), ck}});
    return rs.isEmpty() ? QString() : rs.text(0, 0) + u'/' + rs.text(0, 1);
}

QString variant(const QString& ck, const QString& g, const QString& size)
{
    return value(QStringLiteral("select sum(t_sl) from jxc_tkc where ck_sn=? and g_sn=? and cm_sn=?"),
                 {{QString(), ck}, {QString(), g}, {QString(), getCmSn(size)}});
}

class KcdbTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        w2 = shop.warehouse(QStringLiteral("二号仓"));
        sandal = shop.goods(QStringLiteral("凉鞋"), {QStringLiteral("39"), QStringLiteral("40")}, {QStringLiteral("黑色")}, 50);
        shop.receipt().line(sandal, 80, {{"39", "黑色", 3}, {"40", "黑色", 2}}).post();
    }
    Shop shop;
    QString w2;
    QString sandal;
};

TEST_F(KcdbTest, MovesStockMonthRowsAndSizesAtTheOutCost)
{
    const QString journal = value(QStringLiteral("select count(*) from jxc_goodslist"));
    const QString out0 = monthRow(QStringLiteral("2013-05"), QStringLiteral("100001"));
    EXPECT_EQ(out0, QStringLiteral("5/400"));
    TransferBuilder t = shop.transfer(w2);
    t.line(sandal, {{"39", "黑色", 2}, {"40", "黑色", 1}});
    const QString djh = t.post();

    EXPECT_EQ(stockRow(QStringLiteral("100001"), sandal), QStringLiteral("2@80/0"));
    EXPECT_EQ(stockRow(w2, sandal), QStringLiteral("3@80/0"));
    EXPECT_EQ(monthRow(QStringLiteral("2013-05"), QStringLiteral("100001")), QStringLiteral("2/160"));
    EXPECT_EQ(monthRow(QStringLiteral("2013-05"), w2), QStringLiteral("3/240"));
    EXPECT_EQ(value(QStringLiteral("select g_kc from jxc_goods where g_sn=?"), {{QString(), sandal}}), QStringLiteral("5"));
    EXPECT_EQ(value(QStringLiteral("select count(*) from jxc_goodslist")), journal);
    EXPECT_EQ(variant(w2, sandal, QStringLiteral("39")), QStringLiteral("2"));
    EXPECT_EQ(variant(QStringLiteral("100001"), sandal, QStringLiteral("39")), QStringLiteral("1"));
    EXPECT_EQ(variant(QStringLiteral("100001"), sandal, QStringLiteral("40")), QStringLiteral("1"));
    EXPECT_EQ(value(QStringLiteral("select count(*) from jxc_dbsp where gl_djh=? and tid=id"), {{QString(), djh}}),
              QStringLiteral("1"));
    EXPECT_EQ(value(QStringLiteral("select ck_out||'>'||ck_in from jxc_kcdbd where gl_djh=?"), {{QString(), djh}}),
              QStringLiteral("100001>") + w2);
    EXPECT_EQ(value(QStringLiteral("select count(*) from jxc_log where log_note=?"),
                    {{QString(), QStringLiteral("增加库存调拨单") + djh + QStringLiteral("，共1种商品")}}),
              QStringLiteral("1"));
}

TEST_F(KcdbTest, AnExistingInRowKeepsItsCostAndTheMonthIsTheTransfersOwn)
{
    shop.transfer(w2).line(sandal, {{"39", "黑色", 1}}).post();
    execSql(QStringLiteral("update jxc_kcsp set kc_cbj=70 where ck_sn=?"), {{QString(), w2}});
    TransferBuilder t = shop.transfer(w2);
    t.line(sandal, {{"40", "黑色", 2}}).date(QStringLiteral("2013-04-30"));
    EXPECT_TRUE(t.number().startsWith(QStringLiteral("DB130430")));
    t.post();
    EXPECT_EQ(stockRow(w2, sandal), QStringLiteral("3@70/0"));
    // The April rows are made first (from the stock at that moment) and then moved by 2 × 80.
    EXPECT_EQ(monthRow(QStringLiteral("2013-04"), w2), QStringLiteral("3/230"));
    EXPECT_EQ(variant(w2, sandal, QStringLiteral("40")), QStringLiteral("2"));
}

TEST_F(KcdbTest, GoodsWithoutAnOutRowLeavesAtItsPresetPrice)
{
    const QString boot = shop.goods(QStringLiteral("靴子"), {}, {}, 45);
    shop.transfer(w2).line(boot, {{"均码", "统一", 2}}).post();
    EXPECT_EQ(stockRow(QStringLiteral("100001"), boot), QStringLiteral("-2@45/0"));
    EXPECT_EQ(stockRow(w2, boot), QStringLiteral("2@45/0"));
}

TEST_F(KcdbTest, RefusalsWriteNothing)
{
    TransferBuilder same = shop.transfer(QStringLiteral("100001"));
    same.line(sandal, {{"39", "黑色", 1}});
    const QString withLine = wholeDatabase();
    EXPECT_THROW(same.post(), DbError);
    EXPECT_EQ(wholeDatabase(), withLine);
    EXPECT_THROW(shop.transfer(w2).post(), DbError);  // no lines (the stray line above is discarded)

    TransferBuilder twice = shop.transfer(w2);
    twice.line(sandal, {{"39", "黑色", 1}});
    twice.post();
    const QString posted = wholeDatabase();
    EXPECT_THROW(postKcdb({.djh = twice.number(), .ckOut = QStringLiteral("100001"), .ckIn = w2,
                           .date = QStringLiteral("2013-05-28"), .uSn = shop.handlerSn(), .note = {}, .op = operatorName}),
                 DbError);
    EXPECT_EQ(wholeDatabase(), posted);
}

TEST_F(KcdbTest, NoteIsSafeNameTextCutTo64)
{
    const QString note = QStringLiteral("it's \"x\" -- ") + QString(70, u'备');
    const QString djh = shop.transfer(w2).line(sandal, {{"39", "黑色", 1}}).note(note).post();
    const QString stored = value(QStringLiteral("select db_note from jxc_kcdbd where gl_djh=?"), {{QString(), djh}});
    EXPECT_EQ(stored.size(), 64);
    EXPECT_TRUE(stored.startsWith(QStringLiteral("it‘s"))) << stored.toStdString();
    EXPECT_FALSE(stored.contains(u'\''));
}

TEST_F(KcdbTest, WholeOrNothing)
{
    TransferBuilder t = shop.transfer(w2);
    t.line(sandal, {{"39", "黑色", 2}}).line(sandal, {{"40", "黑色", 1}});
    EXPECT_GE(abortEachStockWrite([&] { t.post(); }), 6);
    EXPECT_EQ(stockRow(w2, sandal), QStringLiteral("3@80/0"));
}

}  // namespace

// ---- The window ---------------------------------------------------------------------------

#include "platform/codecombo.h"
#include "platform/datagrid.h"
#include "platform/msgbox.h"
#include "data/settings.h"
#include "platform/sizecolorgrid.h"
#include "stock/kcdb.h"
#include "stock/kcdb_add.h"
#include "stock/kcdb_sele.h"
#include "stock/stock.h"
#include "support/windowregistry.h"

#include <QPushButton>

namespace {

class KcdbWindow : public KcdbTest {
protected:
    KcdbWindow() { MsgScript::reset(); }
    ~KcdbWindow() override
    {
        TF_Form::clearScripts();
        csKc.clear();
    }

    // Picks the sandal in the picker with `qty` of size 39 black (a refused quantity keeps the
    // dialog open and adds nothing), then confirms the picker.
    void pick(TF_Kcdb* w, const QString& qty)
    {
        TF_Form::scriptNextOpening(QStringLiteral("TF_Kcdb_Add"), [&](TF_Form* p) {
            auto* picker = static_cast<TF_Kcdb_Add*>(p);
            TF_Form::scriptNextOpening(QStringLiteral("TF_Kcdb_Sele"), [&](TF_Form* d) {
                d->findChild<SizeColorGrid*>(QStringLiteral("StringGridIn"))->setCell(1, 1, qty);
                static_cast<TF_Kcdb_Sele*>(d)->btnOKClick();
            });
            picker->btnAddClick();
            picker->btnOKClick();
        });
        w->btnAddClick();
    }
    void open(const std::function<void(TF_Kcdb*)>& script)
    {
        TF_Form::scriptNextOpening(QStringLiteral("TF_Kcdb"), [&](TF_Form* f) { script(static_cast<TF_Kcdb*>(f)); });
        ensureForm(F_Kcdb)->showModalForm();
    }
    ScopedWindows windows{registerStockWindows};
};

TEST_F(KcdbWindow, PickCheckAndSaveInOrder)
{
    csKc = QStringLiteral("1");  // selling at zero stock allowed: transfers are checked all the same
    open([&](TF_Kcdb* w) {
        EXPECT_TRUE(w->comCk->isEnabled());
        EXPECT_EQ(w->comCk2->currentCode(), w2);
        w->btnOKClick();
        pick(w, QStringLiteral("4"));  // 39 black holds 3: refused, whatever the setting
        EXPECT_FALSE(w->hasLines());
        pick(w, QStringLiteral("2"));
        ASSERT_TRUE(w->hasLines());
        EXPECT_FALSE(w->comCk->isEnabled());
        w->comUser->setCurrentIndex(-1);
        w->btnOKClick();
        w->comUser->setCurrentIndex(0);
        w->comCk2->setCurrentIndex(w->comCk2->indexOfCode(QStringLiteral("100001")));
        w->btnOKClick();
        w->comCk2->setCurrentIndex(w->comCk2->indexOfCode(w2));
        MsgScript::answer(MsgAnswer::No);
        w->btnOKClick();
        MsgScript::answer(MsgAnswer::Yes);
        w->btnOKClick();
        EXPECT_FALSE(w->hasLines());
        EXPECT_TRUE(w->comCk->isEnabled());
    });
    EXPECT_EQ(MsgScript::texts(), (QStringList{QStringLiteral("没有调拨商品，不能保存！"),
                                               QStringLiteral("调拨数量不能大于库存数量，重新输入！"),
                                               QStringLiteral("请选择经办人！"),
                                               QStringLiteral("调出仓库与调入仓库不能相同！"),
                                               QStringLiteral("单据保存后不能再修改，是否确认保存！"),
                                               QStringLiteral("单据保存后不能再修改，是否确认保存！")}));
    EXPECT_EQ(stockRow(w2, sandal), QStringLiteral("2@80/0"));
    EXPECT_EQ(variant(w2, sandal, QStringLiteral("39")), QStringLiteral("2"));
}

TEST_F(KcdbWindow, ClosePromptKeepsOrDiscardsTheLines)
{
    QString number;
    open([&](TF_Kcdb* w) {
        pick(w, QStringLiteral("1"));
        number = w->number();
        w->comCk2->setCurrentIndex(w->comCk2->indexOfCode(QStringLiteral("100001")));
        MsgScript::answer(MsgAnswer::Yes);  // save: refused, the window stays with its lines
        EXPECT_FALSE(w->close());
        EXPECT_TRUE(w->hasLines());
    });
    // Lines found under the number at the next opening stay and lock the out warehouse.
    open([&](TF_Kcdb* w) {
        EXPECT_EQ(w->number(), number);
        EXPECT_TRUE(w->hasLines());
        EXPECT_FALSE(w->comCk->isEnabled());
        MsgScript::answer(MsgAnswer::No);
        EXPECT_TRUE(w->close());
    });
    EXPECT_EQ(value(QStringLiteral("select (select count(*) from jxc_dbsp)||'/'||(select count(*) from jxc_dbspmx)")),
              QStringLiteral("0/0"));
}

TEST_F(KcdbWindow, HistoryListsSavedTransfersAndFilters)
{
    const QString w3 = shop.warehouse(QStringLiteral("三号仓"));
    shop.transfer(w2).line(sandal, {{"39", "黑色", 1}}).post();
    shop.transfer(w3).line(sandal, {{"40", "黑色", 2}}).post();
    TransferBuilder unsaved = shop.transfer(w2);  // not saved: never listed
    unsaved.line(sandal, {{"39", "黑色", 1}});
    KcdbFilter f{.from = QStringLiteral("2013-05-01"), .to = QStringLiteral("2013-05-31"), .ckOut = {}, .ckIn = {}, .uSn = {}};
    EXPECT_EQ(openSelect(kcdbDocumentsSql(f)).rowCount(), 2);
    EXPECT_EQ(openSelect(kcdbSummarySql(f)).text(0, QStringLiteral("sl")), QStringLiteral("3"));
    f.ckIn = w3;
    EXPECT_EQ(openSelect(kcdbLinesSql(f)).rowCount(), 1);
    EXPECT_EQ(openSelect(kcdbSummaryLinesSql(f, sandal)).text(0, QStringLiteral("db_sl")), QStringLiteral("2"));
    // A removed handler drops the documents from the lists but not from the summary.
    execSql(QStringLiteral("delete from jxc_user where u_sn=?"), {{QString(), shop.handlerSn()}});
    f.ckIn.clear();
    EXPECT_EQ(openSelect(kcdbDocumentsSql(f)).rowCount(), 0);
    EXPECT_EQ(openSelect(kcdbSummarySql(f)).text(0, QStringLiteral("sl")), QStringLiteral("3"));
    f.to = QStringLiteral("2013-05-27");
    EXPECT_TRUE(openSelect(kcdbSummarySql(f)).isEmpty());
}

}  // namespace
