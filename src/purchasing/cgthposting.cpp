#include "purchasing/cgthposting.h"

#include "bills/workinglines.h"
#include "data/billtables.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/posting.h"
#include "data/settings.h"
#include "data/summaries.h"
#include "data/tkc.h"

namespace {

double num(const ResultSet& rs, int r, int c)
{
    return Money::fromText(rs.text(r, c)).toDouble();
}

QString nameOf(const char* sql, const QString& code)
{
    return selectValue(QLatin1String(sql), {{QString(), code}});
}

// Receipt lines into a return: with their production date for the whole receipt, without it
// for one line.
const LineCopy kWholeReceipt{&kReceiptLines, &kReturnLines, {{"t_scrq", "t_scrq"}}};
const LineCopy kReceiptLine{&kReceiptLines, &kReturnLines, {}};

}  // namespace

int postCgth(const CgthPosting& bill)
{
    const SqlParams byNumber{{QString(), bill.djh}};
    Transaction tx;
    if (!selectValue(QStringLiteral("select id from jxc_thd where gl_djh=? limit 1"), byNumber).isEmpty())
        throw DbError(QStringLiteral("单号%1已经保存过，不能重复保存！").arg(bill.djh));
    const ResultSet lines = openSelect(
        QStringLiteral("select id,g_sn,th_sl,th_dj from jxc_thsp where gl_djh=? order by id"), byNumber);
    if (lines.isEmpty())
        throw DbError(QStringLiteral("没有可保存的商品！"));

    addUserCgpl(bill.uSn);
    execSql(QStringLiteral("update jxc_thsp set tid=id where gl_djh=?"), byNumber);
    appendRow(QStringLiteral("jxc_thd"), {{QStringLiteral("gl_djh"), bill.djh},
                                          {QStringLiteral("ghs_sn"), bill.ghsSn},
                                          {QStringLiteral("ck_sn"), bill.ckSn},
                                          {QStringLiteral("th_thrq"), bill.date},
                                          {QStringLiteral("th_yfje"), (-bill.due).toDouble()},
                                          {QStringLiteral("th_sfje"), (-bill.received).toDouble()},
                                          {QStringLiteral("u_sn"), bill.uSn},
                                          {QStringLiteral("th_note"), bill.note},
                                          {QStringLiteral("a_name"), bill.op},
                                          {QStringLiteral("th_qk"), 0}});

    addCashEntry({.date = bill.date,
                  .djh = bill.djh,
                  .kind = QStringLiteral("采购退货"),
                  .amount = bill.received,
                  .handlerName = bill.uName,
                  .partnerName = bill.ghsName,
                  .partnerSn = bill.ghsSn,
                  .warehouseName = bill.ckName,
                  .account = bill.account,
                  .note = bill.note,
                  .op = bill.op});

    // Balance: previous + received back - due back.
    addLedgerEntry({.partner = bill.ghsSn,
                    .partnerKind = QStringLiteral("ghs"),
                    .date = bill.date,
                    .djh = bill.djh,
                    .djlx = QStringLiteral("CT"),
                    .djtxt = QStringLiteral("采购退货单"),
                    .account = bill.account,
                    .handlerSn = bill.uSn,
                    .note = bill.note,
                    .op = bill.op,
                    .owed = -bill.due,
                    .paid = -bill.received});

    Money quantity;
    for (int r = 0; r < lines.rowCount(); ++r)
        quantity += Money::fromText(lines.text(r, 2));
    // The day's and the month's purchases fall by the money received back, the stock value by
    // the amount due.
    addToDaySummary(bill.date, {{"yy_cgsl", -quantity}, {"yy_cgje", -bill.received}});
    addToMonthStock(bill.date.left(7), bill.ckSn,
                    {{"js_sl", -quantity}, {"js_zje", -bill.due}, {"js_cgsl", -quantity}, {"js_cgje", -bill.received}});

    const JournalHeader journal{
        .kind = QStringLiteral("ct"),
        .djh = bill.djh,
        .date = bill.date,
        .ckSn = bill.ckSn,
        .ckName = nameOf("select ck_name from jxc_ckxx where ck_sn=? order by id limit 1", bill.ckSn),
        .partnerSn = bill.ghsSn,
        .partnerName = nameOf("select ghs_name from jxc_ghsxx where ghs_sn=? order by id limit 1", bill.ghsSn),
        .handlerName = nameOf("select u_name from jxc_user where u_sn=? order by id limit 1", bill.uSn),
        .negated = true};
    addGoodsJournal(kReturnLines, journal);
    addGoodsJournalRows(kReturnLines, journal);
    addDailyMovement(kReturnLines, bill.djh, bill.date, "t_ct", bill.op);

    // Stock leaves the warehouse at its cost: neither kc_cbj nor g_pjjj is recomputed. A goods
    // without a stock row gets one with the negated quantity at the return price.
    for (int r = 0; r < lines.rowCount(); ++r) {
        const QVariant qty = num(lines, r, 2);
        const QVariant price = num(lines, r, 3);
        const QString gSn = lines.text(r, 1);
        if (mainDb().exec(QStringLiteral("update jxc_kcsp set kc_sl=ifnull(kc_sl,0)-? where ck_sn=? and g_sn=?"),
                          {{QString(), qty}, {QString(), bill.ckSn}, {QString(), gSn}}) == 0)
            execSql(QStringLiteral("insert into jxc_kcsp (kc_sl,kc_cbj,kc_xssl,g_sn,ck_sn) values (-?,?,0,?,?)"),
                    {{QString(), qty}, {QString(), price}, {QString(), gSn}, {QString(), bill.ckSn}});
        execSql(QStringLiteral("update jxc_goods set g_kc=ifnull(g_kc,0)-?,g_cgpl=ifnull(g_cgpl,0)+1,g_scjj=?,"
                               "ghs_sn=? where g_sn=?"),
                {{QString(), qty}, {QString(), price}, {QString(), bill.ghsSn}, {QString(), gSn}});
    }
    writeLog(QStringLiteral("增加采购退货单") + bill.djh + QStringLiteral("，共") + QString::number(lines.rowCount()) +
             QStringLiteral("种商品"));
    subTkcByDoc(QLatin1String(kReturnLines.rowTable), bill.djh, bill.ckSn);
    if (!bill.receipt.isEmpty())
        execSql(QStringLiteral("update jxc_jhd set j_th=1 where j_sn=?"), {{QString(), bill.receipt}});
    tx.commit();
    return lines.rowCount();
}

