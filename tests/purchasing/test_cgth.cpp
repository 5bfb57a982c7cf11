// The purchase return window with the receipt query: whole-bill and one-line returns from a
// receipt (header, amounts, size and colour rows, the receipt's mark, the repeated return),
// lines kept under the drawn number, the save checks and the negative-stock question,
// djhParam across closing, the return query page and the partner card, the line dialog's
// stock check and the picker's zero-stock refusal.
#include "bills/linedialog.h"
#include "bills/workinglines.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/settings.h"
#include "platform/codecombo.h"
#include "platform/datagrid.h"
#include "platform/msgbox.h"
#include "platform/report.h"
#include "platform/sizecolorgrid.h"
#include "purchasing/cgth.h"
#include "purchasing/cgth_add.h"
#include "purchasing/cgth_ghs.h"
#include "purchasing/cgth_sele.h"
#include "purchasing/cgth_zdth.h"
#include "purchasing/cgthquery.h"
#include "purchasing/purchasing.h"
#include "support/shop.h"
#include "support/windowregistry.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <functional>
#include <gtest/gtest.h>

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
void trigger(QWidget* f, const char* name) { child<QAction>(f, name)->trigger(); }

// A grid's column over its shown rows, joined by " ".
QString column(DataGrid* g, const char* field)
{
    QStringList out;
    for (int r = 0; r < g->rowCount(); ++r)
        out << g->value(g->sourceRow(r), QLatin1String(field));
    return out.join(u' ');
}

const QString kConfirm = QStringLiteral("单据保存后不能再修改，是否确认保存？\r\n\r\n管理员可以在往来账目中整单删除错误的单据！");

class CgthWindow : public ::testing::Test {
protected:
    CgthWindow() { MsgScript::reset(); }
    ~CgthWindow() override
    {
        TF_Form::clearScripts();
        csKc.clear();
        djhParam.clear();
        setReportInterceptor({});
    }

    void open(const std::function<void(TF_Cgth*)>& script)
    {
        TF_Form::scriptNextOpening(QStringLiteral("TF_Cgth"), [&](TF_Form* f) { script(static_cast<TF_Cgth*>(f)); });
        ensureForm(F_Cgth)->showModalForm();
    }
    // The receipt query opened from the receipt window; `script` runs in it.
    void openReceiptQuery(const std::function<void(TF_Cgth_Zdth*)>& script)
    {
        TF_Form::scriptNextOpening(QStringLiteral("TF_Cgth_Zdth"),
                                   [&](TF_Form* f) { script(static_cast<TF_Cgth_Zdth*>(f)); });
        ensureForm(F_Cgth_Zdth)->showModalForm();
    }
    static QString counts(const QString& number)
    {
        return rows(QStringLiteral("select (select count(*) from jxc_thsp where gl_djh=?)||'/'||"
                                   "(select count(*) from jxc_thspmx where gl_djh=?)"),
                    {{QString(), number}, {QString(), number}});
    }

    Shop shop;
    ScopedWindows windows{[] { registerPurchasingWindows(); }};
    QString sandal = shop.goods("凉鞋", {"39", "40"}, {"黑色"}, 70);
    QString boot = shop.goods("靴子", {"38"}, {"棕色"}, 40);
    // 凉鞋 80 × (3 + 2), 靴子 50 × 2: payable 500, paid 450, the rest owed.
    QString receipt = shop.receipt()
                          .line(sandal, 80, {{"39", "黑色", 3}, {"40", "黑色", 2}})
                          .line(boot, 50, {{"38", "棕色", 2}})
                          .mode(CgjhMode::RestOwed)
                          .paid(450)
                          .note("首批")
                          .post();
};

