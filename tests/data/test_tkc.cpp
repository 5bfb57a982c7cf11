// Size and colour stock moved by documents and batches, variant barcodes, stock look-ups.
#include "data/tkc.h"
#include "routinetest.h"

namespace {

class Tkc : public RoutineTest {
protected:
    // One size-colour row of a purchase receipt.
    static void docRow(const char* djh, const char* goods, const char* size, const char* colour, double qty)
    {
        execSql("insert into jxc_jhspmx (gl_djh,g_sn,cm_sn,color_sn,t_sl,tid) values (?,?,?,?,?,1)",
                {{"", djh}, {"", goods}, {"", size}, {"", colour}, {"", qty}});
    }
    // Stock of every variant of a warehouse as "goods|size|colour|qty", in a fixed order.
    static QStringList stock(const char* warehouse = "100001")
    {
        const QString all = rows("select g_sn,cm_sn,color_sn,t_sl from jxc_tkc where ck_sn=? order by g_sn,cm_sn,color_sn",
                                 {{"", warehouse}});
        return all.isEmpty() ? QStringList() : all.split(u' ');
    }
};

TEST_F(Tkc, DocumentsMoveStock)
{
    docRow("CJ1", "G1", "39", "BK", 3);
    docRow("CJ1", "G1", "40", "BK", 2);
    docRow("CJ2", "G1", "39", "BK", 1);  // another document
    docRow("TH1", "G1", "39", "BK", 5);
    docRow("TH1", "G2", "41", "RD", 5);  // no stock row yet
    docRow("HH1", "G1", "40", "BK", -4);  // a line given back in an exchange

    struct Step {
        void (*routine)(const QString&, const QString&, const QString&);
        const char* djh;
        QStringList expected;
    } steps[] = {
        {addTkcByDoc, "CJ1", {"G1|39|BK|3", "G1|40|BK|2"}},
        {addTkcByDoc, "CJ1", {"G1|39|BK|6", "G1|40|BK|4"}},
        {subTkcByDoc, "TH1", {"G1|39|BK|1", "G1|40|BK|4", "G2|41|RD|-5"}},
        {subTkcByDoc, "HH1", {"G1|39|BK|1", "G1|40|BK|8", "G2|41|RD|-5"}},  // negative line: back into stock
        {addTkcByDoc, "HH1", {"G1|39|BK|1", "G1|40|BK|4", "G2|41|RD|-5"}},
        {addTkcByDoc, "NONE", {"G1|39|BK|1", "G1|40|BK|4", "G2|41|RD|-5"}},
    };
    for (const Step& s : steps) {
        s.routine("jxc_jhspmx", s.djh, "100001");
        EXPECT_EQ(stock(), s.expected) << s.djh;
    }
    EXPECT_TRUE(stock("100002").isEmpty());

    subTkcByDoc("jxc_jhspmx", "HH1", "100002");  // a variant first seen with a negative line
    EXPECT_EQ(stock("100002"), QStringList{"G1|40|BK|4"});

    zeroTkcByDoc("jxc_jhspmx", "CJ1", "100001");  // every size and colour of G1, this warehouse only
    EXPECT_EQ(stock(), (QStringList{"G1|39|BK|0", "G1|40|BK|0", "G2|41|RD|-5"}));
    EXPECT_EQ(stock("100002"), QStringList{"G1|40|BK|4"});
}

TEST_F(Tkc, VariantInSeveralBatchRowsMovesOnce)
{
    execSql("insert into jxc_tkc (g_sn,cm_sn,color_sn,ck_sn,t_sl,t_scrq) values "
            "('G1','39','BK','100001',4,'2013-01-01'),('G1','39','BK','100001',6,'2013-02-01'),"
            "('G1','39','BK','100002',1,'2013-01-01')");
    docRow("CJ1", "G1", "39", "BK", 3);
    docRow("CJ1", "G1", "39", "BK", 2);  // the same variant on another line
    addTkcByDoc("jxc_jhspmx", "CJ1", "100001");
    EXPECT_EQ(rows("select t_sl from jxc_tkc order by id"), "9 6 1");  // only the oldest row moved
    subTkcByDoc("jxc_jhspmx", "CJ1", "100001");
    subTkcByDoc("jxc_jhspmx", "CJ1", "100001");
    EXPECT_EQ(rows("select t_sl from jxc_tkc order by id"), "-1 6 1");
    EXPECT_EQ(selectValue("select sum(t_sl) from jxc_tkc where ck_sn='100001'"), "5");
}

// Every stock move looks its variant up by goods, size, colour and warehouse; an index on part of
// that key (one colour in one warehouse) makes each move read a large share of the whole stock.
TEST_F(Tkc, VariantIsLookedUpByItsWholeKey)
{
    const QString plan = rows("explain query plan select min(id) from jxc_tkc "
                              "where g_sn='G1' and cm_sn='39' and color_sn='BK' and ck_sn='100001'");
    EXPECT_TRUE(plan.contains("ix_jxc_tkc_g_sn_ck_sn_cm_sn_color_sn")) << plan.toStdString();
}

TEST_F(Tkc, DocumentIsMovedWholeOrNotAtAll)
{
    docRow("CJ1", "G1", "39", "BK", 3);
    docRow("CJ1", "BAD", "40", "BK", 2);
    execSql("create temp trigger refuse_bad before insert on jxc_tkc when new.g_sn='BAD' "
            "begin select raise(abort,'refused'); end");
    EXPECT_THROW(addTkcByDoc("jxc_jhspmx", "CJ1", "100001"), DbError);
    EXPECT_TRUE(stock().isEmpty());
    EXPECT_THROW(addTkcByDoc("jxc_jhspmx where 1=1 --", "CJ1", "100001"), DbError);
}

TEST_F(Tkc, Batches)
{
    execSql("insert into jxc_tkc (g_sn,cm_sn,color_sn,ck_sn,t_sl,t_scrq) values "
            "('G1','39','BK','100001',10,'2013-01-01'),('G1','40','BK','100001',10,'2013-01-01'),"
            "('G1','40','BK','100001',10,'2013-02-01'),('G1','40','BK','100002',10,'2013-01-01')");
    subTkcBatch("G1", "100001", "3", "2013-01-01");
    addTkcBatch("G1", "100001", "1.5", "2013-02-01");
    addTkcBatch("G1", "100001", "1", "2013-03-01");  // no such batch: nothing created
    EXPECT_EQ(rows("select t_sl from jxc_tkc order by id"), "7 7 11.5 10");
    EXPECT_EQ(count("select count(*) from jxc_tkc"), 4);
    EXPECT_THROW(subTkcBatch("G1", "100001", "abc", "2013-01-01"), DbError);
    subTkcBatch("G1", "100001", "", "2013-01-01");  // empty is 0
    EXPECT_EQ(selectValue("select t_sl from jxc_tkc where id=(select min(id) from jxc_tkc)"), "7");
}

TEST_F(Tkc, VariantBarcodes)
{
    execSql("insert into jxc_color (color_sn,color_name,color_tm) values ('200001','黑','01'),('200002','白','02')");
    execSql("insert into jxc_cm (cm_sn,cm_name,cm_tm) values ('200001','39','39'),('200002','40','40')");
    execSql("insert into jxc_colorz2 (colorz_sn,color_sn) values ('300001','200001'),('300001','200002'),"
            "('300001','100001'),('300002','100001'),('300002','100002')");
    execSql("insert into jxc_cmz2 (cmz_sn,cm_sn) values ('300001','200001'),('300001','200002'),('300001','100001')");
    auto barcodes = [] {
        return rows("select tm_tm,cm_sn,color_sn,g_sptm,cm_tm,color_tm,tm_sl,tm_dy from jxc_tm where g_sn='G1' order by id");
    };
    const QString order1 = "69012340139|200001|200001|6901234|39|01|1|1 69012340140|200002|200001|6901234|40|01|1|1 "
                           "69012340239|200001|200002|6901234|39|02|1|1 69012340240|200002|200002|6901234|40|02|1|1";
    struct Case {
        const char* colours;
        const char* barcode;
        const char* order;
        QString expected;
    } cases[] = {
        {"300001", "6901234", "1", order1},
        {"300001", "6901234", "2",
         "69012343901|200001|200001|6901234|39|01|1|1 69012344001|200002|200001|6901234|40|01|1|1 "
         "69012343902|200001|200002|6901234|39|02|1|1 69012344002|200002|200002|6901234|40|02|1|1"},
        {"300001", "6901234", "0", order1},  // no order chosen: order "1"
        {"300001", "", "2", order1},         // no barcode: the existing ones stay
        {"300002", "6901234", "1",           // "统一" is left out, red (11) stays
         "69012341139|200001|100002|6901234|39|11|1|1 69012341140|200002|100002|6901234|40|11|1|1"},
        {"100001", "6901234", "1", ""},  // only the "10" colour: no variant barcodes
    };
    for (const Case& c : cases) {
        makeGoodsTm("G1", "300001", c.colours, c.barcode, c.order);
        EXPECT_EQ(barcodes(), c.expected) << c.colours << ' ' << c.order;
    }
    makeGoodsTm("G2", "100001", "300001", "123", "1");  // only the "10" size
    EXPECT_EQ(count("select count(*) from jxc_tm where g_sn='G2'"), 0);
}

TEST_F(Tkc, LookUps)
{
    EXPECT_EQ(getCmSn("均码"), "100001");
    EXPECT_EQ(getCmSn("不存在"), "");
    EXPECT_EQ(getColorSn("黑色"), "100005");
    EXPECT_EQ(getColorSn("O'Neil"), "");

    execSql("insert into jxc_goods (g_sn,g_name,g_kc) values ('G1','鞋',9)");
    execSql("insert into jxc_kcsp (g_sn,ck_sn,kc_sl,kc_cbj) values ('G1','100001',4,10)");
    EXPECT_EQ(getKcSl("100001", "G1"), "4");
    EXPECT_EQ(getKcSl("100002", "G1"), "9");  // no stock row there: the goods' total
    EXPECT_EQ(getKcSl("100001", "G9"), "0");
}

}  // namespace
