// What the purchase query and statistics windows share: the print of a posted receipt or
// return chosen in a list, and the size and colour viewer of a posted line.
#pragma once

#include "bills/billprint.h"

#include <optional>

// A posted receipt: its lines (no size and colour rows) and its header's values.
BillPrint cgjhPostedPrint(const QString& jSn);
// A posted receipt ("CJ…") or return ("CT…") with one row per line, size and colour (lines
// without size and colour rows do not print) and the header's values; nothing for another
// kind of number.
std::optional<BillPrint> postedPurchasePrint(const QString& djh);
// The size and colour detail viewer ("TF_Detail") of a posted line: `djh` or the journal kind
// chooses "jxc_jhspmx" (receipt), "jxc_thspmx" (purchase return), "jxc_lsxsspmx" (sale) or
// "jxc_xsthspmx" (customer return). Nothing without a line id.
void showLineDetail(const QString& djhOrFlag, const QString& gSn, const QString& tid);
