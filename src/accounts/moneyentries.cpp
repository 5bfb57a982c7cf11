#include "accounts/moneyentries.h"

#include "accounts/ledgerentries.h"  // quotedLiteral
#include "data/clock.h"
#include "data/database.h"
#include "data/datamodule.h"
#include "data/numbering.h"
#include "data/posting.h"
#include "data/textrules.h"

namespace {

const QString kCash = QStringLiteral("现金");

QString accountName(qint64 id)
{
    const ResultSet rs = openSelect(QStringLiteral("select yh_name from jxc_yhzh where id=?"), {{QString(), id}});
    if (rs.isEmpty())
        throw DbError(QStringLiteral("该账户已不存在，请刷新后再试！"));
    return rs.text(0, 0);
}

bool noHandler(const QString& name)
{
    return name.trimmed().isEmpty() || name == QStringView(kNewHandlerItem);
}

void bookCash(const QString& kind, const QString& account, Money signedAmount, const QString& handler,
              const QString& note, const QString& op)
{
    addCashEntry({.date = todayText(),
                  .djh = QString(),
                  .kind = kind,
                  .amount = signedAmount,
                  .handlerName = handler,
                  .partnerName = QString(),
                  .partnerSn = QString(),
                  .warehouseName = QString(),
                  .account = account,
                  .note = note,
                  .op = op});
}

}  // namespace

// ---- Money accounts -------------------------------------------------------------------------

QString checkAccount(const AccountFields& f)
{
    if (f.name.trimmed().isEmpty())
        return QStringLiteral("账户名称必须填写！");
    if (f.type.trimmed().isEmpty())
        return QStringLiteral("账户类型必须填写！");
    return {};
}

QString addAccount(const AccountFields& f)
{
    Transaction tx;
    const QString code = getMaxSn(QStringLiteral("jxc_yhzh"), QStringLiteral("yh_sn"));
    appendRow(QStringLiteral("jxc_yhzh"), {{QStringLiteral("yh_sn"), code},
                                           {QStringLiteral("yh_type"), sqlSafeName(f.type.trimmed())},
                                           {QStringLiteral("yh_name"), sqlSafeName(f.name.trimmed())},
                                           {QStringLiteral("yh_zje"), f.balance.toDouble()},
                                           {QStringLiteral("yh_note"), sqlSafeName(f.note.trimmed())}});
    tx.commit();
    return code;
}

void modifyAccount(qint64 id, const AccountFields& f)
{
    Transaction tx;
    accountName(id);
    execSql(QStringLiteral("update jxc_yhzh set yh_type=?,yh_name=?,yh_zje=?,yh_note=? where id=?"),
            {{QString(), sqlSafeName(f.type.trimmed())},
             {QString(), sqlSafeName(f.name.trimmed())},
             {QString(), f.balance.toDouble()},
             {QString(), sqlSafeName(f.note.trimmed())},
             {QString(), id}});
    tx.commit();
}

QString checkModifyAccount(const QString& name)
{
    return name == kCash ? QStringLiteral("“现金”不能修改！") : QString();
}

QString checkDeleteAccount(const QString& name)
{
    return name == kCash ? QStringLiteral("“现金”不能删除！") : QString();
}

QString deleteAccount(qint64 id)
{
    Transaction tx;
    const QString refusal = checkDeleteAccount(accountName(id));
    if (!refusal.isEmpty())
        return refusal;
    execSql(QStringLiteral("delete from jxc_yhzh where id=?"), {{QString(), id}});
    tx.commit();
    return {};
}

QString checkOpeningAmount(const QString& name)
{
    const bool used =
        !selectValue(QStringLiteral("select xj_rq from jxc_xjyh where xj_kmmc=? limit 1"), {{QString(), name}}).isEmpty();
    return used ? QStringLiteral("该银行账户已有业务发生，不能建立期初帐！") : QString();
}

QString setOpeningAmount(qint64 id, Money amount)
{
    Transaction tx;
    const QString refusal = checkOpeningAmount(accountName(id));
    if (!refusal.isEmpty())
        return refusal;
    execSql(QStringLiteral("update jxc_yhzh set yh_zje=? where id=?"), {{QString(), amount.toDouble()}, {QString(), id}});
    tx.commit();
    return {};
}

// ---- Deposits, withdrawals, transfers -------------------------------------------------------

QString checkCashMove(const CashMove& m)
{
    if (m.amount.isZero())
        return QStringLiteral("金额必须填写！");
    if (noHandler(m.handlerName))
        return QStringLiteral("请选择经办人！");
    return {};
}

void deposit(const CashMove& m)
{
    Transaction tx;
    bookCash(QStringLiteral("现金银行收款"), m.account, m.amount, m.handlerName, sqlSafeName(m.note.trimmed()), m.op);
    tx.commit();
}

