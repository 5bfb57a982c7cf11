// The purchase line dialog: lines and scratch rows written with exactly their own size and
// colour rows, the zero-quantity refusal, modifying, the stock of the bill's warehouse, the
// built-in axes for empty groups, totals, price and amount.
#include "bills/linedialog.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/settings.h"
#include "data/tkc.h"
#include "platform/msgbox.h"
#include "platform/sizecolorgrid.h"
#include "purchasing/cgjh_sele.h"
#include "support/shop.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <functional>
#include <gtest/gtest.h>

static void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace {

QString rows(const QString& sql, const SqlParams& params = {})
{
    const ResultSet rs = openSelect(sql, params);
    QStringList out;
    for (int r = 0; r < rs.rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < rs.columnCount(); ++c)
            cells << rs.text(r, c);
        out << cells.join(u'|');
    }
    return out.join(u' ');
}

// Every cell of a grid, row by row ("," between cells, " / " between rows).
QString cells(const SizeColorGrid* grid)
{
    QStringList out;
    for (int r = 0; r < grid->rowCount(); ++r) {
        QStringList line;
        for (int c = 0; c < grid->columnCount(); ++c)
            line << grid->cell(r, c);
        out << line.join(u',');
    }
    return out.join(QStringLiteral(" / "));
}

// One cell typed into the entry grid.
struct Typed {
    int row;
    int col;
    const char* text;
};

class CgjhSele : public ::testing::Test {
protected:
    CgjhSele()
    {
        MsgScript::reset();
        lineDialogTarget = {.number = QStringLiteral("CJ130528010001"), .warehouse = QStringLiteral("100001"), .lineId = 0};
    }
    ~CgjhSele() override
    {
        lineDialogTarget = {};
        choiceParam.clear();
        csCgdj.clear();
    }

    static SizeColorGrid* entry(TF_Form* f) { return f->findChild<SizeColorGrid*>(QStringLiteral("StringGridIn")); }
    static SizeColorGrid* stock(TF_Form* f) { return f->findChild<SizeColorGrid*>(QStringLiteral("StringGridKc")); }
    static QString box(TF_Form* f, const char* name) { return f->findChild<QLineEdit*>(QLatin1String(name))->text(); }
    static QString label(TF_Form* f, const char* name) { return f->findChild<QLabel*>(QLatin1String(name))->text(); }
    static void ok(TF_Form* f) { f->findChild<QPushButton*>(QStringLiteral("btnOK"))->click(); }

    // Opens the dialog as its callers do and runs `script` while it is open; returns the id written.
    qint64 open(const QString& goods, const QString& mode, const std::function<void(TF_Form*)>& script)
    {
        curGoodsSn = goods;
        modeFlag = mode;
        TF_Form::scriptNextOpening(QStringLiteral("TF_Cgjh_Sele"), script);
        TF_Cgjh_Sele* f = ensureForm(F_Cgjh_Sele);
        f->showModalForm();
        curGoodsSn.clear();
        modeFlag.clear();
        return f->writtenId();
    }
    // Opens the dialog, types the cells and confirms.
    qint64 enter(const QString& goods, const QString& mode, std::initializer_list<Typed> typed, const char* price = nullptr)
    {
        return open(goods, mode, [&](TF_Form* f) {
            if (price)
                f->findChild<QLineEdit*>(QStringLiteral("tDj"))->setText(QLatin1String(price));
            for (const Typed& t : typed)
                entry(f)->setCell(t.row, t.col, QLatin1String(t.text));
            ok(f);
        });
    }

    Shop shop;
    QString a = shop.goods("凉鞋", {"39", "40"}, {"黑色", "白色"}, 70);
    QString b = shop.goods("靴子", {"38"}, {"黑色"}, 40);
    QString c = shop.goods("拖鞋", {}, {}, 20);
};

