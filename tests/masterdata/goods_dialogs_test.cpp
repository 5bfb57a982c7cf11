// The goods add and modify dialogs, the goods save with its variant barcodes, the goods photo,
// the short code and the named prices.
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/numbering.h"
#include "data/settings.h"
#include "masterdata/goods.h"
#include "masterdata/masterdata.h"
#include "masterdata/pickers.h"
#include "masterdata/spxxgl_add.h"
#include "masterdata/spxxgl_jmmodi.h"
#include "masterdata/spxxgl_modi.h"
#include "masterdata/spxxgl_pic.h"
#include "masterdata/spxxgl_price.h"
#include "masterdata/spxxgl_price_modi.h"
#include "platform/categorytree.h"
#include "platform/codecombo.h"
#include "platform/datagrid.h"
#include "platform/msgbox.h"
#include "shell/commands.h"
#include "shell/tips.h"
#include "support/catalogue.h"
#include "support/testdb.h"
#include "support/windowregistry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest/QTest>
#include <gtest/gtest.h>

namespace {

const QString kEnabledGoods = QStringLiteral(
    "select a.*,b.gc_name from jxc_goods a,jxc_goodsclass b where a.gc_sn=b.gc_sn and a.g_jy=0 order by a.id");

class GoodsDialogs : public ::testing::Test {
protected:
    void SetUp() override
    {
        db = std::make_unique<TestDb>();
        MsgScript::reset();
        TF_Form::clearScripts();
        windows = std::make_unique<ScopedWindows>(registerGoodsWindows);
        seedShoeCatalogue();
        loadSysParams();
        paramValue.clear();
        callerFlag.clear();
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

    // Goods of category 运动鞋 in the two groups above.
    static GoodsFields shoe(const QString& sn, const QString& barcode, int tmType = 1)
    {
        GoodsFields g;
        g.gcCid = QStringLiteral("3");
        g.gcSn = QStringLiteral("1000100");
        g.sn = sn;
        g.name = QStringLiteral("跑鞋");
        g.barcode = barcode;
        g.tmType = tmType;
        g.unit = QStringLiteral("双");
        g.colorGroupName = QStringLiteral("男鞋色");
        g.colorGroupCode = QStringLiteral("100002");
        g.sizeGroupName = QStringLiteral("男鞋码");
        g.sizeGroupCode = QStringLiteral("100002");
        g.brand = QStringLiteral("默认品牌");
        g.purchasePrice = Money::fromText(QStringLiteral("80"));
        g.salePrice = Money::fromText(QStringLiteral("128.5"));
        return g;
    }

    static QStringList variantBarcodes(const QString& sn)
    {
        QStringList out;
        const ResultSet rs = openSelect(QStringLiteral("select tm_tm,tm_sl from jxc_tm where g_sn=? order by id"),
                                        {{QString(), sn}});
        for (int r = 0; r < rs.rowCount(); ++r)
            out << rs.text(r, 0) + u'/' + rs.text(r, 1);
        return out;
    }

    static QString goodsField(const QString& sn, const QString& field)
    {
        return selectValue(QStringLiteral("select %1 from jxc_goods where g_sn=?").arg(field), {{QString(), sn}});
    }

    std::unique_ptr<TestDb> db;
    std::unique_ptr<ScopedWindows> windows;
};

// Opens a kept window modally and runs `script` on it once it is activated.
template <class T>
void openScripted(T*& global, const std::function<void(T*)>& script)
{
    T* form = ensureForm(global);
    TF_Form::scriptNextOpening(form->objectName(), [script](TF_Form* f) { script(static_cast<T*>(f)); });
    form->showModalForm();
}

// ---- The add dialog ---------------------------------------------------------------------

TEST_F(GoodsDialogs, AddDrawsTheCodeOfTheConfirmedCategoryAndStaysOpenAfterEachSave)
{
    ASSERT_TRUE(settingOn(csSpbh));
    const QString tips = QStringLiteral("商品信息已成功保存！\r\n\r\n现在可以继续添加新的商品。");
    openScripted<TF_Spxxgl_Add>(F_Spxxgl_Add, [&](TF_Spxxgl_Add* w) {
        EXPECT_EQ(callerFlag, "spxxgl_add");
        ASSERT_NE(unitCallers().find(QStringLiteral("spxxgl_add")), nullptr);
        EXPECT_EQ((*unitCallers().find(QStringLiteral("spxxgl_add")))(), w->ComDw);
        EXPECT_EQ(w->ComDw->currentText(), "件");
        EXPECT_EQ(w->ComColorz->currentText(), "不关心颜色");
        EXPECT_EQ(w->g_jj->text(), "0");
        // Photo and named prices need a code first.
        w->btnPic->click();
        w->btnPrice->click();

        w->btnGc->click();
        EXPECT_TRUE(w->PanelClass->isVisible());
        EXPECT_EQ(w->tvClass->currentId(), 2);  // the first category below the root
        w->tvClass->selectById(1);              // the root is never confirmed
        w->btnClassOK->click();
        EXPECT_TRUE(w->tgc_name->text().isEmpty());
        w->tvClass->selectById(2);
        w->btnClassOK->click();
        EXPECT_EQ(w->tg_sn->text(), "20000001");
        w->btnGc->click();
        w->tvClass->selectById(3);  // another category replaces the code
        w->btnClassOK->click();
        EXPECT_FALSE(w->PanelClass->isVisible());
        EXPECT_EQ(w->tgc_name->text(), "运动鞋");
        EXPECT_EQ(w->tg_sn->text(), getMaxGoodsSn(3));

        // "增加新单位..." while the unit window is not there: the unit chosen before comes back.
        w->ComDw->setCurrentIndex(0);
        w->ComDwChange();
        EXPECT_EQ(w->ComDw->currentText(), "件");
        EXPECT_TRUE(callerFlag.isEmpty());

        w->tg_name->setText(QStringLiteral("跑鞋 X1"));
        w->tg_sptm->setText(QStringLiteral("6901234"));
        w->ComTmtype->setCurrentIndex(1);
        w->ComColorz->selectCode(QStringLiteral("100002"));
        w->ComCmz->selectCode(QStringLiteral("100002"));
        w->g_jj->setText(QStringLiteral("80"));
        w->g_sj->setText(QStringLiteral("128.5"));
        w->tg_zdkc->setText(QStringLiteral("5"));
        QTest::keyClick(w->tg_name, Qt::Key_F5);

        EXPECT_TRUE(w->isVisible());
        ASSERT_NE(F_Tips, nullptr);
        EXPECT_EQ(F_Tips->tipMsg, tips);
        // Reset, with the category kept and the saved goods listed.
        EXPECT_TRUE(w->tg_sn->text().isEmpty());
        EXPECT_TRUE(w->tg_name->text().isEmpty());
        EXPECT_EQ(w->g_jj->text(), "0");
        EXPECT_EQ(w->ComTmtype->currentIndex(), 0);
        EXPECT_EQ(w->ComCmz->currentText(), "不关心尺码");
        EXPECT_EQ(w->tgc_name->text(), "运动鞋");
        ASSERT_EQ(w->DBGridTmp->rowCount(), 1);
        EXPECT_EQ(w->DBGridTmp->value(0, QStringLiteral("g_name")), "跑鞋 X1");

        // Saving again at once has no code; a code in use is refused.
        w->btnSave->click();
        w->tg_sn->setText(QStringLiteral("30000001"));
        w->tg_name->setText(QStringLiteral("另一双"));
        w->btnSave->click();
        EXPECT_TRUE(w->isVisible());
    });
    EXPECT_EQ(MsgScript::texts(),
              QStringList({"请选择商品类别！", "商品编号必须填写！", notAvailableText(QStringLiteral("单位管理")),
                           "商品编号必须填写！", "商品编号已经存在，请重新输入！"}));

    const QString sn = QStringLiteral("30000001");
    EXPECT_EQ(selectValue(QStringLiteral("select count(*) from jxc_goods where g_sn<>'00000000'")), "1");
    for (const char* price : {"g_jj", "g_scjj", "g_cbj", "g_pjjj"})
        EXPECT_EQ(goodsField(sn, QString::fromLatin1(price)), "80") << price;
    EXPECT_EQ(goodsField(sn, QStringLiteral("g_sj")), "128.5");
    EXPECT_EQ(goodsField(sn, QStringLiteral("g_jm")), "PXX1");
    EXPECT_EQ(goodsField(sn, QStringLiteral("gc_cid")), "3");
    EXPECT_EQ(goodsField(sn, QStringLiteral("gc_sn")), "1000100");
    EXPECT_EQ(goodsField(sn, QStringLiteral("dw_name")), "件");
    EXPECT_EQ(goodsField(sn, QStringLiteral("color_name") + QStringLiteral("||'/'||colorz_sn")), "男鞋色/100002");
    EXPECT_EQ(goodsField(sn, QStringLiteral("cmz_name") + QStringLiteral("||'/'||cmz_sn")), "男鞋码/100002");
    EXPECT_EQ(goodsField(sn, QStringLiteral("g_tmtype")), "2");
    EXPECT_EQ(goodsField(sn, QStringLiteral("g_zdkc")), "5");
    EXPECT_EQ(goodsField(sn, QStringLiteral("g_dzll")), "1");
    EXPECT_EQ(goodsField(sn, QStringLiteral("ghs_sn")), "100001");
    EXPECT_EQ(goodsField(sn, QStringLiteral("g_bzq is null and g_tcje is null")), "1");
    // Size before colour; sizes and colours of the groups in id order.
    EXPECT_EQ(variantBarcodes(sn), QStringList({"69012343911/1", "69012344011/1", "69012343914/1", "69012344014/1"}));
    // The goods list shows the enabled goods; the closed dialog reopens the list's tree.
    EXPECT_EQ(DataModule->Q_Goods->sql(), kEnabledGoods);
    EXPECT_EQ(DataModule->Q_Goods->rowCount(), 1);
    EXPECT_FALSE(DataModule->Q_GoodsClass->isOpen());
    EXPECT_EQ(DataModule->ADOQueryGoodsClass->rowCount(), 3);
}

TEST_F(GoodsDialogs, AddTakesTheBarcodeFromTheCodeWhenAutomaticBarcodesAreOn)
{
    // No window changes these settings; the dialog reads them.
    csTmzdsc = QStringLiteral("True");
    for (const auto& [method, expected] : {std::pair{"0", "30000001"}, std::pair{"1", "330000001"}}) {
        csTmscff = QString::fromLatin1(method);
        openScripted<TF_Spxxgl_Add>(F_Spxxgl_Add, [&](TF_Spxxgl_Add* w) {
            w->btnGc->click();
            w->tvClass->selectById(3);
            emit w->tvClass->nodeClicked(3);
            w->btnClassOK->click();
            EXPECT_EQ(w->tg_sptm->text(), QString::fromLatin1(expected)) << method;
            w->tg_sptm->setText(QStringLiteral("typed"));
            QTest::keyClick(w->tg_sn, Qt::Key_9);  // the next key in the code box derives it again
            EXPECT_EQ(w->tg_sptm->text(), QString::fromLatin1(expected) + u'9') << method;
        });
    }
    loadSysParams();
}

TEST_F(GoodsDialogs, HostileTextsInTheNameBoxesAreStoredAsTheyStand)
{
    const QString name = QStringLiteral("O'Neil -- 鞋\U0001F45F");
    const QString note = QStringLiteral("'); delete from jxc_goods; --");
    openScripted<TF_Spxxgl_Add>(F_Spxxgl_Add, [&](TF_Spxxgl_Add* w) {
        w->btnGc->click();
        w->tvClass->selectById(3);
        w->btnClassOK->click();
        w->tg_name->setText(name);
        w->tg_bz->setText(note);
        w->tgg_name->setText(QString(500, QChar(0x978B)));
        w->btnSave->click();
    });
    EXPECT_EQ(MsgScript::texts(), QStringList());
    EXPECT_EQ(selectValue(QStringLiteral("select g_name from jxc_goods where g_sn='30000001'")), name);
    EXPECT_EQ(selectValue(QStringLiteral("select g_bz from jxc_goods where g_sn='30000001'")), note);
    EXPECT_EQ(selectValue(QStringLiteral("select gg_name from jxc_goods where g_sn='30000001'")), QString(32, QChar(0x978B)));
    EXPECT_EQ(selectValue(QStringLiteral("select g_jm from jxc_goods where g_sn='30000001'")), "ONEILX");
    EXPECT_EQ(selectValue(QStringLiteral("select g_name from jxc_goodstmp")), name);
    EXPECT_EQ(selectValue(QStringLiteral("select g_name from jxc_goods where g_sn='00000000'")), "优惠商品");

    // Without the dialog's limits: a very long name is one value like any other.
    GoodsFields g = shoe(QStringLiteral("L1"), QString());
    g.name = QString(3000, u'x') + QStringLiteral("'--");
    ASSERT_TRUE(addGoods(g).ok());
    EXPECT_EQ(goodsField(QStringLiteral("L1"), QStringLiteral("g_name")), g.name);
}

TEST_F(GoodsDialogs, TheCategoryPanelCreatesRenamesAndDeletesBranches)
{
    ASSERT_TRUE(addGoods(shoe(QStringLiteral("K1"), QString())).ok());
    auto count = [] { return selectValue(QStringLiteral("select count(*) from jxc_goodsclass")).toInt(); };
    MsgScript::answer(MsgAnswer::Yes);
    openScripted<TF_Spxxgl_Modi>(F_Spxxgl_Modi, [&](TF_Spxxgl_Modi* w) {
        w->btnGc->click();
        EXPECT_TRUE(w->PanelClass->isVisible());
        // A category under 男鞋 and one under that: codes drawn from their parents.
        w->tvClass->selectById(2);
        w->N_CreateClick();
        EXPECT_EQ(w->tvClass->currentId(), 4);
        EXPECT_EQ(w->tvClass->currentCode(), "1000101");
        w->N_CreateClick();
        EXPECT_EQ(w->tvClass->currentCode(), "1000101100");
        EXPECT_TRUE(w->tvClass->renameCurrent(QStringLiteral("童鞋")));
        EXPECT_EQ(selectValue(QStringLiteral("select gc_name||gc_jm from jxc_goodsclass where gc_cid=5")), "童鞋TX");
        EXPECT_EQ(count(), 5);
        // 男鞋 holds goods below it; the new branch goes whole after one question.
        w->tvClass->selectById(2);
        w->N_DeleteClick();
        EXPECT_EQ(count(), 5);
        w->tvClass->selectById(4);
        w->N_DeleteClick();
        EXPECT_EQ(count(), 3);
        EXPECT_EQ(w->tvClass->currentId(), 2);
        w->btnExit->click();
    });
    EXPECT_EQ(MsgScript::texts(), QStringList({"该类别下有商品信息，不能删除！", "您确定要删除当前类别吗?"}));
}

// ---- The goods save ---------------------------------------------------------------------

TEST_F(GoodsDialogs, SaveRefusesIncompleteGoodsAndWritesNothing)
{
    struct Case {
        const char* what;
        std::function<void(GoodsFields&)> change;
        const char* refusal;
    };
    const Case cases[] = {
        {"no category", [](GoodsFields& g) { g.gcSn.clear(); }, "类别名称必须填写！"},
        {"root", [](GoodsFields& g) { g.gcCid = QStringLiteral("1"); }, "类别名称必须填写！"},
        {"deleted category", [](GoodsFields& g) { g.gcCid = QStringLiteral("9"); }, "类别名称必须填写！"},
        {"no code", [](GoodsFields& g) { g.sn = QStringLiteral("  "); }, "商品编号必须填写！"},
        {"no name", [](GoodsFields& g) { g.name = QStringLiteral(" "); }, "商品名称必须填写！"},
        {"no unit", [](GoodsFields& g) { g.unit.clear(); }, "商品单位必须填写！"},
        {"no colour group", [](GoodsFields& g) { g.colorGroupCode.clear(); }, "颜色组必须填写！"},
        {"no size group", [](GoodsFields& g) { g.sizeGroupCode.clear(); }, "尺码组必须填写！"},
        {"code in use", [](GoodsFields& g) { g.sn = QStringLiteral("a1"); }, "商品编号已经存在，请重新输入！"},
    };
    ASSERT_TRUE(addGoods(shoe(QStringLiteral("A1"), QStringLiteral("77"))).ok());
    for (const Case& c : cases) {
        GoodsFields g = shoe(QStringLiteral("B1"), QStringLiteral("88"));
        c.change(g);
        const GoodsSaveResult r = addGoods(g);
        EXPECT_EQ(r.refusal, QString::fromUtf8(c.refusal)) << c.what;
        EXPECT_TRUE(r.sn.isEmpty()) << c.what;
    }
    EXPECT_EQ(selectValue(QStringLiteral("select count(*) from jxc_goods")), "2");
    EXPECT_EQ(selectValue(QStringLiteral("select count(*) from jxc_tm where tm_tm like '88%'")), "0");
}

TEST_F(GoodsDialogs, SaveWritesOneVariantBarcodePerColourAndSizeInTheChosenLayout)
{
    ASSERT_EQ(addGoods(shoe(QStringLiteral(" C1 "), QStringLiteral(" 6901234 "), 1)).sn, "C1");
    EXPECT_EQ(variantBarcodes(QStringLiteral("C1")),
              QStringList({"69012341139/1", "69012341140/1", "69012341439/1", "69012341440/1"}));
    EXPECT_EQ(goodsField(QStringLiteral("C1"), QStringLiteral("g_sptm")), "6901234");
    // An empty barcode writes none; the built-in groups carry only the code "10" and give none.
    ASSERT_TRUE(addGoods(shoe(QStringLiteral("C2"), QString())).ok());
    GoodsFields plain = shoe(QStringLiteral("C3"), QStringLiteral("55"));
    plain.colorGroupCode = plain.sizeGroupCode = QStringLiteral("100001");
    ASSERT_TRUE(addGoods(plain).ok());
    EXPECT_EQ(selectValue(QStringLiteral("select count(*) from jxc_tm where g_sn in ('C2','C3')")), "0");
}

// ---- The modify dialog --------------------------------------------------------------------

TEST_F(GoodsDialogs, ModifyFindsRenamedGroupsByCodeAndSetsThePurchasePrices)
{
    ASSERT_TRUE(addGoods(shoe(QStringLiteral("M1"), QStringLiteral("6901234"), 2)).ok());
    // Postings moved the last and average purchase prices; the groups got new names.
    execSql(QStringLiteral("update jxc_goods set g_scjj=95,g_pjjj=91.5 where g_sn='M1'"));
    execSql(QStringLiteral("update jxc_colorz set colorz_name='秋季色' where colorz_sn='100002'"));
    execSql(QStringLiteral("update jxc_cmz set cmz_name='秋季码' where cmz_sn='100002'"));
    execSql(QStringLiteral("insert into jxc_dw (dw_sn,dw_name) values ('100003','双')"));
    openQuery(DataModule->Q_Goods, kEnabledGoods);
    ASSERT_TRUE(DataModule->Q_Goods->locate(QStringLiteral("g_sn"), QStringLiteral("M1")));

    openScripted<TF_Spxxgl_Modi>(F_Spxxgl_Modi, [](TF_Spxxgl_Modi* w) {
        EXPECT_EQ(callerFlag, "spxxgl_modi");
        EXPECT_EQ(w->tg_sn->text(), "M1");
        EXPECT_TRUE(w->tg_sn->isReadOnly());
        EXPECT_EQ(w->tgc_name->text(), "运动鞋");
        EXPECT_EQ(w->ComColorz->currentText(), "秋季色");
        EXPECT_EQ(w->ComCmz->currentText(), "秋季码");
        EXPECT_EQ(w->ComDw->currentText(), "双");
        EXPECT_EQ(w->ComPpcs->currentText(), "默认品牌");
        EXPECT_EQ(w->ComTmtype->currentIndex(), 1);
        EXPECT_EQ(w->g_jj->text(), "80");
        EXPECT_TRUE(w->tpic->text().isEmpty());
        w->tg_name->setText(QStringLiteral("新跑鞋"));
        w->ComTmtype->setCurrentIndex(0);
        QTest::keyClick(w->tg_name, Qt::Key_F5);
        EXPECT_FALSE(w->isVisible());
    });
    EXPECT_EQ(MsgScript::texts(), QStringList());
    for (const char* price : {"g_scjj", "g_pjjj", "g_cbj"})
        EXPECT_EQ(goodsField(QStringLiteral("M1"), QString::fromLatin1(price)), "80") << price;
    EXPECT_EQ(goodsField(QStringLiteral("M1"), QStringLiteral("g_name||'/'||g_jm")), "新跑鞋/XPX");
    EXPECT_EQ(goodsField(QStringLiteral("M1"), QStringLiteral("color_name||'/'||cmz_name")), "秋季色/秋季码");
    EXPECT_EQ(variantBarcodes(QStringLiteral("M1")),
              QStringList({"69012341139/1", "69012341140/1", "69012341439/1", "69012341440/1"}));
    EXPECT_EQ(DataModule->Q_Goods->sql(), kEnabledGoods);

    // Without a barcode the variant barcodes stay as they were.
    GoodsFields g = shoe(QString(), QString());
    const qint64 id = goodsField(QStringLiteral("M1"), QStringLiteral("id")).toLongLong();
    ASSERT_EQ(modifyGoods(id, g).sn, "M1");
    EXPECT_EQ(variantBarcodes(QStringLiteral("M1")).size(), 4);
    EXPECT_EQ(modifyGoods(id + 100, g).refusal, "商品信息不存在！");
}

// ---- The photo ----------------------------------------------------------------------------

TEST_F(GoodsDialogs, APictureChosenAsBmpOrGifIsSavedAsTheGoodsJpeg)
{
    QTemporaryDir sources;
    const QString bmp = sources.filePath(QStringLiteral("shoe.bmp"));
    QImage red(40, 30, QImage::Format_RGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(red.save(bmp, "BMP"));
    // A transparent 1 × 1 GIF.
    const QString gif = sources.filePath(QStringLiteral("shoe.gif"));
    {
        QFile f(gif);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray::fromHex("47494638396101000100800000ffffff00000021f90401000000002c000000000100010000020244"
                                    "01003b"));
    }
    const QString photo = goodsPhotoPath(QStringLiteral("30000001"));
    EXPECT_EQ(photo, db->dir() + QStringLiteral("/picture/30000001.jpg"));
    auto readPhoto = [&photo] {
        QFile f(photo);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };

    paramValue = QStringLiteral("30000001");
    for (const QString& source : {bmp, gif}) {
        openScripted<TF_Spxxgl_Pic>(F_Spxxgl_Pic, [&](TF_Spxxgl_Pic* w) {
            EXPECT_TRUE(w->chkStretch->isChecked());
            MsgScript::openFile(source);
            w->btnSelect->click();
            EXPECT_EQ(w->sourceFile(), source);
            w->btnSave->click();
            EXPECT_FALSE(w->isVisible());
        });
        const QByteArray data = readPhoto();
        EXPECT_TRUE(data.startsWith("\xFF\xD8\xFF")) << qPrintable(source);
        const QImage saved = QImage::fromData(data);
        EXPECT_EQ(saved.size(), source == bmp ? QSize(40, 30) : QSize(1, 1));
        EXPECT_GT(qRed(saved.pixel(0, 0)), 200);
    }

    // Opened again it shows the photo; "保存" without a new choice writes nothing; "清除照片"
    // deletes the file at once.
    openScripted<TF_Spxxgl_Pic>(F_Spxxgl_Pic, [](TF_Spxxgl_Pic* w) {
        ASSERT_NE(w->Image1->pixmap().toImage().size(), QSize());
        w->btnCamera->click();
        w->btnSave->click();
    });
    EXPECT_TRUE(QFile::exists(photo));
    openScripted<TF_Spxxgl_Pic>(F_Spxxgl_Pic, [](TF_Spxxgl_Pic* w) {
        w->lblClearClick();
        EXPECT_TRUE(w->Image1->pixmap().isNull());
        w->btnExit->click();
    });
    EXPECT_FALSE(QFile::exists(photo));
    EXPECT_EQ(MsgScript::texts(), QStringList());
}

// ---- Short code ---------------------------------------------------------------------------

TEST_F(GoodsDialogs, AShortCodeIsStoredUpperCaseAsSafeText)
{
    ASSERT_TRUE(addGoods(shoe(QStringLiteral("J1"), QString())).ok());
    openQuery(DataModule->Q_Goods, kEnabledGoods);
    struct Case {
        std::function<void(QLineEdit*)> type;
        const char* stored;
    };
    const Case cases[] = {
        {[](QLineEdit* e) { QTest::keyClicks(e, QStringLiteral("px'-x1")); }, "PXX1"},
        {[](QLineEdit* e) { e->setText(QStringLiteral(" o'k ")); }, "O‘K"},
        {[](QLineEdit* e) { e->clear(); }, ""},
    };
    for (const Case& c : cases) {
        openScripted<TF_Spxxgl_JmModi>(F_Spxxgl_JmModi, [&c](TF_Spxxgl_JmModi* w) {
            EXPECT_EQ(w->lname->text(), "跑鞋");
            w->tjm->clear();
            c.type(w->tjm);
            QTest::keyClick(w->tjm, Qt::Key_F5);
            EXPECT_FALSE(w->isVisible());
        });
        EXPECT_EQ(goodsField(QStringLiteral("J1"), QStringLiteral("g_jm")), QString::fromUtf8(c.stored));
        EXPECT_EQ(DataModule->Q_Goods->fieldByName(QStringLiteral("g_jm")), QString::fromUtf8(c.stored));
    }
}

// ---- Named prices -------------------------------------------------------------------------

TEST_F(GoodsDialogs, NamedPricesAreCreatedOnFirstOpeningAndAnswerTheCallerWord)
{
    auto prices = [](const QString& sn) {
        QStringList out;
        const ResultSet rs = openSelect(QStringLiteral("select gp_name,gp_price from jxc_goodsprice where g_sn=? "
                                                       "order by id"),
                                        {{QString(), sn}});
        for (int r = 0; r < rs.rowCount(); ++r)
            out << rs.text(r, 0) + u'=' + rs.text(r, 1);
        return out;
    };
    openScripted<TF_Spxxgl_Add>(F_Spxxgl_Add, [&](TF_Spxxgl_Add* w) {
        w->tg_sn->setText(QStringLiteral(" P1 "));
        // The first opening creates the five prices and closes at once.
        w->btnPrice->click();
        EXPECT_EQ(prices(QStringLiteral("P1")), QStringList({"售价1=0", "售价2=0", "售价3=0", "售价4=0", "售价5=0"}));
        EXPECT_FALSE(F_Spxxgl_Price->isVisible());

        TF_Form::scriptNextOpening(QStringLiteral("F_Spxxgl_Price"), [](TF_Form* f) {
            auto* p = static_cast<TF_Spxxgl_Price*>(f);
            EXPECT_EQ(p->formFlag, "spxxgl_add");
            ASSERT_EQ(p->DBGrid1->rowCount(), 5);
            p->DBGrid1->setCurrentRow(1);
            TF_Form::scriptNextOpening(QStringLiteral("F_Spxxgl_Price_Modi"), [](TF_Form* m) {
                auto* e = static_cast<TF_Spxxgl_Price_Modi*>(m);
                EXPECT_EQ(e->tname->text(), "售价2");
                e->tname->setText(QStringLiteral(" 会员价 "));
                e->tprice->setText(QStringLiteral("99.5"));
                QTest::keyClick(e->tname, Qt::Key_F5);
            });
            p->btnModi->click();
            EXPECT_EQ(p->DBGrid1->value(1, QStringLiteral("gp_name")), "会员价");
            p->DBGrid1->setCurrentRow(1);
            p->btnOK->click();
        });
        w->btnPrice->click();
        EXPECT_EQ(w->g_sj->text(), "99.5");
        w->btnExit->click();
    });
    EXPECT_EQ(prices(QStringLiteral("P1"))[1], "会员价=99.5");

    // A caller that hands no code gets the shared set with the empty code; a word nobody
    // registered lists it too and answers nothing.
    QLineEdit saleBox;
    priceCallers().add(QStringLiteral("spxs_sele"), PriceTarget{{}, [&saleBox] { return &saleBox; }});
    TF_Spxxgl_Price* window = ensureForm(F_Spxxgl_Price);
    window->formFlag = QStringLiteral("spxs_sele");
    window->showModalForm();
    EXPECT_EQ(prices(QString()).size(), 5);
    for (const auto& [word, answer] : {std::pair{"spxs_sele", "0"}, std::pair{"nobody", "x"}}) {
        saleBox.setText(QStringLiteral("x"));
        window->formFlag = QString::fromLatin1(word);
        openScripted<TF_Spxxgl_Price>(F_Spxxgl_Price, [](TF_Spxxgl_Price* p) {
            ASSERT_EQ(p->DBGrid1->rowCount(), 5);
            p->DBGrid1->setCurrentRow(4);
            p->btnOK->click();
        });
        EXPECT_EQ(saleBox.text(), QString::fromLatin1(answer)) << word;
    }
    priceCallers().remove(QStringLiteral("spxs_sele"));
    EXPECT_EQ(prices(QString()).size(), 5);
}

}  // namespace
