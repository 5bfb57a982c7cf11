// Settings in memory, the rights check, the operation log and the shared partner lists.
#include "data/clock.h"
#include "data/settings.h"
#include "routinetest.h"

namespace {

using Settings = RoutineTest;

TEST_F(Settings, LoadsEveryRowAsText)
{
    backAuto = "stale";
    loadSysParams();
    EXPECT_FALSE(supportUrl.isEmpty());
    EXPECT_EQ(companyName, "澜舟科技有限公司");
    EXPECT_EQ(companyShortName, "禾岚软件");
    EXPECT_EQ(csCgdj, "0");
    EXPECT_EQ(csXgdj, "True");
    EXPECT_EQ(csYsdh, "False");
    EXPECT_EQ(csDjzddysl, "1");
    EXPECT_EQ(csPoshooktoday, "True");
    // No backup row yet: no automatic backup, none on exit.
    EXPECT_EQ(backSj, 0);
    EXPECT_EQ(backAuto, "");
    EXPECT_EQ(backExit, "");

    execSql("insert into jxc_backup (back_auto,back_sj,back_path,back_exit) values (1,4,'/tmp',0)");
    execSql("update jxc_company set c_jc='鞋店'");
    execSql("update jxc_xtcs set cs_xjyh=1,cs_posfkws=1");
    loadSysParams();
    EXPECT_EQ(backSj, 4);
    EXPECT_EQ(backAuto, "1");
    EXPECT_EQ(backExit, "False");
    EXPECT_EQ(companyShortName, "鞋店");
    EXPECT_EQ(csXjyh, "True");
    EXPECT_EQ(csPosfkws, "1");

    for (const char* off : {"0", "False"})
        EXPECT_FALSE(settingOn(off));
    for (const char* on : {"1", "True", ""})
        EXPECT_TRUE(settingOn(on));
}

TEST_F(Settings, RightsCheck)
{
    execSql("insert into jxc_role (r_sn,r_name,cggl,xsgl,kcgl,wlzk,tjgl,rcgl,qtcz) "
            "values ('100002','店员','1010','','1','1','1','1','11111111')");
    struct Case {
        const char* role;
        const char* column;
        int position;
        bool granted;
    } cases[] = {
        {"100001", "qtcz", 9, true},  // the administrator holds every right
        {"100001", "cggl", 32, true},
        {"100001", "cggl", 33, false},
        {"100002", "cggl", 1, true},
        {"100002", "cggl", 2, false},
        {"100002", "cggl", 3, true},
        {"100002", "qtcz", 8, true},
        {"100002", "qtcz", 9, false},  // beyond the stored text
        {"100002", "xsgl", 1, false},  // empty text
        {"100002", "kcgl", 0, false},
        {"100002", "r_name", 1, false},  // not a rights column
        {"999999", "cggl", 1, false},    // unknown role
        {"", "cggl", 1, false},
    };
    for (const Case& c : cases) {
        roleCode = c.role;
        EXPECT_EQ(checkRight(c.column, c.position), c.granted) << c.role << ' ' << c.column << ' ' << c.position;
    }
}

TEST_F(Settings, OperationLog)
{
    Clock::setFixed(QDateTime(QDate(2013, 5, 28), QTime(9, 5, 3)));
    writeLog("登录系统");
    operatorName = "李四";
    writeLog(QString(300, u'长'));  // longer than the column's width: kept whole
    const ResultSet rs = openSelect("select log_time,a_name,log_note from jxc_log order by id");
    ASSERT_EQ(rs.rowCount(), 2);
    EXPECT_EQ(rs.text(0, 0), "2013-05-28 09:05:03");
    EXPECT_EQ(rs.text(0, 1), "张三");
    EXPECT_EQ(rs.text(0, 2), "登录系统");
    EXPECT_EQ(rs.text(1, 1), "李四");
    EXPECT_EQ(rs.text(1, 2).size(), 300);
}

TEST_F(Settings, PartnerLists)
{
    execSql("insert into jxc_ghsxx (ghs_sn,ghs_name,ghs_forbid) values ('100002','停用',1)");
    execSql("insert into jxc_khxx (kh_sn,kh_name) values ('100002','乙')");
    openQuery(DataModule->Q_Ghsxx, "select * from jxc_ghsxx");  // a list window replaced it
    openGhsList();
    openKhList();
    EXPECT_EQ(DataModule->Q_Ghsxx->rowCount(), 1);
    EXPECT_EQ(DataModule->Q_Khxx->rowCount(), 2);
    EXPECT_EQ(DataModule->Q_Khxx->value(1, "kh_name"), "乙");
}

}  // namespace
