// Data clearing: the safety copy whatever the answer, the stock turned into opening stock, the
// full reset, and the deletion of a period compared as text.
#include "admintest.h"

#include "admin/clearing.h"
#include "admin/sjql.h"
#include "shell/login.h"

#include <QDateEdit>
#include <QDir>
#include <QRadioButton>

using namespace admintest;

namespace {

class ClearingTest : public AdminTest {
protected:
    QStringList safetyCopies() const
    {
        return QDir(db->dir()).entryList({QStringLiteral("系统数据库*.Dat")}, QDir::Files);
    }
};

TEST_F(ClearingTest, KeepingBasicsWithStockSetsEachGoodsToItsWarehouseSumAfterASilentCopy)
{
    execSql(QStringLiteral("insert into jxc_goods (g_sn,g_name,g_kc) values ('G1','跑鞋',99),('G2','凉鞋',4)"));
    execSql(QStringLiteral("insert into jxc_ckxx (ck_sn,ck_name) values ('100002','二号仓')"));
    execSql(QStringLiteral("insert into jxc_kcsp (g_sn,ck_sn,kc_sl) values ('G1','100001',3),('G1','100002',2.5)"));
    execSql(QStringLiteral("insert into jxc_jhd (j_sn,j_jhrq) values ('CJ1','2013-05-01')"));
    openScripted<TF_Sjql>(F_Sjql, [](TF_Sjql* w) {
        w->rSele11->setChecked(true);
        w->btnOK1->click();
        w->rSele22->setChecked(true);
        MsgScript::answer(MsgAnswer::No);   // no backup asked for: copied all the same
        MsgScript::answer(MsgAnswer::Yes);
        w->btnOK2->click();
    });
    EXPECT_EQ(boxes(), QStringList({"系统初始化之前建议先备份数据库，现在是否备份数据库？",
                                    "是否要删除所有营业数据，并把库存转为期初建账？", "删除完成！"}));
    EXPECT_EQ(safetyCopies().size(), 1);
    EXPECT_EQ(selectValue(QStringLiteral("select g_kc from jxc_goods where g_sn='G1'")), "5.5");
    EXPECT_EQ(selectValue(QStringLiteral("select g_kc from jxc_goods where g_sn='G2'")), "4");
    EXPECT_EQ(selectValue(QStringLiteral("select count(*) from jxc_jhd")), "0");
}

TEST_F(ClearingTest, ANoToTheActionChangesNothingAndTheFullResetLeavesOnlyAdmin)
{
    execSql(QStringLiteral("insert into jxc_admin (a_sn,a_name,r_sn) values ('100002','张三','100001')"));
    openScripted<TF_Sjql>(F_Sjql, [](TF_Sjql* w) {
        w->rSele11->setChecked(true);
        w->btnOK1->click();
        w->rSele23->setChecked(true);
        MsgScript::answer(MsgAnswer::Yes);
        MsgScript::answer(MsgAnswer::No);
        w->btnOK2->click();
    });
    EXPECT_EQ(selectValue(QStringLiteral("select count(*) from jxc_admin")), "2");
    EXPECT_TRUE(boxes()[1].startsWith("备份成功！备份文件保存在"));
    MsgScript::reset();
    openScripted<TF_Sjql>(F_Sjql, [](TF_Sjql* w) {
        w->rSele11->setChecked(true);
        w->btnOK1->click();
        w->rSele23->setChecked(true);
        MsgScript::answer(MsgAnswer::No);
        MsgScript::answer(MsgAnswer::Yes);
        w->btnOK2->click();
    });
    EXPECT_EQ(boxes().last(), "删除完成！");
    EXPECT_EQ(selectValue(QStringLiteral("select group_concat(a_name) from jxc_admin")), "admin");
    EXPECT_TRUE(verifyOperator(QStringLiteral("admin"), QString()).ok);
}

TEST_F(ClearingTest, ThePeriodComparesAsTextToTheLastSecondAndLeavesSizeColourRowsAndLedger)
{
    execSql(QStringLiteral("insert into jxc_jhd (j_sn,j_jhrq) values ('CJ1','2013-05-01'),('CJ2','2013-05-10'),"
                           "('CJ3','2013-05-11')"));
    execSql(QStringLiteral("insert into jxc_jhsp (j_sn,g_sn,jh_sl) values ('CJ1','G1',1),('CJ2','G1',1),('CJ3','G1',1)"));
    execSql(QStringLiteral("insert into jxc_jhspmx (gl_djh,g_sn,t_sl,tid) values ('CJ2','G1',1,2)"));
    execSql(QStringLiteral("insert into jxc_log (log_time,a_name,log_note) values ('2013-05-10 23:59:59','a','x'),"
                           "('2013-05-11 00:00:00','a','y')"));
    execSql(QStringLiteral("delete from jxc_kcjs"));
    execSql(QStringLiteral("insert into jxc_kcjs (js_rq,ck_sn) values ('2013-04','1'),('2013-05','1'),('2013-06','1')"));
    execSql(QStringLiteral("insert into jxc_ysyfk (k_ghskh,k_type,k_rq,gl_djh) values ('100001','ghs','2013-05-05','YF1')"));
    // A start after the end deletes nothing.
    deletePeriod(QDate(2013, 5, 11), QDate(2013, 5, 1));
    EXPECT_EQ(selectValue(QStringLiteral("select count(*) from jxc_jhd")), "3");

    deletePeriod(QDate(2013, 4, 2), QDate(2013, 5, 10));
    EXPECT_EQ(selectValue(QStringLiteral("select group_concat(j_sn) from jxc_jhd")), "CJ3");
    EXPECT_EQ(selectValue(QStringLiteral("select group_concat(j_sn) from jxc_jhsp")), "CJ3");
    EXPECT_EQ(selectValue(QStringLiteral("select count(*) from jxc_jhspmx")), "1");
    EXPECT_EQ(selectValue(QStringLiteral("select group_concat(log_note) from jxc_log")), "y");
    // "2013-04" sorts below "2013-04-02": the start's month stays, the end's month goes.
    EXPECT_EQ(selectValue(QStringLiteral("select group_concat(js_rq) from jxc_kcjs")), "2013-04,2013-06");
    EXPECT_EQ(selectValue(QStringLiteral("select count(*) from jxc_ysyfk")), "1");
}

}  // namespace
