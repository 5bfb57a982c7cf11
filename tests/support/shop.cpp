#include "support/shop.h"

#include "data/datamodule.h"
#include "data/globals.h"
#include "data/numbering.h"
#include "data/textrules.h"
#include "data/tkc.h"

namespace {

QString text(const char16_t* s) { return QString::fromUtf16(s); }

QString nameOf(const char* sql, const QString& code) { return selectValue(QLatin1String(sql), {{QString(), code}}); }

}  // namespace

// ---- Master records -----------------------------------------------------------------------
// Plain inserts of the master records, until the master-data functions take their place.

QString Shop::supplier(const QString& name)
{
    const QString sn = getMaxSn(QStringLiteral("jxc_ghsxx"), QStringLiteral("ghs_sn"));
    appendRow(QStringLiteral("jxc_ghsxx"), {{QStringLiteral("ghs_sn"), sn}, {QStringLiteral("ghs_name"), name},
                                            {QStringLiteral("ghs_jm"), getPyJm(name)}, {QStringLiteral("ghs_lwje"), 0},
                                            {QStringLiteral("ghs_pl"), 0}, {QStringLiteral("ghs_lwje2"), 0}});
    return sn;
}

QString Shop::customer(const QString& name)
{
    const QString sn = getMaxSn(QStringLiteral("jxc_khxx"), QStringLiteral("kh_sn"));
    appendRow(QStringLiteral("jxc_khxx"), {{QStringLiteral("kh_sn"), sn}, {QStringLiteral("kh_name"), name},
                                           {QStringLiteral("kh_jm"), getPyJm(name)}, {QStringLiteral("kh_lwje"), 0},
                                           {QStringLiteral("kh_pl"), 0}});
    return sn;
}

QString Shop::warehouse(const QString& name)
{
    const QString sn = getMaxSn(QStringLiteral("jxc_ckxx"), QStringLiteral("ck_sn"));
    appendRow(QStringLiteral("jxc_ckxx"), {{QStringLiteral("ck_sn"), sn}, {QStringLiteral("ck_name"), name},
                                           {QStringLiteral("ck_jm"), getPyJm(name)}});
    return sn;
}

QString Shop::staff(const QString& name)
{
    const QString sn = getMaxSn(QStringLiteral("jxc_user"), QStringLiteral("u_sn"));
    appendRow(QStringLiteral("jxc_user"), {{QStringLiteral("u_sn"), sn}, {QStringLiteral("u_name"), name},
                                           {QStringLiteral("u_jm"), getPyJm(name)}, {QStringLiteral("u_cgpl"), 0},
                                           {QStringLiteral("u_xspl"), 0}, {QStringLiteral("u_cg"), 1},
                                           {QStringLiteral("u_xs"), 1}, {QStringLiteral("u_kc"), 1}});
    return sn;
}

int Shop::category(const QString& name)
{
    const int cid = selectValue(QStringLiteral("select ifnull(max(gc_cid),1)+1 from jxc_goodsclass")).toInt();
    appendRow(QStringLiteral("jxc_goodsclass"), {{QStringLiteral("gc_name"), name}, {QStringLiteral("gc_jm"), getPyJm(name)},
                                                 {QStringLiteral("gc_pid"), 1}, {QStringLiteral("gc_cid"), cid}});
    execSql(QStringLiteral("update jxc_goodsclass set gc_sn=? where gc_cid=?"), {{QString(), getMaxGcSn(cid)}, {QString(), cid}});
    return cid;
}

namespace {

// A size or colour group of the named members (made when missing); the built-in group
// "100001" when there are none. Returns the group's code.
QString memberGroup(const QStringList& names, bool sizes)
{
    if (names.isEmpty())
        return QStringLiteral("100001");
    const QString member = sizes ? QStringLiteral("jxc_cm") : QStringLiteral("jxc_color");
    const QString prefix = sizes ? QStringLiteral("cm") : QStringLiteral("color");
    const QString group = sizes ? QStringLiteral("jxc_cmz") : QStringLiteral("jxc_colorz");
    const QString groupSn = sizes ? QStringLiteral("cmz_sn") : QStringLiteral("colorz_sn");
    const QString gsn = getMaxSn(group, groupSn);
    appendRow(group, {{groupSn, gsn}, {(sizes ? QStringLiteral("cmz_name") : QStringLiteral("colorz_name")), names.join(u'/')}});
    for (const QString& n : names) {
        QString sn = sizes ? getCmSn(n) : getColorSn(n);
        if (sn.isEmpty()) {
            sn = getMaxSn(member, prefix + QStringLiteral("_sn"));
            const QString tm = selectValue(QStringLiteral("select ifnull(max(cast(%1_tm as integer)),10)+1 from %2").arg(prefix, member));
            appendRow(member, {{prefix + QStringLiteral("_sn"), sn}, {prefix + QStringLiteral("_name"), n},
                               {prefix + QStringLiteral("_jm"), getPyJm(n)}, {prefix + QStringLiteral("_tm"), tm}});
        }
        appendRow(group + u'2', {{groupSn, gsn}, {prefix + QStringLiteral("_sn"), sn}});
    }
    return gsn;
}

}  // namespace

