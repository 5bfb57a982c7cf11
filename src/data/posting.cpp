#include "data/posting.h"

#include "data/datamodule.h"
#include "data/ledger.h"
#include "data/routineargs.h"
#include "data/summaries.h"

namespace {

// "a=a+?,b=b+?" with the values for the parameters.
QString additions(const ColumnAdds& adds, SqlParams& params)
{
    QStringList parts;
    for (const auto& [column, value] : adds) {
        const QString c = sqlName(QLatin1String(column));
        parts << QStringLiteral("%1=ifnull(%1,0)+?").arg(c);
        params.emplace_back(QString(), value.toDouble());
    }
    return parts.join(u',');
}

QString lineCol(const char* column) { return QStringLiteral("b.") + sqlName(QLatin1String(column)); }

}  // namespace

void addCashEntry(const CashEntry& e)
{
    Transaction tx;
    appendRow(QStringLiteral("jxc_xjyh"), {{QStringLiteral("xj_rq"), e.date},
                                           {QStringLiteral("gl_djh"), e.djh},
                                           {QStringLiteral("xj_dlx"), e.kind},
                                           {QStringLiteral("xj_je"), e.amount.toDouble()},
                                           {QStringLiteral("u_name"), e.handlerName},
                                           {QStringLiteral("ghs_name"), e.partnerName},
                                           {QStringLiteral("ghs_sn"), e.partnerSn},
                                           {QStringLiteral("ck_name"), e.warehouseName},
                                           {QStringLiteral("xj_kmmc"), e.account},
                                           {QStringLiteral("xj_note"), e.note},
                                           {QStringLiteral("a_name"), e.op}});
    updateYhzh(e.account, e.accountMove.value_or(e.amount).toText(), QStringLiteral("xs"));
    tx.commit();
}

Money addLedgerEntry(const LedgerEntry& e)
{
    const bool supplier = e.partnerKind == u"ghs";
    if (!supplier && e.partnerKind != u"kh")
        throw DbError(QStringLiteral("往来单位类型“%1”无效").arg(e.partnerKind));
    Transaction tx;
    const Money balance = amountArg(getLjjeBefore(e.partner, e.partnerKind, QStringLiteral("0"), e.date)) + e.owed - e.paid;
    appendRow(QStringLiteral("jxc_ysyfk"), {{QStringLiteral("k_ghskh"), e.partner},
                                            {QStringLiteral("a_name"), e.op},
                                            {QStringLiteral("u_sn"), e.handlerSn},
                                            {QStringLiteral("k_fkfs"), e.account},
                                            {QStringLiteral("k_sfje"), e.paid.toDouble()},
                                            {QStringLiteral("k_yhje"), 0},
                                            {QStringLiteral("k_qcje"), 0},
                                            {QStringLiteral("k_ljje"), balance.toDouble()},
                                            {QStringLiteral("k_yfje"), e.owed.toDouble()},
                                            {QStringLiteral("k_type"), e.partnerKind},
                                            {QStringLiteral("k_djlx"), e.djlx},
                                            {QStringLiteral("k_djtxt"), e.djtxt},
                                            {QStringLiteral("k_note"), e.note.trimmed()},
                                            {QStringLiteral("k_flag"), e.flag},
                                            {QStringLiteral("k_rq"), e.date},
                                            {QStringLiteral("gl_djh"), e.djh}});
    const QString counter = e.countsBill ? (supplier ? QStringLiteral("ghs_pl=ifnull(ghs_pl,0)+1,")
                                                     : QStringLiteral("kh_pl=ifnull(kh_pl,0)+1,"))
                                         : QString();
    execSql(supplier ? QStringLiteral("update jxc_ghsxx set %1ghs_lwje=? where ghs_sn=?").arg(counter)
                     : QStringLiteral("update jxc_khxx set %1kh_lwje=? where kh_sn=?").arg(counter),
            {{QString(), balance.toDouble()}, {QString(), e.partner}});
    // Rows dated later than this one follow it and must be recomputed; without them the new row
    // is the partner's latest and its balance already continues the ones before.
    if (!selectValue(QStringLiteral("select 1 from jxc_ysyfk where k_ghskh=? and k_type=? and k_rq>? limit 1"),
                     {{QString(), e.partner}, {QString(), e.partnerKind}, {QString(), e.date}})
             .isEmpty())
        recalcLjje(e.partner, e.partnerKind, e.date);
    tx.commit();
    return balance;
}

void addToDaySummary(const QString& date, const ColumnAdds& adds, bool ensure)
{
    Transaction tx;
    if (ensure)
        checkYyfxDay(date);
    SqlParams params;
    const QString set = additions(adds, params);
    params.emplace_back(QString(), date);
    execSql(QStringLiteral("update jxc_tempyyfx set %1 where yy_rq=?").arg(set), params);
    tx.commit();
}

