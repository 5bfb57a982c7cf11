// The current stock window: the stock list over all warehouses and in one with its average
// cost, the filters, the red rows, the average-cost dialog, the search dialog, the reference
// list question, the movement summary, the size-colour list and the size × colour stock view.
#include "bills/querykit.h"
#include "data/datamodule.h"
#include "data/globals.h"
#include "data/namedquery.h"
#include "platform/categorytree.h"
#include "platform/codecombo.h"
#include "platform/datagrid.h"
#include "platform/msgbox.h"
#include "platform/report.h"
#include "platform/sizecolorgrid.h"
#include "stock/detailkc.h"
#include "stock/kccx.h"
#include "stock/kccx_cx.h"
#include "stock/kccx_jj.h"
#include "stock/stock.h"
#include "support/shop.h"
#include "support/windowregistry.h"

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include <algorithm>
#include <tuple>

#include <gtest/gtest.h>

namespace {

// Codes of the rows of a statement (its g_sn column), and one field of the row of a goods.
QStringList codes(const QString& sql)
{
    const ResultSet rs = openSelect(sql);
    QStringList out;
    for (int r = 0; r < rs.rowCount(); ++r)
        out << rs.text(r, QStringLiteral("g_sn"));
    return out;
}

QString fieldOf(const QString& sql, const QString& gSn, const QString& field)
{
    const ResultSet rs = openSelect(sql);
    for (int r = 0; r < rs.rowCount(); ++r)
        if (rs.text(r, QStringLiteral("g_sn")) == gSn)
            return rs.text(r, field);
    return QStringLiteral("<none>");
}

void stockRow(const QString& gSn, const QString& ckSn, double qty, double cost, double sold = 0)
{
    appendRow(QStringLiteral("jxc_kcsp"), {{QStringLiteral("g_sn"), gSn},
                                           {QStringLiteral("ck_sn"), ckSn},
                                           {QStringLiteral("kc_sl"), qty},
                                           {QStringLiteral("kc_cbj"), cost},
                                           {QStringLiteral("kc_xssl"), sold}});
}

void goodsRow(const QString& gSn, const QString& name, const SqlParams& more = {})
{
    SqlParams fields{{QStringLiteral("g_sn"), gSn}, {QStringLiteral("g_name"), name}};
    fields.insert(fields.end(), more.begin(), more.end());
    if (std::none_of(more.begin(), more.end(), [](const auto& f) { return f.first == u"gc_sn"; }))
        fields.push_back({QStringLiteral("gc_sn"), QStringLiteral("1001")});
    appendRow(QStringLiteral("jxc_goods"), fields);
}

class StockQueryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        MsgScript::reset();
        w2 = shop.warehouse(QStringLiteral("二号仓"));
    }
    void TearDown() override
    {
        setReportInterceptor({});
        MsgScript::reset();
        callerFlag.clear();
        curGoodsSn.clear();
        paramValue.clear();
    }

    // Opens the stock window and runs `script` in it.
    static void withWindow(const std::function<void(TF_Kccx*)>& script)
    {
        TF_Kccx* w = ensureForm(F_Kccx);
        bool ran = false;
        TF_Form::scriptNextOpening(w->objectName(), [&](TF_Form* f) {
            ran = true;
            script(static_cast<TF_Kccx*>(f));
        });
        w->showModalForm();
        EXPECT_TRUE(ran);
    }
    static void focusGoods(DataGrid* grid, const QString& gSn)
    {
        for (int i = 0; i < grid->rowCount(); ++i)
            if (grid->value(grid->sourceRow(i), QStringLiteral("g_sn")) == gSn) {
                ASSERT_TRUE(grid->setCurrentRow(grid->sourceRow(i)));
                return;
            }
        FAIL() << "not shown: " << gSn.toStdString();
    }
    static QStringList shown(DataGrid* grid)
    {
        QStringList out;
        for (int i = 0; i < grid->rowCount(); ++i)
            out << grid->value(grid->sourceRow(i), QStringLiteral("g_sn"));
        return out;
    }

    Shop shop;
    ScopedWindows windows{registerStockWindows};
    const QString w1 = QStringLiteral("100001");
    QString w2;
};

