#include "accounts/statements.h"

#include "accounts/ledgerentries.h"  // quotedLiteral
#include "data/clock.h"
#include "data/database.h"
#include "data/datamodule.h"
#include "data/summaries.h"
#include "data/textrules.h"
#include "platform/charts.h"

#include <algorithm>
#include <cmath>

const QString kAssetOpening = QStringLiteral("期初资产");
const QString kAssetIncrease = QStringLiteral("资产增加");
const QString kAssetDecrease = QStringLiteral("资产减少");

namespace {

// The last moment of a day, so that a date-and-time column of that day is inside.
QString endOf(const QDate& day)
{
    return dateText(day) + QStringLiteral(" 23:59:59");
}

Money sumOf(const QString& sql, const SqlParams& params = {})
{
    return Money::fromText(selectValue(sql, params));
}

SqlParams period(const QDate& from, const QDate& to)
{
    return {{QString(), dateText(from)}, {QString(), endOf(to)}};
}

struct TypeSum {
    QString type;
    Money amount;
};

// Per type of one direction ("收入" as stored, "费用" negated to show positive), all time or in a
// period.
QVector<TypeSum> typeSums(bool income, const QDate* from = nullptr, const QDate* to = nullptr)
{
    QString sql = income ? QStringLiteral("select fy_lx,sum(fy_je) from jxc_yyfy where fy_sc='收入'")
                         : QStringLiteral("select fy_lx,sum(-1*fy_je) from jxc_yyfy where fy_sc='费用'");
    SqlParams params;
    if (from) {
        sql += QStringLiteral(" and fy_rq>=? and fy_rq<=?");
        params = period(*from, *to);
    }
    const ResultSet rs = openSelect(sql + QStringLiteral(" group by fy_lx order by fy_lx"), params);
    QVector<TypeSum> out;
    for (int r = 0; r < rs.rowCount(); ++r)
        out.push_back({rs.text(r, 0), Money::fromText(rs.text(r, 1))});
    return out;
}

Money netSales(const QDate* from = nullptr, const QDate* to = nullptr)
{
    if (!from)
        return sumOf(QStringLiteral("select sum(ls_yfje) from jxc_lsxsd")) +
               sumOf(QStringLiteral("select sum(th_yfje) from jxc_xsthd"));
    return sumOf(QStringLiteral("select sum(ls_yfje) from jxc_lsxsd where ls_xsrq>=? and ls_xsrq<=?"),
                 period(*from, *to)) +
           sumOf(QStringLiteral("select sum(th_yfje) from jxc_xsthd where th_xsrq>=? and th_xsrq<=?"),
                 period(*from, *to));
}

Money salesCost(const QDate* from = nullptr, const QDate* to = nullptr)
{
    if (!from)
        return sumOf(QStringLiteral("select sum(gl_zje-gl_lr) from jxc_goodslist where gl_flag in ('xs','xt')"));
    return sumOf(QStringLiteral("select sum(gl_zje-gl_lr) from jxc_goodslist where gl_flag in ('xs','xt') "
                                "and gl_kdrq>=? and gl_kdrq<=?"),
                 period(*from, *to));
}

void insertRow(const StatementRow& row, const QString& op)
{
    execSql(QStringLiteral("insert into jxc_tempspxf (g_sn,ts_zje,ts_note,ts_dj,a_name) values (?,?,?,?,?)"),
            {{QString(), row.code},
             {QString(), row.allTime.toDouble()},
             {QString(), row.caption},
             {QString(), row.period.toDouble()},
             {QString(), op}});
}

QVector<StatementRow> writeRows(QVector<StatementRow> rows, const QString& op)
{
    for (const StatementRow& row : rows)
        insertRow(row, op);
    std::sort(rows.begin(), rows.end(), [](const StatementRow& a, const StatementRow& b) { return a.code < b.code; });
    return rows;
}

// One section of the operating statement: the type rows under `base` ("102" or "202") with
// their all-time and period sums, each period sum on its own type's row.
struct Section {
    QVector<StatementRow> rows;
    Money allTime;
    Money period;
};

Section typeSection(bool income, const QString& base, const QDate& from, const QDate& to)
{
    Section s;
    const QVector<TypeSum> all = typeSums(income);
    for (int i = 0; i < all.size(); ++i) {
        s.rows.push_back({base + QString::number(i + 1), QStringLiteral("    ") + all[i].type, Money(), all[i].amount});
        s.allTime += all[i].amount;
    }
    for (const TypeSum& t : typeSums(income, &from, &to)) {
        for (StatementRow& row : s.rows) {
            if (row.caption.mid(4) == t.type) {
                row.period = t.amount;
                break;
            }
        }
        s.period += t.amount;
    }
    return s;
}

ChartData pie(QVector<StatementRow> rows, const QString& op)
{
    Transaction tr;
    clearTempSpxf();
    rows = writeRows(rows, op);
    tr.commit();
    ChartData data;
    for (const StatementRow& row : rows) {
        data.labels << row.caption;
        data.values << row.allTime.toDouble();
    }
    return data;
}

QString plain(Money m)
{
    return m.toText();
}

}  // namespace

