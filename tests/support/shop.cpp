#include "support/shop.h"

#include "data/combos.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/numbering.h"
#include "data/settings.h"
#include "data/textrules.h"
#include "data/tkc.h"
#include "masterdata/goods.h"
#include "masterdata/partners.h"
#include "masterdata/sizecolordata.h"
#include "masterdata/spxxgl.h"
#include "masterdata/staffrecords.h"
#include "purchasing/cgjhpending.h"

namespace {

QString text(const char16_t* s) { return QString::fromUtf16(s); }

QString nameOf(const char* sql, const QString& code) { return selectValue(QLatin1String(sql), {{QString(), code}}); }

}  // namespace

// ---- Master records -----------------------------------------------------------------------
// Made by the master-data functions the windows call, so the fixture's shop is one the
// program itself could have made.

namespace {

// Dies loudly when a master-data function refused the fixture's record.
QString made(const QString& code, const QString& refusal, const QString& what)
{
    if (!refusal.isEmpty() || code.isEmpty())
        throw DbError(QStringLiteral("shop fixture: %1 refused: %2").arg(what, refusal));
    return code;
}

QString partner(PartnerKind kind, const PartnerFields& fields)
{
    const PartnerResult r = addPartner(kind, fields);
    return made(r.code, r.message, fields.name);
}

}  // namespace

QString Shop::supplier(const QString& name)
{
    PartnerFields f;
    f.name = name;
    return partner(PartnerKind::Ghs, f);
}

QString Shop::supplier(const PartnerFields& fields)
{
    return partner(PartnerKind::Ghs, fields);
}

QString Shop::customer(const QString& name)
{
    PartnerFields f;
    f.name = name;
    return partner(PartnerKind::Kh, f);
}

QString Shop::warehouse(const QString& name)
{
    WarehouseInput w;
    w.name = name;
    const SaveOutcome r = addWarehouse(w);
    return made(r.code, r.error, name);
}

QString Shop::staff(const QString& name)
{
    StaffInput u;
    u.name = name;
    const SaveOutcome r = addStaff(u);
    return made(r.code, r.error, name);
}

int Shop::category(const QString& name)
{
    NamedQuery& tree = *DataModule->ADOQueryGoodsClass;
    const int cid = addGoodsClass(tree, 1);
    tree.locate(QStringLiteral("gc_cid"), QString::number(cid));
    renameGoodsClass(tree, name);
    return cid;
}

namespace {

// A size or colour group of the named members (made when missing); the built-in group
// "100001" when there are none. Returns the group's code.
QString memberGroup(const SizeColorFamily& f, const QStringList& names)
{
    if (names.isEmpty())
        return QStringLiteral("100001");
    const QString groupName = names.join(u'/');
    const MasterResult group = addGroup(f, groupName);
    made(group.code, group.error, groupName);
    QStringList members;
    for (const QString& n : names) {
        QString sn = selectValue(QStringLiteral("select %1 from %2 where %3=?").arg(f.memberCol("sn"), f.memberTable, f.memberCol("name")),
                                 {{QString(), n}});
        if (sn.isEmpty()) {
            const QString tm = selectValue(
                QStringLiteral("select ifnull(max(cast(%1 as integer)),10)+1 from %2").arg(f.memberCol("tm"), f.memberTable));
            const MasterResult member = addMember(f, n, tm);
            sn = made(member.code, member.error, n);
        }
        members << sn;
    }
    addMembersToGroup(f, group.code, members);
    return group.code;
}

}  // namespace

