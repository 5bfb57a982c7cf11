// Printing of an exchange bill: an A4 layout built here, the goods going out and the goods
// coming back in two groups ("出库商品", "入库商品") with their subtotals, the bill's total and
// the settlement amount in figures and in capitals.
#pragma once

#include "bills/billprint.h"
#include "sales/spxsprint.h"

// The layout of the exchange bill.
ReportTemplate xshhLayout();
// The line dataset: the bill's lines with their goods and their group `lstype`, the goods going
// out first, each group in line order.
QString xshhLinesSql(const QString& djh);
// The print of the exchange in its window: `due` is the receivable as shown, printed as it stands
// ("yf") and in capitals ("sf", "负…" when negative).
BillPrint xshhPrint(const SpxsPrintBill& bill);
