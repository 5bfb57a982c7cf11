#include "accounts/ledgerentries.h"

#include "data/database.h"
#include "data/datamodule.h"
#include "data/ledger.h"
#include "data/numbering.h"
#include "data/posting.h"

namespace {

bool isCustomer(PartySide side)
{
    return side == PartySide::Customer;
}

// The ledger row `id` as one result row; throws when it is gone.
ResultSet ledgerRow(qint64 id)
{
    ResultSet rs = openSelect(QStringLiteral("select * from jxc_ysyfk where id=?"), {{QString(), id}});
    if (rs.isEmpty())
        throw DbError(QStringLiteral("该记录已不存在，请刷新后再试！"));
    return rs;
}

QString earlier(const QString& a, const QString& b)
{
    return a < b ? a : b;
}

// Takes the cash-journal rows under `djh` out, each moving its account back by its amount.
void removeCashRows(const QString& djh)
{
    if (djh.isEmpty())
        return;
    const ResultSet rows =
        openSelect(QStringLiteral("select xj_kmmc,xj_je from jxc_xjyh where gl_djh=?"), {{QString(), djh}});
    for (int r = 0; r < rows.rowCount(); ++r)
        updateYhzh(rows.text(r, 0), rows.text(r, 1), QStringLiteral("cg"));
    execSql(QStringLiteral("delete from jxc_xjyh where gl_djh=?"), {{QString(), djh}});
}

// The signed journal amount of a settlement: money in for a receipt, out for a payment.
Money journalAmount(PartySide side, Money amount)
{
    return isCustomer(side) ? amount : -amount;
}

}  // namespace

QString quotedLiteral(const QString& text)
{
    return QLatin1Char('\'') + QString(text).replace(QLatin1Char('\''), QStringLiteral("''")) + QLatin1Char('\'');
}

QString partySideCode(PartySide side)
{
    return isCustomer(side) ? QStringLiteral("kh") : QStringLiteral("ghs");
}

QString checkRegisterEntry(const RegisterEntry& e)
{
    if (e.amount.isZero())
        return isCustomer(e.side) ? QStringLiteral("应收款不能为0！") : QStringLiteral("应付款不能为0！");
    if (e.handlerSn.isEmpty())
        return QStringLiteral("经办人不能为空！");
    return {};
}

QString addRegisterEntry(const RegisterEntry& e)
{
    const bool kh = isCustomer(e.side);
    Transaction tx;
    const QString djh = getMaxDjh(QStringLiteral("jxc_ysyfk"), QStringLiteral("gl_djh"),
                                  kh ? QStringLiteral("YS") : QStringLiteral("YF"));
    addLedgerEntry({.partner = e.partner,
                    .partnerKind = partySideCode(e.side),
                    .date = e.date,
                    .djh = djh,
                    .djlx = kh ? QStringLiteral("YS") : QStringLiteral("YF"),
                    .djtxt = kh ? QStringLiteral("增加应收款") : QStringLiteral("增加应付款"),
                    .account = kh ? QStringLiteral("应收款") : QStringLiteral("应付款"),
                    .handlerSn = e.handlerSn,
                    .note = e.note,
                    .op = e.op,
                    .owed = e.amount,
                    .paid = Money(),
                    .countsBill = false});
    tx.commit();
    return djh;
}

void modifyRegisterEntry(qint64 id, const RegisterEntry& e)
{
    Transaction tx;
    const ResultSet row = ledgerRow(id);
    const QString oldDate = row.text(0, QStringLiteral("k_rq"));
    // An opening row keeps its opening amount in k_qcje alone.
    const bool opening = !Money::fromText(row.text(0, QStringLiteral("k_qcje"))).isZero();
    execSql(QStringLiteral("update jxc_ysyfk set a_name=?,u_sn=?,%1=?,k_note=?,k_rq=? where id=?")
                .arg(opening ? QStringLiteral("k_qcje") : QStringLiteral("k_yfje")),
            {{QString(), e.op},
             {QString(), e.handlerSn},
             {QString(), e.amount.toDouble()},
             {QString(), e.note.trimmed()},
             {QString(), e.date},
             {QString(), id}});
    recalcLjje(row.text(0, QStringLiteral("k_ghskh")), row.text(0, QStringLiteral("k_type")), earlier(oldDate, e.date));
    tx.commit();
}

