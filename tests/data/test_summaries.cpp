// Daily summary and monthly stock-account rows, counters and the till helpers.
#include "data/clock.h"
#include "data/settings.h"
#include "data/summaries.h"
#include "routinetest.h"

namespace {

using Summaries = RoutineTest;

TEST_F(Summaries, OneDailyRowPerDate)
{
    checkYyfxDay("2013-05-28");
    operatorName = "李四";
    checkYyfxDay("2013-05-28");
    checkYyfxDay("2013-05-29");
    EXPECT_EQ(rows("select yy_rq,a_name,yy_cgsl,yy_cgje,yy_xssl,yy_xsje,yy_xscb,yy_xslr from jxc_tempyyfx order by id"),
              "2013-05-28|张三|0|0|0|0|0|0 2013-05-29|李四|0|0|0|0|0|0");
}

TEST_F(Summaries, MonthlyStockRows)
{
    execSql("insert into jxc_ckxx (ck_sn,ck_name) values ('100002','二号仓'),('100003','三号仓')");
    execSql("insert into jxc_kcsp (g_sn,ck_sn,kc_sl,kc_cbj) values ('G1','100001',10,2.5),('G2','100001',4,10),"
            "('G1','100002',3,null)");  // a stock row without cost
    checkKcjsMonth("2013-05");
    EXPECT_EQ(rows("select js_rq,ck_sn,js_sl,js_zje,js_xssl,js_xsje,js_cgsl,js_cgje,js_xslr,js_xscb from jxc_kcjs order by id"),
              "2013-05|100001|14|65|0|0|0|0|0|0 2013-05|100002|3|0|0|0|0|0|0|0 2013-05|100003|0|0|0|0|0|0|0|0");

    // Postings add to the month; a second check leaves the rows alone.
    execSql("update jxc_kcjs set js_cgsl=5 where ck_sn='100001'");
    execSql("update jxc_kcsp set kc_sl=99");
    checkKcjsMonth("2013-05");
    EXPECT_EQ(count("select count(*) from jxc_kcjs"), 3);
    EXPECT_EQ(rows("select js_sl,js_cgsl from jxc_kcjs where ck_sn='100001'"), "14|5");

    // A warehouse added during the month gets its row; the others keep theirs.
    execSql("insert into jxc_ckxx (ck_sn,ck_name) values ('100004','四号仓')");
    execSql("insert into jxc_kcsp (g_sn,ck_sn,kc_sl,kc_cbj) values ('G1','100004',2,3)");
    checkKcjsMonth("2013-05");
    EXPECT_EQ(count("select count(*) from jxc_kcjs"), 4);
    EXPECT_EQ(rows("select js_sl,js_zje from jxc_kcjs where ck_sn='100004'"), "2|6");
    EXPECT_EQ(rows("select js_sl,js_cgsl from jxc_kcjs where ck_sn='100001'"), "14|5");

    checkKcjsMonth("2013-06");
    EXPECT_EQ(count("select count(*) from jxc_kcjs where js_rq='2013-06'"), 4);
    EXPECT_EQ(selectValue("select js_sl from jxc_kcjs where js_rq='2013-06' and ck_sn='100001'"), "198");
}

TEST_F(Summaries, CountersAndLastPrice)
{
    execSql("insert into jxc_user (u_sn,u_name) values ('100002','李四')");  // counters left NULL
    addUserCgpl("100001");
    addUserCgpl("100001");
    addUserXspl("100001");
    addUserXspl("100002");
    addUserXspl("999999");
    EXPECT_EQ(rows("select u_cgpl,u_xspl from jxc_user where u_sn='100001'"), "2|1");
    EXPECT_EQ(selectValue("select u_xspl from jxc_user where u_sn='100002'"), "1");

    EXPECT_EQ(getLastLsDj("G1"), "");
    execSql("insert into jxc_lsxssp (gl_djh,g_sn,ls_dj) values ('XS1','G1',120),('XS2','G1',99.5),('XS3','G2',1)");
    EXPECT_EQ(getLastLsDj("G1"), "99.5");
}

TEST_F(Summaries, WeekNames)
{
    const char* names[] = {"星期日 ", "星期一 ", "星期二 ", "星期三 ", "星期四 ", "星期五 ", "星期六 "};
    for (int d = 0; d < 7; ++d) {
        Clock::setFixed(QDateTime(QDate(2013, 5, 26).addDays(d), QTime(12, 0)));  // 2013-05-26 was a Sunday
        EXPECT_EQ(getWeekName(), QString::fromUtf8(names[d])) << d;
    }
}

TEST_F(Summaries, TillCleanUps)
{
    execSql("insert into jxc_tempspxf (g_sn,a_name) values ('G1','张三'),('G2','李四')");
    execSql("insert into jxc_tempspxfmx (gl_djh,g_sn,a_name) values ('','G1','李四')");
    clearTempSpxf();
    EXPECT_EQ(count("select (select count(*) from jxc_tempspxf)+(select count(*) from jxc_tempspxfmx)"), 0);

    execSql("insert into jxc_goods (g_sn,g_name,g_tjsp,g_tjqx,g_ks,g_js) values "
            "('T1','过期',1,1,'2013-05-01','2013-05-27'),('T2','今天到期',1,1,'2013-05-01','2013-05-28'),"
            "('T3','不限期',1,0,'2013-05-01','2013-05-01')");
    clearExpiredTj();
    EXPECT_EQ(rows("select g_sn,g_tjsp,g_tjqx,g_ks is null,g_js from jxc_goods where g_sn like 'T%' order by id"),
              "T1|False|False|1| T2|True|True|0|2013-05-28 T3|True|False|0|2013-05-01");

    auto hold = [](const char* djh, const char* when, const char* note) {
        execSql("insert into jxc_posxsd (gl_djh,pos_xsrq,pos_note) values (?,?,?)", {{"", djh}, {"", when}, {"", note}});
        execSql("insert into jxc_posxssp (gl_djh,g_sn) values (?,'G1')", {{"", djh}});
        execSql("insert into jxc_posxsspmx (gl_djh,g_sn) values (?,'G1')", {{"", djh}});
    };
    hold("XS130527010001", "2013-05-27 23:59:59", "gd");
    hold("XS130528010001", "2013-05-28 00:00:01", "gd");
    hold("XS130520010001", "2013-05-20 10:00:00", "");  // a paid till sale, not held
    auto left = [] {
        return rows("select gl_djh,(select count(*) from jxc_posxssp b where b.gl_djh=a.gl_djh),"
                    "(select count(*) from jxc_posxsspmx c where c.gl_djh=a.gl_djh) from jxc_posxsd a order by id");
    };
    csPoshooktoday = "False";
    clearOldPosHold();
    EXPECT_EQ(left(), "XS130527010001|1|1 XS130528010001|1|1 XS130520010001|1|1");
    csPoshooktoday = "True";
    clearOldPosHold();
    EXPECT_EQ(left(), "XS130528010001|1|1 XS130520010001|1|1");
    EXPECT_EQ(count("select count(*) from jxc_posxssp"), 2);
    EXPECT_EQ(count("select count(*) from jxc_posxsspmx"), 2);
    csPoshooktoday.clear();
}

TEST_F(Summaries, KeyCaptions)
{
    struct Case {
        int code;
        const char* caption;
    } cases[] = {
        {33, "Page Up"}, {34, "Page Down"}, {35, "End"}, {36, "Home"}, {37, "←"}, {38, ""}, {39, "→"}, {40, ""},
        {45, "Insert"}, {46, "Delete"}, {109, "-"}, {111, "/"}, {112, "F1"}, {123, "F12"}, {124, ""},
        {186, ";"}, {187, "="}, {188, ","}, {189, "-"}, {190, ""}, {191, "/"}, {192, "`"}, {219, "["},
        {220, "\\"}, {221, "]"}, {222, "'"}, {65, ""}, {48, ""}, {13, ""}, {0, ""}, {-1, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(getKeyName(c.code), QString::fromUtf8(c.caption)) << c.code;

    EXPECT_EQ(getGnKey("付款结账"), "=");
    EXPECT_EQ(getGnKey("挂单"), "F8");
    EXPECT_EQ(getGnKey("没有"), "");
    execSql("update jxc_gnb set gn_jz=null where gn_name='解挂'");
    EXPECT_EQ(getGnKey("解挂"), "");
}

}  // namespace
