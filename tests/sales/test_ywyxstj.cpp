// The salesman sales statistics: the bill list of sales, returns and receipts with its filters,
// the goods totals and journal rows, the performance table with its commission, the
// per-customer table, the print of a posted return, and the search dialog's answer.
#include "data/globals.h"
#include "masterdata/staffrecords.h"
#include "platform/codecombo.h"
#include "platform/datagrid.h"
#include "platform/msgbox.h"
#include "platform/partnerpanel.h"
#include "sales/sales.h"
#include "sales/spxsprint.h"
#include "sales/ywyxstj.h"
#include "sales/ywyxstj_cx.h"
#include "support/shop.h"
#include "support/windowregistry.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include <gtest/gtest.h>

namespace {

// "field/field" of every row in the statement's order.
QString rows(const QString& sql, std::initializer_list<const char*> fields)
{
    const ResultSet rs = openSelect(sql);
    QStringList out;
    for (int r = 0; r < rs.rowCount(); ++r) {
        QStringList cells;
        for (const char* f : fields)
            cells << rs.text(r, QLatin1String(f));
        out << cells.join(u'/');
    }
    return out.join(u' ');
}

// Clock 2013-05-28. Salesman 王 (5 % commission) and 赵 (10 %); customers 张 and 李.
//   XS a: 王 to 张, 2 sandal @150 (cost 80), received 200, today
//   XS b: 王 to 李, 1 runner @200 (cost 100) from 二号仓, received 200, 2013-05-10
//   XS c: 赵 to 张, 1 sandal @150, nothing received, 2013-04-30
//   XT r: 王 from 张, 1 sandal @150 refunded in full, today
//   KF receipts of 王: 100 from 张 today at 18:30, −30 (owed) from 李 on 2013-05-15
struct SalesmanShop {
    Shop shop;
    QString wang = staff(QStringLiteral("王业务"), 5);
    QString zhao = staff(QStringLiteral("赵业务"), 10);
    QString khZ = shop.customer(QStringLiteral("张客户"));
    QString khL = shop.customer(QStringLiteral("李客户"));
    QString ck2 = shop.warehouse(QStringLiteral("二号仓"));
    QString sandal = shop.goods(QStringLiteral("凉鞋"), {QStringLiteral("39")}, {QStringLiteral("黑色")});
    QString runner = shop.goods(QStringLiteral("跑鞋"), {QStringLiteral("40")}, {QStringLiteral("白色")});
    QString saleA, saleB, saleC, ret;

    SalesmanShop()
    {
        shop.receipt().line(sandal, 80, {{"39", "黑色", 10}}).post();
        shop.receipt().warehouse(ck2).line(runner, 100, {{"40", "白色", 5}}).post();
        saleC = shop.sale().handler(zhao).customer(khZ).date(QStringLiteral("2013-04-30"))
                    .line(sandal, 150, {{"39", "黑色", 1}}).received(0).post();
        saleB = shop.sale().handler(wang).customer(khL).warehouse(ck2).date(QStringLiteral("2013-05-10"))
                    .line(runner, 200, {{"40", "白色", 1}}).post();
        saleA = shop.sale().handler(wang).customer(khZ).line(sandal, 150, {{"39", "黑色", 2}}).received(200).post();
        ret = shop.customerReturn().handler(wang).customer(khZ).line(sandal, 150, {{"39", "黑色", 1}}).post();
        // Customer receipts have no posting of their own here yet: rows as the receipt stores them.
        receipt("KF130528001", khZ, "2013-05-28 18:30:00", 100);
        receipt("KF130515001", khL, "2013-05-15", -30);
    }

    QString staff(const QString& name, double rate)
    {
        StaffInput u;
        u.name = name;
        u.rate = rate;
        return addStaff(u).code;
    }

    void receipt(const char* sn, const QString& khSn, const char* when, double amount)
    {
        execSql(QStringLiteral("insert into jxc_khfk (kf_sn,kh_sn,u_sn,kf_fkrq,kf_fkje,kf_je,kf_fkfs,a_name,kf_note) "
                               "values (?,?,?,?,?,?,'现金','张三','')"),
                {{QString(), QLatin1String(sn)}, {QString(), khSn}, {QString(), wang}, {QString(), QLatin1String(when)},
                 {QString(), amount}, {QString(), qAbs(amount)}});
    }
};

class Ywyxstj : public ::testing::Test {
protected:
    Ywyxstj() { MsgScript::reset(); }
    ~Ywyxstj() override { TF_Form::clearScripts(); }

