// Money accounts, deposits, withdrawals and transfers, expenses and income.
#include "accountstest.h"

#include "accounts/moneyentries.h"
#include "data/database.h"

namespace {

using MoneyEntries = AccountsTest;

qint64 accountId(const char* name)
{
    return selectValue("select id from jxc_yhzh where yh_name=?", {{QString(), QString::fromUtf8(name)}}).toLongLong();
}

CashMove move(const char* account, double amount)
{
    return {.account = QString::fromUtf8(account), .amount = Money::fromDouble(amount), .handlerName = "经办",
            .note = " 还款 ", .op = operatorName};
}

TEST_F(MoneyEntries, AccountsKeepCashAndReplaceOpeningAmounts)
{
    EXPECT_EQ(rows("select yh_sn,yh_name,yh_zje from jxc_yhzh order by id"),
              "100001|现金|0 100002|工行帐号|0 100003|建行帐号|0");
    EXPECT_EQ(checkModifyAccount("现金"), "“现金”不能修改！");
    EXPECT_EQ(deleteAccount(accountId("现金")), "“现金”不能删除！");
    EXPECT_EQ(checkAccount({.type = "银行", .name = " ", .balance = {}, .note = {}}), "账户名称必须填写！");
    EXPECT_EQ(checkAccount({.type = "", .name = "农行", .balance = {}, .note = {}}), "账户类型必须填写！");

    const QString code = addAccount({.type = " 银行 ", .name = "农行'--", .balance = Money::fromDouble(200), .note = "x"});
    EXPECT_EQ(code, "100004");
    EXPECT_EQ(rows("select yh_type,yh_name,yh_zje from jxc_yhzh where yh_sn='100004'"), "银行|农行‘--|200");
    const qint64 id = selectValue("select id from jxc_yhzh where yh_sn='100004'").toLongLong();
    EXPECT_EQ(setOpeningAmount(id, Money::fromDouble(500)), "");
    EXPECT_EQ(balance("农行‘--"), "500");  // replaced, not added

    // Cash takes an opening amount too, until it has a journal row.
    EXPECT_EQ(setOpeningAmount(accountId("现金"), Money::fromDouble(80)), "");
    const QString djh = addSettlement(receipt(20));
    EXPECT_EQ(setOpeningAmount(accountId("现金"), Money::fromDouble(1)), "该银行账户已有业务发生，不能建立期初帐！");
    EXPECT_EQ(balance("现金"), "100");
    deleteSettlement(selectValue("select id from jxc_ysyfk where gl_djh=?", {{QString(), djh}}).toLongLong());
    EXPECT_EQ(setOpeningAmount(accountId("现金"), Money::fromDouble(1)), "");

    // The modify dialog writes back the balance it shows; a deletion removes the account alone.
    modifyAccount(id, {.type = "银行", .name = "农行", .balance = Money::fromDouble(7), .note = ""});
    EXPECT_EQ(balance("农行"), "7");
    EXPECT_EQ(deleteAccount(id), "");
    EXPECT_EQ(value("select count(*) from jxc_yhzh"), "3");
}

TEST_F(MoneyEntries, DepositWithdrawalAndTransfer)
{
    EXPECT_EQ(checkCashMove(move("工行帐号", 0)), "金额必须填写！");
    CashMove noHandler = move("工行帐号", 5);
    noHandler.handlerName = QString::fromUtf16(kNewHandlerItem);
    EXPECT_EQ(checkCashMove(noHandler), "请选择经办人！");

    deposit(move("工行帐号", 100));
    withdraw(move("建行帐号", 30));  // may go negative
    EXPECT_EQ(rows("select xj_rq,gl_djh,xj_dlx,xj_je,xj_kmmc,xj_note from jxc_xjyh order by id"),
              "2013-05-28||现金银行收款|100|工行帐号|还款 2013-05-28||现金银行付款|-30|建行帐号|还款");
    EXPECT_EQ(balance("工行帐号"), "100");
    EXPECT_EQ(balance("建行帐号"), "-30");

    const auto t = [](const char* from, const char* to, double amount, const char* handler) {
        return Transfer{.from = QString::fromUtf8(from), .to = QString::fromUtf8(to), .amount = Money::fromDouble(amount),
                        .handlerName = QString::fromUtf8(handler), .note = "n", .op = operatorName};
    };
    const QString before = snapshot();
    const std::pair<Transfer, const char*> refusals[] = {
        {t("工行帐号", "工行帐号", 0, ""), "出款、入款不能为同一个账户！"},
        {t("工行帐号", "现金", 0, ""), "金额必须大于0！"},
        {t("工行帐号", "现金", -5, "经办"), "金额必须大于0！"},
        {t("工行帐号", "现金", 5, ""), "请选择经办人！"},
        {t("工行帐号", "现金", 100.01, "经办"), "转出的金额不能大于出款账户中的金额！"},
    };
    for (const auto& [tr, message] : refusals)
        EXPECT_EQ(transfer(tr), QString::fromUtf8(message));
    EXPECT_EQ(snapshot(), before);

    EXPECT_EQ(transfer(t("工行帐号", "现金", 100, "经办")), "");
    EXPECT_EQ(balance("工行帐号"), "0");
    EXPECT_EQ(balance("现金"), "100");
    EXPECT_EQ(rows("select xj_rq,gl_djh,xj_kmmc,xj_je from jxc_xjyh where xj_dlx='现金银行转账' order by id"),
              "2013-05-28||工行帐号|-100 2013-05-28||现金|100");

    // A failure at the last statement of a transfer leaves everything as it was.
    deposit(move("工行帐号", 10));
    const QString beforeFail = snapshot();
    execSql("create temp trigger boom before update on jxc_yhzh when new.yh_name='现金' "
            "begin select raise(abort,'注入的错误'); end");
    EXPECT_THROW(transfer(t("工行帐号", "现金", 10, "经办")), DbError);
    execSql("drop trigger boom");
    EXPECT_EQ(snapshot(), beforeFail);
}

FyEntry expense(const char* type, double amount, const char* note = "房租'--五月")
{
    return {.direction = FyDirection::Expense, .type = QString::fromUtf8(type), .amount = Money::fromDouble(amount),
            .handlerSn = "100001", .handlerName = "经办", .account = "现金", .note = QString::fromUtf8(note),
            .op = operatorName};
}

TEST_F(MoneyEntries, ExpensesIncomeAndTheirTypes)
{
    EXPECT_EQ(checkFyEntry(expense("", 0)), "金额必须填写！");  // before the type
    EXPECT_EQ(checkFyEntry(expense("", 5)), "请选择费用类型！");
    FyEntry noHandler = expense("房租", 5);
    noHandler.handlerSn.clear();
    EXPECT_EQ(checkFyEntry(noHandler), "请选择经办人！");
    FyEntry income = expense("", 5);
    income.direction = FyDirection::Income;
    EXPECT_EQ(checkFyEntry(income), "请选择收入类型！");

    EXPECT_EQ(addFyType(FyDirection::Expense, " 房租 ", "每月"), "");
    EXPECT_EQ(addFyType(FyDirection::Income, "废品", ""), "");
    EXPECT_EQ(addFyType(FyDirection::Expense, "废品", ""), "类型已经存在，不能加入！");
    EXPECT_EQ(addFyType(FyDirection::Income, "  ", ""), "");
    EXPECT_EQ(rows("select fy_lx,fy_fx from jxc_fylx order by id"), "房租|0 废品|1");

    addFyEntry(expense("房租", 100));
    EXPECT_EQ(rows("select fy_rq,fy_lx,fy_je,fy_sc,fy_note from jxc_yyfy"), "2013-05-28|房租|-100|费用|房租‘－－五月");
    EXPECT_EQ(rows("select xj_dlx,xj_je,xj_kmmc,xj_note from jxc_xjyh"), "费用付款|-100|现金|[名目：房租]房租‘－－五月");
    EXPECT_EQ(balance("现金"), "-100");

    income = expense("废品", 30, "");
    income.direction = FyDirection::Income;
    addFyEntry(income);
    addFyEntry(expense("旧类型", 7));  // its type does not exist
    EXPECT_EQ(rows(fySummarySql("2013-05-01", "2013-05-28", "")), "房租|每月|费用|-100 废品||收入|30");
    EXPECT_EQ(rows(fySummarySql("2013-05-01", "2013-05-28", "费用")), "房租|每月|费用|-100");
    deleteFyType(selectValue("select id from jxc_fylx where fy_lx='废品'").toLongLong());
    EXPECT_EQ(rows(fySummarySql("2013-05-01", "2013-05-28", "")), "房租|每月|费用|-100");
    EXPECT_EQ(balance("现金"), "-77");

    const QString before = snapshot();
    execSql("create temp trigger boom before update on jxc_yhzh begin select raise(abort,'注入的错误'); end");
    EXPECT_THROW(addFyEntry(expense("房租", 1)), DbError);
    execSql("drop trigger boom");
    EXPECT_EQ(snapshot(), before);
}

}  // namespace
