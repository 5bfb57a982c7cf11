#include "members/memberqueries.h"

#include "data/textrules.h"
#include "data/values.h"

#include <QStringList>

namespace {

QString quoted(const QString& text)
{
    return QLatin1Char('\'') + text + QLatin1Char('\'');
}

QString likeKey(const QString& key)
{
    return quoted(QLatin1Char('%') + sqlSafe(key.trimmed()) + QLatin1Char('%'));
}

// "%key%" for `like … escape '\'`: the key's own "%", "_" and "\" match themselves.
QString likePattern(const QString& safe)
{
    QString key;
    for (QChar c : safe) {
        if (c == u'\\' || c == u'_' || c == u'%')
            key += u'\\';
        key += c;
    }
    return quoted(QLatin1Char('%') + key + QLatin1Char('%'));
}

// The typed key contained in any of `columns`. Cards and names are stored in the name form of
// safe text, which keeps ( ) + - /, while other texts lose them: the key matches in either form.
QString keyMatch(const QString& alias, std::initializer_list<const char*> columns, const QString& key)
{
    const QString trimmed = key.trimmed();
    QStringList patterns = {likePattern(sqlSafe(trimmed))};
    if (const QString named = likePattern(sqlSafeName(trimmed)); named != patterns.front())
        patterns << named;
    QStringList parts;
    for (const char* column : columns)
        for (const QString& p : patterns)
            parts << QStringLiteral("%1.%2 like %3 escape '\\'").arg(alias, QLatin1String(column), p);
    return QLatin1Char('(') + parts.join(QStringLiteral(" or ")) + QLatin1Char(')');
}

QString dateText(const QDate& d)
{
    return d.toString(QStringLiteral("yyyy-MM-dd"));
}

// "column between from and to 23:59:59" on stored date or date-time text.
QString period(const QString& column, const QDate& from, const QDate& to)
{
    return QStringLiteral("%1>=%2 and %1<=%3").arg(column, quoted(dateText(from)), quoted(dateText(to) + QStringLiteral(" 23:59:59")));
}

QString memberKey(const QString& alias, const QString& key)
{
    return keyMatch(alias, {"hy_bh", "hy_name", "hy_jm"}, key);
}

}  // namespace

QString memberListSql(const QString& key, const QString& levelCode, int status, const QString& extra)
{
    const QString level = levelCode == u"-1" ? QString() : sqlSafe(levelCode);
    QString sql = QStringLiteral(
        "select a.*,iif(a.hy_status=0,'不可用','可用') as status,iif(a.hy_qx=0,'无期限','有期限') as qx,"
        "iif(a.hy_sj=0,'否','是') as jfsj,b.hl_zk,b.hl_name,c.hh_name from jxc_hyxx a,jxc_hyfl b,jxc_hyyh c "
        "where a.hl_sn=b.hl_sn and a.hh_sn=c.hh_sn and a.hy_sn<>'100001' and a.hl_sn like %1 and %2")
                      .arg(quoted(QLatin1Char('%') + level + QLatin1Char('%')), memberKey(QStringLiteral("a"), key));
    if (status == 1)
        sql += QStringLiteral(" and a.hy_status<>0");
    else if (status == 2)
        sql += QStringLiteral(" and a.hy_status=0");
    if (!extra.isEmpty())
        sql += QStringLiteral(" and (") + extra + QLatin1Char(')');
    return sql + QStringLiteral(" order by a.id desc");
}