void deleteRegisterEntry(qint64 id)
{
    Transaction tx;
    const ResultSet row = ledgerRow(id);
    execSql(QStringLiteral("delete from jxc_ysyfk where id=?"), {{QString(), id}});
    removeCashRows(row.text(0, QStringLiteral("gl_djh")));
    recalcLjje(row.text(0, QStringLiteral("k_ghskh")), row.text(0, QStringLiteral("k_type")),
               row.text(0, QStringLiteral("k_rq")));
    tx.commit();
}

QString checkSettlement(const SettlementEntry& e)
{
    if (e.amount.isZero())
        return isCustomer(e.side) ? QStringLiteral("收款不能为0！") : QStringLiteral("付款不能为0！");
    if (e.handlerSn.isEmpty())
        return QStringLiteral("经办人不能为空！");
    return {};
}

QString addSettlement(const SettlementEntry& e)
{
    const bool kh = isCustomer(e.side);
    const QString kind = kh ? QStringLiteral("SK") : QStringLiteral("FK");
    Transaction tx;
    const QString djh = getMaxDjh(QStringLiteral("jxc_ysyfk"), QStringLiteral("gl_djh"), kind);
    addLedgerEntry({.partner = e.partner,
                    .partnerKind = partySideCode(e.side),
                    .date = e.date,
                    .djh = djh,
                    .djlx = kind,
                    .djtxt = kh ? QStringLiteral("收款") : QStringLiteral("付款"),
                    .account = e.account,
                    .handlerSn = e.handlerSn,
                    .note = e.note,
                    .op = e.op,
                    .owed = Money(),
                    .paid = e.amount,
                    .flag = -1,
                    .countsBill = false});
    addCashEntry({.date = e.date,
                  .djh = djh,
                  .kind = kh ? QStringLiteral("收款单") : QStringLiteral("付款单"),
                  .amount = journalAmount(e.side, e.amount),
                  .handlerName = e.handlerName,
                  .partnerName = e.partnerName,
                  .partnerSn = e.partner,
                  .warehouseName = QString(),
                  .account = e.account,
                  .note = e.note,
                  .op = e.op});
    tx.commit();
    return djh;
}

void modifySettlement(qint64 id, const SettlementEntry& e)
{
    Transaction tx;
    const ResultSet row = ledgerRow(id);
    const PartySide side = row.text(0, QStringLiteral("k_type")) == u"kh" ? PartySide::Customer : PartySide::Supplier;
    const QString djh = row.text(0, QStringLiteral("gl_djh"));
    const QString oldDate = row.text(0, QStringLiteral("k_rq"));
    const Money oldAmount = Money::fromText(row.text(0, QStringLiteral("k_sfje")));
    execSql(QStringLiteral("update jxc_ysyfk set a_name=?,k_fkfs=?,u_sn=?,k_sfje=?,k_note=?,k_rq=? where id=?"),
            {{QString(), e.op},
             {QString(), e.account},
             {QString(), e.handlerSn},
             {QString(), e.amount.toDouble()},
             {QString(), e.note.trimmed()},
             {QString(), e.date},
             {QString(), id}});
    recalcLjje(row.text(0, QStringLiteral("k_ghskh")), row.text(0, QStringLiteral("k_type")), earlier(oldDate, e.date));
    // The old account gets the old amount back, the chosen one takes the new amount.
    updateYhzh(row.text(0, QStringLiteral("k_fkfs")), journalAmount(side, oldAmount).toText(), QStringLiteral("cg"));
    updateYhzh(e.account, journalAmount(side, e.amount).toText(), QStringLiteral("xs"));
    const QString journalId =
        selectValue(QStringLiteral("select id from jxc_xjyh where gl_djh=? order by id limit 1"), {{QString(), djh}});
    if (!journalId.isEmpty()) {
        execSql(QStringLiteral("update jxc_xjyh set xj_rq=?,xj_je=?,u_name=?,xj_kmmc=?,xj_note=?,a_name=? where id=?"),
                {{QString(), e.date},
                 {QString(), journalAmount(side, e.amount).toDouble()},
                 {QString(), e.handlerName},
                 {QString(), e.account},
                 {QString(), e.note},
                 {QString(), e.op},
                 {QString(), journalId}});
    }
    tx.commit();
}

