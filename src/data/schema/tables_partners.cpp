// Suppliers and customers with their types, zones, contact logs, contracts and quotes; staff
// and the salesman diary; warehouses; payment methods and bill remarks.
#include "data/schema/tables.h"

namespace {

using enum ColumnType;

// Suppliers
const ColumnDef kGhsxx[] = {
    {"id", Counter}, {"ghs_sn", Varchar, 8}, {"ghs_name", Varchar, 128}, {"ghs_jm", Varchar, 128},
    {"ghs_lxr", Varchar, 32}, {"ghs_tele", Varchar, 64}, {"ghs_address", Varchar, 128}, {"ghs_note", Text},
    {"ghs_lwje", Money}, {"ghs_default", Bit}, {"ghs_pl", Int}, {"ghs_forbid", Bit}, {"ghs_lwje2", Money},
    {"gt_name", Varchar, 32}, {"z_name", Varchar, 32},
};

// Supplier types
const ColumnDef kGhstype[] = {
    {"id", Counter}, {"gt_sn", Varchar, 8}, {"gt_name", Varchar, 32}, {"gt_default", Bit},
};

// Customers
const ColumnDef kKhxx[] = {
    {"id", Counter}, {"kh_sn", Varchar, 8}, {"kh_name", Varchar, 128}, {"kh_jm", Varchar, 128},
    {"kh_lxr", Varchar, 32}, {"kh_tele", Varchar, 64}, {"kh_address", Varchar, 128}, {"kh_note", Text},
    {"kh_lwje", Money}, {"kh_default", Bit}, {"kh_pl", Int}, {"kh_forbid", Bit}, {"kt_name", Varchar, 32},
    {"z_name", Varchar, 32},
};

// Customer types
const ColumnDef kKhtype[] = {
    {"id", Counter}, {"kt_sn", Varchar, 8}, {"kt_name", Varchar, 32}, {"kt_default", Bit},
};

// Zones (regions) of suppliers and customers
const ColumnDef kZone[] = {
    {"id", Counter}, {"z_sn", Varchar, 8}, {"z_name", Varchar, 32}, {"z_default", Bit},
};

// Supplier contact log
const ColumnDef kGhslx[] = {
    {"id", Counter}, {"lx_rq", Varchar, 16}, {"lx_note", Text}, {"u_sn", Varchar, 8}, {"ghs_sn", Varchar, 8},
};

// Customer contact log
const ColumnDef kKhlx[] = {
    {"id", Counter}, {"lx_rq", Varchar, 16}, {"lx_note", Text}, {"u_sn", Varchar, 8}, {"kh_sn", Varchar, 8},
};

// Supplier contracts
const ColumnDef kHtgl[] = {
    {"id", Counter}, {"ht_sn", Varchar, 8}, {"ht_rq", Varchar, 16}, {"ht_name", Varchar, 64},
    {"ht_path", Varchar, 128}, {"ht_jm", Varchar, 32}, {"u_sn", Varchar, 8}, {"ghs_sn", Varchar, 8},
};

// Customer contracts
const ColumnDef kKhhtgl[] = {
    {"id", Counter}, {"ht_sn", Varchar, 8}, {"ht_rq", Varchar, 16}, {"ht_name", Varchar, 64},
    {"ht_path", Varchar, 128}, {"ht_jm", Varchar, 32}, {"u_sn", Varchar, 8}, {"kh_sn", Varchar, 8},
};

// Supplier price quotes
const ColumnDef kGhsbj[] = {
    {"id", Counter}, {"g_sn", Varchar, 32}, {"gb_bj", Money}, {"ghs_sn", Varchar, 8}, {"gb_bjrq", Varchar, 16},
    {"u_sn", Varchar, 8}, {"a_name", Varchar, 32}, {"gb_note", Varchar, 200},
};

// Customer price quotes
const ColumnDef kKhbj[] = {
    {"id", Counter}, {"g_sn", Varchar, 32}, {"kb_bj", Money}, {"kh_sn", Varchar, 8}, {"kb_bjrq", Varchar, 16},
    {"u_sn", Varchar, 8}, {"a_name", Varchar, 32}, {"kb_note", Varchar, 200},
};

// Staff (handlers, salesmen, cashiers)
const ColumnDef kUser[] = {
    {"id", Counter}, {"u_sn", Varchar, 8}, {"u_name", Varchar, 32}, {"u_jm", Varchar, 32},
    {"u_duty", Varchar, 32}, {"u_tele", Varchar, 32}, {"u_address", Varchar, 128}, {"u_note", Text},
    {"u_tc", Money}, {"u_cgpl", Int}, {"u_xspl", Int}, {"u_cg", Bit}, {"u_xs", Bit}, {"u_kc", Bit},
    {"u_fdmc", Varchar, 64},
};

// Salesman diary
const ColumnDef kYwyrz[] = {
    {"id", Counter}, {"rz_rq", Varchar, 16}, {"rz_note", Text}, {"u_sn", Varchar, 8},
};

// Warehouses and stores
const ColumnDef kCkxx[] = {
    {"id", Counter}, {"ck_sn", Varchar, 8}, {"ck_name", Varchar, 64}, {"ck_jm", Varchar, 32},
    {"ck_fzr", Varchar, 32}, {"ck_tele", Varchar, 32}, {"ck_address", Varchar, 64}, {"ck_note", Varchar, 200},
    {"ck_default", Bit}, {"ck_pos", Bit},
};

// Payment methods
const ColumnDef kFkfs[] = {
    {"id", Counter}, {"fk_sn", Varchar, 8}, {"fk_name", Varchar, 32},
};

// Preset bill remarks
const ColumnDef kDjbz[] = {
    {"id", Counter}, {"dj_sn", Varchar, 8}, {"dj_name", Varchar, 32}, {"dj_pl", Int},
};

// The built-in supplier and customer "100001", the default partners of new bills.
const char* const kGhsxxRows[] = {
    "'100001','普通供货商','PTGHS','','','','普通供货商为一些零碎的,不固定的商品供货商',0,1,0,0,0,'',''",
};
const char* const kGhstypeRows[] = {"'100001','A级供货商',0", "'100002','B级供货商',0", "'100003','C级供货商',0"};
const char* const kKhxxRows[] = {"'100001','普通客户','PTKH','','','','',0,1,0,0,'',''"};
const char* const kKhtypeRows[] = {"'100001','A级客户',0", "'100002','B级客户',0", "'100003','C级客户',0"};
const char* const kZoneRows[] = {"'100001','省会地区',0", "'100002','地市区域',0", "'100003','其他区域',0"};
// The nameless staff record, the default handler of opening balances.
const char* const kUserRows[] = {"'100001',0,0,0,1,1,1"};
const char* const kCkxxRows[] = {"'100001','主仓库','ZCK','',1,'各种商品(主要为食品)'"};
const char* const kFkfsRows[] = {"'100001','现金'", "'100002','银行转帐'"};

const TableDef kTables[] = {
    {.name = "jxc_ghsxx",
     .columns = kGhsxx,
     .rows = {"ghs_sn,ghs_name,ghs_jm,ghs_lxr,ghs_tele,ghs_address,ghs_note,ghs_lwje,ghs_default,ghs_pl,ghs_forbid,"
              "ghs_lwje2,gt_name,z_name",
              kGhsxxRows}},
    {.name = "jxc_ghstype", .columns = kGhstype, .rows = {"gt_sn,gt_name,gt_default", kGhstypeRows}},
    {.name = "jxc_khxx",
     .columns = kKhxx,
     .rows = {"kh_sn,kh_name,kh_jm,kh_lxr,kh_tele,kh_address,kh_note,kh_lwje,kh_default,kh_pl,kh_forbid,kt_name,"
              "z_name",
              kKhxxRows}},
    {.name = "jxc_khtype", .columns = kKhtype, .rows = {"kt_sn,kt_name,kt_default", kKhtypeRows}},
    {.name = "jxc_zone", .columns = kZone, .rows = {"z_sn,z_name,z_default", kZoneRows}},
    {.name = "jxc_ghslx", .columns = kGhslx},
    {.name = "jxc_khlx", .columns = kKhlx},
    {.name = "jxc_htgl", .columns = kHtgl},
    {.name = "jxc_khhtgl", .columns = kKhhtgl},
    {.name = "jxc_ghsbj", .columns = kGhsbj},
    {.name = "jxc_khbj", .columns = kKhbj},
    {.name = "jxc_user", .columns = kUser, .rows = {"u_sn,u_tc,u_cgpl,u_xspl,u_cg,u_xs,u_kc", kUserRows}},
    {.name = "jxc_ywyrz", .columns = kYwyrz},
    {.name = "jxc_ckxx",
     .columns = kCkxx,
     .rows = {"ck_sn,ck_name,ck_jm,ck_fzr,ck_default,ck_note", kCkxxRows}},
    {.name = "jxc_fkfs", .columns = kFkfs, .rows = {"fk_sn,fk_name", kFkfsRows}},
    {.name = "jxc_djbz", .columns = kDjbz},
};

}  // namespace

std::span<const TableDef> partnerTables()
{
    return kTables;
}
