#include "bills/billprint.h"

#include "data/billtables.h"
#include "data/datamodule.h"
#include "data/textrules.h"
#include "data/namedquery.h"
#include "data/settings.h"
#include "platform/report.h"

namespace {

const QString kLines = QStringLiteral("frxDBDataset1");

// Q_GoodsPrin opened with the bill's lines for the lifetime of the object, closed however
// the print ends.
class LinesOpen {
public:
    explicit LinesOpen(const QString& sql) { openQuery(DataModule->Q_GoodsPrin, sql); }
    ~LinesOpen() { DataModule->Q_GoodsPrin->close(); }
    LinesOpen(const LinesOpen&) = delete;
    LinesOpen& operator=(const LinesOpen&) = delete;
};

}  // namespace

void setPrinPara(Report& rpt, const BillPrint& bill)
{
    if (bill.layout.isEmpty())
        rpt.loadTemplate(bill.templateFile);
    else
        rpt.setLayout(bill.layout);
    rpt.clearVariables();
    rpt.setVariable(QStringLiteral("comName"), reportQuote(companyName));
    rpt.setVariable(QStringLiteral("comTele"), reportQuote(companyTele));
    rpt.setVariable(QStringLiteral("comAddress"), reportQuote(companyAddress));
    for (const BillVariable& v : bill.variables)
        rpt.setVariable(v.first, reportQuote(v.second));
}

bool printBill(const BillPrint& bill, int copies, QWidget* parent)
{
    LinesOpen lines(bill.linesSql);
    Report rpt;
    setPrinPara(rpt, bill);
    rpt.setDataset(kLines, DataModule->Q_GoodsPrin);
    return rpt.print(copies < 1 ? 1 : copies, parent);
}

bool printBillDirect(const BillPrint& bill)
{
    LinesOpen lines(bill.linesSql);
    Report rpt;
    setPrinPara(rpt, bill);
    rpt.setDataset(kLines, DataModule->Q_GoodsPrin);
    return rpt.printDirect();
}

void printGoodsDetail(const BillPrint& bill, QWidget* parent)
{
    LinesOpen lines(bill.linesSql);
    Report rpt;
    setPrinPara(rpt, bill);
    rpt.setDataset(kLines, DataModule->Q_GoodsPrin);
    rpt.preview(parent);
}

int printCopies(const QString& setting)
{
    bool ok = false;
    const int n = setting.trimmed().toInt(&ok);
    return ok && n > 0 ? n : 1;
}

bool printAfterPosting()
{
    return csDjzddy != QLatin1String("0") && csDjzddy != QLatin1String("False");
}

QString sizeColourLinesSql(const char* lineTable, const char* rowTable, const char* numberColumn,
                           const char* priceColumn, const char* rateColumn, const QString& djh)
{
    const QString price = QLatin1String(priceColumn);
    const QString amount = rateColumn && *rateColumn
                               ? QStringLiteral("a.%1*a.%2 as sj,a.%1*a.%2*e.t_sl as zje").arg(price, QLatin1String(rateColumn))
                               : QStringLiteral("a.%1*e.t_sl as zje").arg(price);
    return QStringLiteral("select a.*,b.g_name,b.dw_name,b.gg_name,c.cm_name,d.color_name,e.t_sl,%1 from %2 a,"
                          "jxc_goods b,jxc_cm c,jxc_color d,%3 e where a.g_sn=b.g_sn and a.%4=e.gl_djh and "
                          "a.id=e.tid and e.cm_sn=c.cm_sn and e.color_sn=d.color_sn and a.%4='%5' order by a.id,e.id")
        .arg(amount, QLatin1String(lineTable), QLatin1String(rowTable), QLatin1String(numberColumn), sqlSafe(djh));
}

QString sizeColourLinesSql(const BillLineTables& t, const QString& djh)
{
    return sizeColourLinesSql(t.lineTable, t.rowTable, t.numberColumn, t.priceColumn, t.rateColumn, djh);
}

ResultSet partnerCardRow(bool customer, const QString& code)
{
    return openSelect(customer ? QStringLiteral("select * from jxc_khxx where kh_sn=?")
                               : QStringLiteral("select * from jxc_ghsxx where ghs_sn=?"),
                      {{QString(), code}});
}

QList<BillVariable> partnerContactVariables(bool customer, const ResultSet& row, bool withContact)
{
    const QString v = customer ? QStringLiteral("kh") : QStringLiteral("ghs");
    auto field = [&](const char* name) {
        return row.isEmpty() ? QString() : row.text(0, v + QLatin1Char('_') + QLatin1String(name));
    };
    QList<BillVariable> out;
    if (withContact)
        out << BillVariable(v + QStringLiteral("Lxr"), field("lxr"));
    out << BillVariable(v + QStringLiteral("Tele"), field("tele"));
    out << BillVariable(v + QStringLiteral("Address"), field("address"));
    return out;
}

QList<BillVariable> billHeadVariables(const BillPrintHead& head)
{
    QList<BillVariable> out{
        {(head.customer ? QStringLiteral("kh") : QStringLiteral("ghs")) + QStringLiteral("Name"), head.partnerName}};
    out += partnerContactVariables(head.customer, *head.contact);
    out += {{QStringLiteral("ckName"), head.ckName},
            {QStringLiteral("jhDate"), head.date},
            {QStringLiteral("Note"), head.note},
            {QStringLiteral("uName"), head.uName},
            {QStringLiteral("yf"), moneyToDx(head.due)},
            {QStringLiteral("sf"), moneyToDx(head.paid)}};
    return out;
}

BillPrint pendingBillPrint(bool customer, const QString& templateFile, const QString& linesSql, const QString& djh)
{
    const QString v = customer ? QStringLiteral("kh") : QStringLiteral("ghs");
    const ResultSet rs = openSelect(
        QStringLiteral("select a.*,b.ck_name,c.u_name,d.%1_name,d.%1_lxr,d.%1_tele,d.%1_address "
                       "from jxc_shdj a left join jxc_ckxx b on a.ck_sn=b.ck_sn "
                       "left join jxc_user c on a.u_sn=c.u_sn left join %2 d on a.ghs_sn=d.%1_sn "
                       "where a.gl_djh=?")
            .arg(v, customer ? QStringLiteral("jxc_khxx") : QStringLiteral("jxc_ghsxx")),
        {{QString(), djh}});
    auto field = [&](const QString& name) { return rs.text(0, name); };
    BillPrint p;
    p.templateFile = templateFile;
    p.linesSql = linesSql;
    p.variables = billHeadVariables({.customer = customer,
                                     .partnerName = field(v + QStringLiteral("_name")),
                                     .contact = &rs,
                                     .ckName = field(QStringLiteral("ck_name")),
                                     .date = field(QStringLiteral("sh_rq")),
                                     .note = field(QStringLiteral("sh_note")),
                                     .uName = field(QStringLiteral("u_name")),
                                     .due = field(QStringLiteral("sh_yfje")),
                                     .paid = field(QStringLiteral("sh_sfje"))});
    return p;
}

bool billHasLines(const BillLineTables& t, const QString& djh)
{
    return selectValue(QStringLiteral("select count(*) from %1 where %2=?")
                           .arg(QLatin1String(t.lineTable), QLatin1String(t.numberColumn)),
                       {{QString(), djh}})
               .toInt() > 0;
}
