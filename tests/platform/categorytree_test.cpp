#include "platform/categorytree.h"
#include "platform/msgbox.h"

#include "support/testdb.h"

#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class CategoryTreeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        MsgScript::reset();
        execSql(QStringLiteral(
            "create table jxc_goodsclass (id integer primary key autoincrement, gc_sn varchar(16) COLLATE NOCASE,"
            " gc_name varchar(64) COLLATE NOCASE, gc_jm varchar(32) COLLATE NOCASE, gc_pid integer, gc_cid integer)"));
        execSql(QStringLiteral(
            "insert into jxc_goodsclass (gc_sn,gc_name,gc_jm,gc_pid,gc_cid) values"
            " (NULL,'所有类别',NULL,0,1), ('1000','鞋类','XL',1,2), ('1000100','运动鞋','YDX',2,3),"
            " ('1001','服装','FZ',1,4), ('1000101','皮鞋','PX',2,5), ('1001100','上衣','SY',4,6)"));
        query.open();
        tree.setQuery(&query);
    }
    void TearDown() override { MsgScript::reset(); }

    QStringList texts() const
    {
        QStringList out;
        for (QTreeWidgetItem* item : tree.itemsInTreeOrder())
            out << item->text(0);
        return out;
    }

    TestDb db{false};
    NamedQuery query{QStringLiteral("ADOQueryGoodsClass"), QStringLiteral("select * from jxc_goodsclass order by id")};
    CategoryTree tree;
};

TEST_F(CategoryTreeTest, NestsRowsByParentInQueryOrderWithTheirPictures)
{
    EXPECT_EQ(texts(), QStringList({QStringLiteral("所有类别"), QStringLiteral("鞋类"), QStringLiteral("运动鞋"),
                                    QStringLiteral("皮鞋"), QStringLiteral("服装"), QStringLiteral("上衣")}));
    EXPECT_EQ(tree.topLevelItemCount(), 1);
    QTreeWidgetItem* shoes = tree.itemById(2);
    ASSERT_NE(shoes, nullptr);
    EXPECT_EQ(shoes->childCount(), 2);
    EXPECT_EQ(shoes->icon(0).cacheKey(), CategoryTree::folderIcon().cacheKey());
    EXPECT_EQ(tree.itemById(3)->icon(0).cacheKey(), CategoryTree::leafIcon().cacheKey());
    EXPECT_NE(CategoryTree::folderIcon().cacheKey(), CategoryTree::leafIcon().cacheKey());
    EXPECT_EQ(tree.firstLeaf()->text(0), QStringLiteral("运动鞋"));
    EXPECT_TRUE(tree.isLeaf(tree.itemById(6)));
    EXPECT_EQ(tree.currentId(), 1);  // the query's current row

    // The categories without the root: the first level becomes the top.
    openQuery(&query, QStringLiteral("select * from jxc_goodsclass where gc_pid<>0 order by id"));
    EXPECT_EQ(tree.topLevelItemCount(), 2);
    EXPECT_EQ(texts().first(), QStringLiteral("鞋类"));
    EXPECT_EQ(tree.currentId(), 2);
}

TEST_F(CategoryTreeTest, SelectsAndExpandsByCodeIdAndText)
{
    QList<int> changes;
    QObject::connect(&tree, &CategoryTree::currentIdChanged, [&](int id) { changes << id; });
    ASSERT_TRUE(tree.selectByCode(QStringLiteral("1001100")));
    EXPECT_EQ(tree.currentName(), QStringLiteral("上衣"));
    EXPECT_EQ(tree.currentField(QStringLiteral("gc_jm")), QStringLiteral("SY"));
    EXPECT_TRUE(tree.itemById(4)->isExpanded());
    EXPECT_TRUE(tree.itemById(1)->isExpanded());
    EXPECT_EQ(query.fieldByName(QStringLiteral("gc_cid")), QStringLiteral("6"));
    EXPECT_EQ(changes, QList<int>({6}));

    ASSERT_TRUE(tree.selectByText(QStringLiteral("鞋类")));
    EXPECT_EQ(tree.currentCode(), QStringLiteral("1000"));
    EXPECT_TRUE(tree.itemById(2)->isExpanded());
    EXPECT_FALSE(tree.selectByCode(QStringLiteral("9999")));
    EXPECT_FALSE(tree.selectById(42));
    EXPECT_EQ(tree.currentId(), 2);

    // Re-opening keeps the chosen node and the opened branches.
    query.refresh();
    EXPECT_EQ(tree.currentId(), 2);
    EXPECT_TRUE(tree.itemById(4)->isExpanded());
}

