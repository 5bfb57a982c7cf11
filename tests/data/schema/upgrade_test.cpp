// The upgrade of an older layout: a new party ledger carrying the partners' balances, and the
// rights column wlzk on the roles.
#include "schemahelpers.h"
#include "support/testdb.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {

const QString kAllRights16 = QString(16, QLatin1Char('1'));

class Upgrade : public ::testing::Test {
protected:
    TestDb db;

    Upgrade()
    {
        // Partners with and without balances, in this id order, and a second role.
        execSql(QStringLiteral("insert into jxc_ghsxx (ghs_sn,ghs_lwje) values ('100002',-500),('100003',0)"));
        execSql(QStringLiteral("insert into jxc_khxx (kh_sn,kh_lwje) values ('100002',300),('100003',0),"
                               "('100004',-20.5),('100005',7)"));
        execSql(QStringLiteral("insert into jxc_role (r_sn,r_name,cggl) values ('100002','收银员','1')"));
    }

    // The ledger as an older database has it: missing, or present without gl_djh.
    static void makeOldLedger(bool present)
    {
        execSql(QStringLiteral("drop table jxc_ysyfk"));
        if (present)
            execSql(QStringLiteral("create table jxc_ysyfk (id integer primary key autoincrement, k_ghskh varchar(8), "
                                   "k_ljje money real); insert into jxc_ysyfk (k_ghskh,k_ljje) values ('100002',9)"));
    }
    static void dropRights() { execSql(QStringLiteral("alter table jxc_role drop column wlzk")); }

    static QString ledger()
    {
        const ResultSet rs = openSelect(QStringLiteral(
            "select gl_djh,k_ghskh,k_type,k_djlx,k_yfje,k_ljje,k_sfje,k_qcje,k_yhje,k_fkfs,k_djtxt,k_note,k_flag,k_rq,"
            "u_sn,a_name from jxc_ysyfk order by id"));
        QStringList rows;
        for (int r = 0; r < rs.rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < rs.columnCount(); ++c)
                cells << rs.text(r, c);
            rows << cells.join(QLatin1Char('|'));
        }
        return rows.join(QLatin1Char('\n'));
    }
};

// The opening rows an upgrade on 2013-05-28 writes for the partners above.
QString openingRows(const QString& staff)
{
    const QString tail = QStringLiteral("|0|0|0|期初金额|期初金额||1|2013-05-28|%1|admin").arg(staff);
    return QStringList{QStringLiteral("YF130528010001|100002|ghs|YF|500|500") + tail,
                       QStringLiteral("YS130528010001|100002|kh|YS|300|300") + tail,
                       QStringLiteral("YS130528010002|100004|kh|YS|-20.5|-20.5") + tail,
                       QStringLiteral("YS130528010003|100005|kh|YS|7|7") + tail}
        .join(QLatin1Char('\n'));
}

}  // namespace

struct LayoutCase {
    bool ledgerPresent;  // without gl_djh
    bool rightsPresent;  // jxc_role.wlzk
};

void PrintTo(const LayoutCase& c, std::ostream* os)
{
    *os << "ledger " << (c.ledgerPresent ? "without gl_djh" : "missing") << ", wlzk "
        << (c.rightsPresent ? "present" : "missing");
}

class UpgradeLayouts : public Upgrade, public ::testing::WithParamInterface<LayoutCase> {};

TEST_P(UpgradeLayouts, CarryBalancesIntoOpeningRows)
{
    const LayoutCase c = GetParam();
    execSql(QStringLiteral("update jxc_role set wlzk='1010' where r_sn='100002'"));
    makeOldLedger(c.ledgerPresent);
    if (!c.rightsPresent)
        dropRights();

    upgradeDb();

    EXPECT_TRUE(mainDb().columnExists(QStringLiteral("jxc_ysyfk"), QStringLiteral("gl_djh")));
    EXPECT_EQ(ledger(), openingRows(QStringLiteral("100001")));
    // Rights granted where the column is new; roles that had it keep what they had.
    EXPECT_EQ(selectValue(QStringLiteral("select wlzk from jxc_role where r_sn='100001'")),
              c.rightsPresent ? QString(32, QLatin1Char('1')) : kAllRights16);
    EXPECT_EQ(selectValue(QStringLiteral("select wlzk from jxc_role where r_sn='100002'")),
              c.rightsPresent ? QStringLiteral("1010") : kAllRights16);
    EXPECT_FALSE(mainDb().inTransaction());
}

