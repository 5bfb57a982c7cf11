// The partner search panel: its two lists, the in-memory search, confirmation and the keys the
// bill window routes to it.
#include "platform/partnerpanel.h"
#include "data/namedquery.h"
#include "platform/datagrid.h"
#include "support/testdb.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

const char* kAll =
    "select '100002' as ghs_sn,'红星鞋业' as ghs_name,'HXXY' as ghs_jm,'0571-888' as ghs_tele,"
    "'Hangzhou Road' as ghs_address,'王' as ghs_lxr "
    "union all select '100003','Blue Shoes','BS','13900001111','上海路','李' "
    "union all select '200001','绿叶','LY','','',''";
const char* kRecent =
    "select '200001' as ghs_sn,'绿叶' as ghs_name,'LY' as ghs_jm,'' as ghs_tele,'' as ghs_address,'' as ghs_lxr "
    "union all select '100002','红星鞋业','HXXY','0571-888','Hangzhou Road','王'";

class PartnerPanelTest : public ::testing::Test {
protected:
    PartnerPanelTest()
        : panel(config())
    {
        panel.reload();
        panel.resize(700, 300);
        panel.showFiltered(QString());
    }

    PartnerPanel::Config config()
    {
        PartnerPanel::Config c;
        c.codeField = QStringLiteral("ghs_sn");
        c.nameField = QStringLiteral("ghs_name");
        c.columns = {{QStringLiteral("ghs_name"), QStringLiteral("供货商名称")},
                     {QStringLiteral("ghs_lxr"), QStringLiteral("联系人")},
                     {QStringLiteral("ghs_tele"), QStringLiteral("联系电话")}};
        c.searchFields = {QStringLiteral("ghs_name"), QStringLiteral("ghs_jm"), QStringLiteral("ghs_sn"),
                          QStringLiteral("ghs_tele"), QStringLiteral("ghs_address")};
        c.all = &all;
        c.allSql = QString::fromUtf8(kAll);
        c.allCaption = QStringLiteral("全部供货商信息");
        c.recent = &recent;
        c.recentSql = QString::fromUtf8(kRecent);
        c.recentCaption = QStringLiteral("最近往来供货商");
        c.keyCaption = QStringLiteral("查找供货商(F2)：");
        c.addCaption = QStringLiteral("添加供货商(F8)");
        c.addNewCaption = QStringLiteral("新增加供货商(&Y)");
        c.addCopyCaption = QStringLiteral("从客户资料中复制(&Z)");
        return c;
    }

    static QStringList codes(const DataGrid* grid)
    {
        QStringList out;
        for (int r = 0; r < grid->rowCount(); ++r)
            out << grid->value(grid->sourceRow(r), QStringLiteral("ghs_sn"));
        return out;
    }
    bool key(int k)
    {
        QKeyEvent event(QEvent::KeyPress, k, Qt::NoModifier);
        return panel.keyPress(&event);
    }
    void doubleClick(DataGrid* grid, int shownRow)
    {
        const QModelIndex cell = grid->view()->model()->index(shownRow, 0);
        const QRect r = grid->view()->visualRect(cell);
        QTest::mouseClick(grid->view()->viewport(), Qt::LeftButton, {}, r.center());
        QTest::mouseDClick(grid->view()->viewport(), Qt::LeftButton, {}, r.center());
    }

    TestDb db;
    NamedQuery all{QStringLiteral("Q_Ghsxx"), QStringLiteral("select 1")};
    NamedQuery recent{QStringLiteral("Q_GhsxxLs"), QStringLiteral("select 1")};
    PartnerPanel panel;
};

TEST_F(PartnerPanelTest, SearchBoxFiltersOverEachFieldIgnoringCase)
{
    struct Case {
        const char* text;
        QStringList codes;
    };
    const Case cases[] = {
        {"红星", {"100002"}},                              // name
        {"blue", {"100003"}},                              // name, other case
        {"hx", {"100002"}},                                // short code, lower case
        {"2000", {"200001"}},                              // code
        {"1390", {"100003"}},                              // phone
        {"HANGZHOU", {"100002"}},                          // address, other case
        {"  bs  ", {"100003"}},                            // trimmed
        {"", {"100002", "100003", "200001"}},              // empty: every row
        {"   ", {"100002", "100003", "200001"}},
        {"%", {}},                                         // no wildcard: a literal character
        {"王", {}},                                        // contact person is not searched
    };
    for (const Case& c : cases) {
        panel.tkey->setText(QString::fromUtf8(c.text));
        EXPECT_EQ(codes(panel.gridAll), c.codes) << c.text;
    }
    // The record count follows the rows shown.
    panel.tkey->setText(QStringLiteral("h"));
    EXPECT_EQ(panel.gridAll->footerText(QStringLiteral("ghs_name")), QStringLiteral("2"));

    // The search outlives a reload, and showFiltered replaces it.
    panel.reload();
    EXPECT_EQ(codes(panel.gridAll), QStringList({"100002", "100003"}));
    panel.showFiltered(QStringLiteral(" 绿 "));
    EXPECT_EQ(codes(panel.gridAll), QStringList({"200001"}));
}

TEST_F(PartnerPanelTest, TypedPercentAndQuoteHaveNoEffect)
{
    QTest::keyClicks(panel.tkey, QStringLiteral("%'"));
    EXPECT_EQ(panel.tkey->text(), QString());
    EXPECT_EQ(codes(panel.gridAll).size(), 3);
    QTest::keyClicks(panel.tkey, QStringLiteral("b%'s"));
    EXPECT_EQ(panel.tkey->text(), QStringLiteral("bs"));
    EXPECT_EQ(codes(panel.gridAll), QStringList({"100003"}));
}

