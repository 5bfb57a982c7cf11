// Stock counts: count sheets and their lines, the choice of sheets, the correction of the stock
// to the count, and the synchronisation of the goods' totals with the warehouse stock.
#include "bills/categorytab.h"
#include "data/clock.h"
#include "data/datamodule.h"
#include "data/database.h"
#include "data/textrules.h"
#include "data/tkc.h"
#include "data/globals.h"
#include "platform/codecombo.h"
#include "platform/datagrid.h"
#include "platform/msgbox.h"
#include "platform/report.h"
#include "platform/sizecolorgrid.h"
#include "stock/kcpd.h"
#include "stock/kcpd_add.h"
#include "stock/kcpd_cx.h"
#include "stock/kcpd_mx.h"
#include "stock/kcpd_pd.h"
#include "stock/kcpd_sele.h"
#include "stock/kcpd_tb.h"
#include "stock/kcpdposting.h"
#include "stock/stock.h"
#include "support/killtest.h"
#include "support/shop.h"
#include "support/windowregistry.h"
#include "failnth.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QDateEdit>
#include <QTest>
#include <QPushButton>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

// A shop whose default warehouse holds 3 × 39 and 2 × 40 of a black sandal bought at 80
// (sale price 160) and 4 of a plain boot at 50.
struct CountShop {
    Shop shop;
    QString sandal = shop.goods("凉鞋", {"39", "40"}, {"黑色"}, 80);
    QString boot = shop.goods("靴子", {}, {}, 50);
    CountShop()
    {
        shop.receipt().line(sandal, 80, {{"39", "黑色", 3}, {"40", "黑色", 2}}).line(boot, 50, {{"均码", "统一", 4}}).post();
    }
    QString stock(const QString& gSn, const QString& ckSn = QStringLiteral("100001")) const
    {
        return selectValue(QStringLiteral("select kc_sl from jxc_kcsp where g_sn=? and ck_sn=?"),
                           {{QString(), gSn}, {QString(), ckSn}}) +
               u'/' + selectValue(QStringLiteral("select g_kc from jxc_goods where g_sn=?"), {{QString(), gSn}});
    }
    QString variants(const QString& gSn) const
    {
        return rows(QStringLiteral("select ck_sn,cm_sn,color_sn,t_sl from jxc_tkc where g_sn='%1' order by ck_sn,cm_sn")
                        .arg(gSn)
                        .toUtf8());
    }
};

const QStringList kCorrectionTables{"jxc_kcsp", "jxc_goods", "jxc_kcjs", "jxc_tkc", "jxc_kcpd", "jxc_kcpdmx",
                                    "jxc_kcpdtemp"};

}  // namespace

TEST(Kcpd, LineStoresTheStockAndTheCountOfEachVariant)
{
    CountShop s;
    CountBuilder sheet = s.shop.count();
    sheet.asStock(s.sandal);
    EXPECT_EQ(sheet.number(), "PD130528100000");
    EXPECT_EQ(rows("select gl_djh,ck_sn,pd_rq,kc_sl,pd_sl,pd_status,a_name from jxc_kcpd"),
              "PD130528100000|100001|2013-05-28|5|5|False|张三");
    // An untouched line counts the stock: every row's count equals its stock, at the sale price.
    EXPECT_EQ(rows("select t_sl,t_oldsl,g_sj,tid=(select id from jxc_kcpd) from jxc_kcpdmx order by cm_sn"),
              "3|3|160|1 2|2|160|1");

    // A goods on the sheet never gets a second line.
    EXPECT_EQ(findKcpdLine(sheet.number(), s.sandal), sheet.lineIds().first());
    EXPECT_THROW(sheet.line(s.sandal, {{"39", "黑色", 1}}), DbError);
    EXPECT_EQ(selectValue("select count(*) from jxc_kcpd"), "1");
    EXPECT_EQ(selectValue("select count(*) from jxc_kcpdmx"), "2");

    // Counted as 0 everywhere: a line of 0 without size and colour rows.
    sheet.line(s.boot, {});
    EXPECT_EQ(rows(("select kc_sl,pd_sl from jxc_kcpd where id=" + QString::number(sheet.lineIds().last())).toUtf8()),
              "4|0");
    EXPECT_EQ(selectValue("select count(*) from jxc_kcpdmx where tid=" + QString::number(sheet.lineIds().last())), "0");
}

