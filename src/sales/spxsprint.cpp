#include "sales/spxsprint.h"

#include "data/datamodule.h"
#include "data/textrules.h"
#include "platform/displayformat.h"

namespace {

const QString kTemplate = QStringLiteral("spxs.fr3");

bool hasLines(const QString& djh)
{
    return selectValue(QStringLiteral("select count(*) from jxc_lsxssp where gl_djh=?"), {{QString(), djh}}).toInt() > 0;
}

QString first(const ResultSet& rs, const char* field)
{
    return rs.text(0, QString::fromLatin1(field));
}

// The customer's contact, telephone and address from the first row of `rs`.
QList<BillVariable> customerContact(const ResultSet& rs)
{
    return {{QStringLiteral("khLxr"), first(rs, "kh_lxr")},
            {QStringLiteral("khTele"), first(rs, "kh_tele")},
            {QStringLiteral("khAddress"), first(rs, "kh_address")}};
}

// Lines (a) with their goods and, where they have them, their size and colour rows (e); a line
// without rows prints once with its own quantity and amount. `columns` are the line's columns
// as the dataset names them, `price`, `rate`, `qty` and `amount` the line table's columns.
QString linesSql(const QString& columns, const char* lineTable, const char* rowTable, const char* price,
                 const char* rate, const char* qty, const char* amount, const QString& djh)
{
    return QStringLiteral("select %1,b.g_name,b.dw_name,b.gg_name,ifnull(c.cm_name,'') as cm_name,"
                          "ifnull(d.color_name,'') as color_name,ifnull(e.t_sl,a.%5) as t_sl,a.%3*a.%4 as sj,"
                          "case when e.id is null then a.%6 else a.%3*a.%4*e.t_sl end as zje "
                          "from %2 a join jxc_goods b on a.g_sn=b.g_sn "
                          "left join %7 e on e.gl_djh=a.gl_djh and e.tid=a.id "
                          "left join jxc_cm c on c.cm_sn=e.cm_sn left join jxc_color d on d.color_sn=e.color_sn "
                          "where a.gl_djh='%8' order by a.id,e.id")
        .arg(columns, QLatin1String(lineTable), QLatin1String(price), QLatin1String(rate), QLatin1String(qty),
             QLatin1String(amount), QLatin1String(rowTable), sqlSafe(djh));
}

}  // namespace

QString spxsLinesSql(const QString& djh)
{
    return linesSql(QStringLiteral("a.*"), "jxc_lsxssp", "jxc_lsxsspmx", "ls_dj", "ls_dzl", "ls_sl", "ls_zje", djh);
}

QString spxsPendingLinesSql(const QString& djh)
{
    return linesSql(QStringLiteral("a.g_sn,a.a_name,a.gl_djh,a.sh_dj as ls_dj,a.sh_sl as sh_sl,a.sh_zje as ls_zje,"
                                   "a.sh_dzl as ls_dzl,a.sh_zje as ls_zhje"),
                    "jxc_shsp", "jxc_shspmx", "sh_dj", "sh_dzl", "sh_sl", "sh_zje", djh);
}

BillPrint spxsPrint(const SpxsPrintBill& bill)
{
    BillPrint p;
    p.templateFile = kTemplate;
    p.linesSql = spxsLinesSql(bill.djh);
    p.variables = {{QStringLiteral("khName"), bill.khName.trimmed()}};
    p.variables +=
        customerContact(openSelect(QStringLiteral("select * from jxc_khxx where kh_sn=?"), {{QString(), bill.khSn}}));
    p.variables += {{QStringLiteral("ckName"), bill.ckName},
                    {QStringLiteral("jhDate"), bill.date},
                    {QStringLiteral("Note"), bill.note},
                    {QStringLiteral("uName"), bill.uName},
                    {QStringLiteral("yf"), moneyToDx(bill.due.trimmed())},
                    {QStringLiteral("sf"), moneyToDx(formatNumber(QStringLiteral("#.00"), bill.received.toText()))}};
    return p;
}

BillPrint spxsPendingPrint(const QString& djh)
{
    // Outer joins: a pending bill whose warehouse, handler or customer has gone still prints
    // its own values.
    const ResultSet rs = openSelect(
        QStringLiteral("select a.*,b.ck_name,c.u_name,d.kh_name,d.kh_lxr,d.kh_tele,d.kh_address "
                       "from jxc_shdj a left join jxc_ckxx b on a.ck_sn=b.ck_sn "
                       "left join jxc_user c on a.u_sn=c.u_sn left join jxc_khxx d on a.ghs_sn=d.kh_sn "
                       "where a.gl_djh=?"),
        {{QString(), djh}});
    auto field = [&](const char* name) { return first(rs, name); };
    BillPrint p;
    p.templateFile = kTemplate;
    p.linesSql = spxsPendingLinesSql(djh);
    p.variables = {{QStringLiteral("khName"), field("kh_name")}};
    p.variables += customerContact(rs);
    p.variables += {{QStringLiteral("ckName"), field("ck_name")},
                    {QStringLiteral("jhDate"), field("sh_rq")},
                    {QStringLiteral("Note"), field("sh_note")},
                    {QStringLiteral("uName"), field("u_name")},
                    {QStringLiteral("yf"), moneyToDx(field("sh_yfje"))},
                    {QStringLiteral("sf"), moneyToDx(field("sh_sfje"))}};
    return p;
}

bool printSpxs(const SpxsPrintBill& bill, int copies, QWidget* parent)
{
    if (!hasLines(bill.djh))
        return false;
    return printBill(spxsPrint(bill), copies, parent);
}

void previewSpxs(const SpxsPrintBill& bill, QWidget* parent)
{
    if (hasLines(bill.djh))
        printGoodsDetail(spxsPrint(bill), parent);
}

void previewPendingSpxs(const QString& djh, QWidget* parent)
{
    printGoodsDetail(spxsPendingPrint(djh), parent);
}
