// Loss and overflow bills: their postings on a shop built by the shared fixture.
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/tkc.h"
#include "stock/bsbyposting.h"
#include "support/shop.h"
#include "wholeornothing.h"

#include <gtest/gtest.h>

namespace {

QString value(const QString& sql, const SqlParams& p = {})
{
    return selectValue(sql, p);
}

class BsbyTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        sandal = shop.goods(QStringLiteral("凉鞋"), {QStringLiteral("39"), QStringLiteral("40")}, {QStringLiteral("黑色")}, 50);
        shop.receipt().line(sandal, 80, {{"39", "黑色", 3}, {"40", "黑色", 2}}).post();
    }
    // Stock, total stock, month row and size 39 of the sandal in the default warehouse.
    QString state() const
    {
        const SqlParams g{{QString(), sandal}};
        return firstRow(QStringLiteral("select kc_sl,kc_cbj from jxc_kcsp where ck_sn='100001' and g_sn=?"), g, u'@') + u' ' +
               value(QStringLiteral("select g_kc from jxc_goods where g_sn=?"), g) + u' ' +
               firstRow(QStringLiteral("select js_sl,js_zje from jxc_kcjs where js_rq='2013-05' and ck_sn='100001'"), {}, u'/') +
               u' ' +
               value(QStringLiteral("select sum(t_sl) from jxc_tkc where ck_sn='100001' and g_sn=? and cm_sn=?"),
                     {{QString(), sandal}, {QString(), getCmSn(QStringLiteral("39"))}});
    }
    Shop shop;
    QString sandal;
};

TEST_F(BsbyTest, LossAndOverflowMoveStockTotalsMonthAndBookTheirAmount)
{
    EXPECT_EQ(state(), QStringLiteral("5@80 5 5/400 3"));
    struct Case {
        BsbyKind kind;
        const char* after;
        const char* type;
        const char* sc;
        const char* amount;
        const char* note;
    };
    for (const Case& c : {Case{BsbyKind::Loss, "3@80 3 3/240 1", "商品报损支出", "费用", "-100", "报损单"},
                          Case{BsbyKind::Overflow, "5@80 5 5/400 3", "商品报溢收入", "收入", "100", "报溢单"}}) {
        BsbyBuilder b = c.kind == BsbyKind::Loss ? shop.loss() : shop.overflow();
        const QString djh = b.line(sandal, {{"39", "黑色", 2}}).note(QStringLiteral("  破损 ")).post();
        SCOPED_TRACE(djh.toStdString());
        EXPECT_EQ(state(), QString::fromUtf8(c.after));
        const ResultSet fy = openSelect(QStringLiteral("select fy_lx,fy_sc,fy_je,fy_note,fy_rq,u_sn from jxc_yyfy order by id desc limit 1"));
        EXPECT_EQ(fy.text(0, 0), QString::fromUtf8(c.type));
        EXPECT_EQ(fy.text(0, 1), QString::fromUtf8(c.sc));
        EXPECT_EQ(fy.text(0, 2), QString::fromUtf8(c.amount));
        EXPECT_EQ(fy.text(0, 3), QString::fromUtf8(c.note) + djh + QStringLiteral("成本差额"));
        EXPECT_EQ(fy.text(0, 4), QStringLiteral("2013-05-28"));
        EXPECT_EQ(fy.text(0, 5), shop.handlerSn());
        const BsbyTables& k = bsbyTables(c.kind);
        EXPECT_EQ(value(QStringLiteral("select %1 from %2 where gl_djh=?").arg(QLatin1String(k.noteColumn), QLatin1String(k.headerTable)),
                        {{QString(), djh}}),
                  QStringLiteral("破损"));
        EXPECT_EQ(value(QStringLiteral("select count(*) from %1 where gl_djh=? and tid=id").arg(QLatin1String(k.lines->lineTable)),
                        {{QString(), djh}}),
                  QStringLiteral("1"));
        EXPECT_EQ(value(QStringLiteral("select count(*) from jxc_log where log_note=?"),
                        {{QString(), QStringLiteral("增加") + QString::fromUtf8(k.title) + QStringLiteral("单") + djh +
                                         QStringLiteral("，共1种商品")}}),
                  QStringLiteral("1"));
    }
}

