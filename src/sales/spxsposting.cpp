#include "sales/spxsposting.h"

#include "data/billtables.h"
#include "data/datamodule.h"
#include "data/posting.h"
#include "data/settings.h"
#include "data/summaries.h"
#include "data/tkc.h"

namespace {

// Goods sold that had already left the warehouse on loan: the sold quantity rises by `qty` and
// the goods' sales counter g_xspl by 1; the quantities stay. A goods without a stock row there
// gets one of quantity 0 valued at its g_jj.
void sellLentGoods(const QString& ckSn, const QString& gSn, Money qty)
{
    const SqlParams p{{QStringLiteral(":q"), qty.toDouble()}, {QStringLiteral(":ck"), ckSn}, {QStringLiteral(":g"), gSn}};
    const int changed = mainDb().exec(
        QStringLiteral("update jxc_kcsp set kc_xssl=ifnull(kc_xssl,0)+:q where ck_sn=:ck and g_sn=:g"), p);
    if (changed == 0)
        execSql(QStringLiteral("insert into jxc_kcsp (kc_sl,kc_cbj,kc_xssl,g_sn,ck_sn) "
                               "select 0,ifnull((select g_jj from jxc_goods where g_sn=:g order by id limit 1),0),:q,:g,:ck"),
                p);
    execSql(QStringLiteral("update jxc_goods set g_xspl=ifnull(g_xspl,0)+1 where g_sn=:g"), {{QStringLiteral(":g"), gSn}});
}

}  // namespace