QString Shop::goods(const QString& name, const QStringList& sizes, const QStringList& colours, double presetPrice,
                    int categoryId, const QString& barcode)
{
    const int cid = categoryId ? categoryId : category(name + text(u"类"));
    GoodsFields g;
    g.gcCid = QString::number(cid);
    g.gcSn = nameOf("select gc_sn from jxc_goodsclass where gc_cid=?", g.gcCid);
    g.sn = getMaxGoodsSn(cid);
    g.name = name;
    g.barcode = barcode;
    g.unit = text(u"双");
    g.sizeGroupCode = memberGroup(sizeFamily(), sizes);
    g.sizeGroupName = nameOf("select cmz_name from jxc_cmz where cmz_sn=?", g.sizeGroupCode);
    g.colorGroupCode = memberGroup(colorFamily(), colours);
    g.colorGroupName = nameOf("select colorz_name from jxc_colorz where colorz_sn=?", g.colorGroupCode);
    g.purchasePrice = Money::fromDouble(presetPrice);
    g.salePrice = Money::fromDouble(presetPrice * 2);
    const GoodsSaveResult r = addGoods(g);
    return made(r.sn, r.refusal, name);
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

QString Shop::member(const QString& card, const QString& name, double points, double deposit)
{
    MemberFields f;
    f.card = card;
    f.name = name;
    f.points = Money::fromDouble(points);
    return member(f, deposit);
}

QString Shop::member(MemberFields f, double deposit)
{
    if (f.schemeSn.isEmpty())
        f.schemeSn = QStringLiteral("100001");
    if (f.levelSn.isEmpty())
        f.levelSn = QStringLiteral("100001");
    if (f.joinDate.isEmpty())
        f.joinDate = todayText();
    f.balance = Money::fromDouble(deposit);
    const ChargePayment cash{
        .method = ChargePayment::Method::Cash, .tendered = f.balance, .cash = Money(), .bankCard = Money(), .voucher = Money()};
    return enrolMember(f, deposit > 0 ? &cash : nullptr, operatorName);
}

QString Shop::memberSale(const QString& hySn, const QString& gSn, double price, double qty, int payMode,
                         const QString& when)
{
    const QString djh = getMaxDjh(QStringLiteral("jxc_lsxsd"), QStringLiteral("gl_djh"), QStringLiteral("XS"));
    const double amount = price * qty;
    appendRow(QStringLiteral("jxc_lsxsd"), {{QStringLiteral("gl_djh"), djh},
                                            {QStringLiteral("kh_sn"), QStringLiteral("100001")},
                                            {QStringLiteral("ck_sn"), QStringLiteral("100001")},
                                            {QStringLiteral("ls_xsrq"), when.isEmpty() ? nowText() : when},
                                            {QStringLiteral("ls_yfje"), amount},
                                            {QStringLiteral("ls_sfje"), amount},
                                            {QStringLiteral("a_name"), operatorName},
                                            {QStringLiteral("hy_sn"), hySn},
                                            {QStringLiteral("pos_zffs"), payMode}});
    appendRow(QStringLiteral("jxc_lsxssp"), {{QStringLiteral("gl_djh"), djh},
                                             {QStringLiteral("g_sn"), gSn},
                                             {QStringLiteral("ls_dj"), price},
                                             {QStringLiteral("ls_sl"), qty},
                                             {QStringLiteral("ls_dzl"), 1},
                                             {QStringLiteral("ls_zhje"), price},
                                             {QStringLiteral("ls_zje"), amount},
                                             {QStringLiteral("a_name"), operatorName}});
    return djh;
}

ReceiptBuilder Shop::receipt() const
{
    return ReceiptBuilder(*this);
}

ReturnBuilder Shop::purchaseReturn() const
{
    return ReturnBuilder(*this);
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

namespace {

// A line with quantities per size and colour, named.
WorkingLine variantLine(const QString& gSn, double price, std::initializer_list<VariantQty> rows)
{
    WorkingLine l{.gSn = gSn, .price = Money::fromDouble(price), .rows = {}, .quantity = {}};
    for (const VariantQty& r : rows) {
        const QString cm = getCmSn(r.size);
        const QString color = getColorSn(r.colour);
        if (cm.isEmpty() || color.isEmpty())
            throw DbError(QStringLiteral("no size %1 or colour %2").arg(r.size, r.colour));
        l.rows.append({cm, color, Money::fromDouble(r.qty)});
    }
    return l;
}

// A line without size and colour rows.
WorkingLine plain(const QString& gSn, double price, double qty)
{
    return {.gSn = gSn, .price = Money::fromDouble(price), .rows = {}, .quantity = Money::fromDouble(qty)};
}

}  // namespace

ReceiptBuilder& ReceiptBuilder::line(const QString& gSn, double price, std::initializer_list<VariantQty> rows)
{
    m_lines.append(writeLine(kReceiptLines, m_bill.djh, variantLine(gSn, price, rows)));
    return *this;
}

ReceiptBuilder& ReceiptBuilder::plainLine(const QString& gSn, double price, double qty)
{
    m_lines.append(writeLine(kReceiptLines, m_bill.djh, plain(gSn, price, qty)));
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

// ---- Sales bills ----------------------------------------------------------------------------

SaleBuilder Shop::sale() const
{
    return SaleBuilder(*this);
}

SaleBuilder::SaleBuilder(const Shop& shop)
{
    m_bill.djh = getMaxDjh(QStringLiteral("jxc_lsxsd"), QStringLiteral("gl_djh"), QStringLiteral("XS"));
    discardLines(kSalesLines, m_bill.djh);  // stray lines of an earlier run under this number
    m_bill.khSn = QStringLiteral("100001");
    m_bill.ckSn = QStringLiteral("100001");
    m_bill.date = todayText();
    m_bill.uSn = shop.handlerSn();
    m_bill.account = text(u"现金");
    m_bill.op = operatorName;
}

SaleBuilder& SaleBuilder::line(const QString& gSn, double price, std::initializer_list<VariantQty> rows, double rate)
{
    WorkingLine l = variantLine(gSn, price, rows);
    l.rate = Money::fromDouble(rate);
    m_lines.append(writeLine(kSalesLines, m_bill.djh, l));
    return *this;
}

SaleBuilder& SaleBuilder::plainLine(const QString& gSn, double price, double qty)
{
    m_lines.append(writeLine(kSalesLines, m_bill.djh,
                             {.gSn = gSn, .price = Money::fromDouble(price), .rows = {}, .quantity = Money::fromDouble(qty)}));
    return *this;
}

SaleBuilder& SaleBuilder::backLine(const QString& gSn, double price, std::initializer_list<VariantQty> rows, double rate)
{
    WorkingLine l = variantLine(gSn, price, rows);
    for (SizeColorQty& r : l.rows)
        r.qty = -r.qty;
    l.rate = Money::fromDouble(rate);
    m_lines.append(writeLine(kSalesLines, m_bill.djh, l));
    m_bill.exchange = true;
    return *this;
}

SaleBuilder& SaleBuilder::exchange()
{
    m_bill.exchange = true;
    return *this;
}

SaleBuilder& SaleBuilder::date(const QString& date)
{
    const QString to = getMaxDjhByDate(QStringLiteral("jxc_lsxsd"), QStringLiteral("gl_djh"), QStringLiteral("XS"), date);
    moveLines(kSalesLines, m_bill.djh, to);
    m_bill.djh = to;
    m_bill.date = date;
    return *this;
}

SaleBuilder& SaleBuilder::received(double amount)
{
    m_bill.received = Money::fromDouble(amount);
    m_receivedSet = true;
    return *this;
}

SaleBuilder& SaleBuilder::mode(SpxsMode mode) { m_bill.mode = mode; return *this; }
SaleBuilder& SaleBuilder::customer(const QString& khSn) { m_bill.khSn = khSn; return *this; }
SaleBuilder& SaleBuilder::warehouse(const QString& ckSn) { m_bill.ckSn = ckSn; return *this; }
SaleBuilder& SaleBuilder::handler(const QString& uSn) { m_bill.uSn = uSn; return *this; }
SaleBuilder& SaleBuilder::account(const QString& name) { m_bill.account = name; return *this; }
SaleBuilder& SaleBuilder::note(const QString& note) { m_bill.note = note; return *this; }

SpxsPosting SaleBuilder::record() const
{
    SpxsPosting b = m_bill;
    b.due = Money::fromText(selectValue(QStringLiteral("select sum(ls_zje) from jxc_lsxssp where g_sn<>'00000000' and gl_djh=?"),
                                        {{QString(), b.djh}}));
    if (!m_receivedSet)
        b.received = b.due;
    b.khName = nameOf("select kh_name from jxc_khxx where kh_sn=?", b.khSn);
    b.ckName = nameOf("select ck_name from jxc_ckxx where ck_sn=?", b.ckSn);
    b.uName = nameOf("select u_name from jxc_user where u_sn=?", b.uSn);
    return b;
}

QString SaleBuilder::post()
{
    postSpxs(record());
    return m_bill.djh;
}

QString ReceiptBuilder::hold()
{
    savePendingCgjh(record());
    return m_bill.djh;
}

// ---- Purchase returns ------------------------------------------------------------------------

ReturnBuilder::ReturnBuilder(const Shop& shop)
{
    m_bill.djh = getMaxDjh(QStringLiteral("jxc_thd"), QStringLiteral("gl_djh"), QStringLiteral("CT"));
    discardLines(kReturnLines, m_bill.djh);
    m_bill.ghsSn = QStringLiteral("100001");
    m_bill.ckSn = QStringLiteral("100001");
    m_bill.date = todayText();
    m_bill.uSn = shop.handlerSn();
    m_bill.account = text(u"现金");
    m_bill.op = operatorName;
}

ReturnBuilder& ReturnBuilder::line(const QString& gSn, double price, std::initializer_list<VariantQty> rows)
{
    writeLine(kReturnLines, m_bill.djh, variantLine(gSn, price, rows));
    return *this;
}

ReturnBuilder& ReturnBuilder::plainLine(const QString& gSn, double price, double qty)
{
    writeLine(kReturnLines, m_bill.djh, plain(gSn, price, qty));
    return *this;
}

ReturnBuilder& ReturnBuilder::fromReceipt(const QString& jSn)
{
    const ReturnCopy copy = copyWholeReceipt(jSn, m_bill.djh);
    if (!copy.header)
        throw DbError(QStringLiteral("shop fixture: receipt %1 not copied: %2").arg(jSn, copy.refusal));
    m_bill.ghsSn = copy.header->ghsSn;
    m_bill.ckSn = nameOf("select ck_sn from jxc_jhd where j_sn=?", jSn);
    m_bill.uSn = nameOf("select u_sn from jxc_jhd where j_sn=?", jSn);
    m_bill.receipt = jSn;
    return *this;
}

ReturnBuilder& ReturnBuilder::received(double amount)
{
    m_bill.received = Money::fromDouble(amount);
    m_receivedSet = true;
    return *this;
}

ReturnBuilder& ReturnBuilder::date(const QString& date)
{
    const QString to = getMaxDjhByDate(QStringLiteral("jxc_thd"), QStringLiteral("gl_djh"), QStringLiteral("CT"), date);
    moveLines(kReturnLines, m_bill.djh, to);
    m_bill.djh = to;
    m_bill.date = date;
    return *this;
}

ReturnBuilder& ReturnBuilder::supplier(const QString& ghsSn) { m_bill.ghsSn = ghsSn; return *this; }
ReturnBuilder& ReturnBuilder::warehouse(const QString& ckSn) { m_bill.ckSn = ckSn; return *this; }
ReturnBuilder& ReturnBuilder::account(const QString& name) { m_bill.account = name; return *this; }
ReturnBuilder& ReturnBuilder::note(const QString& note) { m_bill.note = note; return *this; }

CgthPosting ReturnBuilder::record() const
{
    CgthPosting b = m_bill;
    b.due = Money::fromText(selectValue(QStringLiteral("select sum(th_zje) from jxc_thsp where gl_djh=?"),
                                        {{QString(), b.djh}}));
    if (!m_receivedSet)
        b.received = b.due;
    b.ghsName = nameOf("select ghs_name from jxc_ghsxx where ghs_sn=?", b.ghsSn);
    b.ckName = nameOf("select ck_name from jxc_ckxx where ck_sn=?", b.ckSn);
    b.uName = nameOf("select u_name from jxc_user where u_sn=?", b.uSn);
    return b;
}

QString ReturnBuilder::post()
{
    postCgth(record());
    return m_bill.djh;
}

TransferBuilder Shop::transfer(const QString& to) const
{
    return TransferBuilder(*this, to);
}

BsbyBuilder Shop::loss() const
{
    return BsbyBuilder(*this, BsbyKind::Loss);
}

BsbyBuilder Shop::overflow() const
{
    return BsbyBuilder(*this, BsbyKind::Overflow);
}

TransferBuilder::TransferBuilder(const Shop& shop, const QString& to)
{
    m_bill.djh = getMaxDjh(QStringLiteral("jxc_kcdbd"), QStringLiteral("gl_djh"), QStringLiteral("DB"));
    discardLines(kTransferLines, m_bill.djh);
    m_bill.ckOut = QStringLiteral("100001");
    m_bill.ckIn = to;
    m_bill.date = todayText();
    m_bill.uSn = shop.handlerSn();
    m_bill.op = operatorName;
}

TransferBuilder& TransferBuilder::line(const QString& gSn, std::initializer_list<VariantQty> rows)
{
    writeLine(kTransferLines, m_bill.djh, variantLine(gSn, 0, rows));
    return *this;
}

TransferBuilder& TransferBuilder::from(const QString& ckSn) { m_bill.ckOut = ckSn; return *this; }
TransferBuilder& TransferBuilder::note(const QString& note) { m_bill.note = note; return *this; }

TransferBuilder& TransferBuilder::date(const QString& date)
{
    const QString to = getMaxDjhByDate(QStringLiteral("jxc_kcdbd"), QStringLiteral("gl_djh"), QStringLiteral("DB"), date);
    moveLines(kTransferLines, m_bill.djh, to);
    m_bill.djh = to;
    m_bill.date = date;
    return *this;
}

QString TransferBuilder::post()
{
    postKcdb(m_bill);
    return m_bill.djh;
}

LoanBuilder Shop::loan() const
{
    return LoanBuilder(*this);
}

LoanBuilder::LoanBuilder(const Shop& shop)
{
    m_loan.djh = getMaxDjh(QStringLiteral("jxc_jhgl"), QStringLiteral("gl_djh"), QStringLiteral("JH"));
    discardLines(kLendingLines, m_loan.djh);
    m_loan.khSn = QStringLiteral("100001");
    m_loan.ckSn = QStringLiteral("100001");
    m_loan.date = todayText();
    m_loan.uSn = shop.handlerSn();
    m_loan.op = operatorName;
}

LoanBuilder& LoanBuilder::line(const QString& gSn, std::initializer_list<VariantQty> rows)
{
    m_lines.push_back(writeLine(kLendingLines, m_loan.djh, variantLine(gSn, 0, rows)));
    markLoanLines(m_loan.djh);
    return *this;
}

LoanBuilder& LoanBuilder::customer(const QString& khSn) { m_loan.khSn = khSn; return *this; }
LoanBuilder& LoanBuilder::warehouse(const QString& ckSn) { m_loan.ckSn = ckSn; return *this; }
LoanBuilder& LoanBuilder::note(const QString& note) { m_loan.note = note; return *this; }

LoanBuilder& LoanBuilder::date(const QString& date)
{
    const QString to = getMaxDjhByDate(QStringLiteral("jxc_jhgl"), QStringLiteral("gl_djh"), QStringLiteral("JH"), date);
    moveLines(kLendingLines, m_loan.djh, to);
    m_loan.djh = to;
    m_loan.date = date;
    return *this;
}

QString LoanBuilder::post()
{
    postKhjh(m_loan);
    return m_loan.djh;
}

BsbyBuilder::BsbyBuilder(const Shop& shop, BsbyKind kind)
{
    const BsbyTables& k = bsbyTables(kind);
    m_bill.kind = kind;
    m_bill.djh = getMaxDjh(QLatin1String(k.headerTable), QStringLiteral("gl_djh"), QLatin1String(k.prefix));
    discardLines(*k.lines, m_bill.djh);
    m_bill.ckSn = QStringLiteral("100001");
    m_bill.date = todayText();
    m_bill.uSn = shop.handlerSn();
    m_bill.op = operatorName;
}

BsbyBuilder& BsbyBuilder::line(const QString& gSn, std::initializer_list<VariantQty> rows)
{
    const double cost = Money::fromText(nameOf("select g_jj from jxc_goods where g_sn=?", gSn)).toDouble();
    writeLine(*bsbyTables(m_bill.kind).lines, m_bill.djh, variantLine(gSn, cost, rows));
    return *this;
}

BsbyBuilder& BsbyBuilder::warehouse(const QString& ckSn) { m_bill.ckSn = ckSn; return *this; }
BsbyBuilder& BsbyBuilder::note(const QString& note) { m_bill.note = note; return *this; }

BsbyBuilder& BsbyBuilder::date(const QString& date)
{
    const BsbyTables& k = bsbyTables(m_bill.kind);
    const QString to = getMaxDjhByDate(QLatin1String(k.headerTable), QStringLiteral("gl_djh"), QLatin1String(k.prefix), date);
    moveLines(*k.lines, m_bill.djh, to);
    m_bill.djh = to;
    m_bill.date = date;
    return *this;
}

QString BsbyBuilder::post()
{
    postBsby(m_bill);
    return m_bill.djh;
}

// ---- Counts and bundles ---------------------------------------------------------------------

CountBuilder Shop::count() const
{
    return CountBuilder(*this);
}

CountBuilder::CountBuilder(const Shop&)
{
    m_sheet = {.djh = newKcpdNumber(), .ckSn = QStringLiteral("100001"), .date = todayText(), .note = {},
               .op = operatorName};
}

CountBuilder& CountBuilder::warehouse(const QString& ckSn)
{
    m_sheet.ckSn = ckSn;
    return *this;
}

CountBuilder& CountBuilder::date(const QString& date)
{
    m_sheet.date = date;
    return *this;
}

CountBuilder& CountBuilder::line(const QString& gSn, std::initializer_list<VariantQty> rows)
{
    QVector<SizeColorQuantity> cells;
    for (const SizeColorQty& r : variantLine(gSn, 0, rows).rows)
        cells.append({r.cmSn, r.colorSn, r.qty.toText()});
    m_lines.append(addKcpdLine(m_sheet, gSn, cells));
    return *this;
}

CountBuilder& CountBuilder::asStock(const QString& gSn)
{
    m_lines.append(addKcpdLine(m_sheet, gSn, kcpdStock(gSn, m_sheet.ckSn)));
    return *this;
}

int CountBuilder::correct()
{
    fillKcpdChoice(QStringLiteral("-1"), QString());
    tickKcpdChoice(m_sheet.djh, true);
    markKcpdSheets();
    const int n = correctKcpd();
    releaseKcpdSheets();
    return n;
}

BundleBuilder Shop::bundle(const QString& gSn, double qty) const
{
    return BundleBuilder(*this, gSn, qty);
}

BundleBuilder::BundleBuilder(const Shop& shop, const QString& gSn, double qty)
{
    m_kb.djh = getMaxDjh(QStringLiteral("jxc_kbd"), QStringLiteral("gl_djh"), QStringLiteral("KB"));
    discardLines(kBundleLines, m_kb.djh);
    m_kb.ckSn = QStringLiteral("100001");
    m_kb.uSn = shop.handlerSn();
    m_kb.gSn = gSn;
    m_kb.qty = Money::fromDouble(qty);
    m_kb.date = todayText();
    m_kb.op = operatorName;
}

BundleBuilder& BundleBuilder::component(const QString& gSn, double price, std::initializer_list<VariantQty> rows,
                                        const QString& ckSn)
{
    writeBundleScratchRow(variantLine(gSn, price, rows), ckSn);
    transferScratch(kBundleScratch, m_kb.djh);
    return *this;
}

BundleBuilder& BundleBuilder::warehouse(const QString& ckSn)
{
    m_kb.ckSn = ckSn;
    return *this;
}

BundleBuilder& BundleBuilder::date(const QString& date)
{
    const QString to = getMaxDjhByDate(QStringLiteral("jxc_kbd"), QStringLiteral("gl_djh"), QStringLiteral("KB"), date);
    moveLines(kBundleLines, m_kb.djh, to);
    m_kb.djh = to;
    m_kb.date = date;
    return *this;
}

BundleBuilder& BundleBuilder::note(const QString& note)
{
    m_kb.note = note;
    return *this;
}

QString BundleBuilder::post()
{
    postKb(m_kb);
    return m_kb.djh;
}
// ---- Customer returns ------------------------------------------------------------------------

CustomerReturnBuilder Shop::customerReturn() const
{
    return CustomerReturnBuilder(*this);
}

CustomerReturnBuilder::CustomerReturnBuilder(const Shop& shop)
{
    m_bill.djh = getMaxDjh(QStringLiteral("jxc_xsthd"), QStringLiteral("gl_djh"), QStringLiteral("XT"));
    discardLines(kCustomerReturnLines, m_bill.djh);
    m_bill.khSn = QStringLiteral("100001");
    m_bill.ckSn = QStringLiteral("100001");
    m_bill.date = todayText();
    m_bill.uSn = shop.handlerSn();
    m_bill.account = text(u"现金");
    m_bill.op = operatorName;
}

CustomerReturnBuilder& CustomerReturnBuilder::line(const QString& gSn, double price, std::initializer_list<VariantQty> rows,
                                                   double rate)
{
    WorkingLine l = variantLine(gSn, price, rows);
    l.rate = Money::fromDouble(rate);
    writeLine(kCustomerReturnLines, m_bill.djh, l);
    return *this;
}

CustomerReturnBuilder& CustomerReturnBuilder::plainLine(const QString& gSn, double price, double qty)
{
    writeLine(kCustomerReturnLines, m_bill.djh, plain(gSn, price, qty));
    return *this;
}

CustomerReturnBuilder& CustomerReturnBuilder::fromSale(const QString& djh)
{
    const SaleCopy copy = copyWholeSale(djh, m_bill.djh);
    if (!copy.header)
        throw DbError(QStringLiteral("shop fixture: sales bill %1 not copied: %2").arg(djh, copy.refusal));
    m_bill.khSn = copy.header->khSn;
    m_bill.ckSn = nameOf("select ck_sn from jxc_lsxsd where gl_djh=?", djh);
    m_bill.uSn = nameOf("select u_sn from jxc_lsxsd where gl_djh=?", djh);
    m_bill.due = copy.header->due;
    m_dueSet = true;
    if (!m_refundSet)
        m_bill.refund = copy.header->received;
    m_refundSet = true;
    m_bill.sale = djh;
    return *this;
}

CustomerReturnBuilder& CustomerReturnBuilder::refund(double amount)
{
    m_bill.refund = Money::fromDouble(amount);
    m_refundSet = true;
    return *this;
}

CustomerReturnBuilder& CustomerReturnBuilder::customer(const QString& khSn) { m_bill.khSn = khSn; return *this; }
CustomerReturnBuilder& CustomerReturnBuilder::warehouse(const QString& ckSn) { m_bill.ckSn = ckSn; return *this; }
CustomerReturnBuilder& CustomerReturnBuilder::date(const QString& date)
{
    const QString to = getMaxDjhByDate(QStringLiteral("jxc_xsthd"), QStringLiteral("gl_djh"), QStringLiteral("XT"), date);
    moveLines(kCustomerReturnLines, m_bill.djh, to);
    m_bill.djh = to;
    m_bill.date = date;
    return *this;
}

CustomerReturnBuilder& CustomerReturnBuilder::handler(const QString& uSn) { m_bill.uSn = uSn; return *this; }
CustomerReturnBuilder& CustomerReturnBuilder::account(const QString& name) { m_bill.account = name; return *this; }
CustomerReturnBuilder& CustomerReturnBuilder::note(const QString& note) { m_bill.note = note; return *this; }

XsthPosting CustomerReturnBuilder::record() const
{
    XsthPosting b = m_bill;
    if (!m_dueSet)
        b.due = Money::fromText(selectValue(
            QStringLiteral("select sum(th_zje) from jxc_xsthsp where g_sn<>'00000000' and gl_djh=?"), {{QString(), b.djh}}));
    if (!m_refundSet)
        b.refund = b.due;
    b.khName = nameOf("select kh_name from jxc_khxx where kh_sn=?", b.khSn);
    b.ckName = nameOf("select ck_name from jxc_ckxx where ck_sn=?", b.ckSn);
    b.uName = nameOf("select u_name from jxc_user where u_sn=?", b.uSn);
    return b;
}

QString CustomerReturnBuilder::post()
{
    postXsth(record());
    return m_bill.djh;
}

// ---- Till sales and returns --------------------------------------------------------------------

TillSaleBuilder::TillSaleBuilder(const Shop& shop)
{
    m_sale.djh = getMaxDjh(QStringLiteral("jxc_lsxsd"), QStringLiteral("gl_djh"), QStringLiteral("XS"));
    discardLines(kSalesLines, m_sale.djh);
    m_sale.ckSn = QStringLiteral("100001");
    m_sale.uSn = shop.handlerSn();
    m_sale.op = operatorName;
}

TillSaleBuilder& TillSaleBuilder::line(const QString& gSn, double price, const VariantQty& variant, double rate)
{
    WorkingLine l = variantLine(gSn, price, {variant});
    l.rate = Money::fromDouble(rate);
    m_lines.append(writeLine(kSalesLines, m_sale.djh, l));
    return *this;
}

TillSaleBuilder& TillSaleBuilder::member(const QString& card) { m_sale.memberCard = card; return *this; }

TillSaleBuilder& TillSaleBuilder::pay(PosPayMode mode)
{
    m_sale.payment.mode = mode;
    return *this;
}

TillSaleBuilder& TillSaleBuilder::pay(PosPayMode mode, double tendered)
{
    m_sale.payment.mode = mode;
    m_sale.payment.tendered = Money::fromDouble(tendered);
    m_tenderedSet = true;
    return *this;
}

TillSaleBuilder& TillSaleBuilder::combined(double cash, double storedValue, double bankCard, double voucher)
{
    m_sale.payment.mode = PosPayMode::Combined;
    m_sale.payment.cash = Money::fromDouble(cash);
    m_sale.payment.storedValue = Money::fromDouble(storedValue);
    m_sale.payment.bankCard = Money::fromDouble(bankCard);
    m_sale.payment.voucher = Money::fromDouble(voucher);
    return *this;
}

TillSaleBuilder& TillSaleBuilder::roundOff(double amount) { m_sale.payment.roundOff = Money::fromDouble(amount); return *this; }
TillSaleBuilder& TillSaleBuilder::warehouse(const QString& ckSn) { m_sale.ckSn = ckSn; return *this; }
TillSaleBuilder& TillSaleBuilder::note(const QString& note) { m_sale.payment.note = note; return *this; }

PosSale TillSaleBuilder::record() const
{
    PosSale s = m_sale;
    const QString total = selectValue(QStringLiteral("select round(sum(ls_zje),2) from jxc_lsxssp where gl_djh=?"),
                                      {{QString(), s.djh}});
    s.payment.due = posAmountDue(Money::fromText(total), csPosfkws);
    if (!m_tenderedSet)
        s.payment.tendered = s.payment.due - s.payment.roundOff;
    if (!s.memberCard.isEmpty())
        s.payment.balance = Money::fromText(selectValue(QStringLiteral("select hy_zhje from jxc_hyxx where hy_bh=?"),
                                                        {{QString(), memberCardForm(s.memberCard)}}));
    return s;
}

PosSaleResult TillSaleBuilder::post()
{
    return postPosSale(record());
}

TillReturnBuilder::TillReturnBuilder(const Shop&, const QString& saleDjh)
{
    m_return.djh = posReturnNumber();
    discardReturnLines(m_return.djh);
    m_return.sale = findPosSale(saleDjh).value_or(PosSaleRef{});
    m_return.op = operatorName;
}

TillReturnBuilder& TillReturnBuilder::goods(const QString& typed)
{
    const QString refusal = addReturnGoods(m_return.djh, m_return.sale.djh, typed, operatorName);
    if (!refusal.isEmpty())
        throw DbError(refusal);
    return *this;
}

TillReturnBuilder& TillReturnBuilder::refund(double amount)
{
    m_return.refund = Money::fromDouble(amount);
    m_refundSet = true;
    return *this;
}

int TillReturnBuilder::post()
{
    PosReturn r = m_return;
    if (!m_refundSet)
        r.refund = proposedRefund(returnGoodsTotal(r.djh), csPosfkws);
    return postPosReturn(r);
}

TillSaleBuilder Shop::tillSale() const
{
    return TillSaleBuilder(*this);
}

TillReturnBuilder Shop::tillReturn(const QString& saleDjh) const
{
    return TillReturnBuilder(*this, saleDjh);
}
