// The purchase receipt window: the provisional number and its stray lines, the date move,
// barcode lines, modifying and deleting lines, the save checks and prompt, the close prompt,
// a full save with its reset (also when printing fails), the pickers' caller words and
// hostile texts in its boxes.
#include "bills/goodspicker.h"
#include "bills/linedialog.h"
#include "bills/workinglines.h"
#include "data/database.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/settings.h"
#include "data/tkc.h"
#include "masterdata/djbz.h"
#include "masterdata/user2.h"
#include "platform/codecombo.h"
#include "platform/datagrid.h"
#include "platform/msgbox.h"
#include "platform/xlsreader.h"
#include "platform/report.h"
#include "platform/sizecolorgrid.h"
#include "purchasing/cgjh.h"
#include "purchasing/cgjh_check.h"
#include "purchasing/purchasing.h"
#include "support/shop.h"
#include "support/windowregistry.h"

#include <QAction>
#include <QTabWidget>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QComboBox>
#include <QApplication>
#include <QKeyEvent>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

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
void trigger(QWidget* f, const char* name) { child<QAction>(f, name)->trigger(); }

// A working line of `goods` with its size and colour quantities (codes).
WorkingLine sized(const QString& goods, double price, const QVector<SizeColorQty>& quantities)
{
    return {.gSn = goods, .price = Money::fromDouble(price), .rows = quantities, .quantity = Money()};
}

SizeColorQty qty(const QString& size, const QString& colour, double n)
{
    return {getCmSn(size), getColorSn(colour), Money::fromDouble(n)};
}

// Types `text` into a box key by key, as the keyboard would (any characters).
void typeText(QWidget* w, const QString& text)
{
    for (int i = 0; i < text.size(); ++i) {
        const int n = text.at(i).isHighSurrogate() ? 2 : 1;
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, text.mid(i, n));
        QApplication::sendEvent(w, &press);
        i += n - 1;
    }
}

void scanBarcode(QWidget* f, const QString& barcode)
{
    QLineEdit* b = box(f, "tSptm");
    b->setText(barcode);
    QTest::keyClick(b, Qt::Key_Return);
}

class CgjhWindow : public ::testing::Test {
protected:
    CgjhWindow()
    {
        MsgScript::reset();
        registerWindow(QStringLiteral("TF_Cgjh_Save"), [this](const QString&) {
            ++prompts;
            saveChoice = choice;
        });
        execSql(QStringLiteral("update jxc_goods set g_pjjj=50,g_scjj=60,g_jj=70 where g_sn=?"), {{QString(), sandal}});
    }
    ~CgjhWindow() override
    {
        csCgdj.clear();
        csDjzddy.clear();
        csDjzddysl.clear();
        TF_Cgjh::openDialogAfterBarcode = false;
        setReportInterceptor({});
    }

    // Opens the window and runs `script` while it is open (the window is closed afterwards).
    void open(const std::function<void(TF_Cgjh*)>& script)
    {
        TF_Form::scriptNextOpening(QStringLiteral("TF_Cgjh"), [&](TF_Form* f) { script(static_cast<TF_Cgjh*>(f)); });
        ensureForm(F_Cgjh)->showModalForm();
    }
    // Lines and size and colour rows under a number: "lines/rows".
    static QString counts(const QString& number)
    {
        return rows(QStringLiteral("select (select count(*) from jxc_jhsp where j_sn=?)||'/'||"
                                   "(select count(*) from jxc_jhspmx where gl_djh=?)"),
                    {{QString(), number}, {QString(), number}});
    }
    static int gridRows() { return DataModule->Q_Jhsp->rowCount(); }

    Shop shop;
    ScopedWindows windows{[] { registerPurchasingWindows(); }};
    QString sandal = shop.goods("凉鞋", {"39", "40"}, {"黑色"}, 0, 0, "6901234567890");
    QString boot = shop.goods("靴子", {"38"}, {"棕色"}, 40);
    int prompts = 0;
    int choice = 1;
};

