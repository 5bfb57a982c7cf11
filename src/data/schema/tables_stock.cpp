// Stock and stock documents: warehouse and size-colour stock, the purchase reference list,
// transfers, splits, bundles, losses, overflows and stock counts.
#include "data/schema/tables.h"

namespace {

using enum ColumnType;

// Warehouse stock: quantity and moving-average cost per goods and warehouse
const ColumnDef kKcsp[] = {
    {"id", Counter}, {"kc_sl", Money}, {"kc_cbj", Money}, {"kc_xssl", Money}, {"g_sn", Varchar, 32},
    {"ck_sn", Varchar, 8},
};

// Size-colour stock per goods, size, colour, warehouse and batch
const ColumnDef kTkc[] = {
    {"id", Counter}, {"g_sn", Varchar, 16}, {"t_jhrq", Varchar, 16}, {"t_ph", Varchar, 64},
    {"t_scrq", Varchar, 16}, {"cm_sn", Varchar, 8}, {"color_sn", Varchar, 8}, {"t_sl", Money},
    {"ck_sn", Varchar, 8},
};

// Purchase reference list (goods to buy again or to return)
const ColumnDef kCkjth[] = {
    {"id", Counter}, {"g_sn", Varchar, 32}, {"jt_sl", Money}, {"ghs_name", Varchar, 128},
    {"jt_flag", Varchar, 1}, {"jt_rq", Varchar, 16},
};

// Stock transfer headers
const ColumnDef kKcdbd[] = {
    {"id", Counter}, {"gl_djh", Varchar, 16}, {"ck_out", Varchar, 8}, {"ck_in", Varchar, 8},
    {"db_dbrq", Varchar, 20}, {"u_sn", Varchar, 8}, {"db_note", Varchar, 200}, {"a_name", Varchar, 32},
};

// Stock transfer lines
const ColumnDef kDbsp[] = {
    {"id", Counter}, {"gl_djh", Varchar, 16}, {"g_sn", Varchar, 32}, {"db_sl", Money}, {"a_name", Varchar, 32},
    {"t_ph", Varchar, 64}, {"t_scrq", Varchar, 16}, {"g_xlh", Text}, {"tid", Int},
};

// Size-and-colour rows of transfer lines
const ColumnDef kDbspmx[] = {
    {"id", Counter}, {"gl_djh", Varchar, 16}, {"g_sn", Varchar, 32}, {"cm_sn", Varchar, 8},
    {"color_sn", Varchar, 8}, {"t_sl", Money}, {"a_name", Varchar, 32}, {"tid", Int},
};

// Goods split headers
const ColumnDef kCfd[] = {
    {"id", Counter}, {"gl_djh", Varchar, 16}, {"ck_sn", Varchar, 8}, {"cf_cfrq", Varchar, 16},
    {"g_sn", Varchar, 32}, {"cf_cbj", Money}, {"cf_sl", Money}, {"u_sn", Varchar, 8}, {"a_name", Varchar, 32},
    {"cf_note", Varchar, 200}, {"t_ph", Varchar, 64}, {"t_scrq", Varchar, 16},
};

// Goods split lines (goods produced)
const ColumnDef kCfsp[] = {
    {"id", Counter}, {"gl_djh", Varchar, 16}, {"g_sn", Varchar, 32}, {"cf_dj", Money}, {"cf_sl", Money},
    {"cf_zje", Money}, {"ck_sn", Varchar, 8}, {"a_name", Varchar, 32}, {"t_ph", Varchar, 64},
    {"t_scrq", Varchar, 16}, {"g_xlh", Text}, {"tid", Int},
};

// Goods bundle headers
const ColumnDef kKbd[] = {
    {"id", Counter}, {"gl_djh", Varchar, 16}, {"ck_sn", Varchar, 8}, {"kb_kbrq", Varchar, 16},
    {"g_sn", Varchar, 32}, {"kb_cbj", Money}, {"kb_sl", Money}, {"u_sn", Varchar, 8}, {"a_name", Varchar, 32},
    {"kb_note", Varchar, 200}, {"t_ph", Varchar, 64}, {"t_scrq", Varchar, 16},
};

// Goods bundle lines (goods consumed)
const ColumnDef kKbsp[] = {
    {"id", Counter}, {"gl_djh", Varchar, 16}, {"g_sn", Varchar, 32}, {"kb_dj", Money}, {"kb_sl", Money},
    {"kb_zje", Money}, {"ck_sn", Varchar, 8}, {"a_name", Varchar, 32}, {"t_ph", Varchar, 64},
    {"t_scrq", Varchar, 16}, {"g_xlh", Text}, {"tid", Int},
};

// Size-and-colour rows of bundle lines
const ColumnDef kKbspmx[] = {
    {"id", Counter}, {"gl_djh", Varchar, 16}, {"g_sn", Varchar, 32}, {"cm_sn", Varchar, 8},
    {"color_sn", Varchar, 8}, {"t_sl", Money}, {"a_name", Varchar, 32}, {"tid", Int},
};

// Stock loss report headers
const ColumnDef kBsd[] = {
    {"id", Counter}, {"gl_djh", Varchar, 16}, {"ck_sn", Varchar, 8}, {"bs_bsrq", Varchar, 16},
    {"u_sn", Varchar, 8}, {"bs_note", Varchar, 200}, {"a_name", Varchar, 32},
};

// Stock loss report lines
const ColumnDef kBssp[] = {
    {"id", Counter}, {"gl_djh", Varchar, 16}, {"g_sn", Varchar, 32}, {"bs_sl", Money}, {"bs_dj", Money},
    {"bs_zje", Money}, {"bs_note", Varchar, 200}, {"a_name", Varchar, 32}, {"t_ph", Varchar, 64},
    {"t_scrq", Varchar, 16}, {"g_xlh", Text}, {"tid", Int},
};

// Size-and-colour rows of loss lines
const ColumnDef kBsspmx[] = {
    {"id", Counter}, {"gl_djh", Varchar, 16}, {"g_sn", Varchar, 32}, {"cm_sn", Varchar, 8},
    {"color_sn", Varchar, 8}, {"t_sl", Money}, {"a_name", Varchar, 32}, {"tid", Int},
};

// Stock overflow report headers
const ColumnDef kByd[] = {
    {"id", Counter}, {"gl_djh", Varchar, 16}, {"ck_sn", Varchar, 8}, {"by_byrq", Varchar, 16},
    {"u_sn", Varchar, 8}, {"by_note", Varchar, 200}, {"a_name", Varchar, 32},
};

// Stock overflow report lines
const ColumnDef kBysp[] = {
    {"id", Counter}, {"gl_djh", Varchar, 16}, {"g_sn", Varchar, 32}, {"by_sl", Money}, {"by_dj", Money},
    {"by_zje", Money}, {"by_note", Varchar, 200}, {"a_name", Varchar, 32}, {"t_ph", Varchar, 64},
    {"t_scrq", Varchar, 16}, {"g_xlh", Text}, {"tid", Int},
};

// Size-and-colour rows of overflow lines
const ColumnDef kByspmx[] = {
    {"id", Counter}, {"gl_djh", Varchar, 16}, {"g_sn", Varchar, 32}, {"cm_sn", Varchar, 8},
    {"color_sn", Varchar, 8}, {"t_sl", Money}, {"a_name", Varchar, 32}, {"tid", Int},
};

// Stock count lines
const ColumnDef kKcpd[] = {
    {"id", Counter}, {"gl_djh", Varchar, 16}, {"g_sn", Varchar, 32}, {"pd_sl", Money}, {"ck_sn", Varchar, 8},
    {"pd_rq", Varchar, 16}, {"kc_sl", Money}, {"pd_status", Bit}, {"pd_note", Varchar, 200},
    {"a_name", Varchar, 32}, {"tid", Int},
};

// Size-and-colour rows of stock count lines
const ColumnDef kKcpdmx[] = {
    {"id", Counter}, {"gl_djh", Varchar, 16}, {"g_sn", Varchar, 32}, {"cm_sn", Varchar, 8},
    {"color_sn", Varchar, 8}, {"t_sl", Money}, {"t_oldsl", Money}, {"g_sj", Money}, {"a_name", Varchar, 32},
    {"tid", Int},
};

const char* const kByGoodsAndWarehouse[] = {"g_sn,ck_sn"};
// Transfer, loss and overflow documents: headers and lines by number (and date), rows by number
// and line, so that a posting finds its own among many earlier documents.
const char* const kDocNumber[] = {"gl_djh"};
const char* const kDocRows[] = {"gl_djh,tid"};
const char* const kTransferHeads[] = {"gl_djh", "db_dbrq"};
const char* const kLossHeads[] = {"gl_djh", "bs_bsrq"};
const char* const kOverflowHeads[] = {"gl_djh", "by_byrq"};
// A variant's stock row is found by goods, warehouse, size and colour (every stock move does so);
// the same index serves the look-ups by goods and warehouse. Without the full key the planner takes
// the colour index, which holds a warehouse's whole stock of one colour. The size × colour stock
// view finds the sizes and colours present in a warehouse's stock.
const char* const kTkcIndexes[] = {"g_sn,ck_sn,cm_sn,color_sn", "cm_sn,ck_sn", "color_sn,ck_sn"};

// Count sheets are read by number, by goods and warehouse, and their size and colour rows by line.
const char* const kKcpdIndexes[] = {"gl_djh", "g_sn,ck_sn"};
const char* const kKcpdmxIndexes[] = {"tid", "gl_djh"};

const TableDef kTables[] = {
    {.name = "jxc_kcsp", .columns = kKcsp, .indexes = kByGoodsAndWarehouse},
    {.name = "jxc_tkc", .columns = kTkc, .indexes = kTkcIndexes},
    {.name = "jxc_ckjth", .columns = kCkjth},
    {.name = "jxc_kcdbd", .columns = kKcdbd, .indexes = kTransferHeads},
    {.name = "jxc_dbsp", .columns = kDbsp, .indexes = kDocNumber},
    {.name = "jxc_dbspmx", .columns = kDbspmx, .indexes = kDocRows},
    {.name = "jxc_cfd", .columns = kCfd},
    {.name = "jxc_cfsp", .columns = kCfsp},
    {.name = "jxc_kbd", .columns = kKbd},
    {.name = "jxc_kbsp", .columns = kKbsp},
    {.name = "jxc_kbspmx", .columns = kKbspmx},
    {.name = "jxc_bsd", .columns = kBsd, .indexes = kLossHeads},
    {.name = "jxc_bssp", .columns = kBssp, .indexes = kDocNumber},
    {.name = "jxc_bsspmx", .columns = kBsspmx, .indexes = kDocRows},
    {.name = "jxc_byd", .columns = kByd, .indexes = kOverflowHeads},
    {.name = "jxc_bysp", .columns = kBysp, .indexes = kDocNumber},
    {.name = "jxc_byspmx", .columns = kByspmx, .indexes = kDocRows},
    {.name = "jxc_kcpd", .columns = kKcpd, .indexes = kKcpdIndexes},
    {.name = "jxc_kcpdmx", .columns = kKcpdmx, .indexes = kKcpdmxIndexes},
};

}  // namespace

std::span<const TableDef> stockTables()
{
    return kTables;
}
