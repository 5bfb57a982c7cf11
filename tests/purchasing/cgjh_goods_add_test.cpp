// The bills' new-goods dialog: what it hands back to its caller, the row it writes, its
// refusals, and that each of its writes is whole or absent.
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/settings.h"
#include "masterdata/pickers.h"
#include "masterdata/spxxgl_price.h"
#include "platform/categorytree.h"
#include "platform/codecombo.h"
#include "platform/msgbox.h"
#include "purchasing/cgjh_goods_add.h"
#include "purchasing/purchasing.h"
#include "shell/commands.h"
#include "support/catalogue.h"
#include "support/testdb.h"
#include "support/windowregistry.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest/QTest>
#include <gtest/gtest.h>

namespace {

class CgjhGoodsAdd : public ::testing::Test {
protected:
    void SetUp() override
    {
        db = std::make_unique<TestDb>();
        MsgScript::reset();
        TF_Form::clearScripts();
        windows = std::make_unique<ScopedWindows>(registerPurchasingWindows);
        seedShoeCatalogue();
        loadSysParams();
        callerFlag.clear();
        curGoodsSn.clear();
        modeFlag = QStringLiteral("cgjh");
        choiceParam = QStringLiteral("left by the caller");
    }

    void TearDown() override
    {
        EXPECT_EQ(TF_Form::pendingScripts(), 0) << "a scripted window did not open";
        EXPECT_EQ(MsgScript::pending(), 0) << "a scripted answer was not used";
        TF_Form::clearScripts();
        MsgScript::reset();
        windows.reset();
        db.reset();
    }

    // Opens the dialog as a bill does and runs `script` once it is activated.
    static void open(const std::function<void(TF_Cgjh_Goods_Add*)>& script)
    {
        curGoodsSn.clear();
        TF_Form::scriptNextOpening(QStringLiteral("F_Cgjh_Goods_Add"),
                                   [script](TF_Form* f) { script(static_cast<TF_Cgjh_Goods_Add*>(f)); });
        ASSERT_TRUE(openWindow(QStringLiteral("TF_Cgjh_Goods_Add"), QString(), QStringLiteral("增加商品")));
    }

    static void chooseCategory(TF_Cgjh_Goods_Add* w, int cid)
    {
        w->btnGc->click();
        w->tvClass->selectById(cid);
        emit w->tvClass->nodeClicked(cid);
        w->btnClassOK->click();
    }

    static int count(const QString& table)
    {
        return selectValue(QStringLiteral("select count(*) from ") + table).toInt();
    }

