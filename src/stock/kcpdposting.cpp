#include "stock/kcpdposting.h"

#include "data/clock.h"
#include "data/database.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/posting.h"
#include "data/summaries.h"
#include "data/textrules.h"
#include "data/tkc.h"

#include <QDir>

namespace {

Money totalOf(const QVector<SizeColorQuantity>& cells)
{
    Money total;
    for (const SizeColorQuantity& c : cells)
        total += Money::fromText(c.quantity);
    return total;
}

// Writes the line's size and colour rows from the count, with the stock and price of now.
void writeCountRows(const QString& djh, const QString& gSn, const QString& ckSn, qint64 lineId,
                    const QVector<SizeColorQuantity>& counted)
{
    const Money price = Money::fromText(selectValue(QStringLiteral("select g_sj from jxc_goods where g_sn=?"),
                                                    {{QString(), gSn}}));
    SizeColorLineRows rows =
        SizeColorLineRows::countLine(djh, gSn, lineId, operatorName, kcpdStock(gSn, ckSn), price);
    rows.save(counted);
}

const QString kTicked = QStringLiteral("(select gl_djh from jxc_kcpdtemp where pd_status<>0)");

}  // namespace

QString newKcpdNumber()
{
    return QStringLiteral("PD") + Clock::now().toString(QStringLiteral("yyMMddhhmmss"));
}

QVector<SizeColorQuantity> kcpdStock(const QString& gSn, const QString& ckSn)
{
    SizeColorStock stock(gSn, ckSn);
    return stock.load();
}

qint64 findKcpdLine(const QString& djh, const QString& gSn)
{
    return selectValue(QStringLiteral("select min(id) from jxc_kcpd where gl_djh=? and g_sn=?"),
                       {{QString(), djh}, {QString(), gSn}})
        .toLongLong();
}

qint64 addKcpdLine(const KcpdSheet& sheet, const QString& gSn, const QVector<SizeColorQuantity>& counted)
{
    Transaction tx;
    if (findKcpdLine(sheet.djh, gSn) != 0)
        throw DbError(QStringLiteral("盘点单%1中已经有商品%2。").arg(sheet.djh, gSn));
    const qint64 id = appendRow(QStringLiteral("jxc_kcpd"),
                                {{QStringLiteral("gl_djh"), sheet.djh},
                                 {QStringLiteral("g_sn"), gSn},
                                 {QStringLiteral("kc_sl"), totalOf(kcpdStock(gSn, sheet.ckSn)).toDouble()},
                                 {QStringLiteral("ck_sn"), sheet.ckSn},
                                 {QStringLiteral("pd_sl"), totalOf(counted).toDouble()},
                                 {QStringLiteral("pd_rq"), sheet.date},
                                 {QStringLiteral("pd_status"), 0},
                                 {QStringLiteral("pd_note"), sqlSafeName(sheet.note.trimmed())},
                                 {QStringLiteral("a_name"), sheet.op}});
    writeCountRows(sheet.djh, gSn, sheet.ckSn, id, counted);
    tx.commit();
    return id;
}

void modifyKcpdLine(qint64 lineId, const QVector<SizeColorQuantity>& counted, const QString* note)
{
    Transaction tx;
    const ResultSet line =
        openSelect(QStringLiteral("select gl_djh,g_sn,ck_sn from jxc_kcpd where id=?"), {{QString(), lineId}});
    if (line.rowCount() == 0)
        throw DbError(QStringLiteral("该盘点商品已不存在。"));
    execSql(QStringLiteral("update jxc_kcpd set pd_sl=? where id=?"),
            {{QString(), totalOf(counted).toDouble()}, {QString(), lineId}});
    if (note)
        execSql(QStringLiteral("update jxc_kcpd set pd_note=? where id=?"),
                {{QString(), sqlSafeName(note->trimmed())}, {QString(), lineId}});
    writeCountRows(line.text(0, 0), line.text(0, 1), line.text(0, 2), lineId, counted);
    tx.commit();
}

