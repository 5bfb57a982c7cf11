#include "pos/tilllines.h"

#include "data/clock.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/numbering.h"
#include "data/settings.h"
#include "data/summaries.h"
#include "data/textrules.h"
#include "data/tkc.h"
#include "members/memberdata.h"

#include <QDateTime>
#include <QStringList>

namespace {

SqlParams p(std::initializer_list<QString> values)
{
    SqlParams out;
    for (const QString& v : values)
        out.push_back({QString(), v});
    return out;
}

bool isOn(const QString& v) { return settingOn(v) && !v.isEmpty(); }

struct GoodsPrice {
    Money retail;
    Money ownRate;
    bool offer = false;
    Money special;
    Money memberPrice;
    bool singleItem = false;
};

GoodsPrice goodsPrice(const QString& gSn)
{
    const ResultSet rs = openSelect(QStringLiteral("select * from jxc_goods where g_sn=?"), p({gSn}));
    GoodsPrice g;
    if (rs.rowCount() == 0)
        return g;
    g.retail = Money::fromText(rs.text(0, QStringLiteral("g_sj")));
    const QString rate = rs.text(0, QStringLiteral("g_dzll"));
    g.ownRate = rate.isEmpty() ? Money::fromUnits(10000) : Money::fromText(rate);
    g.offer = offerInForce(gSn);
    g.special = Money::fromText(rs.text(0, QStringLiteral("g_tj")));
    g.memberPrice = Money::fromText(rs.text(0, QStringLiteral("g_hyj")));
    g.singleItem = isOn(rs.text(0, QStringLiteral("g_dxdz")));
    return g;
}

const Money kOne = Money::fromUnits(10000);

}  // namespace

QString newTillNumber()
{
    return getMaxDjh(QStringLiteral("jxc_lsxsd"), QStringLiteral("gl_djh"), QStringLiteral("XS"));
}

bool offerInForce(const QString& gSn)
{
    const ResultSet rs = openSelect(QStringLiteral("select g_tjsp,g_tjqx,g_ks,g_js from jxc_goods where g_sn=?"), p({gSn}));
    if (rs.rowCount() == 0 || !isOn(rs.text(0, 0)))
        return false;
    if (!isOn(rs.text(0, 1)))
        return true;
    // The period is stored as "yyyy-MM-dd HH:mm:ss", which orders as text.
    const QString now = dateTimeText(Clock::now());
    const QString from = rs.text(0, 2).trimmed();
    const QString to = rs.text(0, 3).trimmed();
    return !from.isEmpty() && !to.isEmpty() && from <= now && now <= to;
}

