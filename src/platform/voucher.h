// Printed vouchers of money moved without goods: the supplier payment ("ghsfukuan.fr3"), the
// customer receipt ("khsk.fr3") and the deposit, withdrawal and expense vouchers of the cash
// and bank windows, whose layout the program keeps in code. All three share the amount row:
// the amount in capitals ([sf], from moneyToDx) beside twelve digit cells headed 十 亿 千 百 十 万
// 千 百 十 元 角 分 ([shiyi] … [fen]).
#pragma once

#include "data/values.h"
#include "platform/reporttemplate.h"

class Report;

enum class VoucherKind {
    SupplierPayment,  // payer the company, payee the supplier ([ghsName], [ghsTele], [ghsAddress]); [djh], [fkfs]
    CustomerReceipt,  // payer the customer ([khName], [khTele], [khAddress]), payee the company; [djh], [fkfs]
    Money,            // [fymc] "费用名称" and [fkfs] "付款账户"
};

// The layout of a voucher: [bTitle], the print date, the kind's blocks, the amount row,
// [pnote], [uname] and [aname]. The shipped templates "ghsfukuan.fr3" and "khsk.fr3" are these
// layouts written to file.
ReportTemplate voucherLayout(VoucherKind kind);

// Sets the twelve digit cells of `amount` as quoted variables of the report.
void setVoucherDigits(Report& rpt, Money amount);
