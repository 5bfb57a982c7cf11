// The voucher of money moved without a bill (deposits, withdrawals, expenses and income): the
// shared money voucher layout with its variables filled from one value.
#pragma once

#include "data/values.h"

#include <QString>

class QWidget;
class Report;

struct MoneyVoucher {
    QString title;    // [bTitle]: company short name + "付款单" / "收款单"
    QString fymc;     // "费用名称"
    QString fkfs;     // "付款账户"
    QString pnote;    // "附加说明"
    QString uname;    // handler
    QString aname;    // operator
    Money amount;     // [sf] in capitals and the twelve digit cells
};

// Loads the layout and sets every variable of `v` on `rpt`.
void fillMoneyVoucher(Report& rpt, const MoneyVoucher& v);
// Shows the voucher's preview.
void previewMoneyVoucher(const MoneyVoucher& v, QWidget* parent);