TEST_F(CgjhSele, GoodsEnteredInTurnBecomeLinesInOrderWithTheirOwnRows)
{
    // The receipt window's new lines and the picker's scratch rows alike.
    struct Target {
        const char* mode;
        const char* lines;
        const char* rows;
    };
    const Target targets[] = {
        {"cgjh_new", "select id,g_sn,jh_sl,a_name from jxc_jhsp where j_sn='CJ130528010001' order by id",
         "select tid,g_sn,cm_sn,color_sn,t_sl,gl_djh from jxc_jhspmx order by id"},
        {"cgjh_add", "select id,g_sn,ts_sl,a_name from jxc_tempspxf order by id",
         "select tid,g_sn,cm_sn,color_sn,t_sl,'' from jxc_tempspxfmx order by id"},
    };
    const QString s39 = getCmSn("39"), s40 = getCmSn("40"), s38 = getCmSn("38");
    const QString black = getColorSn("黑色"), white = getColorSn("白色");
    for (const Target& t : targets) {
        SCOPED_TRACE(t.mode);
        const qint64 idA = enter(a, t.mode, {{1, 1, "3"}, {1, 2, "2"}, {2, 1, "1"}, {2, 2, "0"}});
        const qint64 idB = enter(b, t.mode, {{1, 1, "4"}});
        const qint64 idC = enter(c, t.mode, {{1, 1, "5"}});
        EXPECT_LT(idA, idB);
        EXPECT_LT(idB, idC);
        EXPECT_EQ(rows(t.lines), QStringLiteral("%1|%2|6|张三 %3|%4|4|张三 %5|%6|5|张三")
                                     .arg(idA).arg(a).arg(idB).arg(b).arg(idC).arg(c));
        const QString number = QLatin1String(t.mode) == "cgjh_new" ? QStringLiteral("CJ130528010001") : QString();
        EXPECT_EQ(rows(t.rows), QStringList({QStringLiteral("%1|%2|%3|%4|3|%5").arg(idA).arg(a, s39, white, number),
                                             QStringLiteral("%1|%2|%3|%4|2|%5").arg(idA).arg(a, s40, white, number),
                                             QStringLiteral("%1|%2|%3|%4|1|%5").arg(idA).arg(a, s39, black, number),
                                             QStringLiteral("%1|%2|%3|%4|4|%5").arg(idB).arg(b, s38, black, number),
                                             QStringLiteral("%1|%2|100001|100001|5|%3").arg(idC).arg(c, number)})
                                    .join(u' '));
    }
}

TEST_F(CgjhSele, ZeroTotalIsRefusedAndWritesNothing)
{
    for (const char* mode : {"cgjh_new", "cgjh_add"}) {
        MsgScript::reset();
        bool stayed = false;
        open(a, QLatin1String(mode), [&](TF_Form* f) {
            entry(f)->setCell(1, 1, "0");
            ok(f);
            stayed = f->isVisible();
        });
        EXPECT_TRUE(stayed) << mode;
        EXPECT_EQ(MsgScript::texts(), QStringList{"数量必须大于0，重新输入！"}) << mode;
        EXPECT_EQ(MsgScript::last().title, "系统提示");
    }
    EXPECT_EQ(rows("select count(*) from jxc_jhsp") + rows("select count(*) from jxc_jhspmx") +
                  rows("select count(*) from jxc_tempspxf") + rows("select count(*) from jxc_tempspxfmx"),
              "0000");
    EXPECT_EQ(F_Cgjh_Sele->writtenId(), 0);
}

TEST_F(CgjhSele, ModifyingALineReplacesItsRows)
{
    const QString number = lineDialogTarget.number;
    struct Target {
        const char* mode;
        const char* line;
        const char* rows;
    };
    const Target targets[] = {
        {"cgjh", "select jh_dj,jh_sl,jh_zje from jxc_jhsp where id=?", "select t_sl,gl_djh from jxc_jhspmx where tid=? order by id"},
        {"cgjh_modi", "select ts_dj,ts_sl,ts_zje from jxc_tempspxf where id=?",
         "select t_sl,'-' from jxc_tempspxfmx where tid=? order by id"},
    };
    for (const Target& t : targets) {
        SCOPED_TRACE(t.mode);
        const QString add = QLatin1String(t.mode) == "cgjh" ? QStringLiteral("cgjh_new") : QStringLiteral("cgjh_add");
        const qint64 other = enter(b, add, {{1, 1, "1"}});
        lineDialogTarget.lineId = enter(a, add, {{1, 1, "3"}, {2, 2, "1"}}, "80");
        const qint64 id = lineDialogTarget.lineId;
        const QString rowsBefore = rows(t.rows, {{QString(), other}});

        // The dialog opens on the line: its price, its quantities, their totals.
        QString seen;
        open(a, QLatin1String(t.mode), [&](TF_Form* f) {
            seen = box(f, "tDj") + " " + box(f, "tSl") + " " + box(f, "tZje") + " " + cells(entry(f));
            entry(f)->setCell(1, 1, "");
            entry(f)->setCell(1, 2, "2");
            entry(f)->setCell(2, 2, "2");
            ok(f);
        });
        EXPECT_EQ(seen, "80.00 4.00 320.00 颜色/尺码,39,40,合计 / 白色,3,,3 / 黑色,,1,1 / 合计,3,1,4");
        open(a, QLatin1String(t.mode), [&](TF_Form* f) { ok(f); });  // again, unchanged: no duplicates
        const QString tag = QLatin1String(t.mode) == "cgjh" ? number : QStringLiteral("-");
        EXPECT_EQ(rows(t.line, {{QString(), id}}), "80|4|320");
        EXPECT_EQ(rows(t.rows, {{QString(), id}}), QStringLiteral("2|%1 2|%1").arg(tag));
        EXPECT_EQ(rows(t.rows, {{QString(), other}}), rowsBefore);  // the other line keeps its rows
    }
}

