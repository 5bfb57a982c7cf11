// The exchange window with its two pickers and its line dialog: lines found under the drawn
// number bring their amounts, goods back offered from the customer's purchases and stored
// negative, goods out refused without stock, a goods-back line modified keeps its sign, the
// received amount follows every change, the customer panel takes F5, and saving, refusing and
// the close prompt.
#include "bills/goodspicker.h"
#include "bills/workinglines.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/settings.h"
#include "platform/codecombo.h"
#include "platform/datagrid.h"
#include "platform/msgbox.h"
#include "platform/sizecolorgrid.h"
#include "sales/sales.h"
#include "sales/xshh.h"
#include "sales/xshh_add.h"
#include "sales/xshh_add2.h"
#include "support/shop.h"
#include "support/windowregistry.h"

#include <QApplication>
#include <QKeyEvent>
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

template <class T>
T* child(QWidget* f, const char* name)
{
    T* w = f->findChild<T*>(QLatin1String(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

QLineEdit* box(QWidget* f, const char* name) { return child<QLineEdit>(f, name); }
CodeComboBox* combo(QWidget* f, const char* name) { return child<CodeComboBox>(f, name); }
QString label(QWidget* f, const char* name) { return child<QLabel>(f, name)->text(); }
void click(QWidget* f, const char* name) { child<QPushButton>(f, name)->click(); }

QStringList listed(const DataGrid* grid)
{
    QStringList out;
    for (int r = 0; r < grid->loadedRowCount(); ++r)
        out << grid->value(r, QStringLiteral("g_sn"));
    return out;
}

void key(QWidget* w, Qt::Key k)
{
    QKeyEvent e(QEvent::KeyPress, k, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

// The next line dialog: `cells` (row, column, quantity) entered, then "确定".
void inLineDialog(const QVector<std::tuple<int, int, QString>>& cells, const std::function<void(TF_Form*)>& check = {})
{
    TF_Form::scriptNextOpening(QStringLiteral("TF_Xshh_Sele"), [cells, check](TF_Form* d) {
        if (check)
            check(d);
        auto* grid = d->findChild<SizeColorGrid*>(QStringLiteral("StringGridIn"));
        for (const auto& [r, c, q] : cells)
            grid->setCell(r, c, q);
        d->findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
    });
}

class XshhWindow : public ::testing::Test {
protected:
    XshhWindow()
    {
        MsgScript::reset();
        TF_Form::clearScripts();
        csDjzddy = QStringLiteral("0");
        csKc = QStringLiteral("0");  // no sales at zero stock
        // 凉鞋 (39/40 black) and 靴子 (38 brown) received; 拖鞋 has a stock row of 0. The customer
        // 甲 bought two pairs of 凉鞋 39 at 100.
        shop.receipt().line(sandal, 50, {{"39", "黑色", 3}, {"40", "黑色", 2}}).line(boot, 40, {{"38", "棕色", 2}}).post();
        shop.receipt().line(slipper, 10, {{"36", "白色", 1}}).post();
        shop.sale().customer(shop.customer("乙")).line(slipper, 20, {{"36", "白色", 1}}).post();
        sale = shop.sale().customer(kh).line(sandal, 100, {{"39", "黑色", 2}}).post();
    }
    ~XshhWindow() override
    {
        EXPECT_EQ(TF_Form::pendingScripts(), 0) << "a scripted window did not open";
        TF_Form::clearScripts();
        csDjzddy.clear();
        csKc.clear();
        curKhSn.clear();
        MsgScript::reset();
    }

    // Runs `script` in the next opening of the exchange window; a bill left with lines is
    // discarded at the close prompt.
    void open(const std::function<void(TF_Xshh*)>& script)
    {
        TF_Form::scriptNextOpening(QStringLiteral("TF_Xshh"), [script](TF_Form* f) {
            script(static_cast<TF_Xshh*>(f));
            if (f->isVisible() && static_cast<TF_Xshh*>(f)->hasLines())
                MsgScript::answer(MsgAnswer::No);
            if (f->isVisible())
                f->close();
        });
        ensureForm(F_Xshh)->showModalForm();
    }
    void chooseCustomer(TF_Xshh* f, const QString& code)
    {
        click(f, "btnSeleGhs");
        auto* all = child<DataGrid>(child<QWidget>(f, "RzPanelKh"), "gridAll");
        for (int r = 0; r < all->loadedRowCount(); ++r)
            if (all->value(r, QStringLiteral("kh_sn")) == code)
                all->setCurrentRow(r);
        key(f, Qt::Key_F5);
    }
    QString lines(const QString& number) const
    {
        return rows("select g_sn,ls_dj,ls_sl,ls_zje,ls_zhje,(select sum(t_sl) from jxc_lsxsspmx m where m.tid=l.id) "
                    "from jxc_lsxssp l where gl_djh=? order by id",
                    {{QString(), number}});
    }

    Shop shop;
    ScopedWindows windows{[] { registerSalesWindows(); }};
    QString kh = shop.customer("甲");
    QString sandal = shop.goods("凉鞋", {"39", "40"}, {"黑色"}, 60);
    QString boot = shop.goods("靴子", {"38"}, {"棕色"}, 40);
    QString slipper = shop.goods("拖鞋", {"36"}, {"白色"}, 5);
    QString sale;
};

TEST_F(XshhWindow, LinesUnderTheDrawnNumberStayAndBringTheirAmounts)
{
    const QString number = QStringLiteral("XS130528010003");
    writeLine(kSalesLines, number, {.gSn = boot, .price = Money::fromDouble(150), .rows = {}, .quantity = Money::fromDouble(1)});
    open([&](TF_Xshh* f) {
        EXPECT_EQ(f->number(), number);
        EXPECT_EQ(label(f, "lysje"), "150");
        EXPECT_EQ(box(f, "tssje")->text(), "150");
        EXPECT_FALSE(combo(f, "comCk")->isEnabled());
        EXPECT_TRUE(child<QPushButton>(f, "btnModi")->isVisibleTo(f));
    });
    EXPECT_EQ(rows("select count(*) from jxc_lsxssp where gl_djh=?", {{QString(), number}}), "0");  // "否" discarded it
}

TEST_F(XshhWindow, ExchangeGoodsBackAndOutThenSave)
{
    open([&](TF_Xshh* f) {
        // The default customer bought nothing: nothing to take back.
        TF_Form::scriptNextOpening(QStringLiteral("TF_Xshh_Add"), [](TF_Form* p) {
            EXPECT_TRUE(listed(static_cast<TF_Xshh_Add*>(p)->DBGridGoods).isEmpty());
            p->close();
        });
        key(f, Qt::Key_F2);

        chooseCustomer(f, kh);
        EXPECT_FALSE(child<QWidget>(f, "RzPanelKh")->isVisible());
        EXPECT_EQ(f->customerSn(), kh);
        EXPECT_FALSE(f->hasLines());  // F5 in the panel chose the customer and saved nothing

        // Goods back: 2 pairs of 凉鞋 39 at its sale price 120, stored negative with negative size rows.
        TF_Form::scriptNextOpening(QStringLiteral("TF_Xshh_Add"), [](TF_Form* p) {
            auto* w = static_cast<TF_Xshh_Add*>(p);
            ASSERT_EQ(listed(w->DBGridGoods).size(), 1);
            inLineDialog({{1, 1, QStringLiteral("2")}});
            w->btnAddClick();
            w->btnOKClick();
        });
        key(f, Qt::Key_F2);
        EXPECT_EQ(lines(f->number()), sandal + "|120|-2|-240|-240|-2");
        EXPECT_EQ(label(f, "lysje"), "-240");
        EXPECT_EQ(box(f, "tssje")->text(), "-240");
        EXPECT_FALSE(combo(f, "comCk")->isEnabled());

        // Goods out: 拖鞋 has no stock and is refused; 靴子 at 150 is taken.
        TF_Form::scriptNextOpening(QStringLiteral("TF_Xshh_Add2"), [&](TF_Form* p) {
            auto* w = static_cast<TF_Xshh_Add2*>(p);
            const QStringList goods = listed(w->DBGridGoods);
            ASSERT_TRUE(goods.contains(slipper));
            w->DBGridGoods->setCurrentRow(int(goods.indexOf(slipper)));
            MsgScript::reset();
            w->btnAddClick();
            EXPECT_EQ(MsgScript::texts(), QStringList{"库存为零不能换货！"});
            w->DBGridGoods->setCurrentRow(int(goods.indexOf(boot)));
            inLineDialog({{1, 1, QStringLiteral("1")}}, [](TF_Form* d) {
                d->findChild<QLineEdit*>(QStringLiteral("tDj"))->setText(QStringLiteral("150"));
            });
            w->btnAddClick();
            w->btnOKClick();
        });
        key(f, Qt::Key_F9);
        EXPECT_EQ(lines(f->number()), sandal + "|120|-2|-240|-240|-2 " + boot + "|150|1|150|150|1");
        EXPECT_EQ(label(f, "lysje"), "-90");
        EXPECT_EQ(box(f, "tssje")->text(), "-90");

        // The goods-back line opens positive and, confirmed with 3 pairs, stays negative.
        DataModule->Q_Lsxssp->setCurrentRow(0);
        inLineDialog({{1, 1, QStringLiteral("3")}}, [](TF_Form* d) {
            EXPECT_EQ(d->findChild<SizeColorGrid*>(QStringLiteral("StringGridIn"))->cell(1, 1), "2");
        });
        click(f, "btnModi");
        EXPECT_EQ(lines(f->number()), sandal + "|120|-3|-360|-240|-3 " + boot + "|150|1|150|150|1");
        EXPECT_EQ(box(f, "tssje")->text(), "-210");

        // A goods-out line above its stock is refused by the dialog.
        DataModule->Q_Lsxssp->setCurrentRow(1);
        TF_Form::scriptNextOpening(QStringLiteral("TF_Xshh_Sele"), [](TF_Form* d) {
            d->findChild<SizeColorGrid*>(QStringLiteral("StringGridIn"))->setCell(1, 1, QStringLiteral("5"));
            MsgScript::reset();
            d->findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
            EXPECT_EQ(MsgScript::texts(), QStringList{"销售数量不能大于库存数量，重新输入！"});
            d->close();
        });
        click(f, "btnModi");

        const QString number = f->number();
        combo(f, "comJsfs")->setCurrentIndex(1);  // "余款记入应收帐"
        box(f, "tssje")->setText(QStringLiteral("0"));
        MsgScript::reset();
        MsgScript::answer(MsgAnswer::Yes);
        click(f, "btnOK");
        EXPECT_EQ(MsgScript::texts(),
                  QStringList{"单据保存后不能再修改，是否确认保存！\r\n\r\n管理员可以在往来账目中整单删除错误的数据！"});
        EXPECT_NE(f->number(), number);  // the next bill
        EXPECT_EQ(box(f, "tkh")->text(), "普通客户");
        EXPECT_EQ(rows("select kh_sn,ls_yfje,ls_sfje,ls_note from jxc_lsxsd where gl_djh=?", {{QString(), number}}),
                  kh + "|-210|0|商品换货：");
    });
    EXPECT_EQ(selectValue("select kh_lwje from jxc_khxx where kh_sn=?", {{QString(), kh}}), "-210");
}

TEST_F(XshhWindow, RefusedSaveAtTheClosePromptKeepsTheWindowAndItsLines)
{
    open([&](TF_Xshh* f) {
        TF_Form::scriptNextOpening(QStringLiteral("TF_Xshh_Add2"), [&](TF_Form* p) {
            auto* w = static_cast<TF_Xshh_Add2*>(p);
            w->DBGridGoods->setCurrentRow(int(listed(w->DBGridGoods).indexOf(boot)));
            inLineDialog({{1, 1, QStringLiteral("1")}});
            w->btnAddClick();
            w->btnOKClick();
        });
        key(f, Qt::Key_F9);
        ASSERT_TRUE(f->hasLines());
        box(f, "tkh")->clear();
        MsgScript::reset();
        MsgScript::answer(MsgAnswer::Yes);
        f->close();
        EXPECT_EQ(MsgScript::texts(), QStringList({"当前单据还未保存，是否保存？", "请选择客户！"}));
        EXPECT_TRUE(f->isVisible());
        EXPECT_TRUE(f->hasLines());
        // Deleting the last line enables the warehouse again and zeroes the amounts.
        MsgScript::answer(MsgAnswer::Yes);
        click(f, "btnDel");
        EXPECT_FALSE(f->hasLines());
        EXPECT_TRUE(combo(f, "comCk")->isEnabled());
        EXPECT_EQ(box(f, "tssje")->text(), "0");
    });
    EXPECT_EQ(rows("select count(*) from jxc_lsxsspmx where tid is null or tid not in (select id from jxc_lsxssp)"), "0");
}

}  // namespace
