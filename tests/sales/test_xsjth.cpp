// The sales and returns query: order of bills and returns, the money columns, the quick filters
// kept across searches and reopenings, the detailed search's warehouse, return lines read
// positive, bills of a deleted customer, and hostile search text.
#include "data/globals.h"
#include "platform/datagrid.h"
#include "platform/msgbox.h"
#include "sales/sales.h"
#include "sales/xsjth.h"
#include "salesstatshop.h"
#include "support/windowregistry.h"

#include <QLineEdit>

#include <gtest/gtest.h>

namespace {

QString shown(DataGrid* g, const char* field)
{
    QStringList out;
    for (int r = 0; r < g->rowCount(); ++r)
        out << g->value(g->sourceRow(r), QLatin1String(field));
    return out.join(u' ');
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

}  // namespace
