// The purchase goods picker: picked goods become the receipt's lines in order with their own
// size and colour rows, deleting a picked row, the close prompt, the key box, the category tab
// and new goods made on the spot.
#include "bills/linedialog.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "platform/categorytree.h"
#include "platform/datagrid.h"
#include "platform/msgbox.h"
#include "platform/sizecolorgrid.h"
#include "purchasing/cgjh_add.h"
#include "purchasing/cgjh_goods_add.h"
#include "purchasing/purchasing.h"
#include "support/shop.h"
#include "support/windowregistry.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <functional>
#include <gtest/gtest.h>
#include <vector>

static void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}


namespace {

const QString kNumber = QStringLiteral("CJ130528010001");

QString rows(const QString& sql)
{
    const ResultSet rs = openSelect(sql);
    QStringList out;
    for (int r = 0; r < rs.rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < rs.columnCount(); ++c)
            cells << rs.text(r, c);
        out << cells.join(u'|');
    }
    return out.join(u' ');
}

// One cell typed into the line dialog's entry grid.
struct Typed {
    int row;
    int col;
    const char* text;
};

class CgjhAdd : public ::testing::Test {
protected:
    CgjhAdd()
    {
        MsgScript::reset();
        TF_Form::clearScripts();
        paramValue = QStringLiteral("cgjh");
        goodsPickerTarget = {.number = kNumber, .warehouse = QStringLiteral("100001")};
    }
    ~CgjhAdd() override
    {
        EXPECT_EQ(TF_Form::pendingScripts(), 0) << "a scripted window did not open";
        EXPECT_EQ(MsgScript::pending(), 0) << "a scripted answer was not used";
        TF_Form::clearScripts();
        MsgScript::reset();
        paramValue.clear();
        goodsPickerTarget = {};
    }

    // Opens the picker as the receipt does and runs `script` while it is open.
    static void open(const std::function<void(TF_Cgjh_Add*)>& script)
    {
        TF_Form::scriptNextOpening(QStringLiteral("TF_Cgjh_Add"),
                                   [script](TF_Form* f) { script(static_cast<TF_Cgjh_Add*>(f)); });
        ASSERT_TRUE(openWindow(QStringLiteral("TF_Cgjh_Add"), QString(), QStringLiteral("老商品添加(F2)")));
    }
    // Codes of the rows a grid shows, in order.
    static QString shown(const DataGrid* grid)
    {
        QStringList out;
        for (int r = 0; r < grid->rowCount(); ++r)
            out << grid->value(grid->sourceRow(r), QStringLiteral("g_sn"));
        return out.join(u' ');
    }
    static void choose(DataGrid* grid, const QString& gSn)
    {
        for (int r = 0; r < grid->loadedRowCount(); ++r) {
            if (grid->value(r, QStringLiteral("g_sn")) == gSn) {
                ASSERT_TRUE(grid->setCurrentRow(r));
            }
        }
    }
    // The line dialog's next opening: types the cells and confirms.
    static void enter(std::vector<Typed> typed)
    {
        TF_Form::scriptNextOpening(QStringLiteral("TF_Cgjh_Sele"), [typed](TF_Form* f) {
            auto* grid = f->findChild<SizeColorGrid*>(QStringLiteral("StringGridIn"));
            for (const Typed& t : typed)
                grid->setCell(t.row, t.col, QLatin1String(t.text));
            f->findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
        });
    }
    // Picks a goods of the shown list with F8 (pressed in the key box) and enters its cells.
    static void pick(TF_Cgjh_Add* w, const QString& gSn, std::vector<Typed> typed)
    {
        choose(w->PageControl1->currentIndex() == 0 ? w->DBGridGoods : w->DBGridGoods2, gSn);
        enter(std::move(typed));
        QTest::keyClick(w->tKey, Qt::Key_F8);
    }
    static QString scratch() { return rows("select g_sn,ts_sl from jxc_tempspxf order by id"); }
    // The receipt's lines, and each size-colour row with the goods of the line it points to.
    static QString receipt()
    {
        return rows(QStringLiteral("select g_sn,jh_dj,jh_sl,jh_zje from jxc_jhsp where j_sn='%1' order by id").arg(kNumber)) +
               " / " +
               rows(QStringLiteral("select l.g_sn,m.g_sn,m.t_sl from jxc_jhspmx m left join jxc_jhsp l on l.id=m.tid "
                                   "where m.gl_djh='%1' order by m.id")
                        .arg(kNumber));
    }

