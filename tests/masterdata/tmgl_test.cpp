// Variant barcodes: regenerating the listed goods, typed colour and size codes, the barcode test
// and the print quantities of the second tab.
#include "importtest.h"

#include "masterdata/barcodes.h"
#include "masterdata/goods.h"
#include "masterdata/masterdata.h"
#include "masterdata/tmgl.h"
#include "masterdata/tmgl_add.h"
#include "masterdata/tmgl_cs.h"
#include "masterdata/tmgl_set.h"
#include "platform/datagrid.h"
#include "support/windowregistry.h"

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QtTest/QTest>

namespace {

class Barcodes : public ImportTest {
protected:
    void SetUp() override
    {
        ImportTest::SetUp();
        windows = std::make_unique<ScopedWindows>(registerImportAndBarcodeWindows);
        // Two shoes of two colours (codes 11, 14) and two sizes (39, 40): four variants each.
        addShoe(QStringLiteral("10001001"), QStringLiteral("跑鞋"), QStringLiteral("690001"));
        addShoe(QStringLiteral("10001002"), QStringLiteral("皮鞋"), QStringLiteral("690002"));
        execSql(QStringLiteral("update jxc_tm set tm_sl=5"));
    }
    void TearDown() override
    {
        windows.reset();
        ImportTest::TearDown();
    }
    static void addShoe(const QString& sn, const QString& name, const QString& barcode)
    {
        GoodsFields g;
        g.gcCid = QStringLiteral("3");
        g.gcSn = QStringLiteral("1000100");
        g.sn = sn;
        g.name = name;
        g.barcode = barcode;
        g.unit = QStringLiteral("双");
        g.colorGroupCode = QStringLiteral("100002");
        g.colorGroupName = QStringLiteral("男鞋色");
        g.sizeGroupCode = QStringLiteral("100002");
        g.sizeGroupName = QStringLiteral("男鞋码");
        ASSERT_TRUE(addGoods(g).ok());
    }
    static QString variants(const QString& sn)
    {
        return column(QStringLiteral("select tm_tm||'x'||cast(tm_sl as int) as v from jxc_tm where g_sn='%1' order by id").arg(sn));
    }

