// The sales bill window with its line dialog, goods picker and save prompt: activation and the
// lines found under the number, barcode lines, the line dialog's checks, the picker's lists and
// stock test, the save checks and prompt, and a full save with printing.
#include "bills/goodspicker.h"
#include "bills/linedialog.h"
#include "bills/workinglines.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/settings.h"
#include "data/tkc.h"
#include "platform/codecombo.h"
#include "platform/datagrid.h"
#include "platform/msgbox.h"
#include "platform/report.h"
#include "platform/sizecolorgrid.h"
#include "platform/test_report_support.h"
#include "sales/sales.h"
#include "sales/spxs.h"
#include "sales/spxs_add.h"
#include "sales/spxs_sele.h"
#include "support/shop.h"
#include "support/windowregistry.h"

#include <QApplication>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
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

void scanBarcode(QWidget* f, const QString& barcode)
{
    QLineEdit* b = box(f, "tSptm");
    b->setText(barcode);
    QTest::keyClick(b, Qt::Key_Return);
}

class SpxsWindow : public ::testing::Test {
protected:
    SpxsWindow()
    {
        MsgScript::reset();
        TF_Form::clearScripts();
        // 凉鞋 (sale price 160): 39 黑色 × 2, 40 黑色 × 3 in the main warehouse; 靴子 (sale price
        // 80): 38 黑色 × 1, 38 白色 × 1; 拖鞋 never received.
        shop.receipt().line(sandal, 70, {{"39", "黑色", 2}, {"40", "黑色", 3}}).line(boot, 40, {{"38", "黑色", 1}, {"38", "白色", 1}}).post();
    }
    ~SpxsWindow() override
    {
        EXPECT_EQ(TF_Form::pendingScripts(), 0) << "a scripted window did not open";
        TF_Form::clearScripts();
        csXsdj.clear();
        csKc.clear();
        csCbjs.clear();
        csDjzddy.clear();
        csDjzddysl.clear();
        TF_Spxs::openDialogAfterBarcode = false;
        setReportInterceptor({});
        MsgScript::reset();
    }

    // Opens the window and runs `script` while it is open; the window is closed afterwards
    // (a bill with lines answers the close prompt with "否").
    void open(const std::function<void(TF_Spxs*)>& script)
    {
        TF_Form::scriptNextOpening(QStringLiteral("TF_Spxs"), [&](TF_Form* f) {
            script(static_cast<TF_Spxs*>(f));
            if (f->isVisible() && static_cast<TF_Spxs*>(f)->hasLines())
                MsgScript::answer(MsgAnswer::No);
        });
        ensureForm(F_Spxs)->showModalForm();
    }
    // The line dialog's next opening: `script` runs in it.
    static void inDialog(std::function<void(TF_Form*)> script)
    {
        TF_Form::scriptNextOpening(QStringLiteral("TF_Spxs_Sele"), std::move(script));
    }
    static SizeColorGrid* entry(TF_Form* d) { return d->findChild<SizeColorGrid*>(QStringLiteral("StringGridIn")); }
    static QString lines(const QString& number)
    {
        return rows(QStringLiteral("select g_sn,ls_dj,ls_dzl,ls_sl,ls_zje from jxc_lsxssp where gl_djh=? order by id"),
                    {{QString(), number}});
    }

    Shop shop;
    ScopedWindows windows{[] { registerSalesWindows(); }};
    QString sandal = shop.goods("凉鞋", {"39", "40"}, {"黑色"}, 80, 0, "6901234567890");
    QString boot = shop.goods("靴子", {"38"}, {"黑色", "白色"}, 40);
    QString slipper = shop.goods("拖鞋", {}, {}, 10, 0, "6909999999999");
};

