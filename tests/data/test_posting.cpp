// Shared posting steps as the other postings use them: a customer's ledger, money received,
// summary columns named by the caller.
#include "data/posting.h"
#include "routinetest.h"

namespace {

class Posting : public RoutineTest {};

TEST_F(Posting, CustomerLedgerAndMoneyReceived)
{
    const auto sale = [](const char* date, const char* djh, double owed, double paid) {
        return LedgerEntry{.partner = "100001", .partnerKind = "kh", .date = date, .djh = djh, .djlx = "XS",
                           .djtxt = "销售单", .account = "现金", .handlerSn = "100001", .note = " n ", .op = "张三",
                           .owed = Money::fromDouble(owed), .paid = Money::fromDouble(paid)};
    };
    EXPECT_EQ(addLedgerEntry(sale("2013-05-20", "XS1", 100, 40)), Money::fromDouble(60));
    EXPECT_EQ(addLedgerEntry(sale("2013-05-10", "XS2", 10, 0)), Money::fromDouble(10));  // before the first row
    EXPECT_EQ(rows("select gl_djh,k_ljje,k_note from jxc_ysyfk order by k_rq,id"), "XS2|10|n XS1|70|n");
    EXPECT_EQ(rows("select kh_pl,kh_lwje from jxc_khxx where kh_sn='100001'"), "2|70");
    LedgerEntry unknownKind = sale("2013-05-20", "XS3", 1, 0);
    unknownKind.partnerKind = "x";
    EXPECT_THROW(addLedgerEntry(unknownKind), DbError);

    const auto cash = [](const char* djh, double amount) {
        CashEntry e;
        e.date = "2013-05-20";
        e.djh = djh;
        e.amount = Money::fromDouble(amount);
        e.account = "现金";
        return e;
    };
    addCashEntry(cash("XS1", 40));   // money received
    addCashEntry(cash("CJ1", -15));  // money paid out
    EXPECT_EQ(rows("select gl_djh,xj_je from jxc_xjyh order by id"), "XS1|40 CJ1|-15");
    EXPECT_EQ(selectValue("select yh_zje from jxc_yhzh where yh_name='现金'"), "25");
}

TEST_F(Posting, SummaryColumnsNamedByTheCaller)
{
    addToDaySummary("2013-05-28", {{"yy_xssl", Money::fromDouble(2)}, {"yy_xsje", Money::fromDouble(99.5)}});
    addToDaySummary("2013-05-28", {{"yy_xssl", Money::fromDouble(1)}});
    EXPECT_EQ(rows("select yy_rq,yy_xssl,yy_xsje,yy_cgsl from jxc_tempyyfx"), "2013-05-28|3|99.5|0");
    addToMonthStock("2013-05", "100001", {{"js_xssl", Money::fromDouble(3)}});
    EXPECT_EQ(rows("select js_rq,ck_sn,js_xssl from jxc_kcjs"), "2013-05|100001|3");
    EXPECT_THROW(addToDaySummary("2013-05-29", {{"yy_rq=0,yy_xssl", Money()}}), DbError);
    EXPECT_THROW(addToDaySummary("2013-05-29", {{"no_column", Money()}}), DbError);
    EXPECT_EQ(count("select count(*) from jxc_tempyyfx"), 1);  // the refused day left no row
    EXPECT_THROW(addDailyMovement(kReceiptLines, "CJ1", "2013-05-28", "a_name", "张三"), DbError);
}

}  // namespace
