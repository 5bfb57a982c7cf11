// The Excel import engine: mapping, preview, the walk with its statuses and summary, the goods
// and partner inserts, hostile workbooks and the all-or-nothing run.
#include "importtest.h"

#include "data/numbering.h"
#include "masterdata/ghsgl_import.h"
#include "masterdata/importdata.h"
#include "masterdata/masterdata.h"
#include "masterdata/partners.h"
#include "masterdata/spxxgl_import.h"
#include "platform/datagrid.h"
#include "platform/shellopen.h"
#include "platform/xlsreader.h"
#include "shell/commands.h"
#include "support/windowregistry.h"

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableView>
#include <QUrl>

namespace {

const QStringList kGoodsHeadings = {"商品编号", "商品名称", "单位", "预设进价", "颜色组", "尺码组", "品牌厂商",
                                    "款型说明", "备注列"};

class GoodsImport : public ImportTest {
protected:
    GoodsImportOptions options(const QString& path, bool autoSn = true)
    {
        GoodsImportOptions o;
        o.path = path;
        o.gcCid = 3;
        o.gcSn = QStringLiteral("1000100");
        o.autoSn = autoSn;
        return o;
    }
    // Mapping and preview as the wizard builds them.
    int prepare(const GoodsImportOptions& o)
    {
        clearImportMapping();
        EXPECT_EQ(appendImportMapping(o.path, QStringLiteral("jxc_goods")), kGoodsHeadings.size());
        return buildGoodsPreview(o, true);
    }
    static QString statuses()
    {
        return column(QStringLiteral("select id_image||' '||ifnull(id_status,'') as v from jxc_importdata order by id"));
    }
};

TEST_F(GoodsImport, AutomaticCodesFollowSuccessesAndEachNameIsAddedOnce)
{
    const QString path = workbook(QStringLiteral("商品"), kGoodsHeadings,
                                  {{"x", "运动鞋A", "双", "12.5", "红黑", "不关心尺码", "耐克", "跑步款", "a"},
                                   {"x", "", "双"},  // no name: not listed, yet its automatic code is passed over
                                   {"x", "B", "双", "abc"},
                                   {"x", "C", "  "},
                                   {"x", "D'--", "双", "", "红黑", "", "默认品牌"},
                                   {"x", "E", "双 "},
                                   {"x", "F", "箱", "3", "", "大码"}});
    const GoodsImportOptions o = options(path);
    const QString first = getMaxGoodsSn(3);
    const auto code = [&first](int step) { return QString::number(first.toLongLong() + step).rightJustified(8, u'0'); };
    // The column "备注列" matches no caption: unticked and unmapped.
    ASSERT_EQ(prepare(o), 6);
    EXPECT_EQ(column("select i_excelfield||'='||i_fieldid||(i_sele+0) as v from jxc_importchk order by id"),
              "商品编号=g_sn1|商品名称=g_name1|单位=dw_name1|预设进价=g_jj1|颜色组=color_name1|尺码组=cmz_name1|"
              "品牌厂商=g_sccs1|款型说明=gg_name1|备注列=0");
    EXPECT_EQ(column("select id_exceldata as v from jxc_importdata order by id"),
              QStringList({"[" + code(0) + "]运动鞋A", "[" + code(2) + "]B", "[" + code(3) + "]C",
                           "[" + code(4) + "]D'--", "[" + code(5) + "]E", "[" + code(6) + "]F"})
                  .join(u'|'));
    // "E" is unticked: cancelled, keeps its waiting mark.
    execSql(QStringLiteral("update jxc_importdata set id_sele=0 where id_exceldata like '%]E'"));

    const ImportRun run = importGoods(o);
    ASSERT_TRUE(run.ok());
    EXPECT_EQ(importSummaryText(run.summary),
              "导入完毕\r\n\r\n共6条记录\r\n\r\n成功导入3条\r\n\r\n失败2条\r\n\r\n取消导入1条");
    EXPECT_EQ(statuses(), "2 导入成功|3 导入失败,预设进价必须是数字!|3 导入失败,单位不能为空!|2 导入成功|1 |2 导入成功");
    EXPECT_EQ(column("select g_sn||' '||g_name as v from jxc_goods where gc_cid=3 order by id"),
              code(0) + " 运动鞋A|" + code(1) + " D'--|" + code(2) + " F");

    const QString red = value("select colorz_sn from jxc_colorz where colorz_name='红黑'");
    EXPECT_EQ(value("select count(*) from jxc_colorz where colorz_name='红黑'"), "1");
    EXPECT_EQ(value("select count(*) from jxc_colorz2 where colorz_sn=?", {{"", red}}), "0");
    EXPECT_EQ(column("select colorz_sn||'/'||cmz_sn||'/'||cmz_name as v from jxc_goods where gc_cid=3 order by id"),
              red + "/100001/不关心尺码|" + red + "/100001/|100001/" +
                  value("select cmz_sn from jxc_cmz where cmz_name='大码'") + "/大码");
    EXPECT_EQ(column("select dw_name as v from jxc_dw order by id"), "件|套|双|箱");
    EXPECT_EQ(value("select count(*) from jxc_ppcs where pp_name in ('耐克','默认品牌')"), "2");
    EXPECT_EQ(value("select printf('%g/%g/%g/%g/%g/',g_jj,g_scjj,g_cbj,g_pjjj,g_sj)||ghs_sn||'/'||gc_sn||'/'||"
                    "g_jm||'/'||gg_jm||'/'||g_tmtype||printf('/%g',g_dzll) from jxc_goods where g_name='运动鞋A'"),
              "12.5/12.5/12.5/12.5/0/100001/1000100/YDXA/PBK/1/1");
}

TEST_F(GoodsImport, OwnCodesRefuseRepeatsAndCellsThatDoNotFit)
{
    const QString longName(65, u'长');
    const QString path = workbook(QStringLiteral("商品"), kGoodsHeadings,
                                  {{" 90000001 ", "甲", "双"},
                                   {"90000002", longName, "双"},
                                   {"90000003", "乙", "双", "", "", QString(33, u'码')},
                                   {"", "丙", "双"},  // no code: not listed
                                   {"90000004", "丁", "双", "1e400"}});
    const GoodsImportOptions o = options(path, false);
    ASSERT_EQ(prepare(o), 4);
    EXPECT_EQ(value("select id_exceldata from jxc_importdata order by id"), "[ 90000001 ]甲");
    ImportRun run = importGoods(o);
    EXPECT_EQ(run.summary.success, 1);
    EXPECT_EQ(statuses(), "2 导入成功|3 导入失败,商品名称超过64个字符!|3 导入失败,尺码组超过32个字符!|"
                          "3 导入失败,预设进价必须是数字!");
    EXPECT_EQ(value("select g_sn from jxc_goods where g_name='甲'"), "90000001");

    // Again: the code is taken now. With "商品名称不允许重复" and automatic codes the name refuses.
    run = importGoods(o);
    EXPECT_EQ(value("select id_status from jxc_importdata order by id"), "导入失败,商品编号已经存在!");
    GoodsImportOptions unique = options(path);
    unique.uniqueNames = true;
    prepare(unique);
    run = importGoods(unique);
    EXPECT_EQ(value("select id_status from jxc_importdata order by id"), "导入失败,商品名称已经存在!");
    EXPECT_EQ(run.summary.success, 1);  // 丙 now has a code
}

TEST_F(GoodsImport, ADatabaseErrorLeavesNothingOfTheRun)
{
    const QString path = workbook(QStringLiteral("商品"), kGoodsHeadings,
                                  {{"", "甲", "盒", "", "新色组", "新码组", "新品牌"}, {"", "BOOM", "双"}});
    const GoodsImportOptions o = options(path);
    prepare(o);
    execSql(QStringLiteral("create trigger boom before insert on jxc_goods when new.g_name='BOOM' "
                           "begin select raise(abort,'boom'); end"));
    const QString before = value("select (select count(*) from jxc_goods)||(select count(*) from jxc_colorz)||"
                                 "(select count(*) from jxc_cmz)||(select count(*) from jxc_dw)||"
                                 "(select count(*) from jxc_ppcs)");
    EXPECT_THROW(importGoods(o), DbError);
    EXPECT_EQ(value("select (select count(*) from jxc_goods)||(select count(*) from jxc_colorz)||"
                    "(select count(*) from jxc_cmz)||(select count(*) from jxc_dw)||(select count(*) from jxc_ppcs)"),
              before);
    EXPECT_EQ(statuses(), "1 |1 ");
}

TEST_F(GoodsImport, HostileWorkbooksEndInTheirMessages)
{
    // Not a workbook; a workbook whose sheet is not named after the file.
    const QString junk = QDir(files.path()).filePath(QStringLiteral("junk.xls"));
    QFile f(junk);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("--' not a workbook");
    f.close();
    const QString otherSheet = workbook(QStringLiteral("商品"), kGoodsHeadings, {{"", "甲", "双"}}, QStringLiteral("Sheet1"));
    for (const QString& path : {junk, otherSheet, QDir(files.path()).filePath(QStringLiteral("missing.xls"))}) {
        EXPECT_EQ(appendImportMapping(path, QStringLiteral("jxc_goods")), -1) << path.toStdString();
        EXPECT_EQ(buildGoodsPreview(options(path), true), -1);
    }
    EXPECT_EQ(value("select count(*) from jxc_importchk"), "0");

    // An empty sheet: no preview, the import refuses.
    const QString empty = workbook(QStringLiteral("空"), kGoodsHeadings, {});
    EXPECT_EQ(prepare(options(empty)), 0);
    EXPECT_EQ(importGoods(options(empty)).refusal, importEmptyMessage());
}

class PartnerImport : public ImportTest {
protected:
    int prepare(PartnerKind kind, const QString& path)
    {
        clearImportMapping();
        appendImportMapping(path, partnerSide(kind).table);
        return buildPartnerPreview(kind, path, true);
    }
};

TEST_F(PartnerImport, SuppliersAreImportedOnceWithTrimmedTypesAndZonesAsRead)
{
    PartnerFields dotted;
    dotted.name = QStringLiteral("A.B鞋业");  // stored as "A．B鞋业"
    addPartner(PartnerKind::Ghs, dotted);
    const QString path = workbook(QStringLiteral("供货商"), {"供货商名称", "联系人", "供货商类型", "所属地区"},
                                  {{" 甲鞋业 ", "张三", " 新类型 ", " 华东"},
                                   {"A.B鞋业", "李四"},
                                   {""},
                                   {"乙鞋业", "", "新类型", "华东"},
                                   {"丙'--", QString(33, u'人')}});
    ASSERT_EQ(prepare(PartnerKind::Ghs, path), 4);
    EXPECT_EQ(value("select id_exceldata from jxc_importdata order by id"), " 甲鞋业 ");

    ImportRun run = importPartners(PartnerKind::Ghs, path);
    EXPECT_EQ(importSummaryText(run.summary), "导入完毕\r\n\r\n共4条记录\r\n\r\n成功导入2条\r\n\r\n失败2条\r\n\r\n取消导入0条");
    EXPECT_EQ(column("select id_status as v from jxc_importdata order by id"),
              "导入成功|导入失败,供货商已经存在!|导入成功|导入失败,联系人超过32个字符!");
    EXPECT_EQ(column("select ghs_name||'/'||ghs_jm||'/'||gt_name||'/'||z_name||'/'||ghs_pl||printf('/%g/',ghs_lwje)||"
                     "(ghs_default+0)||(ghs_forbid+0)||'/'||ifnull(ghs_tele,'null') as v from jxc_ghsxx where ghs_sn>'100002' "
                     "order by id"),
              "甲鞋业/JXY/新类型/ 华东/0/0/00/null|乙鞋业/YXY/新类型/华东/0/0/00/null");
    EXPECT_EQ(column("select gt_name as v from jxc_ghstype where gt_sn>'100003'"), "新类型");
    EXPECT_EQ(column("select z_name as v from jxc_zone where z_sn>'100003' order by id"), " 华东|华东");

    // A second run refuses every row.
    run = importPartners(PartnerKind::Ghs, path);
    EXPECT_EQ(run.summary.success, 0);
    EXPECT_EQ(value("select count(*) from jxc_importdata where id_status='导入失败,供货商已经存在!'"), "3");
}

TEST_F(PartnerImport, CustomersGoToTheirOwnTables)
{
    const QString path = workbook(QStringLiteral("客户"), {"客户名称", "客户类型", "联系地址"},
                                  {{"王五", "批发", "路'1号"}, {"  "}});
    ASSERT_EQ(prepare(PartnerKind::Kh, path), 2);
    const ImportRun run = importPartners(PartnerKind::Kh, path);
    EXPECT_EQ(column("select id_status as v from jxc_importdata order by id"), "导入成功|导入失败,客户名称不能为空!");
    EXPECT_EQ(value("select kh_name||'/'||kt_name||'/'||kh_address||'/'||kh_pl||printf('/%g',kh_lwje) from jxc_khxx "
                    "where kh_name='王五'"),
              "王五/批发/路'1号/0/0");
    EXPECT_EQ(value("select count(*) from jxc_khtype where kt_name='批发'"), "1");
    EXPECT_EQ(value("select count(*) from jxc_ghsxx where ghs_name='王五'"), "0");
    execSql(QStringLiteral("delete from jxc_importdata"));
    EXPECT_EQ(importPartners(PartnerKind::Kh, path).refusal, importEmptyMessage());
}

class ImportWindows : public ImportTest {
protected:
    void SetUp() override
    {
        ImportTest::SetUp();
        windows = std::make_unique<ScopedWindows>(registerImportAndBarcodeWindows);
    }
    void TearDown() override
    {
        windows.reset();
        ImportTest::TearDown();
    }
    // Unticks row `row` of a grid's tick column (the first), as a click does.
    static void untick(DataGrid* grid, int row)
    {
        QAbstractItemModel* model = grid->view()->model();
        ASSERT_TRUE(model->setData(model->index(row, 0), Qt::Unchecked, Qt::CheckStateRole));
    }
    QString junkFile()
    {
        const QString junk = QDir(files.path()).filePath(QStringLiteral("junk.xls"));
        QFile f(junk);
        f.open(QIODevice::WriteOnly);
        f.write("not a workbook");
        return junk;
    }

