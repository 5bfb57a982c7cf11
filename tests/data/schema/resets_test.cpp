// The two resets: which tables they keep, which they recreate, and what they put back.
#include "defaultrows.h"
#include "schemahelpers.h"
#include "support/testdb.h"

#include <QSet>
#include <gtest/gtest.h>

namespace {

// Kept by both resets: the goods with what they depend on, operators, staff, warehouses,
// member classes, the main settings, and the label list.
const QSet<QString> kKeptByBoth = {
    "jxc_skin",   "jxc_goodsclass", "jxc_goods",  "jxc_color",  "jxc_dw",       "jxc_ggxh",    "jxc_ckxx",
    "jxc_import", "jxc_user",       "jxc_admin",  "jxc_company", "jxc_hyfl",    "jxc_hyjbxx",  "jxc_posprint",
    "jxc_gnb",    "jxc_posfont",    "jxc_backup", "jxc_role",   "jxc_mryt",     "jxc_xtcs",
    "jxc_cm",     "jxc_cmz",        "jxc_cmz2",   "jxc_colorz", "jxc_colorz2",  "jxc_ppcs",    "jxc_tm",
    "jxc_txm",
};
// Kept by clearBusinessData only: stock, partners with their types and zones, members.
const QSet<QString> kKeptByBusiness = {
    "jxc_kcsp", "jxc_tkc", "jxc_ghsxx", "jxc_ghstype", "jxc_zone", "jxc_khxx", "jxc_khtype", "jxc_hyxx",
};

struct ResetCase {
    const char* name;
    void (*reset)();
    bool keepsPartners;
};

const ResetCase kResets[] = {
    {"clearBusinessData", clearBusinessData, true},
    {"clearDataKeepGoods", clearDataKeepGoods, false},
};

void PrintTo(const ResetCase& c, std::ostream* os)
{
    *os << c.name;
}

class Resets : public ::testing::TestWithParam<ResetCase> {
protected:
    TestDb db;

    // One more row in every table, a goods with stock in custom size and colour groups, and
    // partners with balances.
    void fillEveryTable()
    {
        for (const QString& table : tableNames())
            insertBlankRow(table);
        execSql(QStringLiteral("insert into jxc_goods (g_sn,g_name,g_kc,cmz_sn,colorz_sn) "
                               "values ('10000001','童鞋',5,'100002','100002')"));
        execSql(QStringLiteral("insert into jxc_ghsxx (ghs_sn,ghs_lwje,ghs_lwje2) values ('100002',-500,-500)"));
        execSql(QStringLiteral("insert into jxc_khxx (kh_sn,kh_lwje) values ('100002',300)"));
    }
};

}  // namespace

TEST_P(Resets, KeepOrRecreateEachTable)
{
    const ResetCase& c = GetParam();
    fillEveryTable();
    QHash<QString, int> before;
    for (const QString& table : tableNames())
        before.insert(table, rowCount(table));

    c.reset();

    int recreated = 0;
    for (const QString& table : tableNames()) {
        const bool kept = kKeptByBoth.contains(table) || (c.keepsPartners && kKeptByBusiness.contains(table));
        if (kept) {
            EXPECT_EQ(rowCount(table), before.value(table)) << qPrintable(table);
        } else {
            ++recreated;
            EXPECT_EQ(rowCount(table), defaultRowCounts().value(table, 0)) << qPrintable(table);
            if (rowCount(table) > 0) {
                EXPECT_EQ(selectValue(QStringLiteral("select min(id) from ") + table), QStringLiteral("1"));
            }
        }
    }
    EXPECT_EQ(recreated, c.keepsPartners ? 107 : 115);
    EXPECT_FALSE(mainDb().inTransaction());
}

TEST_P(Resets, KeptGoodsKeepTheirGroupsAndStockAgreesWithItself)
{
    const ResetCase& c = GetParam();
    fillEveryTable();
    execSql(QStringLiteral("insert into jxc_cmz (cmz_sn,cmz_name) values ('100002','童鞋尺码')"));
    execSql(QStringLiteral("insert into jxc_colorz (colorz_sn,colorz_name) values ('100002','童鞋颜色')"));
    execSql(QStringLiteral("insert into jxc_kcsp (g_sn,ck_sn,kc_sl) values ('10000001','100001',5)"));
    execSql(QStringLiteral("insert into jxc_tkc (g_sn,ck_sn,cm_sn,color_sn,t_sl) values ('10000001','100001','100001','100001',5)"));

    c.reset();

    EXPECT_EQ(selectValue(QStringLiteral("select cmz_sn||'/'||colorz_sn from jxc_goods where g_sn='10000001'")),
              QStringLiteral("100002/100002"));
    EXPECT_EQ(selectValue(QStringLiteral("select cmz_name from jxc_cmz where cmz_sn='100002'")), QStringLiteral("童鞋尺码"));
    EXPECT_EQ(selectValue(QStringLiteral("select colorz_name from jxc_colorz where colorz_sn='100002'")), QStringLiteral("童鞋颜色"));
    const QString stock = selectValue(QStringLiteral("select g_kc from jxc_goods where g_sn='10000001'"));
    const QString kcsp = selectValue(QStringLiteral("select coalesce(sum(kc_sl),0) from jxc_kcsp where g_sn='10000001'"));
    const QString tkc = selectValue(QStringLiteral("select coalesce(sum(t_sl),0) from jxc_tkc where g_sn='10000001'"));
    EXPECT_EQ(kcsp, tkc);
    if (c.keepsPartners) {
        EXPECT_EQ(stock, QStringLiteral("5"));
        EXPECT_EQ(kcsp, QStringLiteral("5"));
    } else {
        EXPECT_EQ(selectValue(QStringLiteral("select count(*) from jxc_goods where g_kc<>0")), QStringLiteral("0"));
        EXPECT_EQ(kcsp, QStringLiteral("0"));
    }
}

TEST_P(Resets, PartnerBalancesGoWithTheLedger)
{
    const ResetCase& c = GetParam();
    fillEveryTable();
    c.reset();
    EXPECT_EQ(rowCount(QStringLiteral("jxc_ysyfk")), 0);
    EXPECT_EQ(selectValue(QStringLiteral("select count(*) from jxc_ghsxx where ghs_lwje<>0 or ghs_lwje2<>0")),
              QStringLiteral("0"));
    EXPECT_EQ(selectValue(QStringLiteral("select count(*) from jxc_khxx where kh_lwje<>0")), QStringLiteral("0"));
    EXPECT_EQ(selectValue(QStringLiteral("select count(*) from jxc_ghsxx where ghs_sn='100002'")),
              c.keepsPartners ? QStringLiteral("1") : QStringLiteral("0"));
}

TEST_P(Resets, TwiceIsTheSameAsOnce)
{
    fillEveryTable();
    GetParam().reset();
    const QString once = dumpTables();
    GetParam().reset();
    EXPECT_EQ(dumpTables(), once);
}

TEST_P(Resets, AreAllOrNothing)
{
    fillEveryTable();
    const QString before = dumpTables();
    execSql(QStringLiteral("drop index ix_jxc_ysyfk_k_ghskh"));
    execSql(QStringLiteral("create table ix_jxc_ysyfk_k_ghskh (x)"));  // the ledger, made last, cannot be made
    EXPECT_THROW(GetParam().reset(), DbError);
    EXPECT_EQ(dumpTables(), before);
}

INSTANTIATE_TEST_SUITE_P(Schema, Resets, ::testing::ValuesIn(kResets),
                         [](const ::testing::TestParamInfo<ResetCase>& info) { return std::string(info.param.name); });
