// Roles: the rights layout against the command table, the role window's refusals, and the
// rights tree writing and reading the rights strings.
#include "admintest.h"

#include "admin/adminrecords.h"
#include "admin/role.h"
#include "admin/role_add.h"
#include "admin/role_modi.h"
#include "data/settings.h"
#include "masterdata/staffrecords.h"
#include "platform/datagrid.h"
#include "shell/commands.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTreeWidget>

using namespace admintest;

namespace {

class RoleTest : public AdminTest {};

TEST(RightsLayout, EveryRightOfTheCommandTableLiesInTheTreeUnderItsGroup)
{
    QHash<QString, int> lengths;
    for (const RightsGroup& g : rightsLayout())
        lengths.insert(QString::fromLatin1(g.column), int(g.rights.size()));
    const QHash<QString, int> expected = {{"cggl", 5}, {"xsgl", 14}, {"kcgl", 7}, {"wlzk", 6},
                                          {"tjgl", 12}, {"rcgl", 11}, {"qtcz", 15}};
    EXPECT_EQ(lengths, expected);
    for (const CommandEntry& c : commandTable()) {
        if (!c.rightColumn)
            continue;
        const QString column = QString::fromLatin1(c.rightColumn);
        ASSERT_TRUE(lengths.contains(column)) << c.control;
        EXPECT_GE(c.rightPosition, 1) << c.control;
        EXPECT_LE(c.rightPosition, lengths.value(column)) << c.control;
    }
}

TEST_F(RoleTest, TheAdministratorIsNeitherModifiedNorDeletedAndUseIsCheckedFirst)
{
    openScripted<TF_Role>(F_Role, [](TF_Role* w) {
        ASSERT_EQ(w->DBGrid1->rowCount(), 1);
        EXPECT_EQ(w->DBGrid1->footerText(QStringLiteral("r_sn")), "记录数：1");
        w->btnModi->click();
        w->btnDele->click();
    });
    EXPECT_EQ(boxes(), QStringList({"系统管理员不能修改！", "该角色已在使用，不能删除！"}));
    execSql(QStringLiteral("delete from jxc_admin"));
    EXPECT_EQ(roleDeleteRefusal(QStringLiteral("100001")), "系统管理员不能删除！");
    EXPECT_EQ(modifyRole(QStringLiteral("100001"), {QStringLiteral("x"), QStringList(7, QStringLiteral("0"))}),
              "系统管理员不能修改！");
    EXPECT_EQ(selectValue(QStringLiteral("select count(*) from jxc_role")), "1");
}

TEST_F(RoleTest, TickingAGroupGrantsAllItsRightsAndTheNextCommandSeesAChange)
{
    openScripted<TF_Role>(F_Role, [](TF_Role* w) {
        onNextOpening<TF_Role_Add>("F_Role_Add", [](TF_Role_Add* d) {
            d->btnOK->click();  // no name
            d->tname->setText(QStringLiteral(" 收银员 "));
            d->chkTree->topLevelItem(1)->setCheckState(0, Qt::Checked);           // every sales right
            d->chkTree->topLevelItem(6)->child(11)->setCheckState(0, Qt::Checked);  // clearing the log
            d->btnOK->click();
        });
        w->btnAdd->click();
        EXPECT_EQ(w->DBGrid1->rowCount(), 2);
    });
    EXPECT_EQ(boxes(), QStringList({"角色名称必须填写！"}));
    const ResultSet rs = openSelect(QStringLiteral("select * from jxc_role where r_sn='100002'"));
    ASSERT_EQ(rs.rowCount(), 1);
    EXPECT_EQ(rs.text(0, "r_name"), "收银员");
    EXPECT_EQ(rs.text(0, "cggl"), "00000");
    EXPECT_EQ(rs.text(0, "xsgl"), "11111111111111");
    EXPECT_EQ(rs.text(0, "wlzk"), "000000");
    EXPECT_EQ(rs.text(0, "qtcz"), "000000000001000");

    roleCode = QStringLiteral("100002");
    EXPECT_TRUE(checkRight(QStringLiteral("qtcz"), 12));
    EXPECT_FALSE(checkRight(QStringLiteral("qtcz"), 7));
    // The modify dialog shows the stored ticks; its change counts at the very next check.
    openScripted<TF_Role>(F_Role, [](TF_Role* w) {
        ASSERT_TRUE(w->DBGrid1->setCurrentRow(1));
        onNextOpening<TF_Role_Modi>("F_Role_Modi", [](TF_Role_Modi* d) {
            EXPECT_EQ(d->tname->text(), "收银员");
            EXPECT_EQ(d->rightsStrings()[6], "000000000001000");
            EXPECT_EQ(d->chkTree->topLevelItem(1)->checkState(0), Qt::Checked);
            d->chkTree->topLevelItem(6)->child(6)->setCheckState(0, Qt::Checked);
            d->chkTree->topLevelItem(6)->child(11)->setCheckState(0, Qt::Unchecked);
            d->btnOK->click();
        });
        w->btnModi->click();
    });
    EXPECT_TRUE(checkRight(QStringLiteral("qtcz"), 7));
    EXPECT_FALSE(checkRight(QStringLiteral("qtcz"), 12));
}

TEST_F(RoleTest, SelectAllTicksEveryNodeAndARoleNotInUseIsDeletedAfterTheQuestion)
{
    openScripted<TF_Role>(F_Role, [](TF_Role* w) {
        onNextOpening<TF_Role_Add>("F_Role_Add", [](TF_Role_Add* d) {
            d->tname->setText(QStringLiteral("全部"));
            d->chkSele->click();
            d->btnOK->click();
        });
        w->btnAdd->click();
        ASSERT_TRUE(w->DBGrid1->setCurrentRow(1));
        MsgScript::answer(MsgAnswer::Yes);
        w->btnDele->click();
        EXPECT_EQ(w->DBGrid1->rowCount(), 1);
    });
    EXPECT_EQ(boxes(), QStringList({"您确定要删除选中的角色吗？"}));
    EXPECT_EQ(selectValue(QStringLiteral("select count(*) from jxc_role")), "1");
}

TEST_F(RoleTest, AddedRoleStringsHaveTheGroupLengthsAndShortStringsRefuse)
{
    QStringList rights;
    for (const RightsGroup& g : rightsLayout())
        rights << QString(int(g.rights.size()), QLatin1Char('1'));
    rights[0] = QStringLiteral("11");  // shorter than the group
    const SaveOutcome out = addRole({QStringLiteral("短'--"), rights});
    ASSERT_TRUE(out.ok());
    EXPECT_EQ(selectValue(QStringLiteral("select r_name from jxc_role where r_sn=?"), {{QString(), out.code}}), "短‘--");
    roleCode = out.code;
    EXPECT_TRUE(checkRight(QStringLiteral("cggl"), 2));
    EXPECT_FALSE(checkRight(QStringLiteral("cggl"), 3));
}

}  // namespace