int postSpxs(const SpxsPosting& bill)
{
    const SqlParams byNumber{{QString(), bill.djh}};
    const bool restOwed = bill.mode == SpxsMode::RestOwed;
    // What the bill books as sold: the received amount when the shortfall is a discount, else
    // the amount due.
    const Money sold = restOwed ? bill.due : bill.received;
    const Money discount = restOwed ? Money() : bill.due - bill.received;

    Transaction tx;
    if (!selectValue(QStringLiteral("select id from jxc_lsxsd where gl_djh=? limit 1"), byNumber).isEmpty())
        throw DbError(QStringLiteral("单号%1已经保存过，不能重复保存！").arg(bill.djh));
    // The lines with the goods' average purchase price at this moment (lines of goods that no
    // longer exist cost nothing); lent goods cost what the warehouse's average cost says at this moment.
    const ResultSet lines =
        bill.lent ? openSelect(QStringLiteral("select b.g_sn,b.ls_sl,ifnull((select k.kc_cbj from jxc_kcsp k where "
                                              "k.g_sn=b.g_sn and k.ck_sn=? order by k.id limit 1),0),b.ls_zje from "
                                              "jxc_lsxssp b where b.gl_djh=? order by b.id"),
                               {{QString(), bill.ckSn}, {QString(), bill.djh}})
                  : openSelect(QStringLiteral("select b.g_sn,b.ls_sl,ifnull(d.g_pjjj,0),b.ls_zje from jxc_lsxssp b "
                                              "left join jxc_goods d on d.g_sn=b.g_sn where b.gl_djh=? order by b.id"),
                               byNumber);
    if (lines.isEmpty())
        throw DbError(QStringLiteral("单据中没有业务发生，不能保存！"));

    Money quantity;
    Money cost;
    Money lineAmounts;
    for (int r = 0; r < lines.rowCount(); ++r) {
        const Money qty = Money::fromText(lines.text(r, 1));
        quantity += qty;
        cost += qty * Money::fromText(lines.text(r, 2));
        lineAmounts += Money::fromText(lines.text(r, 3));
    }
    const Money profit = sold - cost;

    if (!bill.lent && !bill.audit)
        addUserXspl(bill.uSn);
    execSql(QStringLiteral("update jxc_lsxssp set tid=id where gl_djh=?"), byNumber);
    SqlParams header{{QStringLiteral("gl_djh"), bill.djh},
                     {QStringLiteral("kh_sn"), bill.khSn},
                     {QStringLiteral("ck_sn"), bill.ckSn},
                     {QStringLiteral("ls_xsrq"), bill.date},
                     {QStringLiteral("ls_yfje"), sold.toDouble()},
                     {QStringLiteral("ls_sfje"), bill.received.toDouble()},
                     {QStringLiteral("u_sn"), bill.uSn},
                     {QStringLiteral("ls_note"), !bill.headerNote.isEmpty() ? bill.headerNote
                                                : bill.exchange           ? QStringLiteral("商品换货：") + bill.note
                                                                          : bill.note},
                     {QStringLiteral("a_name"), bill.op},
                     {QStringLiteral("gl_djh2"), bill.sn2},
                     {QStringLiteral("ls_yhje"), discount.toDouble()},
                     {QStringLiteral("ls_th"), 0},
                     {QStringLiteral("ls_qk"), 0},
                     {QStringLiteral("ls_ckrq"), QString()}};
    if (bill.till) {
        const SpxsTill& t = *bill.till;
        header.insert(header.end(), {{QStringLiteral("ls_lr"), (lineAmounts - cost).toDouble()},
                                     {QStringLiteral("hy_sn"), t.hySn},
                                     {QStringLiteral("pos_zffs"), t.payMode},
                                     {QStringLiteral("pos_xj"), t.cash.toDouble()},
                                     {QStringLiteral("pos_czk"), t.storedValue.toDouble()},
                                     {QStringLiteral("pos_yhk"), t.bankCard.toDouble()},
                                     {QStringLiteral("pos_djq"), t.voucher.toDouble()},
                                     {QStringLiteral("pos_rjid"), QString()}});
    }
    appendRow(QStringLiteral("jxc_lsxsd"), header);

    const bool till = bill.till.has_value();
    addCashEntry({.date = bill.date,
                  .djh = bill.djh,
                  .kind = till            ? QStringLiteral("前台销售")
                          : bill.exchange ? QStringLiteral("销售换货")
                                          : QStringLiteral("商品销售"),
                  .amount = bill.received,
                  .handlerName = bill.uName,
                  .partnerName = bill.khName,
                  .partnerSn = bill.khSn,
                  .warehouseName = bill.ckName,
                  .account = bill.account,
                  .note = bill.note,
                  .op = bill.op,
                  .accountMove = till ? std::optional<Money>(bill.till->cashMove) : std::nullopt});

    addLedgerEntry({.partner = bill.khSn,
                    .partnerKind = QStringLiteral("kh"),
                    .date = bill.date,
                    .djh = bill.djh,
                    .djlx = QStringLiteral("XS"),
                    .djtxt = till            ? QStringLiteral("POS销售单")
                             : bill.lent     ? QStringLiteral("借货转销售")
                             : bill.exchange ? QStringLiteral("销售换货单")
                             : bill.audit    ? QStringLiteral("商品销售单审核")
                                             : QStringLiteral("商品销售单"),
                    .account = bill.account,
                    .handlerSn = bill.uSn,
                    .note = till ? bill.till->ledgerNote : bill.note,
                    .op = bill.op,
                    .owed = till ? bill.due : sold,
                    .paid = till ? bill.due : bill.received});
    addToDaySummary(bill.date, {{"yy_xssl", quantity}, {"yy_xscb", cost}, {"yy_xsje", sold}, {"yy_xslr", profit}});
    addToMonthStock(bill.date.left(7), bill.ckSn,
                    {{"js_sl", -quantity},
                     {"js_zje", -cost},
                     {"js_xssl", quantity},
                     {"js_xsje", sold},
                     {"js_xslr", profit},
                     {"js_xscb", cost}});

    // The journals name the customer, warehouse and handler as their records do.
    JournalHeader journal{
        .kind = QStringLiteral("xs"),
        .djh = bill.djh,
        .date = bill.date,
        .ckSn = bill.ckSn,
        .ckName = selectValue(QStringLiteral("select ck_name from jxc_ckxx where ck_sn=? order by id limit 1"),
                              {{QString(), bill.ckSn}}),
        .partnerSn = bill.khSn,
        .partnerName = selectValue(QStringLiteral("select kh_name from jxc_khxx where kh_sn=? order by id limit 1"),
                                   {{QString(), bill.khSn}}),
        .handlerName = selectValue(QStringLiteral("select u_name from jxc_user where u_sn=? order by id limit 1"),
                                   {{QString(), bill.uSn}}),
        .costColumn = "g_pjjj",
        .marker = till ? QStringLiteral("99") : QString()};
    if (till)
        journal.date = bill.till->moment;
    addGoodsJournal(kSalesLines, journal);
    addGoodsJournalRows(kSalesLines, journal);
    addDailyMovement(kSalesLines, bill.djh, bill.date, "t_xs", bill.op);

    int goodsLines = 0;
    for (int r = 0; r < lines.rowCount(); ++r) {
        const bool discountItem = lines.text(r, 0) == QLatin1String("00000000");
        if (!discountItem)
            ++goodsLines;
        if (bill.lent)
            sellLentGoods(bill.ckSn, lines.text(r, 0), Money::fromText(lines.text(r, 1)));
        else if (!(bill.audit && discountItem))
            sellFromStock(bill.ckSn, lines.text(r, 0), Money::fromText(lines.text(r, 1)));
    }
    if (!bill.lent)
        subTkcByDoc(QLatin1String(kSalesLines.rowTable), bill.djh, bill.ckSn);
    if (bill.audit) {
        writeLog(QStringLiteral("销售单") + bill.djh + QStringLiteral("通过审核，共") + QString::number(goodsLines) +
                 QStringLiteral("种商品"));
    } else {
        const QString logKind = till            ? QStringLiteral("增加POS销售单")
                                : bill.lent     ? QStringLiteral("借货转销售")
                                : bill.exchange ? QStringLiteral("增加换货销售单")
                                                : QStringLiteral("增加销售单");
        writeLog(logKind + bill.djh + QStringLiteral("，共") + QString::number(lines.rowCount()) +
                 QStringLiteral("种商品"));
    }
    tx.commit();
    return lines.rowCount();
}
