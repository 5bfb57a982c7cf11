#include "members/memberdata.h"

#include "data/clock.h"
#include "data/database.h"
#include "data/datamodule.h"
#include "data/numbering.h"
#include "data/password.h"
#include "data/posting.h"
#include "data/settings.h"
#include "data/textrules.h"
#include "masterdata/importengine.h"

#include <cmath>

namespace {

SqlParams args(std::initializer_list<QVariant> values)
{
    SqlParams p;
    p.reserve(values.size());
    for (const QVariant& v : values)
        p.emplace_back(QString(), v);
    return p;
}

const QString kCash = QStringLiteral("现金");
const QString kStoredValueKind = QStringLiteral("储值卡续费");
const QString kCountCardKind = QStringLiteral("计次卡续费");
const QString kDepositKind = QStringLiteral("会员开户时充值");

const char* const kCustomColumns[] = {"hy_email", "hy_zjlx", "hy_zjhm", "hy_dwzy", "hy_address", "hy_qtxx"};

// Cut to the width of the column, so that a long text is stored rather than refused.
// The first `width` UTF-16 units of `text`, never half of a character outside the basic plane
// (which would be stored as "?"): a trailing lone high surrogate, also one a box's length left,
// is dropped.
QString cut(const QString& text, int width)
{
    QString out = text.left(width);
    if (!out.isEmpty() && out.back().isHighSurrogate())
        out.chop(1);
    return out;
}

// The payment split columns of a history row.
void addPaymentSplit(SqlParams& row, const ChargePayment* payment)
{
    if (!payment)
        return;
    using M = ChargePayment::Method;
    switch (payment->method) {
    case M::Cash: row.emplace_back(QStringLiteral("xf_xj"), payment->tendered.toDouble()); break;
    case M::BankCard: row.emplace_back(QStringLiteral("xf_xyk"), payment->tendered.toDouble()); break;
    case M::Voucher: row.emplace_back(QStringLiteral("xf_djq"), payment->tendered.toDouble()); break;
    case M::Combined:
        row.emplace_back(QStringLiteral("xf_xj"), payment->cash.toDouble());
        row.emplace_back(QStringLiteral("xf_xyk"), payment->bankCard.toDouble());
        row.emplace_back(QStringLiteral("xf_djq"), payment->voucher.toDouble());
        break;
    }
}

struct TopUpRow {
    QString hySn;
    QString date;
    Money amount;
    Money bonus;
    QString note;
    QString kind;
    QString journalKind;
    QString op;
};

// One history row, its cash-journal row and "现金" raised by the amount.
void bookTopUp(const TopUpRow& r, const ChargePayment* payment, const QString& memberName)
{
    SqlParams row = {{QStringLiteral("hy_sn"), r.hySn},         {QStringLiteral("xf_rq"), r.date},
                     {QStringLiteral("xf_je"), r.amount.toDouble()}, {QStringLiteral("xf_yhje"), r.bonus.toDouble()},
                     {QStringLiteral("xf_czk"), 0},                {QStringLiteral("a_name"), r.op},
                     {QStringLiteral("xf_note"), r.note},          {QStringLiteral("xf_zt"), r.kind}};
    addPaymentSplit(row, payment);
    appendRow(QStringLiteral("jxc_hyxf"), row);
    addCashEntry({.date = todayText(),
                  .djh = QString(),
                  .kind = r.journalKind,
                  .amount = r.amount,
                  .handlerName = QString(),
                  .partnerName = memberName,
                  .partnerSn = r.hySn,
                  .warehouseName = QString(),
                  .account = kCash,
                  .note = r.kind == kStoredValueKind ? r.note : QString(),
                  .op = r.op});
}

QString memberName(const QString& hySn)
{
    return selectValue(QStringLiteral("select hy_name from jxc_hyxx where hy_sn=?"), args({hySn}));
}

// Points a stored-value credit earns under the points rule in memory.
Money topUpPoints(Money credit)
{
    const Money perPoint = Money::fromText(jfMfje);
    if (jfJfgz.trimmed() != u"0" || perPoint <= Money())
        return {};
    return Money::fromUnits(credit.units() / perPoint.units() * 10000);
}

bool exists(const QString& sql, const SqlParams& p)
{
    return !openSelect(sql, p).isEmpty();
}

QString checkMemberCommon(const MemberFields& f)
{
    if (f.card.trimmed().isEmpty())
        return QStringLiteral("会员编号必须填写！");
    if (f.password.trimmed() != f.password2.trimmed())
        return QStringLiteral("两次密码输入不一致！");
    if (f.name.trimmed().isEmpty())
        return QStringLiteral("会员名称必须填写！");
    if (f.balance < Money())
        return QStringLiteral("储值金额不能为负数！");
    return {};
}

// The columns that enrolment and modification write alike.
SqlParams memberColumns(const MemberFields& f)
{
    const QString name = cut(sqlSafeName(f.name.trimmed()), 32);
    const QString level = f.autoUpgrade ? levelForPoints(f.points) : f.levelSn;
    SqlParams p = {{QStringLiteral("hy_name"), name},
                   {QStringLiteral("hy_jm"), cut(getPyJm(name), 32)},
                   {QStringLiteral("hl_sn"), level},
                   {QStringLiteral("hh_sn"), f.schemeSn},
                   {QStringLiteral("hy_jf"), f.points.toDouble()},
                   {QStringLiteral("hy_status"), f.status},
                   {QStringLiteral("hy_sj"), f.autoUpgrade},
                   {QStringLiteral("hy_qx"), f.hasExpiry},
                   {QStringLiteral("hy_dqrq"), f.hasExpiry ? QVariant(f.expiry) : QVariant()},
                   {QStringLiteral("hy_sr"), f.birthday.isEmpty() ? QVariant() : QVariant(f.birthday)},
                   {QStringLiteral("hy_jrrq"), f.joinDate},
                   {QStringLiteral("hy_sex"), f.sex},
                   {QStringLiteral("hy_tele"), cut(sqlSafeName(f.tele), 32)},
                   {QStringLiteral("hy_mobile"), cut(sqlSafeName(f.mobile), 16)},
                   {QStringLiteral("hy_note"), sqlSafeName(f.note.trimmed())}};
    for (size_t i = 0; i < f.custom.size(); ++i)
        p.emplace_back(QString::fromLatin1(kCustomColumns[i]), cut(sqlSafeName(f.custom[i]), 64));
    return p;
}

}  // namespace

