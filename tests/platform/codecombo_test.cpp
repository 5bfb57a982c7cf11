#include "platform/codecombo.h"
#include "platform/msgbox.h"

#include <gtest/gtest.h>

namespace {

TEST(CodeCombo, EntriesCarryCodesAndTheAllEntry)
{
    CodeComboBox box;
    box.addItem(QStringLiteral("所有仓库"), CodeComboBox::AllCode);
    box.addItem(QStringLiteral("总仓"), QStringLiteral("100001"));
    box.addItem(QStringLiteral("分仓"), QStringLiteral("100002"));
    box.insertItem(1, QStringLiteral("门店"), QStringLiteral("100003"));

    EXPECT_EQ(box.currentIndex(), 0);
    EXPECT_TRUE(box.currentIsAll());
    EXPECT_EQ(box.codeAt(1), QStringLiteral("100003"));
    EXPECT_EQ(getComboCode(&box, 3), QStringLiteral("100002"));

    EXPECT_TRUE(box.selectCode(QStringLiteral("100002")));
    EXPECT_EQ(box.currentText(), QStringLiteral("分仓"));
    EXPECT_EQ(box.currentCode(), QStringLiteral("100002"));
    EXPECT_FALSE(box.currentIsAll());
    EXPECT_FALSE(box.selectCode(QStringLiteral("999999")));
    EXPECT_EQ(box.currentCode(), QStringLiteral("100002"));  // unchanged
    EXPECT_TRUE(box.selectText(QStringLiteral("总仓")));
    EXPECT_EQ(box.currentCode(), QStringLiteral("100001"));
    EXPECT_EQ(box.indexOfCode(CodeComboBox::AllCode), 0);
}

TEST(CodeCombo, NoChosenEntryIsAClearErrorNeverACrash)
{
    MsgScript::reset();
    CodeComboBox box;
    EXPECT_THROW(box.currentCode(), std::out_of_range);
    EXPECT_EQ(box.currentCodeOrEmpty(), QString());
    box.addItem(QStringLiteral("总仓"), QStringLiteral("100001"));
    box.setCurrentIndex(-1);
    EXPECT_THROW(getComboCode(&box, -1), std::out_of_range);
    EXPECT_THROW(getComboCode(&box, 1), std::out_of_range);
    EXPECT_THROW(getComboCode(nullptr, 0), std::out_of_range);
    // In a window's handler the error reaches the standard error box.
    EXPECT_FALSE(runGuarded([&] { box.currentCode(); }));
    EXPECT_EQ(MsgScript::last().text, QStringLiteral("列表索引越界 (-1)"));
    box.clear();
    EXPECT_EQ(box.count(), 0);
    EXPECT_THROW(box.codeAt(0), std::out_of_range);
    MsgScript::reset();
}

TEST(CodeCombo, PlainEntriesOfAComboCarryNoCode)
{
    CodeComboBox box;
    box.addItem(QStringLiteral("无编码"));
    EXPECT_EQ(box.codeAt(0), QString());
}

}  // namespace
