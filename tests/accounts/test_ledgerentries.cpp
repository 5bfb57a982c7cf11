// Receivables and payables booked by hand, receipts and payments, and the statements.
#include "accountstest.h"

#include "data/database.h"

namespace {

using LedgerEntries = AccountsTest;

TEST_F(LedgerEntries, FirstEntryOfEachSide)
{
    struct Case {
        PartySide side;
        const char* partnerField;
        const char* table;
        const char* code;
        const char* row;
    };
    const Case cases[] = {
        {PartySide::Customer, "kh_lwje", "jxc_khxx", "kh_sn", "kh|YS|增加应收款|应收款|YS130528010001|250|250|0|1|2013-05-20"},
        {PartySide::Supplier, "ghs_lwje", "jxc_ghsxx", "ghs_sn", "ghs|YF|增加应付款|应付款|YF130528010001|250|250|0|1|2013-05-20"},
    };
    for (const Case& c : cases) {
        const QString partner = c.side == PartySide::Customer ? kh : ghs;
        EXPECT_EQ(latestLedgerBalance(c.side, partner), "");  // the dialog's balance label
        RegisterEntry e = receivable("2013-05-20", 250);
        e.side = c.side;
        e.partner = partner;
        addRegisterEntry(e);
        EXPECT_EQ(rows("select k_type,k_djlx,k_djtxt,k_fkfs,gl_djh,k_yfje,k_ljje,k_sfje,k_flag,k_rq from jxc_ysyfk "
                       "where k_ghskh=? and k_type=?",
                       {{QString(), partner}, {QString(), partySideCode(c.side)}}),
                  c.row);
        EXPECT_EQ(value(QStringLiteral("select %1 from %2 where %3=?").arg(c.partnerField, c.table, c.code),
                        {{QString(), partner}}),
                  "250");
        EXPECT_EQ(latestLedgerBalance(c.side, partner), "250");
    }
    // A register entry is no bill: the partner's bill counter stays.
    EXPECT_EQ(value("select kh_pl from jxc_khxx where kh_sn=?", {{QString(), kh}}), "0");
    EXPECT_EQ(value("select k_note from jxc_ysyfk limit 1"), "备注");
}

TEST_F(LedgerEntries, BackDatedEntryRaisesLaterBalancesAndDeleteKeepsTheLatest)
{
    addRegisterEntry(receivable("2013-05-20", 100));
    addRegisterEntry(receivable("2013-05-25", 200));
    addRegisterEntry(receivable("2013-05-25", 5));  // same day: after the one entered first
    const QString back = addRegisterEntry(receivable("2013-05-10", 50));
    EXPECT_TRUE(back.startsWith("YS130528"));  // the day of entry, not the entry's date
    EXPECT_EQ(rows("select k_rq,k_ljje from jxc_ysyfk order by k_rq,id"),
              "2013-05-10|50 2013-05-20|150 2013-05-25|350 2013-05-25|355");
    EXPECT_EQ(khBalance(), "355");

    // A negative amount lowers the balance; moving an entry later recomputes from its old date.
    const qint64 first = value("select id from jxc_ysyfk where k_rq='2013-05-20'").toLongLong();
    RegisterEntry moved = receivable("2013-05-26", -100);
    modifyRegisterEntry(first, moved);
    EXPECT_EQ(rows("select k_rq,k_ljje from jxc_ysyfk order by k_rq,id"),
              "2013-05-10|50 2013-05-25|250 2013-05-25|255 2013-05-26|155");
    EXPECT_EQ(khBalance(), "155");

    deleteRegisterEntry(first);  // the latest row
    EXPECT_EQ(khBalance(), "255");
    for (const QString& id : rows("select id from jxc_ysyfk").split(u' '))
        deleteRegisterEntry(id.toLongLong());
    EXPECT_EQ(khBalance(), "0");
}

TEST_F(LedgerEntries, ModifyingAnOpeningRowChangesItsOpeningAmountOnly)
{
    appendRow("jxc_ysyfk", {{"k_ghskh", kh}, {"k_type", "kh"}, {"k_djlx", "YS"}, {"k_fkfs", "期初应收"},
                            {"k_qcje", 300}, {"k_yfje", 0}, {"k_sfje", 0}, {"k_ljje", 300}, {"k_rq", "2013-05-01"},
                            {"u_sn", "100001"}, {"gl_djh", "YS130501010001"}});
    addRegisterEntry(receivable("2013-05-20", 100));
    modifyRegisterEntry(value("select id from jxc_ysyfk where k_qcje<>0").toLongLong(), receivable("2013-05-01", 400));
    EXPECT_EQ(rows("select k_qcje,k_yfje,k_ljje from jxc_ysyfk order by id"), "400|0|400 0|100|500");
    EXPECT_EQ(khBalance(), "500");
}

TEST_F(LedgerEntries, RefusalsComeInOrder)
{
    RegisterEntry zero = receivable("2013-05-28", 0);
    zero.handlerSn.clear();
    EXPECT_EQ(checkRegisterEntry(zero), "应收款不能为0！");
    zero.side = PartySide::Supplier;
    EXPECT_EQ(checkRegisterEntry(zero), "应付款不能为0！");
    zero.amount = Money::fromDouble(-1);
    EXPECT_EQ(checkRegisterEntry(zero), "经办人不能为空！");

    SettlementEntry s = receipt(0);
    EXPECT_EQ(checkSettlement(s), "收款不能为0！");
    s.side = PartySide::Supplier;
    EXPECT_EQ(checkSettlement(s), "付款不能为0！");
    s.amount = Money::fromDouble(5);
    s.handlerSn.clear();
    EXPECT_EQ(checkSettlement(s), "经办人不能为空！");
    EXPECT_EQ(checkSettlement(receipt(-5)), "");
}

TEST_F(LedgerEntries, ReceiptMovesLedgerAccountAndJournalTogether)
{
    addRegisterEntry(receivable("2013-05-01", 1000));
    const QString before = snapshot();
    const QString djh = addSettlement(receipt(300, "工行帐号"));
    EXPECT_EQ(djh, "SK130528010001");
    EXPECT_EQ(rows("select k_djlx,k_djtxt,k_fkfs,k_yfje,k_sfje,k_ljje,k_flag from jxc_ysyfk where gl_djh=?", {{QString(), djh}}),
              "SK|收款|工行帐号|0|300|700|-1");
    EXPECT_EQ(khBalance(), "700");
    EXPECT_EQ(balance("工行帐号"), "300");
    EXPECT_EQ(rows("select xj_dlx,xj_je,xj_kmmc,ghs_sn,ghs_name,u_name,xj_rq from jxc_xjyh where gl_djh=?", {{QString(), djh}}),
              "收款单|300|工行帐号|" + kh + "|客户甲|经办|2013-05-28");

    // Amount and account changed: the old account gets its 300 back, the new one takes 250.
    const qint64 id = value("select id from jxc_ysyfk where gl_djh=?", {{QString(), djh}}).toLongLong();
    modifySettlement(id, receipt(250, "现金"));
    EXPECT_EQ(balance("工行帐号"), "0");
    EXPECT_EQ(balance("现金"), "250");
    EXPECT_EQ(rows("select xj_je,xj_kmmc from jxc_xjyh where gl_djh=?", {{QString(), djh}}), "250|现金");
    EXPECT_EQ(khBalance(), "750");

    deleteSettlement(id);
    EXPECT_EQ(snapshot(), before);
}

TEST_F(LedgerEntries, PaymentMirrorsTheReceiptAndANegativeAmountMovesTheOtherWay)
{
    SettlementEntry pay = receipt(300);
    pay.side = PartySide::Supplier;
    pay.partner = ghs;
    const QString before = snapshot();
    const QString djh = addSettlement(pay);
    EXPECT_TRUE(djh.startsWith("FK130528"));
    EXPECT_EQ(rows("select k_djlx,k_djtxt,k_sfje,k_ljje,k_flag from jxc_ysyfk"), "FK|付款|300|-300|-1");
    EXPECT_EQ(rows("select xj_dlx,xj_je from jxc_xjyh"), "付款单|-300");
    EXPECT_EQ(balance("现金"), "-300");
    deleteSettlement(value("select id from jxc_ysyfk").toLongLong());
    EXPECT_EQ(snapshot(), before);

    addSettlement(receipt(-100));  // money handed back to the customer
    EXPECT_EQ(rows("select xj_je from jxc_xjyh"), "-100");
    EXPECT_EQ(balance("现金"), "-100");
    EXPECT_EQ(khBalance(), "100");
}

TEST_F(LedgerEntries, AFailedReceiptLeavesTheDatabaseAsBefore)
{
    addRegisterEntry(receivable("2013-05-01", 1000));
    const QString before = snapshot();
    // The receipt's last statement moves the account.
    execSql("create temp trigger boom before update on jxc_yhzh begin select raise(abort,'注入的错误'); end");
    EXPECT_THROW(addSettlement(receipt(300)), DbError);
    execSql("drop trigger boom");
    EXPECT_EQ(snapshot(), before);
}

TEST_F(LedgerEntries, StatementsOpenEachPartnerAtThePeriodStart)
{
    const QString kh2 = shop.customer(QStringLiteral("客户丙"));
    addRegisterEntry(receivable("2013-04-20", 100));
    addSettlement(receipt(30, "现金", "2013-05-03"));
    RegisterEntry other = receivable("2013-04-25", 70);
    other.partner = kh2;
    addRegisterEntry(other);
    // Entered last, dated before the others: the opening line must still be the balance at the start.
    addRegisterEntry(receivable("2013-04-01", 5));

    EXPECT_EQ(rows(statementDetailSql(PartySide::Customer, "2013-05-01", "2013-05-31", std::nullopt) .replace("select *", "select k_ghskh,k_djtxt,k_rq,k_qcje,k_yfje,k_sfje,k_ljje")),
              kh + "|期初应收|2013-05-01|105|0|0|105 " + kh + "|收款|2013-05-03|0|0|30|75 " + kh2 +
                  "|期初应收|2013-05-01|70|0|0|70");
    EXPECT_EQ(rows(statementDetailSql(PartySide::Customer, "2013-05-01", "2013-05-31", kh2).replace("select *", "select k_ghskh,k_ljje")),
              kh2 + "|70");
    // All time: no opening lines; the summary is owed minus settled of the period.
    EXPECT_EQ(rows(statementDetailSql(PartySide::Customer, "2010-01-01", "2013-05-31", kh).replace("select *", "select k_djtxt")),
              "增加应收款 增加应收款 收款");
    EXPECT_EQ(rows(statementSummarySql(PartySide::Customer, "2010-01-01", "2013-05-31", std::nullopt)),
              "客户甲|" + kh + "|105|30|75 客户丙|" + kh2 + "|70|0|70");
    EXPECT_EQ(rows(statementSummarySql(PartySide::Customer, "2013-05-01", "2013-05-31", std::nullopt)), "客户甲|" + kh + "|0|30|-30");
    EXPECT_EQ(rows(statementSummarySql(PartySide::Supplier, "2013-05-01", "2013-05-31", std::nullopt)), "");
}

}  // namespace