TEST(Kcpd, EditingALineRefreshesStockAndPriceButKeepsTheFirstStock)
{
    CountShop s;
    CountBuilder sheet = s.shop.count();
    sheet.line(s.sandal, {{"39", "黑色", 2}});
    s.shop.receipt().line(s.sandal, 80, {{"39", "黑色", 1}}).post();
    execSql("update jxc_goods set g_sj=170 where g_sn='" + s.sandal + "'");
    const QString note = "  '; drop table jxc_kcpd; --  ";
    modifyKcpdLine(sheet.lineIds().first(), {{getCmSn("39"), getColorSn("黑色"), "1"}, {getCmSn("40"), getColorSn("黑色"), "2"}},
                   &note);
    EXPECT_EQ(rows("select kc_sl,pd_sl from jxc_kcpd"), "5|3");
    EXPECT_EQ(rows("select t_sl,t_oldsl,g_sj from jxc_kcpdmx order by cm_sn"), "1|4|170 2|2|170");
    EXPECT_EQ(selectValue("select pd_note from jxc_kcpd"), sqlSafeName(note.trimmed()));

    deleteKcpdLine(sheet.lineIds().first());
    EXPECT_EQ(rows("select (select count(*) from jxc_kcpd),(select count(*) from jxc_kcpdmx)"), "0|0");
}

TEST(Kcpd, CorrectionSetsTheStockToTheCount)
{
    CountShop s;
    CountBuilder sheet = s.shop.count().date("2013-04-10");
    sheet.line(s.sandal, {{"39", "黑色", 4}}).asStock(s.boot);
    const QString monthBefore = rows("select js_sl,js_zje from jxc_kcjs where js_rq='2013-05'");
    EXPECT_EQ(sheet.correct(), 2);

    EXPECT_EQ(s.stock(s.sandal), "4/4");
    EXPECT_EQ(s.variants(s.sandal), "100001|" + getCmSn("39") + "|" + getColorSn("黑色") + "|4 100001|" +
                                        getCmSn("40") + "|" + getColorSn("黑色") + "|0");
    EXPECT_EQ(s.stock(s.boot), "4/4");
    // The count date's month moves (its rows made first), by the difference at the stock cost.
    EXPECT_EQ(rows("select js_sl,js_zje from jxc_kcjs where js_rq='2013-04' and ck_sn='100001'"), "8|520");
    EXPECT_EQ(rows("select js_sl,js_zje from jxc_kcjs where js_rq='2013-05'"), monthBefore);
    EXPECT_EQ(rows("select pd_status,pd_note,tid=id from jxc_kcpd"), "True||1 True||1");
    EXPECT_EQ(selectValue("select count(*) from jxc_kcpdtemp"), "0");
    // Nothing else is written: no journal, no expense.
    EXPECT_EQ(rows("select (select count(*) from jxc_yyfy),(select count(*) from jxc_goodslist where gl_flag<>'cj')"),
              "0|0");
}

TEST(Kcpd, GoodsCountedOnTwoSheetsKeepsItsTotalsConsistent)
{
    CountShop s;
    const QString shop2 = s.shop.warehouse("二号仓");
    s.shop.receipt().warehouse(shop2).line(s.sandal, 80, {{"40", "黑色", 1}}).post();
    CountBuilder first = s.shop.count();
    first.line(s.sandal, {{"39", "黑色", 4}});
    Clock::setFixed(Clock::now().addSecs(1));
    CountBuilder second = s.shop.count();
    second.line(s.sandal, {{"40", "黑色", 6}});
    // A zero count in the other warehouse: its stock becomes 0, its size and colour stock stays.
    Clock::setFixed(Clock::now().addSecs(1));
    CountBuilder third = s.shop.count().warehouse(shop2);
    third.line(s.sandal, {});

    fillKcpdChoice("-1", "");
    for (const QString& djh : {first.number(), second.number(), third.number()})
        tickKcpdChoice(djh, true);
    EXPECT_EQ(tickedKcpdSheets(), 3);
    markKcpdSheets();
    EXPECT_EQ(correctKcpd(), 3);

    EXPECT_EQ(s.stock(s.sandal), "6/6");
    EXPECT_EQ(selectValue("select kc_sl from jxc_kcsp where ck_sn='" + shop2 + "'"), "0");
    EXPECT_EQ(selectValue("select sum(js_sl) from jxc_kcjs where js_rq='2013-05'"),
              selectValue("select sum(kc_sl) from jxc_kcsp"));
    // The line corrected last sets the size and colour stock; the zero line leaves shop2's alone.
    EXPECT_EQ(rows("select ck_sn,t_sl from jxc_tkc where g_sn='" + s.sandal.toUtf8() + "' order by ck_sn,cm_sn"),
              QStringLiteral("100001|0 100001|6 %1|1").arg(shop2));
}