TEST_F(CgjhSele, ALineWithoutRowsOpensWithItsOwnQuantity)
{
    lineDialogTarget.lineId = writeLine(kReceiptLines, lineDialogTarget.number,
                                        {.gSn = a, .price = Money::fromDouble(9), .rows = {}, .quantity = Money::fromDouble(1)});
    QString seen;
    open(a, "cgjh", [&](TF_Form* f) {
        seen = box(f, "tSl") + " " + box(f, "tZje") + " " + entry(f)->grandTotal();
        ok(f);
    });
    EXPECT_EQ(seen, "1.00 9.00 ");
    EXPECT_EQ(rows("select jh_dj,jh_sl,jh_zje from jxc_jhsp"), "9|1|9");
    EXPECT_EQ(rows("select count(*) from jxc_jhspmx"), "0");
}

TEST_F(CgjhSele, StockGridShowsTheGoodsStockInTheBillsWarehouse)
{
    const QString second = shop.warehouse("二号仓");
    shop.receipt().line(a, 50, {{"39", "黑色", 3}, {"40", "白色", 2}}).post();
    shop.receipt().line(a, 50, {{"39", "黑色", 1}}).post();
    shop.receipt().warehouse(second).line(a, 50, {{"39", "白色", 7}}).post();

    QString seen, caption;
    open(a, "cgjh_new", [&](TF_Form* f) {
        seen = cells(stock(f)) + " | " + label(f, "lbKc");
        caption = f->windowTitle();
    });
    EXPECT_EQ(seen, "颜色/尺码,39,40,合计 / 白色,,2,2 / 黑色,4,,4 / 合计,4,2,6 | 6");
    EXPECT_EQ(caption, QStringLiteral("商品信息(采购进货)(商品编号:%1,商品名称:凉鞋,当前库存:6)").arg(a));

    lineDialogTarget.warehouse = second;
    open(a, "cgjh_new", [&](TF_Form* f) { seen = cells(stock(f)) + " | " + label(f, "lbKc"); });
    EXPECT_EQ(seen, "颜色/尺码,39,40,合计 / 白色,7,,7 / 黑色,,, / 合计,7,,7 | 7");
}

TEST_F(CgjhSele, AGoodsWithAnEmptyGroupGetsTheBuiltInAxis)
{
    execSql("insert into jxc_cmz (cmz_sn,cmz_name) values ('900001','空尺码组')");
    execSql("insert into jxc_colorz (colorz_sn,colorz_name) values ('900002','空颜色组')");
    const QString d = shop.goods("童鞋", {"40"}, {"红色"});
    const QString e = shop.goods("布鞋", {"41"}, {"蓝色"});
    execSql("update jxc_goods set cmz_sn='900001' where g_sn=?", {{QString(), d}});
    execSql("update jxc_goods set colorz_sn='900002' where g_sn=?", {{QString(), e}});

    QString seen;
    const auto look = [&](TF_Form* f) { seen = cells(entry(f)) + " | " + cells(stock(f)); };
    open(a, "cgjh_new", look);  // a goods of two sizes and colours first
    open(d, "cgjh_new", look);
    EXPECT_EQ(seen, "颜色/尺码,均码,合计 / 红色,, / 合计,, | 颜色/尺码,均码,合计 / 红色,, / 合计,,");
    open(e, "cgjh_new", look);
    EXPECT_EQ(seen, "颜色/尺码,41,合计 / 统一,, / 合计,, | 颜色/尺码,41,合计 / 统一,, / 合计,,");

    enter(d, "cgjh_new", {{1, 1, "2"}});
    EXPECT_EQ(rows("select cm_sn,color_sn,t_sl from jxc_jhspmx"), QStringLiteral("100001|%1|2").arg(getColorSn("红色")));
}