TEST_F(CgjhWindow, ActivationDrawsTheNextNumberAndClearsStrayLinesUnderItOnly)
{
    shop.receipt().line(boot, 40, {{"38", "棕色", 1}}).post();  // CJ130528010001 is taken
    const WorkingLine stray = sized(boot, 40, {qty("38", "棕色", 2)});
    for (const char* number : {"CJ130528010002", "CJ130528010003", "CJ130527010001"})
        writeLine(kReceiptLines, QLatin1String(number), stray);

    open([&](TF_Cgjh* f) {
        EXPECT_EQ(label(f, "jsn"), "CJ130528010002");
        EXPECT_EQ(f->number(), "CJ130528010002");
        EXPECT_EQ(gridRows(), 0);
        EXPECT_EQ(child<QDateEdit>(f, "dateCg")->date(), QDate(2013, 5, 28));
        EXPECT_EQ(box(f, "tsfje")->text(), "0");
        EXPECT_EQ(combo(f, "comJsfs")->currentText(), "按实付款结算");
        EXPECT_EQ(combo(f, "comUser")->currentText(), "李采购");
        EXPECT_TRUE(combo(f, "comCk")->isEnabled());
        EXPECT_FALSE(child<QPushButton>(f, "btnModi")->isVisible());
        EXPECT_FALSE(child<QWidget>(f, "panelSptm")->isVisible());
    });
    EXPECT_EQ(counts("CJ130528010002"), "0/0");
    EXPECT_EQ(counts("CJ130528010003"), "1/1");
    EXPECT_EQ(counts("CJ130527010001"), "1/1");
    EXPECT_EQ(counts("CJ130528010001"), "1/1");  // the posted receipt
}

TEST_F(CgjhWindow, ADateChangeMovesEveryLineAndRowToThatDaysNumberAndTakesInNoStray)
{
    shop.receipt().date(QStringLiteral("2013-05-20")).line(boot, 40, {{"38", "棕色", 1}}).post();  // CJ130520010001
    writeLine(kReceiptLines, QStringLiteral("CJ130520010002"), sized(boot, 9, {qty("38", "棕色", 7)}));
    open([&](TF_Cgjh* f) {
        const QString today = f->number();
        writeLine(kReceiptLines, today, sized(sandal, 80, {qty("39", "黑色", 3), qty("40", "黑色", 2)}));
        writeLine(kReceiptLines, today, sized(boot, 40, {qty("38", "棕色", 1)}));
        // The discount balancing goods moves with the bill but stays out of the payable.
        writeLine(kReceiptLines, today,
                  {.gSn = QStringLiteral("00000000"), .price = Money::fromDouble(-40), .rows = {}, .quantity = Money::fromDouble(1)});
        child<QDateEdit>(f, "dateCg")->setDate(QDate(2013, 5, 20));
        EXPECT_EQ(label(f, "jsn"), "CJ130520010002");
        EXPECT_EQ(counts(today), "0/0");
        EXPECT_EQ(counts("CJ130520010002"), "3/3");
        EXPECT_EQ(rows("select sum(t_sl) from jxc_jhspmx where gl_djh='CJ130520010002'"), "6");
        EXPECT_EQ(gridRows(), 3);
        EXPECT_EQ(label(f, "yfje"), "440");

        // Back to today: the lines follow.
        child<QDateEdit>(f, "dateCg")->setDate(QDate(2013, 5, 28));
        EXPECT_EQ(f->number(), today);
        EXPECT_EQ(counts(today), "3/3");
        MsgScript::answer(MsgAnswer::No);
    });
    EXPECT_EQ(counts("CJ130520010001"), "1/1");  // the posted receipt of that day stays as it was
}

TEST_F(CgjhWindow, ABarcodeAddsALineOfOneAtThePurchasePriceSetting)
{
    struct Case {
        const char* setting;
        const char* price;
    };
    for (const Case c : {Case{"0", "50"}, Case{"1", "60"}, Case{"2", "70"}}) {
        SCOPED_TRACE(c.setting);
        csCgdj = QLatin1String(c.setting);
        open([&](TF_Cgjh* f) {
            scanBarcode(f, QStringLiteral(" 6901234567890 "));
            EXPECT_EQ(rows("select g_sn,jh_dj,jh_sl,jh_zje,a_name from jxc_jhsp where j_sn=?", {{QString(), f->number()}}),
                      QStringLiteral("%1|%2|1|%2|张三").arg(sandal, QLatin1String(c.price)));
            EXPECT_EQ(counts(f->number()).section(u'/', 1), "0");  // no size and colour rows
            EXPECT_EQ(box(f, "tSptm")->text(), "");
            EXPECT_EQ(label(f, "yfje"), QLatin1String(c.price));
            EXPECT_EQ(box(f, "tsfje")->text(), QLatin1String(c.price));
            MsgScript::answer(MsgAnswer::No);
        });
    }
    EXPECT_EQ(rows("select count(*) from jxc_jhsp"), "0");
    EXPECT_TRUE(MsgScript::texts().filter(QStringLiteral("条码")).isEmpty());
}

