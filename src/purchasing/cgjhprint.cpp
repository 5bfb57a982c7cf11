#include "purchasing/cgjhprint.h"

#include "data/billtables.h"
#include "data/datamodule.h"
#include "data/textrules.h"
#include "platform/displayformat.h"

namespace {

const QString kTemplate = QStringLiteral("cgjh.fr3");

}  // namespace

QString cgjhLinesSql(const QString& djh)
{
    return sizeColourLinesSql(kReceiptLines, djh);
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

BillPrint cgjhPrint(const CgjhPrintBill& bill)
{
    const ResultSet contact = partnerCardRow(false, bill.ghsSn);
    BillPrint p;
    p.templateFile = kTemplate;
    p.linesSql = cgjhLinesSql(bill.djh);
    p.variables = billHeadVariables({.customer = false,
                                     .partnerName = bill.ghsName.trimmed(),
                                     .contact = &contact,
                                     .ckName = bill.ckName,
                                     .date = bill.date,
                                     .note = bill.note,
                                     .uName = bill.uName,
                                     .due = bill.payable.trimmed(),
                                     .paid = formatNumber(QStringLiteral("#.00"), bill.paid.toText())});
    return p;
}

BillPrint cgjhPendingPrint(const QString& djh)
{
    return pendingBillPrint(false, kTemplate, cgjhPendingLinesSql(djh), djh);
}

bool printDj(const CgjhPrintBill& bill, int copies, QWidget* parent)
{
    if (!billHasLines(kReceiptLines, bill.djh))
        return false;
    return printBill(cgjhPrint(bill), copies, parent);
}

void previewDj(const CgjhPrintBill& bill, QWidget* parent)
{
    if (billHasLines(kReceiptLines, bill.djh))
        printGoodsDetail(cgjhPrint(bill), parent);
}

void previewPendingDj(const QString& djh, QWidget* parent)
{
    printGoodsDetail(cgjhPendingPrint(djh), parent);
}
