// The goods list: the category tree with its codes, the category filter and search, deletions
// of categories and goods, disabling, adding, export and the printouts.
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/namedquery.h"
#include "data/settings.h"
#include "masterdata/masterdata.h"
#include "masterdata/spxxgl.h"
#include "platform/categorytree.h"
#include "platform/datagrid.h"
#include "platform/msgbox.h"
#include "platform/report.h"
#include "platform/xlsreader.h"
#include "shell/commands.h"
#include "support/testdb.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTest>
#include <QTreeWidgetItem>
#include <gtest/gtest.h>

namespace {

const QString kOpenWindows = QStringLiteral("TF_Spxxgl_Add,TF_Spxxgl_Modi,TF_Spxxgl_JmModi");

class GoodsListTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        MsgScript::reset();
        registerGoodsListWindows();
    }
    void TearDown() override
    {
        delete F_Spxxgl;
        for (const QString& w : kOpenWindows.split(u','))
            unregisterWindow(w);
        setReportInterceptor({});
        MsgScript::reset();
        modeFlag.clear();
    }

    // A category row with a code of our choosing.
    static void addClass(int cid, int pid, const QString& sn, const QString& name)
    {
        appendRow(QStringLiteral("jxc_goodsclass"), {{QStringLiteral("gc_cid"), cid},
                                                     {QStringLiteral("gc_pid"), pid},
                                                     {QStringLiteral("gc_sn"), sn},
                                                     {QStringLiteral("gc_name"), name}});
    }
    // A goods row (the add dialog is not part of this window).
    static void addGoods(const QString& sn, const QString& name, const QString& gcSn, const SqlParams& more = {})
    {
        SqlParams fields{{QStringLiteral("g_sn"), sn},
                         {QStringLiteral("g_name"), name},
                         {QStringLiteral("gc_sn"), gcSn},
                         {QStringLiteral("g_jm"), sn + QStringLiteral("JM")},
                         {QStringLiteral("dw_name"), QStringLiteral("双")}};
        fields.insert(fields.end(), more.begin(), more.end());
        appendRow(QStringLiteral("jxc_goods"), fields);
    }
    // 1001 (with 1001100 below) and 1100 (with 1100100 below, whose code contains "1001").
    static void addCatalogue()
    {
        addClass(2, 1, QStringLiteral("1001"), QStringLiteral("男鞋"));
        addClass(3, 1, QStringLiteral("1100"), QStringLiteral("童鞋"));
        addClass(4, 3, QStringLiteral("1100100"), QStringLiteral("童凉鞋"));
        addClass(5, 2, QStringLiteral("1001100"), QStringLiteral("男皮鞋"));
        addGoods(QStringLiteral("10010001"), QStringLiteral("男休闲鞋"), QStringLiteral("1001"),
                 {{QStringLiteral("g_kc"), 5}, {QStringLiteral("g_sj"), 199.5}, {QStringLiteral("gg_name"), QStringLiteral("春款")}});
        addGoods(QStringLiteral("10011001"), QStringLiteral("男皮鞋A"), QStringLiteral("1001100"),
                 {{QStringLiteral("g_kc"), 2.5}, {QStringLiteral("g_sj"), 320}});
        addGoods(QStringLiteral("11001001"), QStringLiteral("童凉鞋B"), QStringLiteral("1100100"),
                 {{QStringLiteral("g_kc"), 1}});
    }

    // Opens the goods list and runs `script` in it.
    static void withWindow(const std::function<void(TF_Spxxgl*)>& script)
    {
        TF_Spxxgl* w = ensureForm(F_Spxxgl);
        bool ran = false;
        TF_Form::scriptNextOpening(w->objectName(), [&](TF_Form* f) {
            ran = true;
            script(static_cast<TF_Spxxgl*>(f));
        });
        w->showModalForm();
        EXPECT_TRUE(ran);
    }

    static QStringList shownCodes(TF_Spxxgl* w)
    {
        QStringList out;
        for (int i = 0; i < w->cxGrid1->rowCount(); ++i)
            out << w->cxGrid1->value(w->cxGrid1->sourceRow(i), QStringLiteral("g_sn"));
        return out;
    }
    static void clickNode(TF_Spxxgl* w, int cid)
    {
        ASSERT_TRUE(w->TreeView1->selectById(cid));
        QTreeWidgetItem* item = w->TreeView1->itemById(cid);
        QTest::mouseClick(w->TreeView1->viewport(), Qt::LeftButton, {}, w->TreeView1->visualItemRect(item).center());
    }
    static void focusGoods(TF_Spxxgl* w, const QString& sn)
    {
        for (int i = 0; i < w->cxGrid1->rowCount(); ++i)
            if (w->cxGrid1->value(w->cxGrid1->sourceRow(i), QStringLiteral("g_sn")) == sn) {
                ASSERT_TRUE(w->cxGrid1->setCurrentRow(w->cxGrid1->sourceRow(i)));
                return;
            }
        FAIL() << "not shown: " << sn.toStdString();
    }
    static int count(const QString& sql) { return selectValue(sql).toInt(); }
    // Types the text key by key, as a keyboard with an input method does.
    static void typeKeys(QWidget* box, const QString& text)
    {
        for (QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(box, &press);
        }
    }

    TestDb db;
};