TEST_F(CgjhWindow, UnknownAndEmptyBarcodesAddNothingAndTheWarehouseFollowsTheLines)
{
    open([&](TF_Cgjh* f) {
        scanBarcode(f, QStringLiteral("   "));
        EXPECT_TRUE(MsgScript::texts().isEmpty());
        for (const QString& code : {QStringLiteral("123"), QStringLiteral("69'01--"), QStringLiteral("6901234567890' or '1'='1")}) {
            MsgScript::reset();
            scanBarcode(f, code);
            EXPECT_EQ(MsgScript::texts(), QStringList{"没有找到与该条码匹配的商品，请检查！"}) << code.toStdString();
            EXPECT_EQ(MsgScript::last().title, "系统提示");
            EXPECT_EQ(box(f, "tSptm")->text(), code);
        }
        EXPECT_EQ(gridRows(), 0);

        // The warehouse is fixed from the first line on and free again without lines.
        scanBarcode(f, QStringLiteral("6901234567890"));
        scanBarcode(f, QStringLiteral("6901234567890"));
        EXPECT_EQ(gridRows(), 2);
        EXPECT_FALSE(combo(f, "comCk")->isEnabled());
        EXPECT_TRUE(child<QPushButton>(f, "btnDel")->isVisibleTo(f));
        MsgScript::answer(MsgAnswer::No);  // "您确定要删除…": no
        click(f, "btnDel");
        EXPECT_EQ(gridRows(), 2);
        MsgScript::answer(MsgAnswer::Yes);
        click(f, "btnDel");
        EXPECT_EQ(gridRows(), 1);
        EXPECT_FALSE(combo(f, "comCk")->isEnabled());
        MsgScript::answer(MsgAnswer::Yes);
        trigger(f, "actDel");
        EXPECT_EQ(gridRows(), 0);
        EXPECT_TRUE(combo(f, "comCk")->isEnabled());
        EXPECT_FALSE(child<QPushButton>(f, "btnDel")->isVisibleTo(f));
        EXPECT_EQ(label(f, "yfje"), "");
    });
    EXPECT_EQ(rows("select count(*) from jxc_jhsp"), "0");
}

TEST_F(CgjhWindow, ModifyingALineReplacesItsRows)
{
    const QString s39 = getCmSn("39"), s40 = getCmSn("40");
    // The line dialog's next opening: quantities typed into the one colour's row, then "确定".
    auto typeInDialog = [](std::initializer_list<std::pair<int, const char*>> typed) {
        const QVector<std::pair<int, const char*>> cells(typed);
        TF_Form::scriptNextOpening(QStringLiteral("TF_Cgjh_Sele"), [cells](TF_Form* d) {
            auto* grid = d->findChild<SizeColorGrid*>(QStringLiteral("StringGridIn"));
            for (const auto& [col, qty] : cells)
                grid->setCell(1, col, QLatin1String(qty));
            d->findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
        });
    };
    open([&](TF_Cgjh* f) {
        // With the check item ticked, the barcode's line opens in the line dialog at once.
        trigger(f, "actOpenAfter");
        ASSERT_TRUE(TF_Cgjh::openDialogAfterBarcode);
        typeInDialog({{1, "3"}});
        scanBarcode(f, QStringLiteral("6901234567890"));
        const QString id = DataModule->Q_Jhsp->fieldByName(QStringLiteral("id"));
        EXPECT_EQ(rows("select cm_sn,t_sl from jxc_jhspmx where tid=?", {{QString(), id}}), s39 + "|3");

        typeInDialog({{1, ""}, {2, "2"}});
        click(f, "btnModi");
        EXPECT_EQ(rows("select cm_sn,t_sl from jxc_jhspmx where tid=?", {{QString(), id}}), s40 + "|2");
        EXPECT_EQ(rows("select jh_sl,jh_zje from jxc_jhsp where id=?", {{QString(), id}}), "2|100");
        EXPECT_EQ(label(f, "yfje"), "100");
        MsgScript::answer(MsgAnswer::No);
    });
    EXPECT_EQ(TF_Form::pendingScripts(), 0);
}

