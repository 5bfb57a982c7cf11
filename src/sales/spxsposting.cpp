#include "sales/spxsposting.h"

#include "data/billtables.h"
#include "data/datamodule.h"
#include "data/posting.h"
#include "data/settings.h"
#include "data/summaries.h"
#include "data/tkc.h"

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
    // longer exist cost nothing).
    const ResultSet lines = openSelect(QStringLiteral("select b.g_sn,b.ls_sl,ifnull(d.g_pjjj,0) from jxc_lsxssp b "
                                                      "left join jxc_goods d on d.g_sn=b.g_sn where b.gl_djh=? order by b.id"),
                                       byNumber);
    if (lines.isEmpty())
        throw DbError(QStringLiteral("单据中没有业务发生，不能保存！"));

    if (!bill.audit)
        addUserXspl(bill.uSn);
    execSql(QStringLiteral("update jxc_lsxssp set tid=id where gl_djh=?"), byNumber);
    appendRow(QStringLiteral("jxc_lsxsd"), {{QStringLiteral("gl_djh"), bill.djh},
                                            {QStringLiteral("kh_sn"), bill.khSn},
                                            {QStringLiteral("ck_sn"), bill.ckSn},
                                            {QStringLiteral("ls_xsrq"), bill.date},
                                            {QStringLiteral("ls_yfje"), sold.toDouble()},
                                            {QStringLiteral("ls_sfje"), bill.received.toDouble()},
                                            {QStringLiteral("u_sn"), bill.uSn},
                                            {QStringLiteral("ls_note"), bill.exchange ? QStringLiteral("商品换货：") + bill.note : bill.note},
                                            {QStringLiteral("a_name"), bill.op},
                                            {QStringLiteral("gl_djh2"), bill.sn2},
                                            {QStringLiteral("ls_yhje"), discount.toDouble()},
                                            {QStringLiteral("ls_th"), 0},
                                            {QStringLiteral("ls_qk"), 0},
                                            {QStringLiteral("ls_ckrq"), QString()}});

    addCashEntry({.date = bill.date,
                  .djh = bill.djh,
                  .kind = bill.exchange ? QStringLiteral("销售换货") : QStringLiteral("商品销售"),
                  .amount = bill.received,
                  .handlerName = bill.uName,
                  .partnerName = bill.khName,
                  .partnerSn = bill.khSn,
                  .warehouseName = bill.ckName,
                  .account = bill.account,
                  .note = bill.note,
                  .op = bill.op});

    addLedgerEntry({.partner = bill.khSn,
                    .partnerKind = QStringLiteral("kh"),
                    .date = bill.date,
                    .djh = bill.djh,
                    .djlx = QStringLiteral("XS"),
                    .djtxt = bill.exchange ? QStringLiteral("销售换货单")
                             : bill.audit  ? QStringLiteral("商品销售单审核")
                                           : QStringLiteral("商品销售单"),
                    .account = bill.account,
                    .handlerSn = bill.uSn,
                    .note = bill.note,
                    .op = bill.op,
                    .owed = sold,
                    .paid = bill.received});

    Money quantity;
    Money cost;
    for (int r = 0; r < lines.rowCount(); ++r) {
        const Money qty = Money::fromText(lines.text(r, 1));
        quantity += qty;
        cost += qty * Money::fromText(lines.text(r, 2));
    }
    const Money profit = sold - cost;
    addToDaySummary(bill.date, {{"yy_xssl", quantity}, {"yy_xscb", cost}, {"yy_xsje", sold}, {"yy_xslr", profit}});
    addToMonthStock(bill.date.left(7), bill.ckSn,
                    {{"js_sl", -quantity},
                     {"js_zje", -cost},
                     {"js_xssl", quantity},
                     {"js_xsje", sold},
                     {"js_xslr", profit},
                     {"js_xscb", cost}});

    // The journals name the customer, warehouse and handler as their records do.
    const JournalHeader journal{
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
        .costColumn = "g_pjjj"};
    addGoodsJournal(kSalesLines, journal);
    addGoodsJournalRows(kSalesLines, journal);
    addDailyMovement(kSalesLines, bill.djh, bill.date, "t_xs", bill.op);

    int goodsLines = 0;
    for (int r = 0; r < lines.rowCount(); ++r) {
        const bool discountItem = lines.text(r, 0) == QLatin1String("00000000");
        if (!discountItem)
            ++goodsLines;
        if (!(bill.audit && discountItem))
            sellFromStock(bill.ckSn, lines.text(r, 0), Money::fromText(lines.text(r, 1)));
    }
    subTkcByDoc(QLatin1String(kSalesLines.rowTable), bill.djh, bill.ckSn);
    if (bill.audit)
        writeLog(QStringLiteral("销售单") + bill.djh + QStringLiteral("通过审核，共") + QString::number(goodsLines) +
                 QStringLiteral("种商品"));
    else
        writeLog((bill.exchange ? QStringLiteral("增加换货销售单") : QStringLiteral("增加销售单")) + bill.djh +
                 QStringLiteral("，共") + QString::number(lines.rowCount()) + QStringLiteral("种商品"));
    tx.commit();
    return lines.rowCount();
}
