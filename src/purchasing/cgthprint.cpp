#include "purchasing/cgthprint.h"

#include "data/datamodule.h"
#include "data/textrules.h"
#include "platform/displayformat.h"
#include "purchasing/cgjhprint.h"

namespace {
const QString kTemplate = QStringLiteral("cgth.fr3");
}  // namespace

QString cgthLinesSql(const QString& djh)
{
    return QStringLiteral("select a.*,b.g_name,b.dw_name,b.gg_name,c.cm_name,d.color_name,e.t_sl,"
                          "a.th_dj*e.t_sl as zje from jxc_thsp a,jxc_goods b,jxc_cm c,"
                          "jxc_color d,jxc_thspmx e where "
                          "a.g_sn=b.g_sn and a.gl_djh=e.gl_djh and a.id=e.tid and "
                          "e.cm_sn=c.cm_sn and e.color_sn=d.color_sn and "
                          "a.gl_djh='%1' order by a.id,e.id")
        .arg(sqlSafe(djh));
}

BillPrint cgthPrint(const CgthPrintBill& bill)
{
    BillPrint p;
    p.templateFile = kTemplate;
    p.linesSql = cgthLinesSql(bill.djh);
    p.variables = {{QStringLiteral("ghsName"), bill.ghsName.trimmed()}};
    p.variables += supplierContactVariables(bill.ghsSn);
    p.variables += {{QStringLiteral("ckName"), bill.ckName},
                    {QStringLiteral("jhDate"), bill.date},
                    {QStringLiteral("Note"), bill.note},
                    {QStringLiteral("uName"), bill.uName},
                    {QStringLiteral("yf"), moneyToDx(bill.due.trimmed())},
                    {QStringLiteral("sf"), moneyToDx(formatNumber(QStringLiteral("#.00"), bill.received.toText()))}};
    return p;
}

BillPrint cgthPostedPrint(const QString& djh)
{
    const ResultSet rs = openSelect(
        QStringLiteral("select a.*,b.ck_name,c.u_name,d.ghs_name from jxc_thd a left join jxc_ckxx b on a.ck_sn=b.ck_sn "
                       "left join jxc_user c on a.u_sn=c.u_sn left join jxc_ghsxx d on a.ghs_sn=d.ghs_sn "
                       "where a.gl_djh=?"),
        {{QString(), djh}});
    auto field = [&](const char* name) { return rs.text(0, QString::fromLatin1(name)); };
    BillPrint p;
    p.templateFile = kTemplate;
    p.linesSql = QStringLiteral("select a.*,b.g_name,b.dw_name,b.gg_name,b.color_name,b.g_sptm from jxc_thsp a,"
                                "jxc_goods b where a.g_sn=b.g_sn and a.gl_djh='%1' order by a.id")
                     .arg(sqlSafe(djh));
    p.variables = {{QStringLiteral("ghsName"), field("ghs_name")}};
    p.variables += supplierContactVariables(field("ghs_sn"));
    p.variables += {{QStringLiteral("ckName"), field("ck_name")},
                    {QStringLiteral("jhDate"), field("th_thrq")},
                    {QStringLiteral("Note"), field("th_note")},
                    {QStringLiteral("uName"), field("u_name")},
                    {QStringLiteral("yf"), moneyToDx(field("th_yfje"))},
                    {QStringLiteral("sf"), moneyToDx(field("th_sfje"))}};
    return p;
}