TEST_F(CgjhWindow, TheSaveChecksComeInTheirOrder)
{
    // Each case breaks its own condition and every later one: only its own message shows.
    const char* const messages[] = {"单据中没有业务发生，不能保存！", "请选择供货商！", "请选择经办人！", "请选择仓库！"};
    for (int broken = 0; broken < 4; ++broken) {
        SCOPED_TRACE(broken);
        MsgScript::reset();
        open([&](TF_Cgjh* f) {
            if (broken > 0)
                scanBarcode(f, QStringLiteral("6901234567890"));
            if (broken <= 1)
                box(f, "tghs")->setText(QStringLiteral("   "));
            if (broken <= 2) {
                QSignalBlocker quiet(combo(f, "comUser"));
                combo(f, "comUser")->setCurrentIndex(combo(f, "comUser")->count() - 1);
                ASSERT_EQ(combo(f, "comUser")->currentText(), "新增经办人.....");
            }
            combo(f, "comCk")->setCurrentIndex(-1);
            click(f, "btnOK");
            EXPECT_EQ(MsgScript::texts(), QStringList{QString::fromUtf8(messages[broken])});
            EXPECT_EQ(MsgScript::last().title, "系统提示");
            if (broken > 0)
                MsgScript::answer(MsgAnswer::No);
        });
    }
    EXPECT_EQ(prompts, 0);

    // Everything in place: a paid amount that is no number is refused before the prompt, then
    // the prompt decides; cancelled, the bill stays as it was.
    choice = 2;
    open([&](TF_Cgjh* f) {
        scanBarcode(f, QStringLiteral("6901234567890"));
        MsgScript::reset();
        box(f, "tsfje")->setText(QStringLiteral("12x"));
        click(f, "btnOK");
        EXPECT_EQ(MsgScript::texts(), QStringList{"实付金额不是有效的数字，请重新输入！"});
        EXPECT_EQ(prompts, 0);
        box(f, "tsfje")->setText(QStringLiteral("12"));
        QTest::keyClick(box(f, "tnote"), Qt::Key_F5);
        EXPECT_EQ(prompts, 1);
        EXPECT_EQ(gridRows(), 1);
        MsgScript::answer(MsgAnswer::No);
    });
    EXPECT_EQ(rows("select count(*) from jxc_jhd"), "0");
}

TEST_F(CgjhWindow, ClosingAsksAndKeepsTheBillUnlessToldNo)
{
    choice = 2;
    QString number;
    open([&](TF_Cgjh* f) {
        number = f->number();
        scanBarcode(f, QStringLiteral("6901234567890"));
        writeLine(kReceiptLines, number, sized(boot, 40, {qty("38", "棕色", 1)}));

        MsgScript::answer(MsgAnswer::Cancel);
        f->close();
        EXPECT_TRUE(f->isVisible());
        EXPECT_EQ(MsgScript::last().text, "当前单据还未保存，是否保存？");

        // "是" with a cancelled prompt, then with a refused save: the window stays with its lines.
        MsgScript::answer(MsgAnswer::Yes);
        f->close();
        EXPECT_TRUE(f->isVisible());
        EXPECT_EQ(prompts, 1);
        box(f, "tghs")->clear();
        MsgScript::answer(MsgAnswer::Yes);
        QTest::keyClick(f, Qt::Key_Escape);
        EXPECT_TRUE(f->isVisible());
        EXPECT_EQ(MsgScript::last().text, "请选择供货商！");
        EXPECT_EQ(counts(number), "2/1");

        MsgScript::answer(MsgAnswer::No);
        f->close();
        EXPECT_FALSE(f->isVisible());
    });
    EXPECT_EQ(counts(number), "0/0");
    EXPECT_EQ(MsgScript::pending(), 0);
}