TEST_F(CgthWindow, WholeBillReturnFillsTheWindowPostsAndIsNotRepeated)
{
    bool shown = false;
    TF_Form::scriptNextOpening(QStringLiteral("TF_Cgth"), [&](TF_Form* w) {
        shown = true;
        auto* f = static_cast<TF_Cgth*>(w);
        EXPECT_EQ(box(f, "tghs")->text(), "普通供货商");
        EXPECT_FALSE(box(f, "tghs")->isEnabled());
        EXPECT_EQ(combo(f, "comCk")->currentText(), "主仓库");
        EXPECT_FALSE(combo(f, "comCk")->isEnabled());
        EXPECT_EQ(combo(f, "comUser")->currentText(), "李采购");
        EXPECT_EQ(box(f, "tnote")->text(), "首批");
        EXPECT_EQ(label(f, "yfje"), "500");  // into an empty window: the receipt's amounts
        EXPECT_EQ(box(f, "tsfje")->text(), "450");
        EXPECT_EQ(combo(f, "comYhzh")->currentText(), "现金");
        EXPECT_EQ(counts(f->number()), "2/3");
        EXPECT_EQ(djhParam, receipt);
        MsgScript::answer(MsgAnswer::Yes);
        click(f, "btnOK");
        EXPECT_EQ(MsgScript::texts(), QStringList{kConfirm});
        EXPECT_EQ(f->number(), "CT130528010002");  // reset for the next return
        EXPECT_TRUE(djhParam.isEmpty());
    });
    openReceiptQuery([&](TF_Cgth_Zdth* q) {
        EXPECT_EQ(column(q->gridJhd, "j_sn"), receipt);
        // Lines without a production date are not listed.
        EXPECT_EQ(q->gridJhsp->rowCount(), 0);
        click(q, "btnZdth");
    });
    ASSERT_TRUE(shown);
    EXPECT_EQ(rows("select gl_djh,th_yfje,th_sfje,th_note from jxc_thd"), "CT130528010001|-500|-450|首批");
    EXPECT_EQ(rows("select j_th from jxc_jhd"), "1");
    EXPECT_EQ(rows("select sum(t_sl) from jxc_tkc"), "0");
    EXPECT_EQ(rows("select xj_je,xj_kmmc from jxc_xjyh where gl_djh='CT130528010001'"), "450|现金");

    MsgScript::reset();
    openReceiptQuery([&](TF_Cgth_Zdth* q) {
        q->gridJhd->setCurrentRow(0);
        click(q, "btnZdth");
        EXPECT_EQ(MsgScript::texts(), QStringList{"该单据已经进行过整单退货，不能重复退货！"});
    });
    EXPECT_EQ(rows("select count(*) from jxc_thsp where tid is null"), "0");
}

TEST_F(CgthWindow, CopiesAddedToLinesTakeTheLinesTotalAndDjhParamLivesUntilTheWindowCloses)
{
    // A line lying under the number the window will draw is part of the new bill.
    writeLine(kReturnLines, QStringLiteral("CT130528010001"),
              {.gSn = boot, .price = Money::fromDouble(30), .rows = {}, .quantity = Money::fromDouble(1)});
    open([&](TF_Cgth* f) {
        EXPECT_EQ(f->number(), "CT130528010001");
        EXPECT_EQ(label(f, "yfje"), "30");
        // The receipt query over the window: the copy joins the line already there.
        TF_Form::scriptNextOpening(QStringLiteral("TF_Cgth_Zdth"), [&](TF_Form* q) {
            EXPECT_EQ(static_cast<TF_Cgth_Zdth*>(q)->tKey->text(), "普通供货商");
            click(q, "btnZdth");
        });
        trigger(f, "actGhsJh");
        EXPECT_EQ(counts(f->number()), "3/3");
        EXPECT_EQ(label(f, "yfje"), "530");
        EXPECT_EQ(box(f, "tsfje")->text(), "530");
        EXPECT_EQ(djhParam, receipt);

        // A cancelled close keeps the link; "no" discards the lines and drops it.
        MsgScript::answer(MsgAnswer::Cancel);
        f->close();
        EXPECT_EQ(djhParam, receipt);
        MsgScript::answer(MsgAnswer::No);
        f->close();
        EXPECT_TRUE(djhParam.isEmpty());
    });
    EXPECT_EQ(counts("CT130528010001"), "0/0");
    EXPECT_EQ(rows("select j_th from jxc_jhd"), "0");
}

