#include "sales/khjhposting.h"

#include "bills/workinglines.h"
#include "data/billtables.h"
#include "data/clock.h"
#include "data/datamodule.h"
#include "data/numbering.h"
#include "data/posting.h"
#include "data/settings.h"
#include "data/textrules.h"
#include "data/tkc.h"

#include <QDate>
#include <QVariant>

namespace {

// One open or settled borrowing line.
struct BorrowingLine {
    QString djh, khSn, ckSn, gSn;
    Money quantity;  // still out
};

BorrowingLine readLine(qint64 id)
{
    const ResultSet r = openSelect(QStringLiteral("select gl_djh,kh_sn,ck_sn,g_sn,jh_sl from jxc_jhgl "
                                                  "where id=? and jh_flag='j'"),
                                   {{QString(), id}});
    if (r.isEmpty())
        throw DbError(QStringLiteral("该借货记录不存在！"));
    BorrowingLine line{r.text(0, 0), r.text(0, 1), r.text(0, 2), r.text(0, 3), Money::fromText(r.text(0, 4))};
    if (line.quantity.isZero())
        throw DbError(QStringLiteral("还货数量不能为0！"));
    return line;
}

// Settles the line: its quantity becomes 0, a give-back row of the next number of `date`'s series
// holds the quantity negated and a copy of the line's size and colour rows. Returns the number.
QString settleLine(qint64 id, const BorrowingLine& line, const QString& numberDay, const QString& date,
                   const QString& uSn, const QString& note, const QVariant& price, const QString& op)
{
    execSql(QStringLiteral("update jxc_jhgl set jh_sl=0 where id=?"), {{QString(), id}});
    const QString hh = getMaxDjhByDate(QStringLiteral("jxc_jhgl"), QStringLiteral("gl_djh"), QStringLiteral("HH"), numberDay);
    const qint64 back = appendRow(QStringLiteral("jxc_jhgl"), {{QStringLiteral("kh_sn"), line.khSn},
                                                               {QStringLiteral("ck_sn"), line.ckSn},
                                                               {QStringLiteral("u_sn"), uSn},
                                                               {QStringLiteral("gl_djh"), hh},
                                                               {QStringLiteral("g_sn"), line.gSn},
                                                               {QStringLiteral("jh_dj"), price},
                                                               {QStringLiteral("jh_sl"), (-line.quantity).toDouble()},
                                                               {QStringLiteral("jh_rq"), date},
                                                               {QStringLiteral("jh_note"), note},
                                                               {QStringLiteral("jh_flag"), QStringLiteral("h")},
                                                               {QStringLiteral("a_name"), op}});
    execSql(QStringLiteral("update jxc_jhgl set tid=id where id=?"), {{QString(), back}});
    execSql(QStringLiteral("insert into jxc_jhglmx (gl_djh,g_sn,cm_sn,color_sn,t_sl,a_name,tid) "
                           "select ?,g_sn,cm_sn,color_sn,t_sl,a_name,? from jxc_jhglmx where gl_djh=? and tid=? order by id"),
            {{QString(), hh}, {QString(), back}, {QString(), line.djh}, {QString(), id}});
    return hh;
}

}  // namespace

void markLoanLines(const QString& djh)
{
    execSql(QStringLiteral("update jxc_jhgl set jh_flag='j',jh_rq=? where gl_djh=? and ifnull(jh_flag,'')=''"),
            {{QString(), Clock::today().toString(QStringLiteral("yyyy-MM-dd"))}, {QString(), djh}});
}

int postKhjh(const KhjhPosting& loan)
{
    const SqlParams byNumber{{QString(), loan.djh}};
    Transaction tx;
    const ResultSet lines = openSelect(QStringLiteral("select a.g_sn,a.jh_sl,ifnull(b.g_jj,0),a.tid,a.kh_sn from jxc_jhgl a "
                                                      "left join jxc_goods b on b.g_sn=a.g_sn where a.gl_djh=? order by a.id"),
                                       byNumber);
    if (lines.isEmpty())
        throw DbError(QStringLiteral("还没有添加商品信息，不能保存！"));
    for (int r = 0; r < lines.rowCount(); ++r) {
        if (!lines.text(r, 3).isEmpty() || !lines.text(r, 4).isEmpty())
            throw DbError(QStringLiteral("单号%1已经保存过，不能重复保存！").arg(loan.djh));
    }
    execSql(QStringLiteral("update jxc_jhgl set tid=id,kh_sn=?,ck_sn=?,u_sn=?,jh_note=?,jh_rq=?,jh_flag='j' where gl_djh=?"),
            {{QString(), loan.khSn},
             {QString(), loan.ckSn},
             {QString(), loan.uSn},
             {QString(), sqlSafeName(loan.note.trimmed())},
             {QString(), loan.date},
             {QString(), loan.djh}});
    for (int r = 0; r < lines.rowCount(); ++r) {
        const QString goods = lines.text(r, 0);
        const Money q = Money::fromText(lines.text(r, 1));
        execSql(QStringLiteral("update jxc_goods set g_kc=ifnull(g_kc,0)-? where g_sn=?"),
                {{QString(), q.toDouble()}, {QString(), goods}});
        moveWarehouseStock(loan.ckSn, goods, -q, Money::fromText(lines.text(r, 2)));
    }
    subTkcByDoc(QStringLiteral("jxc_jhglmx"), loan.djh, loan.ckSn);
    writeLog(QStringLiteral("增加借货单") + loan.djh + QStringLiteral("，共") + QString::number(lines.rowCount()) +
             QStringLiteral("种商品"));
    tx.commit();
    return lines.rowCount();
}