// ---- Categories ---------------------------------------------------------------------------------

TEST_F(GoodsListTest, NewCategoriesTakeTheirCodesAndKeepThemThroughRenames)
{
    addGoods(QStringLiteral("10000001"), QStringLiteral("运动鞋"), QStringLiteral("1000"));
    withWindow([&](TF_Spxxgl* w) {
        EXPECT_EQ(w->windowTitle(), QStringLiteral("商品信息管理"));
        EXPECT_EQ(w->TreeView1->currentName(), QStringLiteral("所有类别"));
        w->N_CreateClass->trigger();
        EXPECT_EQ(w->TreeView1->currentName(), QStringLiteral("新类别"));
        EXPECT_EQ(w->TreeView1->currentCode(), QStringLiteral("1000"));
        const int shoes = w->TreeView1->currentId();
        w->N_CreateClass->trigger();  // below the new one
        EXPECT_EQ(w->TreeView1->currentCode(), QStringLiteral("1000100"));
        ASSERT_TRUE(w->TreeView1->selectById(1));
        w->N_CreateClass->trigger();
        EXPECT_EQ(w->TreeView1->currentCode(), QStringLiteral("1001"));
        EXPECT_EQ(count(QStringLiteral("select count(*) from jxc_goodsclass where gc_name='新类别'")), 3);
        EXPECT_EQ(DataModule->ADOQueryGoodsClass2->rowCount(), 3);

        ASSERT_TRUE(w->TreeView1->selectById(shoes));
        ASSERT_TRUE(w->TreeView1->renameCurrent(QStringLiteral("鞋类")));
        EXPECT_EQ(w->TreeView1->currentCode(), QStringLiteral("1000"));
        EXPECT_EQ(selectValue(QStringLiteral("select gc_sn||'/'||gc_jm from jxc_goodsclass where gc_name='鞋类'")),
                  QStringLiteral("1000/XL"));
        // The grid shows the goods of the renamed category under its new name.
        ASSERT_EQ(w->cxGrid1->rowCount(), 1);
        EXPECT_EQ(DataModule->Q_Goods->fieldByName(QStringLiteral("gc_name")), QStringLiteral("鞋类"));
        // An empty name is refused and the old one stays.
        EXPECT_FALSE(w->TreeView1->renameCurrent(QStringLiteral("  ")));
        EXPECT_EQ(MsgScript::last().text, QStringLiteral("类别名称不能为空！"));
        // A child below the renamed category still continues its code.
        w->N_CreateClass->trigger();
        EXPECT_EQ(w->TreeView1->currentCode(), QStringLiteral("1000101"));
    });
}

