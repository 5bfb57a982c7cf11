#include "stock/bsbyposting.h"

#include "data/datamodule.h"
#include "data/posting.h"
#include "data/settings.h"
#include "data/summaries.h"
#include "data/tkc.h"

const BsbyTables& bsbyTables(BsbyKind kind)
{
    static const BsbyTables loss{&kLossLines, "jxc_bsd", "bs_bsrq", "bs_note", "BS", "商品报损"};
    static const BsbyTables overflow{&kOverflowLines, "jxc_byd", "by_byrq", "by_note", "BY", "商品报溢"};
    return kind == BsbyKind::Loss ? loss : overflow;
}

int saveBsValue(const BsbyPosting& bill)
{
    BsbyPosting loss = bill;
    loss.kind = BsbyKind::Loss;
    return postBsby(loss);
}

int saveByValue(const BsbyPosting& bill)
{
    BsbyPosting overflow = bill;
    overflow.kind = BsbyKind::Overflow;
    return postBsby(overflow);
}

int postBsby(const BsbyPosting& bill)
{
    const bool loss = bill.kind == BsbyKind::Loss;
    const BsbyTables& k = bsbyTables(bill.kind);
    const BillLineTables& t = *k.lines;
    const QString lineTable = QLatin1String(t.lineTable);
    const SqlParams byNumber{{QString(), bill.djh}};
    Transaction tx;
    if (!selectValue(QStringLiteral("select id from %1 where gl_djh=? limit 1").arg(QLatin1String(k.headerTable)), byNumber)
             .isEmpty())
        throw DbError(QStringLiteral("单号%1已经保存过，不能重复保存！").arg(bill.djh));
    const ResultSet lines = openSelect(QStringLiteral("select g_sn,%1,%2,%3 from %4 where gl_djh=? order by id")
                                           .arg(QLatin1String(t.quantityColumn), QLatin1String(t.priceColumn),
                                                QLatin1String(t.amountColumn), lineTable),
                                       byNumber);
    if (lines.isEmpty())
        throw DbError(QStringLiteral("请选择商品！"));

    execSql(QStringLiteral("update %1 set tid=id where gl_djh=?").arg(lineTable), byNumber);
    appendRow(QLatin1String(k.headerTable), {{QStringLiteral("gl_djh"), bill.djh},
                                             {QStringLiteral("ck_sn"), bill.ckSn},
                                             {QLatin1String(k.dateColumn), bill.date},
                                             {QLatin1String(k.noteColumn), bill.note.trimmed()},
                                             {QStringLiteral("u_sn"), bill.uSn},
                                             {QStringLiteral("a_name"), bill.op}});
    const QString month = bill.date.left(7);
    checkKcjsMonth(month);
    Money total;
    for (int r = 0; r < lines.rowCount(); ++r) {
        const QString goods = lines.text(r, 0);
        const Money q = loss ? -Money::fromText(lines.text(r, 1)) : Money::fromText(lines.text(r, 1));
        total += Money::fromText(lines.text(r, 3));
        const Money cost = moveWarehouseStock(bill.ckSn, goods, q, Money::fromText(lines.text(r, 2)));
        execSql(QStringLiteral("update jxc_goods set g_kc=ifnull(g_kc,0)+? where g_sn=?"),
                {{QString(), q.toDouble()}, {QString(), goods}});
        addToMonthStock(month, bill.ckSn, {{"js_sl", q}, {"js_zje", q * cost}});
    }
    if (!total.isZero()) {
        appendRow(QStringLiteral("jxc_yyfy"),
                  {{QStringLiteral("fy_rq"), bill.date},
                   {QStringLiteral("fy_lx"), loss ? QStringLiteral("商品报损支出") : QStringLiteral("商品报溢收入")},
                   {QStringLiteral("fy_je"), (loss ? -total : total).toDouble()},
                   {QStringLiteral("u_sn"), bill.uSn},
                   {QStringLiteral("fy_note"), (loss ? QStringLiteral("报损单") : QStringLiteral("报溢单")) + bill.djh +
                                                   QStringLiteral("成本差额")},
                   {QStringLiteral("a_name"), bill.op},
                   {QStringLiteral("fy_sc"), loss ? QStringLiteral("费用") : QStringLiteral("收入")}});
    }
    if (loss)
        subTkcByDoc(QLatin1String(t.rowTable), bill.djh, bill.ckSn);
    else
        addTkcByDoc(QLatin1String(t.rowTable), bill.djh, bill.ckSn);
    writeLog(QStringLiteral("增加") + QString::fromUtf8(k.title) + QStringLiteral("单") + bill.djh +
             QStringLiteral("，共") + QString::number(lines.rowCount()) + QStringLiteral("种商品"));
    tx.commit();
    return lines.rowCount();
}
