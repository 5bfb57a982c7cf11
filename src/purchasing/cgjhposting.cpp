#include "purchasing/cgjhposting.h"

#include "data/billtables.h"
#include "data/datamodule.h"
#include "data/posting.h"
#include "data/settings.h"
#include "data/summaries.h"
#include "data/tkc.h"

int postCgjh(const CgjhPosting& bill)
{
    const SqlParams byNumber{{QString(), bill.djh}};
    const bool restOwed = bill.mode == CgjhMode::RestOwed;
    // What the header owes: the paid amount when the shortfall is a discount, else the payable.
    const Money owed = restOwed ? bill.payable : bill.paid;
    const Money discount = restOwed ? Money() : bill.payable - bill.paid;

    Transaction tx;
    if (!selectValue(QStringLiteral("select id from jxc_jhd where j_sn=? limit 1"), byNumber).isEmpty())
        throw DbError(QStringLiteral("单号%1已经保存过，不能重复保存！").arg(bill.djh));
    const ResultSet lines = openSelect(
        QStringLiteral("select id,g_sn,jh_sl,jh_dj,jh_zje from jxc_jhsp where j_sn=? order by id"), byNumber);
    if (lines.isEmpty())
        throw DbError(QStringLiteral("单据中没有业务发生，不能保存！"));

    execSql(QStringLiteral("update jxc_jhsp set tid=id where j_sn=?"), byNumber);
    appendRow(QStringLiteral("jxc_jhd"), {{QStringLiteral("j_sn"), bill.djh},
                                          {QStringLiteral("ghs_sn"), bill.ghsSn},
                                          {QStringLiteral("ck_sn"), bill.ckSn},
                                          {QStringLiteral("j_jhrq"), bill.date},
                                          {QStringLiteral("j_yfje"), owed.toDouble()},
                                          {QStringLiteral("j_sfje"), bill.paid.toDouble()},
                                          {QStringLiteral("u_sn"), bill.uSn},
                                          {QStringLiteral("j_note"), bill.note},
                                          {QStringLiteral("a_name"), bill.op},
                                          {QStringLiteral("j_sn2"), bill.sn2},
                                          {QStringLiteral("j_yhje"), discount.toDouble()},
                                          {QStringLiteral("j_th"), 0},
                                          {QStringLiteral("j_qk"), 0}});

    addCashEntry({.date = bill.date,
                  .djh = bill.djh,
                  .kind = QStringLiteral("采购进货"),
                  .amount = -bill.paid,
                  .handlerName = bill.uName,
                  .partnerName = bill.ghsName,
                  .partnerSn = bill.ghsSn,
                  .warehouseName = bill.ckName,
                  .account = bill.account,
                  .note = bill.note,
                  .op = bill.op});

    addLedgerEntry({.partner = bill.ghsSn,
                    .partnerKind = QStringLiteral("ghs"),
                    .date = bill.date,
                    .djh = bill.djh,
                    .djlx = QStringLiteral("CJ"),
                    .djtxt = bill.audit ? QStringLiteral("采购进货单审核") : QStringLiteral("采购进货单"),
                    .account = bill.account,
                    .handlerSn = bill.uSn,
                    .note = bill.note,
                    .op = bill.op,
                    .owed = owed,
                    .paid = bill.paid});

    Money quantity;
    for (int r = 0; r < lines.rowCount(); ++r)
        quantity += Money::fromText(lines.text(r, 2));
    addToDaySummary(bill.date, {{"yy_cgsl", quantity}, {"yy_cgje", owed}});
    addToMonthStock(bill.date.left(7), bill.ckSn,
                    {{"js_sl", quantity}, {"js_zje", bill.payable}, {"js_cgsl", quantity}, {"js_cgje", owed}});

    // The journals name the supplier, warehouse and handler as their records do.
    const JournalHeader journal{
        .kind = QStringLiteral("cj"),
        .djh = bill.djh,
        .date = bill.date,
        .ckSn = bill.ckSn,
        .ckName = selectValue(QStringLiteral("select ck_name from jxc_ckxx where ck_sn=? order by id limit 1"),
                              {{QString(), bill.ckSn}}),
        .partnerSn = bill.ghsSn,
        .partnerName = selectValue(QStringLiteral("select ghs_name from jxc_ghsxx where ghs_sn=? order by id limit 1"),
                                   {{QString(), bill.ghsSn}}),
        .handlerName = selectValue(QStringLiteral("select u_name from jxc_user where u_sn=? order by id limit 1"),
                                   {{QString(), bill.uSn}})};
    addGoodsJournal(kReceiptLines, journal);
    addGoodsJournalRows(kReceiptLines, journal);
    addDailyMovement(kReceiptLines, bill.djh, bill.date, "t_cg", bill.op);

    int goodsLines = 0;
    for (int r = 0; r < lines.rowCount(); ++r) {
        const QString gSn = lines.text(r, 1);
        if (bill.audit && gSn == QLatin1String("00000000"))
            continue;  // the audit moves no stock for the discount goods
        const Money qty = Money::fromText(lines.text(r, 2));
        const Money price = Money::fromText(lines.text(r, 3));
        const Money amount = Money::fromText(lines.text(r, 4));
        receiveIntoStock(bill.ckSn, gSn, qty, price, amount);
        receiveIntoGoods(gSn, qty, price, amount, bill.ghsSn);
        ++goodsLines;
    }
    addTkcByDoc(QLatin1String(kReceiptLines.rowTable), bill.djh, bill.ckSn);
    if (bill.audit) {
        writeLog(QStringLiteral("进货单") + bill.djh + QStringLiteral("通过审核，共") + QString::number(goodsLines) +
                 QStringLiteral("种商品"));
    } else {
        addUserCgpl(bill.uSn);
        writeLog(QStringLiteral("增加进货单") + bill.djh + QStringLiteral("，共") + QString::number(lines.rowCount()) +
                 QStringLiteral("种商品"));
    }
    tx.commit();
    return bill.audit ? goodsLines : lines.rowCount();
}