TEST_F(GoodsListTest, DeletingACategoryRefusesGoodsAnywhereBelowAndTakesTheWholeBranch)
{
    addCatalogue();
    addClass(6, 3, QStringLiteral("1100101"), QStringLiteral("童棉鞋"));
    addClass(7, 6, QStringLiteral("1100101100"), QStringLiteral("童棉鞋小"));
    withWindow([&](TF_Spxxgl* w) {
        const QString all = QStringLiteral("select count(*) from jxc_goodsclass");
        const int before = count(all);
        for (int cid : {2, 3, 1}) {  // goods on itself, on a grandchild; the root holds every goods item
            ASSERT_TRUE(w->TreeView1->selectById(cid));
            MsgScript::reset();
            w->N_DeleteClass->trigger();
            EXPECT_EQ(MsgScript::texts(), QStringList{QString::fromUtf16(kGoodsClassHasGoods)}) << cid;
        }
        EXPECT_EQ(count(all), before);

        // No goods below: one question, then the category and everything below it go.
        ASSERT_TRUE(w->TreeView1->selectById(6));
        MsgScript::reset();
        MsgScript::answer(MsgAnswer::No);
        w->N_DeleteClass->trigger();
        EXPECT_EQ(count(all), before);
        MsgScript::answer(MsgAnswer::Yes);
        w->N_DeleteClass->trigger();
        EXPECT_EQ(MsgScript::texts(), QStringList({QStringLiteral("您确定要删除当前类别吗?"), QStringLiteral("您确定要删除当前类别吗?")}));
        EXPECT_EQ(count(all), before - 2);
        EXPECT_EQ(w->TreeView1->itemById(6), nullptr);
        EXPECT_EQ(w->TreeView1->itemById(7), nullptr);
        EXPECT_NE(w->TreeView1->itemById(4), nullptr);
    });
    // The routine alone: the root is never deleted.
    execSql(QStringLiteral("delete from jxc_goods"));
    EXPECT_EQ(deleteGoodsClass(1), QString());
    EXPECT_EQ(count(QStringLiteral("select count(*) from jxc_goodsclass where gc_cid=1")), 1);
    EXPECT_EQ(deleteGoodsClass(3), QString());
    EXPECT_EQ(count(QStringLiteral("select count(*) from jxc_goodsclass where gc_cid in (3,4)")), 0);
    EXPECT_EQ(count(QStringLiteral("select count(*) from jxc_goodsclass where gc_cid in (2,5)")), 2);
}

TEST_F(GoodsListTest, AClickShowsTheCategoryAndItsSubcategoriesButNoCodeThatMerelyContainsIt)
{
    addCatalogue();
    withWindow([&](TF_Spxxgl* w) {
        const QStringList all{QStringLiteral("10010001"), QStringLiteral("10011001"), QStringLiteral("11001001")};
        EXPECT_EQ(shownCodes(w), all);
        EXPECT_EQ(w->cxGrid1->footerText(QStringLiteral("g_name")), QStringLiteral("3"));
        EXPECT_EQ(w->cxGrid1->footerText(QStringLiteral("g_sn")), QStringLiteral("商品合计:"));

        clickNode(w, 2);  // 1001: its own goods and those of 1001100, not 1100100
        EXPECT_EQ(shownCodes(w), QStringList({QStringLiteral("10010001"), QStringLiteral("10011001")}));
        EXPECT_EQ(w->cxGrid1->footerText(QStringLiteral("g_kc")), QStringLiteral("7.5"));
        clickNode(w, 4);
        EXPECT_EQ(shownCodes(w), QStringList{QStringLiteral("11001001")});
        clickNode(w, 1);
        EXPECT_EQ(shownCodes(w), all);

        // "显示该类别商品(&W)": the focused goods' own category and below.
        focusGoods(w, QStringLiteral("10010001"));
        w->N_ShowClass->trigger();
        EXPECT_EQ(shownCodes(w), QStringList({QStringLiteral("10010001"), QStringLiteral("10011001")}));

        // The key box: code, name, short code or style text; the category filter is dropped.
        typeKeys(w->tKey, QStringLiteral("凉"));
        EXPECT_EQ(shownCodes(w), QStringList{QStringLiteral("11001001")});
        w->tKey->clear();
        typeKeys(w->tKey, QStringLiteral("春款"));
        EXPECT_EQ(shownCodes(w), QStringList{QStringLiteral("10010001")});
        w->tKey->clear();
        typeKeys(w->tKey, QStringLiteral("1001'-1001jm"));  // the key filter drops ' and -
        EXPECT_EQ(w->tKey->text(), QStringLiteral("10011001jm"));
        EXPECT_EQ(shownCodes(w), QStringList{QStringLiteral("10011001")});
        w->tKey->clear();
        EXPECT_EQ(shownCodes(w), all);

        // The category search selects without filtering.
        typeKeys(w->tClassName, QStringLiteral("童凉"));
        EXPECT_EQ(w->TreeView1->currentId(), 4);
        EXPECT_EQ(shownCodes(w), all);
        w->tClassName->setText(QStringLiteral("nothing"));
        w->btnClassFind->click();
        EXPECT_EQ(w->TreeView1->currentId(), 1);
        QTest::keyClick(w->cxGrid1->view(), Qt::Key_F6);
        EXPECT_EQ(w->focusWidget(), w->tKey);
    });
}

