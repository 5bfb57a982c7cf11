// Warehouses: the list, its dialogs, the default marks and the monthly stock-account rows.
#include "stafftest.h"

#include "platform/datagrid.h"

#include <QLineEdit>

using namespace stafftest;

namespace {

// ---- Warehouses ----------------------------------------------------------------------------------

class WarehouseTest : public StaffTest {};

TEST_F(WarehouseTest, DeletingIsRefusedWhileStockRowsRemainAndForTheBuiltInWarehouse)
{
    WarehouseInput in;
    in.name = QStringLiteral("二号仓");
    const QString code = addWarehouse(in).code;
    execSql(QStringLiteral("insert into jxc_kcsp (g_sn,ck_sn,kc_sl) values ('10010001',?,0)"), {{QString(), code}});
    execSql(QStringLiteral("insert into jxc_kcsp (g_sn,ck_sn,kc_sl) values ('10010001','100001',3)"));
    openScripted<TF_Ckgl>(F_Ckgl, [](TF_Ckgl* w) {
        ASSERT_EQ(w->DBGrid1->rowCount(), 2);
        EXPECT_EQ(w->DBGrid1->value(0, QStringLiteral("ck_name")), "二号仓");  // newest first
        MsgScript::answer(MsgAnswer::Yes);
        w->btnDele->click();
        EXPECT_EQ(w->DBGrid1->rowCount(), 2);
    });
    EXPECT_EQ(boxes(), QStringList({"您确定要删除该仓库信息吗！", "该仓库中有商品，不能删除！"}));
    // The stock test comes before the built-in one.
    EXPECT_EQ(deleteWarehouse(QStringLiteral("100001")), "该仓库中有商品，不能删除！");
    execSql(QStringLiteral("delete from jxc_kcsp"));
    EXPECT_EQ(deleteWarehouse(QStringLiteral("100001")), "该该仓库为系统内置仓库，不能删除！");
    EXPECT_EQ(deleteWarehouse(code), QString());
    EXPECT_EQ(selectValue(QStringLiteral("select count(*) from jxc_ckxx")), "1");
}

TEST_F(WarehouseTest, AddingInAMonthWithoutStockAccountRowsLeavesOneRowPerWarehouse)
{
    execSql(QStringLiteral("insert into jxc_kcsp (g_sn,ck_sn,kc_sl,kc_cbj) values ('10010001','100001',4,2.5)"));
    openScripted<TF_Ckgl>(F_Ckgl, [](TF_Ckgl* w) {
        TF_Form::scriptNextOpening(QStringLiteral("F_Ckgl_Add"), [](TF_Form* f) {
            auto* d = static_cast<TF_Ckgl_Add*>(f);
            d->tname->setText(QStringLiteral(" 分店仓 "));
            d->btnOK->click();
        });
        w->btnAdd->click();
        EXPECT_EQ(w->DBGrid1->rowCount(), 2);
    });
    const ResultSet rs =
        openSelect(QStringLiteral("select ck_sn,js_sl,js_zje from jxc_kcjs where js_rq='2013-05' order by ck_sn"));
    ASSERT_EQ(rs.rowCount(), 2);
    EXPECT_EQ(rs.text(0, "ck_sn"), "100001");
    EXPECT_EQ(rs.text(0, "js_sl"), "4");
    EXPECT_EQ(rs.text(0, "js_zje"), "10");
    EXPECT_EQ(rs.text(1, "ck_sn"), "100002");
    EXPECT_EQ(rs.text(1, "js_sl"), "0");
    EXPECT_EQ(selectValue(QStringLiteral("select ck_name||ck_jm from jxc_ckxx where ck_sn='100002'")), "分店仓FDC");
    // A second add in the same month adds its own row only.
    WarehouseInput in;
    in.name = QStringLiteral("三号仓");
    addWarehouse(in);
    EXPECT_EQ(selectValue(QStringLiteral("select count(*) from jxc_kcjs where js_rq='2013-05'")), "3");
}

TEST_F(WarehouseTest, TickingDefaultOnASecondWarehouseMovesTheMark)
{
    WarehouseInput in;
    in.name = QStringLiteral("二号仓");
    in.isDefault = true;
    in.isPos = true;
    const QString code = addWarehouse(in).code;
    auto marks = [] {
        return selectValue(QStringLiteral("select group_concat(ck_sn||':'||ck_default||ck_pos) from "
                                          "(select * from jxc_ckxx order by ck_sn)"));
    };
    EXPECT_EQ(marks(), "100001:00,100002:11");
    // Saving the built-in one with the default tick takes it back; untick leaves none.
    in.name = QStringLiteral("主仓库");
    in.isPos = false;
    EXPECT_TRUE(modifyWarehouse(QStringLiteral("100001"), in).ok());
    EXPECT_EQ(marks(), "100001:10,100002:01");
    in.isDefault = false;
    EXPECT_TRUE(modifyWarehouse(QStringLiteral("100001"), in).ok());
    EXPECT_EQ(marks(), "100001:00,100002:01");
    in.name = QStringLiteral("  ");
    EXPECT_EQ(modifyWarehouse(code, in).error, "仓库名称必须填写！");
}

TEST_F(WarehouseTest, SearchesTakeQuotesAndCommentMarksAsText)
{
    openScripted<TF_Ckgl>(F_Ckgl, [](TF_Ckgl* w) {
        for (const QString& key : {QStringLiteral("主' or '1'='1"), QStringLiteral("--"), QStringLiteral("%"),
                                  QStringLiteral("主仓")}) {
            w->tKey->setText(key);
            QTest::keyClick(w->tKey, Qt::Key_F2);
            EXPECT_EQ(w->DBGrid1->rowCount(), key == QStringLiteral("主仓") ? 1 : 0) << key.toStdString();
        }
    });
    EXPECT_TRUE(boxes().isEmpty());
}

}  // namespace
