// Operators, roles, the operation log, the program's settings, shell tables, branch stores and
// year-end closing.
#include "data/schema/tables.h"

namespace {

using enum ColumnType;

// Operators (logins). a_pwd holds the hash of the password (see data/password.h).
const ColumnDef kAdmin[] = {
    {"id", Counter}, {"a_sn", Varchar, 8}, {"a_name", Varchar, 32}, {"r_sn", Varchar, 8}, {"a_zreoje", Money},
    {"a_pwd", Varchar, 128}, {"a_fdmc", Varchar, 64},
};

// Roles and their rights strings
const ColumnDef kRole[] = {
    {"id", Counter}, {"r_sn", Varchar, 8}, {"r_name", Varchar, 32}, {"cggl", Varchar, 64},
    {"xsgl", Varchar, 64}, {"kcgl", Varchar, 64}, {"wlzk", Varchar, 64}, {"tjgl", Varchar, 64},
    {"rcgl", Varchar, 64}, {"qtcz", Varchar, 64},
};

// Operation log
const ColumnDef kLog[] = {
    {"id", Counter}, {"log_time", Varchar, 32}, {"a_name", Varchar, 32}, {"log_note", Varchar, 200},
};

// Company record (one row)
const ColumnDef kCompany[] = {
    {"id", Counter}, {"c_sn", Varchar, 8}, {"c_name", Varchar, 32}, {"c_jc", Varchar, 32},
    {"c_tele", Varchar, 32}, {"c_address", Varchar, 128},
};

// System settings (one row)
const ColumnDef kXtcs[] = {
    {"id", Counter}, {"cs_cgdj", Int}, {"cs_xsdj", Int}, {"cs_xgdj", Bit}, {"cs_kc", Bit}, {"cs_ysdh", Bit},
    {"cs_spbh", Bit}, {"cs_ct", Bit}, {"cs_xt", Bit}, {"cs_cgyh", Int}, {"cs_xsyh", Int}, {"cs_shdj", Bit},
    {"cs_shtc", Bit}, {"cs_xjyh", Bit}, {"cs_cbjs", Int}, {"cs_xsws", Int}, {"cs_ts", Varchar, 64},
    {"cs_posdj", Bit}, {"cs_tjcyjf", Bit}, {"cs_posfkws", Int}, {"cs_posblur", Bit}, {"cs_poshooktoday", Bit},
    {"cs_barcode", Bit}, {"cs_barunique", Bit}, {"cs_zerocost", Bit}, {"cs_possk", Bit}, {"cs_xsjgts", Int},
    {"cs_djsh", Int}, {"cs_djzddy", Bit}, {"cs_djzddysl", Int}, {"cs_tmzdsc", Bit}, {"cs_tmscff", Int},
    {"cs_posrq", Bit},
};

// Backup settings (one row)
const ColumnDef kBackup[] = {
    {"id", Counter}, {"back_auto", Bit}, {"back_sj", Int}, {"back_path", Varchar, 200}, {"back_exit", Bit},
};

// Skin in use (one row)
const ColumnDef kSkin[] = {
    {"id", Int}, {"skin_name", Varchar, 64},
};

// Start-up display switches (one row)
const ColumnDef kTxdisp[] = {
    {"id", Counter}, {"t_mryt", Varchar, 1}, {"t_sjtx", Varchar, 1},
};

// Tips of the day
const ColumnDef kMryt[] = {
    {"id", Counter}, {"mr_ts", Varchar, 200}, {"mr_state", Varchar, 1}, {"mr_rq", Varchar, 16},
};

// Event reminders
const ColumnDef kTx[] = {
    {"id", Counter}, {"tx_dx", Varchar, 32}, {"tx_fs", Int}, {"tx_fstxt", Varchar, 16}, {"tx_sj", Varchar, 64},
    {"tx_note", Varchar, 200}, {"tx_tjsj", Varchar, 16}, {"a_name", Varchar, 32}, {"tx_lb", Int},
    {"tx_flag", Varchar, 1}, {"tx_ts", Varchar, 4}, {"tx_zt", Varchar, 1}, {"g_sn", Varchar, 32},
};

// This store's identity for the branch export (one row)
const ColumnDef kFd[] = {
    {"id", Counter}, {"fd_sn", Varchar, 8}, {"fd_name", Varchar, 64}, {"fd_dcrq", Varchar, 16},
};

// Branch stores
const ColumnDef kLsfdxx[] = {
    {"id", Counter}, {"fd_sn", Varchar, 8, true}, {"fd_name", Varchar, 64}, {"fd_lxr", Varchar, 32},
    {"fd_tele", Varchar, 32}, {"fd_address", Varchar, 128}, {"fd_note", Text},
};

// Year-end closing results
const ColumnDef kNj[] = {
    {"id", Counter}, {"nj_jsrq", Varchar, 16}, {"nj_year", Varchar, 4}, {"nj_cgds", Int}, {"nj_cgthds", Int},
    {"nj_cgsl", Money}, {"nj_cgje", Money}, {"nj_cgthsl", Money}, {"nj_cgthje", Money}, {"nj_xsds", Int},
    {"nj_xsthds", Int}, {"nj_xssl", Int}, {"nj_xsje", Money}, {"nj_xsthsl", Money}, {"nj_xsthje", Money},
    {"nj_dbds", Int}, {"nj_dbsl", Money}, {"nj_bsds", Int}, {"nj_byds", Int}, {"nj_bssl", Money},
    {"nj_bsje", Money}, {"nj_bysl", Money}, {"nj_byje", Money},
};

// The operator "admin" with an empty password (a hash of the empty text) and the
// administrator role, which grants every right.
const char* const kAdminRows[] = {
    "'100001','admin','100001',0,"
    "'$argon2id$v=19$m=65536,t=2,p=1$E3TDYsW/+KwiVFn3qkc5Cg$26UsH9XwrijRexHZKTgeo16JOmOFwja4fB3LATFjjH0'",
};
const char* const kRoleRows[] = {
    "'100001','系统管理员','11111111111111111111111111111111','11111111111111111111111111111111',"
    "'11111111111111111111111111111111','11111111111111111111111111111111',"
    "'11111111111111111111111111111111','11111111111111111111111111111111',"
    "'11111111111111111111111111111111'",
};
const char* const kCompanyRows[] = {"'100001','澜舟科技有限公司','禾岚软件',''"};
const char* const kXtcsRows[] = {
    "0,0,1,1,0,1,1,1,1,0,0,0,0,1,0,0,0,2,0,0,1,1,1,1,1,0,1",
};
// The skin table has no autonumber; its one row carries id 1.
const char* const kSkinRows[] = {"1,'iMaginary'"};
const char* const kTxdispRows[] = {"'1','0'"};
const char* const kMrytRows[] = {
    R"~('同一个操作员不可以同时在不同的机器上登录，因为系统要记录下一些操作的操作员。单据的单号中也有操作员的编号，如果同时登录可能会造成单据号的重复。','0','2011-1-1')~",
    R"~('商品的自动编号规则：例如商品编号5400012，其中54是该商品的类别号，00012是该类商品的序号，由00001开始向后排。','0','2011-1-1')~",
    R"~('把某个常用的仓库、供货商、客户设置为默认的，可以提高工作效率。如：打开采购进货窗口，供货商名称显示的将是默认供货商，仓库显示的也将是默认仓库。','0','2011-1-1')~",
    R"~('普通供货商是指那些零散的，或者是因为某种原因不能记录下具体信息的商品供应商，统称为普通供货商。','0','2011-1-1')~",
    R"~('普通客户是指那些零散的，或者是因为某种原因不能记录下具体信息的客户,统称为普通客户。','0','2011-1-1')~",
    R"~('经办人和业务员指的是同一类型的员工，都是在员工设置中增加，如果增加了一个员工，在开单窗口的经办人后将会列出该员工。','0','2011-1-1')~",
    R"~('在程序正式使用前要进行期初建帐，首先确定程序没有进行过采购或销售等业务。在“系统设置”中点击“商品信息”按钮，在出现的窗口中选择建立商品期初帐。','0','2011-1-1')~",
    R"~('在系统设置中点击“系统维护”按钮，在打开的窗口中点击“修改密码”即可修改当前操作员的密码。','0','2011-1-1')~",
    R"~('系统中默认采用小单位，即以销售时的最小销售单位为准；采购进货时的进货单位也是以最小单位为准。','0','2011-1-1')~",
    R"~('在增加供货商或客户时可以输入期初应付或期初应收金额，如果该供货商或客户发生了业务将不能再修改期初应付或期初应收金额。','0','2011-1-1')~",
    R"~('系统对商品成本价，采用加权平均算法! ','0','2011-1-1')~",
    R"~('"在统计报表中点击""供应商统计"",可以查询供货商的供货情况,帐务情况以及该供货商所供商品的销售情况!','0','2011-1-1')~",
    R"~('"在统计报表中点击""客户销售统计"",可以查询客户的帐务情况以及该客户的商品销售情况! ','0','2011-1-1')~",
    R"~('"在统计报表中点击""商品销售统计"",可以查询不同商品的销售情况,包括销售数量,利润和毛利率等! ','0','2011-1-1')~",
    R"~('"在统计报表中点击""商品销售排行"",可以以列表和图表形式显示不同商品的销售排行情况,排行内容包括销售数量,销售总金额,利润和毛利率等!','0','2011-1-1')~",
    R"~('"在统计报表中点击""营业分析"",可以查询不同时间段内的营业状况,包括商品的采购,销售,调拨,报损报溢等! ','0','2011-1-1')~",
};
const char* const kFdRows[] = {"'100001','禾岚旗舰店',''"};

const TableDef kTables[] = {
    {.name = "jxc_admin",
     .columns = kAdmin,
     .rows = {"a_sn,a_name,r_sn,a_zreoje,a_pwd", kAdminRows}},
    {.name = "jxc_role",
     .columns = kRole,
     .rows = {"r_sn,r_name,cggl,xsgl,kcgl,wlzk,tjgl,rcgl,qtcz", kRoleRows}},
    {.name = "jxc_log", .columns = kLog},
    {.name = "jxc_company",
     .columns = kCompany,
     .rows = {"c_sn,c_name,c_jc,c_tele", kCompanyRows}},
    {.name = "jxc_xtcs",
     .columns = kXtcs,
     .rows = {"cs_cgdj,cs_xsdj,cs_xgdj,cs_kc,cs_ysdh,cs_spbh,cs_ct,cs_xt,cs_shdj,cs_xjyh,cs_cbjs,cs_posdj,"
                       "cs_djzddy,cs_djzddysl,cs_tmzdsc,cs_tmscff,cs_shtc,cs_xsws,cs_tjcyjf,cs_posfkws,"
                       "cs_posblur,cs_poshooktoday,cs_barcode,cs_barunique,cs_zerocost,cs_possk,cs_posrq",
                       kXtcsRows}},
    {.name = "jxc_backup", .columns = kBackup},
    {.name = "jxc_skin",
     .columns = kSkin,
     .rows = {"id,skin_name", kSkinRows}},
    {.name = "jxc_txdisp",
     .columns = kTxdisp,
     .rows = {"t_mryt,t_sjtx", kTxdispRows}},
    {.name = "jxc_mryt",
     .columns = kMryt,
     .rows = {"mr_ts,mr_state,mr_rq", kMrytRows}},
    {.name = "jxc_tx", .columns = kTx},
    {.name = "jxc_fd",
     .columns = kFd,
     .rows = {"fd_sn,fd_name,fd_dcrq", kFdRows}},
    {.name = "jxc_lsfdxx", .columns = kLsfdxx},
    {.name = "jxc_nj", .columns = kNj},
};

}  // namespace

std::span<const TableDef> settingsTables()
{
    return kTables;
}