// ---- Card, password and level band ---------------------------------------------------------

QString memberCardForm(const QString& typed)
{
    return cut(sqlSafeName(typed.trimmed()), 32);
}

QString findMemberByCard(const QString& typed)
{
    const QString card = memberCardForm(typed);
    if (card.isEmpty())
        return {};
    return selectValue(QStringLiteral("select hy_sn from jxc_hyxx where hy_bh=?"), args({card}));
}

QString memberPasswordForm(const QString& typed)
{
    const QString plain = typed.trimmed();
    return plain.isEmpty() ? QString() : hashPassword(sqlSafeName(plain));
}

bool checkMemberPassword(const QString& stored, const QString& typed)
{
    const QString plain = typed.trimmed();
    if (stored.isEmpty())
        return plain.isEmpty();
    return verifyPassword(sqlSafeName(plain), stored);
}

QString bandLevel(Money points)
{
    return selectValue(QStringLiteral("select hl_sn from jxc_hyfl where hl_jfxx<=? and hl_jfsx>=? order by id limit 1"),
                       args({points.toDouble(), points.toDouble()}));
}

QString levelForPoints(Money points)
{
    QString level = bandLevel(points);
    if (level.isEmpty())
        level = selectValue(QStringLiteral("select hl_sn from jxc_hyfl order by hl_jfxx,id limit 1"));
    return level.isEmpty() ? QStringLiteral("0") : level;
}

bool memberHasSales(const QString& hySn)
{
    return exists(QStringLiteral("select id from jxc_lsxsd where hy_sn=? limit 1"), args({hySn}));
}

// ---- Member records ------------------------------------------------------------------------

QString checkEnrolment(const MemberFields& f)
{
    if (QString refusal = checkMemberCommon(f); !refusal.isEmpty())
        return refusal;
    if (!findMemberByCard(f.card).isEmpty())
        return QStringLiteral("会员卡号不能重复！");
    return {};
}

QString enrolMember(const MemberFields& f, const ChargePayment* payment, const QString& op)
{
    Transaction tx;
    if (const QString refusal = checkEnrolment(f); !refusal.isEmpty())
        throw DbError(refusal);
    if (f.balance > Money() && !payment)
        throw DbError(QStringLiteral("储值金额未经收费确认，不能保存！"));
    const QString hySn = getMaxSn(QStringLiteral("jxc_hyxx"), QStringLiteral("hy_sn"));
    const QString card = memberCardForm(f.card);
    SqlParams row = memberColumns(f);
    row.insert(row.end(), {{QStringLiteral("hy_sn"), hySn},
                           {QStringLiteral("hy_bh"), card},
                           {QStringLiteral("hy_fsn"), QString()},
                           {QStringLiteral("hy_mm"), memberPasswordForm(f.password)},
                           {QStringLiteral("hy_zhje"), f.balance.toDouble()},
                           {QStringLiteral("hy_ye"), 0},
                           {QStringLiteral("hy_zje"), 0},
                           {QStringLiteral("hy_cs"), 0},
                           {QStringLiteral("hy_cg"), false},
                           {QStringLiteral("hy_syje"), 0},
                           {QStringLiteral("hy_xjsyje"), 0}});
    appendRow(QStringLiteral("jxc_hyxx"), row);
    if (f.balance > Money())
        bookTopUp({.hySn = hySn,
                   .date = todayText(),
                   .amount = f.balance,
                   .bonus = Money(),
                   .note = kDepositKind,
                   .kind = kStoredValueKind,
                   .journalKind = kDepositKind,
                   .op = op},
                  payment, cut(sqlSafeName(f.name.trimmed()), 32));
    writeLog(QStringLiteral("新添加会员：") + card);
    tx.commit();
    return hySn;
}

QString modifyMember(const QString& hySn, const MemberFields& f)
{
    if (QString refusal = checkMemberCommon(f); !refusal.isEmpty())
        return refusal;
    Transaction tx;
    const QString card = memberCardForm(f.card);
    if (exists(QStringLiteral("select id from jxc_hyxx where hy_bh=? and hy_sn<>?"), args({card, hySn})))
        return QStringLiteral("会员编号不能重复！");
    SqlParams row = memberColumns(f);
    if (!f.password.trimmed().isEmpty())
        row.emplace_back(QStringLiteral("hy_mm"), memberPasswordForm(f.password));
    QStringList sets;
    for (const auto& [column, value] : row)
        sets << column + QStringLiteral("=?");
    SqlParams p;
    for (const auto& [column, value] : row)
        p.emplace_back(QString(), value);
    p.emplace_back(QString(), hySn);
    execSql(QStringLiteral("update jxc_hyxx set ") + sets.join(u',') + QStringLiteral(" where hy_sn=?"), p);
    writeLog(QStringLiteral("更新会员信息：") + card);
    tx.commit();
    return {};
}