void setKcpdCount(qint64 lineId, Money quantity)
{
    Transaction tx;
    execSql(QStringLiteral("update jxc_kcpd set pd_sl=? where id=?"), {{QString(), quantity.toDouble()}, {QString(), lineId}});
    tx.commit();
}

void deleteKcpdLine(qint64 lineId)
{
    Transaction tx;
    execSql(QStringLiteral("delete from jxc_kcpdmx where tid=?"), {{QString(), lineId}});
    execSql(QStringLiteral("delete from jxc_kcpd where id=?"), {{QString(), lineId}});
    tx.commit();
}

void deleteKcpdSheet(const QString& djh)
{
    Transaction tx;
    execSql(QStringLiteral("delete from jxc_kcpdmx where gl_djh=?"), {{QString(), djh}});
    execSql(QStringLiteral("delete from jxc_kcpd where gl_djh=?"), {{QString(), djh}});
    tx.commit();
}

void fillKcpdChoice(const QString& ckSn, const QString& aName)
{
    Transaction tx;
    execSql(QStringLiteral("delete from jxc_kcpdtemp"));
    execSql(QStringLiteral("insert into jxc_kcpdtemp (gl_djh,pd_rq,ck_name,a_name,sp_sl,pd_sl,pd_status) "
                           "select a.gl_djh,max(a.pd_rq),max(b.ck_name),max(a.a_name),count(*),sum(a.pd_sl),0 "
                           "from jxc_kcpd a,jxc_ckxx b where a.ck_sn=b.ck_sn and a.pd_status=0 "
                           "and (:ck='-1' or a.ck_sn=:ck) and (:op='' or a.a_name=:op) group by a.gl_djh"),
            {{QStringLiteral(":ck"), ckSn.isEmpty() ? QStringLiteral("-1") : ckSn}, {QStringLiteral(":op"), aName}});
    tx.commit();
}

void tickKcpdChoice(const QString& djh, bool ticked)
{
    execSql(QStringLiteral("update jxc_kcpdtemp set pd_status=? where gl_djh=?"),
            {{QString(), ticked ? 1 : 0}, {QString(), djh}});
}

int tickedKcpdSheets()
{
    return selectValue(QStringLiteral("select count(*) from jxc_kcpdtemp where pd_status<>0")).toInt();
}

void markKcpdSheets()
{
    Transaction tx;
    execSql(QStringLiteral("update jxc_kcpd set pd_status=1,pd_note='temp' where pd_status=0 and gl_djh in ") + kTicked);
    tx.commit();
}

void releaseKcpdSheets()
{
    Transaction tx;
    execSql(QStringLiteral("update jxc_kcpd set pd_status=0,pd_note='' where pd_note='temp'"));
    tx.commit();
}

QString kcpdChosenLinesSql()
{
    return QStringLiteral("select a.id,a.pd_sl,a.g_sn,a.gl_djh,b.g_name,b.dw_name,b.gg_name,c.ck_name from "
                          "jxc_kcpd a,jxc_goods b,jxc_ckxx c where a.g_sn=b.g_sn and a.ck_sn=c.ck_sn "
                          "and a.pd_note='temp' and a.gl_djh in ") +
           kTicked + QStringLiteral(" order by a.id");
}

QString kcpdUncountedSql()
{
    return QStringLiteral("select b.g_sn,a.g_name,a.dw_name,a.gg_name,b.kc_sl,c.ck_name from jxc_kcsp b "
                          "join jxc_goods a on a.g_sn=b.g_sn join jxc_ckxx c on c.ck_sn=b.ck_sn "
                          "where a.g_jy=0 and a.g_sn<>'00000000' and not exists (select 1 from jxc_kcpd p "
                          "where p.g_sn=b.g_sn and p.ck_sn=b.ck_sn and p.gl_djh in ") +
           kTicked + QStringLiteral(") order by b.g_sn");
}

