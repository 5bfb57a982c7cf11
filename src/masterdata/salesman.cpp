#include "masterdata/salesman.h"

#include "data/datamodule.h"
#include "data/settings.h"
#include "data/textrules.h"
#include "platform/report.h"
#include "platform/voucher.h"

namespace {

// A bill kind the salesman window lists with goods lines.
struct StoredBillKind {
    const char* prefix;
    const char* header;      // header table
    const char* headerKey;   // its number column
    const char* lineTable;
    const char* rowTable;    // size and colour rows
    const char* lineKey;     // number column of the lines
    const char* line;        // column prefix of the lines: qty <p>sl, price <p>dj, amount <p>zje
    const char* discount;    // discount rate column of sales lines ("" for purchases)
    const char* template_;
    const char* datePrefix;  // header columns: <p>note, <p>yfje, <p>sfje
    const char* dateColumn;
    bool customer;
    bool negate;             // amounts printed with the sign changed
};

constexpr StoredBillKind kStoredBills[] = {
    {"CJ", "jxc_jhd", "j_sn", "jxc_jhsp", "jxc_jhspmx", "j_sn", "jh_", "", "cgjh.fr3", "j_", "j_jhrq", false, false},
    {"CT", "jxc_thd", "gl_djh", "jxc_thsp", "jxc_thspmx", "gl_djh", "th_", "", "cgth.fr3", "th_", "th_thrq", false, false},
    {"XS", "jxc_lsxsd", "gl_djh", "jxc_lsxssp", "jxc_lsxsspmx", "gl_djh", "ls_", "ls_dzl", "spxs.fr3", "ls_", "ls_xsrq",
     true, false},
    {"XT", "jxc_xsthd", "gl_djh", "jxc_xsthsp", "jxc_xsthspmx", "gl_djh", "th_", "th_dzl", "xsth.fr3", "th_", "th_xsrq",
     true, true},
};

const StoredBillKind* storedBillKind(const QString& djh)
{
    for (const StoredBillKind& k : kStoredBills)
        if (djh.startsWith(QLatin1String(k.prefix)))
            return &k;
    return nullptr;
}

QString lit(const char* s)
{
    return QString::fromLatin1(s);
}

// The partner's name on its card row ("" for none).
QString cardName(bool customer, const ResultSet& p)
{
    return p.isEmpty() ? QString() : p.text(0, customer ? QStringLiteral("kh_name") : QStringLiteral("ghs_name"));
}

// name, [contact,] telephone and address of the partner as printed.
QList<BillVariable> partnerVariables(bool customer, const QString& code, bool withContact)
{
    const ResultSet p = partnerCardRow(customer, code);
    return QList<BillVariable>{BillVariable(customer ? QStringLiteral("khName") : QStringLiteral("ghsName"),
                                            cardName(customer, p))} +
           partnerContactVariables(customer, p, withContact);
}

// A stored amount as printed, optionally with its sign changed.
QString printedAmount(const QString& stored, bool negate)
{
    Money m = Money::fromText(stored);
    if (negate)
        m = -m;
    return m.toText();
}

}  // namespace

