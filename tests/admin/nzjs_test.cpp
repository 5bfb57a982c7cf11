// Year-end closing: the summary of the year and every earlier one, the documents deleted with
// their lines, the party ledger restarted, a second closing refused, a late failure leaving
// everything as before, and a closing killed at any moment.
#include "admintest.h"

#include "admin/closing.h"
#include "admin/nzjs.h"

#include <QDir>
#include <QElapsedTimer>
#include <QSpinBox>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

using namespace admintest;

namespace {

class ClosingTest : public AdminTest {
protected:
    // A receipt of `date` with one line of `qty` (and its size-colour row), a sale, a
    // transfer and a ledger row of the supplier.
    static void business(const QString& n, const QString& date, int qty)
    {
        const SqlParams nd = {{QStringLiteral(":n"), n}, {QStringLiteral(":d"), date}};
        const SqlParams nq = {{QStringLiteral(":n"), n}, {QStringLiteral(":q"), qty}};
        SqlParams ndq = nd;
        ndq.push_back(nq.back());
        execSql(QStringLiteral("insert into jxc_jhd (j_sn,ghs_sn,ck_sn,u_sn,j_jhrq,j_yfje) values "
                               "('CJ'||:n,'100001','100001','100001',:d,10*:q)"),
                ndq);
        execSql(QStringLiteral("insert into jxc_jhsp (j_sn,g_sn,jh_sl) values ('CJ'||:n,'G1',:q)"), nq);
        execSql(QStringLiteral("insert into jxc_jhspmx (gl_djh,g_sn,t_sl,tid) values ('CJ'||:n,'G1',:q,last_insert_rowid())"),
                nq);
        execSql(QStringLiteral("insert into jxc_lsxsd (gl_djh,kh_sn,ck_sn,u_sn,ls_xsrq,ls_yfje) values "
                               "('XS'||:n,'100001','100001','100001',:d,20*:q)"),
                ndq);
        execSql(QStringLiteral("insert into jxc_lsxssp (gl_djh,g_sn,ls_sl) values ('XS'||:n,'G1',:q)"), nq);
        execSql(QStringLiteral("insert into jxc_kcdbd (gl_djh,ck_out,ck_in,u_sn,db_dbrq) values "
                               "('DB'||:n,'100001','100001','100001',:d)"),
                nd);
        execSql(QStringLiteral("insert into jxc_dbsp (gl_djh,g_sn,db_sl) values ('DB'||:n,'G1',:q)"), nq);
        execSql(QStringLiteral("insert into jxc_ysyfk (k_ghskh,k_type,k_rq,k_yfje,k_ljje,gl_djh) values "
                               "('100001','ghs',:d,:q,:q,'YF'||:n)"),
                ndq);
    }
    static QString documents()
    {
        return selectValue(QStringLiteral("select ifnull((select group_concat(j_sn) from jxc_jhd),'')||'|'||"
                                          "(select count(*) from jxc_jhsp)||'|'||(select count(*) from jxc_jhspmx)||'|'||"
                                          "ifnull((select group_concat(gl_djh) from jxc_lsxsd),'')||'|'||"
                                          "ifnull((select group_concat(gl_djh) from jxc_kcdbd),'')||'|'||"
                                          "(select count(*) from jxc_dbsp)"));
    }
    // The summary rows, one line each: year, day, and the purchase, sales and transfer figures.
    static QString closings()
    {
        const ResultSet rs = openSelect(QStringLiteral("select nj_year,nj_jsrq,nj_cgds,nj_cgsl,nj_cgje,nj_xsds,nj_xssl,"
                                                       "nj_xsje,nj_dbds,nj_dbsl from jxc_nj order by id"));
        QStringList rows;
        for (int r = 0; r < rs.rowCount(); ++r) {
            QStringList figures;
            for (int c = 0; c < rs.columnCount(); ++c)
                figures << rs.text(r, c);
            rows << figures.join(QLatin1Char('|'));
        }
        return rows.join(QLatin1Char('\n'));
    }
    void SetUp() override
    {
        AdminTest::SetUp();
        execSql(QStringLiteral("insert into jxc_goods (g_sn,g_name) values ('G1','跑鞋')"));
        business(QStringLiteral("11"), QStringLiteral("2011-03-01"), 1);
        business(QStringLiteral("12"), QStringLiteral("2012-12-31 23:00:00"), 2);
        business(QStringLiteral("13"), QStringLiteral("2013-01-02"), 4);
        execSql(QStringLiteral("update jxc_ghsxx set ghs_lwje=7"));
        execSql(QStringLiteral("insert into jxc_khxx (kh_sn,kh_name,kh_lwje) values ('100002','老王',-3),('100003','零',0)"));
    }
};

TEST_F(ClosingTest, ClosingAYearFoldsItAndEveryEarlierOneAndRestartsTheLedger)
{
    EXPECT_EQ(closeYear(QStringLiteral("2012")), QString());
    EXPECT_EQ(closings(), "2012|2013-05-28|2|3|30|2|3|60|2|3");
    EXPECT_EQ(documents(), "CJ13|1|1|XS13|DB13|1");
    // Every ledger row goes, also the later ones; one opening row per partner with a balance.
    const ResultSet rs = openSelect(QStringLiteral("select k_ghskh,k_type,k_djlx,k_rq,k_yfje,k_ljje,gl_djh,a_name "
                                                   "from jxc_ysyfk order by id"));
    ASSERT_EQ(rs.rowCount(), 2);
    EXPECT_EQ(QStringList({rs.text(0, "k_ghskh"), rs.text(0, "k_djlx"), rs.text(0, "k_rq"), rs.text(0, "k_ljje"),
                           rs.text(0, "gl_djh"), rs.text(0, "a_name")}),
              QStringList({"100001", "YF", "2013-01-01", "7", "YF130528010001", "admin"}));
    EXPECT_EQ(QStringList({rs.text(1, "k_ghskh"), rs.text(1, "k_djlx"), rs.text(1, "k_yfje"), rs.text(1, "gl_djh")}),
              QStringList({"100002", "YS", "-3", "YS130528010001"}));

    EXPECT_EQ(closeYear(QStringLiteral("2012")), "2012年已经结算过了，不能重复结算！");
    // A later year finds only what is left.
    EXPECT_EQ(closeYear(QStringLiteral("2013")), QString());
    EXPECT_EQ(closings().split(QLatin1Char('\n')).value(1), "2013|2013-05-28|1|4|40|1|4|80|1|4");
    EXPECT_EQ(documents(), "|0|0|||0");
}

TEST_F(ClosingTest, AFailureLateInTheClosingLeavesTheDatabaseAsBefore)
{
    const QString before = documents();
    execSql(QStringLiteral("drop table jxc_goodslist"));  // the last deletion fails
    EXPECT_THROW(closeYear(QStringLiteral("2012")), DbError);
    EXPECT_EQ(documents(), before);
    EXPECT_EQ(selectValue(QStringLiteral("select count(*) from jxc_nj")), "0");
    EXPECT_EQ(selectValue(QStringLiteral("select count(*) from jxc_ysyfk")), "3");
}

TEST_F(ClosingTest, TheWindowAsksMakesTheSafetyCopyAndReportsAfterTheCommit)
{
    openScripted<TF_Nzjs>(F_Nzjs, [](TF_Nzjs* w) {
        EXPECT_EQ(w->tyear->value(), 2013);
        w->tyear->setValue(2012);
        MsgScript::answer(MsgAnswer::No);
        w->btnOK->click();
        MsgScript::answer(MsgAnswer::Yes);
        w->btnOK->click();
        MsgScript::answer(MsgAnswer::Yes);
        w->btnOK->click();
    });
    const QStringList shown = boxes();
    ASSERT_EQ(shown.size(), 6);
    EXPECT_EQ(shown[0], "您确定要进行年终结算吗！");
    const QString copy = QDir(db->dir()).filePath(QStringLiteral("系统数据库13_05_28_10_00_00.Dat"));
    EXPECT_EQ(shown[2], QStringLiteral("备份成功！备份文件保存在") + copy);
    EXPECT_EQ(shown[3], "结算完成！");
    EXPECT_EQ(shown[5], "2012年已经结算过了，不能重复结算！");
    EXPECT_TRUE(QFile::exists(copy));
    EXPECT_EQ(selectValue(QStringLiteral("select count(*) from jxc_nj")), "1");
}

// A closing killed at moments spread over its run leaves a sound database that is either not
// closed at all or wholly closed.
TEST_F(ClosingTest, AClosingKilledAtAnyMomentIsAllOrNothing)
{
    {
        Transaction tx;
        for (int i = 0; i < 40; ++i)
            business(QStringLiteral("x%1").arg(i), QStringLiteral("2012-06-01"), 1);
        tx.commit();
    }
    const QString before = documents();
    const QString path = db->path();
    const QString copy = path + QStringLiteral(".orig");
    mainDb().backupTo(copy);
    auto runChild = [&](qint64 delayUs) {
        const pid_t pid = fork();
        if (pid == 0) {
            connectDb(QFileInfo(path).fileName());
            closeYear(QStringLiteral("2012"));
            _exit(0);
        }
        if (delayUs >= 0) {
            usleep(useconds_t(delayUs));
            kill(pid, SIGKILL);
        }
        int status = 0;
        waitpid(pid, &status, 0);
    };
    QElapsedTimer t;
    t.start();
    runChild(-1);
    const qint64 whole = qMax<qint64>(t.nsecsElapsed() / 1000, 1000);
    for (int i = 0; i < 12; ++i) {
        {
            Database orig;
            orig.open(copy);
            orig.backupTo(path);
        }
        runChild(whole * i / 12);
        connectDb(QFileInfo(path).fileName());  // a hot journal is rolled back on opening
        EXPECT_EQ(selectValue(QStringLiteral("pragma integrity_check")), "ok") << i;
        const bool closed = selectValue(QStringLiteral("select count(*) from jxc_nj")) == "1";
        EXPECT_EQ(documents(), closed ? QStringLiteral("CJ13|1|1|XS13|DB13|1") : before) << i;
    }
}

}  // namespace