TEST_F(CgjhSele, TotalsPriceAndAmount)
{
    shop.receipt().line(a, 50, {{"39", "黑色", 2}}).post();  // average and last price 50, preset 70
    execSql("update jxc_goods set g_pjjj=55 where g_sn=?", {{QString(), a}});

    // The offered price by the purchase price setting.
    const std::pair<const char*, const char*> prices[] = {{"0", "55.00"}, {"1", "50.00"}, {"2", "70.00"}, {"x", "55.00"}};
    for (const auto& [setting, expected] : prices) {
        csCgdj = QLatin1String(setting);
        QString seen;
        open(a, "cgjh_new", [&](TF_Form* f) { seen = box(f, "tDj") + " " + label(f, "lbScjj"); });
        EXPECT_EQ(seen, QStringLiteral("%1 ￥50元").arg(QLatin1String(expected))) << setting;
    }

    // Row, column and grand totals, the total quantity and the amount follow every cell and the price.
    csCgdj = "2";
    QStringList seen;
    const qint64 id = open(a, "cgjh_new", [&](TF_Form* f) {
        entry(f)->setCell(1, 1, "3");
        entry(f)->setCell(1, 2, "2");
        entry(f)->setCell(2, 1, "1");
        seen << cells(entry(f)) << box(f, "tSl") + " " + box(f, "tZje");
        f->findChild<QLineEdit*>(QStringLiteral("tDj"))->setText("12.5");
        entry(f)->setCell(1, 2, "");
        seen << cells(entry(f)) << box(f, "tSl") + " " + box(f, "tZje");
        ok(f);
    });
    EXPECT_EQ(seen, QStringList({"颜色/尺码,39,40,合计 / 白色,3,2,5 / 黑色,1,,1 / 合计,4,2,6", "6.00 420.00",
                                 "颜色/尺码,39,40,合计 / 白色,3,,3 / 黑色,1,,1 / 合计,4,0,4", "4.00 50.00"}));
    EXPECT_EQ(rows("select jh_dj,jh_sl,jh_zje from jxc_jhsp where id=?", {{QString(), id}}), "12.5|4|50");

    // A quoted price from the supplier card; 0 is taken as typed.
    choiceParam = "33.3";
    const qint64 quoted = enter(b, "cgjh_ghs", {{1, 1, "3"}});
    const qint64 free = enter(b, "cgjh_new", {{1, 1, "1"}}, "0");
    EXPECT_EQ(rows("select jh_dj,jh_sl,jh_zje from jxc_jhsp where id in (?,?) order by id",
                   {{QString(), quoted}, {QString(), free}}),
              "33.3|3|99.9 0|1|0");

    // An unknown mode word writes nothing.
    const QString before = rows("select count(*) from jxc_jhsp");
    EXPECT_EQ(enter(b, "xyz", {{1, 1, "1"}}), 0);
    EXPECT_EQ(rows("select count(*) from jxc_jhsp"), before);
}

TEST_F(CgjhSele, KeysAndHidingZeroStock)
{
    shop.receipt().line(a, 50, {{"39", "黑色", 2}}).post();
    lineDialogTarget.number = QStringLiteral("CJ130528010002");

    // Ticking the box empties the quantities and hides the sizes and colours without stock;
    // Esc closes without writing, and the next opening shows everything again.
    QString seen;
    open(a, "cgjh_new", [&](TF_Form* f) {
        entry(f)->setCell(1, 1, "3");
        entry(f)->setCell(2, 1, "4");
        f->findChild<QCheckBox*>(QStringLiteral("cbHideZero"))->setChecked(true);
        seen = box(f, "tSl") + QStringLiteral(" %1%2%3%4").arg(entry(f)->isRowShown(1)).arg(entry(f)->isRowShown(2))
                                   .arg(entry(f)->isColumnShown(1)).arg(entry(f)->isColumnShown(2)) +
               QStringLiteral(" %1%2").arg(stock(f)->isRowShown(1)).arg(stock(f)->isColumnShown(2)) + " " + cells(entry(f));
        QTest::keyClick(f, Qt::Key_Escape);
    });
    EXPECT_EQ(seen, "0.00 0110 00 颜色/尺码,39,40,合计 / 白色,,, / 黑色,,, / 合计,,,");
    EXPECT_EQ(rows("select count(*) from jxc_jhsp where j_sn='CJ130528010002'"), "0");

    // F5 confirms.
    open(a, "cgjh_new", [&](TF_Form* f) {
        seen = QStringLiteral("%1%2").arg(f->findChild<QCheckBox*>(QStringLiteral("cbHideZero"))->isChecked())
                   .arg(entry(f)->isRowShown(1));
        entry(f)->setCell(1, 2, "5");
        QTest::keyClick(f, Qt::Key_F5);
    });
    EXPECT_EQ(seen, "01");
    EXPECT_EQ(rows("select jh_sl from jxc_jhsp where j_sn='CJ130528010002'"), "5");
}

}  // namespace