QString setMemberPassword(const QString& hySn, const QString& password, const QString& password2)
{
    if (password.trimmed() != password2.trimmed())
        return QStringLiteral("两次密码输入不一致！");
    Transaction tx;
    execSql(QStringLiteral("update jxc_hyxx set hy_mm=? where hy_sn=?"), args({memberPasswordForm(password), hySn}));
    tx.commit();
    return {};
}

void toggleMemberStatus(const QString& hySn)
{
    Transaction tx;
    execSql(QStringLiteral("update jxc_hyxx set hy_status=iif(hy_status<>0,0,1) where hy_sn=?"), args({hySn}));
    tx.commit();
}

void clearMemberPoints(const QStringList& hySns)
{
    Transaction tx;
    for (const QString& sn : hySns)
        execSql(QStringLiteral("update jxc_hyxx set hy_jf=0 where hy_sn=?"), args({sn}));
    tx.commit();
}

QString deleteMember(const QString& hySn)
{
    if (hySn == QLatin1String(kBuiltInMember))
        return QStringLiteral("该会员为系统默认会员，不能删除！");
    Transaction tx;
    if (memberHasSales(hySn))
        return QStringLiteral("该会员已发生过业务，不能删除！");
    execSql(QStringLiteral("delete from jxc_hyxx where hy_sn=?"), args({hySn}));
    tx.commit();
    return {};
}

// ---- Levels, schemes and the points rule ----------------------------------------------------

namespace {

// A level or a scheme: the two settings lists share their built-in row and their refusals.
struct SettingList {
    const char* table;
    const char* codeColumn;
    const char* modifyRefused;
    const char* deleteRefused;
    const char* inUse;
};

const SettingList kLevels{"jxc_hyfl", "hl_sn", "该会员等级是系统默认，不能修改！", "该会员等级是系统默认，不能删除！",
                          "该等级已存在会员信息，不能删除！"};
const SettingList kSchemes{"jxc_hyyh", "hh_sn", "该优惠选项是系统默认，不能修改！", "该优惠选项是系统默认，不能删除！",
                           "该优惠选项已存在会员信息，不能删除！"};

QString modifyRefusal(const SettingList& list, const QString& code)
{
    return code == QLatin1String(kBuiltInMember) ? QString::fromUtf8(list.modifyRefused) : QString();
}

QString deleteRefusal(const SettingList& list, const QString& code)
{
    if (code == QLatin1String(kBuiltInMember))
        return QString::fromUtf8(list.deleteRefused);
    if (exists(QStringLiteral("select id from jxc_hyxx where %1=? limit 1").arg(QLatin1String(list.codeColumn)),
               args({code})))
        return QString::fromUtf8(list.inUse);
    return {};
}

void deleteSetting(const SettingList& list, const QString& code)
{
    Transaction tx;
    if (const QString refusal = deleteRefusal(list, code); !refusal.isEmpty())
        throw DbError(refusal);
    execSql(QStringLiteral("delete from %1 where %2=?").arg(QLatin1String(list.table), QLatin1String(list.codeColumn)),
            args({code}));
    tx.commit();
}

// Appends the row under the list's next code (empty `code`) or updates the row of `code`.
void writeSetting(const SettingList& list, const QString& code, const SqlParams& values)
{
    const QString table = QLatin1String(list.table);
    const QString codeColumn = QLatin1String(list.codeColumn);
    Transaction tx;
    if (code.isEmpty()) {
        SqlParams row = values;
        row.emplace(row.begin(), codeColumn, getMaxSn(table, codeColumn));
        appendRow(table, row);
    } else {
        QStringList sets;
        SqlParams p;
        for (const auto& [column, value] : values) {
            sets << column + QStringLiteral("=?");
            p.emplace_back(QString(), value);
        }
        p.emplace_back(QString(), code);
        execSql(QStringLiteral("update %1 set %2 where %3=?").arg(table, sets.join(QLatin1Char(',')), codeColumn), p);
    }
    tx.commit();
}

}  // namespace

QString levelModifyRefusal(const QString& hlSn)
{
    return modifyRefusal(kLevels, hlSn);
}

QString saveLevel(const QString& hlSn, const LevelFields& f)
{
    if (f.name.trimmed().isEmpty())
        return QStringLiteral("分类名称必须填写！");
    if (f.discount.trimmed().isEmpty())
        return QStringLiteral("折扣必须填写！");
    if (QString refusal = modifyRefusal(kLevels, hlSn); !refusal.isEmpty())
        return refusal;
    bool ok = false;
    const Money discount = Money::fromText(f.discount.trimmed(), &ok);
    if (!ok)
        return QStringLiteral("折扣必须是数字！");
    writeSetting(kLevels, hlSn,
                 {{QStringLiteral("hl_name"), cut(sqlSafeName(f.name.trimmed()), 32)},
                  {QStringLiteral("hl_zk"), discount.toDouble()},
                  {QStringLiteral("hl_jfxx"), f.lower.toDouble()},
                  {QStringLiteral("hl_jfsx"), f.upper.toDouble()},
                  {QStringLiteral("hl_pfsp"), f.wholesale}});
    return {};
}

QString levelDeleteRefusal(const QString& hlSn)
{
    return deleteRefusal(kLevels, hlSn);
}

void deleteLevel(const QString& hlSn)
{
    deleteSetting(kLevels, hlSn);
}

QString schemeModifyRefusal(const QString& hhSn)
{
    return modifyRefusal(kSchemes, hhSn);
}