TEST_F(SpxsWindow, ActivationShowsTheDefaultsAndTheLinesFoundUnderTheNumber)
{
    open([&](TF_Spxs* f) {
        EXPECT_EQ(label(f, "gldjh"), "XS130528010001");
        EXPECT_EQ(box(f, "tkh")->text(), "普通客户");
        EXPECT_EQ(f->customerSn(), "100001");
        EXPECT_EQ(combo(f, "comUser")->currentText(), "李采购");
        EXPECT_EQ(combo(f, "comCk")->currentText(), "主仓库");
        EXPECT_EQ(combo(f, "comJsfs")->currentText(), "按实付款结算");
        EXPECT_EQ(box(f, "tssje")->text(), "0");
        EXPECT_TRUE(combo(f, "comCk")->isEnabled());
        EXPECT_FALSE(child<QPushButton>(f, "btnModi")->isVisibleTo(f));
    });
    // Lines left under the number an earlier run drew join the next bill and count in its amount.
    writeLine(kSalesLines, QStringLiteral("XS130528010001"),
              {.gSn = slipper, .price = Money::fromDouble(25), .rows = {}, .quantity = Money::fromDouble(2)});
    open([&](TF_Spxs* f) {
        EXPECT_EQ(DataModule->Q_Lsxssp->rowCount(), 1);
        EXPECT_EQ(label(f, "lysje"), "50");
        EXPECT_EQ(box(f, "tssje")->text(), "50");
        EXPECT_FALSE(combo(f, "comCk")->isEnabled());
    });
}

TEST_F(SpxsWindow, ABarcodeAddsALineOfOneAtTheSalePriceOrTheLastSalesPrice)
{
    shop.sale().plainLine(sandal, 77, 1).post();  // the last sales price of 凉鞋
    for (const char* setting : {"0", "1"}) {
        SCOPED_TRACE(setting);
        csXsdj = QLatin1String(setting);
        open([&](TF_Spxs* f) {
            scanBarcode(f, QStringLiteral(" 6901234567890 "));
            const QString price = csXsdj == u"1" ? QStringLiteral("77") : QStringLiteral("160");
            EXPECT_EQ(lines(f->number()), QStringLiteral("%1|%2|1|1|%2").arg(sandal, price));
            EXPECT_EQ(rows("select ls_zhje,a_name from jxc_lsxssp where gl_djh=?", {{QString(), f->number()}}),
                      price + "|张三");
            EXPECT_EQ(rows("select count(*) from jxc_lsxsspmx where gl_djh=?", {{QString(), f->number()}}), "0");
            EXPECT_EQ(label(f, "lysje"), price);
            EXPECT_FALSE(combo(f, "comCk")->isEnabled());
            EXPECT_EQ(box(f, "tSptm")->text(), "");
        });
    }
    open([&](TF_Spxs* f) {
        for (const QString& code : {QStringLiteral("123"), QStringLiteral("69'01--"), QStringLiteral("x' or '1'='1")}) {
            MsgScript::reset();
            scanBarcode(f, code);
            EXPECT_EQ(MsgScript::texts(), QStringList{"没有找到与该条码匹配的商品，请检查！"});
            EXPECT_EQ(MsgScript::last().title, "系统提示");
        }
        EXPECT_EQ(DataModule->Q_Lsxssp->rowCount(), 0);
        EXPECT_TRUE(combo(f, "comCk")->isEnabled());
    });
}

