#include "pos/posposting.h"

#include "bills/workinglines.h"
#include "data/billtables.h"
#include "data/clock.h"
#include "data/combos.h"
#include "data/datamodule.h"
#include "data/numbering.h"
#include "data/posting.h"
#include "data/settings.h"
#include "data/summaries.h"
#include "data/textrules.h"
#include "data/tkc.h"
#include "members/memberdata.h"
#include "platform/report.h"
#include "sales/spxsposting.h"
#include "sales/xsthposting.h"

#include <algorithm>

namespace {

constexpr qint64 kUnitsPerYuan = 10000;

// The amount cut towards zero to `places` decimals (0..4).
Money cutTo(Money m, int places)
{
    if (places >= 4)
        return m;
    qint64 step = kUnitsPerYuan;
    for (int i = 0; i < places; ++i)
        step /= 10;
    return Money::fromUnits(m.units() / step * step);
}

int decimalPlaces(const QString& decimals)
{
    bool ok = false;
    const int d = decimals.trimmed().toInt(&ok);
    return ok && d > 0 ? d : 0;
}

}  // namespace

Money posAmountDue(Money total, const QString& decimals)
{
    return cutTo(total, decimalPlaces(decimals));
}

QString posAmountDueText(const QString& totalText, const QString& decimals)
{
    return posAmountDue(Money::fromText(totalText.trimmed()), decimals).toText();
}

QString posPayModeText(PosPayMode mode)
{
    switch (mode) {
    case PosPayMode::Cash: return QStringLiteral("现金结账");
    case PosPayMode::StoredValue: return QStringLiteral("储值卡结账");
    case PosPayMode::BankCard: return QStringLiteral("银行卡结账");
    case PosPayMode::Voucher: return QStringLiteral("代金券结账");
    case PosPayMode::Combined: return QStringLiteral("联合结账");
    }
    return QString();
}

Money storedValueCap(Money balance, Money due, Money roundOff)
{
    return std::max(Money(), std::min(balance, due - roundOff));
}

PosPayment cappedPayment(PosPayment p)
{
    const Money cap = storedValueCap(p.balance, p.due, p.roundOff);
    if (p.mode == PosPayMode::StoredValue)
        p.tendered = std::min(p.tendered, cap);
    else if (p.mode == PosPayMode::Combined)
        p.storedValue = std::min(p.storedValue, cap);
    return p;
}

Money posChange(const PosPayment& p)
{
    const Money paid = p.mode == PosPayMode::Combined ? p.cash + p.storedValue + p.bankCard + p.voucher : p.tendered;
    return paid + p.roundOff - p.due;
}

QString posPaymentRefusal(const PosPayment& p)
{
    return posChange(p) < Money() ? QStringLiteral("付款金额不足，不能保存！") : QString();
}

QString roundOffRefusal(Money roundOff, const QString& op)
{
    if (roundOff < Money())
        return QStringLiteral("抹零金额不能为负数，请重新输入！");
    const QString limit =
        selectValue(QStringLiteral("select a_zreoje from jxc_admin where a_name=? order by id limit 1"), {{QString(), op}});
    if (roundOff > Money::fromText(limit))
        return QStringLiteral("您的最大抹零金额为%1元，不能超过这一数值！").arg(limit);
    return QString();
}

PointsResult posPoints(Money base, Money perPoint, bool carry, Money oldRemainder)
{
    Money b = cutTo(base, 0);
    if (carry)
        b += oldRemainder;
    if (perPoint <= Money())
        return {Money(), oldRemainder};
    const qint64 points = b.units() / perPoint.units();  // towards zero, as whole-number division
    return {Money::fromUnits(points * kUnitsPerYuan), b - Money::fromUnits(points * perPoint.units())};
}


// ---- Goods lookup --------------------------------------------------------------------------

ResultSet findPosGoods(const QString& key, const QString& ckSn)
{
    const QString k = key.trimmed();
    const QString stock = !settingOn(csKc) || csCbjs == u"1" ? QStringLiteral("and b.kc_sl>0 ") : QString();
    const SqlParams byKey{{QStringLiteral(":k"), k}, {QStringLiteral(":ck"), ckSn}};
    if (!selectValue(QStringLiteral("select g_sn from jxc_tm where tm_tm=? limit 1"), {{QString(), k}}).isEmpty())
        return openSelect(QStringLiteral("select distinct a.* from jxc_goods a,jxc_kcsp b,jxc_tm c "
                                         "where a.g_sn=b.g_sn and a.g_sn=c.g_sn and a.g_sn<>'00000000' and a.g_jy=0 "
                                         "and c.tm_tm=:k %1and b.ck_sn=:ck order by a.g_sn")
                              .arg(stock),
                          byKey);
    // instr() finds the key as typed, wildcards and all, as the till's "contains" means.
    return openSelect(QStringLiteral("select distinct a.* from jxc_goods a,jxc_kcsp b "
                                     "where a.g_sn=b.g_sn and a.g_sn<>'00000000' and a.g_jy=0 %1and b.ck_sn=:ck "
                                     "and (instr(upper(a.g_sn),upper(:k))>0 or instr(upper(a.g_name),upper(:k))>0 "
                                     "or instr(upper(a.g_jm),upper(:k))>0 or instr(upper(a.g_sptm),upper(:k))>0) "
                                     "order by a.g_sn")
                          .arg(stock),
                      byKey);
}