TEST_F(CgjhWindow, ASavePostsTheBillAndShowsTheNextNumberAndAnEmptyBillAlsoWhenPrintingFails)
{
    const QString supplier = shop.supplier(QStringLiteral("温州鞋业"));
    csDjzddy = QStringLiteral("1");
    csDjzddysl = QStringLiteral("2");
    int printJobs = 0;
    setReportInterceptor([&](ReportJob&) -> bool {
        ++printJobs;
        throw DbError(QStringLiteral("打印机没有响应"));
    });
    // Texts that must reach the books as typed: quotes, "--", non-GBK characters, full lengths.
    const QString note = QStringLiteral("It's -- '备注' 😀 𠮷 ") + QString(80, u'长');
    const QString name = QStringLiteral("温州'鞋业'--😀");
    open([&](TF_Cgjh* f) {
        child<QDateEdit>(f, "dateCg")->setDate(QDate(2013, 5, 27));
        scanBarcode(f, QStringLiteral("6901234567890"));
        scanBarcode(f, QStringLiteral("6901234567890"));
        csCgdj = QStringLiteral("2");
        scanBarcode(f, QStringLiteral("6901234567890"));
        curGhsSn = supplier;  // as the supplier panel leaves it
        box(f, "tghs")->setText(name);
        box(f, "tnote")->setText(note);
        box(f, "tsfje")->setText(QStringLiteral("150"));
        combo(f, "comJsfs")->setCurrentIndex(1);
        click(f, "btnOK");

        EXPECT_EQ(prompts, 1);
        EXPECT_EQ(printJobs, 1);
        EXPECT_TRUE(MsgScript::texts().join(u' ').contains(QStringLiteral("打印机没有响应")));
        // The window is ready for the next bill.
        EXPECT_EQ(label(f, "jsn"), "CJ130528010001");
        EXPECT_EQ(gridRows(), 0);
        EXPECT_EQ(child<QDateEdit>(f, "dateCg")->date(), QDate(2013, 5, 28));
        EXPECT_EQ(box(f, "tnote")->text(), "");
        EXPECT_EQ(label(f, "yfje"), "");
        EXPECT_TRUE(combo(f, "comCk")->isEnabled());
        EXPECT_FALSE(child<QPushButton>(f, "btnModi")->isVisibleTo(f));
        // Saving again has nothing to save.
        MsgScript::reset();
        click(f, "btnOK");
        EXPECT_EQ(MsgScript::texts(), QStringList{"单据中没有业务发生，不能保存！"});
    });
    EXPECT_EQ(rows("select j_sn,ghs_sn,j_jhrq,j_yfje,j_sfje,a_name from jxc_jhd"),
              QStringLiteral("CJ130527010001|%1|2013-05-27|170|150|张三").arg(supplier));
    EXPECT_EQ(rows("select j_note from jxc_jhd"), note);
    EXPECT_EQ(rows("select count(*),sum(jh_sl) from jxc_jhsp where j_sn='CJ130527010001' and tid=id"), "3|3");
    EXPECT_EQ(rows("select count(*) from jxc_xjyh where gl_djh='CJ130527010001'"), "1");
    EXPECT_EQ(prompts, 1);
}

TEST_F(CgjhWindow, RecentSuppliersAreTheTenNewestWithReceiptsThatAreNotDisabled)
{
    QStringList made;
    for (int i = 0; i < 12; ++i) {
        made << shop.supplier(QStringLiteral("供货商%1").arg(i));
        shop.receipt().supplier(made.last()).line(boot, 40, {{"38", "棕色", 1}}).post();
    }
    execSql(QStringLiteral("update jxc_ghsxx set ghs_forbid=1 where ghs_sn=?"), {{QString(), made.at(11)}});
    open([&](TF_Cgjh*) {
        QStringList shown;
        for (int r = 0; r < DataModule->Q_GhsxxLs->rowCount(); ++r)
            shown << DataModule->Q_GhsxxLs->value(r, QStringLiteral("ghs_sn"));
        QStringList expected;
        for (int i = 10; i >= 1; --i)
            expected << made.at(i);
        EXPECT_EQ(shown, expected);
    });
}

TEST_F(CgjhWindow, TheSupplierPanelSetsTheBillsSupplierAndItsAccountStrip)
{
    const QString supplier = shop.supplier(QStringLiteral("温州鞋业"));
    shop.receipt().supplier(supplier).line(boot, 40, {{"38", "棕色", 2}}).paid(30).mode(CgjhMode::RestOwed).post();
    open([&](TF_Cgjh* f) {
        QLineEdit* ghs = box(f, "tghs");
        QWidget* panel = child<QWidget>(f, "panelGhs");
        QWidget* strip = child<QWidget>(f, "panelZw");
        ghs->clear();
        typeText(ghs, QStringLiteral("温州"));
        EXPECT_TRUE(panel->isVisible());
        QTest::keyClick(ghs, Qt::Key_F5);
        EXPECT_FALSE(panel->isVisible());
        EXPECT_EQ(ghs->text(), "温州鞋业");
        EXPECT_EQ(curGhsSn, supplier);
        EXPECT_TRUE(strip->isVisible());
        EXPECT_EQ(label(f, "lbZwYf") + "," + label(f, "lbZwSf") + "," + label(f, "lbZwWf"), "80 元,30 元,50 元");

        // Texts that match nothing: nothing is chosen, Esc closes the panel only.
        ghs->clear();
        typeText(ghs, QStringLiteral("温州'鞋--业😀𠮷") + QString(40, u'长'));
        EXPECT_EQ(ghs->text().size(), 32);
        QTest::keyClick(ghs, Qt::Key_F5);
        EXPECT_EQ(curGhsSn, supplier);
        QTest::keyClick(ghs, Qt::Key_Escape);
        EXPECT_FALSE(panel->isVisible());
        EXPECT_TRUE(f->isVisible());

        // The default supplier hides the strip.
        ghs->clear();
        typeText(ghs, QStringLiteral("普通"));
        QTest::keyClick(ghs, Qt::Key_F5);
        EXPECT_EQ(curGhsSn, "100001");
        EXPECT_FALSE(strip->isVisible());
    });
}