    Shop shop;
    ScopedWindows windows{registerPurchasingWindows};
    QString a = shop.goods("凉鞋", {"39", "40"}, {"黑色", "白色"}, 70);
    QString b = shop.goods("靴子", {"38"}, {"黑色"}, 40);
    QString c = shop.goods("拖鞋", {}, {}, 20);
};

TEST_F(CgjhAdd, PickedGoodsBecomeTheReceiptsLinesInOrderWithTheirOwnRows)
{
    writeLine(kReceiptLines, kNumber, {.gSn = c, .price = Money::fromDouble(1), .rows = {}, .quantity = Money::fromDouble(1)});
    open([&](TF_Cgjh_Add* w) {
        EXPECT_EQ(w->windowTitle(), "增加商品(采购进货)");
        EXPECT_EQ(shown(w->DBGridGoods).split(u' ').size(), 3);
        pick(w, b, {{1, 1, "4"}});
        pick(w, a, {{1, 1, "3"}, {1, 2, "2"}, {2, 1, "1"}});
        // The second tab lists the goods of the category chosen there.
        w->PageControl1->setCurrentIndex(1);
        const int cid = selectValue("select a.gc_cid from jxc_goodsclass a,jxc_goods b where a.gc_sn=b.gc_sn and g_sn=?",
                                    {{QString(), c}})
                            .toInt();
        w->TreeView1->selectById(cid);
        emit w->TreeView1->nodeClicked(cid);
        EXPECT_EQ(shown(w->DBGridGoods2), c);
        pick(w, c, {{1, 1, "5"}});

        EXPECT_EQ(scratch(), QStringLiteral("%1|4 %2|6 %3|5").arg(b, a, c));
        EXPECT_EQ(w->DBGridSele->footerText(QStringLiteral("ts_sl")), "15");
        QTest::keyClick(w->tKey, Qt::Key_F5);
        EXPECT_FALSE(w->isVisible());
    });
    EXPECT_EQ(MsgScript::texts(), QStringList()) << MsgScript::texts().join(u'|').toStdString();
    EXPECT_EQ(receipt(), QStringLiteral("%3|1|1|1 %1|40|4|160 %2|70|6|420 %3|20|5|100 / "
                                        "%1|%1|4 %2|%2|3 %2|%2|2 %2|%2|1 %3|%3|5")
                             .arg(b, a, c));
    EXPECT_EQ(scratch(), "");
}

TEST_F(CgjhAdd, ZeroTotalIsRefusedAndNothingIsPicked)
{
    open([&](TF_Cgjh_Add* w) {
        choose(w->DBGridGoods, a);
        TF_Form::scriptNextOpening(QStringLiteral("TF_Cgjh_Sele"), [](TF_Form* f) {
            f->findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
            EXPECT_TRUE(f->isVisible());
        });
        w->findChild<QPushButton*>(QStringLiteral("btnAdd"))->click();
        EXPECT_EQ(w->DBGridSele->rowCount(), 0);
    });
    EXPECT_EQ(MsgScript::texts(), QStringList{"数量必须大于0，重新输入！"});
    EXPECT_EQ(scratch(), "");
}

