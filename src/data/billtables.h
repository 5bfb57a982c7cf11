// The tables that hold one bill kind's lines: the line table and the size and colour rows of
// its lines (gl_djh = the document number, tid = the line's id), and the columns the shared
// line and posting routines need.
#pragma once

struct BillLineTables {
    const char* lineTable;       // e.g. "jxc_jhsp"
    const char* rowTable;        // e.g. "jxc_jhspmx" (gl_djh, tid, g_sn, cm_sn, color_sn, t_sl, a_name)
    const char* numberColumn;    // document number of a line, e.g. "j_sn"
    const char* quantityColumn;  // e.g. "jh_sl"
    const char* priceColumn;     // e.g. "jh_dj"; nullptr for lines without money (transfers)
    const char* amountColumn;    // e.g. "jh_zje"; nullptr alike
    // Bills that sell at a discount: the line's discount rate (1 = none; the amount is price ×
    // rate × quantity) and the column that keeps the amount the line was first written with.
    const char* rateColumn = nullptr;        // e.g. "ls_dzl"
    const char* firstAmountColumn = nullptr;  // e.g. "ls_zhje"
};

// Purchase receipt lines.
inline constexpr BillLineTables kReceiptLines{"jxc_jhsp", "jxc_jhspmx", "j_sn", "jh_sl", "jh_dj", "jh_zje"};
// Sales bill lines.
inline constexpr BillLineTables kSalesLines{"jxc_lsxssp", "jxc_lsxsspmx", "gl_djh", "ls_sl", "ls_dj", "ls_zje",
                                            "ls_dzl", "ls_zhje"};

// Pending bill lines (held purchase receipts and sales bills).
inline constexpr BillLineTables kPendingLines{"jxc_shsp", "jxc_shspmx", "gl_djh", "sh_sl", "sh_dj", "sh_zje"};
// Purchase return lines.
inline constexpr BillLineTables kReturnLines{"jxc_thsp", "jxc_thspmx", "gl_djh", "th_sl", "th_dj", "th_zje"};

// Stock transfer lines (no price, no amount).
inline constexpr BillLineTables kTransferLines{"jxc_dbsp", "jxc_dbspmx", "gl_djh", "db_sl", nullptr, nullptr};
// Loss and overflow lines (priced at the goods' preset purchase price).
inline constexpr BillLineTables kLossLines{"jxc_bssp", "jxc_bsspmx", "gl_djh", "bs_sl", "bs_dj", "bs_zje"};
inline constexpr BillLineTables kOverflowLines{"jxc_bysp", "jxc_byspmx", "gl_djh", "by_sl", "by_dj", "by_zje"};
// Customer return lines (a sales bill's lines taken back, with their discount rate).
inline constexpr BillLineTables kCustomerReturnLines{"jxc_xsthsp", "jxc_xsthspmx", "gl_djh", "th_sl", "th_dj", "th_zje",
                                                     "th_dzl", "th_zhje"};