TEST_F(CgjhWindow, OldGoodsComeFromThePickerIntoTheBill)
{
    QString seen;
    registerWindow(QStringLiteral("TF_Cgjh_Add"), [&](const QString&) {
        seen = paramValue + " " + goodsPickerTarget.number + " " + goodsPickerTarget.warehouse;
        writeLine(kReceiptLines, goodsPickerTarget.number, sized(boot, 40, {qty("38", "棕色", 3)}));
    });
    open([&](TF_Cgjh* f) {
        typeText(box(f, "tghs"), QStringLiteral("普通"));  // F2 is the picker's also over the panel
        QTest::keyClick(box(f, "tghs"), Qt::Key_F2);
        EXPECT_EQ(seen, "cgjh " + f->number() + " 100001");
        EXPECT_EQ(paramValue, "");
        EXPECT_EQ(gridRows(), 1);
        EXPECT_EQ(label(f, "yfje"), "120");
        EXPECT_FALSE(combo(f, "comCk")->isEnabled());
        MsgScript::answer(MsgAnswer::No);
    });
}

TEST_F(CgjhWindow, NewGoodsAndSupplierQuotesOpenTheLineDialogOnANewLine)
{
    // The line dialog's next opening: its mode and price noted, one quantity typed, "确定".
    QStringList dialogs;
    auto enterOne = [&] {
        TF_Form::scriptNextOpening(QStringLiteral("TF_Cgjh_Sele"), [&](TF_Form* d) {
            dialogs << modeFlag + " " + curGoodsSn + " " + d->findChild<QLineEdit*>(QStringLiteral("tDj"))->text();
            d->findChild<SizeColorGrid*>(QStringLiteral("StringGridIn"))->setCell(1, 1, QStringLiteral("2"));
            d->findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
        });
    };
    QString cardChoice;  // the quoted goods the supplier card hands back, none when empty
    registerWindow(QStringLiteral("TF_Cgjh_Ghs"), [&](const QString&) {
        if (cardChoice.isEmpty())
            return;
        modeFlag = QStringLiteral("cgjh_ghs");
        curGoodsSn = cardChoice;
        choiceParam = QStringLiteral("35");
    });
    open([&](TF_Cgjh* f) {
        // The new-goods dialog hands back a goods code: the line dialog adds it.
        TF_Form::scriptNextOpening(QStringLiteral("F_Cgjh_Goods_Add"), [&](TF_Form* d) {
            curGoodsSn = boot;
            modeFlag = QStringLiteral("1");
            d->close();
        });
        enterOne();
        QTest::keyClick(box(f, "tnote"), Qt::Key_F9);
        // Closed without a goods: nothing more opens.
        TF_Form::scriptNextOpening(QStringLiteral("F_Cgjh_Goods_Add"), [](TF_Form* d) { d->close(); });
        click(f, "btnNew");

        trigger(f, "actGhsCard");  // closed without a choice
        cardChoice = boot;
        enterOne();
        trigger(f, "actGhsCard2");
        EXPECT_EQ(dialogs, (QStringList{"cgjh_new " + boot + " 40.00", "cgjh_ghs " + boot + " 35.00"}));
        EXPECT_EQ(rows("select jh_dj,jh_sl from jxc_jhsp where j_sn=? order by id", {{QString(), f->number()}}),
                  "40|2 35|2");
        EXPECT_EQ(gridRows(), 2);
        EXPECT_EQ(label(f, "yfje"), "150");
        EXPECT_EQ(modeFlag + curGoodsSn + choiceParam, "");
        MsgScript::answer(MsgAnswer::No);
    });
    EXPECT_EQ(TF_Form::pendingScripts(), 0);
}

