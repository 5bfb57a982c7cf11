// What the salesman window reads of one staff member: the bills and payments that name the
// member as handler, the lines of one of them, the four totals, and the reprint of a bill or
// voucher from its stored rows.
#pragma once

#include "bills/billprint.h"
#include "data/values.h"

#include <QString>

class QWidget;

// The six kinds united, ordered by kind (dsort): djh, ck_name, yfje, sfje, u_name, u_sn, zflx.
// Rows whose partner, handler or warehouse no longer exists are left out.
QString salesmanBillsSql(const QString& uSn);
// The goods lines of a bill by its number's prefix ("CJ", "CT", "XS", "XT"): g_sn, sl, dj,
// zje, g_name, dw_name. "" for payments and other numbers.
QString salesmanLinesSql(const QString& djh);

struct SalesmanTotals {
    Money purchase;  // "采购金额："
    Money paid;      // "我方已付："
    Money sales;     // "销售金额："
    Money received;  // "客户已付："
};
// Sums over the tables themselves, so rows the list leaves out still count.
SalesmanTotals salesmanTotals(const QString& uSn);

// ---- Reprint -------------------------------------------------------------------------------------

// The print of a stored bill ("CJ", "CT", "XS", "XT"): its template, header variables and line
// dataset. A customer return prints its payable and paid amounts with the sign changed.
// Empty template for other numbers.
BillPrint reprintBill(const QString& djh);

// The print of a stored payment ("GF" supplier payment, "KF" customer receipt): its template,
// variables and the amount spread over the voucher's digit cells. Empty template for others.
struct VoucherPrint {
    BillPrint print;  // no line dataset
    Money amount;
};
VoucherPrint reprintVoucher(const QString& djh);

// The preview of any of the six kinds; other numbers show nothing.
void previewStoredBill(const QString& djh, QWidget* parent = nullptr);