TEST(Kcpd, ChoiceListsAndReleaseFollowTheTickedSheets)
{
    CountShop s;
    const QString shop2 = s.shop.warehouse("二号仓");
    s.shop.receipt().warehouse(shop2).line(s.sandal, 80, {{"40", "黑色", 1}}).post();
    CountBuilder earlier = s.shop.count();
    earlier.asStock(s.boot);
    earlier.correct();

    Clock::setFixed(Clock::now().addSecs(1));
    CountBuilder sheet = s.shop.count();
    sheet.line(s.sandal, {{"39", "黑色", 1}});
    fillKcpdChoice("-1", "");
    EXPECT_EQ(rows("select gl_djh,sp_sl,pd_sl,pd_status from jxc_kcpdtemp"), sheet.number() + "|1|1|False");
    fillKcpdChoice("100001", "李四");
    EXPECT_EQ(selectValue("select count(*) from jxc_kcpdtemp"), "0");

    fillKcpdChoice("100001", "张三");
    tickKcpdChoice(sheet.number(), true);
    markKcpdSheets();
    // Not counted: the other warehouse's sandal and the boot corrected before.
    EXPECT_EQ(rows(kcpdUncountedSql().toUtf8()),
              QStringLiteral("%1|凉鞋|双||1|二号仓 %2|靴子|双||4|%3")
                  .arg(s.sandal, s.boot, selectValue("select ck_name from jxc_ckxx where ck_sn='100001'")));
    EXPECT_EQ(rows(("select g_sn,pd_sl,kc_sl,cysl from (" + kcpdDifferenceSql() + ")").toUtf8()),
              s.sandal + "|1|5|-4");
    EXPECT_EQ(rows(("select g_sn from (" + kcpdChosenLinesSql() + ")").toUtf8()), s.sandal);

    setKcpdCount(sheet.lineIds().first(), Money::fromDouble(2));
    releaseKcpdSheets();
    EXPECT_EQ(rows("select pd_sl,pd_status,pd_note from jxc_kcpd where gl_djh='" + sheet.number().toUtf8() + "'"),
              "2|False|");
    deleteKcpdSheet(sheet.number());
    EXPECT_EQ(selectValue("select count(*) from jxc_kcpdmx where gl_djh='" + sheet.number() + "'"), "0");
}

TEST(Kcpd, FailingCorrectionWritesNothing)
{
    CountShop s;
    CountBuilder sheet = s.shop.count();
    sheet.line(s.sandal, {{"39", "黑色", 4}}).line(s.boot, {{"均码", "统一", 1}});
    fillKcpdChoice("-1", "");
    tickKcpdChoice(sheet.number(), true);
    markKcpdSheets();
    const QString before = snapshot(kCorrectionTables);
    failNthUpdate("jxc_kcsp", 2);
    EXPECT_THROW(correctKcpd(), DbError);
    EXPECT_EQ(snapshot(kCorrectionTables), before);
    stopFailing();
    EXPECT_EQ(correctKcpd(), 2);
    EXPECT_EQ(s.stock(s.boot), "1/1");
}