TEST_F(GoodsListTest, TypedTextBreaksNoStatementAndTouchesNoRow)
{
    addCatalogue();
    const QString before = selectValue(QStringLiteral("select group_concat(gc_name||gc_sn) from jxc_goodsclass"));
    const QString longText = QString(5000, u'鞋') + QStringLiteral("'");
    withWindow([&](TF_Spxxgl* w) {
        for (const QString& t : {QStringLiteral("男' or 1=1 --"), QStringLiteral("%"), QStringLiteral("_"), longText,
                                 QStringLiteral("👟\U0001F45F"), QStringLiteral("'; delete from jxc_goods; --")}) {
            w->tClassNameEdited(t);
            w->tClassName->setText(t);
            w->btnClassFindClick();
            EXPECT_EQ(w->TreeView1->currentId(), 1) << t.left(20).toStdString();
            w->tKey->setText(t);
            EXPECT_EQ(w->cxGrid1->rowCount(), 0);
        }
    });
    EXPECT_TRUE(MsgScript::texts().isEmpty());
    EXPECT_EQ(selectValue(QStringLiteral("select group_concat(gc_name||gc_sn) from jxc_goodsclass")), before);
    EXPECT_EQ(count(QStringLiteral("select count(*) from jxc_goods")), 4);
}

// ---- Goods ----------------------------------------------------------------------------------------