QString saveScheme(const QString& hhSn, const SchemeFields& f)
{
    if (f.name.trimmed().isEmpty())
        return QStringLiteral("会员卡名称必须填写！");
    if (f.kind == 0 && f.factor <= Money())
        return QStringLiteral("实际存款=所存金额的系数必须大于0！");
    if (f.kind == 1 && (f.threshold < Money() || f.cash < Money()))
        return QStringLiteral("累计消费 和 转换现金不能为负数！");
    if (QString refusal = modifyRefusal(kSchemes, hhSn); !refusal.isEmpty())
        return refusal;
    const QString kindText = f.kind == 1 ? QStringLiteral("消费金额转现金") : QStringLiteral("存款优惠");
    const QString note = f.kind == 1 ? QStringLiteral("累计消费 %1元 转换现金%2 元").arg(f.threshold.toText(), f.cash.toText())
                                     : QStringLiteral("实际款=所付存款*") + f.factor.toText();
    writeSetting(kSchemes, hhSn,
                 {{QStringLiteral("hh_name"), cut(sqlSafeName(f.name.trimmed()), 32)},
                  {QStringLiteral("hh_zl"), f.kind},
                  {QStringLiteral("hh_yh1"), f.factor.toDouble()},
                  {QStringLiteral("hh_yh2"), f.threshold.toDouble()},
                  {QStringLiteral("hh_yh3"), f.cash.toDouble()},
                  {QStringLiteral("hh_zlname"), kindText},
                  {QStringLiteral("hh_note"), note}});
    return {};
}

QString schemeDeleteRefusal(const QString& hhSn)
{
    return deleteRefusal(kSchemes, hhSn);
}

void deleteScheme(const QString& hhSn)
{
    deleteSetting(kSchemes, hhSn);
}

PointsSettings readPointsSettings()
{
    const ResultSet rs = openSelect(
        QStringLiteral("select jf_jfgz,jf_mfje,jf_yelj,jf_dbjf,jf_dbrq1,jf_dbrq2 from jxc_jfsz order by id limit 1"));
    PointsSettings s;
    if (rs.isEmpty())
        return s;
    s.rule = rs.text(0, 0).toInt();
    s.perPoint = Money::fromText(rs.text(0, 1));
    s.carryOver = rs.text(0, 2) == u"True";
    s.multiple = Money::fromText(rs.text(0, 3));
    s.date1 = rs.text(0, 4);
    s.date2 = rs.text(0, 5);
    return s;
}

void savePointsSettings(const PointsSettings& s)
{
    Transaction tx;
    const QString id = selectValue(QStringLiteral("select id from jxc_jfsz order by id limit 1"));
    const bool dated = !s.multiple.isZero();
    const SqlParams values = args({s.carryOver, s.rule, s.perPoint.toDouble(), s.multiple.toDouble(),
                                   dated ? s.date1 : QString(), dated ? s.date2 : QString()});
    if (id.isEmpty()) {
        execSql(QStringLiteral("insert into jxc_jfsz (jf_yelj,jf_jfgz,jf_mfje,jf_dbjf,jf_dbrq1,jf_dbrq2) "
                               "values (?,?,?,?,?,?)"),
                values);
    } else {
        SqlParams p = values;
        p.emplace_back(QString(), id.toLongLong());
        execSql(QStringLiteral("update jxc_jfsz set jf_yelj=?,jf_jfgz=?,jf_mfje=?,jf_dbjf=?,jf_dbrq1=?,jf_dbrq2=? "
                               "where id=?"),
                p);
    }
    tx.commit();
    loadSysParams();
}

// ---- Top-ups -------------------------------------------------------------------------------

QString topUpRefusal(Money amount, Money credit)
{
    if (amount <= Money())
        return QStringLiteral("储值金额不能为零或负数！");
    if (credit <= Money())
        return QStringLiteral("实际金额不能为负数！");
    return {};
}

void topUpMember(const QString& hySn, Money amount, Money credit, const QString& note, const ChargePayment& payment,
                 const QString& op)
{
    if (const QString refusal = topUpRefusal(amount, credit); !refusal.isEmpty())
        throw DbError(refusal);
    Transaction tx;
    const QString name = memberName(hySn);
    const QString safeNote = sqlSafeName(note.trimmed());
    bookTopUp({.hySn = hySn,
               .date = nowText(),
               .amount = amount,
               .bonus = credit - amount,
               .note = safeNote,
               .kind = kStoredValueKind,
               .journalKind = kStoredValueKind,
               .op = op},
              &payment, name);
    execSql(QStringLiteral("update jxc_hyxx set hy_zhje=hy_zhje+?,hy_jf=hy_jf+? where hy_sn=?"),
            args({credit.toDouble(), topUpPoints(credit).toDouble(), hySn}));
    tx.commit();
}

void setMemberTick(const QString& hySn, bool ticked)
{
    execSql(QStringLiteral("update jxc_hyxx set hy_chk=? where hy_sn=?"), args({ticked, hySn}));
}

void setAllMemberTicks(bool ticked)
{
    execSql(QStringLiteral("update jxc_hyxx set hy_chk=?"), args({ticked}));
}