// ---- Operating statement ------------------------------------------------------------------

QVector<StatementRow> buildOperatingStatement(const QDate& from, const QDate& to, const QString& op)
{
    Transaction tr;
    clearTempSpxf();
    QVector<StatementRow> rows;
    const StatementRow sales{QStringLiteral("101"), QStringLiteral("  销售收入"), netSales(&from, &to), netSales()};
    const Section income = typeSection(true, QStringLiteral("102"), from, to);
    const StatementRow cost{QStringLiteral("201"), QStringLiteral("  销售成本"), salesCost(&from, &to), salesCost()};
    const Section expense = typeSection(false, QStringLiteral("202"), from, to);
    const Money inPeriod = sales.period + income.period;
    const Money inAll = sales.allTime + income.allTime;
    const Money outPeriod = cost.period + expense.period;
    const Money outAll = cost.allTime + expense.allTime;
    rows << StatementRow{QStringLiteral("100"), QStringLiteral("[收入类]"), inPeriod, inAll} << sales
         << StatementRow{QStringLiteral("102"), QStringLiteral("  其他收入"), income.period, income.allTime}
         << income.rows << StatementRow{QStringLiteral("200"), QStringLiteral("[支出类]"), outPeriod, outAll} << cost
         << StatementRow{QStringLiteral("202"), QStringLiteral("  其他费用"), expense.period, expense.allTime}
         << expense.rows
         << StatementRow{QStringLiteral("300"), QStringLiteral("[总利润]"), inPeriod - outPeriod, inAll - outAll};
    rows = writeRows(rows, op);
    tr.commit();
    return rows;
}

QString operatingDetailSql(const QString& code, const QString& caption, const QDate& from, const QDate& to)
{
    const QString name = caption.trimmed();
    const QString f = quotedLiteral(dateText(from));
    const QString t = quotedLiteral(dateText(to));
    if (name == QStringLiteral("销售收入") || name == QStringLiteral("销售成本")) {
        return QStringLiteral("select * from (select a.id,a.ls_xsrq as rq,'商品销售' as lx,a.ls_yfje as je,b.u_name,"
                              "a.ls_note as dnote from jxc_lsxsd a,jxc_user b where a.u_sn=b.u_sn union "
                              "select a.id,a.th_xsrq as rq,'销售退货' as lx,a.th_yfje as je,b.u_name,"
                              "a.th_note as dnote from jxc_xsthd a,jxc_user b where a.u_sn=b.u_sn) "
                              "where rq>=%1 and rq<=%2 order by rq desc")
            .arg(f, t);
    }
    QString condition;
    if (name == QStringLiteral("其他收入"))
        condition = QStringLiteral("a.fy_sc='收入'");
    else if (name == QStringLiteral("其他费用"))
        condition = QStringLiteral("a.fy_sc='费用'");
    else if (code.size() == 4 && (code.startsWith(QStringLiteral("102")) || code.startsWith(QStringLiteral("202"))))
        condition = QStringLiteral("a.fy_lx=") + quotedLiteral(name);
    else
        return QString();
    return QStringLiteral("select a.fy_rq as rq,a.fy_lx as lx,a.fy_je as je,b.u_name,a.fy_note as dnote "
                          "from jxc_yyfy a,jxc_user b where a.u_sn=b.u_sn and %1 and a.fy_rq>=%2 and a.fy_rq<=%3 "
                          "order by a.fy_rq desc")
        .arg(condition, f, t);
}

