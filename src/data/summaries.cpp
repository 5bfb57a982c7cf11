#include "data/summaries.h"

#include "data/clock.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/settings.h"

void checkYyfxDay(const QString& date)
{
    Transaction tx;
    execSql(QStringLiteral("insert into jxc_tempyyfx (yy_rq,yy_cgsl,yy_cgje,yy_xssl,yy_xsje,yy_xscb,yy_xslr,a_name) "
                           "select :d,0,0,0,0,0,0,:op where not exists (select 1 from jxc_tempyyfx where yy_rq=:d)"),
            {{QStringLiteral(":d"), date}, {QStringLiteral(":op"), operatorName}});
    tx.commit();
}

void checkKcjsMonth(const QString& month)
{
    Transaction tx;
    execSql(QStringLiteral(
                "insert into jxc_kcjs (js_rq,js_sl,js_zje,ck_sn,js_xssl,js_xsje,js_cgsl,js_cgje,js_xslr,js_xscb) "
                "select :m,"
                "ifnull((select sum(kc_sl) from jxc_kcsp k where k.ck_sn=c.ck_sn),0),"
                "ifnull((select sum(kc_sl*kc_cbj) from jxc_kcsp k where k.ck_sn=c.ck_sn),0),"
                "c.ck_sn,0,0,0,0,0,0 from jxc_ckxx c "
                "where not exists (select 1 from jxc_kcjs j where j.js_rq=:m and j.ck_sn=c.ck_sn) order by c.id"),
            {{QStringLiteral(":m"), month}});
    tx.commit();
}

void addUserCgpl(const QString& uSn)
{
    Transaction tx;
    execSql(QStringLiteral("update jxc_user set u_cgpl=ifnull(u_cgpl,0)+1 where u_sn=?"), {{QString(), uSn}});
    tx.commit();
}

void addUserXspl(const QString& uSn)
{
    Transaction tx;
    execSql(QStringLiteral("update jxc_user set u_xspl=ifnull(u_xspl,0)+1 where u_sn=?"), {{QString(), uSn}});
    tx.commit();
}

QString getLastLsDj(const QString& gSn)
{
    return selectValue(QStringLiteral("select ls_dj from jxc_lsxssp where g_sn=? order by id desc limit 1"), {{QString(), gSn}});
}

QString getWeekName()
{
    static const char16_t* const kNames[] = {u"星期一 ", u"星期二 ", u"星期三 ", u"星期四 ",
                                             u"星期五 ", u"星期六 ", u"星期日 "};
    return QString::fromUtf16(kNames[Clock::today().dayOfWeek() - 1]);
}

void clearTempSpxf()
{
    Transaction tx;
    execSql(QStringLiteral("delete from jxc_tempspxf"));
    execSql(QStringLiteral("delete from jxc_tempspxfmx"));
    tx.commit();
}

void clearExpiredTj()
{
    Transaction tx;
    execSql(QStringLiteral("update jxc_goods set g_tjsp=0,g_tjqx=0,g_ks=null,g_js=null "
                           "where g_tjsp<>0 and g_tjqx<>0 and g_js<?"),
            {{QString(), todayText()}});
    tx.commit();
}

void clearOldPosHold()
{
    if (!settingOn(csPoshooktoday))
        return;
    const QString old = QStringLiteral("select gl_djh from jxc_posxsd where pos_note='gd' and pos_xsrq<?");
    const SqlParams before{{QString(), todayText() + QStringLiteral(" 00:00:00")}};
    Transaction tx;
    for (const char* table : {"jxc_posxssp", "jxc_posxsspmx"})
        execSql(QStringLiteral("delete from %1 where gl_djh in (%2)").arg(QLatin1String(table), old), before);
    execSql(QStringLiteral("delete from jxc_posxsd where gl_djh in (%1)").arg(old), before);
    tx.commit();
}

QString getKeyName(int keyCode)
{
    if (keyCode >= 112 && keyCode <= 123)
        return QStringLiteral("F%1").arg(keyCode - 111);
    switch (keyCode) {
    case 33: return QStringLiteral("Page Up");
    case 34: return QStringLiteral("Page Down");
    case 35: return QStringLiteral("End");
    case 36: return QStringLiteral("Home");
    case 37: return QStringLiteral("←");
    case 39: return QStringLiteral("→");
    case 45: return QStringLiteral("Insert");
    case 46: return QStringLiteral("Delete");
    case 109:
    case 189: return QStringLiteral("-");
    case 111:
    case 191: return QStringLiteral("/");
    case 186: return QStringLiteral(";");
    case 187: return QStringLiteral("=");
    case 188: return QStringLiteral(",");
    case 192: return QStringLiteral("`");
    case 219: return QStringLiteral("[");
    case 220: return QStringLiteral("\\");
    case 221: return QStringLiteral("]");
    case 222: return QStringLiteral("'");
    default: return QString();
    }
}

QString getGnKey(const QString& function)
{
    const QString v = selectValue(QStringLiteral("select gn_jz from jxc_gnb where gn_name=? order by id limit 1"),
                                  {{QString(), function}});
    bool ok = false;
    const int code = v.toInt(&ok);
    return ok ? getKeyName(code) : QString();
}