// ---- Sale posting ---------------------------------------------------------------------------

namespace {

const QString kCash = QStringLiteral("现金");

QString payModeLabel(PosPayMode mode)
{
    switch (mode) {
    case PosPayMode::Cash: return QStringLiteral("现金结账:");
    case PosPayMode::StoredValue: return QStringLiteral("储值卡结账:");
    case PosPayMode::BankCard: return QStringLiteral("银行卡结账:");
    case PosPayMode::Voucher: return QStringLiteral("代金券结账:");
    case PosPayMode::Combined: return QStringLiteral("联合结账:");
    }
    return QString();
}

QString staffName(const QString& uSn)
{
    return selectValue(QStringLiteral("select u_name from jxc_user where u_sn=? order by id limit 1"), {{QString(), uSn}});
}

// The points settings as the till reads them: the amount per point (an empty one counts as
// `emptyPerPoint`) and whether the remainder carries over.
struct TillPointsRule {
    Money perPoint;
    bool carry = false;
};
TillPointsRule tillPointsRule(const char* emptyPerPoint)
{
    const ResultSet rs = openSelect(QStringLiteral("select jf_mfje,jf_yelj from jxc_jfsz order by id limit 1"));
    const QString per = rs.text(0, QStringLiteral("jf_mfje"));
    const QString carry = rs.text(0, QStringLiteral("jf_yelj"));
    return {Money::fromText(per.isEmpty() ? QLatin1String(emptyPerPoint) : per),
            !carry.isEmpty() && settingOn(carry)};
}

struct MemberRow {
    Money points;
    Money remainder;
    Money balance;
    bool autoLevel = false;
    QString level;
};
MemberRow memberRow(const QString& hySn)
{
    const ResultSet rs =
        openSelect(QStringLiteral("select hy_jf,hy_ye,hy_zhje,hy_sj,hl_sn from jxc_hyxx where hy_sn=? order by id limit 1"),
                   {{QString(), hySn}});
    const QString sj = rs.text(0, QStringLiteral("hy_sj"));
    return {Money::fromText(rs.text(0, QStringLiteral("hy_jf"))), Money::fromText(rs.text(0, QStringLiteral("hy_ye"))),
            Money::fromText(rs.text(0, QStringLiteral("hy_zhje"))), !sj.isEmpty() && settingOn(sj),
            rs.text(0, QStringLiteral("hl_sn"))};
}

// The level for a new points total: the band's when the member moves with the bands and a band
// holds it, else the present one.
QString levelAfter(const MemberRow& m, Money total)
{
    if (!m.autoLevel)
        return m.level;
    const QString band = bandLevel(total);
    return band.isEmpty() ? m.level : band;
}

}  // namespace