TEST_F(CgthWindow, OneLineReturnMarksItsReceiptAndTakesTheLineAmount)
{
    execSql("update jxc_jhsp set t_scrq='2013-05-01' where g_sn=?", {{QString(), boot}});
    execSql("update jxc_goods set g_bzq=30 where g_sn=?", {{QString(), boot}});
    bool shown = false;
    TF_Form::scriptNextOpening(QStringLiteral("TF_Cgth"), [&](TF_Form* w) {
        shown = true;
        auto* f = static_cast<TF_Cgth*>(w);
        EXPECT_EQ(counts(f->number()), "1/1");
        EXPECT_EQ(label(f, "yfje"), "100");
        EXPECT_EQ(box(f, "tsfje")->text(), "100");
        EXPECT_EQ(combo(f, "comUser")->currentText(), "李采购");
        MsgScript::answer(MsgAnswer::Yes);
        click(f, "btnOK");
    });
    openReceiptQuery([&](TF_Cgth_Zdth* q) {
        EXPECT_EQ(column(q->gridJhsp, "gqrq"), "2013-05-31");
        q->gridJhsp->setCurrentRow(0);
        q->lineReturnClick();
    });
    ASSERT_TRUE(shown);
    EXPECT_EQ(rows("select th_yfje,th_sfje from jxc_thd"), "-100|-100");
    EXPECT_EQ(rows("select j_th from jxc_jhd"), "1");
}

TEST_F(CgthWindow, SaveChecksAndTheNegativeStockQuestion)
{
    const QString slipper = shop.goods("拖鞋", {}, {});
    open([&](TF_Cgth* f) {
        click(f, "btnOK");
        EXPECT_EQ(MsgScript::texts(), QStringList{"没有可保存的商品！"});
        writeLine(kReturnLines, f->number(),
                  {.gSn = sandal, .price = Money::fromDouble(80), .rows = {}, .quantity = Money::fromDouble(1)});
        writeLine(kReturnLines, f->number(),
                  {.gSn = slipper, .price = Money::fromDouble(10), .rows = {}, .quantity = Money::fromDouble(2)});
        f->dateCgChange();  // reopens the lines under the same number
        EXPECT_EQ(label(f, "yfje"), "100");
        combo(f, "comUser")->setCurrentIndex(-1);
        MsgScript::reset();
        click(f, "btnOK");
        EXPECT_EQ(MsgScript::texts(), QStringList{"请选择经办人！"});
        combo(f, "comUser")->setCurrentIndex(0);

        MsgScript::reset();
        MsgScript::answer(MsgAnswer::No);
        click(f, "btnOK");
        EXPECT_EQ(MsgScript::texts(),
                  QStringList{"当前仓库中商品‘拖鞋’不存在，\r\n\r\n退货将会出现负库存，是否继续？"});
        EXPECT_EQ(rows("select count(*) from jxc_thd"), "0");
        MsgScript::answer(MsgAnswer::Yes);
        MsgScript::answer(MsgAnswer::Yes);
        box(f, "tsfje")->setText("60");
        click(f, "btnOK");
    });
    EXPECT_EQ(rows("select th_yfje,th_sfje from jxc_thd"), "-100|-60");
    EXPECT_EQ(rows("select kc_sl,kc_cbj from jxc_kcsp where g_sn=?", {{QString(), slipper}}), "-2|10");
}