TEST_F(SpxsWindow, TheLineDialogChecksRateQuantityAndStock)
{
    csKc = QStringLiteral("0");  // selling at zero stock not allowed
    open([&](TF_Spxs* f) {
        curGoodsSn = boot;
        modeFlag = QStringLiteral("spxs_add");
        lineDialogTarget = {.number = f->number(), .warehouse = QStringLiteral("100001"), .lineId = 0};
        inDialog([&](TF_Form* d) {
            QLineEdit* price = box(d, "tDj");
            QLineEdit* rate = box(d, "tDzl");
            EXPECT_EQ(price->text(), "80.00");
            EXPECT_EQ(rate->text(), "1");
            // Totals follow each keystroke.
            entry(d)->setCell(1, 1, QStringLiteral("1"));
            EXPECT_EQ(box(d, "tSl")->text(), "1.00");
            EXPECT_EQ(box(d, "tZje")->text(), "80.00");
            rate->setText(QStringLiteral("0.5"));
            EXPECT_EQ(box(d, "tZje")->text(), "40.00");
            entry(d)->setCell(2, 1, QStringLiteral("2"));
            EXPECT_EQ(box(d, "tZje")->text(), "120.00");

            // A rate outside (0, 1] is refused before anything else.
            for (const char* bad : {"0", "1.05", ""}) {
                MsgScript::reset();
                rate->setText(QLatin1String(bad));
                click(d, "btnOK");
                EXPECT_EQ(MsgScript::texts(), QStringList{"打折率错误，重新输入！"}) << bad;
            }
            rate->setText(QStringLiteral("1"));
            // 38 白色 × 2 against a stock of 1: the cursor stays on that (lowest failing) cell.
            MsgScript::reset();
            entry(d)->setCell(1, 1, QStringLiteral("3"));
            click(d, "btnOK");
            EXPECT_EQ(MsgScript::texts(), QStringList{"销售数量不能大于库存数量，重新输入！"});
            EXPECT_EQ(entry(d)->currentGridRow(), 2);
            EXPECT_EQ(entry(d)->currentGridColumn(), 1);
            // No quantity at all.
            MsgScript::reset();
            entry(d)->setCell(1, 1, QString());
            entry(d)->setCell(2, 1, QString());
            click(d, "btnOK");
            EXPECT_EQ(MsgScript::texts(), QStringList{"数量必须大于0，重新输入！"});
            // Within the stock and above cost: written.
            MsgScript::reset();
            rate->setText(QStringLiteral("0.9"));
            entry(d)->setCell(1, 1, QStringLiteral("1"));
            entry(d)->setCell(2, 1, QStringLiteral("1"));
            click(d, "btnOK");
            EXPECT_TRUE(MsgScript::texts().isEmpty()) << MsgScript::texts().join(u' ').toStdString();
            EXPECT_FALSE(d->isVisible());
        });
        showForm(F_Spxs_Sele);
        curGoodsSn.clear();
        modeFlag.clear();
        lineDialogTarget = {};
    });
    EXPECT_EQ(rows("select g_sn,ts_dj,ts_dzl,ts_sl,ts_zje from jxc_tempspxf"), boot + "|80|0.9|2|144");
    EXPECT_EQ(rows("select t_sl from jxc_tempspxfmx order by id"), "1 1");
}