PosSaleResult postPosSale(const PosSale& sale)
{
    const SqlParams byNumber{{QString(), sale.djh}};
    Transaction tx;
    PosSaleResult result;
    result.hySn = sale.memberCard.trimmed().isEmpty() ? QString() : findMemberByCard(sale.memberCard);
    MemberRow member;
    if (!result.hySn.isEmpty())
        member = memberRow(result.hySn);

    // Stored value never pays more than the member holds now, nor more than is due.
    PosPayment pay = sale.payment;
    pay.balance = result.hySn.isEmpty() ? Money() : std::min(pay.balance, member.balance);
    pay = cappedPayment(pay);
    if (const QString refusal = posPaymentRefusal(pay); !refusal.isEmpty())
        throw DbError(refusal);
    if (!selectValue(QStringLiteral("select id from jxc_posxsd where gl_djh=? limit 1"), byNumber).isEmpty())
        throw DbError(QStringLiteral("单号%1已经保存过，不能重复保存！").arg(sale.djh));

    const ResultSet lines = openSelect(QStringLiteral("select b.id,b.ls_dj,b.ls_sl,b.ls_zje,ifnull(d.g_tjsp,0) "
                                                      "from jxc_lsxssp b left join jxc_goods d on d.g_sn=b.g_sn "
                                                      "where b.gl_djh=? order by b.id"),
                                       byNumber);
    if (lines.isEmpty())
        throw DbError(QStringLiteral("单据中没有业务发生，不能保存！"));
    result.lines = lines.rowCount();
    Money lineDiscounts;
    Money ordinary;  // the lines of goods that are not on special price
    for (int r = 0; r < lines.rowCount(); ++r) {
        const Money amount = Money::fromText(lines.text(r, 3));
        lineDiscounts += Money::fromText(lines.text(r, 1)) * Money::fromText(lines.text(r, 2)) - amount;
        if (textToDouble(lines.text(r, 4)) == 0)
            ordinary += amount;
    }

    const QString uSn = sale.uSn == u"-1" ? QString() : sale.uSn;
    const QString moment = nowText();
    const Money paid = pay.due - pay.roundOff;  // what the sale books as sold

    // The payment columns by mode; what enters "现金" leaves out the stored-value part.
    Money xj, czk, yhk, djq;
    Money storedPart;
    switch (pay.mode) {
    case PosPayMode::Cash: xj = pay.tendered; break;
    case PosPayMode::StoredValue: czk = storedPart = pay.tendered; break;
    case PosPayMode::BankCard: yhk = pay.tendered; break;
    case PosPayMode::Voucher: djq = pay.tendered; break;
    case PosPayMode::Combined:
        xj = pay.cash;
        czk = storedPart = pay.storedValue;
        yhk = pay.bankCard;
        djq = pay.voucher;
        break;
    }
    if (result.hySn.isEmpty())
        storedPart = Money();  // a walk-in has no card to draw on (the cap made it 0)

    // Points on the sold amount, only on ordinary goods unless special prices earn too.
    PointsResult points{Money(), member.remainder};
    if (!result.hySn.isEmpty()) {
        const TillPointsRule rule = tillPointsRule("90000000");
        Money base = paid;
        if (!settingOn(csTjcyjf))
            base = std::min(base, ordinary);
        points = posPoints(base, rule.perPoint, rule.carry, member.remainder);
        result.points = points.points;
        result.pointsBefore = member.points;
    }

    // Till lines, and the member's copy of them.
    execSql(QStringLiteral("update jxc_lsxssp set tid=id where gl_djh=?"), byNumber);
    execSql(QStringLiteral("insert into jxc_posxssp (gl_djh,g_sn,pos_dj,pos_sl,pos_zje,pos_dzl,pos_zhje,a_name,tid) "
                           "select gl_djh,g_sn,ls_dj,ls_sl,ls_zje,ls_dzl,ls_zhje,a_name,tid from jxc_lsxssp "
                           "where gl_djh=? order by id"),
            byNumber);
    if (!result.hySn.isEmpty())
        execSql(QStringLiteral("insert into jxc_hyxssp (gl_djh,g_sn,hy_dj,hy_sl,hy_zje,hy_dzl,hy_zhje,a_name,tid) "
                               "select gl_djh,g_sn,ls_dj,ls_sl,ls_zje,ls_dzl,ls_zhje,a_name,tid from jxc_lsxssp "
                               "where gl_djh=? order by id"),
                byNumber);

    const QString khSn = getDefaultKhSn();
    const QString note = pay.note.trimmed();
    appendRow(QStringLiteral("jxc_posxsd"), {{QStringLiteral("gl_djh"), sale.djh},
                                             {QStringLiteral("hy_sn"), result.hySn},
                                             {QStringLiteral("pos_xsrq"), moment},
                                             {QStringLiteral("kh_sn"), khSn},
                                             {QStringLiteral("ck_sn"), sale.ckSn},
                                             {QStringLiteral("pos_yfje"), paid.toDouble()},
                                             {QStringLiteral("pos_sfje"), paid.toDouble()},
                                             {QStringLiteral("pos_mlje"), pay.roundOff.toDouble()},
                                             {QStringLiteral("a_name"), sale.op},
                                             {QStringLiteral("u_sn"), uSn},
                                             {QStringLiteral("pos_note"), note},
                                             {QStringLiteral("pos_zffs"), int(pay.mode)},
                                             {QStringLiteral("pos_xj"), xj.toDouble()},
                                             {QStringLiteral("pos_czk"), czk.toDouble()},
                                             {QStringLiteral("pos_yhk"), yhk.toDouble()},
                                             {QStringLiteral("pos_djq"), djq.toDouble()},
                                             {QStringLiteral("pos_yhje"), pay.roundOff.toDouble()},
                                             {QStringLiteral("pos_yhzkje"), (pay.roundOff + lineDiscounts).toDouble()},
                                             {QStringLiteral("pos_rjid"), QString()},
                                             {QStringLiteral("pos_bcjf"), points.points.toDouble()},
                                             {QStringLiteral("pos_jfye"), 0},
                                             {QStringLiteral("pos_zlje"), posChange(pay).toDouble()},
                                             {QStringLiteral("pos_zjf"), member.points.toDouble()}});

    if (!result.hySn.isEmpty()) {
        const Money total = member.points + points.points;
        // The stored value moves by the part spent, never to a balance read before.
        execSql(QStringLiteral("update jxc_hyxx set hy_jf=ifnull(hy_jf,0)+?,hy_ye=?,hl_sn=?,hy_zje=ifnull(hy_zje,0)+?,"
                               "hy_cs=ifnull(hy_cs,0)+1,hy_zhje=ifnull(hy_zhje,0)-? where hy_sn=?"),
                {{QString(), points.points.toDouble()},
                 {QString(), points.remainder.toDouble()},
                 {QString(), levelAfter(member, total)},
                 {QString(), paid.toDouble()},
                 {QString(), storedPart.toDouble()},
                 {QString(), result.hySn}});
        result.balanceAfter = Money::fromText(
            selectValue(QStringLiteral("select hy_zhje from jxc_hyxx where hy_sn=? order by id limit 1"),
                        {{QString(), result.hySn}}));
        appendRow(QStringLiteral("jxc_hyxsd"), {{QStringLiteral("gl_djh"), sale.djh},
                                                {QStringLiteral("hy_sn"), result.hySn},
                                                {QStringLiteral("hy_xsrq"), moment},
                                                {QStringLiteral("hy_je"), paid.toDouble()},
                                                {QStringLiteral("a_name"), sale.op},
                                                {QStringLiteral("u_sn"), uSn},
                                                {QStringLiteral("hy_note"), note},
                                                {QStringLiteral("hy_zffs"), int(pay.mode)},
                                                {QStringLiteral("hy_xj"), xj.toDouble()},
                                                {QStringLiteral("hy_czk"), czk.toDouble()},
                                                {QStringLiteral("hy_yhk"), yhk.toDouble()},
                                                {QStringLiteral("hy_djq"), djq.toDouble()},
                                                {QStringLiteral("hy_zfje"), paid.toDouble()},
                                                {QStringLiteral("hy_bcjf"), points.points.toDouble()},
                                                {QStringLiteral("hy_jfye"), 0},
                                                {QStringLiteral("hy_zhje"), result.balanceAfter.toDouble()},
                                                {QStringLiteral("hy_zjf"), member.points.toDouble()}});
    }

    // The sales bill on the default customer with every book a sales bill writes.
    SpxsPosting bill{.djh = sale.djh,
                     .khSn = khSn,
                     .khName = selectValue(QStringLiteral("select kh_name from jxc_khxx where kh_sn=? order by id limit 1"),
                                           {{QString(), khSn}}),
                     .ckSn = sale.ckSn,
                     .ckName = selectValue(QStringLiteral("select ck_name from jxc_ckxx where ck_sn=? order by id limit 1"),
                                           {{QString(), sale.ckSn}}),
                     .date = todayText(),
                     .uSn = uSn,
                     .uName = staffName(uSn),
                     .due = pay.due,
                     .received = paid,
                     .mode = SpxsMode::PaidOnly,
                     .account = kCash,
                     .note = payModeLabel(pay.mode) + pay.due.toText(),
                     .sn2 = QString(),
                     .op = sale.op,
                     .till = SpxsTill{.moment = moment,
                                      .hySn = result.hySn,
                                      .payMode = int(pay.mode),
                                      .cash = xj,
                                      .storedValue = czk,
                                      .bankCard = yhk,
                                      .voucher = djq,
                                      .cashMove = paid - storedPart,
                                      .ledgerNote = note}};
    postSpxs(bill);
    tx.commit();
    return result;
}

