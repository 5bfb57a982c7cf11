// Money accounts, the party ledger's running balances and the partner summaries.
#include "data/ledger.h"
#include "data/settings.h"
#include "routinetest.h"

namespace {

class Ledger : public RoutineTest {
protected:
    // Appends a ledger row of the supplier or customer and returns its id.
    static QString addRow(const char* kind, const char* partner, const char* date, double owed, double settled,
                          double opening = 0)
    {
        return QString::number(appendRow("jxc_ysyfk", {{"k_type", kind}, {"k_ghskh", partner}, {"k_rq", date},
                                                       {"k_qcje", opening}, {"k_yfje", owed}, {"k_sfje", settled},
                                                       {"k_ljje", 0}}));
    }
    // Running balances of a partner's rows by date and id.
    static QString balances(const char* kind, const char* partner)
    {
        return rows("select k_ljje from jxc_ysyfk where k_type=? and k_ghskh=? order by k_rq,id",
                    {{"", kind}, {"", partner}});
    }
};

TEST_F(Ledger, MoneyAccounts)
{
    struct Step {
        const char* account;
        const char* amount;
        const char* kind;
        const char* cash;  // balance of "现金" afterwards
    } steps[] = {
        {"现金", "300", "cg", "-300"},      // a purchase lowers the account
        {"现金", "500.25", "xs", "200.25"},  // a sale raises it
        {"现金", "-100", "cg", "300.25"},   // a negative amount moves it the other way
        {"现金", "-0.25", "xs", "300"},
        {"现金", "", "xs", "300"},          // nothing paid
        {"工商银行", "300", "xs", "300"},    // unknown account: nothing changes
        {"现金", "300", "fk", "300"},       // unknown kind: nothing changes
    };
    for (const Step& s : steps) {
        updateYhzh(s.account, s.amount, s.kind);
        EXPECT_EQ(selectValue("select yh_zje from jxc_yhzh where yh_name='现金'"), s.cash)
            << s.account << ' ' << s.amount << ' ' << s.kind;
    }
    EXPECT_EQ(selectValue("select yh_zje from jxc_yhzh where yh_name='工行帐号'"), "0");
    EXPECT_THROW(updateYhzh("现金", "1-1", "cg"), DbError);
}

TEST_F(Ledger, FirstPurchaseOfASupplier)
{
    // Purchase of 1000 paid 300 from a supplier without rows.
    const QString before = getLjjeBefore("100001", "ghs", "0", "2013-05-28");
    EXPECT_EQ(before, "0");
    const QString id = addRow("ghs", "100001", "2013-05-28", 1000, 300);
    recalcLjje("100001", "ghs", "2013-05-28");
    EXPECT_EQ(balances("ghs", "100001"), "700");
    EXPECT_EQ(selectValue("select ghs_lwje from jxc_ghsxx where ghs_sn='100001'"), "700");
    EXPECT_EQ(getLjjeBefore("100001", "ghs", id, "2013-05-28"), "0");  // rows before this one only
}

TEST_F(Ledger, BackDatedRowRecomputesLaterRows)
{
    addRow("kh", "100001", "2013-05-10", 100, 0);
    const QString second = addRow("kh", "100001", "2013-05-20", 200, 0);
    addRow("kh", "100001", "2013-05-20", 0, 30);  // same date, larger id: applied after
    addRow("kh", "100001", "2013-05-25", 50, 0);
    addRow("ghs", "100001", "2013-05-12", 999, 0);  // another partner kind
    recalcLjje("100001", "kh", "2013-01-01");
    EXPECT_EQ(balances("kh", "100001"), "100 300 270 320");

    struct Case {
        QString rowId;
        const char* date;
        const char* expected;
    } before[] = {
        {"0", "2013-05-15", "100"}, {"", "2013-05-20", "270"},  // latest row of that day
        {"0", "2013-05-09", "0"},   {second, "2013-05-20", "100"},  // rows before that row only
        {"0", "2099-01-01", "320"},
    };
    for (const Case& c : before)
        EXPECT_EQ(getLjjeBefore("100001", "kh", c.rowId, c.date), c.expected) << c.rowId.toStdString() << ' ' << c.date;

    // A bill dated 2013-05-15 written with the balance read for its date.
    addRow("kh", "100001", "2013-05-15", 1000, 0);
    recalcLjje("100001", "kh", "2013-05-15");
    EXPECT_EQ(balances("kh", "100001"), "100 1100 1300 1270 1320");
    EXPECT_EQ(selectValue("select kh_lwje from jxc_khxx where kh_sn='100001'"), "1320");
    EXPECT_EQ(balances("ghs", "100001"), "0");  // untouched

    // An opening amount counts like an amount owed; a date after every row keeps the balance.
    addRow("kh", "100001", "2013-05-26", 0, 0, -20);
    recalcLjje("100001", "kh", "2013-05-26");
    recalcLjje("100001", "kh", "2013-06-30");
    EXPECT_EQ(selectValue("select kh_lwje from jxc_khxx where kh_sn='100001'"), "1300");
}

TEST_F(Ledger, SameDateRowsApplyInIdOrder)
{
    addRow("ghs", "100001", "2013-05-28", 0, 40);
    addRow("ghs", "100001", "2013-05-28", 100, 0);
    addRow("ghs", "100001", "2013-05-27", 10, 0);
    recalcLjje("100001", "ghs", "2013-05-27");
    EXPECT_EQ(balances("ghs", "100001"), "10 -30 70");
    EXPECT_EQ(selectValue("select ghs_lwje from jxc_ghsxx where ghs_sn='100001'"), "70");
}

TEST_F(Ledger, PartnerSummaries)
{
    execSql("insert into jxc_jhd (j_sn,ghs_sn,j_yfje,j_sfje) values ('CJ1','100001',100,40)");
    execSql("insert into jxc_thd (gl_djh,ghs_sn,th_yfje,th_sfje) values ('CT1','100001',-30,0)");
    execSql("insert into jxc_ghsfk (gf_sn,ghs_sn,gf_fkje,gf_je) values ('GF1','100001',25,25),('GF2','100001',-500,0)");
    execSql("update jxc_ghsxx set ghs_lwje=45 where ghs_sn='100001'");
    getGhsZw("100001");
    EXPECT_EQ(zwYfje, "70");
    EXPECT_EQ(zwSfje, "65");  // the opening row (gf_je 0) does not count as paid
    EXPECT_EQ(zwWfje, "45");  // what the shop still owes the supplier

    getGhsZw("999999");  // no such supplier: the globals keep their values
    EXPECT_EQ(zwYfje, "70");

    execSql("insert into jxc_lsxsd (gl_djh,kh_sn,ls_yfje,ls_sfje) values ('XS1','100001',200.555,100)");
    execSql("insert into jxc_xsthd (gl_djh,kh_sn,th_yfje,th_sfje) values ('XT1','100001',-20,-20)");
    execSql("insert into jxc_khfk (kf_sn,kh_sn,kf_fkje,kf_je) values ('KF1','100001',10,10)");
    execSql("update jxc_khxx set kh_lwje=70.5 where kh_sn='100001'");
    getKhZw("100001");
    EXPECT_EQ(zwYfje, "180.56");
    EXPECT_EQ(zwSfje, "90");
    EXPECT_EQ(zwWfje, "70.5");

    execSql("insert into jxc_khxx (kh_sn,kh_name) values ('100002','乙')");
    getKhZw("100002");  // no bills at all: zeros
    EXPECT_EQ(zwYfje + '/' + zwSfje + '/' + zwWfje, "0/0/0");
}

TEST_F(Ledger, SupplierOpeningPayable)
{
    saveGhsQcyf("100001", "-500", "期初");
    EXPECT_EQ(rows("select gf_sn,gf_fkrq,gf_fkfs,gf_fkje,gf_je,gf_note,u_sn,a_name,gl_djh is null from jxc_ghsfk"),
              "GF130528010001|2013-05-28|期初应付|-500|0|期初|100001|张三|1");

    operatorName = "李四";
    saveGhsQcyf("100001", "-800", "改");
    EXPECT_EQ(count("select count(*) from jxc_ghsfk"), 1);
    EXPECT_EQ(rows("select gf_fkje,gf_note,a_name from jxc_ghsfk"), "-800|改|李四");
}

}  // namespace