TEST_F(BsbyTest, ZeroAmountBooksNothingAndAMissingRowIsMadeAtTheLineCost)
{
    const QString w2 = shop.warehouse(QStringLiteral("二号仓"));
    const QString free = shop.goods(QStringLiteral("赠品袜"), {}, {}, 0);
    shop.loss().line(free, {{"均码", "统一", 1}}).post();
    EXPECT_EQ(value(QStringLiteral("select count(*) from jxc_yyfy")), QStringLiteral("0"));

    // The warehouse was changed after the goods was added: no stock row there yet.
    shop.loss().line(sandal, {{"40", "黑色", 2}}).warehouse(w2).post();
    EXPECT_EQ(firstRow(QStringLiteral("select kc_sl,kc_cbj from jxc_kcsp where ck_sn=? and g_sn=?"),
                       {{QString(), w2}, {QString(), sandal}}, u'@'),
              QStringLiteral("-2@50"));
    EXPECT_EQ(firstRow(QStringLiteral("select js_sl,js_zje from jxc_kcjs where js_rq='2013-05' and ck_sn=?"), {{QString(), w2}}, u'/'),
              QStringLiteral("-2/-100"));
}

TEST_F(BsbyTest, ADateMoveCarriesTheSizeRowsAndEmptyOrPostedBillsAreRefused)
{
    BsbyBuilder b = shop.loss();
    b.line(sandal, {{"39", "黑色", 1}}).date(QStringLiteral("2013-05-20"));
    b.post();
    EXPECT_TRUE(b.number().startsWith(QStringLiteral("BS130520")));
    EXPECT_EQ(state(), QStringLiteral("4@80 4 4/320 2"));
    const QString posted = wholeDatabase();
    EXPECT_THROW(postBsby({.kind = BsbyKind::Loss, .djh = b.number(), .ckSn = QStringLiteral("100001"),
                           .date = QStringLiteral("2013-05-20"), .uSn = {}, .note = {}, .op = operatorName}),
                 DbError);
    EXPECT_THROW(shop.overflow().post(), DbError);
    EXPECT_EQ(wholeDatabase(), posted);
}

TEST_F(BsbyTest, WholeOrNothing)
{
    BsbyBuilder loss = shop.loss();
    loss.line(sandal, {{"39", "黑色", 1}}).line(sandal, {{"40", "黑色", 1}});
    EXPECT_GE(abortEachStockWrite([&] { loss.post(); }), 4);
    BsbyBuilder overflow = shop.overflow();
    overflow.line(sandal, {{"39", "黑色", 3}});
    EXPECT_GE(abortEachStockWrite([&] { overflow.post(); }), 3);
    EXPECT_EQ(state(), QStringLiteral("6@80 6 6/480 5"));
}

}  // namespace

// ---- The window ---------------------------------------------------------------------------

#include "platform/codecombo.h"
#include "platform/datagrid.h"
#include "platform/msgbox.h"
#include "platform/sizecolorgrid.h"
#include "stock/bsby.h"
#include "stock/bsby_add.h"
#include "stock/bsby_confirm.h"
#include "stock/bsby_sele.h"
#include "shell/tips.h"
#include "stock/stock.h"
#include "support/windowregistry.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace {

class BsbyWindow : public BsbyTest {
protected:
    BsbyWindow() { MsgScript::reset(); }
    ~BsbyWindow() override { TF_Form::clearScripts(); }

    // Picks the sandal with `qty` of size 39 black and a line note, then confirms the picker.
    void pick(TF_Bsby* w, const QString& qty, const QString& note)
    {
        TF_Form::scriptNextOpening(QStringLiteral("TF_Bsby_Add"), [&](TF_Form* p) {
            auto* picker = static_cast<TF_Bsby_Add*>(p);
            EXPECT_EQ(picker->windowTitle(), w->comDjlx->currentIndex() == 0 ? QStringLiteral("增加商品(商品报损)")
                                                                             : QStringLiteral("增加商品(商品报溢)"));
            TF_Form::scriptNextOpening(QStringLiteral("TF_Bsby_Sele"), [&](TF_Form* d) {
                auto* dialog = static_cast<TF_Bsby_Sele*>(d);
                dialog->findChild<SizeColorGrid*>(QStringLiteral("StringGridIn"))->setCell(1, 1, qty);
                dialog->tnote->setText(note);
                dialog->btnOKClick();
            });
            picker->btnAddClick();
            picker->btnOKClick();
        });
        w->btnAddOldClick();
    }
    void open(const std::function<void(TF_Bsby*)>& script)
    {
        TF_Form::scriptNextOpening(QStringLiteral("TF_Bsby"), [&](TF_Form* f) { script(static_cast<TF_Bsby*>(f)); });
        ensureForm(F_Bsby)->showModalForm();
    }
    ScopedWindows windows{registerStockWindows};
};