// ---- Held sales -----------------------------------------------------------------------------

void holdPosSale(const QString& djh, const QString& memberCard, const QString& uSn, const QString& ckSn,
                 const QString& totalText, const QString& op)
{
    const SqlParams byNumber{{QString(), djh}};
    Transaction tx;
    const ResultSet working =
        openSelect(QStringLiteral("select id from jxc_lsxssp where gl_djh=? order by id"), byNumber);
    if (working.isEmpty())
        throw DbError(QStringLiteral("单据中没有业务发生，不能保存！"));
    const QString hySn = memberCard.trimmed().isEmpty() ? QString() : findMemberByCard(memberCard);
    for (int r = 0; r < working.rowCount(); ++r) {
        const SqlParams byLine{{QString(), working.text(r, 0)}};
        execSql(QStringLiteral("insert into jxc_posxssp (gl_djh,g_sn,pos_dj,pos_sl,pos_zje,pos_dzl,pos_zhje,a_name) "
                               "select gl_djh,g_sn,ls_dj,ls_sl,ls_zje,ls_dzl,ls_zhje,a_name from jxc_lsxssp where id=?"),
                byLine);
        const qint64 held = mainDb().lastInsertId();
        execSql(QStringLiteral("insert into jxc_posxsspmx (gl_djh,g_sn,cm_sn,color_sn,t_sl,a_name,tid) "
                               "select gl_djh,g_sn,cm_sn,color_sn,t_sl,a_name,? from jxc_lsxsspmx where tid=? order by id"),
                {{QString(), held}, {QString(), working.text(r, 0)}});
    }
    appendRow(QStringLiteral("jxc_posxsd"), {{QStringLiteral("gl_djh"), djh},
                                             {QStringLiteral("hy_sn"), hySn},
                                             {QStringLiteral("pos_xsrq"), nowText()},
                                             {QStringLiteral("pos_yfje"), Money::fromText(totalText.trimmed()).toDouble()},
                                             {QStringLiteral("pos_sfje"), 0},
                                             {QStringLiteral("pos_note"), QStringLiteral("gd")},
                                             {QStringLiteral("a_name"), op},
                                             {QStringLiteral("u_sn"), uSn == u"-1" ? QString() : uSn},
                                             {QStringLiteral("ck_sn"), ckSn}});
    discardPosLines(djh);
    tx.commit();
}