TEST_F(CgjhWindow, AConfirmedPrintSetsTheSkipFlagAndACancelledOneDoesNot)
{
    bool confirm = false;
    QList<ReportJob::Kind> jobs;
    setReportInterceptor([&](ReportJob& job) {
        jobs << job.kind;
        return confirm;
    });
    open([&](TF_Cgjh* f) {
        trigger(f, "actPrint");  // an empty bill prints nothing
        EXPECT_TRUE(jobs.isEmpty());
        writeLine(kReceiptLines, f->number(), sized(boot, 40, {qty("38", "棕色", 1)}));
        trigger(f, "actPrint");
        EXPECT_FALSE(f->skipActivate());
        confirm = true;
        trigger(f, "actPrint2");
        EXPECT_TRUE(f->skipActivate());
        EXPECT_EQ(jobs.size(), 2);
        f->setSkipActivate(false);
        trigger(f, "actPreview");
        EXPECT_EQ(jobs.last(), ReportJob::Kind::Preview);
        EXPECT_FALSE(f->skipActivate());
        discardLines(kReceiptLines, f->number());
    });
}

TEST_F(CgjhWindow, TheSupplierMenuOpensItsWindowsOnTheSupplierText)
{
    struct Case {
        const char* action;
        const char* window;
        const char* word;
    };
    const Case cases[] = {{"actGhsWlzw", "TF_WlzwGhs", "cgjh1"},
                          {"actGhsWlzw2", "TF_WlzwGhs", "cgjh1"},
                          {"actGhsJh", "TF_Cgth_Zdth", "cgjh"},
                          {"actGhsTh", "TF_Cgth", "cgjh"}};
    QStringList opened;
    for (const char* window : {"TF_WlzwGhs", "TF_Cgth_Zdth", "TF_Cgth"})
        registerWindow(QLatin1String(window), [&opened, window](const QString&) {
            opened << QStringLiteral("%1 %2 %3").arg(QLatin1String(window), callerFlag, detailTable);
        });
    open([&](TF_Cgjh* f) {
        box(f, "tghs")->setText(QStringLiteral(" 温州'鞋业 "));
        for (const Case& c : cases) {
            trigger(f, c.action);
            EXPECT_EQ(opened.takeLast(), QStringLiteral("%1 %2 温州'鞋业").arg(QLatin1String(c.window), QLatin1String(c.word)));
            EXPECT_EQ(callerFlag + detailTable, "");
        }
    });
}

TEST_F(CgjhWindow, TheHandlerAndRemarkPickersAnswerTheReceiptByItsWord)
{
    QStringList opened;
    registerWindow(QStringLiteral("TF_User2"), [&](const QString&) { opened << "TF_User2:" + callerFlag; });
    registerWindow(QStringLiteral("TF_Djbz"), [&](const QString&) {
        opened << "TF_Djbz:" + callerFlag;
        if (const NoteTarget* t = remarkCallers().find(callerFlag))
            (*t)(QStringLiteral("货到付款"));
    });
    open([&](TF_Cgjh* f) {
        EXPECT_TRUE(opened.isEmpty());  // not while the window fills its boxes
        CodeComboBox* user = combo(f, "comUser");
        user->setCurrentIndex(user->count() - 1);
        EXPECT_EQ(user->currentIndex(), -1);
        EXPECT_EQ(callerFlag, "");
        child<QToolButton>(f, "btnNote")->click();
        EXPECT_EQ(box(f, "tnote")->text(), "货到付款");
        ASSERT_NE(handlerCallers().find(QStringLiteral("jh")), nullptr);
        EXPECT_EQ(handlerCallers().find(QStringLiteral("jh"))->combo(), user);
    });
    EXPECT_EQ(opened, (QStringList{"TF_User2:jh", "TF_Djbz:jh"}));
}

// The pending list's bills, newest first: "number|payable|paid|status".
QString pendingList()
{
    QStringList out;
    const NamedQuery* q = DataModule->Q_Shdj;
    for (int r = 0; r < q->rowCount(); ++r)
        out << QStringList{q->value(r, "gl_djh"), q->value(r, "sh_yfje"), q->value(r, "sh_sfje"), q->value(r, "status")}.join(u'|');
    return out.join(u' ');
}