void deleteSettlement(qint64 id)
{
    Transaction tx;
    const ResultSet row = ledgerRow(id);
    const PartySide side = row.text(0, QStringLiteral("k_type")) == u"kh" ? PartySide::Customer : PartySide::Supplier;
    updateYhzh(row.text(0, QStringLiteral("k_fkfs")),
               journalAmount(side, Money::fromText(row.text(0, QStringLiteral("k_sfje")))).toText(), QStringLiteral("cg"));
    execSql(QStringLiteral("delete from jxc_ysyfk where id=?"), {{QString(), id}});
    execSql(QStringLiteral("delete from jxc_xjyh where gl_djh=?"), {{QString(), row.text(0, QStringLiteral("gl_djh"))}});
    recalcLjje(row.text(0, QStringLiteral("k_ghskh")), row.text(0, QStringLiteral("k_type")),
               row.text(0, QStringLiteral("k_rq")));
    tx.commit();
}

QString latestLedgerBalance(PartySide side, const QString& partner)
{
    return selectValue(QStringLiteral("select k_ljje from jxc_ysyfk where k_type=? and k_ghskh=? order by id desc limit 1"),
                       {{QString(), partySideCode(side)}, {QString(), partner}});
}

namespace {

struct SideNames {
    QString type, table, code, name, opening;
};

SideNames sideNames(PartySide side)
{
    if (isCustomer(side))
        return {QStringLiteral("kh"), QStringLiteral("jxc_khxx"), QStringLiteral("kh_sn"), QStringLiteral("kh_name"),
                QStringLiteral("期初应收")};
    return {QStringLiteral("ghs"), QStringLiteral("jxc_ghsxx"), QStringLiteral("ghs_sn"), QStringLiteral("ghs_name"),
            QStringLiteral("期初应付")};
}

}  // namespace

QString statementDetailSql(PartySide side, const QString& from, const QString& to, const std::optional<QString>& partner)
{
    const SideNames n = sideNames(side);
    const QString d1 = quotedLiteral(from);
    const QString d2 = quotedLiteral(to + QStringLiteral(" 23:59:59"));
    const QString who = partner ? QStringLiteral(" and k_ghskh=") + quotedLiteral(*partner) : QString();
    // The opening line: the partner's latest row before the period by date and id.
    const QString opening =
        QStringLiteral("select a.id,a.k_ghskh,'' as a_name,'' as u_sn,'%1' as k_fkfs,0 as k_sfje,0 as k_yhje,"
                       "a.k_ljje as k_qcje,a.k_ljje,0 as k_yfje,'' as k_type,'%1' as k_djlx,'%1' as k_djtxt,"
                       "'' as k_note,'' as k_flag,%2 as k_rq,'' as gl_djh,b.%3 from "
                       "(select id,k_ghskh,k_ljje,row_number() over (partition by k_ghskh order by k_rq desc,id desc) as rn "
                       "from jxc_ysyfk where k_type='%4' and k_rq<%2%5) a,%6 b where a.rn=1 and a.k_ghskh=b.%7")
            .arg(n.opening, d1, n.name, n.type, who, n.table, n.code);
    const QString period =
        QStringLiteral("select a.id,a.k_ghskh,a.a_name,a.u_sn,a.k_fkfs,a.k_sfje,a.k_yhje,a.k_qcje,a.k_ljje,a.k_yfje,"
                       "a.k_type,a.k_djlx,a.k_djtxt,a.k_note,a.k_flag,a.k_rq,a.gl_djh,b.%1 from jxc_ysyfk a,%2 b "
                       "where a.k_ghskh=b.%3 and a.k_type='%4' and a.k_rq>=%5 and a.k_rq<=%6%7")
            .arg(n.name, n.table, n.code, n.type, d1, d2, QString(who).replace(QStringLiteral("k_ghskh"), QStringLiteral("a.k_ghskh")));
    return QStringLiteral("select * from (") + opening + QStringLiteral(" union all ") + period +
           QStringLiteral(") order by k_ghskh,k_rq,id");
}

QString statementSummarySql(PartySide side, const QString& from, const QString& to, const std::optional<QString>& partner)
{
    const SideNames n = sideNames(side);
    const QString who = partner ? QStringLiteral(" and k_ghskh=") + quotedLiteral(*partner) : QString();
    return QStringLiteral("select a.%1,b.* from %2 a,(select k_ghskh,sum(k_yfje) as yfje,sum(k_sfje) as sfje,"
                          "sum(k_yfje-k_sfje) as wfje from jxc_ysyfk where k_type='%3' and k_rq>=%4 and k_rq<=%5%6 "
                          "group by k_ghskh) b where a.%7=b.k_ghskh order by a.%7")
        .arg(n.name, n.table, n.type, quotedLiteral(from), quotedLiteral(to + QStringLiteral(" 23:59:59")), who, n.code);
}