QString resumePosSale(const QString& djh)
{
    const SqlParams byNumber{{QString(), djh}};
    Transaction tx;
    if (!selectValue(QStringLiteral("select id from jxc_lsxssp where gl_djh=? limit 1"), byNumber).isEmpty())
        throw DbError(QStringLiteral("系统处于销售状态，不能解挂！"));
    const QString hySn = selectValue(
        QStringLiteral("select hy_sn from jxc_posxsd where gl_djh=? and pos_note='gd' order by id limit 1"), byNumber);
    const ResultSet held = openSelect(QStringLiteral("select id from jxc_posxssp where gl_djh=? order by id"), byNumber);
    for (int r = 0; r < held.rowCount(); ++r) {
        const SqlParams byLine{{QString(), held.text(r, 0)}};
        execSql(QStringLiteral("insert into jxc_lsxssp (gl_djh,g_sn,ls_dj,ls_sl,ls_zje,ls_dzl,ls_zhje,a_name,ls_dhdj) "
                               "select gl_djh,g_sn,pos_dj,pos_sl,pos_zje,pos_dzl,pos_zhje,a_name,pos_dj*pos_dzl "
                               "from jxc_posxssp where id=?"),
                byLine);
        const qint64 line = mainDb().lastInsertId();
        execSql(QStringLiteral("insert into jxc_lsxsspmx (gl_djh,g_sn,cm_sn,color_sn,t_sl,a_name,tid) "
                               "select gl_djh,g_sn,cm_sn,color_sn,t_sl,a_name,? from jxc_posxsspmx where tid=? order by id"),
                {{QString(), line}, {QString(), held.text(r, 0)}});
    }
    deleteHeldSale(djh);
    tx.commit();
    return hySn;
}

void deleteHeldSale(const QString& djh)
{
    const SqlParams byNumber{{QString(), djh}};
    Transaction tx;
    // Only a held sale goes: a paid sale under the number keeps its rows.
    if (selectValue(QStringLiteral("select id from jxc_posxsd where gl_djh=? and pos_note='gd' limit 1"), byNumber).isEmpty()) {
        tx.commit();
        return;
    }
    execSql(QStringLiteral("delete from jxc_posxsd where gl_djh=?"), byNumber);
    execSql(QStringLiteral("delete from jxc_posxssp where gl_djh=?"), byNumber);
    execSql(QStringLiteral("delete from jxc_posxsspmx where gl_djh=?"), byNumber);
    tx.commit();
}

void discardPosLines(const QString& djh)
{
    discardLines(kSalesLines, djh);
}

// ---- Returns --------------------------------------------------------------------------------

namespace {

// What a sold line (by its tid, the working line it was paid from) may still give back: its quantity less the posted returns of it
// and the lines of the return `returnDjh` that take it back.
Money remainingOfSoldLine(const QString& tid, const QString& returnDjh)
{
    const Money sold = Money::fromText(
        selectValue(QStringLiteral("select sum(pos_sl) from jxc_posxssp where tid=?"), {{QString(), tid}}));
    const Money back = Money::fromText(selectValue(
        QStringLiteral("select sum(r.pos_sl) from jxc_posthsp r where r.tid=? "
                       "and (r.gl_djh=? or r.gl_djh in (select gl_djh from jxc_posthd))"),
        {{QString(), tid}, {QString(), returnDjh}}));
    return sold - back;
}

}  // namespace

std::optional<PosSaleRef> findPosSale(const QString& typed)
{
    const ResultSet rs = openSelect(QStringLiteral("select a.gl_djh,a.pos_xsrq,a.hy_sn,b.hy_bh,a.kh_sn,a.ck_sn,a.u_sn "
                                                   "from jxc_posxsd a left outer join jxc_hyxx b on a.hy_sn=b.hy_sn "
                                                   "where (a.pos_note<>'gd' or a.pos_note is null) and a.gl_djh=? "
                                                   "order by a.id limit 1"),
                                    {{QString(), typed.trimmed()}});
    if (rs.isEmpty())
        return std::nullopt;
    return PosSaleRef{rs.text(0, 0), rs.text(0, 1), rs.text(0, 2), rs.text(0, 3), rs.text(0, 4), rs.text(0, 5),
                      rs.text(0, 6)};
}

QString posReturnNumber()
{
    return getMaxDjh(QStringLiteral("jxc_xsthd"), QStringLiteral("gl_djh"), QStringLiteral("XT"));
}

