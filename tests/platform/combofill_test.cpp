// Combo boxes filled from a table, read back through their coded items.
#include "platform/codecombo.h"
#include "platform/combofill.h"
#include "support/testdb.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

QStringList entries(const QComboBox& box)
{
    QStringList out;
    for (int i = 0; i < box.count(); ++i)
        out << box.itemText(i) + u'=' + getComboCode(&box, i);
    return out;
}

TEST(ComboFill, CodedEntriesAndNoChoiceAfterAFill)
{
    TestDb db;
    execSql("insert into jxc_user (u_sn,u_name,u_cg) values ('100002','李四',1),('100003','王五',0)");
    CodeComboBox box;
    box.addItem(QStringLiteral("旧"), QStringLiteral("9"));
    QSignalSpy changed(&box, &QComboBox::currentIndexChanged);

    fillCodeComboWhere(&box, "jxc_user", "u_name", "新增经办人.....",
                       "where u_cg<>0 and u_name<>'' and u_name is not null", "id", "u_sn");
    EXPECT_EQ(entries(box), (QStringList{"李四=100002", "新增经办人.....=-1"}));
    EXPECT_EQ(box.currentIndex(), -1);  // the window chooses
    EXPECT_EQ(changed.count(), 0);      // a refill is not a choice of the user
    EXPECT_TRUE(box.selectCode("-1"));

    fillCodeCombo(&box, "jxc_ckxx", "ck_name", "所有仓库", "id", "ck_sn");
    EXPECT_EQ(entries(box), (QStringList{"所有仓库=-1", "主仓库=100001"}));
    fillCodeComboWhereFirst(&box, "jxc_user", "u_name", "所有经办人", "where u_name<>''", "id", "u_sn");
    EXPECT_EQ(entries(box), (QStringList{"所有经办人=-1", "李四=100002", "王五=100003"}));
    fillJsfsCombo(&box, "xs");
    EXPECT_EQ(entries(box), (QStringList{"按实付款结算=1", "余款记入应收帐=2"}));
    EXPECT_THROW(getComboCode(&box, -1), std::out_of_range);
}

TEST(ComboFill, PlainCombos)
{
    TestDb db;
    QComboBox plain;
    fillComboBox(&plain, "jxc_ckxx", "ck_name", "全部", "1", "id");
    EXPECT_EQ(entries(plain), (QStringList{"=", "全部=", "主仓库="}));
    fillCxComboBox(&plain, "jxc_ckxx", "ck_name", "全部", "1", "id");
    EXPECT_EQ(entries(plain), (QStringList{"全部=", "=", "主仓库="}));
}

}  // namespace