// ---- The stock statement ---------------------------------------------------------------------

TEST_F(StockQueryTest, AverageCostOverAllWarehousesAndInOne)
{
    goodsRow(QStringLiteral("A1"), QStringLiteral("两仓"), {{QStringLiteral("g_jj"), 9}, {QStringLiteral("g_sj"), 10}});
    stockRow(QStringLiteral("A1"), w1, 10, 5, 2);
    stockRow(QStringLiteral("A1"), w2, 30, 6, 3);
    goodsRow(QStringLiteral("A2"), QStringLiteral("零库存"), {{QStringLiteral("g_jj"), 7.5}});
    stockRow(QStringLiteral("A2"), w1, 4, 3);
    stockRow(QStringLiteral("A2"), w2, -4, 8);
    goodsRow(QStringLiteral("A3"), QStringLiteral("负库存"), {{QStringLiteral("g_jj"), 4}});
    stockRow(QStringLiteral("A3"), w2, -2, 6.5);
    goodsRow(QStringLiteral("A4"), QStringLiteral("无库存行"));
    goodsRow(QStringLiteral("00000000"), QStringLiteral("折扣"));
    stockRow(QStringLiteral("00000000"), w1, 1, 1);

    const QString all = stockQuerySql({});
    EXPECT_EQ(codes(all), (QStringList{"A1", "A2", "A3"}));
    EXPECT_EQ(fieldOf(all, "A1", "kcsl"), "40");
    EXPECT_EQ(fieldOf(all, "A1", "xssl"), "5");
    EXPECT_EQ(fieldOf(all, "A1", "cbjj"), "5.75");
    EXPECT_EQ(fieldOf(all, "A1", "kczje"), "230");
    EXPECT_EQ(fieldOf(all, "A1", "xszje"), "400");
    EXPECT_EQ(fieldOf(all, "A2", "cbjj"), "7.5");  // total 0: preset purchase price
    EXPECT_EQ(fieldOf(all, "A3", "cbjj"), "4");    // total below 0 likewise

    StockFilter one;
    one.ckSn = w2;
    const QString inW2 = stockQuerySql(one);
    EXPECT_EQ(codes(inW2), (QStringList{"A1", "A2", "A3"}));
    EXPECT_EQ(fieldOf(inW2, "A1", "cbjj"), "6");
    EXPECT_EQ(fieldOf(inW2, "A3", "cbjj"), "6.5");  // stored cost even at negative stock
    EXPECT_EQ(fieldOf(inW2, "A3", "kczje"), "-13");

    // The search dialog's statement: 0 at a total of 0, the discount item never.
    const QString search = stockSearchSql(QString(), QString(), QString(), 0);
    EXPECT_EQ(codes(search), (QStringList{"A1", "A2", "A3"}));
    EXPECT_EQ(fieldOf(search, "A1", "cbjj"), "5.75");
    EXPECT_EQ(fieldOf(search, "A2", "cbjj"), "0");
}

TEST_F(StockQueryTest, HiddenZeroStockOverAllWarehousesIsTheTotal)
{
    // Rows of one goods in two warehouses: the total decides, not each row.
    goodsRow(QStringLiteral("Z1"), QStringLiteral("相抵"));
    stockRow(QStringLiteral("Z1"), w1, 4, 3);
    stockRow(QStringLiteral("Z1"), w2, -4, 8);
    goodsRow(QStringLiteral("Z2"), QStringLiteral("一仓为零"));
    stockRow(QStringLiteral("Z2"), w1, 0, 3);
    stockRow(QStringLiteral("Z2"), w2, 5, 2);
    StockFilter f;
    f.hideZero = true;
    EXPECT_EQ(codes(stockQuerySql(f)), QStringList{"Z2"});
    EXPECT_EQ(fieldOf(stockQuerySql(f), "Z2", "cbjj"), "2");
    f.ckSn = w1;
    EXPECT_EQ(codes(stockQuerySql(f)), QStringList{"Z1"});
}