TEST_F(GoodsListTest, GoodsInBusinessAreRefusedAndOtherGoodsGoWithTheirStockAndBarcodes)
{
    addCatalogue();
    const QString sn = QStringLiteral("10010001");
    struct Case {
        const char* table;
        const char* fields;
    };
    for (const Case& c : {Case{"jxc_jhsp", "j_sn,g_sn"}, Case{"jxc_lsxssp", "gl_djh,g_sn"}, Case{"jxc_kcsp", "ck_sn,g_sn"}}) {
        execSql(QStringLiteral("insert into %1 (%2) values ('X1',?)").arg(QLatin1String(c.table), QLatin1String(c.fields)),
                {{QString(), sn}});
        EXPECT_TRUE(goodsInBusiness(sn)) << c.table;
        EXPECT_EQ(deleteGoods(sn), QString::fromUtf16(kGoodsInBusiness)) << c.table;
        EXPECT_EQ(count(QStringLiteral("select count(*) from jxc_goods where g_sn='10010001'")), 1) << c.table;
        execSql(QStringLiteral("delete from %1").arg(QLatin1String(c.table)));
    }

    // Only size-colour stock and variant barcodes: the goods go with those rows, nothing else.
    for (const QString& g : {sn, QStringLiteral("10011001")}) {
        execSql(QStringLiteral("insert into jxc_tkc (g_sn,cm_sn,color_sn,t_sl,ck_sn) values (?,'100001','100001',3,'100001')"),
                {{QString(), g}});
        execSql(QStringLiteral("insert into jxc_tm (g_sn,tm_tm,tm_sl) values (?,?,1)"), {{QString(), g}, {QString(), g + "10"}});
    }
    withWindow([&](TF_Spxxgl* w) {
        focusGoods(w, sn);
        MsgScript::answer(MsgAnswer::No);
        w->btnDel->click();
        EXPECT_EQ(count(QStringLiteral("select count(*) from jxc_goods")), 4);
        MsgScript::answer(MsgAnswer::Yes);
        w->N_Del->trigger();
        EXPECT_EQ(MsgScript::last().text, QStringLiteral("您确定要删除该商品信息吗！"));
        EXPECT_EQ(shownCodes(w), QStringList({QStringLiteral("10011001"), QStringLiteral("11001001")}));

        // In business: refused before any question.
        execSql(QStringLiteral("insert into jxc_kcsp (ck_sn,g_sn,kc_sl) values ('100001','11001001',0)"));
        focusGoods(w, QStringLiteral("11001001"));
        MsgScript::reset();
        w->btnDel->click();
        EXPECT_EQ(MsgScript::texts(), QStringList{QString::fromUtf16(kGoodsInBusiness)});
    });
    for (const char* table : {"jxc_goods", "jxc_tkc", "jxc_tm"})
        EXPECT_EQ(count(QStringLiteral("select count(*) from %1 where g_sn='10010001'").arg(QLatin1String(table))), 0) << table;
    EXPECT_EQ(count(QStringLiteral("select count(*) from jxc_tkc where g_sn='10011001'")), 1);
    EXPECT_EQ(count(QStringLiteral("select count(*) from jxc_tm where g_sn='10011001'")), 1);

    // A code with quotes deletes that goods item alone.
    addGoods(QStringLiteral("A'--1"), QStringLiteral("怪码"), QStringLiteral("1001"));
    EXPECT_EQ(deleteGoods(QStringLiteral("A'--1")), QString());
    EXPECT_EQ(count(QStringLiteral("select count(*) from jxc_goods")), 3);
}

TEST_F(GoodsListTest, DisablingMarksTheGoodsAndTheListThenShowsAllGoods)
{
    addCatalogue();
    execSql(QStringLiteral("update jxc_goods set g_jy=1 where g_sn='11001001'"));
    withWindow([&](TF_Spxxgl* w) {
        EXPECT_EQ(shownCodes(w), QStringList({QStringLiteral("10010001"), QStringLiteral("10011001")}));
        clickNode(w, 2);
        focusGoods(w, QStringLiteral("10011001"));
        w->PopupMenu2Popup();
        EXPECT_FALSE(w->N_Jy->isChecked());
        w->N_Jy->trigger();
        EXPECT_EQ(selectValue(QStringLiteral("select g_jy from jxc_goods where g_sn='10011001'")), QStringLiteral("True"));
        EXPECT_TRUE(w->chkJy->isChecked());
        EXPECT_EQ(shownCodes(w).size(), 3);  // the disabled ones included, the category filter gone
        EXPECT_EQ(w->cxGrid1->value(w->cxGrid1->currentRow(), QStringLiteral("g_sn")), QStringLiteral("10011001"));

        // Enabling again from the menu, with the box already ticked.
        w->PopupMenu2Popup();
        EXPECT_TRUE(w->N_Jy->isChecked());
        w->N_Jy->trigger();
        EXPECT_EQ(selectValue(QStringLiteral("select g_jy from jxc_goods where g_sn='10011001'")), QStringLiteral("False"));
        EXPECT_EQ(shownCodes(w).size(), 3);
        w->chkJy->setChecked(false);
        EXPECT_EQ(shownCodes(w), QStringList({QStringLiteral("10010001"), QStringLiteral("10011001")}));
    });
}