QString addReturnGoods(const QString& returnDjh, const QString& saleDjh, const QString& typed, const QString& op)
{
    const QString sale = saleDjh.trimmed();
    if (sale.isEmpty() || !findPosSale(sale))
        return QStringLiteral("请先选择销售单！");
    const QString key = typed.trimmed();
    if (key.isEmpty())
        return QString();
    Transaction tx;
    const ResultSet sold = openSelect(
        QStringLiteral("select b.id,b.g_sn,b.pos_dj,b.pos_sl,b.pos_zje,b.pos_dzl,b.pos_zhje,b.t_scrq,b.tid "
                       "from jxc_posxssp b join jxc_goods a on a.g_sn=b.g_sn "
                       "where (a.g_sn=:k or a.g_sptm=:k) and b.gl_djh=:djh order by b.id"),
        {{QStringLiteral(":k"), key}, {QStringLiteral(":djh"), sale}});
    if (sold.isEmpty())
        return QStringLiteral("没有该商品信息,请重新你输入商品编号或条码！");
    int copied = 0;
    for (int r = 0; r < sold.rowCount(); ++r) {
        const Money soldQty = Money::fromText(sold.text(r, 3));
        const Money rest = remainingOfSoldLine(sold.text(r, 8), returnDjh);
        if (rest <= Money())
            continue;
        const Money price = Money::fromText(sold.text(r, 2));
        const Money rate = Money::fromText(sold.text(r, 5));
        // The whole line comes back at its sold amount; a part at price × rate × quantity.
        const Money amount = rest == soldQty ? Money::fromText(sold.text(r, 4)) : price * rate * rest;
        appendRow(QStringLiteral("jxc_posthsp"), {{QStringLiteral("gl_djh"), returnDjh},
                                                  {QStringLiteral("g_sn"), sold.text(r, 1)},
                                                  {QStringLiteral("pos_dj"), price.toDouble()},
                                                  {QStringLiteral("pos_xssl"), soldQty.toDouble()},
                                                  {QStringLiteral("pos_sl"), rest.toDouble()},
                                                  {QStringLiteral("pos_zje"), amount.toDouble()},
                                                  {QStringLiteral("pos_dzl"), rate.toDouble()},
                                                  {QStringLiteral("a_name"), op},
                                                  {QStringLiteral("pos_zhje"), amount.toDouble()},
                                                  {QStringLiteral("t_scrq"), sold.text(r, 7)},
                                                  {QStringLiteral("tid"), sold.text(r, 8)}});
        ++copied;
    }
    tx.commit();
    return copied == 0 ? QStringLiteral("退货数量不能大于销售数量！") : QString();
}

QString setReturnQuantity(qint64 lineId, Money qty)
{
    if (qty <= Money())
        return QStringLiteral("数量必须大于0！");
    Transaction tx;
    const ResultSet line =
        openSelect(QStringLiteral("select pos_sl,pos_dj,pos_dzl from jxc_posthsp where id=?"), {{QString(), lineId}});
    if (line.isEmpty())
        return QString();
    if (qty > Money::fromText(line.text(0, 0)))
        return QStringLiteral("退货数量不能大于销售数量！");
    const Money amount = Money::fromText(line.text(0, 1)) * Money::fromText(line.text(0, 2)) * qty;
    execSql(QStringLiteral("update jxc_posthsp set pos_sl=?,pos_zje=?,pos_zhje=? where id=?"),
            {{QString(), qty.toDouble()}, {QString(), amount.toDouble()}, {QString(), amount.toDouble()}, {QString(), lineId}});
    tx.commit();
    return QString();
}

void removeReturnLine(qint64 lineId)
{
    execSql(QStringLiteral("delete from jxc_posthsp where id=?"), {{QString(), lineId}});
}

void discardReturnLines(const QString& returnDjh)
{
    // Only lines not yet posted: a posted return keeps its lines.
    execSql(QStringLiteral("delete from jxc_posthsp where gl_djh=? and gl_djh not in (select gl_djh from jxc_posthd)"),
            {{QString(), returnDjh}});
}

Money returnGoodsTotal(const QString& returnDjh)
{
    return Money::fromText(
        selectValue(QStringLiteral("select sum(pos_zje) from jxc_posthsp where gl_djh=?"), {{QString(), returnDjh}}));
}

Money proposedRefund(Money total, const QString& decimals)
{
    const int places = std::min(decimalPlaces(decimals), 4);
    const Money cut = cutTo(total, places);
    if (cut >= total)
        return cut;
    qint64 step = kUnitsPerYuan;
    for (int i = 0; i < places; ++i)
        step /= 10;
    return cut + Money::fromUnits(step);
}

QString refundRefusal(Money refund, Money proposal)
{
    if (refund < Money())
        return QStringLiteral("退货金额不能为负数！");
    if (refund > proposal)
        return QStringLiteral("退货金额不能大于商品总额！");
    return QString();
}

