// The money side and the journals: accounts and the cash journal, the party ledger, vouchers,
// expenses and income, fixed assets, the goods movement journal and the summaries.
#include "data/schema/tables.h"

namespace {

using enum ColumnType;

// Money accounts (cash and bank)
const ColumnDef kYhzh[] = {
    {"id", Counter}, {"yh_sn", Varchar, 8}, {"yh_type", Varchar, 32}, {"yh_name", Varchar, 32},
    {"yh_zje", Money}, {"yh_note", Varchar, 200},
};

// Cash journal: one signed row per money movement
const ColumnDef kXjyh[] = {
    {"id", Counter}, {"xj_rq", Varchar, 16}, {"gl_djh", Varchar, 16}, {"xj_dlx", Varchar, 32}, {"xj_je", Money},
    {"u_name", Varchar, 32}, {"ghs_name", Varchar, 128}, {"ghs_sn", Varchar, 8}, {"ck_name", Varchar, 64},
    {"xj_kmmc", Varchar, 64}, {"xj_note", Varchar, 200}, {"a_name", Varchar, 32},
};

// Party ledger: one row per money event of a supplier or customer
const ColumnDef kYsyfk[] = {
    {"id", Counter}, {"gl_djh", Varchar, 16}, {"k_rq", Varchar, 32}, {"k_fkfs", Varchar, 32}, {"k_yfje", Money},
    {"k_sfje", Money}, {"k_qcje", Money}, {"k_yhje", Money}, {"k_ljje", Money}, {"k_flag", Int},
    {"k_type", Varchar, 4}, {"k_djlx", Varchar, 4}, {"k_djtxt", Varchar, 16}, {"k_note", Varchar, 200},
    {"u_sn", Varchar, 8}, {"a_name", Varchar, 32}, {"k_ghskh", Varchar, 8},
};

// Payment vouchers to suppliers (document-based account)
const ColumnDef kGhsfk[] = {
    {"id", Counter}, {"gf_sn", Varchar, 16}, {"gf_fkrq", Varchar, 32}, {"gf_fkfs", Varchar, 32},
    {"gf_fkje", Money}, {"gf_note", Varchar, 200}, {"gl_djh", Varchar, 16}, {"gf_je", Money},
    {"u_sn", Varchar, 8}, {"a_name", Varchar, 32}, {"ghs_sn", Varchar, 8},
};

// Receipt vouchers from customers (document-based account)
// The account windows read payments by number, by date and by partner and date.
const char* const kSupplierPayments[] = {"gf_sn", "gf_fkrq", "ghs_sn,gf_fkrq"};
const char* const kCustomerReceipts[] = {"kf_sn", "kf_fkrq", "kh_sn,kf_fkrq"};

const ColumnDef kKhfk[] = {
    {"id", Counter}, {"kf_sn", Varchar, 16}, {"kf_fkrq", Varchar, 32}, {"kf_fkfs", Varchar, 32},
    {"kf_fkje", Money}, {"kf_note", Varchar, 200}, {"gl_djh", Varchar, 16}, {"kf_je", Money},
    {"kf_fdmc", Varchar, 32}, {"u_sn", Varchar, 8}, {"a_name", Varchar, 32}, {"kh_sn", Varchar, 8},
};

// Allotment of payment and receipt vouchers to documents
const ColumnDef kFkmx[] = {
    {"id", Counter}, {"fk_sn", Varchar, 16}, {"gl_djh", Varchar, 16}, {"fk_je", Money}, {"fk_lx", Bit},
};

// Expenses and income
const ColumnDef kYyfy[] = {
    {"id", Counter}, {"fy_rq", Varchar, 16}, {"fy_lx", Varchar, 64}, {"fy_je", Money}, {"u_sn", Varchar, 8},
    {"fy_note", Varchar, 200}, {"a_name", Varchar, 32}, {"fy_sc", Varchar, 16},
};

// Expense and income types
const ColumnDef kFylx[] = {
    {"id", Counter}, {"fy_lx", Varchar, 64}, {"fy_fx", Int}, {"fy_note", Varchar, 200},
};

// Fixed-asset totals (one row)
const ColumnDef kGdzc[] = {
    {"id", Counter}, {"zc_qcje", Money}, {"zc_ljje", Money},
};

// Fixed-asset entries
const ColumnDef kZcmx[] = {
    {"id", Counter}, {"zc_rq", Varchar, 16}, {"zc_je", Money}, {"zc_lx", Varchar, 32},
    {"zc_note", Varchar, 200}, {"u_name", Varchar, 32}, {"a_name", Varchar, 32},
};

// Goods movement journal: one row per goods line of every posted document
const ColumnDef kGoodslist[] = {
    {"id", Counter}, {"gl_flag", Varchar, 8}, {"gl_djh", Varchar, 16}, {"gl_kdrq", Varchar, 32},
    {"g_sn", Varchar, 32}, {"g_name", Varchar, 64}, {"g_jm", Varchar, 32}, {"dw_name", Varchar, 64},
    {"gl_dj", Money}, {"gl_sl", Money}, {"gl_zje", Money}, {"gl_lr", Money}, {"u_name", Varchar, 32},
    {"a_name", Varchar, 32}, {"ck_sn", Varchar, 8}, {"ck_name", Varchar, 64}, {"ghs_sn", Varchar, 8},
    {"ghs_name", Varchar, 64}, {"gg_name", Varchar, 64}, {"color_name", Varchar, 64}, {"gl_sysl", Money},
    {"gl_fdmc", Varchar, 64}, {"gl_dqkc", Money}, {"t_ph", Varchar, 64}, {"t_scrq", Varchar, 16},
    {"gl_dzl", Money}, {"g_xlh", Text}, {"tid", Int},
};

// Size-and-colour rows of the goods movement journal
const ColumnDef kGoodslistmx[] = {
    {"id", Counter}, {"gl_flag", Varchar, 8}, {"gl_djh", Varchar, 16}, {"gl_kdrq", Varchar, 32},
    {"g_sn", Varchar, 32}, {"gl_dj", Money}, {"gl_sl", Money}, {"cm_sn", Varchar, 8}, {"color_sn", Varchar, 8},
    {"ck_sn", Varchar, 8}, {"ghs_sn", Varchar, 8}, {"u_name", Varchar, 32}, {"a_name", Varchar, 32},
    {"tid", Int},
};

// Goods daily movement (per date and goods)
const ColumnDef kTempspbd[] = {
    {"id", Counter}, {"t_rq", Varchar, 16}, {"g_sn", Varchar, 32}, {"g_name", Varchar, 64}, {"t_cg", Money},
    {"t_ct", Money}, {"t_cj", Money}, {"t_xs", Money}, {"t_xt", Money}, {"t_xj", Money},
    {"a_name", Varchar, 32},
};

// Daily business summary (one row per date)
const ColumnDef kTempyyfx[] = {
    {"id", Counter}, {"yy_rq", Varchar, 16}, {"yy_cgsl", Money}, {"yy_cgje", Money}, {"yy_xssl", Money},
    {"yy_xsje", Money}, {"yy_xscb", Money}, {"yy_xslr", Money}, {"a_name", Varchar, 32},
};

// Monthly stock account (one row per month and warehouse)
const ColumnDef kKcjs[] = {
    {"id", Counter}, {"js_rq", Varchar, 16}, {"js_sl", Money}, {"js_zje", Money}, {"js_xssl", Money},
    {"js_xsje", Money}, {"js_cgsl", Money}, {"js_cgje", Money}, {"js_xslr", Money}, {"js_xscb", Money},
    {"ck_sn", Varchar, 8},
};

// The account types end in a blank.
const char* const kYhzhRows[] = {
    "'100001','现金 ','现金',0,''",
    "'100002','全部银行合计 ','工行帐号',0,''",
    "'100003','全部银行合计 ','建行帐号',0,''",
};
const char* const kGdzcRows[] = {"0,0"};

// A partner's rows by date (the running balance), every posted row by its document number, and
// one side's rows by date (the statements of every partner).
const char* const kYsyfkIndexes[] = {"k_ghskh", "k_ghskh,k_type,k_rq", "gl_djh", "k_type,k_rq"};
// The cash journal by document number and an account's rows by date (its journal of a period).
const char* const kXjyhIndexes[] = {"gl_djh", "xj_kmmc,xj_rq"};
// The journal by goods, number and date, and a partner's latest bill of a kind (the bill
// windows' recent partners).
const char* const kGoodslistIndexes[] = {"g_sn", "gl_djh", "gl_kdrq", "ghs_sn,gl_flag,gl_djh", "gl_flag"};
// The purchase rows ("cj" receipts, "ct" returns) by goods and date, carrying every column the
// purchase statistics read: their totals per goods and per category over a year are one pass
// over this index in goods order, without the table and without a sort. Sales and stock rows
// are not in it and cost it nothing. The statistics name it and repeat its condition word for
// word, so that SQLite takes it also in a database that was never analysed.
const IndexDef kGoodslistNamedIndexes[] = {
    {.name = "ix_jxc_goodslist_purchases",
     .columns = "g_sn,gl_kdrq,gl_flag,ghs_sn,gl_sl,gl_zje,g_name,g_jm,dw_name,gg_name,color_name,ghs_name,gl_djh,"
                "u_name,ck_sn",
     .where = "gl_flag='cj' or gl_flag='ct'"},
};
const char* const kGoodslistmxIndexes[] = {"gl_djh", "gl_kdrq"};
const char* const kByDay[] = {"yy_rq"};
const char* const kByMonth[] = {"js_rq,ck_sn"};

const TableDef kTables[] = {
    {.name = "jxc_yhzh", .columns = kYhzh, .rows = {"yh_sn,yh_type,yh_name,yh_zje,yh_note", kYhzhRows}},
    {.name = "jxc_xjyh", .columns = kXjyh, .indexes = kXjyhIndexes},
    {.name = "jxc_ysyfk", .columns = kYsyfk, .indexes = kYsyfkIndexes},
    {.name = "jxc_ghsfk", .columns = kGhsfk, .indexes = kSupplierPayments},
    {.name = "jxc_khfk", .columns = kKhfk, .indexes = kCustomerReceipts},
    {.name = "jxc_fkmx", .columns = kFkmx},
    {.name = "jxc_yyfy", .columns = kYyfy},
    {.name = "jxc_fylx", .columns = kFylx},
    {.name = "jxc_gdzc", .columns = kGdzc, .rows = {"zc_qcje,zc_ljje", kGdzcRows}},
    {.name = "jxc_zcmx", .columns = kZcmx},
    {.name = "jxc_goodslist",
     .columns = kGoodslist,
     .indexes = kGoodslistIndexes,
     .namedIndexes = kGoodslistNamedIndexes},
    {.name = "jxc_goodslistmx", .columns = kGoodslistmx, .indexes = kGoodslistmxIndexes},
    {.name = "jxc_tempspbd", .columns = kTempspbd},
    {.name = "jxc_tempyyfx", .columns = kTempyyfx, .indexes = kByDay},
    {.name = "jxc_kcjs", .columns = kKcjs, .indexes = kByMonth},
};

}  // namespace

std::span<const TableDef> moneyTables()
{
    return kTables;
}