    SalesmanShop s;
    ScopedWindows windows{[] { registerSalesStatistics(); }};
    YwyxstjFilter may{.d1 = "2013-05-01", .d2 = "2013-05-28"};
};

TEST_F(Ywyxstj, BillListShowsSalesReturnsAndReceiptsWithTheirSigns)
{
    YwyxstjFilter f = may;
    f.uName = QStringLiteral("王业务");
    // Newest first; a receipt dated with a time still counts on the end day; a negative receipt
    // shows as owed.
    EXPECT_EQ(rows(ywyxstjBillsSql(f), {"djh", "yfje", "sfje", "lr", "lrl", "fktype", "khname"}),
              "KF130528001/0/100/0/0/现金/张客户 " + s.ret + "/-150/-150/-70/46.67/退货支出/张客户 " + s.saleA +
                  "/300/200/140/46.67/销售付款/张客户 KF130515001/30/0/0/0/现金/李客户 " + s.saleB +
                  "/200/200/100/50/销售付款/李客户");

    struct Case {
        const char* kind;
        const char* ckName;
        bool customerL;
        int count;
    } cases[] = {
        {"销售单", "", false, 2}, {"退货单", "", false, 1}, {"付款单", "", false, 2},
        {"", "二号仓", false, 1},  // a warehouse leaves the receipts out
        {"", "", true, 2},          // 李: his sale and his receipt
        {"付款单", "", true, 1},
    };
    for (const Case& c : cases) {
        YwyxstjFilter g = f;
        g.kind = QString::fromUtf8(c.kind);
        g.ckName = QString::fromUtf8(c.ckName);
        g.khSn = c.customerL ? s.khL : QString();
        EXPECT_EQ(openSelect(ywyxstjBillsSql(g)).rowCount(), c.count) << c.kind << " " << c.ckName << " " << c.customerL;
    }
    // One day; the other salesman; every salesman.
    f.d1 = f.d2 = QStringLiteral("2013-05-28");
    EXPECT_EQ(openSelect(ywyxstjBillsSql(f)).rowCount(), 3);
    f = {.d1 = "2013-04-01", .d2 = "2013-04-30", .uName = "赵业务"};
    EXPECT_EQ(rows(ywyxstjBillsSql(f), {"djh"}), s.saleC);
    EXPECT_EQ(openSelect(ywyxstjBillsSql(may)).rowCount(), 5);

    // Lines of a sale and of a return, none for a receipt; hostile numbers find nothing.
    EXPECT_EQ(rows(ywyxstjBillLinesSql(s.saleA), {"g_name", "sl", "zje"}), "凉鞋/2/300");
    EXPECT_EQ(rows(ywyxstjBillLinesSql(s.ret), {"g_name", "sl", "zje"}), "凉鞋/1/150");
    EXPECT_TRUE(ywyxstjBillLinesSql(QStringLiteral("KF130528001")).isEmpty());
    EXPECT_EQ(openSelect(ywyxstjBillLinesSql(QStringLiteral("XS' or 1=1 --"))).rowCount(), 0);
    f = may;
    f.uName = QStringLiteral("王' or '1'='1");
    EXPECT_EQ(openSelect(ywyxstjBillsSql(f)).rowCount(), 0);
}

TEST_F(Ywyxstj, GoodsTotalsAndJournalRowsNetOutReturns)
{
    YwyxstjFilter f = may;
    f.uName = QStringLiteral("王业务");
    EXPECT_EQ(rows(ywyxstjGoodsSql(f), {"g_name", "sl", "zje", "lr"}), "凉鞋/1/150/70 跑鞋/1/200/100");
    // The goods' rows are of any date and salesman.
    EXPECT_EQ(openSelect(ywyxstjGoodsRowsSql(s.sandal)).rowCount(), 3);
    // The journal: "付款单" adds no filter; the kind matches the flag in any case.
    EXPECT_EQ(openSelect(ywyxstjJournalSql(f)).rowCount(), 3);
    f.kind = QStringLiteral("付款单");
    EXPECT_EQ(openSelect(ywyxstjJournalSql(f)).rowCount(), 3);
    execSql(QStringLiteral("update jxc_goodslist set gl_flag='XS' where gl_djh=?"), {{QString(), s.saleA}});
    f.kind = QStringLiteral("销售单");
    EXPECT_EQ(rows(ywyxstjJournalSql(f), {"gl_djh", "lrl"}), s.saleA + "/46.67 " + s.saleB + "/50");
    f.kind = QStringLiteral("退货单");
    f.khSn = s.khZ;
    EXPECT_EQ(rows(ywyxstjJournalSql(f), {"gl_djh", "gl_sl"}), s.ret + "/-1");
    EXPECT_EQ(rows(ywyxstjGoodsSql(may), {"g_name", "sl"}), "凉鞋/1 跑鞋/1");
}

TEST_F(Ywyxstj, PerformanceAndCommission)
{
    // 王: sales 400 (a bill's due is what is left after the amount written off at saving: 张's
    // bill is due 200), returns 150; collected 400 + (−150 refund) + (100 − 30 receipts) = 320.
    EXPECT_EQ(rows(ywyxstjPerformanceSql("2013-05-01", "2013-05-28", s.wang),
                   {"u_name", "yfje", "thje", "hjje", "sfje", "wfje", "u_tc", "tcje"}),
              "王业务/400/150/250/320/-70/5/16");
    // Staff without business show zeros; 赵's sale lies in April.
    const QString all = rows(ywyxstjPerformanceSql("2013-05-01", "2013-05-28"), {"u_name", "yfje", "sfje", "tcje"});
    EXPECT_TRUE(all.contains(QStringLiteral("赵业务/0/0/0"))) << all.toStdString();
    EXPECT_EQ(rows(ywyxstjPerformanceSql("2013-04-30", "2013-04-30", s.zhao), {"yfje", "sfje", "wfje", "tcje"}),
              "0/0/0/0");
    // With 1000 collected at 5 % the commission is 50.
    s.receipt("KF130520001", s.khL, "2013-05-20", 680);
    EXPECT_EQ(rows(ywyxstjPerformanceSql("2013-05-01", "2013-05-28", s.wang), {"sfje", "tcje"}), "1000/50");

    // Per customer: the return lowers 张's total and collected amount alike; receipts take no part.
    EXPECT_EQ(rows(ywyxstjCustomersSql("2013-05-01", "2013-05-28", s.wang),
                   {"kh_name", "yfje", "thje", "hjje", "sfje", "wfje"}),
              "张客户/200/150/50/50/0 李客户/200/0/200/200/0");
    EXPECT_EQ(openSelect(ywyxstjCustomersSql("2013-05-01", "2013-05-28", s.zhao)).rowCount(), 0);
}

TEST_F(Ywyxstj, PostedReturnPrintsItsAmountsPositive)
{
    const SpxsPrintBill bill = postedXsthBill(s.ret);
    EXPECT_EQ(bill.khName, "张客户");
    EXPECT_EQ(bill.uName, "王业务");
    EXPECT_EQ(bill.due, "150");
    EXPECT_EQ(bill.received.toText(), "150");
    const BillPrint p = xsthPrint(bill);
    EXPECT_EQ(p.templateFile, "xsth.fr3");
    EXPECT_TRUE(p.variables.contains(BillVariable(QStringLiteral("yf"), QStringLiteral("壹佰伍拾元整"))));
    EXPECT_EQ(openSelect(p.linesSql).rowCount(), 1);
    EXPECT_EQ(postedSpxsBill(s.saleA).due, "200");
}

TEST_F(Ywyxstj, SearchDialogAnswerNarrowsTheBillListUntilTheNextShowing)
{
    partyType = QStringLiteral("王业务");
    TF_Form::scriptNextOpening(QStringLiteral("TF_Ywyxstj"), [&](TF_Form* w) {
        auto* t = static_cast<TF_Ywyxstj*>(w);
        EXPECT_EQ(t->comUser->currentText(), "王业务");
        t->period.set(QStringLiteral("2013-05-01"), QStringLiteral("2013-05-28"));
        t->btnStatClick();
        EXPECT_EQ(t->gridBills->rowCount(), 5);
        // 李 taken from the list, sales bills only.
        TF_Form::scriptNextOpening(QStringLiteral("TF_Ywyxstj_Cx"), [&](TF_Form* d) {
            auto* cx = static_cast<TF_Ywyxstj_Cx*>(d);
            EXPECT_TRUE(cx->tKh->text().isEmpty());
            cx->comDj->setCurrentText(QStringLiteral("销售单"));
            cx->panelKh->showFiltered(QStringLiteral("李"));
            cx->panelKh->btnOK->click();
            EXPECT_EQ(cx->tKh->text(), "李客户");
            cx->btnOKClick();
        });
        t->btnFindClick();
        EXPECT_EQ(t->gridBills->rowCount(), 1);
        EXPECT_EQ(t->gridBills->value(0, QStringLiteral("djh")), s.saleB);
        EXPECT_EQ(t->gridBillLines->rowCount(), 1);
        // Left with Esc: the filters stay.
        TF_Form::scriptNextOpening(QStringLiteral("TF_Ywyxstj_Cx"), [](TF_Form* d) { d->close(); });
        t->btnFindClick();
        EXPECT_EQ(t->gridBills->rowCount(), 1);
        // A name typed without taking a row filters by no customer.
        TF_Form::scriptNextOpening(QStringLiteral("TF_Ywyxstj_Cx"), [](TF_Form* d) {
            auto* cx = static_cast<TF_Ywyxstj_Cx*>(d);
            EXPECT_EQ(cx->comDj->currentText(), "销售单");  // kept from the last time
            cx->tKh->setText(QStringLiteral("李客户"));
            cx->btnOKClick();
        });
        t->btnFindClick();
        EXPECT_EQ(t->gridBills->rowCount(), 2);
        // The performance tab.
        t->tabsTop->setCurrentIndex(1);
        EXPECT_GE(t->gridPerf->rowCount(), 2);
        w->close();
    });
    ensureForm(F_Ywyxstj)->showModalForm();
    EXPECT_TRUE(partyType.isEmpty());
    EXPECT_TRUE(MsgScript::texts().isEmpty());
    // A new showing keeps the kind but not the customer.
    TF_Form::scriptNextOpening(QStringLiteral("TF_Ywyxstj"), [&](TF_Form* w) {
        auto* t = static_cast<TF_Ywyxstj*>(w);
        EXPECT_EQ(t->comUser->currentIndex(), 0);
        EXPECT_TRUE(t->filter().khSn.isEmpty());
        EXPECT_EQ(t->filter().kind, "销售单");
        w->close();
    });
    ensureForm(F_Ywyxstj)->showModalForm();
}

}  // namespace
