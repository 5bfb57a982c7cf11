// Bundles: the component lines under the bundle's number and the bundle posting.
#include "data/database.h"
#include "data/datamodule.h"
#include "data/tkc.h"
#include "data/globals.h"
#include "data/settings.h"
#include "platform/datagrid.h"
#include "platform/msgbox.h"
#include "platform/sizecolorgrid.h"
#include "platform/reporttemplate.h"
#include "stock/cfkb.h"
#include "stock/cfkb_add2.h"
#include "stock/kbposting.h"
#include "stock/stock.h"
#include "support/windowregistry.h"
#include "support/killtest.h"
#include "support/shop.h"
#include "failnth.h"

#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include <gtest/gtest.h>

namespace {

// A default warehouse holding 3 × 39 and 2 × 40 of a black sandal and 4 black 39 boots in a
// second warehouse (boots also come in white), both bought at 80; a gift set without own sizes and colours.
struct BundleShop {
    Shop shop;
    QString shop2 = shop.warehouse("二号仓");
    QString sandal = shop.goods("凉鞋", {"39", "40"}, {"黑色"}, 80);
    QString boot = shop.goods("靴子", {"39"}, {"黑色", "白色"}, 80);
    QString giftSet = shop.goods("礼盒", {}, {}, 100);
    BundleShop()
    {
        shop.receipt().line(sandal, 80, {{"39", "黑色", 3}, {"40", "黑色", 2}}).post();
        shop.receipt().warehouse(shop2).line(boot, 80, {{"39", "黑色", 4}}).post();
    }
    QString variant(const char* size, const char* colour) const { return getCmSn(size) + "|" + getColorSn(colour); }
};

const QStringList kPostingTables{"jxc_kbd", "jxc_kbsp", "jxc_kbspmx", "jxc_kcsp", "jxc_goods", "jxc_kcjs",
                                 "jxc_tkc", "jxc_yyfy", "jxc_log"};

}  // namespace

TEST(Cfkb, PostingMovesTheComponentsIntoTheBundleGoods)
{
    BundleShop s;
    const QString monthBefore = rows("select ck_sn,js_sl,js_zje from jxc_kcjs where js_rq='2013-05' order by ck_sn");
    // Two components, each from its own warehouse, into a goods without stock: it enters at
    // cost 0 under its own (built-in) size and colour, and the whole value leaves as expense.
    BundleBuilder kb = s.shop.bundle(s.giftSet, 2);
    kb.component(s.sandal, 80, {{"39", "黑色", 1}, {"40", "黑色", 1}}).component(s.boot, 70, {{"39", "黑色", 2}}, s.shop2);
    const QString djh = kb.post();
    EXPECT_EQ(djh, "KB130528010001");

    EXPECT_EQ(rows("select gl_djh,ck_sn,kb_kbrq,g_sn,kb_cbj,kb_sl,u_sn,a_name from jxc_kbd"),
              QStringLiteral("%1|100001|2013-05-28|%2|0|2|%3|张三").arg(djh, s.giftSet, s.shop.handlerSn()));
    EXPECT_EQ(rows("select count(*) from jxc_kbsp where tid=id"), "2");
    EXPECT_EQ(rows("select g_sn,ck_sn,kc_sl,kc_cbj,kc_xssl from jxc_kcsp order by ck_sn,kc_sl desc"),
              QStringLiteral("%1|100001|3|80|0 %2|100001|2|0|0 %3|%4|2|80|0").arg(s.sandal, s.giftSet, s.boot, s.shop2));
    EXPECT_EQ(rows("select g_sn,g_kc from jxc_goods where g_sn in (select g_sn from jxc_kcsp) order by g_sn"),
              rows("select g_sn,sum(kc_sl) from jxc_kcsp group by g_sn order by g_sn"));
    EXPECT_EQ(rows(("select ck_sn,cm_sn,color_sn,t_sl from jxc_tkc where g_sn='" + s.giftSet + "'").toUtf8()),
              "100001|100001|100001|2");
    EXPECT_EQ(rows("select ck_sn,cm_sn||'|'||color_sn,t_sl from jxc_tkc where g_sn<>'" + s.giftSet.toUtf8() +
                   "' order by ck_sn,cm_sn"),
              QStringLiteral("100001|%1|2 100001|%2|1 %3|%1|2").arg(s.variant("39", "黑色"), s.variant("40", "黑色"), s.shop2));
    // Month rows: the receiving warehouse +2 at 0; sandal -2 at 160 there; boots -2 at 140 in shop2.
    const QStringList before = monthBefore.split(' ');
    auto moved = [&](int i, int qty, int value) {
        const QStringList f = before.at(i).split('|');
        return QStringLiteral("%1|%2|%3").arg(f[0]).arg(f[1].toInt() + qty).arg(f[2].toInt() + value);
    };
    EXPECT_EQ(rows("select ck_sn,js_sl,js_zje from jxc_kcjs where js_rq='2013-05' order by ck_sn"),
              moved(0, 0, -160) + " " + moved(1, -2, -140));
    EXPECT_EQ(rows("select fy_rq,fy_lx,fy_je,u_sn,fy_note,fy_sc from jxc_yyfy"),
              QStringLiteral("2013-05-28|捆绑成本差额|-300|%1|捆绑单%2成本差额|费用").arg(s.shop.handlerSn(), djh));
    EXPECT_EQ(selectValue("select count(*) from jxc_log where log_note='增加捆绑单" + djh + "，共2种商品'"), "1");
}

