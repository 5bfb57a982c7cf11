#include "sales/xsthposting.h"

#include "bills/workinglines.h"
#include "data/billtables.h"
#include "data/datamodule.h"
#include "data/posting.h"
#include "data/settings.h"
#include "data/summaries.h"
#include "data/tkc.h"

namespace {

QString nameOf(const char* sql, const QString& code)
{
    return selectValue(QLatin1String(sql), {{QString(), code}});
}

// Sales lines into a return: price, rate and amounts as sold; the production date only when the
// whole bill comes back.
const LineCopy kWholeSale{&kSalesLines, &kCustomerReturnLines,
                          {{"th_dzl", "ls_dzl"}, {"th_zhje", "ls_zhje"}, {"t_scrq", "t_scrq"}}};
const LineCopy kSaleLine{&kSalesLines, &kCustomerReturnLines, {{"th_dzl", "ls_dzl"}, {"th_zhje", "ls_zhje"}}};

const char* const kReturnedWhole = "该单据已经进行过整单退货，不能重复退货！";

}  // namespace

int postXsth(const XsthPosting& bill)
{
    const SqlParams byNumber{{QString(), bill.djh}};
    Transaction tx;
    if (!selectValue(QStringLiteral("select id from jxc_xsthd where gl_djh=? limit 1"), byNumber).isEmpty())
        throw DbError(QStringLiteral("单号%1已经保存过，不能重复保存！").arg(bill.djh));
    if (!bill.sale.isEmpty() &&
        !selectValue(QStringLiteral("select id from jxc_lsxsd where gl_djh=? and ls_th=1 limit 1"), {{QString(), bill.sale}})
             .isEmpty())
        throw DbError(QString::fromUtf8(kReturnedWhole));
    // The lines with the goods' preset and average purchase prices (goods that no longer exist
    // cost nothing).
    const ResultSet lines = openSelect(QStringLiteral("select b.g_sn,b.th_sl,ifnull(d.g_jj,0),ifnull(d.g_pjjj,0) "
                                                      "from jxc_xsthsp b left join jxc_goods d on d.g_sn=b.g_sn "
                                                      "where b.gl_djh=? order by b.id"),
                                       byNumber);
    if (lines.isEmpty())
        throw DbError(QStringLiteral("单据中没有发生业务，不能保存！"));

    Money quantity;
    Money presetCost;
    Money cost;
    for (int r = 0; r < lines.rowCount(); ++r) {
        const Money qty = Money::fromText(lines.text(r, 1));
        quantity += qty;
        presetCost += qty * Money::fromText(lines.text(r, 2));
        cost += qty * Money::fromText(lines.text(r, 3));
    }

    const bool till = bill.till.has_value();
    if (!till)
        addUserXspl(bill.uSn);
    execSql(QStringLiteral("update jxc_xsthsp set tid=id where gl_djh=?"), byNumber);
    SqlParams header{{QStringLiteral("gl_djh"), bill.djh},
                     {QStringLiteral("kh_sn"), bill.khSn},
                     {QStringLiteral("ck_sn"), bill.ckSn},
                     {QStringLiteral("th_xsrq"), bill.date},
                     {QStringLiteral("th_yfje"), (-bill.due).toDouble()},
                     {QStringLiteral("th_sfje"), (-bill.refund).toDouble()},
                     {QStringLiteral("u_sn"), bill.uSn},
                     {QStringLiteral("th_note"), bill.note},
                     {QStringLiteral("a_name"), bill.op},
                     {QStringLiteral("th_qk"), 0},
                     {QStringLiteral("th_lr"), ((till ? cost : presetCost) - bill.due).toDouble()}};
    if (till)
        header.insert(header.end(), {{QStringLiteral("hy_sn"), bill.till->hySn},
                                     {QStringLiteral("pos_zffs"), 1},
                                     {QStringLiteral("pos_xj"), (-bill.refund).toDouble()},
                                     {QStringLiteral("pos_czk"), 0},
                                     {QStringLiteral("pos_yhk"), 0},
                                     {QStringLiteral("pos_djq"), 0},
                                     {QStringLiteral("pos_yhje"), 0}});
    appendRow(QStringLiteral("jxc_xsthd"), header);

    addCashEntry({.date = bill.date,
                  .djh = bill.djh,
                  .kind = till ? QStringLiteral("前台退货") : QStringLiteral("顾客退货"),
                  .amount = -bill.refund,
                  .handlerName = bill.uName,
                  .partnerName = bill.khName,
                  .partnerSn = bill.khSn,
                  .warehouseName = bill.ckName,
                  .account = bill.account,
                  .note = bill.note,
                  .op = bill.op});

    // Balance: previous − due + refunded. A till return books no ledger row, only the bill.
    if (till)
        execSql(QStringLiteral("update jxc_khxx set kh_pl=ifnull(kh_pl,0)+1 where kh_sn=?"), {{QString(), bill.khSn}});
    else
        addLedgerEntry({.partner = bill.khSn,
                        .partnerKind = QStringLiteral("kh"),
                        .date = bill.date,
                        .djh = bill.djh,
                        .djlx = QStringLiteral("XT"),
                        .djtxt = QStringLiteral("顾客退货单"),
                        .account = bill.account,
                        .handlerSn = bill.uSn,
                        .note = bill.note,
                        .op = bill.op,
                        .owed = -bill.due,
                        .paid = -bill.refund});

    // The day's and the month's sales fall by the return; the goods come back into stock at
    // their average cost.
    const Money profit = bill.due - cost;
    addToDaySummary(bill.date, {{"yy_xssl", -quantity}, {"yy_xscb", -cost}, {"yy_xsje", -bill.due}, {"yy_xslr", -profit}});
    addToMonthStock(bill.date.left(7), bill.ckSn,
                    {{"js_sl", quantity},
                     {"js_zje", cost},
                     {"js_xssl", -quantity},
                     {"js_xsje", -bill.due},
                     {"js_xslr", -profit},
                     {"js_xscb", -cost}});

    JournalHeader journal{
        .kind = QStringLiteral("xt"),
        .djh = bill.djh,
        .date = bill.date,
        .ckSn = bill.ckSn,
        .ckName = nameOf("select ck_name from jxc_ckxx where ck_sn=? order by id limit 1", bill.ckSn),
        .partnerSn = bill.khSn,
        .partnerName = nameOf("select kh_name from jxc_khxx where kh_sn=? order by id limit 1", bill.khSn),
        .handlerName = nameOf("select u_name from jxc_user where u_sn=? order by id limit 1", bill.uSn),
        .costColumn = "g_pjjj",
        .negated = true,
        .productionDate = true,
        .marker = till ? QStringLiteral("99") : QString()};
    if (till)
        journal.date = bill.till->moment;
    addGoodsJournal(kCustomerReturnLines, journal);
    addGoodsJournalRows(kCustomerReturnLines, journal);
    addDailyMovement(kCustomerReturnLines, bill.djh, bill.date, "t_xt", bill.op);

    // Goods back into the warehouse: a sale of the negated quantity (a goods without a stock row
    // there gets one of +q at its preset purchase price and sold quantity −q).
    for (int r = 0; r < lines.rowCount(); ++r)
        sellFromStock(bill.ckSn, lines.text(r, 0), -Money::fromText(lines.text(r, 1)));
    writeLog((till ? QStringLiteral("增加POS销售退货单") : QStringLiteral("增加销售退货单")) + bill.djh + QStringLiteral("，共") + QString::number(lines.rowCount()) +
             QStringLiteral("种商品"));
    addTkcByDoc(QLatin1String(kCustomerReturnLines.rowTable), bill.djh, bill.ckSn);
    if (!bill.sale.isEmpty())
        execSql(QStringLiteral("update jxc_lsxsd set ls_th=1 where gl_djh=?"), {{QString(), bill.sale}});
    tx.commit();
    return lines.rowCount();
}

