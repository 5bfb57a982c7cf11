// Bills of purchasing and wholesale sales: receipts, returns, pending bills, sales bills,
// customer returns, held sales lines and goods lent, each with its size-and-colour rows.
#include "data/schema/tables.h"

namespace {

using enum ColumnType;

// Purchase receipt headers
const ColumnDef kJhd[] = {
    {"id", Counter}, {"j_sn", Varchar, 16}, {"ghs_sn", Varchar, 8}, {"ck_sn", Varchar, 8},
    {"j_jhrq", Varchar, 16}, {"j_yfje", Money}, {"j_sfje", Money}, {"u_sn", Varchar, 8},
    {"j_note", Varchar, 200}, {"a_name", Varchar, 32}, {"j_sn2", Varchar, 16}, {"j_yhje", Money}, {"j_th", Int},
    {"j_qk", Bit}, {"j_dhdid", Varchar, 16}, {"j_dhbz", Int},
};

// Purchase receipt lines
const ColumnDef kJhsp[] = {
    {"id", Counter}, {"j_sn", Varchar, 16}, {"jh_dj", Money}, {"jh_sl", Money}, {"jh_zje", Money},
    {"jh_dzl", Money}, {"g_sn", Varchar, 32}, {"a_name", Varchar, 32}, {"t_ph", Varchar, 64},
    {"t_scrq", Varchar, 16}, {"g_xlh", Text}, {"tid", Int},
};

// Size-and-colour rows of purchase receipt lines
const ColumnDef kJhspmx[] = {
    {"id", Counter}, {"gl_djh", Varchar, 16}, {"g_sn", Varchar, 32}, {"cm_sn", Varchar, 8},
    {"color_sn", Varchar, 8}, {"t_sl", Money}, {"a_name", Varchar, 32}, {"tid", Int},
};

// Purchase return headers
const ColumnDef kThd[] = {
    {"id", Counter}, {"gl_djh", Varchar, 16}, {"ghs_sn", Varchar, 8}, {"ck_sn", Varchar, 8},
    {"th_thrq", Varchar, 16}, {"th_yfje", Money}, {"th_sfje", Money}, {"u_sn", Varchar, 8},
    {"th_note", Varchar, 200}, {"a_name", Varchar, 32}, {"th_qk", Bit},
};

// Purchase return lines
const ColumnDef kThsp[] = {
    {"id", Counter}, {"gl_djh", Varchar, 16}, {"g_sn", Varchar, 32}, {"th_dj", Money}, {"th_sl", Money},
    {"th_zje", Money}, {"a_name", Varchar, 32}, {"t_ph", Varchar, 64}, {"t_scrq", Varchar, 16}, {"g_xlh", Text},
    {"tid", Int},
};

// Size-and-colour rows of purchase return lines
const ColumnDef kThspmx[] = {
    {"id", Counter}, {"gl_djh", Varchar, 16}, {"g_sn", Varchar, 32}, {"cm_sn", Varchar, 8},
    {"color_sn", Varchar, 8}, {"t_sl", Money}, {"a_name", Varchar, 32}, {"tid", Int},
};

// Pending bill headers (purchase receipts and sales bills saved unaudited)
const ColumnDef kShdj[] = {
    {"id", Counter}, {"gl_djh", Varchar, 16}, {"ghs_sn", Varchar, 8}, {"ck_sn", Varchar, 8},
    {"sh_rq", Varchar, 16}, {"sh_yfje", Money}, {"sh_sfje", Money}, {"sh_yhje", Money}, {"u_sn", Varchar, 8},
    {"sh_note", Varchar, 200}, {"a_name", Varchar, 32}, {"gl_djh2", Varchar, 16}, {"sh_th", Int},
    {"sh_flag", Varchar, 8}, {"sh_djzt", Int}, {"sh_kmmc", Varchar, 32},
};

// Pending bill lines
const ColumnDef kShsp[] = {
    {"id", Counter}, {"gl_djh", Varchar, 16}, {"g_sn", Varchar, 32}, {"sh_dj", Money}, {"sh_sl", Money},
    {"sh_zje", Money}, {"sh_dzl", Money}, {"sh_zhje", Money}, {"a_name", Varchar, 32}, {"t_ph", Varchar, 64},
    {"t_scrq", Varchar, 16}, {"g_xlh", Text}, {"tid", Int},
};

// Size-and-colour rows of pending bill lines
const ColumnDef kShspmx[] = {
    {"id", Counter}, {"gl_djh", Varchar, 16}, {"g_sn", Varchar, 32}, {"cm_sn", Varchar, 8},
    {"color_sn", Varchar, 8}, {"t_sl", Money}, {"a_name", Varchar, 32}, {"tid", Int},
};

// Sales bill headers (also the headers of till sales)
const ColumnDef kLsxsd[] = {
    {"id", Counter}, {"gl_djh", Varchar, 16}, {"kh_sn", Varchar, 8}, {"ck_sn", Varchar, 8},
    {"ls_xsrq", Varchar, 32}, {"ls_yfje", Money}, {"ls_sfje", Money}, {"u_sn", Varchar, 8},
    {"ls_note", Varchar, 200}, {"a_name", Varchar, 32}, {"gl_djh2", Varchar, 16}, {"ls_yhje", Money},
    {"ls_th", Int}, {"ls_qk", Bit}, {"ls_fdmc", Varchar, 32}, {"ls_hy", Varchar, 32}, {"ls_ckrq", Varchar, 16},
    {"ls_dhbz", Int}, {"ls_lr", Money}, {"ls_zt", Varchar, 8}, {"hy_sn", Varchar, 8}, {"pos_xfcs", Int},
    {"pos_sdjf", Int}, {"pos_zffs", Int}, {"pos_xj", Money}, {"pos_czk", Money}, {"pos_yhk", Money},
    {"pos_djq", Money}, {"pos_rjid", Varchar, 32}, {"hy_fdzt", Varchar, 32}, {"hy_fd", Varchar, 32},
};

// Sales bill lines (also the lines of till sales)
const ColumnDef kLsxssp[] = {
    {"id", Counter}, {"gl_djh", Varchar, 16}, {"g_sn", Varchar, 32}, {"ls_dj", Money}, {"ls_sl", Money},
    {"ls_zje", Money}, {"a_name", Varchar, 32}, {"ls_dzl", Money}, {"ls_zhje", Money}, {"ls_dhdj", Money},
    {"ls_dhbz", Int}, {"ghs_sn", Varchar, 8}, {"gl_djh2", Varchar, 16}, {"t_ph", Varchar, 64},
    {"t_scrq", Varchar, 16}, {"g_xlh", Text}, {"tid", Int},
};

// Size-and-colour rows of sales lines
const ColumnDef kLsxsspmx[] = {
    {"id", Counter}, {"gl_djh", Varchar, 16}, {"g_sn", Varchar, 32}, {"cm_sn", Varchar, 8},
    {"color_sn", Varchar, 8}, {"t_sl", Money}, {"a_name", Varchar, 32}, {"t_kc", Int}, {"tid", Int},
};

// Customer return headers (also till returns)
const ColumnDef kXsthd[] = {
    {"id", Counter}, {"gl_djh", Varchar, 16}, {"kh_sn", Varchar, 8}, {"ck_sn", Varchar, 8},
    {"th_xsrq", Varchar, 32}, {"th_yfje", Money}, {"th_sfje", Money}, {"u_sn", Varchar, 8},
    {"th_note", Varchar, 200}, {"a_name", Varchar, 32}, {"th_qk", Bit}, {"th_zt", Varchar, 32},
    {"th_fdmc", Varchar, 50}, {"th_lr", Money}, {"hy_sn", Varchar, 8}, {"pos_zffs", Int}, {"pos_xj", Money},
    {"pos_czk", Money}, {"pos_yhk", Money}, {"pos_djq", Money}, {"pos_yhje", Money}, {"pos_sdjf", Int},
    {"pos_rjid", Varchar, 50},
};

// Customer return lines
const ColumnDef kXsthsp[] = {
    {"id", Counter}, {"gl_djh", Varchar, 16}, {"g_sn", Varchar, 32}, {"th_dj", Money}, {"th_sl", Money},
    {"th_zje", Money}, {"a_name", Varchar, 20}, {"th_dzl", Money}, {"th_zhje", Money}, {"t_ph", Varchar, 64},
    {"t_scrq", Varchar, 16}, {"g_xlh", Text}, {"tid", Int},
};

// Size-and-colour rows of customer return lines
const ColumnDef kXsthspmx[] = {
    {"id", Counter}, {"gl_djh", Varchar, 16}, {"g_sn", Varchar, 32}, {"cm_sn", Varchar, 8},
    {"color_sn", Varchar, 8}, {"t_sl", Money}, {"a_name", Varchar, 32}, {"tid", Int},
};

// Held sales lines (parked per operator)
const ColumnDef kLsxssptemp[] = {
    {"id", Counter}, {"gl_djh", Varchar, 16}, {"g_sn", Varchar, 32}, {"ls_dj", Money}, {"ls_sl", Money},
    {"ls_zje", Money}, {"a_name", Varchar, 32}, {"ls_dzl", Money}, {"ls_zhje", Money}, {"ls_dhdj", Money},
    {"ls_dhbz", Int}, {"ls_flag", Varchar, 8}, {"ghs_sn", Varchar, 8}, {"gl_djh2", Varchar, 16},
    {"ls_xsrq", Varchar, 32}, {"t_ph", Varchar, 64}, {"t_scrq", Varchar, 16}, {"g_xlh", Text},
};

// Goods lent to customers
const ColumnDef kJhgl[] = {
    {"id", Counter}, {"kh_sn", Varchar, 8}, {"jh_rq", Varchar, 16}, {"gl_djh", Varchar, 16},
    {"g_sn", Varchar, 32}, {"jh_dj", Money}, {"jh_sl", Money}, {"ck_sn", Varchar, 8}, {"u_sn", Varchar, 8},
    {"a_name", Varchar, 32}, {"jh_note", Varchar, 200}, {"jh_flag", Varchar, 2}, {"t_ph", Varchar, 64},
    {"t_scrq", Varchar, 16}, {"g_xlh", Text}, {"tid", Int},
};

// Size-and-colour rows of goods lent
const ColumnDef kJhglmx[] = {
    {"id", Counter}, {"gl_djh", Varchar, 16}, {"g_sn", Varchar, 32}, {"cm_sn", Varchar, 8},
    {"color_sn", Varchar, 8}, {"t_sl", Money}, {"a_name", Varchar, 32}, {"tid", Int},
};

// Headers and lines are found by their document number, size-and-colour rows by number and line.
const char* const kByReceipt[] = {"j_sn"};
const char* const kByNumber[] = {"gl_djh"};
const char* const kByLine[] = {"gl_djh,tid"};
// The stock queries read the lines of one goods and the headers of a period.
// The account windows read a partner's bills by partner and date.
const char* const kReceiptHeads[] = {"j_sn", "j_jhrq", "ghs_sn,j_jhrq"};
const char* const kReceiptLines[] = {"j_sn", "g_sn"};
const char* const kLinesByGoods[] = {"gl_djh", "g_sn"};
const char* const kReturnHeads[] = {"gl_djh", "th_thrq", "ghs_sn,th_thrq"};
const char* const kSaleHeads[] = {"gl_djh", "ls_xsrq", "kh_sn,ls_xsrq"};
const char* const kCustomerReturnHeads[] = {"gl_djh", "th_xsrq", "kh_sn,th_xsrq"};

const TableDef kTables[] = {
    {.name = "jxc_jhd", .columns = kJhd, .indexes = kReceiptHeads},
    {.name = "jxc_jhsp", .columns = kJhsp, .indexes = kReceiptLines},
    {.name = "jxc_jhspmx", .columns = kJhspmx, .indexes = kByLine},
    {.name = "jxc_thd", .columns = kThd, .indexes = kReturnHeads},
    {.name = "jxc_thsp", .columns = kThsp, .indexes = kLinesByGoods},
    {.name = "jxc_thspmx", .columns = kThspmx, .indexes = kByLine},
    {.name = "jxc_shdj", .columns = kShdj, .indexes = kByNumber},
    {.name = "jxc_shsp", .columns = kShsp, .indexes = kByNumber},
    {.name = "jxc_shspmx", .columns = kShspmx, .indexes = kByLine},
    {.name = "jxc_lsxsd", .columns = kLsxsd, .indexes = kSaleHeads},
    {.name = "jxc_lsxssp", .columns = kLsxssp, .indexes = kLinesByGoods},
    {.name = "jxc_lsxsspmx", .columns = kLsxsspmx, .indexes = kByLine},
    {.name = "jxc_xsthd", .columns = kXsthd, .indexes = kCustomerReturnHeads},
    {.name = "jxc_xsthsp", .columns = kXsthsp, .indexes = kLinesByGoods},
    {.name = "jxc_xsthspmx", .columns = kXsthspmx, .indexes = kByLine},
    {.name = "jxc_lsxssptemp", .columns = kLsxssptemp},
    {.name = "jxc_jhgl", .columns = kJhgl},
    {.name = "jxc_jhglmx", .columns = kJhglmx, .indexes = kByLine},
};

}  // namespace

std::span<const TableDef> billTables()
{
    return kTables;
}