TEST_F(StockQueryTest, FiltersOfTheStockList)
{
    appendRow(QStringLiteral("jxc_goodsclass"), {{QStringLiteral("gc_cid"), 20}, {QStringLiteral("gc_pid"), 1},
                                                 {QStringLiteral("gc_sn"), QStringLiteral("1100100")},
                                                 {QStringLiteral("gc_name"), QStringLiteral("童凉鞋")}});
    goodsRow(QStringLiteral("B1"), QStringLiteral("男休闲鞋"), {{QStringLiteral("g_jm"), QStringLiteral("NXXX")},
                                                          {QStringLiteral("gc_sn"), QStringLiteral("1001100")}});
    stockRow(QStringLiteral("B1"), w1, 3, 1);
    goodsRow(QStringLiteral("B2"), QStringLiteral("童凉鞋"), {{QStringLiteral("gc_sn"), QStringLiteral("1100100")},
                                                          {QStringLiteral("gg_name"), QStringLiteral("夏款")}});
    stockRow(QStringLiteral("B2"), w1, 0, 1);
    goodsRow(QStringLiteral("B3"), QStringLiteral("停售鞋"), {{QStringLiteral("g_jy"), 1}});
    stockRow(QStringLiteral("B3"), w1, 1, 1);

    const struct {
        QString gcSn, key;
        bool hideZero, showDisabled;
        QStringList expected;
    } cases[] = {
        {{}, {}, false, false, {"B1", "B2"}},
        {"1001", {}, false, false, {"B1"}},  // a prefix: "1100100" contains "1001" but is not under it
        {{}, " nxxx ", false, false, {"B1"}},
        {{}, "夏款", false, false, {"B2"}},
        {{}, {}, true, false, {"B1"}},
        {{}, {}, false, true, {"B1", "B2", "B3"}},
        // Hostile texts list what matches or nothing; no statement fails.
        {{}, "' or 1=1 --", false, false, {}},
        {{}, "%", false, false, {}},
        {{}, QString(500, u'鞋'), false, false, {}},
        {{}, "😀", false, false, {}},
    };
    for (const auto& c : cases) {
        StockFilter f;
        f.gcSn = c.gcSn;
        f.key = c.key;
        f.hideZero = c.hideZero;
        f.showDisabled = c.showDisabled;
        EXPECT_EQ(codes(stockQuerySql(f)), c.expected) << c.gcSn.toStdString() << "/" << c.key.left(20).toStdString();
    }

    // Search dialog: the supplier is a code prefix, the operator box left empty adds nothing.
    execSql(QStringLiteral("update jxc_goods set ghs_sn='200001' where g_sn='B1'"));
    EXPECT_EQ(codes(stockSearchSql(QString(), QStringLiteral("200001"), QString(), 99)), QStringList{"B1"});
    EXPECT_EQ(codes(stockSearchSql(QString(), QString(), QStringLiteral(">="), 1)), (QStringList{"B1", "B3"}));
    EXPECT_EQ(codes(stockSearchSql(QString(), QString(), QStringLiteral("1=1 or"), 1)).size(), 3);
}

// ---- The window -----------------------------------------------------------------------------