TEST_F(GoodsListTest, AddingNeedsAWarehouseAndModifyingKeepsTheGoodsFocused)
{
    addCatalogue();
    QStringList opened;
    for (const QString& window : kOpenWindows.split(u','))
        registerWindow(window, [&opened, window](const QString&) {
            opened << window + u'|' + modeFlag;
            if (window == u"TF_Spxxgl_Add")
                addGoods(QStringLiteral("10010002"), QStringLiteral("新增鞋"), QStringLiteral("1001"),
                         {{QStringLiteral("g_jy"), true}});
        });
    execSql(QStringLiteral("delete from jxc_ckxx"));
    withWindow([&](TF_Spxxgl* w) {
        w->btnAdd->click();
        EXPECT_EQ(MsgScript::texts(), QStringList{QStringLiteral("请先添加仓库信息！")});
        EXPECT_TRUE(opened.isEmpty());
        execSql(QStringLiteral("insert into jxc_ckxx (ck_sn,ck_name) values ('100001','主仓库')"));
        w->chkJy->setChecked(true);
        w->N_Add->trigger();
        EXPECT_EQ(opened, QStringList{QStringLiteral("TF_Spxxgl_Add|")});
        EXPECT_EQ(shownCodes(w).size(), 3);  // enabled goods only after an addition

        focusGoods(w, QStringLiteral("10011001"));
        w->btnModi->click();
        EXPECT_EQ(opened.last(), QStringLiteral("TF_Spxxgl_Modi|10011001"));
        EXPECT_TRUE(modeFlag.isEmpty());
        EXPECT_EQ(w->cxGrid1->value(w->cxGrid1->currentRow(), QStringLiteral("g_sn")), QStringLiteral("10011001"));
        w->N_JmModi->trigger();
        EXPECT_EQ(opened.last(), QStringLiteral("TF_Spxxgl_JmModi|"));

        // Windows of later issues say they are not there yet.
        MsgScript::reset();
        w->btnImport->click();
        w->btnTm->click();
        EXPECT_EQ(MsgScript::texts(), QStringList({notAvailableText(QStringLiteral("导入")), notAvailableText(QStringLiteral("条码"))}));

        // Goods commands do nothing on an empty grid.
        w->tKey->setText(QStringLiteral("no such goods"));
        opened.clear();
        MsgScript::reset();
        for (QAction* a : {w->N_Modi, w->N_Del, w->N_Jy, w->N_JmModi, w->N_ShowClass, w->N_PrintSelLabel, w->N_PrintList})
            a->trigger();
        w->btnExport->click();
        EXPECT_TRUE(opened.isEmpty());
        EXPECT_TRUE(MsgScript::shown().isEmpty());
    });
    EXPECT_EQ(count(QStringLiteral("select count(*) from jxc_goods where g_jy=1 and g_sn<>'00000000'")), 1);
}

TEST_F(GoodsListTest, ExportWritesTheRowsAndColumnsShown)
{
    addCatalogue();
    QTemporaryDir out;
    withWindow([&](TF_Spxxgl* w) {
        clickNode(w, 2);
        MsgScript::saveFile(out.filePath(QStringLiteral("商品")));
        w->btnExport->click();
    });
    EXPECT_EQ(MsgScript::last().text, QStringLiteral("(*.xls)|*.xls"));
    const ResultSet rs = readWorkbookSheet(out.filePath(QStringLiteral("商品.xls")), QStringLiteral("商品"));
    QStringList heads;
    for (const ResultColumn& c : rs.columns())
        heads << c.name;
    EXPECT_EQ(heads, QStringList({"商品编号", "商品名称", "商品类别", "单位", "款型说明", "颜色组", "尺码组", "最低库存", "当前库存",
                                  "禁用", "预设进价", "预设售价", "名称简码", "商品条码", "品牌厂商", "备注"}));
    ASSERT_EQ(rs.rowCount(), 3);  // two goods and the footer
    EXPECT_EQ(rs.text(0, "商品编号"), "10010001");
    EXPECT_EQ(rs.text(0, "商品类别"), "男鞋");
    EXPECT_EQ(rs.text(0, "预设售价"), "199.5");
    EXPECT_EQ(rs.text(1, "商品名称"), "男皮鞋A");
    EXPECT_EQ(rs.text(2, "商品编号"), "商品合计:");
    EXPECT_EQ(rs.text(2, "商品名称"), "2");
}

// ---- Printouts ----------------------------------------------------------------------------------

