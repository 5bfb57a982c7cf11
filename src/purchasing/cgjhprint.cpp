#include "purchasing/cgjhprint.h"

#include "data/datamodule.h"
#include "data/textrules.h"
#include "platform/displayformat.h"

namespace {

const QString kTemplate = QStringLiteral("cgjh.fr3");

bool hasLines(const QString& djh)
{
    return selectValue(QStringLiteral("select count(*) from jxc_jhsp where j_sn=?"), {{QString(), djh}}).toInt() > 0;
}

// A field of the first row; empty when there is none.
QString first(const ResultSet& rs, const char* field)
{
    return rs.text(0, QString::fromLatin1(field));
}

// The supplier's contact, telephone and address from the first row of `rs`.
QList<BillVariable> supplierContact(const ResultSet& rs)
{
    return {{QStringLiteral("ghsLxr"), first(rs, "ghs_lxr")},
            {QStringLiteral("ghsTele"), first(rs, "ghs_tele")},
            {QStringLiteral("ghsAddress"), first(rs, "ghs_address")}};
}

}  // namespace

QString cgjhLinesSql(const QString& djh)
{
    return QStringLiteral("select a.*,b.g_name,b.dw_name,b.gg_name,c.cm_name,d.color_name,e.t_sl,"
                          "a.jh_dj*e.t_sl as zje from jxc_jhsp a,jxc_goods b,jxc_cm c,"
                          "jxc_color d,jxc_jhspmx e where "
                          "a.g_sn=b.g_sn and a.j_sn=e.gl_djh and a.id=e.tid and "
                          "e.cm_sn=c.cm_sn and e.color_sn=d.color_sn and "
                          "a.j_sn='%1' order by a.id,e.id")
        .arg(sqlSafe(djh));
}

QString cgjhPendingLinesSql(const QString& djh)
{
    return QStringLiteral("select a.g_sn,a.a_name,a.gl_djh as j_sn,a.sh_dj as jh_dj,a.sh_sl as jh_sl,"
                          "a.sh_zje as jh_zje,b.g_name,b.dw_name,b.gg_name,c.cm_name,"
                          "d.color_name,e.t_sl,a.sh_dj*e.t_sl as zje from jxc_shsp a,jxc_goods b,"
                          "jxc_cm c,jxc_color d,jxc_shspmx e where a.g_sn=b.g_sn and "
                          "a.gl_djh=e.gl_djh and a.id=e.tid and e.cm_sn=c.cm_sn and "
                          "e.color_sn=d.color_sn and a.gl_djh='%1' order by a.id,e.id")
        .arg(sqlSafe(djh));
}

QList<BillVariable> supplierContactVariables(const QString& ghsSn)
{
    return supplierContact(openSelect(QStringLiteral("select * from jxc_ghsxx where ghs_sn=?"), {{QString(), ghsSn}}));
}

BillPrint cgjhPrint(const CgjhPrintBill& bill)
{
    BillPrint p;
    p.templateFile = kTemplate;
    p.linesSql = cgjhLinesSql(bill.djh);
    p.variables = {{QStringLiteral("ghsName"), bill.ghsName.trimmed()}};
    p.variables += supplierContactVariables(bill.ghsSn);
    p.variables += {{QStringLiteral("ckName"), bill.ckName},
                    {QStringLiteral("jhDate"), bill.date},
                    {QStringLiteral("Note"), bill.note},
                    {QStringLiteral("uName"), bill.uName},
                    {QStringLiteral("yf"), moneyToDx(bill.payable.trimmed())},
                    {QStringLiteral("sf"), moneyToDx(formatNumber(QStringLiteral("#.00"), bill.paid.toText()))}};
    return p;
}

BillPrint cgjhPendingPrint(const QString& djh)
{
    // Outer joins: a pending bill whose warehouse, handler or supplier has gone still prints
    // its own values.
    const ResultSet rs = openSelect(
        QStringLiteral("select a.*,b.ck_name,c.u_name,d.ghs_name,d.ghs_lxr,d.ghs_tele,d.ghs_address "
                       "from jxc_shdj a left join jxc_ckxx b on a.ck_sn=b.ck_sn "
                       "left join jxc_user c on a.u_sn=c.u_sn left join jxc_ghsxx d on a.ghs_sn=d.ghs_sn "
                       "where a.gl_djh=?"),
        {{QString(), djh}});
    auto field = [&](const char* name) { return first(rs, name); };
    BillPrint p;
    p.templateFile = kTemplate;
    p.linesSql = cgjhPendingLinesSql(djh);
    p.variables = {{QStringLiteral("ghsName"), field("ghs_name")}};
    p.variables += supplierContact(rs);
    p.variables += {{QStringLiteral("ckName"), field("ck_name")},
                    {QStringLiteral("jhDate"), field("sh_rq")},
                    {QStringLiteral("Note"), field("sh_note")},
                    {QStringLiteral("uName"), field("u_name")},
                    {QStringLiteral("yf"), moneyToDx(field("sh_yfje"))},
                    {QStringLiteral("sf"), moneyToDx(field("sh_sfje"))}};
    return p;
}

bool printDj(const CgjhPrintBill& bill, int copies, QWidget* parent)
{
    if (!hasLines(bill.djh))
        return false;
    return printBill(cgjhPrint(bill), copies, parent);
}

void previewDj(const CgjhPrintBill& bill, QWidget* parent)
{
    if (hasLines(bill.djh))
        printGoodsDetail(cgjhPrint(bill), parent);
}

void previewPendingDj(const QString& djh, QWidget* parent)
{
    printGoodsDetail(cgjhPendingPrint(djh), parent);
}