TEST_F(StockQueryTest, RedRowsOnlyOverAllWarehousesAndActivationQueriesOnce)
{
    goodsRow(QStringLiteral("C1"), QStringLiteral("缺货鞋"), {{QStringLiteral("g_kc"), 1}, {QStringLiteral("g_zdkc"), 5}});
    stockRow(QStringLiteral("C1"), w1, 1, 1);
    goodsRow(QStringLiteral("C2"), QStringLiteral("足货鞋"), {{QStringLiteral("g_kc"), 9}, {QStringLiteral("g_zdkc"), 5}});
    stockRow(QStringLiteral("C2"), w1, 9, 1);

    QSignalSpy opened(DataModule->Q_Kccx1, &NamedQuery::resultChanged);
    withWindow([&](TF_Kccx* w) {
        EXPECT_EQ(opened.count(), 1);
        EXPECT_EQ(w->cxGrid1->footerText(QStringLiteral("g_name")), QStringLiteral("2"));
        auto colour = [w](int shownRow) {
            QAbstractItemModel* m = w->cxGrid1->view()->model();
            return m->data(m->index(shownRow, 0), Qt::ForegroundRole).value<QColor>();
        };
        EXPECT_EQ(colour(0), QColor(Qt::red));
        EXPECT_NE(colour(1), QColor(Qt::red));
        w->comCk->setCurrentIndex(w->comCk->indexOfCode(w1));
        EXPECT_EQ(opened.count(), 2);
        EXPECT_NE(colour(0), QColor(Qt::red));

        opened.clear();
        w->tkey->setText(QStringLiteral("缺货"));
        w->chk0->setChecked(true);
        opened.clear();
        w->btnAll->click();
        EXPECT_EQ(opened.count(), 1);
        EXPECT_TRUE(w->comCk->currentIsAll());
        EXPECT_FALSE(w->chk0->isChecked());
        EXPECT_EQ(shown(w->cxGrid1), (QStringList{"C1", "C2"}));
    });
}

TEST_F(StockQueryTest, AverageCostDialogChangesOneWarehouseOnly)
{
    goodsRow(QStringLiteral("D1"), QStringLiteral("改价鞋"));
    stockRow(QStringLiteral("D1"), w1, 2, 5);
    stockRow(QStringLiteral("D1"), w2, 2, 5);
    withWindow([&](TF_Kccx* w) {
        w->btnJj->click();
        EXPECT_EQ(MsgScript::texts(), QStringList{QStringLiteral("请选择仓库后在进行均价的维护操作！")});
        w->comCk->setCurrentIndex(w->comCk->indexOfCode(w2));
        focusGoods(w->cxGrid1, QStringLiteral("D1"));
        TF_Form::scriptNextOpening(QStringLiteral("F_Kccx_Jj"), [](TF_Form* f) {
            auto* jj = static_cast<TF_Kccx_Jj*>(f);
            EXPECT_EQ(jj->lCost->text(), QStringLiteral("5"));
            jj->tNew->setValue(7.25);
            jj->btnOK->click();
        });
        w->btnJj->click();
        EXPECT_EQ(w->cxGrid1->value(w->cxGrid1->currentRow(), QStringLiteral("cbjj")), QStringLiteral("7.25"));
    });
    const QString cost = QStringLiteral("select kc_cbj from jxc_kcsp where g_sn='D1' and ck_sn=?");
    EXPECT_EQ(selectValue(cost, {{QString(), w1}}), QStringLiteral("5"));
    EXPECT_EQ(selectValue(cost, {{QString(), w2}}), QStringLiteral("7.25"));
}

TEST_F(StockQueryTest, SearchDialogFillsTheListAndTheWarehouseBox)
{
    goodsRow(QStringLiteral("E1"), QStringLiteral("甲"), {{QStringLiteral("ghs_sn"), QStringLiteral("100001")}});
    stockRow(QStringLiteral("E1"), w2, 3, 2);
    goodsRow(QStringLiteral("E2"), QStringLiteral("乙"), {{QStringLiteral("ghs_sn"), QStringLiteral("100001")}});
    stockRow(QStringLiteral("E2"), w1, 1, 2);
    withWindow([&](TF_Kccx* w) {
        TF_Form::scriptNextOpening(QStringLiteral("F_Kccx_Cx"), [this](TF_Form* f) {
            auto* cx = static_cast<TF_Kccx_Cx*>(f);
            cx->comCk->setCurrentIndex(cx->comCk->indexOfCode(w2));
            cx->comOp->setCurrentText(QStringLiteral(">="));
            cx->tSl->setValue(2);
            cx->btnOK->click();
        });
        w->btnFind->click();
        EXPECT_EQ(shown(w->cxGrid1), QStringList{"E1"});
        EXPECT_EQ(w->comCk->currentCode(), w2);
    });
}

