#include "data/ledger.h"

#include "data/combos.h"  // getDefaultUserSn
#include "data/clock.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/numbering.h"
#include "data/routineargs.h"

void updateYhzh(const QString& accountName, const QString& amount, const QString& kind)
{
    if (kind != u"cg" && kind != u"xs")
        return;
    const Money a = amountArg(amount);
    Transaction tx;
    execSql(QStringLiteral("update jxc_yhzh set yh_zje=yh_zje+? where yh_name=?"),
            {{QString(), (kind == u"cg" ? -a : a).toDouble()}, {QString(), accountName}});
    tx.commit();
}

QString getLjjeBefore(const QString& partner, const QString& kind, const QString& rowId, const QString& date)
{
    QString sql = QStringLiteral("select k_ljje from jxc_ysyfk where k_type=? and k_ghskh=? and k_rq<=?");
    SqlParams params{{QString(), kind}, {QString(), partner}, {QString(), date}};
    const QString id = rowId.trimmed();
    if (!id.isEmpty() && id != u"0") {
        sql += QStringLiteral(" and id<?");
        params.emplace_back(QString(), codeNumber(id));
    }
    const QString v = selectValue(sql + QStringLiteral(" order by k_rq desc,id desc limit 1"), params);
    return v.isEmpty() ? QStringLiteral("0") : v;
}

void recalcLjje(const QString& partner, const QString& kind, const QString& date)
{
    const SqlParams who{{QString(), kind}, {QString(), partner}, {QString(), date}};
    Transaction tx;
    Money balance = amountArg(selectValue(
        QStringLiteral("select k_ljje from jxc_ysyfk where k_type=? and k_ghskh=? and k_rq<? order by k_rq desc,id desc limit 1"),
        who));
    const ResultSet rows = openSelect(
        QStringLiteral("select id,k_qcje,k_yfje,k_sfje from jxc_ysyfk where k_type=? and k_ghskh=? and k_rq>=? order by k_rq,id"),
        who);
    for (int r = 0; r < rows.rowCount(); ++r) {
        balance += amountArg(rows.text(r, 1)) + amountArg(rows.text(r, 2)) - amountArg(rows.text(r, 3));
        execSql(QStringLiteral("update jxc_ysyfk set k_ljje=? where id=?"),
                {{QString(), balance.toDouble()}, {QString(), rows.text(r, 0)}});
    }
    if (kind == u"kh")
        execSql(QStringLiteral("update jxc_khxx set kh_lwje=? where kh_sn=?"), {{QString(), balance.toDouble()}, {QString(), partner}});
    else if (kind == u"ghs")
        execSql(QStringLiteral("update jxc_ghsxx set ghs_lwje=? where ghs_sn=?"), {{QString(), balance.toDouble()}, {QString(), partner}});
    tx.commit();
}

namespace {

// Runs a summary statement (columns yfje, sfje, wfje) into the three globals, when it has a row.
void loadSummary(const QString& sql, const QString& partner)
{
    const ResultSet rs = openSelect(sql, {{QStringLiteral(":sn"), partner}});
    if (rs.isEmpty())
        return;
    zwYfje = rs.text(0, QStringLiteral("yfje"));
    zwSfje = rs.text(0, QStringLiteral("sfje"));
    zwWfje = rs.text(0, QStringLiteral("wfje"));
}

}  // namespace

void getGhsZw(const QString& ghsSn)
{
    loadSummary(QStringLiteral(
        "select round(b.jyfje+c.tyfje+0.0005,2) as yfje,round(b.jsfje+c.tsfje+d.gsfje+0.0005,2) as sfje,e.wfje from "
        "(select ifnull(sum(j_yfje),0) as jyfje,ifnull(sum(j_sfje),0) as jsfje from jxc_jhd where ghs_sn=:sn) b,"
        "(select ifnull(sum(th_yfje),0) as tyfje,ifnull(sum(th_sfje),0) as tsfje from jxc_thd where ghs_sn=:sn) c,"
        "(select ifnull(sum(gf_fkje),0) as gsfje from jxc_ghsfk where gf_je<>0 and ghs_sn=:sn) d,"
        "(select ifnull(ghs_lwje,0) as wfje from jxc_ghsxx where ghs_sn=:sn limit 1) e"),
        ghsSn);
}

void getKhZw(const QString& khSn)
{
    loadSummary(QStringLiteral(
        "select round(b.lyfje+c.tyfje+0.0005,2) as yfje,round(b.lsfje+c.tsfje+d.ksfje+0.0005,2) as sfje,e.wfje from "
        "(select ifnull(sum(ls_yfje),0) as lyfje,ifnull(sum(ls_sfje),0) as lsfje from jxc_lsxsd where kh_sn=:sn) b,"
        "(select ifnull(sum(th_yfje),0) as tyfje,ifnull(sum(th_sfje),0) as tsfje from jxc_xsthd where kh_sn=:sn) c,"
        "(select ifnull(sum(kf_fkje),0) as ksfje from jxc_khfk where kf_je<>0 and kh_sn=:sn) d,"
        "(select ifnull(kh_lwje,0) as wfje from jxc_khxx where kh_sn=:sn limit 1) e"),
        khSn);
}

void saveGhsQcyf(const QString& ghsSn, const QString& amount, const QString& note)
{
    const double a = amountArg(amount).toDouble();
    Transaction tx;
    const bool hasRows = !selectValue(QStringLiteral("select id from jxc_ghsfk where ghs_sn=? limit 1"), {{QString(), ghsSn}}).isEmpty();
    if (hasRows) {
        execSql(QStringLiteral("update jxc_ghsfk set gf_fkrq=?,gf_fkje=?,gf_note=?,a_name=? where ghs_sn=?"),
                {{QString(), todayText()}, {QString(), a}, {QString(), note}, {QString(), operatorName}, {QString(), ghsSn}});
    } else {
        appendRow(QStringLiteral("jxc_ghsfk"),
                  {{QStringLiteral("gf_sn"), getMaxDjh(QStringLiteral("jxc_ghsfk"), QStringLiteral("gf_sn"), QStringLiteral("GF"))},
                   {QStringLiteral("gf_fkrq"), todayText()},
                   {QStringLiteral("gf_fkfs"), QStringLiteral("期初应付")},
                   {QStringLiteral("gf_fkje"), a},
                   {QStringLiteral("gf_je"), 0},
                   {QStringLiteral("gf_note"), note},
                   {QStringLiteral("u_sn"), getDefaultUserSn()},
                   {QStringLiteral("a_name"), operatorName},
                   {QStringLiteral("ghs_sn"), ghsSn}});
    }
    tx.commit();
}