TEST_F(BsbyWindow, OverflowThroughPickerConfirmationAndSave)
{
    open([&](TF_Bsby* w) {
        EXPECT_TRUE(w->number().startsWith(QStringLiteral("BS")));
        w->comDjlx->setCurrentIndex(1);
        EXPECT_TRUE(w->number().startsWith(QStringLiteral("BY")));
        EXPECT_EQ(w->lbDate->text(), QStringLiteral("报溢日期："));
        pick(w, QStringLiteral("9"), QStringLiteral("多出"));  // no stock check
        ASSERT_TRUE(w->hasLines());
        EXPECT_FALSE(w->comDjlx->isEnabled());
        // Leaving the confirmation posts nothing.
        TF_Form::scriptNextOpening(QStringLiteral("TF_Bsby_Confirm"), [](TF_Form*) {});
        w->btnOKClick();
        EXPECT_TRUE(w->hasLines());
        TF_Form::scriptNextOpening(QStringLiteral("TF_Bsby_Confirm"), [](TF_Form* f) {
            auto* c = static_cast<TF_Bsby_Confirm*>(f);
            EXPECT_EQ(c->windowTitle(), QStringLiteral("报溢确认"));
            EXPECT_EQ(c->lbZje->text(), QStringLiteral("450"));
            EXPECT_EQ(DataModule->Q_CfspTmp->fieldByName(QStringLiteral("tmp_kc")), QStringLiteral("14"));
            c->btnOKClick();
        });
        MsgScript::answer(MsgAnswer::Yes);
        w->btnOKClick();
        EXPECT_FALSE(w->hasLines());
        EXPECT_TRUE(w->comDjlx->isEnabled());
        EXPECT_EQ(w->comDjlx->currentIndex(), 0);  // a new loss bill
    });
    EXPECT_EQ(MsgScript::texts(), QStringList{QStringLiteral("单据保存后不能修改！是否确认？")});
    ASSERT_NE(F_Tips, nullptr);
    EXPECT_EQ(F_Tips->tipMsg, QStringLiteral("信息已成功保存！"));
    EXPECT_EQ(state(), QStringLiteral("14@80 14 14/1120 12"));
    EXPECT_EQ(firstRow(QStringLiteral("select by_note,by_dj,by_zje from jxc_bysp"), {}, u'/'), QStringLiteral("多出/50/450"));
    EXPECT_EQ(firstRow(QStringLiteral("select fy_lx,fy_je from jxc_yyfy")), QStringLiteral("商品报溢收入|450"));
}

TEST_F(BsbyWindow, NoAtCloseDeletesLinesAndRows)
{
    open([&](TF_Bsby* w) {
        pick(w, QStringLiteral("1"), QString());
        ASSERT_TRUE(w->hasLines());
        MsgScript::answer(MsgAnswer::No);
        EXPECT_TRUE(w->close());
    });
    EXPECT_EQ(value(QStringLiteral("select (select count(*) from jxc_bssp)||'/'||(select count(*) from jxc_bsspmx)")),
              QStringLiteral("0/0"));
}

TEST_F(BsbyWindow, HistoryCountOnlyFilter)
{
    shop.loss().line(sandal, {{"39", "黑色", 1}}).post();
    shop.loss().line(sandal, {{"40", "黑色", 1}}).note(QStringLiteral("盘点库存报损")).post();
    shop.overflow().line(sandal, {{"40", "黑色", 1}}).post();
    BsbyFilter f{.kind = BsbyKind::Loss, .from = QStringLiteral("2013-05-01"), .to = QStringLiteral("2013-05-31"),
                 .ckSn = {}, .uSn = {}, .countOnly = false};
    EXPECT_EQ(openSelect(bsbyDocumentsSql(f)).rowCount(), 1);
    EXPECT_EQ(openSelect(bsbyLinesSql(f)).rowCount(), 1);
    f.countOnly = true;
    const ResultSet counted = openSelect(bsbySummarySql(f));
    ASSERT_EQ(counted.rowCount(), 1);
    EXPECT_EQ(counted.text(0, QStringLiteral("sl")), QStringLiteral("1"));
    EXPECT_EQ(openSelect(bsbySummaryLinesSql(f, sandal)).rowCount(), 1);
    f = {.kind = BsbyKind::Overflow, .from = QStringLiteral("2013-05-28"), .to = QStringLiteral("2013-05-28"),
         .ckSn = QStringLiteral("100001"), .uSn = shop.handlerSn(), .countOnly = false};
    const ResultSet overflow = openSelect(bsbyDocumentsSql(f));
    ASSERT_EQ(overflow.rowCount(), 1);
    EXPECT_EQ(openSelect(bsbyDocumentLinesSql(BsbyKind::Overflow, overflow.text(0, QStringLiteral("gl_djh")))).text(0, QStringLiteral("zje")),
              QStringLiteral("50"));
}

}  // namespace