TEST_F(StockQueryTest, ReferenceListAsksWhenTheGoodsIsListed)
{
    goodsRow(QStringLiteral("F1"), QStringLiteral("参考鞋"));
    stockRow(QStringLiteral("F1"), w1, 1, 1);
    appendRow(QStringLiteral("jxc_ckjth"), {{QStringLiteral("g_sn"), QStringLiteral("F1")}, {QStringLiteral("jt_flag"), QStringLiteral("j")},
                                            {QStringLiteral("jt_sl"), 3}});
    QStringList words;
    registerWindow(QStringLiteral("TF_Kccx_Sele"), [&](const QString&) { words << callerFlag + u':' + curGoodsSn; });
    withWindow([&](TF_Kccx* w) {
        MsgScript::answer(MsgAnswer::Yes);
        w->N_AddJh->trigger();  // listed: asks, then changes its quantity
        w->N_AddTh->trigger();  // not on the return list: adds at once
        MsgScript::answer(MsgAnswer::No);
        w->N_AddJh->trigger();
    });
    EXPECT_EQ(words, (QStringList{"jmodi:F1", "tadd:F1"}));
    EXPECT_EQ(MsgScript::texts(), QStringList(2, QStringLiteral("参考中已存在该商品，是否修改数量？")));
    EXPECT_TRUE(callerFlag.isEmpty());
}

TEST_F(StockQueryTest, DoubleClickHandsGoodsAndWarehouseToTheSizeColourView)
{
    goodsRow(QStringLiteral("G1"), QStringLiteral("尺码鞋"));
    stockRow(QStringLiteral("G1"), w2, 1, 1);
    QStringList seen;
    registerWindow(QStringLiteral("TF_DetailKc"), [&](const QString&) { seen << curGoodsSn + u'@' + paramValue; });
    withWindow([&](TF_Kccx* w) {
        emit w->cxGrid1->rowDoubleClicked(0);
        w->comCk->setCurrentIndex(w->comCk->indexOfCode(w2));
        emit w->cxGrid1->rowDoubleClicked(0);
    });
    EXPECT_EQ(seen, (QStringList{"G1@", "G1@" + w2}));
    EXPECT_TRUE(curGoodsSn.isEmpty() && paramValue.isEmpty());
}

// ---- Movement summary ------------------------------------------------------------------------