TEST(Kcpd, SynchronisationTakesTheWarehouseStockAsRight)
{
    CountShop s;
    const QString shop2 = s.shop.warehouse("二号仓");
    const QString shoe = s.shop.goods("单鞋", {"39"}, {"白色"}, 30);
    // The sandal's warehouses add up to 0; the boot's g_kc is wrong; the shoe has no stock row.
    s.shop.receipt().warehouse(shop2).line(s.sandal, 80, {{"39", "黑色", 1}}).post();
    execSql("update jxc_kcsp set kc_sl=-5 where ck_sn='" + shop2 + "'");
    execSql("update jxc_goods set g_kc=9 where g_sn in ('" + s.boot + "','" + shoe + "')");
    execSql("insert into jxc_tkc (g_sn,cm_sn,color_sn,ck_sn,t_sl) values ('" + shoe + "','" + getCmSn("39") + "','" +
            getColorSn("白色") + "','100001',2)");

    const QString before = snapshot({"jxc_goods", "jxc_tkc"});
    failNthUpdate("jxc_tkc", 2);
    EXPECT_THROW(synchronizeStock(), DbError);
    EXPECT_EQ(snapshot({"jxc_goods", "jxc_tkc"}), before);
    stopFailing();

    synchronizeStock();
    EXPECT_EQ(rows("select g_sn,g_kc from jxc_goods where g_sn in ('" + s.sandal.toUtf8() + "','" + s.boot.toUtf8() +
                   "','" + shoe.toUtf8() + "') order by g_sn"),
              QStringLiteral("%1|0 %2|4 %3|0").arg(s.sandal, s.boot, shoe));
    EXPECT_EQ(selectValue("select sum(abs(t_sl)) from jxc_tkc where g_sn='" + s.sandal + "'"), "0");
    EXPECT_EQ(selectValue("select t_sl from jxc_tkc where g_sn='" + shoe + "'"), "2");
    EXPECT_EQ(selectValue("select t_sl from jxc_tkc where g_sn='" + s.boot + "'"), "4");
}

// ---- The windows ------------------------------------------------------------------------------

namespace {

struct CountWindows : CountShop {
    CountWindows() { MsgScript::reset(); }
    ~CountWindows()
    {
        MsgScript::reset();
        modeFlag.clear();
        callerFlag.clear();
        curGoodsSn.clear();
    }
    ScopedWindows windows{registerStockWindows};
};

bool chooseGoods(DataGrid* grid, const QString& gSn)
{
    for (int r = 0; r < grid->rowCount(); ++r)
        if (grid->value(grid->sourceRow(r), QStringLiteral("g_sn")) == gSn)
            return grid->setCurrentRow(grid->sourceRow(r));
    return false;
}

}  // namespace

TEST(KcpdWindow, EntryCountsEachGoodsOnceAndTheWindowListsTheSheet)
{
    CountWindows s;
    TF_Form::scriptNextOpening(QStringLiteral("F_Kcpd"), [&](TF_Form* f) {
        auto* w = static_cast<TF_Kcpd*>(f);
        EXPECT_EQ(w->cxGrid1->rowCount(), 0);
        TF_Form::scriptNextOpening(QStringLiteral("F_Kcpd_Add"), [&](TF_Form* a) {
            auto* e = static_cast<TF_Kcpd_Add*>(a);
            EXPECT_EQ(e->gldjh->text(), "PD130528100000");
            ASSERT_EQ(e->cxGrid1->rowCount(), 2);
            ASSERT_TRUE(chooseGoods(e->cxGrid1, s.sandal));
            // An untouched grid counts the stock.
            TF_Form::scriptNextOpening(QStringLiteral("F_Kcpd_Sele"), [&](TF_Form* d) {
                auto* g = static_cast<TF_Kcpd_Sele*>(d);
                EXPECT_EQ(g->lKc->text(), "5");
                EXPECT_EQ(g->tsl->text(), "5");
                g->StringGridIn->setCell(1, 1, QStringLiteral("2"));
                g->btnOK->click();
            });
            e->btnOK->click();
            EXPECT_EQ(e->cxGrid2->rowCount(), 1);
            EXPECT_FALSE(e->comCk->isEnabled());
            // The same goods again: the question, and "否" adds nothing.
            ASSERT_TRUE(chooseGoods(e->cxGrid1, s.sandal));
            MsgScript::answer(MsgAnswer::No);
            e->btnOK->click();
            EXPECT_TRUE(MsgScript::last().text.endsWith("中已经存在，是否要修改盘点数量?"));
            EXPECT_EQ(e->cxGrid2->rowCount(), 1);
            a->close();
        });
        w->btnAdd->click();
        ASSERT_EQ(w->cxGrid1->rowCount(), 1);
        EXPECT_EQ(w->cxGrid1->value(0, QStringLiteral("pdsl")), "4");
        EXPECT_EQ(w->cxGrid2->rowCount(), 1);
        EXPECT_EQ(w->lDjh->text(), "PD130528100000");
    });
    showForm(F_Kcpd);
    EXPECT_EQ(rows("select kc_sl,pd_sl from jxc_kcpd"), "5|4");
}

