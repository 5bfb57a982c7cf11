// Fixture of the accounts tests: a shop (clock on 2013-05-28) with one customer and one
// supplier, and helpers to read rows back.
#pragma once

#include "accounts/ledgerentries.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "support/shop.h"

#include <QStringList>
#include <gtest/gtest.h>

class AccountsTest : public ::testing::Test {
protected:
    AccountsTest() : kh(shop.customer(QStringLiteral("客户甲"))), ghs(shop.supplier(QStringLiteral("供货商乙"))) {}

    // Every row of a query as its fields joined by "|", rows joined by " ".
    static QString rows(const QString& sql, const SqlParams& params = {})
    {
        const ResultSet rs = openSelect(sql, params);
        QStringList out;
        for (int r = 0; r < rs.rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < rs.columnCount(); ++c)
                cells << rs.text(r, c);
            out << cells.join(u'|');
        }
        return out.join(u' ');
    }
    static QString value(const QString& sql, const SqlParams& params = {}) { return selectValue(sql, params); }
    static QString balance(const QString& account)
    {
        return selectValue(QStringLiteral("select yh_zje from jxc_yhzh where yh_name=?"), {{QString(), account}});
    }
    QString khBalance() const
    {
        return selectValue(QStringLiteral("select kh_lwje from jxc_khxx where kh_sn=?"), {{QString(), kh}});
    }
    // The whole database as text, to compare before and after a refused or failed action.
    static QString snapshot()
    {
        QString all;
        for (const char* t : {"jxc_ysyfk", "jxc_xjyh", "jxc_yhzh", "jxc_khxx", "jxc_ghsxx", "jxc_yyfy", "jxc_fylx"})
            all += rows(QStringLiteral("select * from %1 order by id").arg(QLatin1String(t))) + u'\n';
        return all;
    }

    RegisterEntry receivable(const QString& date, double amount) const
    {
        return {.side = PartySide::Customer, .partner = kh, .date = date, .amount = Money::fromDouble(amount),
                .handlerSn = shop.handlerSn(), .note = QStringLiteral(" 备注 "), .op = operatorName};
    }
    SettlementEntry receipt(double amount, const QString& account = QStringLiteral("现金"),
                            const QString& date = QStringLiteral("2013-05-28")) const
    {
        return {.side = PartySide::Customer, .partner = kh, .partnerName = QStringLiteral("客户甲"), .date = date,
                .amount = Money::fromDouble(amount), .account = account, .handlerSn = shop.handlerSn(),
                .handlerName = QStringLiteral("经办"), .note = QStringLiteral("n"), .op = operatorName};
    }

    Shop shop;
    QString kh;
    QString ghs;
};