QString consumptionSql(const QDate& from, const QDate& to, const QString& key)
{
    const QString payMode = QStringLiteral(
        "case h.pos_zffs when 1 then '现金结账' when 2 then '储值卡结账' when 3 then '银行卡结账' when 4 then "
        "'代金券结账' when 5 then '联合结账' when 6 then '计次卡' else '' end as zffs");
    const QString sales = QStringLiteral(
        "select h.ls_xsrq as xsrq,m.hy_bh,m.hy_name,m.hy_jm,l.g_sn,g.g_name,g.dw_name,g.gg_name,l.ls_dj as dj,"
        "l.ls_dzl as dzl,l.ls_dj*l.ls_dzl as zhj,l.ls_sl as sl,l.ls_zje as zje,l.a_name,%1 "
        "from jxc_lsxssp l join jxc_lsxsd h on h.gl_djh=l.gl_djh join jxc_hyxx m on m.hy_sn=h.hy_sn "
        "left join jxc_goods g on g.g_sn=l.g_sn where %2 and %3")
                              .arg(payMode, period(QStringLiteral("h.ls_xsrq"), from, to), memberKey(QStringLiteral("m"), key));
    const QString returns = QStringLiteral(
        "select h.th_xsrq as xsrq,m.hy_bh,m.hy_name,m.hy_jm,l.g_sn,g.g_name,g.dw_name,g.gg_name,l.th_dj as dj,"
        "l.th_dzl as dzl,l.th_dj*l.th_dzl as zhj,l.th_sl as sl,l.th_zje as zje,l.a_name,%1 "
        "from jxc_xsthsp l join jxc_xsthd h on h.gl_djh=l.gl_djh join jxc_hyxx m on m.hy_sn=h.hy_sn "
        "left join jxc_goods g on g.g_sn=l.g_sn where %2 and %3")
                                .arg(payMode, period(QStringLiteral("h.th_xsrq"), from, to), memberKey(QStringLiteral("m"), key));
    return sales + QStringLiteral(" union all ") + returns + QStringLiteral(" order by xsrq desc");
}

QString topUpHistorySql(const QDate& from, const QDate& to, const QString& key)
{
    return QStringLiteral("select x.*,m.hy_bh,m.hy_name,iif(x.xf_zt='计次卡续费',0,x.xf_je+coalesce(x.xf_yhje,0)) as sjje "
                          "from jxc_hyxf x join jxc_hyxx m on m.hy_sn=x.hy_sn where %1 and %2 order by x.id desc")
        .arg(period(QStringLiteral("x.xf_rq"), from, to), memberKey(QStringLiteral("m"), key));
}

QString birthdaySql(const QDate& today, int days)
{
    if (days <= 0)
        days = 10;
    const QDate end = today.addDays(days);
    const QString a = quoted(today.toString(QStringLiteral("MM-dd")));
    const QString b = quoted(end.toString(QStringLiteral("MM-dd")));
    const QString md = QStringLiteral("substr(hy_sr,6,5)");
    const QString window = end.year() > today.year() ? QStringLiteral("(%1>=%2 or %1<=%3)").arg(md, a, b)
                                                     : QStringLiteral("(%1>=%2 and %1<=%3)").arg(md, a, b);
    return QStringLiteral("select * from jxc_hyxx where hy_sn<>'100001' and %1 order by id").arg(window);
}

QString exchangeSql(const QDate& from, const QDate& to, const QString& key)
{
    return QStringLiteral("select l.*,d.dh_dhrq,d.hy_sn,m.hy_bh,m.hy_name,z.zp_name from jxc_dhzp l "
                          "join jxc_dhd d on d.gl_djh=l.gl_djh join jxc_hyxx m on m.hy_sn=d.hy_sn "
                          "join jxc_zpxx z on z.zp_sn=l.g_sn where %1 and %2 order by l.id desc")
        .arg(period(QStringLiteral("d.dh_dhrq"), from, to), keyMatch(QStringLiteral("m"), {"hy_bh", "hy_name"}, key));
}

QString memberCriteriaSql(const MemberCriteria& c)
{
    QStringList parts;
    if (c.byScheme)
        parts << QStringLiteral("a.hh_sn=") + quoted(sqlSafe(c.schemeSn));
    auto compare = [&parts](const char* column, const MemberCriteria::Compare& k) {
        if (!k.on)
            return;
        const QString op = k.op == u">" || k.op == u"<" ? k.op : QStringLiteral("=");
        parts << QStringLiteral("a.%1%2%3").arg(QLatin1String(column), op, sqlNum(k.value.trimmed()));
    };
    compare("hy_jf", c.points);
    compare("hy_zje", c.spending);
    compare("hy_zhje", c.balance);
    auto period = [&parts](const char* column, const MemberCriteria::Period& p) {
        if (p.on)
            parts << QStringLiteral("a.%1>=%2 and a.%1<=%3").arg(QLatin1String(column), quoted(dateText(p.from)), quoted(dateText(p.to)));
    };
    period("hy_sr", c.birthday);
    period("hy_jrrq", c.joined);
    period("hy_dqrq", c.expiry);
    if (c.byTele)
        parts << QStringLiteral("a.hy_tele like ") + likeKey(c.tele);
    if (c.byAddress)
        parts << QStringLiteral("a.hy_address like ") + likeKey(c.address);
    return parts.join(QStringLiteral(" and "));
}