TEST_F(CgjhAdd, DelInTheKeyBoxDeletesOnlyTheCurrentPickedRowAndItsRowsAndF9ModifiesIt)
{
    open([&](TF_Cgjh_Add* w) {
        pick(w, a, {{1, 1, "3"}, {2, 2, "1"}});
        pick(w, b, {{1, 1, "4"}});
        choose(w->DBGridSele, a);
        w->tKey->setText(QStringLiteral("鞋"));
        MsgScript::answer(MsgAnswer::No);
        QTest::keyClick(w->tKey, Qt::Key_Delete);
        EXPECT_EQ(scratch(), QStringLiteral("%1|4 %2|4").arg(a, b));
        MsgScript::answer(MsgAnswer::Yes);
        QTest::keyClick(w->tKey, Qt::Key_Delete);
        EXPECT_EQ(w->tKey->text(), "鞋");  // the window took the key
        EXPECT_EQ(scratch(), QStringLiteral("%1|4").arg(b));
        EXPECT_EQ(rows("select g_sn,t_sl from jxc_tempspxfmx"), QStringLiteral("%1|4").arg(b));
        // F9 edits the remaining row in place.
        TF_Form::scriptNextOpening(QStringLiteral("TF_Cgjh_Sele"), [](TF_Form* f) {
            auto* grid = f->findChild<SizeColorGrid*>(QStringLiteral("StringGridIn"));
            EXPECT_EQ(grid->cell(1, 1), "4");
            grid->setCell(1, 1, QStringLiteral("6"));
            f->findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
        });
        QTest::keyClick(w->tKey, Qt::Key_F9);
        EXPECT_EQ(scratch(), QStringLiteral("%1|6").arg(b));
        EXPECT_EQ(rows("select g_sn,t_sl from jxc_tempspxfmx"), QStringLiteral("%1|6").arg(b));
        EXPECT_EQ(w->DBGridSele->footerText(QStringLiteral("ts_sl")), "6");
        MsgScript::answer(MsgAnswer::No);  // the close prompt: discard
    });
    EXPECT_EQ(MsgScript::texts(), QStringList({"您确定要删除当前选中的商品吗！", "您确定要删除当前选中的商品吗！",
                                               "当前单据还未保存，是否保存？"}));
}

TEST_F(CgjhAdd, ClosePromptAnswers)
{
    struct Case {
        MsgAnswer answer;
        bool closes;
        bool linesWritten;
        bool scratchKept;
    };
    const Case cases[] = {
        {MsgAnswer::Yes, true, true, false},
        {MsgAnswer::No, true, false, false},
        {MsgAnswer::Cancel, false, false, true},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(int(k.answer));
        MsgScript::reset();
        open([&](TF_Cgjh_Add* w) {
            pick(w, b, {{1, 1, "2"}});
            MsgScript::answer(k.answer);
            QTest::keyClick(w->tKey, Qt::Key_Escape);
            EXPECT_EQ(w->isVisible(), !k.closes);
            EXPECT_EQ(receipt() != " / ", k.linesWritten);
            EXPECT_EQ(!scratch().isEmpty(), k.scratchKept);
            if (w->isVisible()) {
                MsgScript::answer(MsgAnswer::No);
                w->findChild<QPushButton*>(QStringLiteral("btnCancel"))->click();
                EXPECT_FALSE(w->isVisible());
            }
        });
        EXPECT_EQ(MsgScript::texts().first(), "当前单据还未保存，是否保存？");
        EXPECT_EQ(scratch(), "");
        discardLines(kReceiptLines, kNumber);
    }
    // Kept rows reappear on the next visit; an empty list closes without asking.
    MsgScript::reset();
    writeScratchRow({.gSn = b, .price = Money::fromDouble(1), .rows = {}, .quantity = Money::fromDouble(1)});
    open([&](TF_Cgjh_Add* w) {
        EXPECT_EQ(w->DBGridSele->rowCount(), 1);
        MsgScript::answer(MsgAnswer::No);
    });
    open([](TF_Cgjh_Add* w) { EXPECT_EQ(w->DBGridSele->rowCount(), 0); });
    EXPECT_EQ(MsgScript::texts(), QStringList{"当前单据还未保存，是否保存？"});
}