TEST(Cfkb, BundleGoodsWithStockEntersAtItsCostUnderTheFirstComponentVariant)
{
    BundleShop s;
    // A second pair of sandals made of boots: the sandal holds 39/黑 and costs 80 here.
    BundleBuilder kb = s.shop.bundle(s.sandal, 1);
    kb.component(s.boot, 80, {{"39", "黑色", 1}}, s.shop2);
    kb.post();
    EXPECT_EQ(rows(("select kc_sl,kc_cbj from jxc_kcsp where ck_sn='100001' and g_sn='" + s.sandal + "'").toUtf8()),
              "6|80");
    EXPECT_EQ(selectValue("select t_sl from jxc_tkc where ck_sn='100001' and g_sn='" + s.sandal + "' and cm_sn='" +
                          getCmSn("39") + "'"),
              "4");
    EXPECT_EQ(selectValue("select count(*) from jxc_yyfy"), "0");  // 80 in, 80 out
}

TEST(Cfkb, RefusedBundlesWriteNothing)
{
    BundleShop s;
    struct Case {
        QString goods;
        double qty;
        bool withLine;
        const char* message;
    };
    const Case cases[] = {
        {"", 1, true, "捆绑成的商品不存在，请选择捆绑成的商品！"},
        {"nosuch", 1, true, "捆绑成的商品不存在，请选择捆绑成的商品！"},
        {s.giftSet, 0, true, "捆绑数量必须大于0！"},
        {s.giftSet, -1, true, "捆绑数量必须大于0！"},
        {s.giftSet, 1, false, "请添加被捆绑的商品！"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        BundleBuilder kb = s.shop.bundle(c.goods, c.qty);
        if (c.withLine)
            kb.component(s.sandal, 80, {{"39", "黑色", 1}});
        const QString before = snapshot(kPostingTables);
        try {
            kb.post();
            ADD_FAILURE() << "posted";
        } catch (const DbError& e) {
            EXPECT_EQ(e.message(), QString::fromUtf8(c.message));
        }
        EXPECT_EQ(snapshot(kPostingTables), before);
    }
}

TEST(Cfkb, FailingPostingWritesNothing)
{
    BundleShop s;
    BundleBuilder kb = s.shop.bundle(s.giftSet, 1);
    kb.component(s.sandal, 80, {{"39", "黑色", 1}}).component(s.boot, 80, {{"39", "黑色", 1}}, s.shop2);
    const QString before = snapshot(kPostingTables);
    for (const char* table : {"jxc_kcsp", "jxc_tkc"}) {
        SCOPED_TRACE(table);
        failNthUpdate(table, 2);  // the second component's move
        EXPECT_THROW(kb.post(), DbError);
        EXPECT_EQ(snapshot(kPostingTables), before);
        stopFailing();
    }
    kb.post();
    EXPECT_EQ(selectValue("select count(*) from jxc_kbd"), "1");
}

TEST(Cfkb, DateMoveAndComponentWithoutStockRow)
{
    BundleShop s;
    // The boot has no stock row in the default warehouse: leaving it there makes one, valued at
    // its preset purchase price, so that g_kc stays the sum of the warehouse stock.
    BundleBuilder kb = s.shop.bundle(s.giftSet, 1);
    kb.component(s.boot, 80, {{"39", "黑色", 1}}).date("2013-05-20");
    EXPECT_EQ(kb.number(), "KB130520010001");
    EXPECT_EQ(selectValue("select count(*) from jxc_kbspmx where gl_djh='KB130520010001'"), "1");
    kb.post();
    EXPECT_EQ(rows(("select kc_sl,kc_cbj from jxc_kcsp where ck_sn='100001' and g_sn='" + s.boot + "'").toUtf8()),
              "-1|80");
    EXPECT_EQ(selectValue("select g_kc from jxc_goods where g_sn='" + s.boot + "'"), "3");
}

// ---- The windows ------------------------------------------------------------------------------

namespace {

struct BundleWindows : BundleShop {
    BundleWindows() { MsgScript::reset(); }
    ~BundleWindows()
    {
        MsgScript::reset();
        modeFlag.clear();
        curGoodsSn.clear();
        ckNameParam.clear();
        csKc = m_csKc;
    }
    QString m_csKc = csKc;
    ScopedWindows windows{registerStockWindows};
};

}  // namespace

TEST(CfkbWindow, ChecksPicksAndPostsABundle)
{
    BundleWindows s;
    csKc = QStringLiteral("1");  // selling at zero stock allowed: the bundle still checks its stock
    modeFlag = QStringLiteral("kb");
    ckNameParam = selectValue("select ck_name from jxc_ckxx where ck_sn='100001'");
    curGoodsSn = s.giftSet;
    TF_Form::scriptNextOpening(QStringLiteral("F_Cfkb"), [&](TF_Form* f) {
        auto* w = static_cast<TF_Cfkb*>(f);
        EXPECT_EQ(w->bundleGoods(), s.giftSet);
        EXPECT_EQ(w->kc_slkb->text(), "0");
        EXPECT_FALSE(w->btnNextKb->isEnabled());
        w->tslkb->setValue(0);
        w->btnNextKbClick();
        EXPECT_EQ(MsgScript::texts(), QStringList{"捆绑数量必须大于0！"});
        w->tslkb->setValue(2);

        TF_Form::scriptNextOpening(QStringLiteral("TF_Cfkb_Add2"), [&](TF_Form* p) {
            auto* picker = static_cast<TF_Cfkb_Add2*>(p);
            ASSERT_EQ(picker->DBGridGoods->rowCount(), 1);  // the sandal: the only goods in stock here
            picker->DBGridGoods->setCurrentRow(0);
            TF_Form::scriptNextOpening(QStringLiteral("TF_Cfkb_Sele2"), [&](TF_Form* d) {
                auto* grid = d->findChild<SizeColorGrid*>(QStringLiteral("StringGridIn"));
                grid->setCell(1, 1, QStringLiteral("4"));
                MsgScript::reset();
                d->findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
                EXPECT_EQ(MsgScript::texts(), QStringList{"捆绑数量不能大于库存数量，重新输入！"});
                grid->setCell(1, 1, QStringLiteral("2"));
                d->findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
            });
            picker->btnAddClick();
            picker->btnOKClick();
        });
        w->btnAddKb->click();
        ASSERT_EQ(w->cxGridKb->rowCount(), 1);
        EXPECT_TRUE(w->btnNextKb->isEnabled());
        EXPECT_EQ(w->cxGridKb->value(0, QStringLiteral("ck_sn")), "100001");
        w->btnNextKb->click();
        ASSERT_EQ(w->cxGridResult->rowCount(), 2);
        EXPECT_EQ(w->cxGridResult->value(1, QStringLiteral("tmp_kc")), "3");
        w->btnOKKb->click();
        EXPECT_EQ(w->cxGridKb->rowCount(), 0);
        EXPECT_TRUE(w->bundleGoods().isEmpty());  // a new bundle, without the caller's goods
    });
    showForm(F_Cfkb);
    EXPECT_EQ(rows("select g_sn,kb_sl from jxc_kbd"), s.giftSet + "|2");
    EXPECT_EQ(selectValue("select kc_sl from jxc_kcsp where ck_sn='100001' and g_sn='" + s.sandal + "'"), "3");
    EXPECT_EQ(modeFlag, "kb");  // the caller's globals stay
    EXPECT_EQ(curGoodsSn, s.giftSet);
}

TEST(CfkbWindow, ShippedTemplateIsTheLayout)
{
    const QString path = QStringLiteral(JXC_SOURCE_DIR "/report/kbd.fr3");
    if (qEnvironmentVariableIsSet("JXC_WRITE_TEMPLATES"))
        kbdLayout().save(path);
    ReportTemplate t;
    ASSERT_TRUE(t.load(path));
    EXPECT_TRUE(t == kbdLayout());
}
