// The lending windows: the loan window with its picker and line dialog (stock check, lines with
// their own size rows, save, new number, customer strip, print), the register's lists (settled
// lines, current cost, hostile keys) and the give-back and conversion opened from it.
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/settings.h"
#include "platform/codecombo.h"
#include "platform/msgbox.h"
#include "platform/partnerpanel.h"
#include "platform/report.h"
#include "platform/sizecolorgrid.h"
#include "platform/test_report_support.h"
#include "sales/khjhgl.h"
#include "sales/khjhgl_hh.h"
#include "sales/khjhgl_jh.h"
#include "sales/khjhgl_jh_add.h"
#include "sales/khjhgl_jh_sele.h"
#include "sales/khjhgl_xs.h"
#include "sales/sales.h"
#include "support/shop.h"
#include "support/windowregistry.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTemporaryDir>
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

class LendingWindows : public ::testing::Test {
protected:
    LendingWindows() { MsgScript::reset(); }
    ~LendingWindows() override
    {
        TF_Form::clearScripts();
        csKc.clear();
        curKhSn.clear();
    }

    Shop shop;
    QString kh = shop.customer("甲");
    QString sandal = shop.goods("凉鞋", {"39", "40"}, {"黑色"}, 60);
    QString boot = shop.goods("靴子", {"38"}, {"棕色"}, 40);
    QString slipper = shop.goods("拖鞋", {"36"}, {"白色"}, 10);
    QString receipt = shop.receipt()
                          .line(sandal, 50, {{"39", "黑色", 4}, {"40", "黑色", 4}})
                          .line(boot, 80, {{"38", "棕色", 2}})
                          .line(slipper, 10, {{"36", "白色", 5}})
                          .post();
    ScopedWindows windows{registerSalesWindows};

    // Adds goods row `row` of the picker's list with `cells` (row, column, quantity) entered.
    static void pickRow(TF_Khjhgl_Jh_Add* picker, int row, const QList<std::tuple<int, int, QString>>& cells)
    {
        lendingQuery("Q_KhjhGoods")->setCurrentRow(row);
        TF_Form::scriptNextOpening(QStringLiteral("TF_Khjhgl_Jh_Sele"), [cells](TF_Form* d) {
            auto* grid = d->findChild<SizeColorGrid*>(QStringLiteral("StringGridIn"));
            for (const auto& [r, c, q] : cells)
                grid->setCell(r, c, q);
            static_cast<TF_Khjhgl_Jh_Sele*>(d)->btnOKClick();
        });
        picker->btnAddClick();
    }
    void openLoan(const std::function<void(TF_Khjhgl_Jh*)>& script)
    {
        TF_Form::scriptNextOpening(QStringLiteral("TF_Khjhgl_Jh"), [&](TF_Form* f) { script(static_cast<TF_Khjhgl_Jh*>(f)); });
        ensureForm(F_Khjhgl_Jh)->showModalForm();
    }
    void openRegister(const std::function<void(TF_Khjhgl*)>& script)
    {
        TF_Form::scriptNextOpening(QStringLiteral("TF_Khjhgl"), [&](TF_Form* f) { script(static_cast<TF_Khjhgl*>(f)); });
        ensureForm(F_Khjhgl)->showModalForm();
    }
};

TEST_F(LendingWindows, LoanRefusesStockItLacksAndSavesThreePickedGoodsAsTheirOwnLines)
{
    csKc = QStringLiteral("1");  // selling at zero stock allowed: loans are checked all the same
    openLoan([&](TF_Khjhgl_Jh* w) {
        EXPECT_EQ(w->number(), "JH130528010001");
        EXPECT_FALSE(w->RzPanel_Kh1->isVisible());
        w->btnOKClick();  // no lines
        // First visit: the sandal, refused twice (40 black over stock in the lower row, then no
        // stock in a row of its own), then 1 × 39.
        TF_Form::scriptNextOpening(QStringLiteral("TF_Khjhgl_Jh_Add"), [&](TF_Form* p) {
            auto* picker = static_cast<TF_Khjhgl_Jh_Add*>(p);
            ASSERT_EQ(lendingQuery("Q_KhjhGoods")->rowCount(), 3);
            pickRow(picker, 0, {{1, 1, "1"}, {1, 2, "9"}});
            EXPECT_EQ(rows("select count(*) from jxc_tempspxf"), "0");
            pickRow(picker, 0, {{1, 1, "1"}});
            picker->btnOKClick();
        });
        w->btnAddClick();
        ASSERT_TRUE(w->hasLines());
        EXPECT_FALSE(w->comCk->isEnabled());
        // Second visit: three goods into the loan that has a line.
        TF_Form::scriptNextOpening(QStringLiteral("TF_Khjhgl_Jh_Add"), [&](TF_Form* p) {
            auto* picker = static_cast<TF_Khjhgl_Jh_Add*>(p);
            pickRow(picker, 0, {{1, 1, "1"}, {1, 2, "3"}});
            pickRow(picker, 1, {{1, 1, "2"}});
            pickRow(picker, 2, {{1, 1, "5"}});
            picker->btnOKClick();
        });
        w->btnAddClick();
        EXPECT_EQ(lendingQuery("Q_Khjh")->rowCount(), 4);

        w->customerChosen(kh, "甲");
        EXPECT_FALSE(w->RzPanel_Kh1->isHidden());
        MsgScript::answer(MsgAnswer::Yes);
        w->btnOKClick();
        EXPECT_FALSE(w->hasLines());
        EXPECT_EQ(w->number(), "JH130528010002");
        EXPECT_TRUE(w->comCk->isEnabled());
    });
    EXPECT_EQ(MsgScript::texts(), (QStringList{"还没有添加商品信息，不能保存！", "借货数量不能大于库存数量，重新输入！",
                                               "数据保存后不能再修改，是否确认保存！"}));
    // Each line with exactly its own size rows, all under the loan and of the customer.
    EXPECT_EQ(rows("select b.g_name,a.jh_sl,a.kh_sn,(select group_concat(cast(t_sl as integer)) from jxc_jhglmx m where m.tid=a.id "
                   "and m.gl_djh=a.gl_djh) from jxc_jhgl a join jxc_goods b on b.g_sn=a.g_sn order by a.id"),
              "凉鞋|1|" + kh + "|1 " + "凉鞋|4|" + kh + "|1,3 " + "靴子|2|" + kh + "|2 " + "拖鞋|5|" + kh + "|5");
}

