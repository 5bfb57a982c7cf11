// Master codes, member numbers, document numbers, category and goods codes.
#include "data/numbering.h"
#include "routinetest.h"

namespace {

using Numbering = RoutineTest;

TEST_F(Numbering, MasterCodes)
{
    EXPECT_EQ(getMaxSn("jxc_htgl", "ht_sn"), "100001");  // no rows
    EXPECT_EQ(getMaxSn("jxc_khxx", "kh_sn"), "100002");  // the built-in customer
    execSql("insert into jxc_khxx (kh_sn,kh_name) values ('100017','甲')");
    EXPECT_EQ(getMaxSn("jxc_khxx", "kh_sn"), "100018");

    execSql("insert into jxc_htgl (ht_sn) values ('A17')");
    EXPECT_THROW(getMaxSn("jxc_htgl", "ht_sn"), DbError);  // a code that is not a number
    EXPECT_THROW(getMaxSn("jxc_khxx; drop table jxc_khxx", "kh_sn"), DbError);
}

TEST_F(Numbering, MemberNumbers)
{
    EXPECT_EQ(getMaxHyBh("jxc_hyxx", "hy_bh"), "HY100001");  // the built-in member is "0000"
    execSql("insert into jxc_hyxx (hy_sn,hy_bh) values ('100002','HY100005')");
    execSql("insert into jxc_hyxx (hy_sn,hy_bh) values ('100003','HYX9')");  // not numeric: left out
    EXPECT_EQ(getMaxHyBh("jxc_hyxx", "hy_bh"), "HY100006");
}

TEST_F(Numbering, DocumentNumbersOfToday)
{
    struct Step {
        const char* insert;  // a row written before the draw ("" for none)
        const char* table;
        const char* column;
        const char* prefix;
        const char* expected;
    } steps[] = {
        {"", "jxc_jhd", "j_sn", "CJ", "CJ130528010001"},
        {"insert into jxc_jhd (j_sn) values ('CJ130528010001')", "jxc_jhd", "j_sn", "CJ", "CJ130528010002"},
        {"insert into jxc_jhd (j_sn) values ('CJ130528010005')", "jxc_jhd", "j_sn", "CJ", "CJ130528010006"},
        // a pending receipt with a larger number
        {"insert into jxc_shdj (gl_djh) values ('CJ130528010007')", "jxc_jhd", "j_sn", "CJ", "CJ130528010008"},
        // other days and other prefixes do not count
        {"insert into jxc_jhd (j_sn) values ('CJ130527010050')", "jxc_jhd", "j_sn", "CJ", "CJ130528010008"},
        {"insert into jxc_shdj (gl_djh) values ('CT130528010009')", "jxc_thd", "gl_djh", "CT", "CT130528010001"},
        // sales bills and the till share one sequence
        {"insert into jxc_lsxsd (gl_djh) values ('XS130528010003')", "jxc_lsxsd", "gl_djh", "XS", "XS130528010004"},
        {"insert into jxc_posxsd (gl_djh,pos_note) values ('XS130528010012','gd')", "jxc_lsxsd", "gl_djh", "XS",
         "XS130528010013"},
        {"insert into jxc_lsxssptemp (gl_djh) values ('XS130528010020')", "jxc_lsxsd", "gl_djh", "XS", "XS130528010021"},
        {"insert into jxc_shdj (gl_djh) values ('XS130528010030')", "jxc_posxsd", "gl_djh", "XS", "XS130528010031"},
        // a largest number of 13 or 15 characters restarts the serial
        {"insert into jxc_bsd (gl_djh) values ('BS13052801001')", "jxc_bsd", "gl_djh", "BS", "BS130528010001"},
        {"insert into jxc_byd (gl_djh) values ('BY1305280100011')", "jxc_byd", "gl_djh", "BY", "BY130528010001"},
        // a serial typed with more leading zeros keeps its length
        {"insert into jxc_cfd (gl_djh) values ('CF130528000005')", "jxc_cfd", "gl_djh", "CF", "CF130528000006"},
    };
    for (const Step& s : steps) {
        if (*s.insert)
            execSql(s.insert);
        EXPECT_EQ(getMaxDjh(s.table, s.column, s.prefix), s.expected) << s.insert;
    }
}

TEST_F(Numbering, DocumentNumbersOfAnotherDate)
{
    execSql("insert into jxc_lsxsd (gl_djh) values ('XS130528010009')");
    execSql("insert into jxc_posxsd (gl_djh) values ('XS130528010019')");
    EXPECT_EQ(getMaxDjhByDate("jxc_lsxsd", "gl_djh", "XS", "2013-05-01"), "XS130501010001");

    execSql("insert into jxc_lsxssptemp (gl_djh) values ('XS130501010004')");  // the till's lines of that day
    EXPECT_EQ(getMaxDjhByDate("jxc_lsxsd", "gl_djh", "XS", "2013-05-01"), "XS130501010005");
    EXPECT_EQ(getMaxDjhByDate("jxc_lsxsd", "gl_djh", "XS", "2013-05-28"), "XS130528010020");
    EXPECT_THROW(getMaxDjhByDate("jxc_lsxsd", "gl_djh", "XS", "28.05.2013"), DbError);
}

TEST_F(Numbering, UsedUpSerialsAreRefused)
{
    execSql("insert into jxc_jhd (j_sn) values ('CJ130528099998')");
    EXPECT_EQ(getMaxDjh("jxc_jhd", "j_sn", "CJ"), "CJ130528099999");
    execSql("insert into jxc_jhd (j_sn) values ('CJ130528099999')");
    try {
        getMaxDjh("jxc_jhd", "j_sn", "CJ");
        FAIL() << "a taken number was handed out";
    } catch (const DbError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("已用完"))) << e.message().toStdString();
    }
    EXPECT_EQ(getMaxDjhByDate("jxc_jhd", "j_sn", "CJ", "2013-05-29"), "CJ130529010001");
}

