// Short builders of the member scheme's plain records for the tests.
#pragma once

#include "members/memberdata.h"

inline Money m(double v)
{
    return Money::fromDouble(v);
}

inline LevelFields level(const QString& name, const QString& discount, double lower = 0, double upper = 0)
{
    return {.name = name, .discount = discount, .lower = m(lower), .upper = m(upper), .wholesale = false};
}

inline SchemeFields scheme(const QString& name, int kind, double factor, double threshold = 0, double cash = 0)
{
    return {.name = name, .kind = kind, .factor = m(factor), .threshold = m(threshold), .cash = m(cash)};
}

inline GiftFields gift(const QString& sn, const QString& name, double qty = 0, double points = 0)
{
    return {.sn = sn, .name = name, .qty = m(qty), .points = m(points)};
}

inline PointsSettings pointsRule(int rule, double perPoint, bool carryOver = false, double multiple = 0,
                                 const QString& date1 = QString(), const QString& date2 = QString())
{
    return {.rule = rule, .perPoint = m(perPoint), .carryOver = carryOver, .multiple = m(multiple), .date1 = date1,
            .date2 = date2};
}

inline ChargePayment paid(ChargePayment::Method method, double tendered, double cash = 0, double bankCard = 0,
                          double voucher = 0)
{
    return {.method = method, .tendered = m(tendered), .cash = m(cash), .bankCard = m(bankCard), .voucher = m(voucher)};
}

inline CountItem countItem(const QString& gSn, double amount = 0, const QString& times = QString())
{
    return {.gSn = gSn, .amount = m(amount), .times = times, .note = QString()};
}