TEST_F(GoodsListTest, PriceLabelsComeTwoAcrossAnA4PageAndTheListPrintsTheRowsShown)
{
    addCatalogue();
    execSql(QStringLiteral("update jxc_goods set g_jy=1 where g_sn='11001001'"));
    companyShortName = QStringLiteral("O'Neil 鞋店");
    QTemporaryDir out;
    QList<ReportDocument> docs;
    setReportInterceptor([&](ReportJob& job) {
        EXPECT_EQ(job.kind, ReportJob::Kind::Preview);
        docs << job.report->prepare();
        job.report->exportPdf(out.filePath(QStringLiteral("p%1.pdf").arg(docs.size())));
        return false;
    });
    withWindow([&](TF_Spxxgl* w) {
        w->N_PrintAllLabels->trigger();
        focusGoods(w, QStringLiteral("10011001"));
        w->N_PrintSelLabel->trigger();
        clickNode(w, 2);
        w->tKey->setText(QStringLiteral("皮鞋"));
        w->btnPrint->click();
    });
    companyShortName.clear();
    ASSERT_EQ(docs.size(), 3);
    for (int i = 1; i <= 3; ++i)
        EXPECT_TRUE(QFile(out.filePath(QStringLiteral("p%1.pdf").arg(i))).size() > 0);

    // Every goods item, the disabled one too; two labels side by side on an A4 page.
    const ReportDocument& all = docs[0];
    EXPECT_EQ(all.page.width, 210);
    EXPECT_EQ(all.page.height, 297);
    ASSERT_EQ(all.pageCount(), 1);
    const QStringList texts = all.pageTexts(0);
    EXPECT_EQ(texts.count(QStringLiteral("O'Neil 鞋店")), 3);
    EXPECT_EQ(texts.count(QStringLiteral("标价签")), 3);
    EXPECT_TRUE(texts.contains(QStringLiteral("童凉鞋B")));
    EXPECT_TRUE(texts.contains(QStringLiteral("320.00")));
    EXPECT_TRUE(texts.contains(QStringLiteral("第 1 页  共  1  页")));
    QList<QRectF> titles;
    for (const ReportItem& item : all.pages[0].items)
        if (item.text == u"标价签")
            titles << item.rect;
    ASSERT_EQ(titles.size(), 3);
    EXPECT_DOUBLE_EQ(titles[0].top(), titles[1].top());
    EXPECT_GT(titles[1].left(), titles[0].right());
    EXPECT_GT(titles[2].top(), titles[0].bottom());
    EXPECT_DOUBLE_EQ(titles[2].left(), titles[0].left());
    EXPECT_LE(titles[1].right(), 210);

    EXPECT_EQ(docs[1].pageTexts(0).count(QStringLiteral("标价签")), 1);
    EXPECT_TRUE(docs[1].pageTexts(0).contains(QStringLiteral("男皮鞋A")));

    // The list: the rows the grid shows.
    const QStringList list = docs[2].pageTexts(0);
    EXPECT_TRUE(list.contains(QStringLiteral("商品基本信息")));
    EXPECT_TRUE(list.contains(QStringLiteral("男皮鞋A")));
    EXPECT_FALSE(list.contains(QStringLiteral("男休闲鞋")));
    EXPECT_FALSE(list.contains(QStringLiteral("童凉鞋B")));
}

TEST_F(GoodsListTest, TheCommandOpensTheWindowByClassName)
{
    EXPECT_TRUE(windowAvailable(QStringLiteral("TF_Spxxgl")));
    TF_Form::scriptNextOpening(QStringLiteral("F_Spxxgl"), [](TF_Form* f) { EXPECT_TRUE(f->isVisible()); });
    EXPECT_TRUE(openWindow(QStringLiteral("TF_Spxxgl"), QStringLiteral("商品管理"), QStringLiteral("商品管理")));
    ASSERT_NE(F_Spxxgl, nullptr);
    EXPECT_EQ(F_Spxxgl->windowTitle(), QStringLiteral("商品管理"));
}

}  // namespace