QString firstGoodsWithoutStock(const QString& djh, const QString& ckSn)
{
    return selectValue(QStringLiteral("select g.g_name from jxc_thsp b join jxc_goods g on g.g_sn=b.g_sn "
                                      "where b.gl_djh=? and not exists (select 1 from jxc_kcsp k where "
                                      "k.ck_sn=? and k.g_sn=b.g_sn) order by b.id limit 1"),
                       {{QString(), djh}, {QString(), ckSn}});
}

std::optional<ReceiptHeader> receiptHeader(const QString& jSn)
{
    const ResultSet h = openSelect(
        QStringLiteral("select a.j_sn,a.ghs_sn,b.ghs_name,c.ck_name,d.u_name,a.j_note,a.j_yfje,a.j_sfje "
                       "from jxc_jhd a,jxc_ghsxx b,jxc_ckxx c,jxc_user d where a.ghs_sn=b.ghs_sn and "
                       "a.ck_sn=c.ck_sn and a.u_sn=d.u_sn and a.j_sn=? limit 1"),
        {{QString(), jSn}});
    if (h.isEmpty())
        return std::nullopt;
    return ReceiptHeader{.jSn = h.text(0, 0),
                         .ghsSn = h.text(0, 1),
                         .ghsName = h.text(0, 2),
                         .ckName = h.text(0, 3),
                         .uName = h.text(0, 4),
                         .note = h.text(0, 5),
                         .payable = Money::fromText(h.text(0, 6)),
                         .paid = Money::fromText(h.text(0, 7))};
}

ReturnCopy copyWholeReceipt(const QString& jSn, const QString& returnDjh)
{
    Transaction tx;
    if (!selectValue(QStringLiteral("select j_sn from jxc_jhd where j_sn=? and j_th=1"), {{QString(), jSn}}).isEmpty())
        return {QStringLiteral("该单据已经进行过整单退货，不能重复退货！"), std::nullopt};
    ReturnCopy copy{QString(), receiptHeader(jSn)};
    if (!copy.header)
        return copy;
    copyLinesInto(kWholeReceipt, jSn, returnDjh);
    tx.commit();
    return copy;
}

ReturnCopy copyReceiptLine(qint64 lineId, const QString& returnDjh)
{
    Transaction tx;
    const QString jSn = selectValue(QStringLiteral("select j_sn from jxc_jhsp where id=?"), {{QString(), lineId}});
    if (jSn.isEmpty())
        return {};
    ReturnCopy copy{QString(), receiptHeader(jSn)};
    if (!copy.header)
        return copy;
    copyLinesInto(kReceiptLine, jSn, returnDjh, lineId);
    tx.commit();
    return copy;
}