TEST_F(CategoryTreeTest, ChosenNodeIsDrawnBoldRed)
{
    tree.resize(200, 200);
    tree.expandAll();
    tree.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&tree));
    auto redPixels = [&] {
        const QImage img = tree.grab().toImage();
        int n = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const QColor c = img.pixelColor(x, y);
                n += c.red() > 180 && c.green() < 80 && c.blue() < 80;
            }
        return n;
    };
    tree.setCurrentItem(nullptr);
    const int none = redPixels();
    ASSERT_TRUE(tree.selectByCode(QStringLiteral("1000100")));
    EXPECT_GT(redPixels(), none + 10);
}

TEST_F(CategoryTreeTest, RenameGoesThroughTheWindowsHandler)
{
    QList<QPair<int, QString>> saved;
    tree.setRenameHandler([&](int id, const QString& name) {
        saved.append({id, name});
        execSql(QStringLiteral("update jxc_goodsclass set gc_name=? where gc_cid=?"), {{QString(), name}, {QString(), id}});
    });
    ASSERT_TRUE(tree.selectByCode(QStringLiteral("1000100")));
    EXPECT_TRUE(tree.renameCurrent(QStringLiteral("跑步鞋")));
    EXPECT_EQ(saved.size(), 1);
    EXPECT_EQ(tree.currentName(), QStringLiteral("跑步鞋"));  // the loaded row follows
    EXPECT_EQ(selectValue(QStringLiteral("select gc_name from jxc_goodsclass where gc_cid=3")), QStringLiteral("跑步鞋"));

    // In place: the editor's accepted text reaches the handler.
    tree.show();
    tree.startRename();
    auto* editor = tree.viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    editor->setText(QStringLiteral("慢跑鞋"));
    QTest::keyClick(editor, Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return saved.size() == 2; }, 2000));
    EXPECT_EQ(saved[1], qMakePair(3, QStringLiteral("慢跑鞋")));
    EXPECT_EQ(tree.itemById(3)->text(0), QStringLiteral("慢跑鞋"));

    // A handler that re-opens the query: the tree shows what was saved.
    tree.setRenameHandler([&](int id, const QString& name) {
        execSql(QStringLiteral("update jxc_goodsclass set gc_name=? where gc_cid=?"),
                {{QString(), name + QStringLiteral("类")}, {QString(), id}});
        query.refresh();
    });
    EXPECT_FALSE(tree.renameCurrent(QStringLiteral("鞋")));
    EXPECT_EQ(tree.itemById(3)->text(0), QStringLiteral("鞋类"));
    EXPECT_EQ(tree.currentId(), 3);

    // A refused name stays unsaved and the old name stays.
    tree.setRenameHandler([](int, const QString&) { throw DbError(QStringLiteral("database is locked")); });
    EXPECT_FALSE(tree.renameCurrent(QStringLiteral("凉鞋")));
    EXPECT_EQ(tree.itemById(3)->text(0), QStringLiteral("鞋类"));
    EXPECT_EQ(MsgScript::last().text, QStringLiteral("database is locked"));
}

TEST_F(CategoryTreeTest, RowsThatPointAtEachOtherAreStillShown)
{
    execSql(QStringLiteral("insert into jxc_goodsclass (gc_sn,gc_name,gc_pid,gc_cid) values ('2000','甲',8,7), ('2001','乙',7,8)"));
    query.refresh();
    EXPECT_EQ(tree.itemsInTreeOrder().size(), 8);
    EXPECT_EQ(tree.topLevelItemCount(), 3);
}

}  // namespace
