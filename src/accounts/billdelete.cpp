#include "accounts/billdelete.h"

#include "data/billtables.h"
#include "data/clock.h"
#include "data/datamodule.h"
#include "data/ledger.h"
#include "data/posting.h"
#include "data/settings.h"
#include "data/textrules.h"
#include "data/tkc.h"

namespace {

// The bill's header as its posting wrote it.
struct BillHead {
    QString partner;
    QString ckSn;
    QString date;
    Money owed;  // the header's amount due (negative on returns)
    Money paid;  // the header's amount paid (negative on returns)
};

// How a goods bill is stored and what its deletion takes back.
struct GoodsBillKind {
    const BillLineTables* lines;
    const char* header;        // header table
    const char* headerNumber;  // its number column
    const char* headerSelect;  // partner, warehouse, date, owed, paid
    const char* paymentTable;  // the payment rows naming the bill
    const char* partnerKind;   // "ghs" or "kh"
    const char* movement;      // the daily movement column of its lines
};

const GoodsBillKind kReceiptBill{&kReceiptLines, "jxc_jhd", "j_sn", "ghs_sn,ck_sn,j_jhrq,j_yfje,j_sfje",
                                 "jxc_ghsfk", "ghs", "t_cg"};
const GoodsBillKind kReturnBill{&kReturnLines, "jxc_thd", "gl_djh", "ghs_sn,ck_sn,th_thrq,th_yfje,th_sfje",
                                "jxc_ghsfk", "ghs", "t_ct"};
const GoodsBillKind kSaleBill{&kSalesLines, "jxc_lsxsd", "gl_djh", "kh_sn,ck_sn,ls_xsrq,ls_yfje,ls_sfje",
                              "jxc_khfk", "kh", "t_xs"};
const GoodsBillKind kCustomerReturnBill{&kCustomerReturnLines, "jxc_xsthd", "gl_djh",
                                        "kh_sn,ck_sn,th_xsrq,th_yfje,th_sfje", "jxc_khfk", "kh", "t_xt"};

const GoodsBillKind& goodsBillKind(PostedKind kind)
{
    switch (kind) {
    case PostedKind::Receipt:
        return kReceiptBill;
    case PostedKind::PurchaseReturn:
        return kReturnBill;
    case PostedKind::Sale:
        return kSaleBill;
    default:
        return kCustomerReturnBill;
    }
}

QString name(const char* n) { return QLatin1String(n); }

Money money(const ResultSet& rs, int r, int c) { return Money::fromText(rs.text(r, c)); }

SqlParams bound(std::initializer_list<QVariant> values)
{
    SqlParams p;
    for (const QVariant& v : values)
        p.emplace_back(QString(), v);
    return p;
}

// Every cash-journal row of the number moves its own account back and goes.
void takeBackCash(const QString& djh)
{
    const ResultSet cash =
        openSelect(QStringLiteral("select xj_kmmc,xj_je from jxc_xjyh where gl_djh=? order by id"), bound({djh}));
    for (int r = 0; r < cash.rowCount(); ++r)
        updateYhzh(cash.text(r, 0), cash.text(r, 1), QStringLiteral("cg"));
    execSql(QStringLiteral("delete from jxc_xjyh where gl_djh=?"), bound({djh}));
}

// The stock of one line taken back: the goods' total and counter, the warehouse's stock and
// sold quantity (an existing stock row only).
void takeBackLine(const QString& ckSn, const QString& gSn, Money stockBack, int counterBack, const char* counter,
                  Money soldBack)
{
    if (counter)
        execSql(QStringLiteral("update jxc_goods set g_kc=ifnull(g_kc,0)+?,%1=ifnull(%1,0)+? where g_sn=?").arg(name(counter)),
                bound({stockBack.toDouble(), counterBack, gSn}));
    else
        execSql(QStringLiteral("update jxc_goods set g_kc=ifnull(g_kc,0)+? where g_sn=?"), bound({stockBack.toDouble(), gSn}));
    execSql(QStringLiteral("update jxc_kcsp set kc_sl=ifnull(kc_sl,0)+?,kc_xssl=ifnull(kc_xssl,0)+? where ck_sn=? and g_sn=?"),
            bound({stockBack.toDouble(), soldBack.toDouble(), ckSn, gSn}));
}

void deleteGoodsBill(PostedKind kind, const QString& djh)
{
    const GoodsBillKind& k = goodsBillKind(kind);
    const BillLineTables& t = *k.lines;
    const ResultSet h = openSelect(QStringLiteral("select %1 from %2 where %3=? order by id limit 1")
                                       .arg(name(k.headerSelect), name(k.header), name(k.headerNumber)),
                                   bound({djh}));
    if (h.isEmpty())
        throw DbError(QStringLiteral("单据%1不存在，可能已经删除！").arg(djh));
    const BillHead head{h.text(0, 0), h.text(0, 1), h.text(0, 2), money(h, 0, 3), money(h, 0, 4)};
    const QString month = head.date.left(7);

    takeBackCash(djh);

    // An audited receipt moved no stock for the discount goods.
    const bool audited =
        kind == PostedKind::Receipt &&
        !selectValue(QStringLiteral("select id from jxc_ysyfk where gl_djh=? and k_djlx='CJ' and k_djtxt='采购进货单审核' limit 1"),
                     bound({djh}))
             .isEmpty();
    const ResultSet lines =
        openSelect(QStringLiteral("select g_sn,%1,%2 from %3 where %4=? order by id")
                       .arg(name(t.quantityColumn), name(t.amountColumn), name(t.lineTable), name(t.numberColumn)),
                   bound({djh}));
    Money quantity;
    Money goodsTotal;  // the lines' amounts without the discount goods
    for (int r = 0; r < lines.rowCount(); ++r) {
        const QString gSn = lines.text(r, 0);
        const Money qty = money(lines, r, 1);
        quantity += qty;
        if (gSn != QLatin1String("00000000"))
            goodsTotal += money(lines, r, 2);
        switch (kind) {
        case PostedKind::Receipt:
            if (!(audited && gSn == QLatin1String("00000000")))
                takeBackLine(head.ckSn, gSn, -qty, -1, "g_cgpl", Money());
            break;
        case PostedKind::PurchaseReturn:
            takeBackLine(head.ckSn, gSn, qty, 0, nullptr, Money());
            break;
        case PostedKind::Sale:
            takeBackLine(head.ckSn, gSn, qty, -1, "g_xspl", -qty);
            break;
        default:
            takeBackLine(head.ckSn, gSn, -qty, 0, nullptr, qty);
            break;
        }
    }
    addDailyMovement(t, djh, todayText(), k.movement, QString(), true);

    // The cost the sale booked, as its journal rows keep it (negated on a customer return).
    const Money journalCost = Money::fromText(
        selectValue(QStringLiteral("select sum(gl_zje-gl_lr) from jxc_goodslist where gl_djh=?"), bound({djh})));

    switch (kind) {
    case PostedKind::Receipt:
        addToDaySummary(head.date, {{"yy_cgsl", -quantity}, {"yy_cgje", -head.owed}});
        addToMonthStock(month, head.ckSn,
                        {{"js_sl", -quantity}, {"js_zje", -goodsTotal}, {"js_cgsl", -quantity}, {"js_cgje", -head.owed}});
        subTkcByDoc(name(t.rowTable), djh, head.ckSn);
        break;
    case PostedKind::PurchaseReturn: {
        const Money due = -head.owed;
        const Money refund = -head.paid;
        addToDaySummary(head.date, {{"yy_cgsl", quantity}, {"yy_cgje", refund}}, false);
        addToMonthStock(month, head.ckSn,
                        {{"js_sl", quantity}, {"js_zje", due}, {"js_cgsl", quantity}, {"js_cgje", refund}});
        addTkcByDoc(name(t.rowTable), djh, head.ckSn);
        break;
    }
    case PostedKind::Sale: {
        const Money amount = head.owed;
        const Money cost = journalCost;
        const Money profit = amount - cost;
        addToDaySummary(head.date,
                        {{"yy_xssl", -quantity}, {"yy_xscb", -cost}, {"yy_xsje", -amount}, {"yy_xslr", -profit}}, false);
        addToMonthStock(month, head.ckSn,
                        {{"js_sl", quantity},
                         {"js_zje", cost},
                         {"js_xssl", -quantity},
                         {"js_xsje", -amount},
                         {"js_xslr", -profit},
                         {"js_xscb", -cost}});
        addTkcByDoc(name(t.rowTable), djh, head.ckSn);
        break;
    }
    default: {
        const Money amount = -head.owed;
        const Money cost = -journalCost;
        const Money profit = amount - cost;
        addToDaySummary(head.date, {{"yy_xssl", quantity}, {"yy_xscb", cost}, {"yy_xsje", amount}, {"yy_xslr", profit}},
                        false);
        addToMonthStock(month, head.ckSn,
                        {{"js_sl", -quantity},
                         {"js_zje", -cost},
                         {"js_xssl", quantity},
                         {"js_xsje", amount},
                         {"js_xslr", profit},
                         {"js_xscb", cost}});
        subTkcByDoc(name(t.rowTable), djh, head.ckSn);
        break;
    }
    }

    execSql(QStringLiteral("delete from %1 where %2=?").arg(name(k.header), name(k.headerNumber)), bound({djh}));
    execSql(QStringLiteral("delete from %1 where %2=?").arg(name(t.lineTable), name(t.numberColumn)), bound({djh}));
    for (const char* table : {t.rowTable, "jxc_goodslist", "jxc_goodslistmx", k.paymentTable, "jxc_ysyfk"})
        execSql(QStringLiteral("delete from %1 where gl_djh=?").arg(name(table)), bound({djh}));
    recalcLjje(head.partner, name(k.partnerKind), head.date);
}

// A supplier payment or customer receipt row: the partner's balance and the paid amount of the
// bill it was made for go back.
void deletePaymentRow(PostedKind kind, const QString& djh)
{
    const bool supplier = kind == PostedKind::SupplierPayment;
    const QString p = supplier ? QStringLiteral("gf") : QStringLiteral("kf");
    const QString table = supplier ? QStringLiteral("jxc_ghsfk") : QStringLiteral("jxc_khfk");
    const QString partnerColumn = supplier ? QStringLiteral("ghs_sn") : QStringLiteral("kh_sn");
    const ResultSet rows =
        openSelect(QStringLiteral("select %2,%1_je,%1_fkje,gl_djh from %3 where %1_sn=? order by id").arg(p, partnerColumn, table),
                   bound({djh}));
    if (rows.isEmpty())
        throw DbError(QStringLiteral("单据%1不存在，可能已经删除！").arg(djh));

    takeBackCash(djh);
    for (int r = 0; r < rows.rowCount(); ++r) {
        const Money je = money(rows, r, 1);
        const Money fkje = money(rows, r, 2);
        const Money balanceChange = je.isZero() ? fkje : je;
        const Money billChange = je.isZero() ? Money() : je - fkje;
        if (supplier)
            execSql(QStringLiteral("update jxc_ghsxx set ghs_lwje=ifnull(ghs_lwje,0)-? where ghs_sn=?"),
                    bound({balanceChange.toDouble(), rows.text(r, 0)}));
        else
            execSql(QStringLiteral("update jxc_khxx set kh_lwje=ifnull(kh_lwje,0)+? where kh_sn=?"),
                    bound({balanceChange.toDouble(), rows.text(r, 0)}));
        const QString bill = rows.text(r, 3).trimmed();
        if (bill.isEmpty())
            continue;
        const QString note = todayText() + QStringLiteral("删除付款单共计") + billChange.toText() + QStringLiteral("元");
        if (supplier)
            execSql(QStringLiteral("update jxc_jhd set j_sfje=ifnull(j_sfje,0)-?,j_note=? where j_sn=?"),
                    bound({billChange.toDouble(), note, bill}));
        else
            execSql(QStringLiteral("update jxc_lsxsd set ls_sfje=ifnull(ls_sfje,0)-?,ls_note=? where gl_djh=?"),
                    bound({billChange.toDouble(), note, bill}));
    }
    execSql(QStringLiteral("delete from %1 where %2_sn=?").arg(table, p), bound({djh}));
}

}  // namespace