ChartData buildIncomePie(const QString& op)
{
    QVector<StatementRow> rows{{QStringLiteral("101"), QStringLiteral("销售收入"), Money(), netSales()}};
    const QVector<TypeSum> types = typeSums(true);
    for (int i = 0; i < types.size(); ++i)
        rows.push_back({QStringLiteral("102") + QString::number(i + 1), types[i].type, Money(), types[i].amount});
    return pie(rows, op);
}

ChartData buildExpensePie(const QString& op)
{
    QVector<StatementRow> rows{{QStringLiteral("201"), QStringLiteral("销售成本"), Money(), salesCost()}};
    const QVector<TypeSum> types = typeSums(false);
    for (int i = 0; i < types.size(); ++i)
        rows.push_back({QStringLiteral("202") + QString::number(i + 1), types[i].type, Money(), types[i].amount});
    return pie(rows, op);
}

QString monthKey(int year, int month)
{
    return QStringLiteral("%1-%2").arg(year).arg(month, 2, 10, QLatin1Char('0'));
}

ChartData monthProfitChart(const QString& first, const QString& last)
{
    return ChartData::fromResult(openSelect(QStringLiteral("select js_rq,sum(js_xsje-js_xscb) as xslr from jxc_kcjs "
                                                           "where js_rq>=? and js_rq<=? group by js_rq order by js_rq"),
                                            {{QString(), first}, {QString(), last}}),
                                 QStringLiteral("js_rq"), QStringLiteral("xslr"));
}

ChartData monthExpenseChart(const QString& first, const QString& last)
{
    return ChartData::fromResult(
        openSelect(QStringLiteral("select substr(fy_rq,1,7) as js_rq,sum(-1*fy_je) as xslr from jxc_yyfy "
                                  "where fy_sc='费用' and substr(fy_rq,1,7)>=? and substr(fy_rq,1,7)<=? "
                                  "group by substr(fy_rq,1,7) order by 1"),
                   {{QString(), first}, {QString(), last}}),
        QStringLiteral("js_rq"), QStringLiteral("xslr"));
}

// ---- Balance sheet and the receivables and payables table ----------------------------------

QVector<StatementRow> buildBalanceSheet(const QDate& day, const QString& op)
{
    const SqlParams d{{QString(), endOf(day)}};
    Transaction tr;
    clearTempSpxf();
    const Money stock = sumOf(QStringLiteral("select sum(kc_sl*kc_cbj) from jxc_kcsp"));
    const Money assets = sumOf(QStringLiteral("select sum(zc_je) from jxc_zcmx where zc_rq<=?"), d);
    const Money cash = sumOf(QStringLiteral("select sum(xj_je) from jxc_xjyh where xj_kmmc='现金' and xj_rq<=?"), d);
    QVector<StatementRow> rows;
    Money banks;
    const ResultSet accounts =
        openSelect(QStringLiteral("select xj_kmmc,sum(xj_je) from jxc_xjyh where xj_kmmc<>'现金' and xj_rq<=? "
                                  "group by xj_kmmc order by xj_kmmc"),
                   d);
    for (int r = 0; r < accounts.rowCount(); ++r) {
        const Money m = Money::fromText(accounts.text(r, 1));
        rows.push_back({QString::number(1041 + r), QStringLiteral("    ") + accounts.text(r, 0), Money(), m});
        banks += m;
    }
    const Money receivable =
        sumOf(QStringLiteral("select sum(ls_yfje-ls_sfje) from jxc_lsxsd where ls_xsrq<=?"), d) +
        sumOf(QStringLiteral("select sum(th_yfje-th_sfje) from jxc_xsthd where th_xsrq<=?"), d) -
        sumOf(QStringLiteral("select sum(kf_fkje) from jxc_khfk where kf_fkrq<=?"), d);
    const Money payable = sumOf(QStringLiteral("select sum(j_yfje-j_sfje) from jxc_jhd where j_jhrq<=?"), d) +
                          sumOf(QStringLiteral("select sum(th_yfje-th_sfje) from jxc_thd where th_thrq<=?"), d) -
                          sumOf(QStringLiteral("select sum(gf_fkje) from jxc_ghsfk where gf_fkrq<=?"), d);
    rows << StatementRow{QStringLiteral("101"), QStringLiteral("  库存商品总值"), Money(), stock}
         << StatementRow{QStringLiteral("102"), QStringLiteral("  固定资产总值"), Money(), assets}
         << StatementRow{QStringLiteral("103"), QStringLiteral("  现金"), Money(), cash}
         << StatementRow{QStringLiteral("104"), QStringLiteral("  全部银行合计"), Money(), banks}
         << StatementRow{QStringLiteral("105"), QStringLiteral("  应收款合计"), Money(), receivable}
         << StatementRow{QStringLiteral("100"), QStringLiteral("[资产合计]"), Money(),
                         stock + assets + cash + banks + receivable}
         << StatementRow{QStringLiteral("201"), QStringLiteral("  应付款合计"), Money(), payable}
         << StatementRow{QStringLiteral("200"), QStringLiteral("[负债合计]"), Money(), payable};
    rows = writeRows(rows, op);
    // The balance sheet leaves the period column empty.
    execSql(QStringLiteral("update jxc_tempspxf set ts_dj=null where a_name=?"), {{QString(), op}});
    tr.commit();
    return rows;
}