TEST_F(SpxsWindow, ThePickerListsStockedGoodsRefusesZeroStockAndAddsLinesInPickingOrder)
{
    const QString sold = shop.goods("旧款", {}, {}, 10);
    shop.receipt().plainLine(sold, 10, 1).post();
    shop.sale().plainLine(sold, 20, 1).post();  // stocked in the warehouse, none left
    const QString disabled = shop.goods("停用", {}, {}, 10);
    shop.receipt().plainLine(disabled, 10, 1).post();
    execSql("update jxc_goods set g_jy=1 where g_sn=?", {{QString(), disabled}});

    auto listed = [](const DataGrid* grid) {
        QStringList out;
        for (int r = 0; r < grid->loadedRowCount(); ++r)
            out << grid->value(r, QStringLiteral("g_sn"));
        out.sort();
        return out.join(u' ');
    };
    auto choose = [](DataGrid* grid, const QString& gSn) {
        for (int r = 0; r < grid->loadedRowCount(); ++r)
            if (grid->value(r, QStringLiteral("g_sn")) == gSn)
                grid->setCurrentRow(r);
    };
    auto enter = [](int row, int col, const char* qty) {
        TF_Form::scriptNextOpening(QStringLiteral("TF_Spxs_Sele"), [=](TF_Form* d) {
            entry(d)->setCell(row, col, QLatin1String(qty));
            d->findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
        });
    };
    QString number;
    open([&](TF_Spxs* f) {
        number = f->number();
        TF_Form::scriptNextOpening(QStringLiteral("TF_Spxs_Add"), [&](TF_Form* form) {
            auto* w = static_cast<TF_Spxs_Add*>(form);
            QStringList expected{sandal, boot, sold};
            expected.sort();
            EXPECT_EQ(listed(w->DBGridGoods), expected.join(u' '));  // not 拖鞋 (no stock row), not the disabled one

            // None left: refused as settings say.
            struct Case {
                const char* kc;
                const char* cbjs;
                bool opens;
            };
            for (const Case c : {Case{"0", "0", false}, Case{"1", "1", false}, Case{"1", "0", true}}) {
                csKc = QLatin1String(c.kc);
                csCbjs = QLatin1String(c.cbjs);
                MsgScript::reset();
                choose(w->DBGridGoods, sold);
                if (c.opens)
                    TF_Form::scriptNextOpening(QStringLiteral("TF_Spxs_Sele"), [](TF_Form* d) { d->close(); });
                w->btnAddClick();
                EXPECT_EQ(MsgScript::texts(), c.opens ? QStringList{} : QStringList{"库存为零不能销售！"}) << c.kc << c.cbjs;
            }
            csKc = QStringLiteral("0");
            // Three picks, the same goods twice, each with its own rows (靴子's colour rows follow
            // the colours' ids: 白色, then 黑色).
            choose(w->DBGridGoods, boot);
            enter(2, 1, "1");
            w->btnAddClick();
            choose(w->DBGridGoods, sandal);
            enter(1, 2, "2");
            w->btnAddClick();
            choose(w->DBGridGoods, boot);
            enter(1, 1, "1");
            w->btnAddClick();
            w->btnOKClick();
        });
        click(f, "btnAddOld");
        EXPECT_EQ(lines(number), QStringLiteral("%1|80|1|1|80 %2|160|1|2|320 %1|80|1|1|80").arg(boot, sandal));
        EXPECT_EQ(rows("select l.g_sn,m.g_sn,m.t_sl,m.color_sn from jxc_lsxsspmx m join jxc_lsxssp l on l.id=m.tid "
                       "where m.gl_djh=? order by l.id",
                       {{QString(), number}}),
                  QStringLiteral("%1|%1|1|%4 %2|%2|2|%4 %1|%1|1|%3")
                      .arg(boot, sandal, getColorSn(QStringLiteral("白色")), getColorSn(QStringLiteral("黑色"))));
        EXPECT_EQ(label(f, "lysje"), "480");
        EXPECT_EQ(rows("select count(*) from jxc_tempspxf"), "0");
    });
}

TEST_F(SpxsWindow, TheSaveChecksInOrderAndEscInThePromptPostsNothing)
{
    const char* const messages[] = {"单据中没有业务发生，不能保存！", "请选择客户！", "请选择经办人！", "请选择仓库！"};
    for (int broken = 0; broken < 4; ++broken) {
        SCOPED_TRACE(broken);
        MsgScript::reset();
        open([&](TF_Spxs* f) {
            if (broken > 0)
                scanBarcode(f, QStringLiteral("6901234567890"));
            if (broken <= 1)
                box(f, "tkh")->setText(QStringLiteral("   "));
            if (broken <= 2) {
                QSignalBlocker quiet(combo(f, "comUser"));
                combo(f, "comUser")->setCurrentIndex(combo(f, "comUser")->count() - 1);
            }
            combo(f, "comCk")->setCurrentIndex(-1);
            click(f, "btnOK");
            EXPECT_EQ(MsgScript::texts(), QStringList{QString::fromUtf8(messages[broken])});
            EXPECT_EQ(MsgScript::last().title, "系统提示");
        });
    }
    // Esc in the prompt, then "否" to the posting question: nothing is posted, the bill stays.
    open([&](TF_Spxs* f) {
        scanBarcode(f, QStringLiteral("6901234567890"));
        TF_Form::scriptNextOpening(QStringLiteral("TF_Spxs_Save"), [](TF_Form* p) { QTest::keyClick(p, Qt::Key_Escape); });
        click(f, "btnOK");
        MsgScript::reset();
        MsgScript::answer(MsgAnswer::No);
        TF_Form::scriptNextOpening(QStringLiteral("TF_Spxs_Save"), [](TF_Form* p) { QTest::keyClick(p, Qt::Key_F5); });
        QTest::keyClick(box(f, "tnote"), Qt::Key_F5);
        EXPECT_EQ(MsgScript::last().text,
                  "单据保存后不能再修改，是否确认保存！\r\n\r\n管理员可以在往来账目中整单删除错误的数据！");
        EXPECT_EQ(DataModule->Q_Lsxssp->rowCount(), 1);
    });
    EXPECT_EQ(rows("select count(*) from jxc_lsxsd"), "0");
    EXPECT_EQ(rows("select count(*) from jxc_ysyfk where k_type='kh'"), "0");
}