QString postKhjhGiveBack(const KhjhGiveBack& back)
{
    Transaction tx;
    const BorrowingLine line = readLine(back.lineId);
    const QString hh = settleLine(back.lineId, line, back.date, back.date, back.uSn, sqlSafeName(back.note.trimmed()),
                                  QVariant(), back.op);
    execSql(QStringLiteral("update jxc_goods set g_kc=ifnull(g_kc,0)+? where g_sn=?"),
            {{QString(), line.quantity.toDouble()}, {QString(), line.gSn}});
    const QString cost = selectValue(QStringLiteral("select g_jj from jxc_goods where g_sn=? order by id limit 1"),
                                     {{QString(), line.gSn}});
    moveWarehouseStock(line.ckSn, line.gSn, line.quantity, Money::fromText(cost));
    addTkcByDoc(QStringLiteral("jxc_jhglmx"), hh, line.ckSn);
    writeLog(QStringLiteral("增加还货单") + hh + QStringLiteral("，共1种商品"));
    tx.commit();
    return hh;
}

KhjhSaleResult postKhjhSale(const KhjhSale& sale)
{
    Transaction tx;
    const BorrowingLine line = readLine(sale.lineId);
    KhjhSaleResult result;
    const QString note = sqlSafeName(sale.note.trimmed());
    result.hh = settleLine(sale.lineId, line, Clock::today().toString(QStringLiteral("yyyy-MM-dd")), sale.date, sale.uSn,
                           note + QStringLiteral("还货：借货转销售"), sale.price.toDouble(), sale.op);

    // The sales bill's number: the next of its day, past any lines left under it.
    result.xs = getMaxDjhByDate(QStringLiteral("jxc_lsxsd"), QStringLiteral("gl_djh"), QStringLiteral("XS"), sale.date);
    while (!selectValue(QStringLiteral("select id from jxc_lsxssp where gl_djh=? limit 1"), {{QString(), result.xs}})
                .isEmpty())
        result.xs = result.xs.left(9) + QStringLiteral("%1").arg(result.xs.mid(9).toInt() + 1, 5, 10, QLatin1Char('0'));

    WorkingLine sold{.gSn = line.gSn, .price = sale.price, .rows = {}, .quantity = line.quantity};
    const ResultSet rows = openSelect(QStringLiteral("select cm_sn,color_sn,t_sl from jxc_jhglmx where gl_djh=? and tid=? "
                                                     "order by id"),
                                      {{QString(), line.djh}, {QString(), sale.lineId}});
    for (int r = 0; r < rows.rowCount(); ++r)
        sold.rows.push_back({rows.text(r, 0), rows.text(r, 1), Money::fromText(rows.text(r, 2))});
    if (lineQuantity(sold) != line.quantity) {
        // Size and colour rows that do not add up to the line: the sale keeps the line's quantity.
        sold.rows.clear();
    }
    writeLine(kSalesLines, result.xs, sold);

    postSpxs({.djh = result.xs,
              .khSn = line.khSn,
              .khName = sale.khName,
              .ckSn = line.ckSn,
              .ckName = sale.ckName,
              .date = sale.date,
              .uSn = sale.uSn,
              .uName = sale.uName,
              .due = line.quantity * sale.price,
              .received = sale.paid,
              .mode = sale.mode,
              .account = sale.account,
              .note = sale.note.trimmed(),
              .sn2 = line.djh,
              .op = sale.op,
              .lent = true,
              .headerNote = sale.note.trimmed() + QStringLiteral("销售：借货转销售")});
    tx.commit();
    return result;
}
