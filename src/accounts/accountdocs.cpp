#include "accounts/accountdocs.h"

#include "bills/querykit.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/textrules.h"
#include "masterdata/salesman.h"
#include "platform/report.h"
#include "platform/voucher.h"

namespace {

bool isCustomer(PartySide side)
{
    return side == PartySide::Customer;
}

// The period and the partner test of one select.
struct DocumentFilter {
    QString from, to, partner;  // partner: "" or "(b.… like …)"
};

// One select of the union: the header `table` a with its partner b, warehouse c (none for
// payments) and handler d; `cols` the select's own columns up to dsort. The period and the
// partner test stand in every select, where the indexes serve them.
QString documentSelect(PartySide side, const QString& cols, const QString& table, bool withWarehouse,
                       const QString& dateColumn, const DocumentFilter& f, const QString& extra = QString())
{
    const bool kh = isCustomer(side);
    const QString p = kh ? QStringLiteral("kh") : QStringLiteral("ghs");
    QString sql = QStringLiteral("select %1,a.%2_sn,b.%2_name,b.%2_jm,a.u_sn,d.u_name,a.a_name from %3 a,jxc_%4 b,")
                      .arg(cols, p, table, kh ? QStringLiteral("khxx") : QStringLiteral("ghsxx"));
    sql += withWarehouse ? QStringLiteral("jxc_ckxx c,jxc_user d where a.ck_sn=c.ck_sn and ")
                         : QStringLiteral("jxc_user d where ");
    sql += QStringLiteral("a.%1_sn=b.%1_sn and a.u_sn=d.u_sn").arg(p);
    sql += QStringLiteral(" and a.%1>='%2' and a.%1<='%3 23:59:59'").arg(dateColumn, sqlLit(f.from), sqlLit(f.to));
    if (!f.partner.isEmpty())
        sql += QStringLiteral(" and ") + f.partner;
    return sql + extra;
}

}  // namespace

QString accountDocumentsSql(PartySide side, const QString& from, const QString& to, const QString& typedKey,
                            bool byKind)
{
    const bool kh = isCustomer(side);
    QString key = typedKey.trimmed();
    if (key == (kh ? QStringLiteral("全部客户") : QStringLiteral("全部供货商")) ||
        key == (kh ? QStringLiteral("当前客户") : QStringLiteral("当前列表供货商")))
        key.clear();
    const DocumentFilter f{from, to,
                           kh ? likeAnyOf({"b.kh_sn", "b.kh_jm", "b.kh_name"}, key)
                              : likeAnyOf({"b.ghs_sn", "b.ghs_name", "b.ghs_jm"}, key)};

    const QString kind = kh ? QStringLiteral("fktype") : QStringLiteral("zflx");
    const QString tail = QStringLiteral(",'%1' as dsort");
    QStringList parts;
    if (kh) {
        parts << documentSelect(side,
                                QStringLiteral("a.gl_djh as djh,a.ls_xsrq as rq,a.ls_yfje+a.ls_yhje as yfje,a.ls_sfje as sfje,"
                                               "(a.ls_yfje-a.ls_sfje) as wfje,a.ls_yhje as yhje,'商品销售付款' as fktype,"
                                               "a.ls_note as dnote,a.ck_sn,c.ck_name") + tail.arg(1),
                                QStringLiteral("jxc_lsxsd"), true, QStringLiteral("ls_xsrq"), f)
              << documentSelect(side,
                                QStringLiteral("a.gl_djh,a.th_xsrq,a.th_yfje,a.th_sfje,(a.th_yfje-a.th_sfje),0,'销售退货支出',"
                                               "a.th_note,a.ck_sn,c.ck_name") + tail.arg(2),
                                QStringLiteral("jxc_xsthd"), true, QStringLiteral("th_xsrq"), f)
              << documentSelect(side,
                                QStringLiteral("a.kf_sn,a.kf_fkrq,iif(a.kf_je=0,-1*a.kf_fkje,0),iif(a.kf_je<>0,a.kf_fkje,0),"
                                               "-1*a.kf_fkje,0,a.kf_fkfs,a.kf_note,'',''") + tail.arg(3),
                                QStringLiteral("jxc_khfk"), false, QStringLiteral("kf_fkrq"),
                                f, QStringLiteral(" and a.kf_fkje<>0"));
    } else {
        parts << documentSelect(side,
                                QStringLiteral("a.j_sn as djh,a.j_jhrq as rq,a.j_yfje as yfje,a.j_sfje as sfje,"
                                               "(a.j_yfje-a.j_sfje) as wfje,a.j_yhje as yhje,'进货支付' as zflx,"
                                               "a.j_note as dnote,a.ck_sn,c.ck_name") + tail.arg(1),
                                QStringLiteral("jxc_jhd"), true, QStringLiteral("j_jhrq"), f)
              << documentSelect(side,
                                QStringLiteral("a.gl_djh,a.th_thrq,a.th_yfje,a.th_sfje,(a.th_yfje-a.th_sfje),0,'退货还款',"
                                               "a.th_note,a.ck_sn,c.ck_name") + tail.arg(2),
                                QStringLiteral("jxc_thd"), true, QStringLiteral("th_thrq"), f)
              << documentSelect(side,
                                QStringLiteral("a.gf_sn,a.gf_fkrq,iif(a.gf_fkje<0,-1*a.gf_fkje,0),iif(a.gf_fkje>0,a.gf_fkje,0),"
                                               "-1*a.gf_fkje,0,a.gf_fkfs,a.gf_note,'',''") + tail.arg(3),
                                QStringLiteral("jxc_ghsfk"), false, QStringLiteral("gf_fkrq"),
                                f, QStringLiteral(" and a.gf_fkje<>0"));
    }
    return parts.join(QStringLiteral(" union ")) + QStringLiteral(" order by ") + (byKind ? kind + u',' : QString()) +
           QStringLiteral("rq desc,dsort,djh desc");
}