TEST_F(SpxsWindow, ASavePostsOnAccountAndPrintsTwoCopiesFromOneDialog)
{
    csDjzddy = QStringLiteral("1");
    csDjzddysl = QStringLiteral("2");
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("bill.pdf"));
    QList<ReportJob::Kind> jobs;
    Report::setReportDir(shippedReportDir());
    setReportInterceptor([&](ReportJob& job) {
        jobs.append(job.kind);
        job.printer->setOutputFormat(QPrinter::PdfFormat);
        job.printer->setOutputFileName(pdf);
        return true;
    });
    const QString customer = shop.customer(QStringLiteral("鹿城鞋店"));
    open([&](TF_Spxs* f) {
        scanBarcode(f, QStringLiteral("6909999999999"));  // 拖鞋 at 20, no stock row
        // The customer panel's choice becomes the bill's customer.
        click(f, "btnSeleGhs");
        auto* panel = child<QWidget>(f, "RzPanelKh");
        EXPECT_TRUE(panel->isVisible());
        auto* all = child<DataGrid>(panel, "gridAll");
        for (int r = 0; r < all->loadedRowCount(); ++r)
            if (all->value(r, QStringLiteral("kh_sn")) == customer)
                all->setCurrentRow(r);
        QTest::keyClick(f, Qt::Key_F5);
        EXPECT_FALSE(panel->isVisible());
        EXPECT_EQ(f->customerSn(), customer);
        EXPECT_EQ(box(f, "tkh")->text(), "鹿城鞋店");
        EXPECT_TRUE(child<QWidget>(f, "RzPanel_Kh1")->isVisibleTo(f));

        box(f, "tssje")->setText(QStringLiteral("15"));
        combo(f, "comJsfs")->setCurrentIndex(1);  // "余款记入应收帐"
        MsgScript::answer(MsgAnswer::Yes);
        TF_Form::scriptNextOpening(QStringLiteral("TF_Spxs_Save"), [](TF_Form* p) {
            p->findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
        });
        click(f, "btnOK");
        EXPECT_EQ(label(f, "gldjh"), "XS130528010002");  // the next bill
    });
    EXPECT_EQ(rows("select gl_djh,kh_sn,ls_yfje,ls_sfje,ls_yhje from jxc_lsxsd"),
              QStringLiteral("XS130528010001|%1|20|15|0").arg(customer));
    EXPECT_EQ(rows("select kh_lwje from jxc_khxx where kh_sn=?", {{QString(), customer}}), "5");
    EXPECT_EQ(rows("select kc_sl,kc_xssl from jxc_kcsp where g_sn=?", {{QString(), slipper}}), "-1|1");
    EXPECT_EQ(jobs, QList<ReportJob::Kind>{ReportJob::Kind::Print});
    EXPECT_EQ(pdfPages(pdf).size(), 2);
    const QString text = pdfText(pdf).remove(QRegularExpression(QStringLiteral("\\s+")));
    EXPECT_TRUE(text.contains(QStringLiteral("应付金额：贰拾元整")));
    EXPECT_TRUE(text.contains(QStringLiteral("实付金额：壹拾伍元整")));
    EXPECT_TRUE(text.contains(QStringLiteral("拖鞋")));
    Report::setReportDir(QString());
}

}  // namespace