int batchTopUp(Money amount, Money credit, const QString& note, const QString& op)
{
    if (amount < Money())
        throw DbError(QStringLiteral("储值金额不能为负数！"));
    if (credit < Money())
        throw DbError(QStringLiteral("实际金额不能为负数！"));
    Transaction tx;
    const ResultSet rs = openSelect(
        QStringLiteral("select a.hy_sn,a.hy_name from jxc_hyxx a,jxc_hyfl b,jxc_hyyh c where a.hl_sn=b.hl_sn and "
                       "a.hh_sn=c.hh_sn and a.hy_sn<>'100001' and a.hy_chk<>0 order by a.id desc"));
    const ChargePayment cash{
        .method = ChargePayment::Method::Cash, .tendered = amount, .cash = Money(), .bankCard = Money(), .voucher = Money()};
    const QString safeNote = sqlSafeName(note.trimmed());
    const QString now = nowText();
    const Money points = topUpPoints(credit);
    for (int r = 0; r < rs.rowCount(); ++r) {
        const QString hySn = rs.text(r, 0);
        bookTopUp({.hySn = hySn,
                   .date = now,
                   .amount = amount,
                   .bonus = credit - amount,
                   .note = safeNote,
                   .kind = kStoredValueKind,
                   .journalKind = kStoredValueKind,
                   .op = op},
                  &cash, rs.text(r, 1));
        execSql(QStringLiteral("update jxc_hyxx set hy_zhje=hy_zhje+?,hy_jf=hy_jf+? where hy_sn=?"),
                args({credit.toDouble(), points.toDouble(), hySn}));
    }
    tx.commit();
    return rs.rowCount();
}

// ---- Count cards ---------------------------------------------------------------------------

namespace {
QString countTimesRefusal(const QString& times, int* value)
{
    if (times.trimmed().isEmpty())
        return QStringLiteral("可用次数必须填写！");
    bool ok = false;
    *value = times.trimmed().toInt(&ok);
    if (!ok || *value < 0)
        return QStringLiteral("可用次数必须是整数！");
    return {};
}
}  // namespace

QString addCountItem(const CountItem& item, const QString& goodsName, const QString& op)
{
    if (item.gSn.trimmed().isEmpty())
        return QStringLiteral("商品编号必须填写！");
    if (goodsName.isEmpty() ||
        !exists(QStringLiteral("select id from jxc_goods where g_sn=? limit 1"), args({item.gSn.trimmed()})))
        return QStringLiteral("商品编号不正确，请重新填写！");
    int times = 0;
    if (QString refusal = countTimesRefusal(item.times, &times); !refusal.isEmpty())
        return refusal;
    Transaction tx;
    appendRow(QStringLiteral("jxc_hycstmp"), {{QStringLiteral("g_sn"), item.gSn.trimmed()},
                                              {QStringLiteral("hc_rq"), nowText()},
                                              {QStringLiteral("hc_cs"), times},
                                              {QStringLiteral("hc_sycs"), 0},
                                              {QStringLiteral("hc_je"), item.amount.toDouble()},
                                              {QStringLiteral("hc_note"), sqlSafeName(item.note.trimmed())},
                                              {QStringLiteral("a_name"), op}});
    tx.commit();
    return {};
}

QString modifyCountItem(qint64 id, const CountItem& item)
{
    int times = 0;
    if (QString refusal = countTimesRefusal(item.times, &times); !refusal.isEmpty())
        return refusal;
    Transaction tx;
    execSql(QStringLiteral("update jxc_hycstmp set hc_je=?,hc_cs=?,hc_note=? where id=?"),
            args({item.amount.toDouble(), times, sqlSafeName(item.note.trimmed()), id}));
    tx.commit();
    return {};
}

void deleteCountItem(qint64 id)
{
    Transaction tx;
    execSql(QStringLiteral("delete from jxc_hycstmp where id=?"), args({id}));
    tx.commit();
}

void clearCountItems(const QString& op)
{
    Transaction tx;
    execSql(QStringLiteral("delete from jxc_hycstmp where a_name=?"), args({op}));
    tx.commit();
}

Money countItemsTotal(const QString& op)
{
    return Money::fromText(selectValue(QStringLiteral("select sum(hc_je) from jxc_hycstmp where a_name=?"), args({op})));
}

QString saveCountCard(const QString& hySn, const QString& op, const ChargePayment* payment)
{
    Transaction tx;
    const ResultSet totals =
        openSelect(QStringLiteral("select count(*),sum(hc_cs),sum(hc_je) from jxc_hycstmp where a_name=?"), args({op}));
    QString djh;
    if (totals.text(0, 0).toInt() > 0) {
        const Money total = Money::fromText(totals.text(0, 2));
        if (!total.isZero() && !payment)
            throw DbError(QStringLiteral("计次金额未经收费确认，不能保存！"));
        bookTopUp({.hySn = hySn,
                   .date = nowText(),
                   .amount = total,
                   .bonus = Money(),
                   .note = QString(),
                   .kind = kCountCardKind,
                   .journalKind = kCountCardKind,
                   .op = op},
                  total.isZero() ? nullptr : payment, memberName(hySn));
        djh = getMaxDjh(QStringLiteral("jxc_hycsjl"), QStringLiteral("gl_djh"), QStringLiteral("JC"));
        execSql(QStringLiteral("insert into jxc_hycs (hy_sn,g_sn,hc_rq,hc_cs,hc_je,hc_note,a_name,hc_sycs) "
                               "select ?,g_sn,hc_rq,hc_cs,hc_je,hc_note,a_name,0 from jxc_hycstmp where a_name=? order by id"),
                args({hySn, op}));
        execSql(QStringLiteral("update jxc_hyxx set hy_cs=coalesce(hy_cs,0)+? where hy_sn=?"),
                args({totals.text(0, 1).toLongLong(), hySn}));
        execSql(QStringLiteral("insert into jxc_hycsjl (hy_sn,g_sn,hc_rq,hc_cs,hc_je,hc_zt,gl_djh) "
                               "select ?,g_sn,?,hc_cs,hc_je,0,? from jxc_hycstmp where a_name=? order by id"),
                args({hySn, todayText(), djh, op}));
    }
    writeLog(QStringLiteral("会员计次续费：") +
             selectValue(QStringLiteral("select hy_bh from jxc_hyxx where hy_sn=?"), args({hySn})));
    tx.commit();
    return djh;
}