QString Shop::goods(const QString& name, const QStringList& sizes, const QStringList& colours, double presetPrice,
                    int categoryId, const QString& barcode)
{
    const int cid = categoryId ? categoryId : category(name + text(u"类"));
    const QString sn = getMaxGoodsSn(cid);
    const QString cmz = memberGroup(sizes, true);
    const QString colorz = memberGroup(colours, false);
    appendRow(QStringLiteral("jxc_goods"),
              {{QStringLiteral("g_sn"), sn}, {QStringLiteral("g_name"), name}, {QStringLiteral("g_jm"), getPyJm(name)},
               {QStringLiteral("g_jj"), presetPrice}, {QStringLiteral("g_sj"), presetPrice * 2},
               {QStringLiteral("g_kc"), 0}, {QStringLiteral("g_scjj"), 0}, {QStringLiteral("g_pjjj"), 0},
               {QStringLiteral("g_cgpl"), 0}, {QStringLiteral("g_xspl"), 0}, {QStringLiteral("g_sptm"), barcode},
               {QStringLiteral("gc_cid"), cid},
               {QStringLiteral("gc_sn"), nameOf("select gc_sn from jxc_goodsclass where gc_cid=?", QString::number(cid))},
               {QStringLiteral("dw_name"), text(u"双")}, {QStringLiteral("gg_name"), QString()},
               {QStringLiteral("color_name"), colours.join(u'/')},
               {QStringLiteral("cmz_name"), nameOf("select cmz_name from jxc_cmz where cmz_sn=?", cmz)},
               {QStringLiteral("cmz_sn"), cmz}, {QStringLiteral("colorz_sn"), colorz}});
    return sn;
}

// ---- The shop and its bills ---------------------------------------------------------------

Shop::Shop(const QDateTime& clock) : m_db(true, clock)
{
    operatorName = text(u"张三");
    roleCode = QStringLiteral("100001");
    m_handler = staff(text(u"李采购"));
}

Shop::~Shop()
{
    operatorName.clear();
    roleCode.clear();
}

ReceiptBuilder Shop::receipt() const
{
    return ReceiptBuilder(*this);
}

ReceiptBuilder::ReceiptBuilder(const Shop& shop)
{
    m_bill.djh = getMaxDjh(QStringLiteral("jxc_jhd"), QStringLiteral("j_sn"), QStringLiteral("CJ"));
    discardLines(kReceiptLines, m_bill.djh);  // stray lines of an earlier run under this number
    m_bill.ghsSn = QStringLiteral("100001");
    m_bill.ckSn = QStringLiteral("100001");
    m_bill.date = todayText();
    m_bill.uSn = shop.handlerSn();
    m_bill.account = text(u"现金");
    m_bill.op = operatorName;
}

ReceiptBuilder& ReceiptBuilder::line(const QString& gSn, double price, std::initializer_list<VariantQty> rows)
{
    WorkingLine l{.gSn = gSn, .price = Money::fromDouble(price), .rows = {}, .quantity = {}};
    for (const VariantQty& r : rows) {
        const QString cm = getCmSn(r.size);
        const QString color = getColorSn(r.colour);
        if (cm.isEmpty() || color.isEmpty())
            throw DbError(QStringLiteral("no size %1 or colour %2").arg(r.size, r.colour));
        l.rows.append({cm, color, Money::fromDouble(r.qty)});
    }
    m_lines.append(writeLine(kReceiptLines, m_bill.djh, l));
    return *this;
}

ReceiptBuilder& ReceiptBuilder::plainLine(const QString& gSn, double price, double qty)
{
    m_lines.append(writeLine(kReceiptLines, m_bill.djh,
                             {.gSn = gSn, .price = Money::fromDouble(price), .rows = {}, .quantity = Money::fromDouble(qty)}));
    return *this;
}

ReceiptBuilder& ReceiptBuilder::date(const QString& date)
{
    const QString to = getMaxDjhByDate(QStringLiteral("jxc_jhd"), QStringLiteral("j_sn"), QStringLiteral("CJ"), date);
    moveLines(kReceiptLines, m_bill.djh, to);
    m_bill.djh = to;
    m_bill.date = date;
    return *this;
}

ReceiptBuilder& ReceiptBuilder::paid(double amount)
{
    m_bill.paid = Money::fromDouble(amount);
    m_paidSet = true;
    return *this;
}

ReceiptBuilder& ReceiptBuilder::mode(CgjhMode mode) { m_bill.mode = mode; return *this; }
ReceiptBuilder& ReceiptBuilder::supplier(const QString& ghsSn) { m_bill.ghsSn = ghsSn; return *this; }
ReceiptBuilder& ReceiptBuilder::warehouse(const QString& ckSn) { m_bill.ckSn = ckSn; return *this; }
ReceiptBuilder& ReceiptBuilder::handler(const QString& uSn) { m_bill.uSn = uSn; return *this; }
ReceiptBuilder& ReceiptBuilder::account(const QString& name) { m_bill.account = name; return *this; }
ReceiptBuilder& ReceiptBuilder::note(const QString& note) { m_bill.note = note; return *this; }

CgjhPosting ReceiptBuilder::record() const
{
    CgjhPosting b = m_bill;
    b.payable = Money::fromText(selectValue(QStringLiteral("select sum(jh_zje) from jxc_jhsp where g_sn<>'00000000' and j_sn=?"),
                                            {{QString(), b.djh}}));
    if (!m_paidSet)
        b.paid = b.payable;
    b.ghsName = nameOf("select ghs_name from jxc_ghsxx where ghs_sn=?", b.ghsSn);
    b.ckName = nameOf("select ck_name from jxc_ckxx where ck_sn=?", b.ckSn);
    b.uName = nameOf("select u_name from jxc_user where u_sn=?", b.uSn);
    return b;
}

QString ReceiptBuilder::post()
{
    postCgjh(record());
    return m_bill.djh;
}