void addToMonthStock(const QString& month, const QString& ckSn, const ColumnAdds& adds)
{
    Transaction tx;
    checkKcjsMonth(month);
    SqlParams params;
    const QString set = additions(adds, params);
    params.emplace_back(QString(), month);
    params.emplace_back(QString(), ckSn);
    execSql(QStringLiteral("update jxc_kcjs set %1 where js_rq=? and ck_sn=?").arg(set), params);
    tx.commit();
}

void addGoodsJournal(const BillLineTables& t, const JournalHeader& h)
{
    const QString qty = lineCol(t.quantityColumn);
    const QString amount = lineCol(t.amountColumn);
    const QString sign = h.negated ? QStringLiteral("-") : QString();
    Transaction tx;
    execSql(QStringLiteral(
                "insert into jxc_goodslist (gl_flag,gl_djh,gl_kdrq,g_sn,g_name,g_jm,dw_name,gl_dj,gl_sl,gl_zje,gl_lr,"
                "u_name,a_name,ck_sn,ck_name,ghs_sn,ghs_name,gg_name,color_name,gl_sysl,gl_fdmc,gl_dqkc,%9,tid,gl_dzl) "
                "select :kind,b.%1,:rq,b.g_sn,d.g_name,d.g_jm,d.dw_name,%2,%8%3,%8%4,%8(%4-%3*ifnull(d.%6,0)),"
                ":uname,b.a_name,:ck,:ckname,:ghs,:ghsname,d.gg_name,d.color_name,%3,:fdmc,0,b.%9,b.id,%7 "
                "from %5 b join jxc_goods d on d.g_sn=b.g_sn where b.%1=:djh order by b.id")
                .arg(sqlName(QLatin1String(t.numberColumn)), lineCol(t.priceColumn), qty, amount,
                     sqlName(QLatin1String(t.lineTable)), sqlName(QLatin1String(h.costColumn)),
                     t.rateColumn ? lineCol(t.rateColumn) : QStringLiteral("null"), sign,
                     h.productionDate ? QStringLiteral("t_scrq") : QStringLiteral("g_xlh")),
            {{QStringLiteral(":kind"), h.kind}, {QStringLiteral(":rq"), h.date}, {QStringLiteral(":uname"), h.handlerName},
             {QStringLiteral(":ck"), h.ckSn}, {QStringLiteral(":ckname"), h.ckName}, {QStringLiteral(":ghs"), h.partnerSn},
             {QStringLiteral(":ghsname"), h.partnerName}, {QStringLiteral(":djh"), h.djh},
             {QStringLiteral(":fdmc"), h.marker}});
    tx.commit();
}

void addGoodsJournalRows(const BillLineTables& t, const JournalHeader& h)
{
    Transaction tx;
    execSql(QStringLiteral(
                "insert into jxc_goodslistmx (gl_flag,gl_djh,gl_kdrq,g_sn,gl_dj,gl_sl,cm_sn,color_sn,ck_sn,ghs_sn,"
                "u_name,a_name,tid) "
                "select a.gl_flag,a.gl_djh,a.gl_kdrq,a.g_sn,a.gl_dj,b.t_sl,b.cm_sn,b.color_sn,a.ck_sn,a.ghs_sn,"
                "a.u_name,a.a_name,b.tid from jxc_goodslist a join %1 b on b.gl_djh=a.gl_djh and b.g_sn=a.g_sn "
                "and b.tid=a.tid where a.gl_djh=:djh and a.gl_flag=:kind order by b.id")
                .arg(sqlName(QLatin1String(t.rowTable))),
            {{QStringLiteral(":djh"), h.djh}, {QStringLiteral(":kind"), h.kind}});
    tx.commit();
}

void addDailyMovement(const BillLineTables& t, const QString& djh, const QString& date, const char* column,
                      const QString& op, bool negated)
{
    static const char* const kColumns[] = {"t_cg", "t_ct", "t_cj", "t_xs", "t_xt", "t_xj"};
    QStringList values;
    const QString target = sqlName(QLatin1String(column));
    bool known = false;
    for (const char* c : kColumns) {
        const bool mine = target == QLatin1String(c);
        known = known || mine;
        values << (mine ? (negated ? QStringLiteral("-") : QString()) + lineCol(t.quantityColumn) : QStringLiteral("0"));
    }
    if (!known)
        throw DbError(QStringLiteral("商品变动列“%1”无效").arg(target));
    Transaction tx;
    execSql(QStringLiteral("insert into jxc_tempspbd (t_rq,g_sn,g_name,t_cg,t_ct,t_cj,t_xs,t_xt,t_xj,a_name) "
                           "select ?,b.g_sn,d.g_name,%1,? from %2 b join jxc_goods d on d.g_sn=b.g_sn "
                           "where %3>0 and b.%4=? order by b.id")
                .arg(values.join(u','), sqlName(QLatin1String(t.lineTable)), lineCol(t.quantityColumn),
                     sqlName(QLatin1String(t.numberColumn))),
            {{QString(), date}, {QString(), op}, {QString(), djh}});
    tx.commit();
}