qint64 addPickedLine(const QString& number, const QString& gSn, const QString& sizeName, const QString& colorName,
                     const QString& stock, const TillMember& member)
{
    Transaction tx;
    const QString cmSn = getCmSn(sizeName);
    const QString colorSn = getColorSn(colorName);
    const QString same = selectValue(
        QStringLiteral("select a.id from jxc_lsxssp a,jxc_lsxsspmx b where a.gl_djh=b.gl_djh and a.id=b.tid and "
                       "a.gl_djh=? and a.g_sn=? and b.cm_sn=? and b.color_sn=? order by a.id"),
        p({number, gSn, cmSn, colorSn}));
    if (!same.isEmpty()) {
        execSql(QStringLiteral("update jxc_lsxssp set ls_sl=ls_sl+1,ls_zje=ls_dhdj*(ls_sl+1),ls_zhje=ls_dhdj*(ls_sl+1) "
                               "where id=?"),
                p({same}));
        execSql(QStringLiteral("update jxc_lsxsspmx set t_sl=t_sl+1 where tid=?"), p({same}));
        tx.commit();
        return same.toLongLong();
    }
    const GoodsPrice g = goodsPrice(gSn);
    const QString single = member.present()
        ? selectValue(QStringLiteral("select a.hl_dxzk from jxc_dxdz a,jxc_hyxx b where a.hl_sn=b.hl_sn and "
                                     "b.hy_bh=? and a.g_sn=?"),
                      p({member.card, gSn}))
        : selectValue(QStringLiteral("select hl_dxzk from jxc_dxdz where hl_sn='' and g_sn=?"), p({gSn}));
    Money price = g.retail;
    if (csXsdj == QLatin1String("1")) {
        const QString last = getLastLsDj(gSn);
        if (!last.isEmpty())
            price = Money::fromText(last);
    }
    Money rate = member.present() ? Money::fromText(member.discount) : kOne;
    if (rate == kOne && g.ownRate != kOne)
        rate = g.ownRate;
    if (!single.isEmpty())
        rate = Money::fromText(single);
    if (g.offer) {
        if (member.present() && !g.memberPrice.isZero()) {
            price = g.memberPrice;
            rate = kOne;
        } else if (!member.present() && !g.special.isZero()) {
            price = g.special;
            rate = kOne;
        }
    }
    const Money net = price * rate;
    const qint64 id = appendRow(QStringLiteral("jxc_lsxssp"),
                                {{QStringLiteral("gl_djh"), number},
                                 {QStringLiteral("g_sn"), gSn},
                                 {QStringLiteral("ls_dj"), price.toText()},
                                 {QStringLiteral("ls_dzl"), rate.toText()},
                                 {QStringLiteral("ls_dhdj"), net.toText()},
                                 {QStringLiteral("ls_sl"), QStringLiteral("1")},
                                 {QStringLiteral("ls_zje"), net.toText()},
                                 {QStringLiteral("ls_zhje"), net.toText()},
                                 {QStringLiteral("a_name"), operatorName}});
    // The stock figure is kept as a whole number, as the picker's cell read.
    const qint64 whole = Money::fromText(stock).units() / 10000;
    appendRow(QStringLiteral("jxc_lsxsspmx"), {{QStringLiteral("gl_djh"), number},
                                               {QStringLiteral("g_sn"), gSn},
                                               {QStringLiteral("t_sl"), QStringLiteral("1")},
                                               {QStringLiteral("cm_sn"), cmSn},
                                               {QStringLiteral("color_sn"), colorSn},
                                               {QStringLiteral("a_name"), operatorName},
                                               {QStringLiteral("tid"), QString::number(id)},
                                               {QStringLiteral("t_kc"), QString::number(whole)}});
    tx.commit();
    return id;
}

void repriceForMember(const QString& number, const TillMember& member)
{
    Transaction tx;
    if (member.present()) {
        const QString d = sqlNum(Money::fromText(member.discount));
        execSql(QStringLiteral("update jxc_lsxssp set ls_dzl=%1,ls_zje=ls_sl*ls_dj*%1,ls_zhje=ls_sl*ls_dj*%1,"
                               "ls_dhdj=ls_dj*%1 where gl_djh=?").arg(d),
                p({number}));
    } else {
        execSql(QStringLiteral("update jxc_lsxssp set ls_dzl=1,ls_zje=ls_sl*ls_dj,ls_zhje=ls_sl*ls_dj,ls_dhdj=ls_dj "
                               "where gl_djh=?"),
                p({number}));
    }
    const ResultSet lines = openSelect(
        QStringLiteral("select a.g_sn from jxc_lsxssp a,jxc_lsxsspmx e where a.id=e.tid and a.gl_djh=e.gl_djh "
                       "and a.gl_djh=? order by a.id"),
        p({number}));
    QStringList done;
    for (int r = 0; r < lines.rowCount(); ++r) {
        const QString gSn = lines.text(r, 0);
        if (done.contains(gSn))
            continue;
        done << gSn;
        const GoodsPrice g = goodsPrice(gSn);
        Money price = g.retail;
        bool hasRate = true;
        Money rate = member.present() && !member.discount.isEmpty() ? Money::fromText(member.discount) : kOne;
        if (g.ownRate != kOne && rate == kOne)
            rate = g.ownRate;
        if (g.singleItem) {
            const QString single = selectValue(
                QStringLiteral("select hl_dxzk from jxc_dxdz where g_sn=? and hl_sn=?"),
                p({gSn, member.present() ? member.levelSn : QString()}));
            hasRate = !single.isEmpty();
            rate = Money::fromText(single);
        }
        if (g.offer) {
            if (member.present() && !g.memberPrice.isZero()) {
                price = g.memberPrice;
                rate = kOne;
                hasRate = true;
            } else if (!member.present() && !g.special.isZero()) {
                price = g.special;
                rate = kOne;
                hasRate = true;
            }
        }
        if (!hasRate)
            continue;
        const QString pr = sqlNum(price);
        const QString rt = sqlNum(rate);
        execSql(QStringLiteral("update jxc_lsxssp set ls_dj=%1,ls_dzl=%2,ls_dhdj=%1*%2,ls_zje=ls_sl*%1*%2,"
                               "ls_zhje=ls_sl*%1*%2 where g_sn=? and gl_djh=?")
                    .arg(pr, rt),
                p({gSn, number}));
    }
    tx.commit();
}

