#include "pos/posposting.h"

#include "data/datamodule.h"

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

// ---- not yet written -------------------------------------------------------------------------
ResultSet findPosGoods(const QString&, const QString&) { throw DbError(QStringLiteral("not yet")); }
PosSaleResult postPosSale(const PosSale&) { throw DbError(QStringLiteral("not yet")); }
void holdPosSale(const QString&, const QString&, const QString&, const QString&, const QString&, const QString&) { throw DbError(QStringLiteral("not yet")); }
QString resumePosSale(const QString&) { throw DbError(QStringLiteral("not yet")); }
void deleteHeldSale(const QString&) { throw DbError(QStringLiteral("not yet")); }
void discardPosLines(const QString&) { throw DbError(QStringLiteral("not yet")); }
std::optional<PosSaleRef> findPosSale(const QString&) { throw DbError(QStringLiteral("not yet")); }
QString posReturnNumber() { throw DbError(QStringLiteral("not yet")); }
QString addReturnGoods(const QString&, const QString&, const QString&, const QString&) { throw DbError(QStringLiteral("not yet")); }
QString setReturnQuantity(qint64, Money) { throw DbError(QStringLiteral("not yet")); }
void removeReturnLine(qint64) { throw DbError(QStringLiteral("not yet")); }
void discardReturnLines(const QString&) { throw DbError(QStringLiteral("not yet")); }
Money returnGoodsTotal(const QString&) { throw DbError(QStringLiteral("not yet")); }
Money proposedRefund(Money, const QString&) { throw DbError(QStringLiteral("not yet")); }
QString refundRefusal(Money, Money) { throw DbError(QStringLiteral("not yet")); }
int postPosReturn(const PosReturn&) { throw DbError(QStringLiteral("not yet")); }
QList<PosReceiptVariable> posReceiptVariables(const QString&) { throw DbError(QStringLiteral("not yet")); }
bool printXp(const QString&, QWidget*) { throw DbError(QStringLiteral("not yet")); }