TEST(KcpdWindow, WizardRefusesWithoutASheetAndCorrects)
{
    CountWindows s;
    CountBuilder sheet = s.shop.count();
    sheet.line(s.sandal, {{"39", "黑色", 4}});
    TF_Form::scriptNextOpening(QStringLiteral("F_Kcpd_Pd"), [&](TF_Form* f) {
        auto* w = static_cast<TF_Kcpd_Pd*>(f);
        ASSERT_EQ(w->cxGrid1->rowCount(), 1);
        w->btnNext1->click();
        EXPECT_EQ(MsgScript::texts(), QStringList{"请选择盘点单！"});
        tickKcpdChoice(sheet.number(), true);
        w->btnNext1->click();
        EXPECT_EQ(w->lStep2->text(), "所选盘点商品(共选中了1个盘点单，下列为已选盘点单的汇总记录)");
        EXPECT_EQ(w->cxGrid2->rowCount(), 1);
        w->btnNext2->click();
        ASSERT_EQ(w->cxGrid4->rowCount(), 1);
        EXPECT_EQ(w->cxGrid4->value(0, QStringLiteral("cysl")), "-1");
        MsgScript::reset();
        MsgScript::answer(MsgAnswer::Yes);
        w->btnXz->click();
        EXPECT_EQ(MsgScript::last().text, "库存修正完成！");
        EXPECT_FALSE(w->btnXz->isEnabled());
    });
    showForm(F_Kcpd_Pd);
    EXPECT_EQ(s.stock(s.sandal), "4/4");
}

TEST(KcpdWindow, SynchronisationCopiesTheDatabaseFirstAndStopsWhenTheCopyFails)
{
    CountWindows s;
    execSql("update jxc_goods set g_kc=9 where g_sn='" + s.boot + "'");
    const QString copy = syncBackupPath();
    ASSERT_TRUE(QDir().mkpath(copy));  // a folder in the way: the copy fails
    auto run = [] {
        TF_Form::scriptNextOpening(QStringLiteral("F_Kcpd_tb"), [](TF_Form* f) {
            MsgScript::answer(MsgAnswer::Yes);
            MsgScript::answer(MsgAnswer::Yes);
            static_cast<TF_Kcpd_tb*>(f)->btnOK->click();
        });
        showForm(F_Kcpd_tb);
    };
    run();
    EXPECT_EQ(selectValue("select g_kc from jxc_goods where g_sn='" + s.boot + "'"), "9");
    EXPECT_FALSE(MsgScript::texts().contains("同步完成！"));

    ASSERT_TRUE(QDir(copy).removeRecursively());
    MsgScript::reset();
    run();
    EXPECT_EQ(MsgScript::texts(), (QStringList{"库存数据同步将修改商品信息表的库存，\r\n\r\n并且不可恢复。现在是否同步？",
                                               "数据同步之前建议先备份数据库，现在是否备份数据库？",
                                               "备份成功！备份文件保存在" + copy, "同步完成！"}));
    EXPECT_TRUE(QFileInfo(copy).isFile());
    EXPECT_EQ(selectValue("select g_kc from jxc_goods where g_sn='" + s.boot + "'"), "4");
}

