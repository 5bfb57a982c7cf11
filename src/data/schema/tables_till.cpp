// The till: sales and returns, member sales, cash in and out, shifts, day-ends and the
// till's settings.
#include "data/schema/tables.h"

namespace {

using enum ColumnType;

// Till sale headers
const ColumnDef kPosxsd[] = {
    {"id", Counter}, {"gl_djh", Varchar, 16}, {"hy_sn", Varchar, 8}, {"pos_xsrq", Varchar, 32},
    {"kh_sn", Varchar, 8}, {"ck_sn", Varchar, 8}, {"pos_yfje", Money}, {"pos_sfje", Money}, {"pos_mlje", Money},
    {"a_name", Varchar, 32}, {"u_sn", Varchar, 8}, {"pos_note", Text}, {"pos_zffs", Int}, {"pos_xj", Money},
    {"pos_czk", Money}, {"pos_yhk", Money}, {"pos_djq", Money}, {"pos_yhje", Money}, {"pos_yhzkje", Money},
    {"pos_rjid", Varchar, 50}, {"pos_bcjf", Money}, {"pos_jfye", Money}, {"pos_zlje", Money},
    {"pos_zjf", Money},
};

// Till sale lines
const ColumnDef kPosxssp[] = {
    {"id", Counter}, {"gl_djh", Varchar, 16}, {"g_sn", Varchar, 32}, {"pos_dj", Money}, {"pos_sl", Money},
    {"pos_zje", Money}, {"a_name", Varchar, 32}, {"pos_dzl", Money}, {"pos_zhje", Money},
    {"t_scrq", Varchar, 16}, {"g_xlh", Text}, {"tid", Int},
};

// Size-and-colour rows of till sale lines
const ColumnDef kPosxsspmx[] = {
    {"id", Counter}, {"gl_djh", Varchar, 16}, {"g_sn", Varchar, 32}, {"cm_sn", Varchar, 8},
    {"color_sn", Varchar, 8}, {"t_sl", Money}, {"a_name", Varchar, 32}, {"tid", Int},
};

// Till return headers
const ColumnDef kPosthd[] = {
    {"id", Counter}, {"gl_djh", Varchar, 16}, {"hy_sn", Varchar, 8}, {"pos_xsrq", Varchar, 32},
    {"kh_sn", Varchar, 8}, {"ck_sn", Varchar, 8}, {"pos_yfje", Money}, {"pos_sfje", Money}, {"pos_mlje", Money},
    {"a_name", Varchar, 32}, {"u_sn", Varchar, 8}, {"pos_note", Text}, {"pos_zffs", Int}, {"pos_xj", Money},
    {"pos_czk", Money}, {"pos_yhk", Money}, {"pos_djq", Money}, {"pos_yhje", Money}, {"pos_yhzkje", Money},
    {"pos_rjid", Varchar, 50}, {"pos_bcjf", Money}, {"pos_jfye", Money}, {"pos_zlje", Money},
    {"pos_zjf", Money},
};

// Till return lines
const ColumnDef kPosthsp[] = {
    {"id", Counter}, {"gl_djh", Varchar, 16}, {"g_sn", Varchar, 32}, {"pos_dj", Money}, {"pos_xssl", Money},
    {"pos_sl", Money}, {"pos_zje", Money}, {"a_name", Varchar, 32}, {"pos_dzl", Money}, {"pos_zhje", Money},
    {"t_scrq", Varchar, 16}, {"g_xlh", Text}, {"tid", Int},
};

// Member sale headers
const ColumnDef kHyxsd[] = {
    {"id", Counter}, {"gl_djh", Varchar, 16}, {"hy_sn", Varchar, 8}, {"hy_xsrq", Varchar, 32}, {"hy_je", Money},
    {"a_name", Varchar, 32}, {"u_sn", Varchar, 8}, {"hy_note", Text}, {"hy_zffs", Int}, {"hy_xj", Money},
    {"hy_czk", Money}, {"hy_yhk", Money}, {"hy_djq", Money}, {"hy_zfje", Money}, {"hy_bcjf", Money},
    {"hy_jfye", Money}, {"hy_zhje", Money}, {"hy_zjf", Money},
};

// Member sale lines
const ColumnDef kHyxssp[] = {
    {"id", Counter}, {"gl_djh", Varchar, 16}, {"g_sn", Varchar, 32}, {"hy_dj", Money}, {"hy_sl", Money},
    {"hy_zje", Money}, {"a_name", Varchar, 32}, {"hy_dzl", Money}, {"hy_zhje", Money}, {"g_xlh", Text},
    {"tid", Int},
};

// Till cash in and out
const ColumnDef kCrk[] = {
    {"id", Counter}, {"gl_djh", Varchar, 16}, {"crk_rq", Varchar, 32}, {"crk_flag", Varchar, 1},
    {"crk_je", Money}, {"crk_note", Varchar, 200}, {"a_name", Varchar, 32}, {"a_name2", Varchar, 32},
};

// Till shift hand-overs
const ColumnDef kJbgl[] = {
    {"id", Counter}, {"jb_time", Varchar, 32}, {"jb_curruser", Varchar, 32}, {"jb_nextuser", Varchar, 32},
    {"jb_jjzje", Money}, {"jb_bbskzje", Money}, {"jb_sjyyk", Money}, {"jb_xfyyk", Money},
    {"jb_note", Varchar, 200},
};

// Till day-end headers
const ColumnDef kRjd[] = {
    {"id", Counter}, {"gl_djh", Varchar, 16}, {"rj_rq", Varchar, 16}, {"rj_sl", Money}, {"rj_je", Money},
    {"a_name", Varchar, 32},
};

// Till day-end lines
const ColumnDef kRjsp[] = {
    {"id", Counter}, {"gl_djh", Varchar, 16}, {"rj_xsrq", Varchar, 16}, {"g_sn", Varchar, 16}, {"rj_sl", Money},
    {"rj_je", Money}, {"a_name", Varchar, 32},
};

// Till receipt print settings (one row)
const ColumnDef kPosprint[] = {
    {"id", Counter}, {"pp_zjdy", Bit}, {"pp_dkqx", Bit}, {"pp_zdqz", Bit}, {"pp_dyfs", Int}, {"pp_dyj", Int},
    {"pp_bt1", Varchar, 64}, {"pp_bt2", Varchar, 64}, {"pp_jz1", Varchar, 64}, {"pp_jz2", Varchar, 64},
    {"pp_khs", Varchar, 2}, {"pp_fs", Varchar, 4}, {"pp_xfjf", Bit}, {"pp_fkfs", Bit}, {"pp_jedx", Bit},
    {"pp_bzxx", Bit},
};

// Till function keys
const ColumnDef kGnb[] = {
    {"id", Counter}, {"gn_name", Varchar, 32}, {"gn_jz", Int},
};

// Font size of the till grid (one row)
const ColumnDef kPosfont[] = {
    {"id", Counter}, {"font_size", Varchar, 32},
};

// Customer-display port of the till (at most one row)
const ColumnDef kPoskx[] = {
    {"id", Counter}, {"pos_com", Varchar, 8},
};

// Registered till terminals
const ColumnDef kPostable[] = {
    {"id", Counter}, {"posnumber", Varchar, 16}, {"posname", Varchar, 32}, {"posunique", Varchar, 32},
};

const char* const kPosprintRows[] = {
    "0,0,0,0,0,'禾岚旗舰店','欢迎惠顾','欢迎使用禾岚进销存','管理软件 禾岚是专家','2','1',0,0,0,1",
};
// The function keys of the till with the Windows virtual-key code of each key: 187 "=",
// 191 "/", 46 Delete, 34 Page Down, 112.. F1..
const char* const kGnbRows[] = {
    "'付款结账',187", "'修改折扣',118", "'修改单价',114", "'修改数量',191", "'删除当前',46",
    "'删除全部',34",  "'选择会员',113", "'打开钱箱',117", "'浏览图片',115", "'选择仓库',122",
    "'选择员工',123", "'锁定屏幕',121", "'挂单',119",     "'解挂',120",
};
const char* const kPosfontRows[] = {"'14'"};

// The till's documents are found by number, their lines also by the working line they were
// paid from (tid: returns count what a sold line gave back), the sales by their moment.
const char* const kTillHeads[] = {"gl_djh", "pos_xsrq"};
const char* const kTillLines[] = {"gl_djh", "tid"};
const char* const kMemberSaleHeads[] = {"gl_djh", "hy_sn"};
const char* const kByNumber[] = {"gl_djh"};

const TableDef kTables[] = {
    {.name = "jxc_posxsd", .columns = kPosxsd, .indexes = kTillHeads},
    {.name = "jxc_posxssp", .columns = kPosxssp, .indexes = kTillLines},
    {.name = "jxc_posxsspmx", .columns = kPosxsspmx, .indexes = kTillLines},
    {.name = "jxc_posthd", .columns = kPosthd, .indexes = kTillHeads},
    {.name = "jxc_posthsp", .columns = kPosthsp, .indexes = kTillLines},
    {.name = "jxc_hyxsd", .columns = kHyxsd, .indexes = kMemberSaleHeads},
    {.name = "jxc_hyxssp", .columns = kHyxssp, .indexes = kByNumber},
    {.name = "jxc_crk", .columns = kCrk},
    {.name = "jxc_jbgl", .columns = kJbgl},
    {.name = "jxc_rjd", .columns = kRjd},
    {.name = "jxc_rjsp", .columns = kRjsp},
    {.name = "jxc_posprint",
     .columns = kPosprint,
     .rows = {"pp_zjdy,pp_dkqx,pp_zdqz,pp_dyfs,pp_dyj,pp_bt1,pp_bt2,pp_jz1,pp_jz2,pp_khs,pp_fs,pp_xfjf,"
              "pp_fkfs,pp_jedx,pp_bzxx",
              kPosprintRows}},
    {.name = "jxc_gnb",
     .columns = kGnb,
     .rows = {"gn_name,gn_jz", kGnbRows}},
    {.name = "jxc_posfont",
     .columns = kPosfont,
     .rows = {"font_size", kPosfontRows}},
    {.name = "jxc_poskx", .columns = kPoskx},
    {.name = "jxc_postable", .columns = kPostable},
};

}  // namespace

std::span<const TableDef> tillTables()
{
    return kTables;
}