// ---- Gifts and exchanges -------------------------------------------------------------------

namespace {
QString giftRefusal(const GiftFields& f)
{
    if (f.sn.trimmed().isEmpty())
        return QStringLiteral("赠品编号必须填写！");
    if (f.name.trimmed().isEmpty())
        return QStringLiteral("赠品名称必须填写！");
    if (f.qty < Money())
        return QStringLiteral("赠品数量不能为负数！");
    if (f.points < Money())
        return QStringLiteral("兑换积分不能为负数！");
    return {};
}
const QString kGiftExists = QStringLiteral("赠品编号已经存在，请重新输入！");
}  // namespace

QString addGift(const GiftFields& f)
{
    if (QString refusal = giftRefusal(f); !refusal.isEmpty())
        return refusal;
    const QString sn = cut(f.sn.trimmed(), 8);
    Transaction tx;
    if (exists(QStringLiteral("select zp_sn from jxc_zpxx where zp_sn=?"), args({sn})))
        return kGiftExists;
    const QString name = cut(f.name.trimmed(), 32);
    appendRow(QStringLiteral("jxc_zpxx"), {{QStringLiteral("zp_sn"), sn},
                                           {QStringLiteral("zp_name"), name},
                                           {QStringLiteral("zp_jm"), cut(getPyJm(name), 32)},
                                           {QStringLiteral("zp_sl"), f.qty.toDouble()},
                                           {QStringLiteral("zp_jf"), f.points.toDouble()}});
    tx.commit();
    return {};
}

QString modifyGift(qint64 id, const GiftFields& f)
{
    if (QString refusal = giftRefusal(f); !refusal.isEmpty())
        return refusal;
    Transaction tx;
    const ResultSet old = openSelect(QStringLiteral("select zp_sn,zp_name,zp_sl from jxc_zpxx where id=?"), args({id}));
    if (old.isEmpty())
        return QStringLiteral("该赠品已不存在，请刷新后再试！");
    GiftFields v = f;
    if (giftHasPurchase(old.text(0, 0))) {
        v.sn = old.text(0, 0);
        v.name = old.text(0, 1);
        v.qty = Money::fromText(old.text(0, 2));
    }
    const QString sn = cut(v.sn.trimmed(), 8);
    if (exists(QStringLiteral("select zp_sn from jxc_zpxx where zp_sn=? and id<>?"), args({sn, id})))
        return kGiftExists;
    const QString name = cut(v.name.trimmed(), 32);
    execSql(QStringLiteral("update jxc_zpxx set zp_sn=?,zp_name=?,zp_jm=?,zp_sl=?,zp_jf=? where id=?"),
            args({sn, name, cut(getPyJm(name), 32), v.qty.toDouble(), v.points.toDouble(), id}));
    tx.commit();
    return {};
}

bool giftHasPurchase(const QString& zpSn)
{
    return exists(QStringLiteral("select zp_sn from jxc_zpjh where zp_sn=? limit 1"), args({zpSn}));
}

QString giftDeleteRefusal(const QString& zpSn)
{
    if (giftHasPurchase(zpSn) || exists(QStringLiteral("select g_sn from jxc_dhzp where g_sn=? limit 1"), args({zpSn})))
        return QStringLiteral("该赠品已经发生过业务，不能删除！");
    return {};
}

void deleteGift(const QString& zpSn)
{
    Transaction tx;
    if (const QString refusal = giftDeleteRefusal(zpSn); !refusal.isEmpty())
        throw DbError(refusal);
    execSql(QStringLiteral("delete from jxc_zpxx where zp_sn=?"), args({zpSn}));
    tx.commit();
}

QString giftPurchase(const QString& zpSn, Money qty, const QString& op)
{
    if (qty < Money())
        return QStringLiteral("进货数量不能为负数！");
    Transaction tx;
    appendRow(QStringLiteral("jxc_zpjh"), {{QStringLiteral("zp_sn"), zpSn},
                                           {QStringLiteral("zp_jhrq"), nowText()},
                                           {QStringLiteral("zp_sl"), qty.toDouble()},
                                           {QStringLiteral("zp_note"), QStringLiteral("进货")},
                                           {QStringLiteral("a_name"), op}});
    execSql(QStringLiteral("update jxc_zpxx set zp_sl=zp_sl+? where zp_sn=?"), args({qty.toDouble(), zpSn}));
    tx.commit();
    return {};
}

QString addExchangeLine(const QString& djh, const QString& card, const QString& giftText, const QString& op)
{
    if (card.trimmed().isEmpty())
        return QStringLiteral("请先选择会员！");
    const QString text = giftText.trimmed();
    if (text.isEmpty())
        return {};
    const ResultSet gift = openSelect(
        QStringLiteral("select zp_sn,zp_sl,zp_jf from jxc_zpxx where zp_sn=? or zp_jm=? order by id limit 1"),
        args({text, text}));
    if (gift.isEmpty())
        return QStringLiteral("没有该商品信息！");
    if (Money::fromText(gift.text(0, 1)) <= Money())
        return QStringLiteral("该赠品数量为0或负数，不能兑换！");
    Transaction tx;
    appendRow(QStringLiteral("jxc_dhzp"), {{QStringLiteral("gl_djh"), djh},
                                           {QStringLiteral("g_sn"), gift.text(0, 0)},
                                           {QStringLiteral("dh_zpjf"), gift.text(0, 2).toDouble()},
                                           {QStringLiteral("dh_sl"), 1},
                                           {QStringLiteral("dh_jf"), gift.text(0, 2).toDouble()},
                                           {QStringLiteral("a_name"), op}});
    tx.commit();
    return {};
}