QString accountLinesSql(PartySide side, const QString& djh)
{
    const QString kind = djh.left(2);
    const bool kh = isCustomer(side);
    if (kh ? (kind != QLatin1String("XS") && kind != QLatin1String("XT")) : (kind != QLatin1String("CJ") && kind != QLatin1String("CT")))
        return QString();
    // Return rows are stored negative: a customer return's by its flag, a purchase return's by sign.
    const QString sql = kh ? QStringLiteral("select *,iif(gl_flag='xt',-1*gl_sl,gl_sl) as sl,"
                                            "iif(gl_flag='xt',-1*gl_zje,gl_zje) as zje from jxc_goodslist where gl_djh='%1' order by id")
                           : QStringLiteral("select *,iif(gl_sl<0,-1*gl_sl,gl_sl) as sl,"
                                            "iif(gl_zje<0,-1*gl_zje,gl_zje) as zje from jxc_goodslist where gl_djh='%1' order by id");
    return sql.arg(sqlLit(djh));
}

AccountDocumentPrint accountDocumentPrint(PartySide side, const ResultSet& rows, int row)
{
    AccountDocumentPrint out;
    if (row < 0 || row >= rows.rowCount())
        return out;
    const bool kh = isCustomer(side);
    const QString djh = rows.text(row, QStringLiteral("djh"));
    const QString kind = djh.left(2);
    (kh ? curKhSn : curGhsSn) = rows.text(row, kh ? QStringLiteral("kh_sn") : QStringLiteral("ghs_sn"));
    const Money due = Money::fromText(rows.text(row, QStringLiteral("yfje")));
    const Money paid = Money::fromText(rows.text(row, QStringLiteral("sfje")));
    if (kind == (kh ? QLatin1String("KF") : QLatin1String("GF"))) {
        const VoucherPrint v = reprintVoucher(djh);
        out.print = v.print;
        out.voucher = true;
        // The voucher shows what the list shows as paid, with the row's own texts.
        out.amount = paid;
        const QList<BillVariable> fromRow = {
            {QStringLiteral("sf"), moneyToDx(paid.toText())},
            {QStringLiteral("aname"), rows.text(row, QStringLiteral("a_name"))},
            {QStringLiteral("uname"), rows.text(row, QStringLiteral("u_name"))},
            {QStringLiteral("fkfs"), rows.text(row, kh ? QStringLiteral("fktype") : QStringLiteral("zflx"))},
            {QStringLiteral("pnote"), rows.text(row, QStringLiteral("dnote"))}};
        for (const BillVariable& f : fromRow)
            for (BillVariable& v2 : out.print.variables)
                if (v2.first == f.first)
                    v2.second = f.second;
        return out;
    }
    const bool bill = kh ? (kind == QLatin1String("XS") || kind == QLatin1String("XT")) : (kind == QLatin1String("CJ") || kind == QLatin1String("CT"));
    if (!bill)
        return out;
    out.print = reprintBill(djh);
    // A return is listed with its stored negative amounts and printed positive.
    const bool ret = kind == QLatin1String("CT") || kind == QLatin1String("XT");
    const QList<BillVariable> fromRow = {{QStringLiteral("ckName"), rows.text(row, QStringLiteral("ck_name"))},
                                         {QStringLiteral("jhDate"), rows.text(row, QStringLiteral("rq"))},
                                         {QStringLiteral("Note"), rows.text(row, QStringLiteral("dnote"))},
                                         {QStringLiteral("uName"), rows.text(row, QStringLiteral("u_name"))},
                                         {QStringLiteral("yf"), moneyToDx((ret ? -due : due).toText())},
                                         {QStringLiteral("sf"), moneyToDx((ret ? -paid : paid).toText())}};
    for (const BillVariable& f : fromRow)
        for (BillVariable& v : out.print.variables)
            if (v.first == f.first)
                v.second = f.second;
    return out;
}

void previewAccountDocument(PartySide side, const ResultSet& rows, int row, QWidget* parent)
{
    const AccountDocumentPrint p = accountDocumentPrint(side, rows, row);
    if (p.print.templateFile.isEmpty())
        return;
    if (!p.voucher) {
        printGoodsDetail(p.print, parent);
        return;
    }
    Report rpt;
    setPrinPara(rpt, p.print);
    setVoucherDigits(rpt, p.amount);
    rpt.preview(parent);
}