    std::unique_ptr<ScopedWindows> windows;
};

TEST_F(ImportWindows, GoodsWizardGoesFromTheCategoryToTheSummary)
{
    const QString junk = junkFile();
    const QString path = workbook(QStringLiteral("商品"), kGoodsHeadings,
                                  {{"x", "甲", "双", "abc"}, {"x", "乙", "双"}, {"x", "丙", "双"}});
    TF_Form::scriptNextOpening(QStringLiteral("F_Spxxgl_Import"), [&](TF_Form* f) {
        auto* w = static_cast<TF_Spxxgl_Import*>(f);
        EXPECT_EQ(w->pages->currentWidget(), w->pageStart);
        w->btnStart->click();
        // The first leaf is chosen; a category with sub-categories takes no goods.
        EXPECT_EQ(w->lblClass->text(), "运动鞋");
        w->TreeView1Click(2);
        EXPECT_FALSE(w->btnNext1->isEnabled());
        w->TreeView1Click(3);
        w->btnNext1->click();
        EXPECT_EQ(w->grpFields->title(), "第二步：请选择要导入的字段");
        EXPECT_FALSE(w->btnNext->isEnabled());

        MsgScript::openFile(junk);
        w->btnOpen->click();
        EXPECT_EQ(MsgScript::last().text, "您没有安装Excel或导入文件不是Excel，不能进行导入操作！");
        EXPECT_FALSE(w->btnNext->isEnabled());
        MsgScript::openFile(path);
        w->btnOpen->click();
        EXPECT_EQ(w->grpFields->title(), "请选择要导入的字段（共9个字段）");
        // Unticking the price column forgets its field: the price cells are not read.
        untick(w->gridFields, 3);
        EXPECT_EQ(value("select i_fieldid||'/'||(i_sele+0) from jxc_importchk where i_excelfield='预设进价'"), "/0");

        w->btnNext->click();
        EXPECT_EQ(w->grpData->title(), "选择要导入的 商品资料（共3条记录）");
        untick(w->gridData, 1);
        w->btnImport->click();
        EXPECT_EQ(MsgScript::last().text,
                  "导入完毕\r\n\r\n共3条记录\r\n\r\n成功导入2条\r\n\r\n失败0条\r\n\r\n取消导入1条");
        EXPECT_EQ(w->gridData->value(0, QStringLiteral("id_status")), "导入成功");
        EXPECT_EQ(w->gridData->value(1, QStringLiteral("id_image")), "1");

        w->cbAll->click();
        EXPECT_FALSE(w->btnImport->isEnabled());
        EXPECT_EQ(value("select count(*) from jxc_importdata where id_sele<>0"), "0");
        w->btnCancel2->click();
    });
    EXPECT_TRUE(openWindow(QStringLiteral("TF_Spxxgl_Import"), QString(), QStringLiteral("导入")));
    EXPECT_EQ(value("select group_concat(g_name||printf('=%g',g_jj)) from (select * from jxc_goods where gc_cid=3 order by id)"),
              "甲=0,丙=0");
}

TEST_F(ImportWindows, SupplierWizardRefusesASecondRunAndOpensItsTemplate)
{
    const QString path = workbook(QStringLiteral("供货商"), {"供货商名称", "联系电话"}, {{"甲鞋业", "123"}, {"乙鞋业"}});
    const QString blank = workbook(QStringLiteral("空名"), {"供货商名称", "联系电话"}, {{"", "123"}});
    QStringList opened;
    setShellOpener([&opened](const QUrl& url) {
        opened << url.toLocalFile();
        return true;
    });
    TF_Form::scriptNextOpening(QStringLiteral("F_Ghsgl_Import"), [&](TF_Form* f) {
        auto* w = static_cast<TF_Ghsgl_Import*>(f);
        w->openTemplate();
        MsgScript::openFile(path);
        w->btnOpen->click();
        w->btnNext->click();
        EXPECT_EQ(w->grpData->title(), "选择要导入的 供货商资料（共2条记录）");
        w->btnImport->click();
        w->btnImport->click();
        EXPECT_EQ(MsgScript::texts(),
                  QStringList({"导入完毕\r\n\r\n共2条记录\r\n\r\n成功导入2条\r\n\r\n失败0条\r\n\r\n取消导入0条",
                               "导入完毕\r\n\r\n共2条记录\r\n\r\n成功导入0条\r\n\r\n失败2条\r\n\r\n取消导入0条"}));
        EXPECT_EQ(w->gridData->value(1, QStringLiteral("id_status")), "导入失败,供货商已经存在!");

        // A sheet whose names are all empty: an empty preview, refused on import.
        w->btnPrior->click();
        MsgScript::openFile(blank);
        w->btnOpen->click();
        EXPECT_EQ(w->grpFields->title(), "请选择要导入的字段（共2个字段）");
        w->btnNext->click();
        w->btnImport->click();
        EXPECT_EQ(MsgScript::last().text, "模板中没有数据，不能进行导入操作！");
        w->close();
    });
    EXPECT_TRUE(openWindow(QStringLiteral("TF_Ghsgl_Import"), QStringLiteral("导入供货商信息"), QStringLiteral("导入")));
    setShellOpener({});
    ASSERT_EQ(opened.size(), 1);
    EXPECT_TRUE(opened.first().endsWith(QStringLiteral("/模板文件/供货商模板.xls")));
    EXPECT_EQ(value("select count(*) from jxc_ghsxx where ghs_name in ('甲鞋业','乙鞋业')"), "2");
}

TEST(ImportTemplates, ShippedTemplatesCarryTheCatalogueCaptions)
{
    TestDb db;
    const QString dir = QStringLiteral(JXC_SOURCE_DIR "/模板文件");
    for (const char* table : {"jxc_goods", "jxc_ghsxx", "jxc_khxx", "jxc_hyxx"}) {
        const QString path = dir + u'/' + importTemplateName(QString::fromLatin1(table));
        if (qEnvironmentVariableIsSet("JXC_WRITE_TEMPLATES"))
            writeImportTemplate(QString::fromLatin1(table), path);
        const ResultSet sheet = readWorkbookSheet(path, importSheetName(path));
        QStringList headings;
        for (const ResultColumn& c : sheet.columns())
            headings << c.name;
        EXPECT_EQ(headings.join(u','),
                  selectValue(QStringLiteral("select group_concat(i_fieldname) from (select i_fieldname from jxc_import "
                                             "where i_tablename='%1' order by id)")
                                  .arg(QLatin1String(table))))
            << table;
    }
}

}  // namespace
