// The sales and returns query: order of bills and returns, the money columns, the quick filters
// kept across searches and reopenings, the detailed search's warehouse, return lines read
// positive, bills of a deleted customer, hostile search text, and the detailed search's answer
// (period, customer, warehouse, operator) narrowing the list.
#include "admin/adminrecords.h"
#include "masterdata/staffrecords.h"
#include "data/globals.h"
#include "platform/codecombo.h"
#include "platform/datagrid.h"
#include "platform/msgbox.h"
#include "sales/sales.h"
#include "sales/xsjth.h"
#include "sales/xsth_search.h"
#include "salesstatshop.h"
#include "support/windowregistry.h"

#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

QString shown(DataGrid* g, const char* field)
{
    QStringList out;
    for (int r = 0; r < g->rowCount(); ++r)
        out << g->value(g->sourceRow(r), QLatin1String(field));
    return out.join(u' ');
}

// The detailed search's next opening answers with this period, customer text, warehouse and
// operator ("查询(F5)").
void answerSearch(const char* from, const char* to, const QString& customer, const QString& warehouse,
                  const QString& op = QStringLiteral("所有操作员"))
{
    TF_Form::scriptNextOpening(QStringLiteral("TF_Xsth_Search"), [=](TF_Form* w) {
        auto* d = static_cast<TF_Xsth_Search*>(w);
        d->date1->setDate(QDate::fromString(QLatin1String(from), Qt::ISODate));
        d->date2->setDate(QDate::fromString(QLatin1String(to), Qt::ISODate));
        d->tkh->setText(customer);
        d->comCk->setCurrentIndex(d->comCk->findText(warehouse));
        d->comCzy->setCurrentIndex(d->comCzy->findText(op));
        d->findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
    });
}

class Xsjth : public ::testing::Test {
protected:
    Xsjth() { MsgScript::reset(); }
    ~Xsjth() override { TF_Form::clearScripts(); }

    SalesStatShop s;
    ScopedWindows windows{[] { registerSalesStatistics(); }};
};

TEST_F(Xsjth, BillsAndReturnsWithTheirMoneyAndPositiveReturnLines)
{
    execSql(QStringLiteral("update jxc_lsxsd set ls_yfje=80,ls_sfje=80,ls_yhje=20 where gl_djh=?"), {{QString(), s.sale2}});
    execSql(QStringLiteral("update jxc_lsxsd set ls_yfje=100,ls_sfje=80,ls_yhje=0 where gl_djh=?"), {{QString(), s.sale3}});
    execSql(QStringLiteral("update jxc_xsthd set th_sfje=-100 where gl_djh=?"), {{QString(), s.ret}});
    XsjthFilter f{.d1 = "2013-05-01", .d2 = "2013-05-28"};
    const ResultSet rs = openSelect(xsjthBillsSql(f));
    QStringList got;
    for (int r = 0; r < rs.rowCount(); ++r)
        got << QStringList{rs.text(r, "djh"), rs.text(r, "yfje"), rs.text(r, "sfje"), rs.text(r, "wfje"), rs.text(r, "yhje"),
                           rs.text(r, "fktype")}
                   .join(u'/');
    // Same date: the sale before the return.
    EXPECT_EQ(got.join(u' '), QStringList({s.sale1 + "/450/450/0/0/商品销售", s.ret + "/-150/-100/-50/0/销售退货",
                                           s.sale3 + "/100/80/20/0/商品销售", s.sale2 + "/100/80/0/20/商品销售"})
                                  .join(u' '));
    const ResultSet lines = openSelect(xsjthLinesSql(s.ret));
    ASSERT_EQ(lines.rowCount(), 1);
    EXPECT_EQ(lines.text(0, "sl") + "/" + lines.text(0, "zje"), "1/150");

    // "XT" finds the returns by number; a deleted customer's bills are gone; hostile keys find nothing.
    f.key = "XT";
    EXPECT_EQ(openSelect(xsjthBillsSql(f)).rowCount(), 1);
    for (const char* key : {"' or 1=1 --", "%", "_", "\\"}) {
        f.key = QString::fromUtf8(key);
        EXPECT_EQ(openSelect(xsjthBillsSql(f)).rowCount(), 0) << key;
    }
    f.key.clear();
    execSql(QStringLiteral("delete from jxc_khxx where kh_sn=?"), {{QString(), s.khL}});
    EXPECT_EQ(openSelect(xsjthBillsSql(f)).rowCount(), 2);
}