    std::unique_ptr<ScopedWindows> windows;
};

TEST_F(Barcodes, RegeneratingAfterASearchTouchesOnlyTheListedGoods)
{
    MsgScript::answer(MsgAnswer::Yes);
    TF_Form::scriptNextOpening(QStringLiteral("F_Tmgl"), [](TF_Form* f) {
        auto* w = static_cast<TF_Tmgl*>(f);
        EXPECT_EQ(w->gridGoods->rowCount(), 2);
        w->edtKey1->setText(QStringLiteral("跑"));
        QTest::keyClick(w->edtKey1, Qt::Key_F2);
        EXPECT_EQ(w->gridGoods->rowCount(), 1);
        EXPECT_EQ(w->lblBand->text(), "[跑鞋]对应的条码");
        EXPECT_EQ(w->gridTm->rowCount(), 4);
        w->btnMake->click();
        EXPECT_EQ(MsgScript::last().title, "信息提醒");
        // A key that finds nothing empties the barcodes; "条码生成" then does nothing.
        w->edtKey1->setText(QStringLiteral("'--"));
        w->btnSearch1->click();
        EXPECT_EQ(w->gridTm->rowCount(), 0);
        w->btnMake->click();
        w->close();
    });
    EXPECT_TRUE(openWindow(QStringLiteral("TF_Tmgl"), QString(), QStringLiteral("条码")));
    EXPECT_EQ(variants("10001001"), "6900011139x1|6900011140x1|6900011439x1|6900011440x1");
    EXPECT_EQ(variants("10001002"), "6900021139x5|6900021140x5|6900021439x5|6900021440x5");
}

TEST_F(Barcodes, TypedCodesReplaceTheGoodsVariants)
{
    // The dialog shows the group's colour names and the stored codes in ascending order.
    TF_Form::scriptNextOpening(QStringLiteral("F_Tmgl"), [](TF_Form* f) {
        auto* w = static_cast<TF_Tmgl*>(f);
        TF_Form::scriptNextOpening(QStringLiteral("F_Tmgl_Set"), [](TF_Form* f) {
            auto* d = static_cast<TF_Tmgl_Set*>(f);
            ASSERT_EQ(d->gridColor->columnCount(), 2);
            EXPECT_EQ(d->gridColor->item(0, 0)->text() + d->gridColor->item(0, 1)->text(), "红色黑色");
            EXPECT_EQ(d->gridColor->item(1, 0)->text() + d->gridColor->item(1, 1)->text(), "1114");
            d->gridColor->item(1, 0)->setText(QStringLiteral("123456789"));
            d->gridSize->item(1, 1)->setText(QString());
            d->cbType->setCurrentIndex(1);
            d->btnOK->click();
        });
        w->btnSet->click();
        w->close();
    });
    EXPECT_TRUE(openWindow(QStringLiteral("TF_Tmgl"), QString(), QStringLiteral("条码")));
    // Size first; the 9-character code is cut to 8; the emptied size code makes no variant.
    EXPECT_EQ(variants("10001001"), "6900013912345678x1|6900013914x1");
    EXPECT_EQ(value("select g_sptm||g_tmtype from jxc_goods where g_sn='10001001'"), "6900011");

    // An empty goods barcode deletes the variants and makes none; the built-in colour makes none.
    setGoodsTmCodes(QStringLiteral("10001002"), QStringLiteral("  "), 1, {{"红色", "11"}}, {{"39", "39"}});
    EXPECT_EQ(variants("10001002"), "");
    setGoodsTmCodes(QStringLiteral("10001002"), QStringLiteral("69'2"), 1, {{"统一", "10"}, {"红色", "11"}}, {{"39", "39"}});
    EXPECT_EQ(variants("10001002"), "69‘21139x1");
}

TEST_F(Barcodes, TheTestFindsOnlyVariantBarcodes)
{
    TF_Form::scriptNextOpening(QStringLiteral("F_Tmgl_Cs"), [](TF_Form* f) {
        auto* d = static_cast<TF_Tmgl_Cs*>(f);
        d->edtKey->setText(QStringLiteral("6900011440"));
        QTest::keyClick(d->edtKey, Qt::Key_Return);
        QStringList shown;
        for (QLabel* l : d->lblInfo)
            shown << l->text();
        EXPECT_EQ(shown.join(u'/'), "10001001/跑鞋//双/黑色/40/14/40");
        d->edtKey->setText(QStringLiteral("690001"));  // a goods barcode alone
        QTest::keyClick(d->edtKey, Qt::Key_F5);
        EXPECT_EQ(MsgScript::last().text, "商品不存在！");
        EXPECT_EQ(d->lblInfo[0]->text(), "10001001");
        d->close();
    });
    EXPECT_TRUE(openWindow(QStringLiteral("TF_Tmgl_Cs"), QString(), QStringLiteral("条码测试")));
}

TEST_F(Barcodes, PrintQuantitiesGoToEverySelectedVariantWithStock)
{
    // Stock rows for three variants of the first shoe, one of them at 0.
    execSql(QStringLiteral("insert into jxc_tkc (g_sn,ck_sn,cm_sn,color_sn,t_sl) values "
                           "('10001001','100001','100010','100002',2),('10001001','100001','100011','100002',0),"
                           "('10001001','100001','100010','100005',1)"));
    TF_Form::scriptNextOpening(QStringLiteral("F_Tmgl"), [](TF_Form* f) {
        auto* w = static_cast<TF_Tmgl*>(f);
        w->tabs->setCurrentIndex(1);
        EXPECT_EQ(w->gridVariants->rowCount(), 3);
        w->cbStock->click();
        EXPECT_EQ(w->gridVariants->rowCount(), 2);
        w->cbStock->click();

        w->gridVariants->view()->clearSelection();
        w->btnAddPrint->click();
        EXPECT_EQ(MsgScript::last().text, "请选择商品！");
        w->gridVariants->view()->selectAll();
        TF_Form::scriptNextOpening(QStringLiteral("F_Tmgl_Add"), [](TF_Form* f) {
            auto* d = static_cast<TF_Tmgl_Add*>(f);
            EXPECT_EQ(d->lblGoods->text(), "共 3 个");
            EXPECT_EQ(d->edtNum->text(), "5");
            d->edtNum->setText(QStringLiteral("0"));
            d->btnOK->click();
        });
        w->btnAddPrint->click();
        w->close();
    });
    EXPECT_TRUE(openWindow(QStringLiteral("TF_Tmgl"), QString(), QStringLiteral("条码")));
    EXPECT_EQ(variants("10001001"), "6900011139x0|6900011140x0|6900011439x0|6900011440x5");
}

}  // namespace