TEST_F(StockQueryTest, MovementSummaryCountsTheLastDayAndListsGoodsWithoutMovement)
{
    const QString sandal = shop.goods(QStringLiteral("凉鞋"), {QStringLiteral("39")}, {QStringLiteral("黑色")});
    const QString boot = shop.goods(QStringLiteral("靴子"), {}, {});
    shop.receipt().line(sandal, 50, {{QStringLiteral("39"), QStringLiteral("黑色"), 4}}).post();
    // A sale and a customer return, each dated on the last day of the period (one with a time).
    for (const auto& [head, lines, date, qty, amount] :
         {std::tuple{"jxc_lsxsd", "jxc_lsxssp", "ls_xsrq", "ls_sl", "ls_zje"},
          std::tuple{"jxc_xsthd", "jxc_xsthsp", "th_xsrq", "th_sl", "th_zje"}}) {
        const bool sale = QLatin1String(head) == u"jxc_lsxsd";
        const QString number = sale ? QStringLiteral("XS1") : QStringLiteral("XT1");
        appendRow(QLatin1String(head), {{QStringLiteral("gl_djh"), number},
                                        {QLatin1String(date), sale ? QStringLiteral("2013-05-31 18:30:00")
                                                                   : QStringLiteral("2013-05-31")}});
        appendRow(QLatin1String(lines), {{QStringLiteral("gl_djh"), number}, {QStringLiteral("g_sn"), sandal},
                                         {QLatin1String(qty), sale ? 3 : 1}, {QLatin1String(amount), sale ? 300 : 100}});
    }
    // A sale after the period is not counted.
    appendRow(QStringLiteral("jxc_lsxsd"), {{QStringLiteral("gl_djh"), QStringLiteral("XS2")}, {QStringLiteral("ls_xsrq"), QStringLiteral("2013-06-01")}});
    appendRow(QStringLiteral("jxc_lsxssp"), {{QStringLiteral("gl_djh"), QStringLiteral("XS2")}, {QStringLiteral("g_sn"), sandal},
                                             {QStringLiteral("ls_sl"), 50}});

    const QString sql = movementSql(QDate(2013, 5, 1), QDate(2013, 5, 31), QString());
    QStringList listed = codes(sql), expected{sandal, boot};
    listed.sort();
    expected.sort();
    EXPECT_EQ(listed, expected);
    const QStringList fields{"jhsl", "jhje", "thsl", "zjhsl", "zjhje", "xssl", "xsje", "xsthsl", "zxssl", "zxsje"};
    QStringList sandalRow, bootRow;
    for (const QString& f : fields) {
        sandalRow << fieldOf(sql, sandal, f);
        bootRow << fieldOf(sql, boot, f);
    }
    EXPECT_EQ(sandalRow, (QStringList{"4", "200", "0", "4", "200", "3", "300", "1", "2", "200"}));
    EXPECT_EQ(bootRow, QStringList(fields.size(), QStringLiteral("0")));

    withWindow([&](TF_Kccx* w) {
        EXPECT_EQ(w->date1->date(), QDate(2013, 5, 1));
        EXPECT_EQ(w->date2->date(), QDate(2013, 5, 28));
        w->PageControl1->setCurrentIndex(1);
        EXPECT_EQ(w->cxGrid2->rowCount(), 2);
        w->date2->setDate(QDate(2013, 5, 31));
        w->btnQuery2->click();
        EXPECT_EQ(w->cxGrid2->footerText(QStringLiteral("xssl")), QStringLiteral("3"));
    });
}

// The category panel: the category it confirms filters tabs 1 and 4 and both boxes show it; a
// choice left with 退出 filters nothing; 全部 goes back to every category.
TEST_F(StockQueryTest, CategoryPanelFiltersByTheConfirmedCategory)
{
    appendRow(QStringLiteral("jxc_goodsclass"), {{QStringLiteral("gc_cid"), 20}, {QStringLiteral("gc_pid"), 1},
                                                 {QStringLiteral("gc_sn"), QStringLiteral("1100100")},
                                                 {QStringLiteral("gc_name"), QStringLiteral("童凉鞋")}});
    goodsRow(QStringLiteral("K1"), QStringLiteral("男鞋"));
    stockRow(QStringLiteral("K1"), w1, 3, 1);
    goodsRow(QStringLiteral("K2"), QStringLiteral("童鞋"), {{QStringLiteral("gc_sn"), QStringLiteral("1100100")}});
    stockRow(QStringLiteral("K2"), w1, 2, 1);
    for (const char* g : {"K1", "K2"})
        appendRow(QStringLiteral("jxc_tkc"), {{QStringLiteral("g_sn"), QLatin1String(g)}, {QStringLiteral("ck_sn"), w1},
                                              {QStringLiteral("cm_sn"), QStringLiteral("100001")},
                                              {QStringLiteral("color_sn"), QStringLiteral("100001")}, {QStringLiteral("t_sl"), 1}});

    withWindow([&](TF_Kccx* w) {
        CategoryTree* tree = w->PanelClass->tree;
        EXPECT_EQ(shown(w->cxGrid1), (QStringList{"K1", "K2"}));
        QTest::mouseClick(w->tsplb, Qt::LeftButton);
        EXPECT_TRUE(w->PanelClass->isVisible());
        ASSERT_TRUE(tree->selectByCode(QStringLiteral("1100100")));
        w->PanelClass->btnExit->click();
        EXPECT_FALSE(w->PanelClass->isVisible());
        w->chk0->setChecked(true);  // any later query keeps every category
        EXPECT_EQ(shown(w->cxGrid1), (QStringList{"K1", "K2"}));
        EXPECT_EQ(w->tsplb->text(), QStringLiteral("所有类别"));

        QTest::mouseClick(w->tsplb, Qt::LeftButton);
        ASSERT_TRUE(tree->selectByCode(QStringLiteral("1100100")));
        emit tree->itemDoubleClicked(tree->currentItem(), 0);
        EXPECT_FALSE(w->PanelClass->isVisible());
        EXPECT_EQ(shown(w->cxGrid1), QStringList{"K2"});
        EXPECT_EQ(w->tsplb->text(), QStringLiteral("童凉鞋"));

        w->PageControl1->setCurrentIndex(3);
        EXPECT_EQ(w->tsplb4->text(), QStringLiteral("童凉鞋"));
        EXPECT_EQ(shown(w->cxGrid4), QStringList{"K2"});

        w->PageControl1->setCurrentIndex(0);
        w->btnAll->click();
        EXPECT_EQ(w->tsplb->text(), QStringLiteral("所有类别"));
        EXPECT_EQ(shown(w->cxGrid1), (QStringList{"K1", "K2"}));
    });
}

