// The goods catalogue: categories, goods, named prices, colours and sizes with their groups,
// units, goods specs (规格), brands, variant barcodes and labels, reminders and the price log.
#include "data/schema/tables.h"

namespace {

using enum ColumnType;

// Goods category tree
const ColumnDef kGoodsclass[] = {
    {"id", Counter}, {"gc_sn", Varchar, 16}, {"gc_name", Varchar, 64}, {"gc_jm", Varchar, 32}, {"gc_pid", Int},
    {"gc_cid", Int},
};

// Goods master (one row per style)
const ColumnDef kGoods[] = {
    {"id", Counter}, {"g_sn", Varchar, 32}, {"g_name", Varchar, 64}, {"g_jm", Varchar, 32}, {"g_jj", Money},
    {"g_sj", Money}, {"g_zdkc", Int}, {"g_tjsp", Bit}, {"g_sccs", Varchar, 64}, {"g_bz", Varchar, 64},
    {"g_kc", Money}, {"g_scjj", Money}, {"g_cbj", Money}, {"g_cgpl", Int}, {"g_xspl", Int}, {"g_jy", Bit},
    {"bl", Int}, {"g_sptm", Varchar, 64}, {"g_tmtype", Int}, {"g_pjjj", Money}, {"g_zbq", Varchar, 64},
    {"g_dzll", Money}, {"g_hyj", Money}, {"g_tj", Money}, {"g_tjqx", Bit}, {"g_ks", Varchar, 32},
    {"g_js", Varchar, 32}, {"g_dxdz", Bit}, {"g_updatepos", Varchar, 64}, {"g_iszp", Bit}, {"g_zpjf", Money},
    {"g_clxs", Money}, {"g_yjlx", Varchar, 64}, {"g_tym", Varchar, 64}, {"g_sy", Bit}, {"g_tcje", Money},
    {"g_bzq", Money}, {"g_tclb", Int}, {"g_tc", Money}, {"g_tssp", Bit}, {"g_tsjf", Money}, {"gc_cid", Int},
    {"gc_sn", Varchar, 16}, {"dw_name", Varchar, 64}, {"gg_name", Varchar, 64}, {"color_name", Varchar, 64},
    {"cmz_name", Varchar, 32}, {"colorz_sn", Varchar, 8}, {"cmz_sn", Varchar, 8}, {"gg_jm", Varchar, 64},
    {"color_jm", Varchar, 64}, {"ghs_sn", Varchar, 8},
};

// Extra named prices of a goods
const ColumnDef kGoodsprice[] = {
    {"id", Counter}, {"gp_name", Varchar, 32}, {"gp_price", Money}, {"g_sn", Varchar, 32},
};

// Colours
const ColumnDef kColor[] = {
    {"id", Counter}, {"color_sn", Varchar, 8}, {"color_name", Varchar, 64}, {"color_jm", Varchar, 64},
    {"color_tm", Varchar, 32}, {"color_click", Int},
};

// Colour groups
const ColumnDef kColorz[] = {
    {"id", Counter}, {"colorz_sn", Varchar, 8}, {"colorz_name", Varchar, 32}, {"colorz_note", Varchar, 200},
};

// Colours of each colour group
const ColumnDef kColorz2[] = {
    {"id", Counter}, {"colorz_sn", Varchar, 8}, {"color_sn", Varchar, 8},
};

// Sizes
const ColumnDef kCm[] = {
    {"id", Counter}, {"cm_sn", Varchar, 8}, {"cm_name", Varchar, 32}, {"cm_jm", Varchar, 32},
    {"cm_tm", Varchar, 32},
};

// Size groups
const ColumnDef kCmz[] = {
    {"id", Counter}, {"cmz_sn", Varchar, 8}, {"cmz_name", Varchar, 32}, {"cmz_note", Varchar, 200},
    {"cm_sn", Varchar, 8},
};

// Sizes of each size group
const ColumnDef kCmz2[] = {
    {"id", Counter}, {"cmz_sn", Varchar, 8}, {"cm_sn", Varchar, 8},
};

// Units of measure
const ColumnDef kDw[] = {
    {"id", Counter}, {"dw_sn", Varchar, 8}, {"dw_name", Varchar, 64},
};

// Goods specs 规格 (sample list)
const ColumnDef kGgxh[] = {
    {"id", Counter}, {"gg_sn", Varchar, 8}, {"gg_name", Varchar, 64},
};

// Brands
const ColumnDef kPpcs[] = {
    {"id", Counter}, {"pp_sn", Varchar, 8}, {"pp_name", Varchar, 64}, {"pp_jm", Varchar, 64},
};

// Variant barcodes and the label print list
const ColumnDef kTm[] = {
    {"id", Counter}, {"g_sn", Varchar, 32}, {"tm_sl", Money}, {"tm_dy", Money}, {"cm_sn", Varchar, 8},
    {"color_sn", Varchar, 8}, {"tm_tm", Varchar, 64}, {"g_sptm", Varchar, 64}, {"cm_tm", Varchar, 32},
    {"color_tm", Varchar, 32},
};

// Label layout (one row)
const ColumnDef kTmdy[] = {
    {"id", Counter}, {"tm_width", Int}, {"tm_height", Int}, {"tm_num", Int}, {"tm_padding", Int},
    {"tm_titledisp", Bit}, {"tm_title", Varchar, 64}, {"tm_titleleft", Int}, {"tm_titletop", Int},
    {"tm_titlepadding", Int}, {"tm_titlealign", Int}, {"tm_code", Varchar, 64}, {"tm_codeleft", Int},
    {"tm_codetop", Int}, {"tm_codeheight", Int}, {"tm_codetype", Int}, {"tm_codedisp", Bit},
    {"tm_footdisp", Bit}, {"tm_foot", Varchar, 64}, {"tm_footleft", Int}, {"tm_foottop", Int},
    {"tm_footpadding", Int}, {"tm_footalign", Int},
};

// Goods reminders
const ColumnDef kGoodsremind[] = {
    {"id", Counter}, {"gr_mode", Varchar, 1}, {"gr_date", Varchar, 64}, {"gr_note", Text},
    {"gr_time", DateTime}, {"gr_obj", Varchar, 8}, {"a_name", Varchar, 32}, {"g_sn", Varchar, 32},
};

// Price adjustment log
const ColumnDef kSptjb[] = {
    {"id", Counter}, {"g_sn", Varchar, 16}, {"tj_rq", Varchar, 32}, {"tj_nr", Varchar, 255},
    {"a_name", Varchar, 32},
};

// The list of labels to print: label printing empties it and writes one row per label.
const ColumnDef kTxm[] = {
    {"id", Counter}, {"tm_code", Varchar, 64},
};

const char* const kGoodsclassRows[] = {"'所有类别',0,1"};
// The discount balancing item: bills book a discount that balances a total on it.
const char* const kGoodsRows[] = {
    "'00000000','优惠商品','YHSP',0,0,0,0,'','在销售或进货有优惠时,平衡商品总额!',0,0,0,0,0,1,'',0,'100001',2,'','','',"
    "'','',1,0,0,0,0,0,0,1",
};
const char* const kColorRows[] = {
    "'100001','统一','TY','10',0",  "'100002','红色','HS','11',0", "'100003','蓝色','LS','12',0",
    "'100004','白色','BS','13',0",  "'100005','黑色','HS','14',0", "'100006','黄色','HS','15',0",
    "'100007','灰色','HS','16',0",  "'100008','深绿色','SLS','17',0", "'100009','深蓝色','SLS','18',0",
};
const char* const kColorzRows[] = {"'100001','不关心颜色',''"};
const char* const kColorz2Rows[] = {"'100001','100001'"};
const char* const kCmRows[] = {
    "'100001','均码','JM','10'", "'100002','加大','JD','11'", "'100003','大号','DH','12'",
    "'100004','中号','ZH','13'", "'100005','小号','XH','14'", "'100006','XL','XL','15'",
    "'100007','L','L','16'",     "'100008','M','M','17'",     "'100009','S','S','18'",
};
const char* const kCmzRows[] = {"'100001','不关心尺码',''"};
const char* const kCmz2Rows[] = {"'100001','100001'"};
const char* const kDwRows[] = {"'100001','件'", "'100002','套'"};
const char* const kGgxhRows[] = {"'100001','500ml'", "'100002','100ml'"};
const char* const kPpcsRows[] = {
    "'100001','默认品牌','MRPP'", "'100002','时尚风','SSF'",   "'100003','舒适鞋业','SSXY'",
    "'100004','快乐童鞋','KLTX'", "'100005','都市男鞋','DSNX'", "'100006','优雅女鞋','YYNX'",
    "'100007','运动先锋','YDXF'",
};
const char* const kTmdyRows[] = {
    "100,30,1,150,1,'禾岚软件标题',2,2,2,0,'1234567890',2,50,50,14,1,1,'禾岚软件脚注',2,100,2,0",
};

const char* const kByGoods[] = {"g_sn"};
// Variant barcodes are looked up by the barcode itself (the till's scan).
const char* const kTmIndexes[] = {"g_sn", "tm_tm"};
// The goods by code, by barcode (the bills' barcode entry) and by sales frequency (the sales picker's order).
const char* const kGoodsIndexes[] = {"g_sn", "g_sptm", "g_xspl"};

const TableDef kTables[] = {
    {.name = "jxc_goodsclass", .columns = kGoodsclass, .rows = {"gc_name,gc_pid,gc_cid", kGoodsclassRows}},
    {.name = "jxc_goods",
     .columns = kGoods,
     .rows = {"g_sn,g_name,g_jm,g_jj,g_sj,g_zdkc,g_tjsp,g_sccs,g_bz,g_kc,g_scjj,g_cbj,g_cgpl,g_xspl,g_jy,g_sptm,"
              "g_pjjj,ghs_sn,gc_cid,gc_sn,dw_name,gg_name,color_name,cmz_name,g_dzll,g_hyj,g_tj,g_tjqx,g_dxdz,"
              "g_iszp,g_zpjf,g_tmtype",
              kGoodsRows},
     .indexes = kGoodsIndexes},
    {.name = "jxc_goodsprice", .columns = kGoodsprice},
    {.name = "jxc_color", .columns = kColor, .rows = {"color_sn,color_name,color_jm,color_tm,color_click", kColorRows}},
    {.name = "jxc_colorz", .columns = kColorz, .rows = {"colorz_sn,colorz_name,colorz_note", kColorzRows}},
    {.name = "jxc_colorz2", .columns = kColorz2, .rows = {"colorz_sn,color_sn", kColorz2Rows}},
    {.name = "jxc_cm", .columns = kCm, .rows = {"cm_sn,cm_name,cm_jm,cm_tm", kCmRows}},
    {.name = "jxc_cmz", .columns = kCmz, .rows = {"cmz_sn,cmz_name,cmz_note", kCmzRows}},
    {.name = "jxc_cmz2", .columns = kCmz2, .rows = {"cmz_sn,cm_sn", kCmz2Rows}},
    {.name = "jxc_dw", .columns = kDw, .rows = {"dw_sn,dw_name", kDwRows}},
    {.name = "jxc_ggxh", .columns = kGgxh, .rows = {"gg_sn,gg_name", kGgxhRows}},
    {.name = "jxc_ppcs", .columns = kPpcs, .rows = {"pp_sn,pp_name,pp_jm", kPpcsRows}},
    {.name = "jxc_tm", .columns = kTm, .indexes = kTmIndexes},
    {.name = "jxc_tmdy",
     .columns = kTmdy,
     .rows = {"tm_width,tm_height,tm_num,tm_padding,tm_titledisp,tm_title,tm_titleleft,tm_titletop,"
              "tm_titlepadding,tm_titlealign,tm_code,tm_codeleft,tm_codetop,tm_codeheight,tm_codetype,tm_codedisp,"
              "tm_footdisp,tm_foot,tm_footleft,tm_foottop,tm_footpadding,tm_footalign",
              kTmdyRows}},
    {.name = "jxc_txm", .columns = kTxm},
    {.name = "jxc_goodsremind", .columns = kGoodsremind},
    {.name = "jxc_sptjb", .columns = kSptjb},
};

}  // namespace

std::span<const TableDef> goodsTables()
{
    return kTables;
}