    std::unique_ptr<TestDb> db;
    std::unique_ptr<ScopedWindows> windows;
};

TEST_F(CgjhGoodsAdd, SavingHandsBackTheCodeAndWritesTheWholeRowWithoutVariantBarcodes)
{
    open([](TF_Cgjh_Goods_Add* w) {
        EXPECT_EQ(w->windowTitle(), "增加商品");
        EXPECT_EQ(callerFlag, "cgjh_goods_add");
        ASSERT_NE(unitCallers().find(QStringLiteral("cgjh_goods_add")), nullptr);
        EXPECT_EQ((*unitCallers().find(QStringLiteral("cgjh_goods_add")))(), w->ComDw);
        ASSERT_NE(priceCallers().find(QStringLiteral("cgjh_goods_add")), nullptr);
        EXPECT_EQ(priceCallers().find(QStringLiteral("cgjh_goods_add"))->priceBox(), w->g_sj);
        EXPECT_FALSE(w->PanelClass->isVisible());
        EXPECT_EQ(w->ComDw->currentText(), "件");
        EXPECT_EQ(w->ComTmtype->currentText(), "商品条码+颜色+尺码");

        chooseCategory(w, 3);
        EXPECT_EQ(w->tgc_name->text(), "运动鞋");
        w->tg_sn->setText(QStringLiteral(" N1 "));
        w->tg_name->setText(QStringLiteral(" 跑鞋 X1 "));
        w->tg_sptm->setText(QStringLiteral(" 6901234 "));
        w->ComTmtype->setCurrentIndex(1);
        w->tgg_name->setText(QStringLiteral(" 低帮 "));
        w->ComColorz->selectCode(QStringLiteral("100002"));
        w->ComCmz->selectCode(QStringLiteral("100002"));
        w->ComPpcs->setCurrentIndex(2);
        w->g_jj->setText(QStringLiteral("80"));
        w->g_sj->setText(QStringLiteral("128.5"));
        w->tg_zdkc->setText(QStringLiteral("5"));
        w->tg_bz->setText(QStringLiteral(" 新款 "));
        QTest::keyClick(w->tg_name, Qt::Key_F5);
        EXPECT_FALSE(w->isVisible());
    });
    EXPECT_EQ(MsgScript::texts(), QStringList());
    EXPECT_EQ(curGoodsSn, "N1");
    EXPECT_EQ(modeFlag, "1");
    EXPECT_TRUE(choiceParam.isEmpty());

    const ResultSet row = openSelect(QStringLiteral("select * from jxc_goods where g_sn='N1'"));
    ASSERT_EQ(row.rowCount(), 1);
    const std::pair<const char*, const char*> columns[] = {
        {"g_name", "跑鞋 X1"}, {"g_jm", "PXX1"}, {"g_jj", "80"}, {"g_sj", "128.5"},
        {"g_zdkc", "5"}, {"g_tjsp", "False"}, {"g_sccs", "舒适鞋业"}, {"g_bz", "新款"},
        {"g_kc", "0"}, {"g_scjj", "80"}, {"g_cbj", "80"}, {"g_pjjj", "80"},
        {"g_cgpl", "0"}, {"g_xspl", "0"}, {"g_jy", "False"}, {"g_sptm", "6901234"},
        {"ghs_sn", "100001"}, {"gc_cid", "3"}, {"gc_sn", "1000100"}, {"dw_name", "件"},
        {"gg_name", "低帮"}, {"color_name", "男鞋色"}, {"cmz_name", "男鞋码"}, {"colorz_sn", "100002"},
        {"cmz_sn", "100002"}, {"g_tmtype", "2"}, {"g_dzll", "1"}, {"g_clxs", "0"},
        {"g_tjqx", "False"}, {"g_dxdz", "False"}, {"g_tj", "0"}, {"g_hyj", "0"},
        {"g_tclb", "0"}, {"g_tc", "0"}, {"g_tssp", "False"}, {"g_tsjf", "0"},
    };
    for (const auto& [column, value] : columns)
        EXPECT_EQ(row.text(0, QString::fromLatin1(column)), QString::fromUtf8(value)) << column;
    EXPECT_EQ(selectValue(QStringLiteral("select g_bzq is null and g_tcje is null from jxc_goods where g_sn='N1'")),
              "1");
    // The barcode and its layout are kept, but no variant barcode is made from them.
    EXPECT_EQ(selectValue(QStringLiteral("select count(*) from jxc_tm where g_sn='N1'")), "0");
    // Closing gives the picker its category tree (without the root) back and closes the
    // dialog's own.
    EXPECT_FALSE(DataModule->Q_GoodsClass->isOpen());
    EXPECT_EQ(DataModule->ADOQueryGoodsClass2->rowCount(), 2);
}

TEST_F(CgjhGoodsAdd, LeavingWithoutSavingHandsBackNothing)
{
    csTmzdsc = QStringLiteral("True");
    csTmscff = QStringLiteral("1");
    open([](TF_Cgjh_Goods_Add* w) {
        w->btnPrice->click();  // the named prices need a code
        w->btnPic->click();    // the photo is not kept here
        chooseCategory(w, 3);
        w->tg_sn->setText(QStringLiteral("10000001"));
        QTest::keyClick(w->tg_sn, Qt::Key_2);  // the barcode follows the code, after the clicked category
        EXPECT_EQ(w->tg_sptm->text(), "3100000012");
        w->tg_name->setText(QStringLiteral("跑鞋"));
        // The group windows are not part of this program: the box says so and the list stays.
        w->btnCmz->click();
        EXPECT_EQ(w->ComCmz->currentText(), "不关心尺码");
        QTest::keyClick(w, Qt::Key_Escape);
        EXPECT_FALSE(w->isVisible());
    });
    EXPECT_EQ(MsgScript::texts(),
              QStringList({"商品编号必须填写！", notAvailableText(QStringLiteral("尺码组"))}));
    EXPECT_TRUE(curGoodsSn.isEmpty());
    EXPECT_EQ(modeFlag, "cgjh");
    EXPECT_EQ(choiceParam, "left by the caller");
    EXPECT_EQ(count(QStringLiteral("jxc_goods where g_sn<>'00000000'")), 0);
    loadSysParams();

    // The next opening starts from empty fields, the category kept.
    open([](TF_Cgjh_Goods_Add* w) {
        EXPECT_EQ(w->tgc_name->text(), "运动鞋");
        EXPECT_TRUE(w->tg_sn->text().isEmpty());
        EXPECT_TRUE(w->tg_sptm->text().isEmpty());
        EXPECT_EQ(w->g_jj->text(), "0");
    });
    EXPECT_TRUE(curGoodsSn.isEmpty());
}

TEST_F(CgjhGoodsAdd, RefusalsComeInTheirOrderAndTheDialogStaysOpen)
{
    execSql(QStringLiteral("insert into jxc_goods (g_sn,g_name,gc_sn) values ('OLD1','旧鞋','1000100')"));
    csSpbh = QStringLiteral("False");
    open([](TF_Cgjh_Goods_Add* w) {
        w->tg_sn->setText(QStringLiteral("OLD1"));
        w->btnSave->click();  // no category
        chooseCategory(w, 1);  // the root is never chosen
        w->btnSave->click();
        chooseCategory(w, 3);
        w->tg_sn->setText(QStringLiteral("  "));
        w->btnSave->click();  // no code
        w->tg_sn->setText(QStringLiteral("OLD1"));
        w->btnSave->click();  // no name
        w->tg_name->setText(QStringLiteral("跑鞋"));
        w->ComDw->setCurrentIndex(0);  // "增加新单位..." is no unit
        w->btnSave->click();
        w->ComDw->setCurrentIndex(1);
        w->btnSave->click();  // code in use
        EXPECT_TRUE(w->isVisible());
        EXPECT_TRUE(curGoodsSn.isEmpty());
        // An apostrophe in the code is a code like any other.
        w->tg_sn->setText(QStringLiteral("O'L-1"));
        w->btnSave->click();
    });
    EXPECT_EQ(MsgScript::texts(),
              QStringList({"类别名称必须填写！", "类别名称必须填写！", "商品编号必须填写！", "商品名称必须填写！",
                           "商品单位必须填写！", "商品编号已经存在，请重新输入！"}));
    EXPECT_EQ(curGoodsSn, "O'L-1");
    EXPECT_EQ(count(QStringLiteral("jxc_goods where g_sn<>'00000000'")), 2);
    loadSysParams();
}

TEST_F(CgjhGoodsAdd, EachWriteIsWholeOrAbsent)
{
    const int classes = count(QStringLiteral("jxc_goodsclass"));
    // A goods save that fails at its last statement leaves no row and hands nothing back.
    execSql(QStringLiteral("create trigger fail_goods after insert on jxc_goods "
                           "begin select raise(abort,'disk full'); end"));
    // A category made in the panel gets its code in the same write; failing there leaves none.
    execSql(QStringLiteral("create trigger fail_class after update of gc_sn on jxc_goodsclass "
                           "begin select raise(abort,'disk full'); end"));
    open([&](TF_Cgjh_Goods_Add* w) {
        chooseCategory(w, 3);
        w->tg_sn->setText(QStringLiteral("F1"));
        w->tg_name->setText(QStringLiteral("跑鞋"));
        w->btnSave->click();
        EXPECT_TRUE(w->isVisible());
        w->btnGc->click();
        w->tvClass->selectById(2);
        w->N_Create->trigger();
        EXPECT_EQ(count(QStringLiteral("jxc_goodsclass")), classes);
        EXPECT_EQ(w->tvClass->currentId(), 2);
    });
    ASSERT_EQ(MsgScript::texts().size(), 2);
    for (const QString& text : MsgScript::texts())
        EXPECT_TRUE(text.contains(QStringLiteral("disk full"))) << qPrintable(text);
    EXPECT_TRUE(curGoodsSn.isEmpty());
    EXPECT_EQ(count(QStringLiteral("jxc_goods where g_sn='F1'")), 0);

    // Once the disk is back: a category made in the panel stays made whether or not goods follow,
    // and the picker's tree shows it.
    execSql(QStringLiteral("drop trigger fail_goods"));
    execSql(QStringLiteral("drop trigger fail_class"));
    MsgScript::reset();
    open([](TF_Cgjh_Goods_Add* w) {
        w->btnGc->click();
        w->tvClass->selectById(2);
        w->N_Create->trigger();
        EXPECT_EQ(w->tvClass->currentCode(), "1000101");
    });
    EXPECT_EQ(count(QStringLiteral("jxc_goodsclass")), classes + 1);
    EXPECT_EQ(DataModule->ADOQueryGoodsClass2->rowCount(), classes);  // all but the root
    EXPECT_TRUE(curGoodsSn.isEmpty());
}

TEST_F(CgjhGoodsAdd, HostileAndLongTextsAreStoredAsTheyStand)
{
    const QString code = QStringLiteral("X'1--\U0001F45F");
    const QString name = QStringLiteral("O'Neil -- 鞋\U0001F45F");
    const QString note = QStringLiteral("'); delete from jxc_goods; --");
    open([&](TF_Cgjh_Goods_Add* w) {
        chooseCategory(w, 3);
        w->tg_sn->setText(code);
        w->tg_name->setText(name);
        w->tg_bz->setText(note);
        w->tg_sptm->setText(QStringLiteral("69'--"));
        w->tgg_name->setText(QString(500, QChar(0x978B)));
        w->btnSave->click();
    });
    EXPECT_EQ(MsgScript::texts(), QStringList());
    EXPECT_EQ(curGoodsSn, code);
    const ResultSet row = openSelect(QStringLiteral("select g_name,g_bz,g_sptm,gg_name from jxc_goods where g_sn=?"),
                                     {{QString(), code}});
    ASSERT_EQ(row.rowCount(), 1);
    EXPECT_EQ(row.text(0, 0), name);
    EXPECT_EQ(row.text(0, 1), note);
    EXPECT_EQ(row.text(0, 2), "69'--");
    EXPECT_EQ(row.text(0, 3), QString(32, QChar(0x978B)));
}

TEST_F(CgjhGoodsAdd, WithoutCategoriesTheDialogCannotCreateGoods)
{
    execSql(QStringLiteral("delete from jxc_goodsclass"));
    open([](TF_Cgjh_Goods_Add* w) {
        EXPECT_TRUE(w->isVisible());  // the box, then the empty dialog
        w->btnGc->click();
        EXPECT_FALSE(w->isVisible());
    });
    EXPECT_EQ(MsgScript::texts(), QStringList({"请添加商品类别！", "请添加商品类别！"}));
    EXPECT_TRUE(curGoodsSn.isEmpty());
}

}  // namespace