TEST_F(CgjhWindow, APendingSaveHoldsTheBillAndThePendingPageSearchesEditsAndAuditsIt)
{
    const QString other = shop.receipt().line(boot, 40, {{"38", "棕色", 1}}).note("别的单").hold();  // ...0001
    choice = 0;
    open([&](TF_Cgjh* f) {
        EXPECT_EQ(pendingList(), other + "|40|40|未审核");  // listed at activation
        scanBarcode(f, QStringLiteral("6901234567890"));
        scanBarcode(f, QStringLiteral("6901234567890"));
        box(f, "tsfje")->setText(QStringLiteral("30"));
        combo(f, "comJsfs")->setCurrentIndex(1);
        const QString held = f->number();
        EXPECT_EQ(held, "CJ130528010002");
        click(f, "btnOK");
        // Held, and the window shows the next serial and an empty bill.
        EXPECT_EQ(label(f, "jsn"), "CJ130528010003");
        EXPECT_EQ(gridRows(), 0);
        EXPECT_EQ(counts(held), "0/0");
        EXPECT_EQ(rows("select sh_yfje,sh_sfje,sh_th,sh_flag,sh_djzt from jxc_shdj where gl_djh=?", {{QString(), held}}),
                  "100|30|1|cj|0");
        EXPECT_EQ(pendingList(), held + "|100|30|未审核 " + other + "|40|40|未审核");

        // The key matches the note; a hostile key is only a pattern.
        child<QTabWidget>(f, "PageControl1")->setCurrentIndex(1);
        box(f, "tchkKey")->setText(QStringLiteral("别的"));
        QTest::keyClick(box(f, "tchkKey"), Qt::Key_F2);
        EXPECT_EQ(pendingList(), other + "|40|40|未审核");
        box(f, "tchkKey")->setText(QStringLiteral("x' or '1'='1"));
        click(f, "btnSearch2");
        EXPECT_EQ(pendingList(), "");
        EXPECT_FALSE(child<QPushButton>(f, "btnShAdd")->isEnabled());
        box(f, "tchkKey")->clear();
        child<QCheckBox>(f, "chkAllGhs")->click();
        EXPECT_EQ(box(f, "tGhsName")->text(), "全部供货商");
        EXPECT_EQ(DataModule->Q_Shdj->rowCount(), 2);

        // Deleting a line of the held bill lowers its payable, not its paid amount.
        EXPECT_EQ(DataModule->Q_Shsp->rowCount(), 2);
        MsgScript::answer(MsgAnswer::Yes);
        click(f, "btnShDel");
        EXPECT_EQ(pendingList(), held + "|50|30|未审核 " + other + "|40|40|未审核");

        // The audit offers the held paid amount and mode; it posts the bill, which leaves the list.
        TF_Form::scriptNextOpening(QStringLiteral("TF_Cgjh_Check"), [&](TF_Form* d) {
            auto* check = static_cast<TF_Cgjh_Check*>(d);
            EXPECT_EQ(check->lbDjh->text(), held);
            EXPECT_EQ(check->tsfje->text(), "30");
            EXPECT_EQ(check->comJsfs->currentIndex(), 1);
            check->tsfje->setText(QStringLiteral("80"));
            QTest::keyClick(check, Qt::Key_F5);
        });
        click(f, "btnShCheck");
        EXPECT_EQ(pendingList(), other + "|40|40|未审核");
        EXPECT_EQ(label(f, "jsn"), "CJ130528010003");

        // Deleting the last line of a held bill deletes the bill.
        MsgScript::answer(MsgAnswer::Yes);
        click(f, "btnShDel");
        EXPECT_EQ(pendingList(), "");
        EXPECT_FALSE(child<QPushButton>(f, "btnShDel")->isEnabled());
    });
    EXPECT_EQ(rows("select j_sn,j_yfje,j_sfje,a_name from jxc_jhd"), "CJ130528010002|50|80|张三");
    EXPECT_EQ(rows("select sh_djzt,sh_sfje from jxc_shdj"), "1|80");
    EXPECT_EQ(rows("select count(*) from jxc_shsp where gl_djh=?", {{QString(), other}}), "0");
}

TEST_F(CgjhWindow, TheHiddenExportWritesTheLines)
{
    const QString path = QDir(QFileInfo(shop.db().path()).absolutePath()).filePath(QStringLiteral("lines.xls"));
    open([&](TF_Cgjh* f) {
        EXPECT_FALSE(child<QToolButton>(f, "btnImpExp")->isVisibleTo(f));
        scanBarcode(f, QStringLiteral("6901234567890"));
        MsgScript::saveFile(path);
        trigger(f, "actExport");
        EXPECT_TRUE(QFileInfo::exists(path));
    });
    EXPECT_EQ(readWorkbookSheet(path, QStringLiteral("lines")).text(0, 0), "凉鞋");
}

}  // namespace