TEST_F(CgthWindow, TheReturnQueryShowsReturnsPositive)
{
    shop.purchaseReturn().line(sandal, 50, {{"39", "黑色", 2}}).received(60).post();
    open([&](TF_Cgth* f) {
        auto* tabs = child<QTabWidget>(f, "PageControl1");
        EXPECT_FALSE(tabs->isTabVisible(1));
        trigger(f, "actGhsTh");
        EXPECT_EQ(tabs->currentIndex(), 1);
        CgthQueryPage* page = f->queryPage();
        EXPECT_EQ(page->tKey->text(), "普通供货商");
        EXPECT_EQ(column(page->gridThd, "yfje") + "/" + column(page->gridThd, "sfje") + "/" + column(page->gridThd, "wfje"),
                  "100/60/-40");
        EXPECT_EQ(column(page->gridThsp, "th_sl"), "2");
        page->rbHzb->setChecked(true);
        EXPECT_EQ(column(page->gridHz, "sl") + "/" + column(page->gridHz, "zje"), "2/100");
        EXPECT_EQ(column(page->gridHzList, "sl") + "/" + column(page->gridHzList, "zje"), "2/100");
        page->rbMxb->setChecked(true);
        EXPECT_EQ(column(page->gridMx, "sl") + "/" + column(page->gridMx, "zje"), "2/100");
        // Hostile search texts find nothing and break nothing.
        page->rbDjb->setChecked(true);
        page->searchFor(QStringLiteral("x' or '1'='1"));
        EXPECT_EQ(page->gridThd->rowCount(), 0);
    });
}

TEST_F(CgthWindow, PartnerCardShowsSupplierOrCustomer)
{
    const QString customer = shop.customer("老王鞋店");
    struct Case {
        const char* type;
        const char* name;
    };
    for (const Case c : {Case{"ghs", "普通供货商"}, Case{"kh", "老王鞋店"}}) {
        partyType = QLatin1String(c.type);
        curGhsSn = QStringLiteral("100001");
        curKhSn = customer;
        TF_Form::scriptNextOpening(QStringLiteral("TF_Cgth_Ghs"), [&](TF_Form* f) {
            EXPECT_EQ(label(f, "lbName"), QString::fromUtf8(c.name));
            if (QLatin1String(c.type) == QLatin1String("ghs")) {
                EXPECT_EQ(label(f, "lbQk"), "50");
            }
        });
        ensureForm(F_Cgth_Ghs)->showModalForm();
    }
    partyType.clear();
}

TEST_F(CgthWindow, LineDialogRefusesQuantitiesAboveStockUnlessAllowed)
{
    // Stock: 39 黑色 3, 40 黑色 2. A second colour row without stock for the lower row.
    struct Case {
        const char* allow;
        QVector<std::pair<int, QString>> cells;  // entry cells of row 1: column, quantity
        const char* message;
    };
    const Case cases[] = {{"0", {{1, "3"}, {2, "2"}}, ""},
                          {"0", {{1, "4"}}, "退货数量不能大于库存数量，重新输入！"},
                          {"1", {{1, "4"}}, ""}};
    for (const Case& c : cases) {
        csKc = QLatin1String(c.allow);
        curGoodsSn = sandal;
        modeFlag = QStringLiteral("cgth_add");
        lineDialogTarget = {.number = QString(), .warehouse = QStringLiteral("100001"), .lineId = 0};
        MsgScript::reset();
        TF_Form::scriptNextOpening(QStringLiteral("TF_Cgth_Sele"), [&](TF_Form* f) {
            auto* entry = child<SizeColorGrid>(f, "StringGridIn");
            for (const auto& [col, qty] : c.cells)
                entry->setCell(1, col, qty);
            static_cast<TF_Cgth_Sele*>(f)->btnOKClick();
        });
        ensureForm(F_Cgth_Sele)->showModalForm();
        EXPECT_EQ(MsgScript::texts().join(QString()), QString::fromUtf8(c.message)) << c.allow;
    }
    modeFlag.clear();
    curGoodsSn.clear();
    lineDialogTarget = {};
    EXPECT_EQ(rows("select count(*) from jxc_tempspxf"), "2");
}

}  // namespace