int postPosReturn(const PosReturn& ret)
{
    const SqlParams byNumber{{QString(), ret.djh}};
    Transaction tx;
    if (!selectValue(QStringLiteral("select id from jxc_posthd where gl_djh=? limit 1"), byNumber).isEmpty())
        throw DbError(QStringLiteral("单号%1已经保存过，不能重复保存！").arg(ret.djh));
    const ResultSet lines = openSelect(QStringLiteral("select b.id,b.g_sn,b.pos_dj,b.pos_sl,b.pos_zje,b.pos_dzl,b.pos_zhje,"
                                                      "b.t_scrq,b.tid,ifnull(d.g_tjsp,0) from jxc_posthsp b "
                                                      "left join jxc_goods d on d.g_sn=b.g_sn where b.gl_djh=? order by b.id"),
                                       byNumber);
    if (lines.isEmpty())
        throw DbError(QStringLiteral("单据中没有发生业务，不能保存！"));
    Money total;
    Money ordinary;
    Money lineDiscounts;
    for (int r = 0; r < lines.rowCount(); ++r) {
        const Money qty = Money::fromText(lines.text(r, 3));
        const Money amount = Money::fromText(lines.text(r, 4));
        if (remainingOfSoldLine(lines.text(r, 8), ret.djh) < Money())
            throw DbError(QStringLiteral("退货数量不能大于销售数量！"));
        total += amount;
        lineDiscounts += Money::fromText(lines.text(r, 2)) * qty - amount;
        if (textToDouble(lines.text(r, 9)) == 0)
            ordinary += amount;
    }
    const Money proposal = proposedRefund(total, csPosfkws);
    if (const QString refusal = refundRefusal(ret.refund, proposal); !refusal.isEmpty())
        throw DbError(refusal);
    const Money difference = ret.refund - proposal;

    // Points taken back from the member, the remainder used up first when it carries.
    Money pointsBack;
    Money remainderAfter;
    if (!ret.sale.hySn.isEmpty()) {
        const MemberRow member = memberRow(ret.sale.hySn);
        const TillPointsRule rule = tillPointsRule("9999999");
        Money base = ret.refund;
        if (!settingOn(csTjcyjf))
            base = std::min(base, ordinary);
        base = cutTo(base, 0);
        if (rule.carry)
            base -= member.remainder;
        PointsResult back{Money(), member.remainder};
        if (rule.perPoint > Money())
            back = posPoints(base, rule.perPoint, false, Money());
        pointsBack = back.points;
        execSql(QStringLiteral("update jxc_hyxx set hy_jf=ifnull(hy_jf,0)-?,hy_ye=?,hl_sn=?,hy_zje=ifnull(hy_zje,0)-?,"
                               "hy_cs=ifnull(hy_cs,0)+1 where hy_sn=?"),
                {{QString(), pointsBack.toDouble()},
                 {QString(), back.remainder.toDouble()},
                 {QString(), levelAfter(member, member.points - pointsBack)},
                 {QString(), ret.refund.toDouble()},
                 {QString(), ret.sale.hySn}});
        remainderAfter = Money::fromText(selectValue(
            QStringLiteral("select hy_ye from jxc_hyxx where hy_sn=? order by id limit 1"), {{QString(), ret.sale.hySn}}));
    }

    const QString moment = nowText();
    appendRow(QStringLiteral("jxc_posthd"), {{QStringLiteral("gl_djh"), ret.djh},
                                             {QStringLiteral("hy_sn"), ret.sale.hySn},
                                             {QStringLiteral("pos_xsrq"), moment},
                                             {QStringLiteral("kh_sn"), ret.sale.khSn},
                                             {QStringLiteral("ck_sn"), ret.sale.ckSn},
                                             {QStringLiteral("u_sn"), ret.sale.uSn},
                                             {QStringLiteral("pos_yfje"), (-ret.refund).toDouble()},
                                             {QStringLiteral("pos_sfje"), (-ret.refund).toDouble()},
                                             {QStringLiteral("pos_mlje"), difference.toDouble()},
                                             {QStringLiteral("pos_yhje"), difference.toDouble()},
                                             {QStringLiteral("pos_yhzkje"), (-lineDiscounts + difference).toDouble()},
                                             {QStringLiteral("a_name"), ret.op},
                                             {QStringLiteral("pos_note"), QString()},
                                             {QStringLiteral("pos_zffs"), 1},
                                             {QStringLiteral("pos_xj"), (-ret.refund).toDouble()},
                                             {QStringLiteral("pos_czk"), 0},
                                             {QStringLiteral("pos_yhk"), 0},
                                             {QStringLiteral("pos_djq"), 0},
                                             {QStringLiteral("pos_bcjf"), (-pointsBack).toDouble()},
                                             {QStringLiteral("pos_jfye"), remainderAfter.toDouble()}});

    // The customer return's lines, each with a size and colour row of the size and colour sold.
    for (int r = 0; r < lines.rowCount(); ++r) {
        appendRow(QStringLiteral("jxc_xsthsp"), {{QStringLiteral("gl_djh"), ret.djh},
                                                 {QStringLiteral("g_sn"), lines.text(r, 1)},
                                                 {QStringLiteral("th_dj"), lines.text(r, 2)},
                                                 {QStringLiteral("th_sl"), lines.text(r, 3)},
                                                 {QStringLiteral("th_zje"), lines.text(r, 4)},
                                                 {QStringLiteral("a_name"), ret.op},
                                                 {QStringLiteral("th_dzl"), lines.text(r, 5)},
                                                 {QStringLiteral("th_zhje"), lines.text(r, 6)},
                                                 {QStringLiteral("t_scrq"), lines.text(r, 7)}});
        const qint64 line = mainDb().lastInsertId();
        // A till line has one size and colour row; the row gives back the quantity returned.
        execSql(QStringLiteral("insert into jxc_xsthspmx (gl_djh,g_sn,cm_sn,color_sn,t_sl,a_name,tid) "
                               "select ?,g_sn,cm_sn,color_sn,?,?,? from jxc_lsxsspmx where tid=? order by id limit 1"),
                {{QString(), ret.djh}, {QString(), lines.text(r, 3)}, {QString(), ret.op}, {QString(), line},
                 {QString(), lines.text(r, 8)}});
    }
    if (!ret.sale.hySn.isEmpty()) {
        execSql(QStringLiteral("insert into jxc_hyxssp (gl_djh,g_sn,hy_dj,hy_sl,hy_zje,a_name,hy_dzl,hy_zhje,tid) "
                               "select gl_djh,g_sn,pos_dj,pos_sl,pos_zje,a_name,pos_dzl,pos_zhje,tid from jxc_posthsp "
                               "where gl_djh=? order by id"),
                byNumber);
        execSql(QStringLiteral("insert into jxc_hyxsd (gl_djh,hy_sn,hy_xsrq,hy_je,a_name,u_sn,hy_note,hy_zffs,hy_xj,"
                               "hy_czk,hy_yhk,hy_djq,hy_zfje,hy_bcjf,hy_jfye,hy_zhje,hy_zjf) "
                               "select gl_djh,hy_sn,pos_xsrq,pos_sfje,a_name,u_sn,pos_note,pos_zffs,pos_xj,pos_czk,"
                               "pos_yhk,pos_djq,pos_sfje,pos_bcjf,pos_jfye,0,0 from jxc_posthd where gl_djh=?"),
                byNumber);
    }

    postXsth({.djh = ret.djh,
              .khSn = ret.sale.khSn,
              .khName = selectValue(QStringLiteral("select kh_name from jxc_khxx where kh_sn=? order by id limit 1"),
                                    {{QString(), ret.sale.khSn}}),
              .ckSn = ret.sale.ckSn,
              .ckName = selectValue(QStringLiteral("select ck_name from jxc_ckxx where ck_sn=? order by id limit 1"),
                                    {{QString(), ret.sale.ckSn}}),
              .date = todayText(),
              .uSn = ret.sale.uSn,
              .uName = staffName(ret.sale.uSn),
              .due = ret.refund,
              .refund = ret.refund,
              .account = kCash,
              .note = QString(),
              .op = ret.op,
              .sale = QString(),
              .till = XsthTill{.moment = moment, .hySn = ret.sale.hySn}});
    tx.commit();
    return lines.rowCount();
}

