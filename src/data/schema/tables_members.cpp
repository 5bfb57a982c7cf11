// Members: classes, offers, custom-field captions, count cards, top-ups and spending, points
// settings and exchanges, gifts and single-item discounts.
#include "data/schema/tables.h"

namespace {

using enum ColumnType;

// Members
const ColumnDef kHyxx[] = {
    {"id", Counter}, {"hy_sn", Varchar, 8, true}, {"hy_fsn", Varchar, 8}, {"hy_bh", Varchar, 32},
    {"hy_name", Varchar, 32}, {"hy_jm", Varchar, 32}, {"hy_status", Bit}, {"hl_sn", Varchar, 8},
    {"hh_sn", Varchar, 8}, {"hy_mm", Varchar, 16}, {"hy_jf", Money}, {"hy_zhje", Money}, {"hy_ye", Money},
    {"hy_zje", Money}, {"hy_jrrq", Varchar, 16}, {"hy_dqrq", Varchar, 16}, {"hy_sj", Bit}, {"hy_qx", Bit},
    {"hy_cs", Int}, {"hy_syje", Money}, {"hy_xjsyje", Money}, {"hy_note", Text}, {"hy_fd", Varchar, 32},
    {"hy_fdzt", Varchar, 32}, {"hy_hyidkh", Varchar, 32}, {"hy_glnl", Int}, {"hy_sex", Varchar, 2},
    {"hy_sr", Varchar, 16}, {"hy_tele", Varchar, 32}, {"hy_mobile", Varchar, 16}, {"hy_email", Varchar, 64},
    {"hy_zjlx", Varchar, 64}, {"hy_zjhm", Varchar, 64}, {"hy_dwzy", Varchar, 64}, {"hy_address", Varchar, 64},
    {"hy_qtxx", Varchar, 64}, {"hy_cg", Bit}, {"hy_chk", Bit},
};

// Member classes (levels)
const ColumnDef kHyfl[] = {
    {"id", Counter}, {"hl_sn", Varchar, 8}, {"hl_name", Varchar, 32}, {"hl_zk", Money}, {"hl_jfxx", Money},
    {"hl_jfsx", Money}, {"hl_pfsp", Bit},
};

// Member levels (second layout)
const ColumnDef kHyjbxx[] = {
    {"id", Counter}, {"hj_sn", Varchar, 8}, {"hj_jbid", Varchar, 16}, {"hj_jbmc", Varchar, 32},
    {"hj_zkl", Money}, {"hj_jfxx", Money}, {"hj_jfsx", Money},
};

// Stored-value offers
const ColumnDef kHyyh[] = {
    {"id", Counter}, {"hh_sn", Varchar, 8}, {"hh_name", Varchar, 32}, {"hh_zl", Int}, {"hh_yh1", Money},
    {"hh_yh2", Money}, {"hh_yh3", Money}, {"hh_zlname", Varchar, 32}, {"hh_note", Varchar, 200},
};

// Captions of the member custom fields
const ColumnDef kHyzdy[] = {
    {"id", Counter}, {"hz_sn", Varchar, 8}, {"hz_name", Varchar, 16},
};

// Single-item discount of a goods per member class
const ColumnDef kDxdz[] = {
    {"id", Counter}, {"g_sn", Varchar, 32}, {"hl_sn", Varchar, 8}, {"hl_dxzk", Money},
};

// Count-card entitlements of members
const ColumnDef kHycs[] = {
    {"id", Counter}, {"hy_sn", Varchar, 8}, {"g_sn", Varchar, 32}, {"hc_rq", Varchar, 32}, {"hc_cs", Int},
    {"hc_sycs", Int}, {"hc_sele", Bit}, {"hc_je", Money}, {"hc_note", Varchar, 200}, {"a_name", Varchar, 32},
};

// Count-card usage records
const ColumnDef kHycsjl[] = {
    {"id", Counter}, {"hy_sn", Varchar, 8}, {"g_sn", Varchar, 32}, {"hc_rq", Varchar, 16}, {"hc_cs", Int},
    {"hc_je", Money}, {"hc_zt", Int}, {"gl_djh", Varchar, 16},
};

// Member top-up and spending entries
const ColumnDef kHyxf[] = {
    {"id", Counter}, {"hy_sn", Varchar, 8}, {"xf_rq", Varchar, 32}, {"xf_je", Money}, {"xf_yhje", Money},
    {"xf_xj", Money}, {"xf_czk", Money}, {"xf_xyk", Money}, {"xf_djq", Money}, {"xf_note", Varchar, 200},
    {"xf_zt", Varchar, 32}, {"xf_fdzt", Varchar, 32}, {"xf_fd", Varchar, 32}, {"xf_id", Varchar, 32},
    {"a_name", Varchar, 32},
};

// Member top-up records
const ColumnDef kCzxf[] = {
    {"id", Counter}, {"hy_sn", Varchar, 8}, {"xf_je", Money}, {"hy_rq", Varchar, 16}, {"a_admin", Varchar, 32},
    {"hy_bz", Varchar, 64},
};

// Points and member-card settings (one row)
const ColumnDef kJfsz[] = {
    {"id", Counter}, {"jf_jfgz", Int}, {"jf_mfje", Money}, {"jf_djjf", Bit}, {"jf_jsrjf", Money},
    {"jf_jsrjl", Money}, {"jf_dbjf", Money}, {"jf_dbrq1", Varchar, 32}, {"jf_dbrq2", Varchar, 32},
    {"jf_yelj", Bit}, {"jf_hysk", Bit}, {"jf_qchy", Bit}, {"jf_xgxf", Bit}, {"jf_ick", Bit},
    {"jf_icktype", Int},
};

// Points exchange records
const ColumnDef kJfdh[] = {
    {"id", Counter}, {"hy_sn", Varchar, 8}, {"jf_xfjf", Money}, {"jf_rq", Varchar, 16}, {"a_name", Varchar, 50},
    {"jf_note", Text},
};

// Points exchange documents (gifts for points)
const ColumnDef kDhd[] = {
    {"id", Counter}, {"gl_djh", Varchar, 16}, {"hy_sn", Varchar, 8}, {"dh_dhrq", Varchar, 32}, {"dh_sl", Money},
    {"dh_jf", Money}, {"dh_note", Text}, {"a_name", Varchar, 32}, {"ck_sn", Varchar, 8},
};

// Points exchange lines
const ColumnDef kDhzp[] = {
    {"id", Counter}, {"gl_djh", Varchar, 16}, {"g_sn", Varchar, 32}, {"dh_zpjf", Money}, {"dh_sl", Money},
    {"dh_jf", Money}, {"a_name", Varchar, 32},
};

// Gifts
const ColumnDef kZpxx[] = {
    {"id", Counter}, {"zp_sn", Varchar, 8}, {"zp_name", Varchar, 32}, {"zp_jm", Varchar, 32}, {"zp_sl", Money},
    {"zp_jf", Money},
};

// Gift stock movements
const ColumnDef kZpjh[] = {
    {"id", Counter}, {"zp_sn", Varchar, 8}, {"zp_jhrq", Varchar, 32}, {"zp_sl", Money},
    {"zp_note", Varchar, 200}, {"a_name", Varchar, 32},
};

// Gift-giving documents
const ColumnDef kZsd[] = {
    {"id", Counter}, {"gl_djh", Varchar, 16}, {"gl_xsdjh", Varchar, 16}, {"zp_zsrq", Varchar, 16},
    {"zp_sl", Money}, {"zp_zl", Money}, {"zp_note", Varchar, 200}, {"a_name", Varchar, 32},
};

// Gifts given per document
const ColumnDef kZszp[] = {
    {"id", Counter}, {"gl_djh", Varchar, 16}, {"zp_sn", Varchar, 8}, {"zp_sl", Money}, {"a_name", Varchar, 32},
};

// Gifts given to members
const ColumnDef kHyzp[] = {
    {"id", Counter}, {"hy_sn", Varchar, 8}, {"g_sn", Varchar, 8}, {"hz_sl", Money}, {"hz_rq", Varchar, 32},
    {"hz_dhjf", Money}, {"hz_dhje", Money}, {"a_name", Varchar, 32},
};

// Members are found by number and by card (the till and the exchange look cards up).
const char* const kMemberKeys[] = {"hy_sn", "hy_bh"};
const char* const kByMember[] = {"hy_sn"};

// The built-in member "100001", card "0000".
const char* const kHyxxRows[] = {"'100001','0000','普通客户','100001','100001',0,0,0,0,0,0,0,0,0,0,0"};
const char* const kHyflRows[] = {"'100001','普通会员',1,0,0,0"};
const char* const kHyyhRows[] = {"'100001','不优惠',0,1,0,0,'存款优惠','实际款=所付存款*1'"};
// Captions of hy_email, hy_zjlx, hy_zjhm, hy_dwzy, hy_address and hy_qtxx; each ends in a blank.
const char* const kHyzdyRows[] = {
    "'100001','电子邮件 '", "'100002','证件类型 '", "'100003','证件号码 '",
    "'100004','单位职业 '", "'100005','联系地址 '", "'100006','其他信息 '",
};

const TableDef kTables[] = {
    {.name = "jxc_hyxx",
     .columns = kHyxx,
     .rows = {"hy_sn,hy_bh,hy_name,hl_sn,hh_sn,hy_jf,hy_zhje,hy_ye,hy_zje,hy_sj,hy_qx,hy_cs,hy_syje,hy_xjsyje,"
              "hy_glnl,hy_cg",
              kHyxxRows},
     .indexes = kMemberKeys},
    {.name = "jxc_hyfl",
     .columns = kHyfl,
     .rows = {"hl_sn,hl_name,hl_zk,hl_jfxx,hl_jfsx,hl_pfsp", kHyflRows}},
    {.name = "jxc_hyjbxx", .columns = kHyjbxx},
    {.name = "jxc_hyyh",
     .columns = kHyyh,
     .rows = {"hh_sn,hh_name,hh_zl,hh_yh1,hh_yh2,hh_yh3,hh_zlname,hh_note", kHyyhRows}},
    {.name = "jxc_hyzdy",
     .columns = kHyzdy,
     .rows = {"hz_sn,hz_name", kHyzdyRows}},
    {.name = "jxc_dxdz", .columns = kDxdz},
    {.name = "jxc_hycs", .columns = kHycs},
    {.name = "jxc_hycsjl", .columns = kHycsjl},
    {.name = "jxc_hyxf", .columns = kHyxf, .indexes = kByMember},
    {.name = "jxc_czxf", .columns = kCzxf},
    {.name = "jxc_jfsz", .columns = kJfsz},
    {.name = "jxc_jfdh", .columns = kJfdh},
    {.name = "jxc_dhd", .columns = kDhd},
    {.name = "jxc_dhzp", .columns = kDhzp},
    {.name = "jxc_zpxx", .columns = kZpxx},
    {.name = "jxc_zpjh", .columns = kZpjh},
    {.name = "jxc_zsd", .columns = kZsd},
    {.name = "jxc_zszp", .columns = kZszp},
    {.name = "jxc_hyzp", .columns = kHyzp},
};

}  // namespace

std::span<const TableDef> memberTables()
{
    return kTables;
}