QString salesmanBillsSql(const QString& uSn)
{
    const QString sn = sqlSafe(uSn);
    const QString select = QStringLiteral(
        "select %1 as dsort,a.%2 as djh,c.ck_name,a.%3 as yfje,a.%4 as sfje,u.u_name,u.u_sn,'%5' as zflx "
        "from %6 a,%7 p,jxc_ckxx c,jxc_user u where a.%8=p.%8 and a.ck_sn=c.ck_sn and a.u_sn=u.u_sn and a.u_sn='%9'");
    const QString payment = QStringLiteral(
        "select %1 as dsort,a.%2 as djh,'' as ck_name,iif(a.%3<0,0-a.%3,0) as yfje,iif(a.%3>0,a.%3,0) as sfje,"
        "u.u_name,u.u_sn,a.%4 as zflx from %5 a,%6 p,jxc_user u where a.%7=p.%7 and a.u_sn=u.u_sn and a.u_sn='%8'");
    const QStringList parts{
        select.arg(QStringLiteral("1"), QStringLiteral("j_sn"), QStringLiteral("j_yfje"), QStringLiteral("j_sfje"),
                   QStringLiteral("采购进货"), QStringLiteral("jxc_jhd"), QStringLiteral("jxc_ghsxx"),
                   QStringLiteral("ghs_sn"), sn),
        select.arg(QStringLiteral("2"), QStringLiteral("gl_djh"), QStringLiteral("th_yfje"), QStringLiteral("th_sfje"),
                   QStringLiteral("采购退货"), QStringLiteral("jxc_thd"), QStringLiteral("jxc_ghsxx"),
                   QStringLiteral("ghs_sn"), sn),
        payment.arg(QStringLiteral("3"), QStringLiteral("gf_sn"), QStringLiteral("gf_fkje"), QStringLiteral("gf_fkfs"),
                    QStringLiteral("jxc_ghsfk"), QStringLiteral("jxc_ghsxx"), QStringLiteral("ghs_sn"), sn),
        select.arg(QStringLiteral("4"), QStringLiteral("gl_djh"), QStringLiteral("ls_yfje"), QStringLiteral("ls_sfje"),
                   QStringLiteral("商品销售"), QStringLiteral("jxc_lsxsd"), QStringLiteral("jxc_khxx"),
                   QStringLiteral("kh_sn"), sn),
        select.arg(QStringLiteral("5"), QStringLiteral("gl_djh"), QStringLiteral("th_yfje"), QStringLiteral("th_sfje"),
                   QStringLiteral("销售退货"), QStringLiteral("jxc_xsthd"), QStringLiteral("jxc_khxx"),
                   QStringLiteral("kh_sn"), sn),
        payment.arg(QStringLiteral("6"), QStringLiteral("kf_sn"), QStringLiteral("kf_fkje"), QStringLiteral("kf_fkfs"),
                    QStringLiteral("jxc_khfk"), QStringLiteral("jxc_khxx"), QStringLiteral("kh_sn"), sn),
    };
    return parts.join(QStringLiteral(" union ")) + QStringLiteral(" order by dsort,djh");
}

QString salesmanLinesSql(const QString& djh)
{
    const StoredBillKind* k = storedBillKind(djh);
    if (!k)
        return QString();
    const QString p = lit(k->line);
    return QStringLiteral("select a.g_sn,a.%1sl as sl,a.%1dj as dj,a.%1zje as zje,b.g_name,b.dw_name from %2 a,jxc_goods b "
                          "where a.g_sn=b.g_sn and a.%3='%4' order by a.id")
        .arg(p, lit(k->lineTable), lit(k->lineKey), sqlSafe(djh));
}

SalesmanTotals salesmanTotals(const QString& uSn)
{
    auto sum = [&uSn](const QString& expr, const char* table) {
        return Money::fromText(selectValue(
            QStringLiteral("select sum(%1) from %2 where u_sn=?").arg(expr, lit(table)), {{QString(), uSn}}));
    };
    SalesmanTotals t;
    t.purchase = sum(QStringLiteral("j_yfje"), "jxc_jhd") + sum(QStringLiteral("th_yfje"), "jxc_thd") +
                 sum(QStringLiteral("iif(gf_fkje<0,0-gf_fkje,0)"), "jxc_ghsfk");
    t.paid = sum(QStringLiteral("j_sfje"), "jxc_jhd") + sum(QStringLiteral("th_sfje"), "jxc_thd") +
             sum(QStringLiteral("iif(gf_fkje>0,gf_fkje,0)"), "jxc_ghsfk");
    t.sales = sum(QStringLiteral("ls_yfje"), "jxc_lsxsd") + sum(QStringLiteral("th_yfje"), "jxc_xsthd") +
              sum(QStringLiteral("iif(kf_fkje<0,0-kf_fkje,0)"), "jxc_khfk");
    t.received = sum(QStringLiteral("ls_sfje"), "jxc_lsxsd") + sum(QStringLiteral("th_sfje"), "jxc_xsthd") +
                 sum(QStringLiteral("iif(kf_fkje>0,kf_fkje,0)"), "jxc_khfk");
    return t;
}

