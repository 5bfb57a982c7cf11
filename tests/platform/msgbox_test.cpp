#include "platform/msgbox.h"

#include "support/testdb.h"

#include <QPushButton>
#include <gtest/gtest.h>

namespace {

class MsgBoxTest : public ::testing::Test {
protected:
    void SetUp() override { MsgScript::reset(); }
    void TearDown() override { MsgScript::reset(); }
};

TEST_F(MsgBoxTest, BoxesCarryTheirTitlesAndTakeScriptedAnswersInOrder)
{
    MsgScript::answer(MsgAnswer::Yes);
    MsgScript::answer(MsgAnswer::No);
    MsgScript::answer(MsgAnswer::Cancel);

    msgInfo(QStringLiteral("请先添加仓库信息！"));
    EXPECT_TRUE(msgYesNo(QStringLiteral("您确定要删除当前类别吗?")));
    EXPECT_FALSE(msgYesNo(QStringLiteral("您确定要删除该商品信息吗！")));
    EXPECT_EQ(msgYesNoCancel(QStringLiteral("当前单据还未保存，是否保存？")), MsgAnswer::Cancel);
    EXPECT_EQ(MsgScript::pending(), 0);

    const QList<MsgRecord>& shown = MsgScript::shown();
    ASSERT_EQ(shown.size(), 4);
    EXPECT_EQ(shown[0].title, QStringLiteral("系统提示"));
    EXPECT_EQ(shown[0].kind, MsgKind::Info);
    EXPECT_EQ(shown[1].title, QStringLiteral("信息提醒"));
    EXPECT_TRUE(shown[1].scripted);
    EXPECT_EQ(shown[2].answer, MsgAnswer::No);
    EXPECT_EQ(shown[3].kind, MsgKind::YesNoCancel);
    EXPECT_EQ(shown[3].title, QStringLiteral("信息提醒"));
    EXPECT_EQ(MsgScript::texts().at(3), QStringLiteral("当前单据还未保存，是否保存？"));
}

TEST_F(MsgBoxTest, UnscriptedQuestionsAnswerNoOrCancelHeadless)
{
    ASSERT_TRUE(isHeadless());
    EXPECT_FALSE(msgYesNo(QStringLiteral("q1")));
    EXPECT_EQ(msgYesNoCancel(QStringLiteral("q2")), MsgAnswer::Cancel);
    EXPECT_FALSE(MsgScript::last().scripted);
    // A yes/no box given "cancel" reads it as "no".
    MsgScript::answer(MsgAnswer::Cancel);
    EXPECT_FALSE(msgYesNo(QStringLiteral("q3")));
    EXPECT_EQ(MsgScript::last().answer, MsgAnswer::No);
}

TEST_F(MsgBoxTest, FileDialogsReturnScriptedNames)
{
    MsgScript::openFile(QStringLiteral("/tmp/商品.xls"));
    MsgScript::saveFile(QString());  // cancelled
    EXPECT_EQ(openFileDialog(QStringLiteral("(*.xls)|*.xls")), QStringLiteral("/tmp/商品.xls"));
    EXPECT_EQ(saveFileDialog(QStringLiteral("(*.xls)|*.xls")), QString());
    EXPECT_EQ(openFileDialog(QStringLiteral("(*.xls)|*.xls")), QString());  // nothing queued
    EXPECT_EQ(MsgScript::shown().at(1).kind, MsgKind::SaveFile);
    EXPECT_EQ(MsgScript::shown().at(1).answer, MsgAnswer::Cancel);
    EXPECT_TRUE(MsgScript::texts().isEmpty());

    EXPECT_EQ(qtFileFilter(QStringLiteral("(*.xls)|*.xls")), QStringLiteral("(*.xls)"));
    EXPECT_EQ(qtFileFilter(QStringLiteral("Excel文件|*.xls;*.xlsx|全部文件|*.*")),
              QStringLiteral("Excel文件 (*.xls *.xlsx);;全部文件 (*.*)"));
}

TEST_F(MsgBoxTest, GuardShowsTheDatabaseTextAndRollsBack)
{
    TestDb db(false);
    execSql(QStringLiteral("create table t (id integer primary key, v varchar(10) COLLATE NOCASE)"));
    const bool ok = runGuarded([] {
        Transaction tx;
        execSql(QStringLiteral("insert into t (v) values ('a')"));
        execSql(QStringLiteral("insert into nosuch (v) values ('b')"));
        tx.commit();
    });
    EXPECT_FALSE(ok);
    EXPECT_EQ(selectValue(QStringLiteral("select count(*) from t")), QStringLiteral("0"));
    ASSERT_EQ(MsgScript::shown().size(), 1);
    EXPECT_EQ(MsgScript::last().kind, MsgKind::Error);
    EXPECT_EQ(MsgScript::last().title, QStringLiteral("系统提示"));
    EXPECT_TRUE(MsgScript::last().text.contains(QStringLiteral("nosuch"))) << qPrintable(MsgScript::last().text);

    EXPECT_FALSE(runGuarded([] { throw std::runtime_error("出错了"); }));
    EXPECT_EQ(MsgScript::last().text, QStringLiteral("出错了"));
    EXPECT_TRUE(runGuarded([] {}));
    EXPECT_EQ(MsgScript::shown().size(), 2);
}

TEST_F(MsgBoxTest, DataLayerErrorsReachTheStandardErrorBox)
{
    reportDbError(QStringLiteral("no such table: jxc_x"));
    EXPECT_EQ(MsgScript::last().kind, MsgKind::Error);
    EXPECT_EQ(MsgScript::last().text, QStringLiteral("no such table: jxc_x"));
}

TEST_F(MsgBoxTest, ClickHandlersAreGuarded)
{
    QPushButton button;
    int runs = 0;
    onClicked(&button, [&] {
        ++runs;
        throw DbError(QStringLiteral("database is locked"));
    });
    button.click();
    button.click();
    EXPECT_EQ(runs, 2);
    EXPECT_EQ(MsgScript::texts(), QStringList({QStringLiteral("database is locked"), QStringLiteral("database is locked")}));
}

}  // namespace
