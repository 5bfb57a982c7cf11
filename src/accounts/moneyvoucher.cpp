#include "accounts/moneyvoucher.h"

#include "data/textrules.h"
#include "platform/report.h"
#include "platform/voucher.h"

void fillMoneyVoucher(Report& rpt, const MoneyVoucher& v)
{
    rpt.setLayout(voucherLayout(VoucherKind::Money));
    rpt.clearVariables();
    rpt.setVariable(QStringLiteral("bTitle"), reportQuote(v.title));
    rpt.setVariable(QStringLiteral("aname"), reportQuote(v.aname));
    rpt.setVariable(QStringLiteral("uname"), reportQuote(v.uname));
    rpt.setVariable(QStringLiteral("fymc"), reportQuote(v.fymc));
    rpt.setVariable(QStringLiteral("fkfs"), reportQuote(v.fkfs));
    rpt.setVariable(QStringLiteral("pnote"), reportQuote(v.pnote));
    rpt.setVariable(QStringLiteral("sf"), reportQuote(moneyToDx(v.amount.toText())));
    setVoucherDigits(rpt, v.amount);
}

void previewMoneyVoucher(const MoneyVoucher& v, QWidget* parent)
{
    Report rpt;
    fillMoneyVoucher(rpt, v);
    rpt.preview(parent);
}