namespace {

// Every preview a window asks for, as the texts of its first page.
struct PreviewLog {
    QStringList pages;
    PreviewLog()
    {
        setReportInterceptor([this](ReportJob& job) {
            pages << job.report->prepare().pageTexts(0).join(u'|');
            return false;
        });
    }
    ~PreviewLog() { setReportInterceptor({}); }
};

}  // namespace

TEST(KcpdWindow, EntryCountsFromTheCategoryTab)
{
    CountWindows s;
    TF_Form::scriptNextOpening(QStringLiteral("F_Kcpd_Add"), [&](TF_Form* a) {
        auto* e = static_cast<TF_Kcpd_Add*>(a);
        e->PageControl1->setCurrentIndex(1);
        // The category chosen at opening shows its goods only; a click in the flat list shows another's.
        ASSERT_EQ(e->cxGrid3->rowCount(), 1);
        GoodsCategoryTab* tab = e->categoryTab;
        tab->PageControl2->setCurrentIndex(1);
        const QList<QListWidgetItem*> boots = tab->ListHistory->findItems(QStringLiteral("靴子类"), Qt::MatchExactly);
        ASSERT_EQ(boots.size(), 1);
        QTest::mouseClick(tab->ListHistory->viewport(), Qt::LeftButton, {},
                          tab->ListHistory->visualItemRect(boots.first()).center());
        ASSERT_EQ(e->cxGrid3->rowCount(), 1);
        EXPECT_EQ(e->cxGrid3->value(0, QStringLiteral("g_sn")), s.boot);
        // The key box filters the list shown.
        e->tkey->setText(QStringLiteral("凉"));  // QTest cannot type a Chinese character
        EXPECT_EQ(e->cxGrid3->rowCount(), 0);
        e->tkey->clear();
        // "确定" counts the goods of the shown list.
        TF_Form::scriptNextOpening(QStringLiteral("F_Kcpd_Sele"),
                                   [](TF_Form* d) { static_cast<TF_Kcpd_Sele*>(d)->btnOK->click(); });
        e->btnOK->click();
        EXPECT_EQ(e->cxGrid2->rowCount(), 1);
        a->close();
    });
    modeFlag = QStringLiteral("add");
    showForm(F_Kcpd_Add);
    EXPECT_EQ(rows("select g_sn,kc_sl,pd_sl from jxc_kcpd"), s.boot + "|4|4");
}