TEST_F(PartnerPanelTest, ConfirmByF5OrDoubleClickHandsOverCodeAndName)
{
    QSignalSpy chosen(&panel, &PartnerPanel::chosen);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));

    ASSERT_TRUE(panel.gridAll->setCurrentRow(1));
    EXPECT_TRUE(key(Qt::Key_F5));
    ASSERT_EQ(chosen.size(), 1);
    EXPECT_EQ(chosen.at(0), QVariantList({"100003", "Blue Shoes"}));
    EXPECT_FALSE(panel.isVisible());
    EXPECT_FALSE(key(Qt::Key_F5));  // hidden: the keys are the window's again

    panel.showFiltered(QString());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    doubleClick(panel.gridAll, 2);
    ASSERT_EQ(chosen.size(), 2);
    EXPECT_EQ(chosen.at(1), QVariantList({"200001", "绿叶"}));
    EXPECT_FALSE(panel.isVisible());

    // A filter that leaves no row: confirming does nothing and the panel stays.
    panel.showFiltered(QStringLiteral("nobody"));
    panel.btnOK->click();
    EXPECT_EQ(chosen.size(), 2);
    EXPECT_TRUE(panel.isVisible());
}

TEST_F(PartnerPanelTest, RecentTabConfirmsItsOwnRow)
{
    QSignalSpy chosen(&panel, &PartnerPanel::chosen);
    ASSERT_TRUE(panel.gridAll->setCurrentRow(1));
    panel.tabs->setCurrentWidget(panel.gridRecent);
    EXPECT_EQ(codes(panel.gridRecent), QStringList({"200001", "100002"}));

    panel.tkey->setText(QStringLiteral("hangzhou"));
    EXPECT_EQ(codes(panel.gridRecent), QStringList({"100002"}));
    EXPECT_EQ(panel.currentCode(), QStringLiteral("100002"));
    EXPECT_TRUE(key(Qt::Key_F5));
    ASSERT_EQ(chosen.size(), 1);
    EXPECT_EQ(chosen.at(0), QVariantList({"100002", "红星鞋业"}));
}

TEST_F(PartnerPanelTest, KeysAndButtonsAskTheWindow)
{
    QSignalSpy added(&panel, &PartnerPanel::addRequested);
    QSignalSpy copied(&panel, &PartnerPanel::copyRequested);
    QSignalSpy modified(&panel, &PartnerPanel::modifyRequested);

    EXPECT_TRUE(key(Qt::Key_F8));
    EXPECT_TRUE(key(Qt::Key_F9));
    EXPECT_EQ(added.size(), 1);
    EXPECT_EQ(modified.size(), 1);

    const QList<QAction*> items = panel.btnAdd->menu()->actions();
    ASSERT_EQ(items.size(), 3);
    EXPECT_TRUE(items.at(1)->isSeparator());
    items.at(0)->trigger();
    items.at(2)->trigger();
    EXPECT_EQ(added.size(), 2);
    EXPECT_EQ(copied.size(), 1);

    // F2 runs the search box's text again.
    panel.tkey->setText(QStringLiteral("blue"));
    panel.filter(QString());
    EXPECT_TRUE(key(Qt::Key_F2));
    EXPECT_EQ(codes(panel.gridAll), QStringList({"100003"}));

    // Modify needs a supplier in the full list.
    panel.tkey->setText(QStringLiteral("nobody"));
    EXPECT_TRUE(key(Qt::Key_F9));
    panel.btnModi->click();
    EXPECT_EQ(modified.size(), 1);

    EXPECT_FALSE(key(Qt::Key_F3));
    EXPECT_TRUE(key(Qt::Key_Escape));
    EXPECT_FALSE(panel.isVisible());
    EXPECT_FALSE(key(Qt::Key_F8));
    EXPECT_EQ(added.size(), 2);
}

// The floating panel of the registers and statements: one list, no caption, no add or modify.
TEST(PartnerPanel, WithoutRecentListAddOrModify)
{
    TestDb db;
    NamedQuery all{QStringLiteral("Q_Khxx"), QStringLiteral("select 1")};
    PartnerPanel::Config c;
    c.codeField = QStringLiteral("kh_sn");
    c.nameField = QStringLiteral("kh_name");
    c.columns = {{QStringLiteral("kh_name"), QStringLiteral("客户名称")}};
    c.searchFields = {QStringLiteral("kh_name")};
    c.all = &all;
    c.allSql = QStringLiteral("select '1' as kh_sn,'甲' as kh_name");
    c.canModify = false;
    PartnerPanel panel(c);
    QSignalSpy modified(&panel, &PartnerPanel::modifyRequested);
    panel.reload();
    panel.showFiltered(QString());
    EXPECT_EQ(panel.tabs->count(), 1);
    EXPECT_FALSE(panel.tabs->tabBar()->isVisibleTo(&panel));
    EXPECT_FALSE(panel.btnModi->isVisibleTo(&panel));
    EXPECT_FALSE(panel.btnAdd->isVisibleTo(&panel));
    EXPECT_EQ(panel.gridRecent, nullptr);
    for (Qt::Key k : {Qt::Key_F8, Qt::Key_F9}) {
        QKeyEvent e(QEvent::KeyPress, k, Qt::NoModifier);
        EXPECT_FALSE(panel.keyPress(&e));
    }
    EXPECT_EQ(modified.size(), 0);
    EXPECT_EQ(panel.currentName(), QStringLiteral("甲"));
}

}  // namespace