TEST_F(CgjhAdd, KeyBoxDropsFilteredCharactersAndFiltersIgnoringCase)
{
    open([&](TF_Cgjh_Add* w) {
        QTest::keyClicks(w->tKey, QStringLiteral("%'x*"));
        EXPECT_EQ(w->tKey->text(), "x*");
        w->tKey->clear();
        QTest::keyClicks(w->tKey, QStringLiteral("lx"));  // the short code of 凉鞋 is LX
        EXPECT_EQ(shown(w->DBGridGoods), a);
        w->tKey->setText(QStringLiteral("  靴 "));
        EXPECT_EQ(shown(w->DBGridGoods), b);
        w->tKey->clear();
        EXPECT_EQ(shown(w->DBGridGoods).split(u' ').size(), 3);
        // Not by purchase frequency: by code.
        w->N_Frequency->trigger();
        EXPECT_FALSE(w->byFrequency());
        QStringList codes{a, b, c};
        codes.sort();
        EXPECT_EQ(shown(w->DBGridGoods), codes.join(u' '));
        w->N_Frequency->trigger();
    });
}

TEST_F(CgjhAdd, NewGoodsIsListedAndPicked)
{
    const int cid = shop.category(QStringLiteral("新品"));
    open([&](TF_Cgjh_Add* w) {
        TF_Form::scriptNextOpening(QStringLiteral("F_Cgjh_Goods_Add"), [cid](TF_Form* f) {
            auto* g = static_cast<TF_Cgjh_Goods_Add*>(f);
            g->btnGc->click();
            g->tvClass->selectById(cid);
            emit g->tvClass->nodeClicked(cid);
            g->btnClassOK->click();
            g->tg_sn->setText(QStringLiteral("N1"));
            g->tg_name->setText(QStringLiteral("跑鞋"));
            g->btnSave->click();
        });
        enter({{1, 1, "7"}});
        w->btnNewGoods->click();
        EXPECT_EQ(curGoodsSn, "");
        EXPECT_EQ(modeFlag, "");
        EXPECT_TRUE(shown(w->DBGridGoods).contains(QStringLiteral("N1")));
        EXPECT_EQ(scratch(), "N1|7");
        EXPECT_EQ(rows("select g_sn,t_sl from jxc_tempspxfmx"), "N1|7");
        QTest::keyClick(w->tKey, Qt::Key_F5);
    });
    EXPECT_EQ(MsgScript::texts(), QStringList());
    EXPECT_EQ(receipt(), "N1|0|7|0 / N1|N1|7");
}

TEST_F(CgjhAdd, ThePendingWordAddsLinesToTheHeldBillAndItsPayable)
{
    const QString held = shop.receipt().line(b, 10, {{"38", "黑色", 1}}).paid(3).hold();
    paramValue = QStringLiteral("cgjh_shdj");
    goodsPickerTarget = {.number = held, .warehouse = QStringLiteral("100001")};
    open([&](TF_Cgjh_Add* w) {
        pick(w, a, {{1, 1, "2"}});
        QTest::keyClick(w->tKey, Qt::Key_F5);
    });
    EXPECT_EQ(rows("select count(*) from jxc_jhsp"), "0");
    EXPECT_EQ(rows(QStringLiteral("select g_sn,sh_sl,tid=id from jxc_shsp where gl_djh='%1' order by id").arg(held)),
              QStringLiteral("%1|1|1 %2|2|1").arg(b, a));
    EXPECT_EQ(rows("select count(*) from jxc_shspmx m join jxc_shsp l on l.id=m.tid and l.g_sn=m.g_sn"), "2");
    // The payable follows the lines; the paid amount stays.
    EXPECT_EQ(rows("select sh_yfje=(select sum(sh_zje) from jxc_shsp),sh_sfje from jxc_shdj"), "1|3");
    EXPECT_NE(rows("select sh_yfje from jxc_shdj"), "10");
}

TEST_F(CgjhAdd, UnknownCallerWordWritesNoLine)
{
    paramValue = QStringLiteral("cgjh_xyz");
    open([&](TF_Cgjh_Add* w) {
        pick(w, b, {{1, 1, "2"}});
        QTest::keyClick(w->tKey, Qt::Key_F5);
    });
    EXPECT_EQ(rows("select count(*) from jxc_jhsp"), "0");
    EXPECT_EQ(scratch(), "");
}

}  // namespace