std::optional<PostedKind> postedKindOf(const QString& djh)
{
    const QString prefix = djh.left(2).toUpper();
    if (prefix == u"CJ")
        return PostedKind::Receipt;
    if (prefix == u"CT")
        return PostedKind::PurchaseReturn;
    if (prefix == u"GF")
        return PostedKind::SupplierPayment;
    if (prefix == u"XS")
        return PostedKind::Sale;
    if (prefix == u"XT")
        return PostedKind::CustomerReturn;
    if (prefix == u"KF")
        return PostedKind::CustomerReceipt;
    return std::nullopt;
}

bool isSupplierKind(PostedKind kind)
{
    return kind == PostedKind::Receipt || kind == PostedKind::PurchaseReturn || kind == PostedKind::SupplierPayment;
}

PostedKindTexts postedKindTexts(PostedKind kind)
{
    switch (kind) {
    case PostedKind::Receipt:
        return {QStringLiteral("即将删除采购进货单："), QStringLiteral("(说明：删除该单后，库存将减少，原进货操作将撤销！)"),
                QStringLiteral("删除进货单")};
    case PostedKind::PurchaseReturn:
        return {QStringLiteral("即将删除采购退货单："), QStringLiteral("(说明：删除该单后库存将增加，原退货操作将撤销！)"),
                QStringLiteral("删除退货单")};
    case PostedKind::SupplierPayment:
        return {QStringLiteral("即将删除采购付款单："), QStringLiteral("(说明：删除该单后与该供货商的往来账务将发生变化！)"),
                QStringLiteral("删除付款单")};
    case PostedKind::Sale:
        return {QStringLiteral("即将删除零售销售单："), QStringLiteral("(说明：删除该单后，库存将增加，原销售业务将撤销！)"),
                QStringLiteral("删除零售销售单")};
    case PostedKind::CustomerReturn:
        return {QStringLiteral("即将删除销售退货单："), QStringLiteral("(说明：删除该单后库存将减少，原退货业务将撤销！)"),
                QStringLiteral("删除销售退货单")};
    case PostedKind::CustomerReceipt:
        break;
    }
    return {QStringLiteral("即将删除销售收款单："), QStringLiteral("(说明：删除该单后与该客户的往来账务将发生变化！)"),
            QStringLiteral("删除收款单")};
}

QString billDeleteLogText(PostedKind kind, const QString& djh, const QString& reason)
{
    return postedKindTexts(kind).logPrefix + djh + QStringLiteral(",删除原因为：") + sqlSafeName(reason.trimmed());
}

void deletePostedBill(PostedKind kind, const QString& djh, const QString& reason)
{
    if (reason.trimmed().isEmpty())
        throw DbError(QStringLiteral("删除原因不能为空！"));
    Transaction tx;
    writeLog(billDeleteLogText(kind, djh, reason));
    if (kind == PostedKind::SupplierPayment || kind == PostedKind::CustomerReceipt)
        deletePaymentRow(kind, djh);
    else
        deleteGoodsBill(kind, djh);
    tx.commit();
}