void withdraw(const CashMove& m)
{
    Transaction tx;
    bookCash(QStringLiteral("现金银行付款"), m.account, -m.amount, m.handlerName, sqlSafeName(m.note.trimmed()), m.op);
    tx.commit();
}

QString transfer(const Transfer& t)
{
    if (t.from == t.to)
        return QStringLiteral("出款、入款不能为同一个账户！");
    if (t.amount <= Money())
        return QStringLiteral("金额必须大于0！");
    if (noHandler(t.handlerName))
        return QStringLiteral("请选择经办人！");
    Transaction tx;
    const Money balance = Money::fromText(selectValue(
        QStringLiteral("select yh_zje from jxc_yhzh where yh_name=? order by id limit 1"), {{QString(), t.from}}));
    if (t.amount > balance)
        return QStringLiteral("转出的金额不能大于出款账户中的金额！");
    bookCash(QStringLiteral("现金银行转账"), t.from, -t.amount, t.handlerName, sqlSafeName(t.note.trimmed()), t.op);
    bookCash(QStringLiteral("现金银行转账"), t.to, t.amount, t.handlerName, t.note, t.op);
    tx.commit();
    return {};
}

// ---- Expenses and income --------------------------------------------------------------------

QString checkFyEntry(const FyEntry& e)
{
    const bool income = e.direction == FyDirection::Income;
    if (e.amount.isZero())
        return QStringLiteral("金额必须填写！");
    if (e.type.isEmpty())
        return income ? QStringLiteral("请选择收入类型！") : QStringLiteral("请选择费用类型！");
    if (e.handlerSn.isEmpty())
        return QStringLiteral("请选择经办人！");
    return {};
}

void addFyEntry(const FyEntry& e)
{
    const bool income = e.direction == FyDirection::Income;
    const Money signedAmount = income ? e.amount : -e.amount;
    const QString note = sqlSafe(e.note.trimmed());
    Transaction tx;
    appendRow(QStringLiteral("jxc_yyfy"), {{QStringLiteral("fy_rq"), todayText()},
                                           {QStringLiteral("fy_lx"), e.type},
                                           {QStringLiteral("u_sn"), e.handlerSn},
                                           {QStringLiteral("fy_je"), signedAmount.toDouble()},
                                           {QStringLiteral("fy_note"), note},
                                           {QStringLiteral("a_name"), e.op},
                                           {QStringLiteral("fy_sc"), income ? QStringLiteral("收入") : QStringLiteral("费用")}});
    bookCash(income ? QStringLiteral("收入收款") : QStringLiteral("费用付款"), e.account, signedAmount, e.handlerName,
             QStringLiteral("[名目：") + e.type + QStringLiteral("]") + note, e.op);
    tx.commit();
}

QString addFyType(FyDirection direction, const QString& name, const QString& note)
{
    const QString stored = sqlSafe(name.trimmed());
    if (stored.isEmpty())
        return {};
    Transaction tx;
    if (!selectValue(QStringLiteral("select fy_lx from jxc_fylx where fy_lx=?"), {{QString(), stored}}).isEmpty())
        return QStringLiteral("类型已经存在，不能加入！");
    appendRow(QStringLiteral("jxc_fylx"), {{QStringLiteral("fy_lx"), stored},
                                           {QStringLiteral("fy_fx"), direction == FyDirection::Income ? 1 : 0},
                                           {QStringLiteral("fy_note"), sqlSafe(note.trimmed())}});
    tx.commit();
    return {};
}

void deleteFyType(qint64 id)
{
    Transaction tx;
    execSql(QStringLiteral("delete from jxc_fylx where id=?"), {{QString(), id}});
    tx.commit();
}

QString fySummarySql(const QString& from, const QString& to, const QString& sc)
{
    const QString direction = sc.isEmpty() ? QString() : QStringLiteral(" and fy_sc=") + quotedLiteral(sc);
    return QStringLiteral("select a.fy_lx,a.fy_note,fysc,fyje from jxc_fylx a,(select fy_lx,max(fy_sc) as fysc,"
                          "sum(fy_je) as fyje from jxc_yyfy where fy_rq>=%1 and fy_rq<=%2%3 group by fy_lx) b "
                          "where a.fy_lx=b.fy_lx order by a.id")
        .arg(quotedLiteral(from), quotedLiteral(to), direction);
}

QString accountJournalSql(const QString& account, const QString& from, const QString& to, const QString& handlerName)
{
    QString sql = QStringLiteral("select * from jxc_xjyh where xj_kmmc=%1 and xj_rq>=%2 and xj_rq<=%3 ")
                      .arg(quotedLiteral(account), quotedLiteral(from), quotedLiteral(to));
    if (!handlerName.isEmpty())
        sql += QStringLiteral(" and u_name=%1").arg(quotedLiteral(handlerName));
    return sql + QStringLiteral(" order by id");
}