std::optional<SaleHeader> saleHeader(const QString& djh)
{
    const ResultSet h = openSelect(
        QStringLiteral("select a.gl_djh,a.kh_sn,b.kh_name,c.ck_name,d.u_name,a.ls_note,a.ls_yfje,a.ls_sfje,a.ls_th "
                       "from jxc_lsxsd a left join jxc_khxx b on b.kh_sn=a.kh_sn left join jxc_ckxx c on c.ck_sn=a.ck_sn "
                       "left join jxc_user d on d.u_sn=a.u_sn where a.gl_djh=? limit 1"),
        {{QString(), djh}});
    if (h.isEmpty())
        return std::nullopt;
    return SaleHeader{.djh = h.text(0, 0),
                      .khSn = h.text(0, 1),
                      .khName = h.text(0, 2),
                      .ckName = h.text(0, 3),
                      .uName = h.text(0, 4),
                      .note = h.text(0, 5),
                      .due = Money::fromText(h.text(0, 6)),
                      .received = Money::fromText(h.text(0, 7)),
                      .returned = h.text(0, 8) == QLatin1String("1")};
}

SaleCopy copyWholeSale(const QString& djh, const QString& returnDjh)
{
    Transaction tx;
    if (!selectValue(QStringLiteral("select id from jxc_xsthsp where gl_djh=? limit 1"), {{QString(), returnDjh}}).isEmpty())
        return {QStringLiteral("请先保存本次的退货单据！"), std::nullopt};
    SaleCopy copy{QString(), saleHeader(djh)};
    if (!copy.header)
        return copy;
    if (copy.header->returned)
        return {QString::fromUtf8(kReturnedWhole), std::nullopt};
    copyLinesInto(kWholeSale, djh, returnDjh);
    tx.commit();
    return copy;
}

SaleCopy copySaleLine(qint64 lineId, const QString& returnDjh)
{
    Transaction tx;
    const QString djh = selectValue(QStringLiteral("select gl_djh from jxc_lsxssp where id=?"), {{QString(), lineId}});
    if (djh.isEmpty())
        return {};
    SaleCopy copy{QString(), saleHeader(djh)};
    if (!copy.header)
        return copy;
    copyLinesInto(kSaleLine, djh, returnDjh, lineId);
    tx.commit();
    return copy;
}