TEST_F(Xsjth, QuickFilterAndDetailedSearchStayAcrossSearchesAndReopenings)
{
    execSql(QStringLiteral("update jxc_lsxsd set ls_yhje=20 where gl_djh=?"), {{QString(), s.sale2}});
    TF_Form::scriptNextOpening(QStringLiteral("TF_Xsjth"), [&](TF_Form* w) {
        auto* t = static_cast<TF_Xsjth*>(w);
        EXPECT_EQ(t->gridBills->rowCount(), 4);
        EXPECT_EQ(t->gridLines->rowCount(), 1);  // the lines of the first bill
        t->setQuick(XsjthQuick::Returns);
        t->btnSearchClick();
        EXPECT_EQ(shown(t->gridBills, "djh"), s.ret);
        t->setQuick(XsjthQuick::Discounted);
        EXPECT_EQ(shown(t->gridBills, "djh"), s.sale2);
        t->setQuick(XsjthQuick::All);
        t->applySearch({"2013-05-01", "2013-05-28", "", s.ck2, "所有操作员"});
        EXPECT_EQ(shown(t->gridBills, "djh"), s.sale3);
        t->close();
    });
    ensureForm(F_Xsjth)->showModalForm();
    TF_Form::scriptNextOpening(QStringLiteral("TF_Xsjth"), [&](TF_Form* w) {
        auto* t = static_cast<TF_Xsjth*>(w);
        EXPECT_EQ(shown(t->gridBills, "djh"), s.sale3);
        t->applySearch({"2013-05-01", "2013-05-28", "", "-1", "所有操作员"});
        EXPECT_EQ(t->gridBills->rowCount(), 4);
        t->close();
    });
    F_Xsjth->showModalForm();
    EXPECT_TRUE(MsgScript::texts().isEmpty());
}

TEST_F(Xsjth, DetailedSearchAnswerNarrowsTheList)
{
    // A sale of April written by a second operator.
    ASSERT_TRUE(addOperator({.name = QStringLiteral("王五"), .password = {}, .password2 = {}, .roleCode = QStringLiteral("100001")}).ok());
    operatorName = QStringLiteral("王五");
    const QString april = s.shop.sale().customer(s.khZ).date(QStringLiteral("2013-04-15")).line(s.runner, 200, {{"40", "白色", 1}}).post();
    operatorName = QStringLiteral("张三");

    TF_Form::scriptNextOpening(QStringLiteral("TF_Xsjth"), [&](TF_Form* w) {
        auto* t = static_cast<TF_Xsjth*>(w);
        auto* find = t->findChild<QPushButton*>(QStringLiteral("btnFind"));
        EXPECT_EQ(t->gridBills->rowCount(), 5);
        answerSearch("2013-05-01", "2013-05-28", QString(), QStringLiteral("二号仓"));
        find->click();
        EXPECT_EQ(shown(t->gridBills, "djh"), s.sale3);
        EXPECT_EQ(t->period.d1(), "2013-05-01");
        // Period and customer text; "所有仓库" lifts the warehouse.
        answerSearch("2013-05-21", "2013-05-28", QStringLiteral(" 李客户 "), QStringLiteral("所有仓库"));
        find->click();
        EXPECT_EQ(t->tKey->text(), "李客户");
        EXPECT_EQ(shown(t->gridBills, "djh"), s.ret);
        answerSearch("2013-04-01", "2013-05-28", QString(), QStringLiteral("所有仓库"), QStringLiteral("王五"));
        find->click();
        EXPECT_EQ(shown(t->gridBills, "djh"), april);
        // Left with Esc: nothing changes.
        TF_Form::scriptNextOpening(QStringLiteral("TF_Xsth_Search"), [](TF_Form* d) { d->close(); });
        t->tKey->setText(QStringLiteral("张"));
        find->click();
        EXPECT_EQ(t->tKey->text(), "张");
        EXPECT_EQ(shown(t->gridBills, "djh"), april);
        answerSearch("2013-04-01", "2013-05-28", QString(), QStringLiteral("所有仓库"));
        find->click();
        EXPECT_EQ(t->gridBills->rowCount(), 5);
        t->close();
    });
    ensureForm(F_Xsjth)->showModalForm();
    EXPECT_TRUE(MsgScript::texts().isEmpty());
}

}  // namespace