QString partyListSql(const QString& key)
{
    const QString k = quotedLiteral(sqlSafe(key.trimmed()) + u'%');
    return QStringLiteral("select * from (select kh_sn as dwsn,kh_name as dwname,kh_jm as jm,kh_lwje as ysje,"
                          "0 as yfje,'客户' as dwlx from jxc_khxx where kh_lwje<>0 union "
                          "select ghs_sn as dwsn,ghs_name as dwname,ghs_jm as jm,0 as ysje,"
                          "ghs_lwje as yfje,'供货商' as dwlx from jxc_ghsxx where ghs_lwje<>0) "
                          "where (dwsn like %1 or dwname like %1 or jm like %1) order by dwlx,dwsn")
        .arg(k);
}

QString partyBillsSql(const QString& partyType, const QString& partner, const QDate& from, const QDate& to,
                      BillFilter filter)
{
    const bool supplier = partyType == QStringLiteral("供货商");
    const QString bills =
        supplier
            ? QStringLiteral("select a.j_jhrq as rq,a.j_sn as djh,'进货支付' as zflx,a.j_yfje as yfje,a.j_sfje as sfje,"
                             "a.j_yfje-a.j_sfje as wfje,a.a_name,b.u_name,a.j_note as dnote,a.ghs_sn "
                             "from jxc_jhd a,jxc_user b where a.u_sn=b.u_sn union all "
                             "select a.th_thrq as rq,a.gl_djh as djh,'退货返还' as zflx,a.th_yfje as yfje,"
                             "a.th_sfje as sfje,a.th_yfje-a.th_sfje as wfje,a.a_name,b.u_name,a.th_note as dnote,"
                             "a.ghs_sn from jxc_thd a,jxc_user b where a.u_sn=b.u_sn")
            : QStringLiteral("select a.ls_xsrq as rq,a.gl_djh as djh,'商品销售付款' as zflx,a.ls_yfje as yfje,"
                             "a.ls_sfje as sfje,a.ls_yfje-a.ls_sfje as wfje,a.a_name,b.u_name,a.ls_note as dnote,"
                             "a.kh_sn from jxc_lsxsd a,jxc_user b where a.u_sn=b.u_sn union all "
                             "select a.th_xsrq as rq,a.gl_djh as djh,'销售退货支出' as zflx,a.th_yfje as yfje,"
                             "a.th_sfje as sfje,a.th_yfje-a.th_sfje as wfje,a.a_name,b.u_name,a.th_note as dnote,"
                             "a.kh_sn from jxc_xsthd a,jxc_user b where a.u_sn=b.u_sn");
    QString sql = QStringLiteral("select * from (%1) where rq>=%2 and rq<=%3 and %4=%5 ")
                      .arg(bills, quotedLiteral(dateText(from)), quotedLiteral(endOf(to)),
                           supplier ? QStringLiteral("ghs_sn") : QStringLiteral("kh_sn"), quotedLiteral(partner));
    if (filter == BillFilter::Owing)
        sql += QStringLiteral(" and wfje<>0 ");
    else if (filter == BillFilter::Settled)
        sql += QStringLiteral(" and wfje=0 ");
    return sql + QStringLiteral("order by rq desc");
}

// ---- Fixed assets --------------------------------------------------------------------------

QString checkAssetOpening()
{
    if (!selectValue(QStringLiteral("select id from jxc_zcmx limit 1")).isEmpty())
        return QStringLiteral("固定资产已经存在资产增加或减少或期初资产，不能再期初建账！");
    return QString();
}