// ---- Size-colour list and the size × colour view ---------------------------------------------

TEST_F(StockQueryTest, SizeColourListMatchesCodesExactly)
{
    // Sizes whose codes contain one another.
    execSql(QStringLiteral("insert into jxc_cm (cm_sn,cm_name) values ('10','10码'),('100','100码')"));
    goodsRow(QStringLiteral("H1"), QStringLiteral("码鞋"));
    for (const char* size : {"10", "100", "10"})
        appendRow(QStringLiteral("jxc_tkc"), {{QStringLiteral("g_sn"), QStringLiteral("H1")}, {QStringLiteral("ck_sn"), w1},
                                              {QStringLiteral("cm_sn"), QLatin1String(size)},
                                              {QStringLiteral("color_sn"), QStringLiteral("100001")}, {QStringLiteral("t_sl"), 2}});
    StockDetailFilter f;
    f.cmSn = QStringLiteral("10");
    EXPECT_EQ(codes(stockDetailSql(f)).size(), 2);  // two batches, both of size "10"
    f.cmSn.clear();
    f.ckSn = w2;
    EXPECT_TRUE(codes(stockDetailSql(f)).isEmpty());
    f.ckSn.clear();
    f.text = QStringLiteral("'--");
    EXPECT_TRUE(codes(stockDetailSql(f)).isEmpty());

    Report::setReportDir(QStringLiteral(JXC_SOURCE_DIR "/report"));
    int previews = 0;
    setReportInterceptor([&previews](ReportJob& job) {
        ++previews;
        EXPECT_TRUE(job.report->layout() == kcspmxbLayout());
        return false;
    });
    withWindow([&](TF_Kccx* w) {
        w->PageControl1->setCurrentIndex(3);
        EXPECT_EQ(w->cxGrid4->rowCount(), 3);
        w->comCm->setCurrentIndex(w->comCm->indexOfCode(QStringLiteral("100")));
        w->btnQuery4->click();
        EXPECT_EQ(w->cxGrid4->rowCount(), 1);
        w->btnPrint4->click();
    });
    Report::setReportDir(QString());
    EXPECT_EQ(previews, 1);
}

TEST(StockShippedTemplate, SizeColourListIsTheLayout)
{
    const QString path = QStringLiteral(JXC_SOURCE_DIR "/report/kcspmxb.fr3");
    if (qEnvironmentVariableIsSet("JXC_WRITE_TEMPLATES"))
        kcspmxbLayout().save(path);
    ReportTemplate t;
    ASSERT_TRUE(t.load(path));
    EXPECT_TRUE(t == kcspmxbLayout());
}