TEST_F(Numbering, CategoryCodes)
{
    auto addCategory = [](int cid, int pid) {
        execSql("insert into jxc_goodsclass (gc_name,gc_pid,gc_cid) values ('类',?,?)", {{"", pid}, {"", cid}});
    };
    auto storeCode = [](int cid) {
        const QString sn = getMaxGcSn(cid);
        execSql("update jxc_goodsclass set gc_sn=? where gc_cid=?", {{"", sn}, {"", cid}});
        return sn;
    };
    struct Case {
        int cid;
        int pid;
        const char* expected;
    } cases[] = {
        {2, 1, "1000"}, {3, 1, "1001"},  // under the root "所有类别"
        {4, 2, "1000100"}, {5, 2, "1000101"}, {6, 3, "1001100"},
        {7, 4, "1000100100"},  // a grandchild
    };
    for (const Case& c : cases) {
        addCategory(c.cid, c.pid);
        EXPECT_EQ(storeCode(c.cid), c.expected) << c.cid;
    }

    // A full level is refused instead of handing out a code twice.
    execSql("insert into jxc_goodsclass (gc_sn,gc_name,gc_pid,gc_cid) values ('1000999','满',2,8)");
    addCategory(9, 2);
    EXPECT_THROW(getMaxGcSn(9), DbError);
    execSql("insert into jxc_goodsclass (gc_sn,gc_name,gc_pid,gc_cid) values ('9999','满',1,10)");
    addCategory(11, 1);
    EXPECT_THROW(getMaxGcSn(11), DbError);
    EXPECT_THROW(getMaxGcSn(99), DbError);  // no such category
}

TEST_F(Numbering, GoodsCodes)
{
    struct Case {
        const char* insert;
        int cid;
        const char* expected;
    } cases[] = {
        {"", 2, "20000001"},
        {"", 15, "15000001"},
        {"", 123, "12300001"},
        {"", 12345, "12345001"},  // large ids do not overflow
        {"insert into jxc_goods (g_sn,g_name) values ('20000007','鞋')", 2, "20000008"},
        // category 2 is looked up with 2%: codes of category 25 count too
        {"insert into jxc_goods (g_sn,g_name) values ('25000003','鞋')", 2, "25000004"},
        {"insert into jxc_goods (g_sn,g_name) values ('3000001X','鞋')", 3, "30000001"},  // not a number
    };
    for (const Case& c : cases) {
        if (*c.insert)
            execSql(c.insert);
        EXPECT_EQ(getMaxGoodsSn(c.cid), c.expected) << c.cid;
    }
}

}  // namespace