namespace {
TillMemberChoice memberRow(const QString& hySn)
{
    TillMemberChoice c;
    const ResultSet rs = openSelect(
        QStringLiteral("select a.*,b.hl_zk as hl_zk,b.hl_name as hl_name from jxc_hyxx a,jxc_hyfl b "
                       "where a.hl_sn=b.hl_sn and a.hy_sn=?"),
        p({hySn}));
    if (rs.rowCount() == 0)
        return c;
    c.hySn = hySn;
    c.card = rs.text(0, QStringLiteral("hy_bh"));
    c.name = rs.text(0, QStringLiteral("hy_name"));
    c.levelSn = rs.text(0, QStringLiteral("hl_sn"));
    c.levelName = rs.text(0, QStringLiteral("hl_name"));
    c.discount = rs.text(0, QStringLiteral("hl_zk"));
    c.points = rs.text(0, QStringLiteral("hy_jf"));
    c.balance = rs.text(0, QStringLiteral("hy_zhje"));
    return c;
}
}  // namespace

TillMemberChoice chooseTillMember(const QString& card, const QString& password)
{
    TillMemberChoice none;
    const QString hySn = findMemberByCard(card);
    const ResultSet rs = openSelect(QStringLiteral("select hy_status,hy_mm,hy_dqrq from jxc_hyxx where hy_sn=?"), p({hySn}));
    if (hySn.isEmpty() || rs.rowCount() == 0 || !isOn(rs.text(0, 0)) || !checkMemberPassword(rs.text(0, 1), password)) {
        none.refusal = QStringLiteral("会员不存在或密码错误，请重新输入！");
        return none;
    }
    const QString expiry = rs.text(0, 2).trimmed();
    if (!expiry.isEmpty() && todayText() > expiry) {
        none.refusal = QStringLiteral("该会员已到期，不能使用！");
        return none;
    }
    TillMemberChoice c = memberRow(hySn);
    if (c.hySn.isEmpty())
        none.refusal = QStringLiteral("会员不存在或密码错误，请重新输入！");
    return c.hySn.isEmpty() ? none : c;
}

TillMemberChoice tillMemberBySn(const QString& hySn)
{
    return memberRow(hySn);
}

