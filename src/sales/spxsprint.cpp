#include "sales/spxsprint.h"

#include "data/billtables.h"
#include "data/datamodule.h"
#include "data/textrules.h"
#include "platform/displayformat.h"

namespace {

const QString kTemplate = QStringLiteral("spxs.fr3");

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

SpxsPrintBill postedBill(const QString& djh, const char* header, const char* c, bool negate)
{
    const ResultSet h = openSelect(
        QStringLiteral("select a.kh_sn,b.kh_name,c.ck_name,a.%2xsrq,a.%2note,d.u_name,a.%2yfje,a.%2sfje from %1 a "
                       "left join jxc_khxx b on b.kh_sn=a.kh_sn left join jxc_ckxx c on c.ck_sn=a.ck_sn "
                       "left join jxc_user d on d.u_sn=a.u_sn where a.gl_djh=? limit 1")
            .arg(QLatin1String(header), QLatin1String(c)),
        {{QString(), djh}});
    const Money due = Money::fromText(h.text(0, 6));
    const Money received = Money::fromText(h.text(0, 7));
    return {.djh = djh,
            .khSn = h.text(0, 0),
            .khName = h.text(0, 1),
            .ckName = h.text(0, 2),
            .date = h.text(0, 3),
            .note = h.text(0, 4),
            .uName = h.text(0, 5),
            .due = negate ? (-due).toText() : h.text(0, 6),
            .received = negate ? -received : received};
}

}  // namespace

SpxsPrintBill postedSpxsBill(const QString& djh)
{
    return postedBill(djh, "jxc_lsxsd", "ls_", false);
}

SpxsPrintBill postedXsthBill(const QString& djh)
{
    return postedBill(djh, "jxc_xsthd", "th_", true);
}

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
    const ResultSet contact = partnerCardRow(true, bill.khSn);
    BillPrint p;
    p.templateFile = kTemplate;
    p.linesSql = spxsLinesSql(bill.djh);
    p.variables = billHeadVariables({.customer = true,
                                     .partnerName = bill.khName.trimmed(),
                                     .contact = &contact,
                                     .ckName = bill.ckName,
                                     .date = bill.date,
                                     .note = bill.note,
                                     .uName = bill.uName,
                                     .due = bill.due.trimmed(),
                                     .paid = formatNumber(QStringLiteral("#.00"), bill.received.toText())});
    return p;
}

BillPrint spxsPendingPrint(const QString& djh)
{
    return pendingBillPrint(true, kTemplate, spxsPendingLinesSql(djh), djh);
}

bool printSpxs(const SpxsPrintBill& bill, int copies, QWidget* parent)
{
    if (!billHasLines(kSalesLines, bill.djh))
        return false;
    return printBill(spxsPrint(bill), copies, parent);
}

void previewSpxs(const SpxsPrintBill& bill, QWidget* parent)
{
    if (billHasLines(kSalesLines, bill.djh))
        printGoodsDetail(spxsPrint(bill), parent);
}

void previewPendingSpxs(const QString& djh, QWidget* parent)
{
    printGoodsDetail(spxsPendingPrint(djh), parent);
}

QString xsthLinesSql(const QString& djh)
{
    return linesSql(QStringLiteral("a.*"), "jxc_xsthsp", "jxc_xsthspmx", "th_dj", "th_dzl", "th_sl", "th_zje", djh);
}

BillPrint xsthPrint(const SpxsPrintBill& bill)
{
    BillPrint p = spxsPrint(bill);
    p.templateFile = QStringLiteral("xsth.fr3");
    p.linesSql = xsthLinesSql(bill.djh);
    return p;
}