TEST_F(StockQueryTest, SizeColourViewAddsWarehousesAndNeverHidesSize40)
{
    const QString shoe = shop.goods(QStringLiteral("运动鞋"), {QStringLiteral("39"), QStringLiteral("40")},
                                    {QStringLiteral("黑色")});
    const QString other = shop.goods(QStringLiteral("皮鞋"), {QStringLiteral("41")}, {QStringLiteral("白色")});
    shop.receipt().line(shoe, 50, {{QStringLiteral("40"), QStringLiteral("黑色"), 3}}).post();
    shop.receipt().warehouse(w2).line(shoe, 50, {{QStringLiteral("40"), QStringLiteral("黑色"), 4}}).post();
    shop.receipt().warehouse(w2).line(other, 50, {{QStringLiteral("41"), QStringLiteral("白色"), 1}}).post();
    // A second batch of the same variant in warehouse 2.
    execSql(QStringLiteral("insert into jxc_tkc (g_sn,ck_sn,cm_sn,color_sn,t_sl,t_ph) select g_sn,ck_sn,cm_sn,color_sn,2,'B2' "
                           "from jxc_tkc where g_sn=? and ck_sn=?"),
            {{QString(), shoe}, {QString(), w2}});
    const QString emptyWarehouse = shop.warehouse(QStringLiteral("空仓"));

    auto view = [&](const QString& warehouse, const std::function<void(TF_DetailKc*)>& check) {
        curGoodsSn = shoe;
        paramValue = warehouse;
        bool ran = false;
        TF_Form::scriptNextOpening(QStringLiteral("F_DetailKc"), [&](TF_Form* f) {
            ran = true;
            check(static_cast<TF_DetailKc*>(f));
        });
        ensureForm(F_DetailKc)->showModalForm();
        EXPECT_TRUE(ran);
    };
    // Rows and columns are found by their headings (the built-in colours come first).
    auto at = [](SizeColorGrid* g, const QString& colour, const QString& size) {
        int row = -1, col = -1;
        for (int r = 1; r < g->rowCount() - 1; ++r)
            if (g->cell(r, 0) == colour)
                row = r;
        for (int c = 1; c < g->columnCount() - 1; ++c)
            if (g->cell(0, c) == size)
                col = c;
        return std::pair{row, col};
    };
    view(QString(), [&](TF_DetailKc* d) {
        SizeColorGrid* g = d->StringGridKc;
        ASSERT_EQ(g->columnCount(), 4);  // 40 and 41 occur in the stock; 39 does not
        ASSERT_EQ(g->rowCount(), 4);
        const auto [black, size40] = at(g, QStringLiteral("黑色"), QStringLiteral("40"));
        const auto [white, size41] = at(g, QStringLiteral("白色"), QStringLiteral("41"));
        ASSERT_TRUE(black > 0 && size40 > 0 && white > 0 && size41 > 0);
        EXPECT_EQ(g->cell(black, size40), QStringLiteral("9"));
        EXPECT_EQ(d->lKc->text(), QStringLiteral("9"));
        d->chkHide->setChecked(true);
        EXPECT_TRUE(g->isColumnShown(size40));
        EXPECT_FALSE(g->isColumnShown(size41));  // another goods' size
        EXPECT_FALSE(g->isRowShown(white));
    });
    view(w2, [&](TF_DetailKc* d) {
        EXPECT_FALSE(d->chkHide->isChecked());
        const auto [black, size40] = at(d->StringGridKc, QStringLiteral("黑色"), QStringLiteral("40"));
        EXPECT_EQ(d->StringGridKc->cell(black, size40), QStringLiteral("6"));  // both batches
    });
    view(emptyWarehouse, [](TF_DetailKc* d) {
        EXPECT_EQ(d->StringGridKc->columnCount(), 2);
        EXPECT_EQ(d->StringGridKc->cell(0, 0), QStringLiteral("颜色/尺码"));
        EXPECT_EQ(d->lKc->text(), QStringLiteral("0"));
    });
}

}  // namespace