TEST_F(LendingWindows, LineDialogNamesTheLowestOffendingRow)
{
    // A goods with two colours: the refusal is the lower row's, whatever the upper says.
    const QString shoe = shop.goods("皮鞋", {"41"}, {"红色", "蓝色"}, 30);
    shop.receipt().line(shoe, 30, {{"41", "红色", 1}}).post();
    curGoodsSn = shoe;
    modeFlag = QStringLiteral("khjh_add");
    lineDialogTarget = {.number = "JH130528010001", .warehouse = "100001", .lineId = 0};
    TF_Form::scriptNextOpening(QStringLiteral("TF_Khjhgl_Jh_Sele"), [](TF_Form* d) {
        auto* grid = d->findChild<SizeColorGrid*>(QStringLiteral("StringGridIn"));
        grid->setCell(1, 1, "2");  // red: over its stock of 1
        grid->setCell(2, 1, "1");  // blue: no stock
        static_cast<TF_Khjhgl_Jh_Sele*>(d)->btnOKClick();
        EXPECT_EQ(grid->currentGridRow(), 2);
        d->close();
    });
    ensureForm(F_Khjhgl_Jh_Sele)->showModalForm();
    modeFlag.clear();
    curGoodsSn.clear();
    EXPECT_EQ(MsgScript::texts(), QStringList{"库存为0不允许借货，重新输入！"});
    EXPECT_EQ(rows("select count(*) from jxc_tempspxf"), "0");
}

TEST_F(LendingWindows, LoanPrintRendersItsVariablesAndSizeRows)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath("khjh.pdf");
    Report::setReportDir(shippedReportDir());
    setReportInterceptor([&](ReportJob& job) {
        job.report->exportPdf(pdf);
        return true;
    });
    execSql("update jxc_khxx set kh_lxr='赵老板',kh_tele='13900002222' where kh_sn=?", {{QString(), kh}});
    LoanBuilder loan = shop.loan();
    loan.customer(kh).line(sandal, {{"39", "黑色", 3}, {"40", "黑色", 2}}).note("样品");
    const QString djh = loan.post();
    printGoodsDetail(khjhPrint(djh, kh, "甲", "默认仓库", "2013-05-28", "样品", "经办"));
    setReportInterceptor({});
    Report::setReportDir(QString());
    const QString text = pdfText(pdf).remove(QRegularExpression("\\s+"));
    for (const char* part : {"客户借货单", "JH130528010001", "甲", "赵老板", "13900002222", "默认仓库", "2013-05-28", "样品", "经办"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(part))) << part;
    EXPECT_TRUE(text.contains("凉鞋")) << text.toStdString();
    EXPECT_TRUE(text.contains("39黑色") || text.contains("黑色39")) << text.toStdString();
}