QString setExchangeLineQty(qint64 lineId, Money qty)
{
    if (qty <= Money())
        return QStringLiteral("数量必须大于0！");
    Transaction tx;
    execSql(QStringLiteral("update jxc_dhzp set dh_sl=?,dh_jf=dh_zpjf*? where id=?"),
            args({qty.toDouble(), qty.toDouble(), lineId}));
    tx.commit();
    return {};
}

QString saveExchange(const QString& djh, const QString& card, const QString& op)
{
    Transaction tx;
    const ResultSet totals =
        openSelect(QStringLiteral("select count(*),sum(dh_jf),sum(dh_sl) from jxc_dhzp where gl_djh=?"), args({djh}));
    if (totals.text(0, 0).toInt() == 0)
        return {};
    if (card.trimmed().isEmpty())
        return QStringLiteral("请选择会员！");
    const QString hySn = findMemberByCard(card);
    if (hySn.isEmpty())
        return QStringLiteral("该会员编号不存在！");
    const Money points = Money::fromText(selectValue(QStringLiteral("select hy_jf from jxc_hyxx where hy_sn=?"), args({hySn})));
    const Money needed = Money::fromText(totals.text(0, 1));
    if (points < needed)
        return QStringLiteral("积分不足，不能兑换！");
    appendRow(QStringLiteral("jxc_dhd"), {{QStringLiteral("gl_djh"), djh},
                                          {QStringLiteral("hy_sn"), hySn},
                                          {QStringLiteral("dh_dhrq"), todayText()},
                                          {QStringLiteral("dh_sl"), Money::fromText(totals.text(0, 2)).toDouble()},
                                          {QStringLiteral("dh_jf"), needed.toDouble()},
                                          {QStringLiteral("dh_note"), QStringLiteral("兑换")},
                                          {QStringLiteral("a_name"), op}});
    execSql(QStringLiteral("update jxc_zpxx set zp_sl=zp_sl-(select sum(l.dh_sl) from jxc_dhzp l where l.gl_djh=? and "
                           "l.g_sn=jxc_zpxx.zp_sn) where zp_sn in (select g_sn from jxc_dhzp where gl_djh=?)"),
            args({djh, djh}));
    execSql(QStringLiteral("update jxc_hyxx set hy_jf=hy_jf-? where hy_sn=?"), args({needed.toDouble(), hySn}));
    tx.commit();
    return {};
}

// A saved exchange's lines are never touched here: they go through deleteExchangeLine.
void deleteExchangeWorkLine(qint64 lineId)
{
    execSql(QStringLiteral("delete from jxc_dhzp where id=? and gl_djh not in (select gl_djh from jxc_dhd)"),
            args({lineId}));
}

void clearExchangeWorkLines(const QString& djh)
{
    execSql(QStringLiteral("delete from jxc_dhzp where gl_djh=? and gl_djh not in (select gl_djh from jxc_dhd)"),
            args({djh}));
}

void deleteExchangeLine(qint64 lineId)
{
    Transaction tx;
    const ResultSet line =
        openSelect(QStringLiteral("select gl_djh,g_sn,dh_sl,dh_jf from jxc_dhzp where id=?"), args({lineId}));
    if (line.isEmpty())
        throw DbError(QStringLiteral("该兑换信息已不存在，请刷新后再试！"));
    const QString djh = line.text(0, 0);
    const double qty = line.text(0, 2).toDouble();
    const double points = line.text(0, 3).toDouble();
    const QString hySn = selectValue(QStringLiteral("select hy_sn from jxc_dhd where gl_djh=?"), args({djh}));
    execSql(QStringLiteral("update jxc_dhd set dh_sl=dh_sl-?,dh_jf=dh_jf-? where gl_djh=?"), args({qty, points, djh}));
    execSql(QStringLiteral("update jxc_zpxx set zp_sl=zp_sl+? where zp_sn=?"), args({qty, line.text(0, 1)}));
    execSql(QStringLiteral("update jxc_hyxx set hy_jf=hy_jf+? where hy_sn=?"), args({points, hySn}));
    execSql(QStringLiteral("delete from jxc_dhd where gl_djh=? and not dh_sl>0"), args({djh}));
    execSql(QStringLiteral("delete from jxc_dhzp where id=?"), args({lineId}));
    tx.commit();
}

// ---- Import from a workbook ----------------------------------------------------------------

namespace {

// A number cell: its value when it reads as a number, else 0.
double numberCell(const QString& cell)
{
    bool ok = false;
    const double v = cell.toDouble(&ok);
    return ok && std::isfinite(v) ? v : 0;
}

QString nextHyBh(const QString& card)
{
    return QStringLiteral("HY") + QString::number(card.mid(2).toLongLong() + 1);
}

void setParam(SqlParams& p, const QString& column, const QVariant& value)
{
    for (auto& [name, v] : p)
        if (name == column) {
            v = value;
            return;
        }
    p.emplace_back(column, value);
}

}  // namespace

