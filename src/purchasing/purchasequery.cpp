#include "purchasing/purchasequery.h"

#include "data/datamodule.h"
#include "data/globals.h"
#include "data/textrules.h"
#include "purchasing/cgjhprint.h"
#include "purchasing/cgthprint.h"
#include "shell/commands.h"

BillPrint cgjhPostedPrint(const QString& jSn)
{
    const ResultSet rs = openSelect(
        QStringLiteral("select a.*,b.ck_name,c.u_name,d.ghs_name from jxc_jhd a left join jxc_ckxx b on a.ck_sn=b.ck_sn "
                       "left join jxc_user c on a.u_sn=c.u_sn left join jxc_ghsxx d on a.ghs_sn=d.ghs_sn where a.j_sn=?"),
        {{QString(), jSn}});
    auto field = [&](const char* name) { return rs.text(0, QString::fromLatin1(name)); };
    BillPrint p;
    p.templateFile = QStringLiteral("cgjh.fr3");
    p.linesSql = QStringLiteral("select a.*,b.g_name,b.dw_name,b.gg_name,b.color_name,b.g_sptm from jxc_jhsp a,"
                                "jxc_goods b where a.g_sn=b.g_sn and j_sn='%1' order by a.id")
                     .arg(sqlSafe(jSn));
    const ResultSet contact = partnerCardRow(false, field("ghs_sn"));
    p.variables = billHeadVariables({.customer = false,
                                     .partnerName = field("ghs_name"),
                                     .contact = &contact,
                                     .ckName = field("ck_name"),
                                     .date = field("j_jhrq"),
                                     .note = field("j_note"),
                                     .uName = field("u_name"),
                                     .due = field("j_yfje"),
                                     .paid = field("j_sfje")});
    return p;
}

std::optional<BillPrint> postedPurchasePrint(const QString& djh)
{
    const QString kind = djh.left(2).toUpper();
    const QString n = sqlSafe(djh);
    if (kind == QLatin1String("CJ")) {
        BillPrint p = cgjhPostedPrint(djh);
        p.linesSql = QStringLiteral("select a.*,b.g_name,b.dw_name,b.gg_name,c.cm_name,d.color_name,e.t_sl,"
                                    "a.jh_dj*e.t_sl as zje from jxc_jhsp a,jxc_goods b,jxc_cm c,jxc_color d,jxc_jhspmx e "
                                    "where a.g_sn=b.g_sn and a.j_sn=e.gl_djh and a.id=e.tid and e.cm_sn=c.cm_sn and "
                                    "e.color_sn=d.color_sn and a.j_sn='%1' order by a.id")
                         .arg(n);
        return p;
    }
    if (kind == QLatin1String("CT")) {
        BillPrint p = cgthPostedPrint(djh);
        p.linesSql = QStringLiteral("select a.*,b.g_name,b.dw_name,b.gg_name,c.cm_name,d.color_name,e.t_sl,"
                                    "a.th_dj*e.t_sl as zje from jxc_thsp a,jxc_goods b,jxc_cm c,jxc_color d,jxc_thspmx e "
                                    "where a.g_sn=b.g_sn and a.gl_djh=e.gl_djh and a.id=e.tid and e.cm_sn=c.cm_sn and "
                                    "e.color_sn=d.color_sn and a.gl_djh='%1' order by a.id")
                         .arg(n);
        return p;
    }
    return std::nullopt;
}

void showLineDetail(const QString& djhOrFlag, const QString& gSn, const QString& tid)
{
    if (tid.trimmed().isEmpty())
        return;
    const QString kind = djhOrFlag.left(2).toLower();
    detailTable = kind == QLatin1String("ct")   ? QStringLiteral("jxc_thspmx")
                  : kind == QLatin1String("xs") ? QStringLiteral("jxc_lsxsspmx")
                  : kind == QLatin1String("xt") ? QStringLiteral("jxc_xsthspmx")
                  : kind == QLatin1String("jh") || kind == QLatin1String("hh") ? QStringLiteral("jxc_jhglmx")
                                                : QStringLiteral("jxc_jhspmx");
    curGoodsSn = gSn;
    paramValue = tid;
    openWindow(QStringLiteral("TF_Detail"), QString(), QStringLiteral("详细数据"));
    detailTable.clear();
    curGoodsSn.clear();
    paramValue.clear();
}
