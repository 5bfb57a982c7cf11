// Operators: the dialogs' checks, passwords stored as hashes that the login verifies, the
// protected "admin", deletions refused after business, copy and paste, and the search.
#include "admintest.h"

#include "admin/admin_add.h"
#include "admin/admin_modi.h"
#include "admin/adminlist.h"
#include "admin/adminrecords.h"
#include "masterdata/staffrecords.h"
#include "platform/datagrid.h"
#include "shell/login.h"

#include <QAction>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>

using namespace admintest;

namespace {

class OperatorTest : public AdminTest {
protected:
    static QString add(const QString& name, const QString& pwd, const QString& role = QStringLiteral("100001"))
    {
        const SaveOutcome out = addOperator({name, pwd, pwd, role, 0});
        EXPECT_TRUE(out.ok()) << out.error.toStdString();
        return out.code;
    }
    static qint64 idOf(const QString& name)
    {
        return selectValue(QStringLiteral("select id from jxc_admin where a_name=?"), {{QString(), name}}).toLongLong();
    }
};

TEST_F(OperatorTest, TheAddDialogChecksInOrderAndTheSavedPasswordLogsInCaseSensitive)
{
    add(QStringLiteral("张三"), QStringLiteral("x"));
    openScripted<TF_Admin>(F_Admin, [](TF_Admin* w) {
        onNextOpening<TF_Admin_Add>("F_Admin_Add", [](TF_Admin_Add* d) {
            EXPECT_EQ(d->comRole->currentText(), "系统管理员");
            d->btnOK->click();  // no name
            d->tname->setText(QStringLiteral(" 张三 "));
            d->tpwd->setText(QStringLiteral("Ab1"));
            d->btnOK->click();  // second password empty
            d->tpwd1->setText(QStringLiteral(" Ab1 "));
            d->btnOK->click();  // name taken
            d->tname->setText(QStringLiteral("李四"));
            d->tzreoje->setValue(5.5);
            d->btnOK->click();
        });
        w->btnAdd->click();
        EXPECT_EQ(w->DBGrid1->rowCount(), 3);
        EXPECT_EQ(w->DBGrid1->footerText(QStringLiteral("a_sn")), "数量：3");
    });
    EXPECT_EQ(boxes(), QStringList({"用户名称必须填写！", "两次密码输入不一致！", "用户名称不能重复！"}));
    const ResultSet rs = openSelect(QStringLiteral("select a_sn,r_sn,a_zreoje,a_pwd from jxc_admin where a_name='李四'"));
    ASSERT_EQ(rs.rowCount(), 1);
    EXPECT_EQ(rs.text(0, "a_sn"), "100003");
    EXPECT_EQ(rs.text(0, "a_zreoje"), "5.5");
    EXPECT_NE(rs.text(0, "a_pwd"), "Ab1");
    EXPECT_TRUE(verifyOperator(QStringLiteral("李四"), QStringLiteral("Ab1")).ok);
    EXPECT_FALSE(verifyOperator(QStringLiteral("李四"), QStringLiteral("ab1")).ok);
}

TEST_F(OperatorTest, ModifyingKeepsThePasswordWhenBothFieldsStayEmpty)
{
    add(QStringLiteral("张三"), QStringLiteral("old"));
    add(QStringLiteral("李四"), QString());
    const qint64 id = idOf(QStringLiteral("张三"));
    openScripted<TF_Admin>(F_Admin, [](TF_Admin* w) {
        ASSERT_TRUE(w->DBGrid1->setCurrentRow(1));
        onNextOpening<TF_Admin_Modi>("F_Admin_Modi", [](TF_Admin_Modi* d) {
            EXPECT_EQ(d->tname->text(), "张三");
            EXPECT_TRUE(d->tpwd->text().isEmpty());
            d->tname->setText(QStringLiteral("李四"));
            d->btnOK->click();  // another's name
            d->tname->setText(QStringLiteral("张三"));
            d->btnOK->click();  // its own name, password kept
        });
        w->btnModi->click();
    });
    EXPECT_EQ(boxes(), QStringList({"用户名称不能重复！"}));
    EXPECT_TRUE(verifyOperator(QStringLiteral("张三"), QStringLiteral("old")).ok);
    // Two different passwords are refused even when one is empty; a new one replaces the old.
    EXPECT_EQ(modifyOperator(id, {QStringLiteral("张三"), QStringLiteral("new"), QString(), QStringLiteral("100001"), 0}),
              "两次密码输入不一致！");
    EXPECT_EQ(modifyOperator(id, {QStringLiteral("张三"), QStringLiteral("new"), QStringLiteral("new"),
                                  QStringLiteral("100001"), 0}),
              QString());
    EXPECT_TRUE(verifyOperator(QStringLiteral("张三"), QStringLiteral("new")).ok);
    EXPECT_FALSE(verifyOperator(QStringLiteral("张三"), QStringLiteral("old")).ok);
}

TEST_F(OperatorTest, AdminIsProtectedAndBusinessComesFirst)
{
    add(QStringLiteral("Admin"), QString());
    add(QStringLiteral("王五"), QString());
    execSql(QStringLiteral("insert into jxc_lsxsd (gl_djh,a_name) values ('XS1','admin')"));
    execSql(QStringLiteral("insert into jxc_xsthd (a_name) values ('王五')"));  // a return is no business here
    openScripted<TF_Admin>(F_Admin, [](TF_Admin* w) {
        w->btnModi->click();
        w->btnDele->click();
    });
    EXPECT_EQ(boxes(), QStringList({"系统管理员不能修改！", "该操作员已发生过业务，不能删除！"}));
    execSql(QStringLiteral("delete from jxc_lsxsd"));
    EXPECT_EQ(operatorDeleteRefusal(QStringLiteral("admin")), "系统管理员不能删除！");
    EXPECT_EQ(operatorDeleteRefusal(QStringLiteral("Admin")), QString());
    EXPECT_EQ(operatorDeleteRefusal(QStringLiteral("王五")), QString());
    execSql(QStringLiteral("insert into jxc_jhd (j_sn,a_name) values ('CJ1','王五')"));
    EXPECT_EQ(operatorDeleteRefusal(QStringLiteral("王五")), "该操作员已发生过业务，不能删除！");
}

TEST_F(OperatorTest, APasteCarriesTheCopiedHashAndIsNamedAfterItsCode)
{
    add(QStringLiteral("张三"), QStringLiteral("pw"), QStringLiteral("100001"));
    openScripted<TF_Admin>(F_Admin, [](TF_Admin* w) {
        EXPECT_FALSE(w->actPaste->isEnabled());
        ASSERT_TRUE(w->DBGrid1->setCurrentRow(1));
        w->actCopy->trigger();
        EXPECT_TRUE(w->actPaste->isEnabled());
        w->actPaste->trigger();
        w->actPaste->trigger();
        EXPECT_EQ(w->DBGrid1->rowCount(), 4);
    });
    EXPECT_EQ(selectValue(QStringLiteral("select group_concat(a_name,'|') from jxc_admin where id>2")),
              "复制 张三100003|复制 张三100004");
    EXPECT_TRUE(verifyOperator(QStringLiteral("复制 张三100003"), QStringLiteral("pw")).ok);
    // A new activation forgets the copy.
    openScripted<TF_Admin>(F_Admin, [](TF_Admin* w) { EXPECT_FALSE(w->actPaste->isEnabled()); });
}

TEST_F(OperatorTest, SearchKeysAndNamesTakeQuotesDashesAndLongTextsSafely)
{
    const QString odd = QStringLiteral("O'Neil -- \"x\" 𠀀");
    add(odd, QString());
    const QString stored = selectValue(QStringLiteral("select a_name from jxc_admin where a_sn='100002'"));
    EXPECT_FALSE(stored.contains(QLatin1Char('\'')));
    EXPECT_TRUE(verifyOperator(stored, QString()).ok);
    openScripted<TF_Admin>(F_Admin, [](TF_Admin* w) {
        for (const QString& key : {QStringLiteral("'--"), QString(300, QLatin1Char('x')), QStringLiteral("𠀀"),
                                   QStringLiteral("neil"), QStringLiteral("100002")}) {
            w->tkey->setText(key);
            w->btnQuery->click();
            EXPECT_EQ(w->DBGrid1->rowCount(), key.size() == 300 || key == "'--" ? 0 : 1) << key.toStdString();
        }
        w->tkey->clear();
        w->btnQuery->click();
        EXPECT_EQ(w->DBGrid1->rowCount(), 2);
    });
    EXPECT_TRUE(boxes().isEmpty());
}

}  // namespace