QString kcpdDifferenceSql()
{
    return QStringLiteral("select a.g_sn,b.g_name,b.dw_name,b.gg_name,a.pd_sl,d.kc_sl,a.pd_sl-d.kc_sl as cysl,"
                          "c.ck_name,a.ck_sn,a.id,a.gl_djh,a.pd_rq from jxc_kcpd a,jxc_goods b,jxc_ckxx c,jxc_kcsp d "
                          "where a.g_sn=b.g_sn and a.ck_sn=c.ck_sn and a.g_sn=d.g_sn and a.ck_sn=d.ck_sn "
                          "and a.pd_note='temp' and a.gl_djh in ") +
           kTicked + QStringLiteral(" order by a.g_sn,a.id");
}

int correctKcpd()
{
    Transaction tx;
    const ResultSet lines = openSelect(QStringLiteral(
        "select a.id,a.g_sn,a.ck_sn,a.pd_sl,a.pd_rq,a.gl_djh from jxc_kcpd a where a.pd_note='temp' and a.gl_djh in ") +
        kTicked + QStringLiteral(" and exists (select 1 from jxc_kcsp d where d.g_sn=a.g_sn and d.ck_sn=a.ck_sn) "
                                 "order by a.g_sn,a.id"));
    execSql(QStringLiteral("update jxc_kcpd set tid=id where gl_djh in ") + kTicked);
    for (int r = 0; r < lines.rowCount(); ++r) {
        const qint64 id = lines.text(r, 0).toLongLong();
        const QString g = lines.text(r, 1);
        const QString w = lines.text(r, 2);
        const Money counted = Money::fromText(lines.text(r, 3));
        // The stock as it stands now: an earlier line of the same goods may have set it.
        const ResultSet stock = openSelect(
            QStringLiteral("select s.id,s.kc_sl,s.kc_cbj,g.g_jj from jxc_kcsp s join jxc_goods g on g.g_sn=s.g_sn "
                           "where s.g_sn=? and s.ck_sn=? order by s.id limit 1"),
            {{QString(), g}, {QString(), w}});
        const Money diff = counted - Money::fromText(stock.text(0, 1));
        const QString costText = stock.text(0, 2).isEmpty() ? stock.text(0, 3) : stock.text(0, 2);
        const Money cost = Money::fromText(costText);
        const QString month = lines.text(r, 4).left(7);
        checkKcjsMonth(month);  // a new month row takes the stock before this line moves it
        execSql(QStringLiteral("update jxc_kcpd set pd_status=1,pd_note='' where id=?"), {{QString(), id}});
        execSql(QStringLiteral("update jxc_kcsp set kc_sl=? where id=?"),
                {{QString(), counted.toDouble()}, {QString(), stock.text(0, 0)}});
        execSql(QStringLiteral("update jxc_goods set g_kc=ifnull(g_kc,0)+? where g_sn=?"),
                {{QString(), diff.toDouble()}, {QString(), g}});
        addToMonthStock(month, w, {{"js_sl", diff}, {"js_zje", diff * cost}});
        if (selectValue(QStringLiteral("select count(*) from jxc_kcpdmx where tid=?"), {{QString(), id}}) != u"0") {
            execSql(QStringLiteral("update jxc_tkc set t_sl=0 where g_sn=? and ck_sn=?"), {{QString(), g}, {QString(), w}});
            addTkcByLine(QStringLiteral("jxc_kcpdmx"), id, w);
        }
    }
    execSql(QStringLiteral("delete from jxc_kcpdtemp"));
    tx.commit();
    return lines.rowCount();
}

void synchronizeStock()
{
    Transaction tx;
    execSql(QStringLiteral("update jxc_goods set g_kc=ifnull((select sum(kc_sl) from jxc_kcsp s "
                           "where s.g_sn=jxc_goods.g_sn),0)"));
    execSql(QStringLiteral("update jxc_tkc set t_sl=0 where g_sn in (select g_sn from jxc_kcsp group by g_sn "
                           "having round(sum(kc_sl),4)=0)"));
    tx.commit();
}

QString syncBackupPath()
{
    return QDir(shopDir()).filePath(QStringLiteral("系统数据库") +
                                    Clock::now().toString(QStringLiteral("yy_MM_dd_hh_mm_ss")) +
                                    QStringLiteral(".Dat"));
}
