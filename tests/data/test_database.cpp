// The data access layer: values read as text, numbers written into SQL, statements that fail,
// transactions, named queries and the registered functions.
#include "data/clock.h"
#include "data/datamodule.h"
#include "data/values.h"
#include "support/testdb.h"

#include <gtest/gtest.h>

namespace {

class DataLayer : public ::testing::Test {
protected:
    DataLayer() : db(false)
    {
        execSql("create table t (id integer primary key autoincrement, name varchar(20) collate nocase,"
                " m money real, b bit not null default 0, n integer, f float)");
    }
    TestDb db;
};

TEST_F(DataLayer, ValuesReadAsText)
{
    execSql("insert into t (name, m, b, n) values ('a', 12.50, 1, 7)");
    execSql("insert into t (name, m) values ('b', 3)");
    execSql("insert into t (name, m) values ('c', -0.0)");
    execSql("insert into t (name, m) values (null, 0.00004)");

    struct Case {
        const char* sql;
        const char* expected;
    } cases[] = {
        {"select name from t where id=99", ""},              // missing row
        {"select name from t where id=4", ""},               // NULL field
        {"select max(m) from t where id>99", ""},            // aggregate over nothing
        {"select b from t where id=1", "True"},
        {"select b from t where id=2", "False"},             // left out of the insert
        {"select x from (select b as x from t where id=1)", "True"},  // through a derived table
        {"select m from t where id=1", "12.5"},
        {"select m from t where id=2", "3"},
        {"select m from t where id=3", "0"},                 // -0 reads 0
        {"select m from t where id=4", "0"},                 // below four decimals
        {"select n from t where id=1", "7"},
        {"select sum(m) from t", "15.5"},
        {"select 0.1+0.2", "0.3"},
        {"select name from t where name='A'", "a"},          // text compares case-insensitively
        {"select 'x' || name from t where id=1", "xa"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(selectValue(QString::fromUtf8(c.sql)), QString::fromUtf8(c.expected)) << c.sql;
}

TEST_F(DataLayer, ResultSetKeepsEveryRowAndFindsFieldsByAnyCase)
{
    for (int i = 1; i <= 3; ++i)
        appendRow("t", {{"name", QStringLiteral("鞋%1").arg(i)}, {"m", i * 1.25}, {"b", i == 2}});
    const ResultSet rs = openSelect("select * from t order by id");
    ASSERT_EQ(rs.rowCount(), 3);
    EXPECT_EQ(rs.text(1, "NAME"), QStringLiteral("鞋2"));
    EXPECT_EQ(rs.text(2, "m"), "3.75");
    EXPECT_EQ(rs.text(1, "b"), "True");
    EXPECT_EQ(rs.text(0, "missing"), "");
    EXPECT_EQ(rs.text(7, "m"), "");
    EXPECT_DOUBLE_EQ(rs.number(0, "m"), 1.25);
}

TEST_F(DataLayer, NegativeNumbersInSqlTextMoveTheRightWay)
{
    execSql("insert into t (m) values (100)");
    execSql("update t set m=m-" + sqlNum(-300.0) + " where id=1");
    EXPECT_EQ(selectValue("select m from t where id=1"), "400");
    execSql("update t set m=m+" + sqlNum(Money::fromText("-0.5")) + " where id=1");
    EXPECT_EQ(selectValue("select m from t where id=1"), "399.5");
    execSql("update t set m=m-" + sqlNum(QStringLiteral("")) + " where id=1");  // empty reads 0
    EXPECT_EQ(selectValue("select m from t where id=1"), "399.5");
}

TEST(SqlNumbers, Formatter)
{
    struct Case {
        double value;
        const char* expected;
    } cases[] = {{0, "0"}, {-0.0, "0"}, {12.5, "12.5"}, {-300, "(-300)"}, {1e15, "1000000000000000"},
                 {0.0001, "0.0001"}, {1234567.89, "1234567.89"}};
    for (const Case& c : cases)
        EXPECT_EQ(sqlNum(c.value), c.expected) << c.value;
    EXPECT_EQ(sqlNum(qint64(-5)), "(-5)");
    EXPECT_EQ(sqlNum(QStringLiteral("abc")), "0");
    EXPECT_EQ(sqlNum(QStringLiteral(" -2.50 ")), "(-2.5)");
}

TEST(SqlNumbers, MoneyIsExact)
{
    Money sum;
    for (int i = 0; i < 10; ++i)
        sum += Money::fromText("0.1");
    EXPECT_EQ(sum, Money::fromUnits(10000));
    EXPECT_EQ((Money::fromText("0.1") + Money::fromText("0.2") - Money::fromText("0.3")).toText(), "0");
    EXPECT_EQ(Money::fromText("12.345").toFixed(2), "12.35");
    EXPECT_EQ(Money::fromText("-12.345").toFixed(2), "-12.35");
    EXPECT_EQ(Money::fromText("-0.00001").toText(), "0");
    EXPECT_EQ((Money::fromText("2.5") * Money::fromText("3")).toText(), "7.5");
    EXPECT_EQ(moneyText(-0.0), "0");
    EXPECT_EQ(moneyText(12.50), "12.5");
}

TEST_F(DataLayer, DropTable)
{
    EXPECT_NO_THROW(dropTable("no_such_table"));
    dropTable("t");
    EXPECT_FALSE(mainDb().tableExists("t"));
}

TEST_F(DataLayer, FailingStatementRaisesTheDatabaseText)
{
    try {
        execSql("insert into no_such_table values (1)");
        FAIL() << "no error raised";
    } catch (const DbError& e) {
        EXPECT_TRUE(e.message().contains("no_such_table")) << e.message().toStdString();
    }
    EXPECT_THROW(selectValue("select nothing from t"), DbError);
    EXPECT_THROW(openSelect("select from"), DbError);
}

TEST_F(DataLayer, FailureInsideATransactionWritesNothing)
{
    auto post = [] {
        Transaction tx;
        execSql("insert into t (name) values ('first')");
        {
            Transaction inner;  // a routine with its own guard inside the posting
            execSql("insert into t (name) values ('second')");
            inner.commit();
        }
        execSql("insert into missing (x) values (1)");
        tx.commit();
    };
    EXPECT_THROW(post(), DbError);
    EXPECT_EQ(selectValue("select count(*) from t"), "0");
    EXPECT_FALSE(mainDb().inTransaction());

    {
        Transaction tx;
        execSql("insert into t (name) values ('kept')");
        tx.commit();
    }
    EXPECT_EQ(selectValue("select count(*) from t"), "1");
}

TEST_F(DataLayer, InnerRollbackKeepsTheOuterWork)
{
    Transaction tx;
    execSql("insert into t (name) values ('outer')");
    try {
        Transaction inner;
        execSql("insert into t (name) values ('inner')");
        throw DbError("stop");
    } catch (const DbError&) {
    }
    tx.commit();
    EXPECT_EQ(selectValue("select group_concat(name) from t"), "outer");
}

TEST_F(DataLayer, ParametersBindByName)
{
    execSql("insert into t (name, m, b) values (:name, :m, :b)",
            {{":name", QStringLiteral("O'Brien")}, {"m", 2.5}, {":b", true}});
    EXPECT_EQ(selectValue("select name from t where m=:m", {{":m", 2.5}}), "O'Brien");
    EXPECT_EQ(selectValue("select b from t"), "True");
    EXPECT_THROW(execSql("insert into t (name) values (:name)", {{":nope", 1}}), DbError);
}

TEST_F(DataLayer, IdsAreNeverReused)
{
    const qint64 a = appendRow("t", {{"name", "a"}});
    const qint64 b = appendRow("t", {{"name", "b"}});
    execSql("delete from t where id=" + sqlNum(b));
    EXPECT_EQ(appendRow("t", {{"name", "c"}}), b + 1);
    EXPECT_EQ(a + 1, b);
}

TEST_F(DataLayer, RegisteredFunctions)
{
    struct Case {
        const char* sql;
        const char* expected;
    } cases[] = {
        {"select len('鞋店ab')", "4"},
        {"select mid('abcdef', 2, 3)", "bcd"},
        {"select mid('abcdef', 4)", "def"},
        {"select mid('abc', 9, 1)", ""},
        {"select isnumeric('12.5')", "1"},
        {"select isnumeric('12a')", "0"},
        {"select isnumeric(3)", "1"},
        {"select dateadd('d', 1, '2013-05-31')", "2013-06-01"},
        {"select dateadd('d', -1, '2013-03-01')", "2013-02-28"},
        {"select dateadd('m', 1, '2013-01-31')", "2013-02-28"},
        {"select format('2013-05-28', 'yyyy-mm')", "2013-05"},
        {"select format('2013-05-28 16:07:42', 'yyyy-mm-dd hh:nn:ss')", "2013-05-28 16:07:42"},
        {"select iif(1>2, 'a', 'b')", "b"},
        {"select substr('abcdef', 1, 2)", "ab"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(selectValue(QString::fromUtf8(c.sql)), QString::fromUtf8(c.expected)) << c.sql;
}

TEST_F(DataLayer, NamedQueryFollowsItsResultAndCurrentRow)
{
    appendRow("t", {{"name", "a"}});
    appendRow("t", {{"name", "b"}});
    NamedQuery q("Q_Test", "select * from t order by id");
    int resets = 0;
    QObject::connect(&q, &NamedQuery::resultChanged, [&] { ++resets; });
    q.open();
    EXPECT_EQ(q.rowCount(), 2);
    EXPECT_EQ(q.fieldByName("name"), "a");
    EXPECT_TRUE(q.locate("name", "b"));
    EXPECT_EQ(q.currentRow(), 1);
    openQuery(&q, "select * from t where name='zzz'");
    EXPECT_TRUE(q.isEmpty());
    EXPECT_EQ(q.fieldByName("name"), "");
    EXPECT_EQ(resets, 2);
    EXPECT_THROW(openQuery(&q, "select * from nowhere"), DbError);
    EXPECT_FALSE(q.isOpen());
}

TEST(DataModule, MissingDatabaseIsReportedAndNeverCreated)
{
    TestDb db(false);
    QString reported;
    setErrorReporter([&](const QString& m) { reported = m; });
    const QString missing = db.dir() + "/none";
    setDataDir(missing);
    TF_DataModule dm;
    dm.DataModuleCreate();
    EXPECT_FALSE(dm.ADOConn.isOpen());
    EXPECT_TRUE(reported.contains("jxc.mdb")) << reported.toStdString();
    EXPECT_FALSE(QFile::exists(missing + "/jxc.mdb"));
    setErrorReporter(nullptr);
    setDataDir(QString());
}

TEST(DataModule, NotADatabaseIsRefused)
{
    TestDb db(false);
    const QString junk = dataDir() + "/junk.mdb";
    {
        QFile f(junk);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("this is not a database file, just some text that is long enough to matter............");
    }
    EXPECT_THROW(connectDb("junk.mdb"), DbError);
}

TEST(DataModule, BackupCopyOpensWithTheSameRows)
{
    TestDb db(false);
    execSql("create table t (id integer primary key, v varchar(10))");
    execSql("insert into t (v) values ('x'), ('y')");
    const QString copy = db.dir() + "/copy.DAT";
    mainDb().backupTo(copy);
    Database other;
    other.open(copy);
    EXPECT_EQ(other.selectValue("select group_concat(v) from t"), "x,y");
}

TEST(Clock, FixedAndFormatted)
{
    Clock::setFixed(QDateTime(QDate(2013, 5, 28), QTime(9, 5, 3)));
    EXPECT_EQ(nowText(), "2013-05-28 09:05:03");
    EXPECT_EQ(todayText(), "2013-05-28");
    EXPECT_EQ(monthText(), "2013-05");
    Clock::reset();
    EXPECT_FALSE(Clock::isFixed());
}

}  // namespace

// The design-time text of every named query runs on a new database: no query names a table or
// column that does not exist.
TEST(DataModule, EveryNamedQueryRunsOnANewDatabase)
{
    TestDb db;
    for (NamedQuery* q : DataModule->queries()) {
        if (q->source() != NamedQuery::Source::Main)
            continue;
        EXPECT_NO_THROW(openSelect(q->designSql())) << q->name().toStdString();
    }
}