// ---- Receipt --------------------------------------------------------------------------------

QList<PosReceiptVariable> posReceiptVariables(const QString& djh)
{
    const ResultSet printRow = openSelect(QStringLiteral("select pp_bt1,pp_bt2,pp_jz1,pp_jz2 from jxc_posprint order by id limit 1"));
    // The sale with its customer's and handler's names; the names are empty without the records.
    const ResultSet sale = openSelect(
        QStringLiteral("select a.*,ifnull(a.pos_bcjf,0)+ifnull(a.pos_zjf,0) as zjf,b.kh_name,c.u_name from jxc_posxsd a "
                       "left join jxc_khxx b on a.kh_sn=b.kh_sn left join jxc_user c on a.u_sn=c.u_sn "
                       "where a.gl_djh=? order by a.id limit 1"),
        {{QString(), djh}});
    const auto field = [&sale](const char* name) { return sale.text(0, QLatin1String(name)); };
    const bool member = !field("hy_sn").isEmpty();
    QString mode;
    if (!sale.isEmpty()) {
        const int code = field("pos_zffs").toInt();
        if (code >= 1 && code <= 5)
            mode = posPayModeText(PosPayMode(code));
    }
    const QString hybh =
        member ? selectValue(QStringLiteral("select hy_bh from jxc_hyxx where hy_sn=? order by id limit 1"), {{QString(), field("hy_sn")}})
               : QString();
    return {{QStringLiteral("bt1"), printRow.text(0, QStringLiteral("pp_bt1"))},
            {QStringLiteral("bt2"), printRow.text(0, QStringLiteral("pp_bt2"))},
            {QStringLiteral("jz1"), printRow.text(0, QStringLiteral("pp_jz1"))},
            {QStringLiteral("jz2"), printRow.text(0, QStringLiteral("pp_jz2"))},
            {QStringLiteral("jhDate"), field("pos_xsrq")},
            {QStringLiteral("khName"), field("kh_name")},
            {QStringLiteral("yfje"), field("pos_yfje")},
            {QStringLiteral("sfje"), field("pos_sfje")},
            {QStringLiteral("mlje"), field("pos_mlje")},
            {QStringLiteral("zlje"), field("pos_zlje")},
            {QStringLiteral("zffs"), mode},
            {QStringLiteral("uName"), field("u_name")},
            {QStringLiteral("bcjf"), member ? field("pos_bcjf") : QString()},
            {QStringLiteral("zjf"), member ? field("zjf") : QString()},
            {QStringLiteral("Note"), field("pos_note")},
            {QStringLiteral("hybh"), hybh}};
}

bool printXp(const QString& djh, QWidget* parent)
{
    Report rpt;
    rpt.loadTemplate(QStringLiteral("posxp.fr3"));
    rpt.setVariable(QStringLiteral("djh"), reportQuote(djh));
    for (const auto& [name, value] : posReceiptVariables(djh))
        rpt.setVariable(name, reportQuote(value));
    rpt.setDataset(QStringLiteral("frxDBDataset1"),
                   openSelect(QStringLiteral("select a.*,b.g_name from jxc_posxssp a,jxc_goods b where a.g_sn=b.g_sn "
                                             "and a.gl_djh=? order by a.id"),
                              {{QString(), djh}}));
    rpt.preview(parent);
    return true;
}
