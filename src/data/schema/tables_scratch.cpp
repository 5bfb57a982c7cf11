// Working tables that windows fill and empty, and the tables of the Excel import.
#include "data/schema/tables.h"

namespace {

using enum ColumnType;

// Scratch list of goods codes and names
const ColumnDef kGoodstmp[] = {
    {"id", Counter}, {"g_sn", Varchar, 32}, {"g_name", Varchar, 64},
};

// Per-operator scratch list (picked goods, import staging, statement rows)
const ColumnDef kTempspxf[] = {
    {"id", Counter}, {"g_sn", Varchar, 32}, {"ts_dj", Money}, {"ts_sl", Money}, {"ts_zje", Money},
    {"a_name", Varchar, 32}, {"ts_dzl", Money}, {"ts_note", Varchar, 200}, {"ghs_sn", Varchar, 8},
    {"t_ph", Varchar, 64}, {"t_scrq", Varchar, 16}, {"hy_sn", Varchar, 8}, {"g_xlh", Text},
};

// Size-and-colour rows of the scratch list
const ColumnDef kTempspxfmx[] = {
    {"id", Counter}, {"gl_djh", Varchar, 16}, {"g_sn", Varchar, 32}, {"cm_sn", Varchar, 8},
    {"color_sn", Varchar, 8}, {"t_sl", Money}, {"a_name", Varchar, 32}, {"tid", Int},
};

// Scratch rows of split and bundle entry
const ColumnDef kCfsptmp[] = {
    {"id", Counter}, {"g_sn", Varchar, 32}, {"g_name", Varchar, 64}, {"tmp_cksl", Money}, {"tmp_ckje", Money},
    {"tmp_rksl", Money}, {"tmp_rkje", Money}, {"tmp_currkc", Money}, {"tmp_kc", Money}, {"a_name", Varchar, 32},
    {"t_ph", Varchar, 64}, {"t_scrq", Varchar, 16}, {"g_xlh", Text},
};

// Scratch rows of stock counts
const ColumnDef kKcpdtemp[] = {
    {"id", Counter}, {"gl_djh", Varchar, 16}, {"pd_sl", Money}, {"sp_sl", Money}, {"ck_name", Varchar, 32},
    {"pd_rq", Varchar, 16}, {"pd_status", Bit}, {"a_name", Varchar, 32}, {"tid", Int},
};

// Scratch copy of count-card entitlements
const ColumnDef kHycstmp[] = {
    {"id", Counter}, {"hy_sn", Varchar, 8}, {"g_sn", Varchar, 32}, {"hc_rq", Varchar, 32}, {"hc_cs", Int},
    {"hc_sycs", Int}, {"hc_je", Money}, {"hc_note", Varchar, 200}, {"a_name", Varchar, 32},
};

// Scratch rows of the price preview per member class
const ColumnDef kSptjtmp[] = {
    {"id", Counter}, {"hl_sn", Varchar, 8}, {"hl_name", Varchar, 32}, {"g_name", Varchar, 32}, {"sp_sj", Money},
    {"sp_dzll", Money}, {"sp_zk", Money}, {"sp_dxdz", Varchar, 8}, {"sp_zzzk", Money}, {"sp_tjsp", Varchar, 8},
    {"sp_tj", Money}, {"sp_zzdj", Money}, {"a_name", Varchar, 32},
};

// Catalogue of importable columns per target table
const ColumnDef kImport[] = {
    {"id", Counter}, {"i_fieldid", Varchar, 32}, {"i_fieldname", Varchar, 32}, {"i_tablename", Varchar, 32},
};

// Column mapping of the Excel import in progress
const ColumnDef kImportchk[] = {
    {"id", Counter}, {"i_fieldid", Varchar, 32}, {"i_excelfield", Varchar, 64}, {"i_sele", Bit},
    {"i_image", Int},
};

// Staging rows of the Excel import in progress
const ColumnDef kImportdata[] = {
    {"id", Counter}, {"id_exceldata", Varchar, 128}, {"id_status", Varchar, 64}, {"id_sele", Bit},
    {"id_image", Int},
};

// The columns an Excel import can fill, per target table, in the order the import windows list them.
const char* const kImportRows[] = {
    "'g_sn','商品编号','jxc_goods'",
    "'g_name','商品名称','jxc_goods'",
    "'g_sptm','商品条码','jxc_goods'",
    "'dw_name','单位','jxc_goods'",
    "'gg_name','款型说明','jxc_goods'",
    "'g_jj','预设进价','jxc_goods'",
    "'g_sj','预设售价','jxc_goods'",
    "'g_zdkc','最低库存','jxc_goods'",
    "'g_sccs','品牌厂商','jxc_goods'",
    "'color_name','颜色组','jxc_goods'",
    "'g_bz','备注','jxc_goods'",
    "'cmz_name','尺码组','jxc_goods'",
    "'ghs_name','供货商名称','jxc_ghsxx'",
    "'ghs_lxr','联系人','jxc_ghsxx'",
    "'ghs_tele','联系电话','jxc_ghsxx'",
    "'gt_name','供货商类型','jxc_ghsxx'",
    "'z_name','所属地区','jxc_ghsxx'",
    "'ghs_address','联系地址','jxc_ghsxx'",
    "'ghs_note','备注','jxc_ghsxx'",
    "'kh_name','客户名称','jxc_khxx'",
    "'kh_lxr','联系人','jxc_khxx'",
    "'kh_tele','联系电话','jxc_khxx'",
    "'kt_name','客户类型','jxc_khxx'",
    "'z_name','所属地区','jxc_khxx'",
    "'kh_address','联系地址','jxc_khxx'",
    "'kh_note','备注','jxc_khxx'",
    "'hy_bh','会员卡号','jxc_hyxx'",
    "'hy_name','会员姓名','jxc_hyxx'",
    "'hy_mm','会员密码','jxc_hyxx'",
    "'hy_sex','性别','jxc_hyxx'",
    "'hy_sr','出生日期','jxc_hyxx'",
    "'hy_jf','会员积分','jxc_hyxx'",
    "'hy_zhje','卡内金额','jxc_hyxx'",
    "'hy_zje','累计消费','jxc_hyxx'",
    "'hy_jrrq','加入日期','jxc_hyxx'",
    "'hy_dwzy','单位职业','jxc_hyxx'",
    "'hy_mobile','移动电话','jxc_hyxx'",
    "'hy_tele','固定电话','jxc_hyxx'",
    "'hy_email','电子邮件','jxc_hyxx'",
    "'hy_zjlx','证件类型','jxc_hyxx'",
    "'hy_zjhm','证件号码','jxc_hyxx'",
    "'hy_address','联系地址','jxc_hyxx'",
    "'g_sn','商品编号','jxc_dbsp'",
    "'g_name','名称','jxc_dbsp'",
    "'dw_name','单位','jxc_dbsp'",
    "'gg_name','规格型号','jxc_dbsp'",
    "'color_name','颜色','jxc_dbsp'",
    "'db_sl','数量','jxc_dbsp'",
};

const TableDef kTables[] = {
    {.name = "jxc_goodstmp", .columns = kGoodstmp},
    {.name = "jxc_tempspxf", .columns = kTempspxf},
    {.name = "jxc_tempspxfmx", .columns = kTempspxfmx},
    {.name = "jxc_cfsptmp", .columns = kCfsptmp},
    {.name = "jxc_kcpdtemp", .columns = kKcpdtemp},
    {.name = "jxc_hycstmp", .columns = kHycstmp},
    {.name = "jxc_sptjtmp", .columns = kSptjtmp},
    {.name = "jxc_import", .columns = kImport, .rows = {"i_fieldid,i_fieldname,i_tablename", kImportRows}},
    {.name = "jxc_importchk", .columns = kImportchk},
    {.name = "jxc_importdata", .columns = kImportdata},
};

}  // namespace

std::span<const TableDef> scratchTables()
{
    return kTables;
}