QString openFixedAssets(Money amount)
{
    Transaction tr;
    const QString refusal = checkAssetOpening();
    if (!refusal.isEmpty())
        return refusal;
    execSql(QStringLiteral("update jxc_gdzc set zc_qcje=?,zc_ljje=?"),
            {{QString(), amount.toDouble()}, {QString(), amount.toDouble()}});
    execSql(QStringLiteral("insert into jxc_zcmx (zc_rq,zc_je,zc_lx) values (?,?,?)"),
            {{QString(), todayText()}, {QString(), amount.toDouble()}, {QString(), kAssetOpening}});
    tr.commit();
    return QString();
}

QString checkAssetMove(const AssetMove& m)
{
    if (m.amount.isZero())
        return QStringLiteral("金额必须填写！");
    if (m.handlerName.isEmpty())
        return QStringLiteral("请选择经办人！");
    return QString();
}

QString addAssetMove(const AssetMove& m)
{
    const QString refusal = checkAssetMove(m);
    if (!refusal.isEmpty())
        return refusal;
    const Money signedAmount = m.increase ? m.amount : -m.amount;
    Transaction tr;
    execSql(QStringLiteral("insert into jxc_zcmx (zc_rq,zc_je,zc_lx,zc_note,u_name) values (?,?,?,?,?)"),
            {{QString(), todayText()},
             {QString(), signedAmount.toDouble()},
             {QString(), m.increase ? kAssetIncrease : kAssetDecrease},
             {QString(), sqlSafe(m.note.trimmed())},
             {QString(), m.handlerName}});
    execSql(QStringLiteral("update jxc_gdzc set zc_ljje=zc_ljje+?"), {{QString(), signedAmount.toDouble()}});
    tr.commit();
    return QString();
}

QString assetListSql(const QDate& from, const QDate& to, const QString& kind)
{
    QString sql = QStringLiteral("select * from jxc_zcmx where zc_rq>=%1 and zc_rq<=%2 ")
                      .arg(quotedLiteral(dateText(from)), quotedLiteral(dateText(to)));
    if (!kind.isEmpty())
        sql += QStringLiteral(" and zc_lx=%1 ").arg(quotedLiteral(kind));
    return sql + QStringLiteral(" order by id");
}

// ---- Business analysis ----------------------------------------------------------------------

namespace {

// Count of headers and sums of two line columns of one bill kind in the period.
struct BillFigures {
    QString count;
    Money qty;
    Money amount;
};

BillFigures billFigures(const char* header, const char* dateCol, const char* ckCol, const char* lines,
                        const char* join, const char* qtyCol, const char* amountCol, const SqlParams& params,
                        bool byWarehouse)
{
    const QString where = QStringLiteral("h.%1>=? and h.%1<=?%2")
                              .arg(QLatin1String(dateCol), byWarehouse ? QStringLiteral(" and h.%1=?").arg(QLatin1String(ckCol))
                                                                       : QString());
    BillFigures f;
    f.count = selectValue(QStringLiteral("select count(*) from %1 h where %2").arg(QLatin1String(header), where), params);
    const ResultSet rs = openSelect(
        QStringLiteral("select sum(l.%1),%2 from %3 h join %4 l on l.%5=h.%5 where %6")
            .arg(QLatin1String(qtyCol),
                 amountCol ? QStringLiteral("sum(l.%1)").arg(QLatin1String(amountCol)) : QStringLiteral("0"),
                 QLatin1String(header), QLatin1String(lines), QLatin1String(join), where),
        params);
    f.qty = Money::fromText(rs.text(0, 0));
    f.amount = Money::fromText(rs.text(0, 1));
    return f;
}

QString whole(Money m)
{
    return m.toFixed(0);
}

QString yuan(Money m)
{
    return plain(m) + QStringLiteral("元");
}

}  // namespace