void receiveIntoStock(const QString& ckSn, const QString& gSn, Money qty, Money price, Money amount)
{
    const SqlParams p{{QStringLiteral(":q"), qty.toDouble()}, {QStringLiteral(":pr"), price.toDouble()},
                      {QStringLiteral(":am"), amount.toDouble()}, {QStringLiteral(":ck"), ckSn},
                      {QStringLiteral(":g"), gSn}};
    Transaction tx;
    const int changed = mainDb().exec(
        QStringLiteral("update jxc_kcsp set kc_cbj=case when abs(ifnull(kc_sl,0)+:q)<0.00005 then :pr "
                       "else round((ifnull(kc_sl,0)*ifnull(kc_cbj,0)+:am)/(ifnull(kc_sl,0)+:q)+0.0005,2) end,"
                       "kc_sl=ifnull(kc_sl,0)+:q where ck_sn=:ck and g_sn=:g"),
        p);
    if (changed == 0)
        execSql(QStringLiteral("insert into jxc_kcsp (kc_sl,kc_cbj,kc_xssl,g_sn,ck_sn) values (?,?,0,?,?)"),
                {{QString(), qty.toDouble()}, {QString(), price.toDouble()}, {QString(), gSn}, {QString(), ckSn}});
    tx.commit();
}

void sellFromStock(const QString& ckSn, const QString& gSn, Money qty)
{
    const SqlParams p{{QStringLiteral(":q"), qty.toDouble()}, {QStringLiteral(":ck"), ckSn}, {QStringLiteral(":g"), gSn}};
    Transaction tx;
    const int changed = mainDb().exec(QStringLiteral("update jxc_kcsp set kc_xssl=ifnull(kc_xssl,0)+:q,"
                                                     "kc_sl=ifnull(kc_sl,0)-:q where ck_sn=:ck and g_sn=:g"),
                                      p);
    if (changed == 0)
        execSql(QStringLiteral("insert into jxc_kcsp (kc_sl,kc_cbj,kc_xssl,g_sn,ck_sn) "
                               "select -:q,ifnull((select g_jj from jxc_goods where g_sn=:g order by id limit 1),0),:q,:g,:ck"),
                p);
    execSql(QStringLiteral("update jxc_goods set g_kc=ifnull(g_kc,0)-:q,g_xspl=ifnull(g_xspl,0)+1 where g_sn=:g"),
            {{QStringLiteral(":q"), qty.toDouble()}, {QStringLiteral(":g"), gSn}});
    tx.commit();
}

Money moveWarehouseStock(const QString& ckSn, const QString& gSn, Money qty, Money newCost)
{
    const SqlParams p{{QStringLiteral(":q"), qty.toDouble()}, {QStringLiteral(":ck"), ckSn}, {QStringLiteral(":g"), gSn}};
    Transaction tx;
    const int changed =
        mainDb().exec(QStringLiteral("update jxc_kcsp set kc_sl=ifnull(kc_sl,0)+:q where ck_sn=:ck and g_sn=:g"), p);
    if (changed == 0)
        execSql(QStringLiteral("insert into jxc_kcsp (kc_sl,kc_cbj,kc_xssl,g_sn,ck_sn) values (?,?,0,?,?)"),
                {{QString(), qty.toDouble()}, {QString(), newCost.toDouble()}, {QString(), gSn}, {QString(), ckSn}});
    const Money cost = Money::fromText(selectValue(
        QStringLiteral("select kc_cbj from jxc_kcsp where ck_sn=? and g_sn=? order by id limit 1"),
        {{QString(), ckSn}, {QString(), gSn}}));
    tx.commit();
    return cost;
}

void receiveIntoGoods(const QString& gSn, Money qty, Money price, Money amount, const QString& ghsSn)
{
    Transaction tx;
    execSql(QStringLiteral("update jxc_goods set g_pjjj=case when abs(ifnull(g_kc,0)+:q)<0.00005 then :pr "
                           "else round((ifnull(g_kc,0)*ifnull(g_pjjj,0)+:am)/(ifnull(g_kc,0)+:q)+0.0005,2) end,"
                           "g_kc=ifnull(g_kc,0)+:q,g_cgpl=ifnull(g_cgpl,0)+1,g_scjj=:pr,ghs_sn=:ghs where g_sn=:g"),
            {{QStringLiteral(":q"), qty.toDouble()}, {QStringLiteral(":pr"), price.toDouble()},
             {QStringLiteral(":am"), amount.toDouble()}, {QStringLiteral(":ghs"), ghsSn}, {QStringLiteral(":g"), gSn}});
    tx.commit();
}