TEST_F(LendingWindows, RegisterHidesSettledLinesAndValuesAtTheCurrentCost)
{
    const auto lend = [&](const QString& g, std::initializer_list<VariantQty> r) {
        LoanBuilder loan = shop.loan();
        loan.customer(kh).line(g, r);
        loan.post();
        return selectValue("select max(id) from jxc_jhgl where jh_flag='j'").toLongLong();
    };
    const qint64 settled = lend(sandal, {{"39", "黑色", 1}});
    lend(boot, {{"38", "棕色", 2}});
    postKhjhGiveBack({.lineId = settled, .uSn = shop.handlerSn(), .date = "2013-05-28", .op = operatorName});
    KhjhglFilter f{.d1 = "2013-05-01", .d2 = "2013-05-28"};
    const auto list = [&](const KhjhglFilter& filter) {
        const ResultSet rs = openSelect(khjhglLinesSql(filter));
        QStringList out;
        for (int r = 0; r < rs.rowCount(); ++r)
            out << rs.text(r, "g_name") + "|" + rs.text(r, "jh_sl") + "|" + rs.text(r, "zje");
        return out.join(u' ');
    };
    EXPECT_EQ(list(f), "靴子|2|160");
    f.showSettled = true;
    EXPECT_EQ(list(f), "靴子|2|160 凉鞋|0|0");
    execSql("update jxc_kcsp set kc_cbj=90 where g_sn=?", {{QString(), boot}});
    f.showSettled = false;
    EXPECT_EQ(list(f), "靴子|2|180");
    EXPECT_EQ(rows(khjhglCustomersSql(f)), kh + "|甲||0|2|180");
    EXPECT_EQ(rows(khjhglGoodsSql(f)).section(u'|', 0, 0), boot);
    f.d2 = "2013-05-27";  // a line of the end day counts only up to that day
    EXPECT_EQ(list(f), "");

    // Hostile keys are bound as text: no error, no stray rows.
    f.d2 = "2013-05-28";
    for (const char* key : {"'", "--", "%", "_", "甲' or '1'='1", "\\", "😀", "全部客户"}) {
        SCOPED_TRACE(key);
        f.key = QString::fromUtf8(key);
        EXPECT_NO_THROW(openSelect(khjhglLinesSql(f)));
        EXPECT_NO_THROW(openSelect(khjhglGoodsSql(f)));
        EXPECT_EQ(openSelect(khjhglCustomersSql(f)).rowCount(), f.key == "全部客户" ? 1 : 0);
    }
    f.key = QString(5000, u'鞋');
    EXPECT_EQ(openSelect(khjhglGoodsSql(f)).rowCount(), 0);
}

TEST_F(LendingWindows, RegisterGivesBackAndConvertsTheFocusedLine)
{
    for (const QString& g : {sandal, boot}) {
        LoanBuilder loan = shop.loan();
        loan.customer(kh).line(g, {{g == sandal ? "39" : "38", g == sandal ? "黑色" : "棕色", 1}});
        loan.post();
    }
    const QString other = shop.customer("乙");
    LoanBuilder loan = shop.loan();
    loan.customer(other).line(slipper, {{"36", "白色", 2}});
    loan.post();

    openRegister([&](TF_Khjhgl* w) {
        ASSERT_EQ(lendingQuery("Q_Khjhgl1")->rowCount(), 3);
        // The newest line first: the slipper of 乙. Convert it at 20, half paid, rest owed.
        TF_Form::scriptNextOpening(QStringLiteral("TF_Khjhgl_Xs"), [](TF_Form* f) {
            auto* x = static_cast<TF_Khjhgl_Xs*>(f);
            x->tdj->setText("20");
            x->priceChanged();
            x->tsfje->setText("30");
            x->comJsfs->setCurrentIndex(1);
            MsgScript::answer(MsgAnswer::Yes);
            x->btnOKClick();
        });
        w->saleClick();
        EXPECT_EQ(lendingQuery("Q_Khjhgl1")->rowCount(), 2);
        // Give back the boot of 甲: afterwards the list shows 甲's open lines only.
        lendingQuery("Q_Khjhgl1")->setCurrentRow(0);
        TF_Form::scriptNextOpening(QStringLiteral("TF_Khjhgl_Hh"), [](TF_Form* f) {
            MsgScript::answer(MsgAnswer::Yes);
            static_cast<TF_Khjhgl_Hh*>(f)->btnOKClick();
        });
        w->giveBackClick();
        EXPECT_EQ(curKhSn, kh);
        ASSERT_EQ(lendingQuery("Q_Khjhgl1")->rowCount(), 1);
        EXPECT_EQ(lendingQuery("Q_Khjhgl1")->fieldByName("g_sn"), sandal);
        EXPECT_EQ(lendingQuery("Q_Khjhgl2")->rowCount(), 0);
        w->allCustomersClick();
        EXPECT_EQ(w->keys[0]->text(), "全部客户");
        EXPECT_EQ(lendingQuery("Q_Khjhgl1")->rowCount(), 1);
    });
    EXPECT_EQ(rows("select kh_sn,ls_yfje,ls_sfje from jxc_lsxsd"), other + "|40|30");
    EXPECT_EQ(selectValue("select kh_lwje from jxc_khxx where kh_sn=?", {{QString(), other}}), "10");
    EXPECT_EQ(rows("select jh_sl from jxc_jhgl where jh_flag='h' order by id"), "-2 -1");
    EXPECT_EQ(rows("select kc_sl from jxc_kcsp where g_sn=?", {{QString(), boot}}), "2");
}

}  // namespace