QString setTillLine(qint64 lineId, Money price, Money discount, Money quantity, bool limitToStock, const QString& ckSn)
{
    if (price <= Money())
        return QStringLiteral("单价必须大于0，请重新输入！");
    const QString id = QString::number(lineId);
    if (limitToStock) {
        const ResultSet rs = openSelect(
            QStringLiteral("select t_kc,g_sn,cm_sn,color_sn from jxc_lsxsspmx where tid=?"), p({id}));
        Money stock;
        if (rs.rowCount() > 0 && !rs.text(0, 0).isEmpty()) {
            stock = Money::fromText(rs.text(0, 0));
        } else if (rs.rowCount() > 0) {
            stock = Money::fromText(selectValue(
                QStringLiteral("select sum(t_sl) from jxc_tkc where g_sn=? and cm_sn=? and color_sn=? and ck_sn=?"),
                p({rs.text(0, 1), rs.text(0, 2), rs.text(0, 3), ckSn})));
        }
        if (quantity > stock)
            return QStringLiteral("销售数量不能大于库存数量，重新输入！");
    }
    Transaction tx;
    const Money net = price * discount;
    const Money amount = net * quantity;
    execSql(QStringLiteral("update jxc_lsxssp set ls_dhdj=?,ls_sl=?,ls_dzl=?,ls_dj=?,ls_zje=?,ls_zhje=? where id=?"),
            p({net.toText(), quantity.toText(), discount.toText(), price.toText(), amount.toText(), amount.toText(), id}));
    execSql(QStringLiteral("update jxc_lsxsspmx set t_sl=? where tid=?"), p({quantity.toText(), id}));
    tx.commit();
    return {};
}

void deleteTillLine(qint64 lineId)
{
    Transaction tx;
    const QString id = QString::number(lineId);
    execSql(QStringLiteral("delete from jxc_lsxssp where id=?"), p({id}));
    execSql(QStringLiteral("delete from jxc_lsxsspmx where tid=?"), p({id}));
    tx.commit();
}

QString tillTotalText(const QString& number)
{
    return selectValue(QStringLiteral("select round(sum(ls_zje),2) from jxc_lsxssp a,jxc_lsxsspmx e "
                                      "where a.id=e.tid and a.gl_djh=e.gl_djh and a.gl_djh=?"),
                       p({number}));
}

QString tillQuantityText(const QString& number)
{
    const QString s = selectValue(QStringLiteral("select sum(ls_sl) from jxc_lsxssp a,jxc_lsxsspmx e "
                                                 "where a.id=e.tid and a.gl_djh=e.gl_djh and a.gl_djh=?"),
                                  p({number}));
    return s.isEmpty() ? QStringLiteral("0") : s;
}

const QStringList& tillFunctions()
{
    static const QStringList names = {
        QStringLiteral("付款结账"), QStringLiteral("修改折扣"), QStringLiteral("修改单价"), QStringLiteral("修改数量"),
        QStringLiteral("删除当前"), QStringLiteral("删除全部"), QStringLiteral("选择会员"), QStringLiteral("打开钱箱"),
        QStringLiteral("浏览图片"), QStringLiteral("选择仓库"), QStringLiteral("选择员工"), QStringLiteral("锁定屏幕"),
        QStringLiteral("挂单"),     QStringLiteral("解挂")};
    return names;
}

int getKeyValue(const QString& function)
{
    return selectValue(QStringLiteral("select gn_jz from jxc_gnb where gn_name=?"), p({function})).toInt();
}

QString setFunctionKey(const QString& function, int code, bool* stored)
{
    if (stored)
        *stored = false;
    QString holder = selectValue(QStringLiteral("select gn_name from jxc_gnb where gn_jz=?"), p({QString::number(code)}));
    if (code == 116)
        holder = QStringLiteral("付款结账");
    else if (code == 112)
        holder = QStringLiteral("帮助");
    if (!holder.isEmpty())
        return QStringLiteral("该键已设置为 “%1” 的快捷键，\n\n请选择其它键！").arg(holder);
    if (getKeyName(code).isEmpty())
        return {};
    Transaction tx;
    if (selectValue(QStringLiteral("select count(*) from jxc_gnb where gn_name=?"), p({function})).toInt() > 0)
        execSql(QStringLiteral("update jxc_gnb set gn_jz=? where gn_name=?"), p({QString::number(code), function}));
    else
        execSql(QStringLiteral("insert into jxc_gnb (gn_name,gn_jz) values (?,?)"), p({function, QString::number(code)}));
    tx.commit();
    if (stored)
        *stored = true;
    return {};
}