int buildMemberPreview(const MemberImportOptions& o, bool tick)
{
    using namespace importengine;
    const auto sheet = readSheet(o.path);
    if (!sheet)
        return -1;
    Transaction tx;
    execSql(QStringLiteral("delete from jxc_importdata"));
    SheetRow row(*sheet, mappedColumns());
    QString card = o.autoCard ? getMaxHyBh(QStringLiteral("jxc_hyxx"), QStringLiteral("hy_bh")) : QString();
    int count = 0;
    for (int r = 0; r < sheet->rowCount(); ++r) {
        row.setRow(r);
        const QString name = row.cell(QStringLiteral("hy_name"));
        if (!name.isEmpty()) {
            addPreviewRow(QLatin1Char('[') + (o.autoCard ? card : row.trimmed(QStringLiteral("hy_bh"))) +
                              QLatin1Char(']') + name,
                          tick);
            ++count;
        }
        if (o.autoCard)
            card = nextHyBh(card);
    }
    tx.commit();
    return count;
}

ImportRun importMembers(const MemberImportOptions& o)
{
    using namespace importengine;
    if (selectValue(QStringLiteral("select count(*) from jxc_importdata")).toInt() == 0)
        return {{}, importEmptyMessage()};
    const auto sheet = readSheet(o.path);
    if (!sheet)
        return {{}, importWorkbookMessage()};
    SheetRow row(*sheet, mappedColumns());
    const QString today = todayText();
    const QString defaultBirthday = Clock::today().addMonths(-360).toString(QStringLiteral("yyyy-MM-dd"));

    Transaction tx;
    // Each imported member takes the card after the largest one, drawn once and then counted on
    // (nothing else writes during the run), so that a large import does not scan the cards per row.
    QString nextCard = o.autoCard ? getMaxHyBh(QStringLiteral("jxc_hyxx"), QStringLiteral("hy_bh")) : QString();
    const auto listed = [&] { return !row.cell(QStringLiteral("hy_name")).isEmpty(); };
    const auto importRow = [&]() -> RowOutcome {
        const auto cell = [&](const char* field) { return row.trimmed(QString::fromLatin1(field)); };
        MemberFields f;
        f.name = cell("hy_name");
        if (f.name.isEmpty())
            return {false, QStringLiteral("导入失败,会员名称不能为空!")};
        QString remark;
        if (cell("hy_sr").isEmpty())
            remark = QStringLiteral("生日为空，将使用默认日期!");
        if (cell("hy_jrrq").isEmpty())
            remark = QStringLiteral("加入日期为空，将使用默认日期!");
        if (cell("hy_sex").isEmpty())
            remark = QStringLiteral("性别为空，将使用默认性别!");
        if (!o.autoCard) {
            f.card = memberCardForm(cell("hy_bh"));
            if (f.card.isEmpty())
                return {false, QStringLiteral("导入失败,会员卡号不能为空!")};
            if (!findMemberByCard(f.card).isEmpty())
                return {false, QStringLiteral("导入失败,会员卡号不能重复!")};
        }
        const QString storedName = sqlSafeName(f.name).left(32);
        if (o.uniqueNames && !openSelect(QStringLiteral("select hy_sn from jxc_hyxx where hy_name=? limit 1"),
                                         args({storedName}))
                                  .isEmpty())
            return {false, QStringLiteral("导入失败,会员名称已经存在!")};

        const QString hySn = getMaxSn(QStringLiteral("jxc_hyxx"), QStringLiteral("hy_sn"));
        if (o.autoCard) {
            f.card = nextCard;
            nextCard = nextHyBh(nextCard);
        }
        f.levelSn = o.levelSn;
        f.schemeSn = o.schemeSn;
        f.autoUpgrade = false;  // the chosen level stands; the flag itself is stored ticked below
        f.points = Money::fromDouble(numberCell(cell("hy_jf")));
        f.birthday = cell("hy_sr").isEmpty() ? defaultBirthday : cell("hy_sr").left(16);
        f.joinDate = cell("hy_jrrq").isEmpty() ? today : cell("hy_jrrq").left(16);
        f.sex = cell("hy_sex").isEmpty() || cell("hy_sex") == QStringLiteral("男") ? QStringLiteral("男")
                                                                                  : QStringLiteral("女");
        f.tele = cell("hy_tele");
        f.mobile = cell("hy_mobile");
        f.custom = {cell("hy_email"), cell("hy_zjlx"), cell("hy_zjhm"), cell("hy_dwzy"), cell("hy_address"), QString()};
        SqlParams p = memberColumns(f);
        setParam(p, QStringLiteral("hy_sj"), true);
        setParam(p, QStringLiteral("hy_dqrq"), QStringLiteral("2100-12-31"));
        p.insert(p.end(), {{QStringLiteral("hy_sn"), hySn},
                           {QStringLiteral("hy_bh"), f.card},
                           {QStringLiteral("hy_fsn"), QString()},
                           {QStringLiteral("hy_mm"), memberPasswordForm(cell("hy_mm"))},
                           {QStringLiteral("hy_zhje"), numberCell(cell("hy_zhje"))},
                           {QStringLiteral("hy_zje"), numberCell(cell("hy_zje"))},
                           {QStringLiteral("hy_ye"), 0},
                           {QStringLiteral("hy_cs"), 0},
                           {QStringLiteral("hy_cg"), false},
                           {QStringLiteral("hy_syje"), 0},
                           {QStringLiteral("hy_xjsyje"), 0}});
        appendRow(QStringLiteral("jxc_hyxx"), p);
        return {true, remark};
    };
    const ImportSummary summary = walk(*sheet, row, listed, importRow);
    tx.commit();
    return {summary, QString()};
}
