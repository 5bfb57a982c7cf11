#include "purchasing/cgthprint.h"

#include "data/billtables.h"
#include "data/datamodule.h"
#include "data/textrules.h"
#include "platform/displayformat.h"

namespace {
const QString kTemplate = QStringLiteral("cgth.fr3");
}  // namespace

QString cgthLinesSql(const QString& djh)
{
    return sizeColourLinesSql(kReturnLines, djh);
}

BillPrint cgthPrint(const CgthPrintBill& bill)
{
    const ResultSet contact = partnerCardRow(false, bill.ghsSn);
    BillPrint p;
    p.templateFile = kTemplate;
    p.linesSql = cgthLinesSql(bill.djh);
    p.variables = billHeadVariables({.customer = false,
                                     .partnerName = bill.ghsName.trimmed(),
                                     .contact = &contact,
                                     .ckName = bill.ckName,
                                     .date = bill.date,
                                     .note = bill.note,
                                     .uName = bill.uName,
                                     .due = bill.due.trimmed(),
                                     .paid = formatNumber(QStringLiteral("#.00"), bill.received.toText())});
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
    const ResultSet contact = partnerCardRow(false, field("ghs_sn"));
    BillPrint p;
    p.templateFile = kTemplate;
    p.linesSql = QStringLiteral("select a.*,b.g_name,b.dw_name,b.gg_name,b.color_name,b.g_sptm from jxc_thsp a,"
                                "jxc_goods b where a.g_sn=b.g_sn and a.gl_djh='%1' order by a.id")
                     .arg(sqlSafe(djh));
    p.variables = billHeadVariables({.customer = false,
                                     .partnerName = field("ghs_name"),
                                     .contact = &contact,
                                     .ckName = field("ck_name"),
                                     .date = field("th_thrq"),
                                     .note = field("th_note"),
                                     .uName = field("u_name"),
                                     .due = field("th_yfje"),
                                     .paid = field("th_sfje")});
    return p;
}