QMap<QString, QString> businessSummary(const QDate& from, const QDate& to, const QString& ckSn)
{
    const bool byWarehouse = !ckSn.isEmpty() && ckSn != QStringLiteral("-1");
    SqlParams p = period(from, to);
    if (byWarehouse)
        p.push_back({QString(), ckSn});
    const SqlParams unfiltered = period(from, to);
    QMap<QString, QString> v;

    const BillFigures cg = billFigures("jxc_jhd", "j_jhrq", "ck_sn", "jxc_jhsp", "j_sn", "jh_sl", "jh_zje", p, byWarehouse);
    const BillFigures cgth =
        billFigures("jxc_thd", "th_thrq", "ck_sn", "jxc_thsp", "gl_djh", "th_sl", "th_zje", p, byWarehouse);
    v[QStringLiteral("cgds")] = cg.count;
    v[QStringLiteral("cgsl")] = whole(cg.qty);
    v[QStringLiteral("cgje")] = yuan(cg.amount);
    v[QStringLiteral("cgthds")] = cgth.count;
    v[QStringLiteral("cgthsl")] = whole(cgth.qty);
    v[QStringLiteral("cgthje")] = yuan(cgth.amount);
    v[QStringLiteral("cgzsl")] = plain(cg.qty - cgth.qty);
    v[QStringLiteral("cgzje")] = (cg.amount - cgth.amount).toFixed(2);

    const BillFigures xs =
        billFigures("jxc_lsxsd", "ls_xsrq", "ck_sn", "jxc_lsxssp", "gl_djh", "ls_sl", "ls_zje", p, byWarehouse);
    const BillFigures xsth =
        billFigures("jxc_xsthd", "th_xsrq", "ck_sn", "jxc_xsthsp", "gl_djh", "th_sl", "th_zje", p, byWarehouse);
    v[QStringLiteral("xsds")] = xs.count;
    v[QStringLiteral("xssl")] = whole(xs.qty);
    v[QStringLiteral("xsje")] = yuan(xs.amount);
    v[QStringLiteral("xsthds")] = xsth.count;
    v[QStringLiteral("xsthsl")] = whole(xsth.qty);
    v[QStringLiteral("xsthje")] = yuan(xsth.amount);
    v[QStringLiteral("xszsl")] = plain(xs.qty - xsth.qty);
    v[QStringLiteral("xszje")] = (xs.amount - xsth.amount).toFixed(2);

    const BillFigures db =
        billFigures("jxc_kcdbd", "db_dbrq", "ck_out", "jxc_dbsp", "gl_djh", "db_sl", nullptr, p, byWarehouse);
    v[QStringLiteral("djzs")] = db.count;
    v[QStringLiteral("dczl")] = whole(db.qty);
    v[QStringLiteral("drzl")] = v[QStringLiteral("dczl")];

    const BillFigures bs = billFigures("jxc_bsd", "bs_bsrq", "ck_sn", "jxc_bssp", "gl_djh", "bs_sl", "bs_zje", p, byWarehouse);
    const BillFigures by = billFigures("jxc_byd", "by_byrq", "ck_sn", "jxc_bysp", "gl_djh", "by_sl", "by_zje", p, byWarehouse);
    v[QStringLiteral("bsds")] = bs.count;
    v[QStringLiteral("bssl")] = whole(bs.qty);
    v[QStringLiteral("bsje")] = yuan(bs.amount);
    v[QStringLiteral("byds")] = by.count;
    v[QStringLiteral("bysl")] = whole(by.qty);
    v[QStringLiteral("byje")] = yuan(by.amount);

    // Stock on hand per goods at its average cost; goods without stock above 0 at the preset price.
    SqlParams ck;
    if (byWarehouse)
        ck.push_back({QString(), ckSn});
    const ResultSet stock = openSelect(
        QStringLiteral("select sum(a.kcsl),sum(iif(a.kcsl>0,round(a.kcje/a.kcsl+0.0005,2),g.g_jj)*a.kcsl) "
                       "from (select g_sn,sum(kc_sl) as kcsl,sum(kc_sl*kc_cbj) as kcje from jxc_kcsp%1 group by g_sn) a "
                       "join jxc_goods g on g.g_sn=a.g_sn where g.g_jy=0 and a.g_sn<>'00000000'")
            .arg(byWarehouse ? QStringLiteral(" where ck_sn=?") : QString()),
        ck);
    v[QStringLiteral("kczl")] = whole(Money::fromText(stock.text(0, 0)));
    v[QStringLiteral("kczj")] = yuan(Money::fromText(stock.text(0, 1)));

    const QString hw = byWarehouse ? QStringLiteral(" and ck_sn=?") : QString();
    v[QStringLiteral("ghsds")] =
        selectValue(QStringLiteral("select count(*) from jxc_ghsfk where gf_fkrq>=? and gf_fkrq<=?"), unfiltered);
    const Money yf = sumOf(QStringLiteral("select sum(j_yfje) from jxc_jhd where j_jhrq>=? and j_jhrq<=?") + hw, p) +
                     sumOf(QStringLiteral("select sum(th_yfje) from jxc_thd where th_thrq>=? and th_thrq<=?") + hw, p);
    const Money sf = sumOf(QStringLiteral("select sum(j_sfje) from jxc_jhd where j_jhrq>=? and j_jhrq<=?") + hw, p) +
                     sumOf(QStringLiteral("select sum(th_sfje) from jxc_thd where th_thrq>=? and th_thrq<=?") + hw, p) +
                     sumOf(QStringLiteral("select sum(gf_fkje) from jxc_ghsfk where gf_fkrq>=? and gf_fkrq<=?"), unfiltered);
    v[QStringLiteral("yfghs")] = yf.toFixed(2) + QStringLiteral("元");
    v[QStringLiteral("sfghs")] = sf.toFixed(2) + QStringLiteral("元");
    v[QStringLiteral("khds")] =
        selectValue(QStringLiteral("select count(*) from jxc_khfk where kf_fkrq>=? and kf_fkrq<=?"), unfiltered);
    const Money ys = sumOf(QStringLiteral("select sum(ls_yfje) from jxc_lsxsd where ls_xsrq>=? and ls_xsrq<=?") + hw, p) +
                     sumOf(QStringLiteral("select sum(th_yfje) from jxc_xsthd where th_xsrq>=? and th_xsrq<=?") + hw, p);
    const Money ss = sumOf(QStringLiteral("select sum(ls_sfje) from jxc_lsxsd where ls_xsrq>=? and ls_xsrq<=?") + hw, p) +
                     sumOf(QStringLiteral("select sum(th_sfje) from jxc_xsthd where th_xsrq>=? and th_xsrq<=?") + hw, p) +
                     sumOf(QStringLiteral("select sum(kf_fkje) from jxc_khfk where kf_fkrq>=? and kf_fkrq<=?"), unfiltered);
    v[QStringLiteral("yskh")] = ys.toFixed(2) + QStringLiteral("元");
    v[QStringLiteral("sskh")] = ss.toFixed(2) + QStringLiteral("元");

    const ResultSet gl = openSelect(QStringLiteral("select sum(gl_zje),sum(gl_lr) from jxc_goodslist "
                                                   "where gl_flag in ('xs','xt') and gl_kdrq>=? and gl_kdrq<=?") +
                                        hw,
                                    p);
    const Money zje = Money::fromText(gl.text(0, 0));
    const Money lr = Money::fromText(gl.text(0, 1));
    v[QStringLiteral("xscb")] = yuan(zje - lr);
    v[QStringLiteral("xslr")] = yuan(lr);
    const QString margin =
        zje.isZero() ? QStringLiteral("0")
                     : moneyText(std::round(lr.toDouble() * 100 / zje.toDouble() * 100) / 100);
    v[QStringLiteral("xsmll")] = margin + u'%';
    return v;
}

QString dailyAnalysisSql(const QDate& from, const QDate& to)
{
    return QStringLiteral("select *,iif(yy_xsje<>0,round(yy_xslr*100/yy_xsje,2),0) as lrl from jxc_tempyyfx "
                          "where yy_rq>=%1 and yy_rq<=%2 order by id desc")
        .arg(quotedLiteral(dateText(from)), quotedLiteral(endOf(to)));
}

QString monthlyAnalysisSql(const QString& first, const QString& last)
{
    return QStringLiteral("select js_rq,sum(js_sl) as sl,round(sum(js_zje),2) as zje,sum(js_cgsl) as cgsl,"
                          "round(sum(js_cgje),2) as cgje,sum(js_xssl) as xssl,round(sum(js_xsje),2) as xsje,"
                          "sum(js_xscb) as xscb,round(sum(js_xslr),2) as xslr,"
                          "iif(sum(js_xsje)<>0,round(round(sum(js_xslr),2)*100/round(sum(js_xsje),2),2),0) as lrl "
                          "from jxc_kcjs where js_rq>=%1 and js_rq<=%2 group by js_rq order by js_rq desc")
        .arg(quotedLiteral(first), quotedLiteral(last));
}