INSTANTIATE_TEST_SUITE_P(Schema, UpgradeLayouts,
                         ::testing::Values(LayoutCase{false, false}, LayoutCase{true, false}, LayoutCase{false, true},
                                           LayoutCase{true, true}));

TEST_F(Upgrade, WithoutStaffWritesAnEmptyHandler)
{
    makeOldLedger(false);
    dropRights();
    execSql(QStringLiteral("delete from jxc_user"));
    upgradeDb();
    EXPECT_EQ(ledger(), openingRows(QString()));
}

TEST_F(Upgrade, RunsOnce)
{
    makeOldLedger(false);
    dropRights();
    upgradeDb();
    execSql(QStringLiteral("insert into jxc_ysyfk (gl_djh,k_ghskh,k_type) values ('CJ130528010001','100002','ghs')"));
    const QString after = dumpTables();
    upgradeDb();
    EXPECT_EQ(dumpTables(), after);
}

TEST_F(Upgrade, LeavesACurrentDatabaseAloneEvenWhenAnotherConnectionWrites)
{
    execSql(QStringLiteral("insert into jxc_ysyfk (gl_djh,k_ghskh,k_type) values ('CJ130528010001','100002','ghs')"));
    const QString before = dumpTables();
    upgradeDb();
    EXPECT_EQ(dumpTables(), before);

    Database other;
    other.open(db.path());
    other.exec(QStringLiteral("begin immediate"));
    other.exec(QStringLiteral("insert into jxc_dw (dw_sn) values ('100003')"));
    EXPECT_NO_THROW(upgradeDb());
    other.exec(QStringLiteral("rollback"));
    EXPECT_EQ(dumpTables(), before);
}

TEST_F(Upgrade, AnErrorSurfacesAndChangesNothing)
{
    // A current database that cannot even be read: the ledger is never dropped for it.
    {
        Database other;
        other.open(db.path());
        other.exec(QStringLiteral("begin exclusive"));
        sqlite3_busy_timeout(mainDb().handle(), 0);
        EXPECT_THROW(upgradeDb(), DbError);
        other.exec(QStringLiteral("rollback"));
    }
    EXPECT_TRUE(mainDb().columnExists(QStringLiteral("jxc_ysyfk"), QStringLiteral("gl_djh")));

    // An old database missing a table the upgrade reads: nothing of the upgrade stays.
    makeOldLedger(false);
    dropRights();
    execSql(QStringLiteral("drop table jxc_khxx"));
    EXPECT_THROW(upgradeDb(), DbError);
    EXPECT_FALSE(mainDb().tableExists(QStringLiteral("jxc_ysyfk")));
    EXPECT_FALSE(mainDb().columnExists(QStringLiteral("jxc_role"), QStringLiteral("wlzk")));
    EXPECT_FALSE(mainDb().inTransaction());
}

// A database made before an index was defined gets it at the next start, with its rows intact;
// a database that has every index is left as it is.
TEST(EnsureIndexes, AddsTheMissingIndexesOnly)
{
    TestDb db;
    const auto indexes = [] {
        return openSelect(QStringLiteral("select count(*) from sqlite_master where type='index' and name like 'ix_%'"))
            .text(0, 0)
            .toInt();
    };
    const int all = indexes();
    ASSERT_GT(all, 2);
    execSql(QStringLiteral("insert into jxc_jhsp (j_sn,g_sn) values ('CJ130528010001','100001')"));
    execSql(QStringLiteral("drop index ix_jxc_jhsp_j_sn"));
    execSql(QStringLiteral("drop index ix_jxc_jhspmx_gl_djh_tid"));
    execSql(QStringLiteral("drop index ix_jxc_goodslist_purchases"));
    ASSERT_EQ(indexes(), all - 3);

    ensureIndexes();
    EXPECT_EQ(indexes(), all);
    EXPECT_EQ(selectValue(QStringLiteral("select count(*) from jxc_jhsp where j_sn='CJ130528010001'")), "1");
    const QString plan = openSelect(QStringLiteral("explain query plan select * from jxc_jhsp where j_sn='x'"))
                             .text(0, 3);
    EXPECT_TRUE(plan.contains(QStringLiteral("ix_jxc_jhsp_j_sn"))) << plan.toStdString();
    // A partial index comes back with its condition.
    EXPECT_TRUE(selectValue(QStringLiteral("select sql from sqlite_master where name='ix_jxc_goodslist_purchases'"))
                    .endsWith(QStringLiteral("where gl_flag='cj' or gl_flag='ct'")));

    ensureIndexes();
    EXPECT_EQ(indexes(), all);
}