TEST(KcpdWindow, DetailSearchAndPreviews)
{
    CountWindows s;
    const QString shop2 = s.shop.warehouse("二号仓");
    s.shop.receipt().warehouse(shop2).line(s.boot, 50, {{"均码", "统一", 1}}).post();
    CountBuilder sheet = s.shop.count();
    sheet.line(s.sandal, {{"39", "黑色", 4}});
    Clock::setFixed(Clock::now().addSecs(1));
    CountBuilder other = s.shop.count().warehouse(shop2);
    other.asStock(s.boot);
    PreviewLog previews;

    TF_Form::scriptNextOpening(QStringLiteral("F_Kcpd"), [&](TF_Form* f) {
        auto* w = static_cast<TF_Kcpd*>(f);
        ASSERT_EQ(w->cxGrid1->rowCount(), 2);
        ASSERT_TRUE(DataModule->Q_Kcpd->locate(QStringLiteral("gl_djh"), sheet.number()));
        w->showLines();

        // The detail of the line: the variant counted as 0 has no row; the surplus at the sale price.
        TF_Form::scriptNextOpening(QStringLiteral("F_Kcpd_Mx"), [&](TF_Form* m) {
            auto* d = static_cast<TF_Kcpd_Mx*>(m);
            ASSERT_EQ(d->cxGrid1->rowCount(), 1);
            EXPECT_EQ(d->cxGrid1->value(0, QStringLiteral("t_oldsl")) + "/" + d->cxGrid1->value(0, QStringLiteral("t_sl")) +
                          "/" + d->cxGrid1->value(0, QStringLiteral("cysl")) + "/" +
                          d->cxGrid1->value(0, QStringLiteral("cyje")),
                      "3/4/1/160");
            d->btnPrint->click();
            QTest::keyClick(d, Qt::Key_Escape);
        });
        w->btnMx->click();
        EXPECT_TRUE(curGoodsSn.isEmpty());
        EXPECT_TRUE(paramValue.isEmpty());

        w->btnView->click();

        // The search keeps the sheets of the chosen warehouse, also when left with Esc.
        TF_Form::scriptNextOpening(QStringLiteral("F_Kcpd_Cx"), [&](TF_Form* c) {
            auto* x = static_cast<TF_Kcpd_Cx*>(c);
            EXPECT_EQ(x->date1->date(), QDate(2013, 5, 1));
            x->comCk->setCurrentIndex(x->comCk->findText(QStringLiteral("二号仓")));
            QTest::keyClick(x, Qt::Key_Escape);
        });
        w->btnCx->click();
        ASSERT_EQ(w->cxGrid1->rowCount(), 1);
        EXPECT_EQ(w->lDjh->text(), other.number());
        TF_Form::scriptNextOpening(QStringLiteral("F_Kcpd_Cx"), [&](TF_Form* c) {
            auto* x = static_cast<TF_Kcpd_Cx*>(c);
            x->date1->setDate(QDate(2013, 5, 29));
            x->btnOK->click();
        });
        w->btnCx->click();
        EXPECT_EQ(w->cxGrid1->rowCount(), 0);
        EXPECT_TRUE(w->lDjh->text().isEmpty());
    });
    showForm(F_Kcpd);
    ASSERT_EQ(previews.pages.size(), 2);
    EXPECT_TRUE(previews.pages[0].startsWith("商品盘盈盘亏明细表"));
    EXPECT_TRUE(previews.pages[0].contains("凉鞋|黑色|39"));
    EXPECT_TRUE(previews.pages[1].startsWith("库存盘点单|盘点日期：2013-05-28    仓库名称："));
    EXPECT_TRUE(previews.pages[1].contains("操作员：张三"));
    EXPECT_TRUE(previews.pages[1].contains(s.sandal));

    // Corrected, the line is history: its detail and the list's print.
    sheet.correct();
    previews.pages.clear();
    TF_Form::scriptNextOpening(QStringLiteral("F_Kcpd"), [&](TF_Form* f) {
        auto* w = static_cast<TF_Kcpd*>(f);
        w->cxTab->setCurrentIndex(1);
        ASSERT_EQ(w->cxGrid3->rowCount(), 1);
        TF_Form::scriptNextOpening(QStringLiteral("F_Kcpd_Mx"), [](TF_Form* m) {
            EXPECT_EQ(static_cast<TF_Kcpd_Mx*>(m)->cxGrid1->rowCount(), 1);
            m->close();
        });
        w->btnMx2->click();
        w->btnPrint2->click();
        w->btnView2->click();
    });
    showForm(F_Kcpd);
    ASSERT_EQ(previews.pages.size(), 2);
    EXPECT_TRUE(previews.pages[0].startsWith("历史盘点查询|盘点日期：2013-05-01 至 2013-05-28    仓库名称：所有仓库    "
                                             "操作员：所有操作员"));
    EXPECT_TRUE(previews.pages[1].startsWith("库存盘点单"));
}

TEST(KcpdWindow, WizardPrintsItsLists)
{
    CountWindows s;
    CountBuilder sheet = s.shop.count();
    sheet.line(s.sandal, {{"39", "黑色", 4}});
    PreviewLog previews;
    TF_Form::scriptNextOpening(QStringLiteral("F_Kcpd_Pd"), [&](TF_Form* f) {
        auto* w = static_cast<TF_Kcpd_Pd*>(f);
        tickKcpdChoice(sheet.number(), true);
        w->btnNext1->click();
        w->btnWp->click();
        w->btnPrint3->click();
        w->btnBack3->click();
        w->btnNext2->click();
        w->btnPrint4->click();
    });
    showForm(F_Kcpd_Pd);
    ASSERT_EQ(previews.pages.size(), 2);
    EXPECT_TRUE(previews.pages[0].startsWith("未盘商品信息"));
    EXPECT_TRUE(previews.pages[0].contains(s.boot));
    EXPECT_TRUE(previews.pages[1].startsWith("库存盘点差异"));
    EXPECT_TRUE(previews.pages[1].contains("凉鞋"));
}