// ---- Reprint -------------------------------------------------------------------------------------

BillPrint reprintBill(const QString& djh)
{
    BillPrint p;
    const StoredBillKind* k = storedBillKind(djh);
    if (!k)
        return p;
    p.templateFile = lit(k->template_);
    const QByteArray price = QByteArray(k->line) + "dj";
    p.linesSql = sizeColourLinesSql(k->lineTable, k->rowTable, k->lineKey, price.constData(), k->discount, djh);

    const ResultSet h = openSelect(QStringLiteral("select a.*,b.ck_name,c.u_name from %1 a,jxc_ckxx b,jxc_user c where "
                                                  "a.ck_sn=b.ck_sn and a.u_sn=c.u_sn and a.%2=?")
                                       .arg(lit(k->header), lit(k->headerKey)),
                                   {{QString(), djh}});
    auto field = [&h](const QString& name) { return h.isEmpty() ? QString() : h.text(0, name); };
    const QString c = lit(k->datePrefix);
    const ResultSet partner =
        partnerCardRow(k->customer, field(k->customer ? QStringLiteral("kh_sn") : QStringLiteral("ghs_sn")));
    p.variables = billHeadVariables(
        {.customer = k->customer,
         .partnerName = cardName(k->customer, partner),
         .contact = &partner,
         .ckName = field(QStringLiteral("ck_name")),
         .date = field(lit(k->dateColumn)),
         .note = field(c + QStringLiteral("note")),
         .uName = field(QStringLiteral("u_name")),
         .due = printedAmount(field(c + QStringLiteral("yfje")), k->negate),
         .paid = printedAmount(field(c + QStringLiteral("sfje")), k->negate)});
    return p;
}

VoucherPrint reprintVoucher(const QString& djh)
{
    VoucherPrint v;
    const bool supplier = djh.startsWith(u"GF");
    if (!supplier && !djh.startsWith(u"KF"))
        return v;
    const QString c = supplier ? QStringLiteral("gf_") : QStringLiteral("kf_");
    const ResultSet r = openSelect(
        QStringLiteral("select a.*,b.u_name from %1 a,jxc_user b where a.u_sn=b.u_sn and a.%2sn=?")
            .arg(supplier ? QStringLiteral("jxc_ghsfk") : QStringLiteral("jxc_khfk"), c),
        {{QString(), djh}});
    auto field = [&r](const QString& name) { return r.isEmpty() ? QString() : r.text(0, name); };
    v.amount = Money::fromText(field(c + QStringLiteral("je")));
    v.print.templateFile = supplier ? QStringLiteral("ghsfukuan.fr3") : QStringLiteral("khsk.fr3");
    v.print.variables = {
        {QStringLiteral("bTitle"), companyShortName + (supplier ? QStringLiteral("付款单") : QStringLiteral("收款单"))},
        {QStringLiteral("djh"), djh},
        {QStringLiteral("aname"), field(QStringLiteral("a_name"))},
        {QStringLiteral("uname"), field(QStringLiteral("u_name"))},
        {QStringLiteral("fkfs"), field(c + QStringLiteral("fkfs"))},
        {QStringLiteral("pnote"), field(c + QStringLiteral("note"))},
        {QStringLiteral("sf"), moneyToDx(v.amount.toText())}};
    v.print.variables +=
        partnerVariables(!supplier, field(supplier ? QStringLiteral("ghs_sn") : QStringLiteral("kh_sn")), false);
    return v;
}

void previewStoredBill(const QString& djh, QWidget* parent)
{
    if (storedBillKind(djh)) {
        printGoodsDetail(reprintBill(djh), parent);
        return;
    }
    const VoucherPrint v = reprintVoucher(djh);
    if (v.print.templateFile.isEmpty())
        return;
    Report rpt;
    setPrinPara(rpt, v.print);
    setVoucherDigits(rpt, v.amount);
    rpt.preview(parent);
}
