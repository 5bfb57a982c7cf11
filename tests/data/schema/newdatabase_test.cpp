// A new database: its tables, their layouts and default rows, and how columns behave.
#include "data/password.h"
#include "defaultrows.h"
#include "schemahelpers.h"
#include "support/testdb.h"

#include <QSet>
#include <gtest/gtest.h>

TEST(NewDatabase, HoldsEveryTableAndItsDefaultRows)
{
    TestDb db;
    const ResultSet rs = openSelect(QStringLiteral("select name from sqlite_master where type='table' and name like 'jxc%'"));
    QSet<QString> present;
    for (int r = 0; r < rs.rowCount(); ++r)
        present.insert(rs.text(r, 0));
    EXPECT_EQ(present.size(), 143);
    EXPECT_EQ(present, QSet<QString>(tableNames().begin(), tableNames().end()));
    EXPECT_TRUE(present.contains(QStringLiteral("jxc_txm")));
    EXPECT_FALSE(present.contains(QStringLiteral("jxc_xtzt")));

    int tablesWithRows = 0;
    int rows = 0;
    for (const QString& table : tableNames()) {
        const int n = rowCount(table);
        EXPECT_EQ(n, defaultRowCounts().value(table, 0)) << qPrintable(table);
        tablesWithRows += n > 0;
        rows += n;
        if (n > 0 && table != QLatin1String("jxc_skin")) {  // ids count from 1 in insert order
            EXPECT_EQ(selectValue(QStringLiteral("select min(id) from ") + table), QStringLiteral("1"));
            EXPECT_EQ(selectValue(QStringLiteral("select max(id) from ") + table), QString::number(n));
        }
    }
    EXPECT_EQ(tablesWithRows, 38);
    EXPECT_EQ(rows, 151);
}

TEST(NewDatabase, DefaultRowsHoldTheirValues)
{
    TestDb db;
    const QString ones32 = QString(32, QLatin1Char('1'));
    struct Case {
        const char* sql;
        QString expected;
    };
    const Case cases[] = {
        // settings: bits read True/False, unnamed columns stay NULL
        {"select cs_cgdj from jxc_xtcs", "0"},
        {"select cs_xgdj from jxc_xtcs", "True"},
        {"select cs_kc from jxc_xtcs", "True"},
        {"select cs_ysdh from jxc_xtcs", "False"},
        {"select cs_spbh from jxc_xtcs", "True"},
        {"select cs_shdj from jxc_xtcs", "True"},
        {"select cs_xjyh from jxc_xtcs", "False"},
        {"select cs_xsws from jxc_xtcs", "2"},
        {"select cs_djzddysl from jxc_xtcs", "1"},
        {"select cs_posblur from jxc_xtcs", "True"},
        {"select cs_zerocost from jxc_xtcs", "True"},
        {"select cs_possk from jxc_xtcs", "False"},
        {"select cs_posrq from jxc_xtcs", "True"},
        {"select cs_cgyh is null and cs_ts is null and cs_djsh is null from jxc_xtcs", "1"},
        // the built-in warehouse
        {"select ck_sn||'/'||ck_name||'/'||ck_jm||'/'||ck_note from jxc_ckxx", "100001/主仓库/ZCK/各种商品(主要为食品)"},
        {"select ck_default from jxc_ckxx", "True"},
        {"select ck_pos from jxc_ckxx", "False"},
        {"select ck_tele is null from jxc_ckxx", "1"},
        // operators and roles
        {"select a_sn||'/'||a_name||'/'||r_sn from jxc_admin", "100001/admin/100001"},
        {"select a_zreoje from jxc_admin", "0"},
        {"select a_fdmc is null from jxc_admin", "1"},
        {"select r_sn||'/'||r_name from jxc_role", "100001/系统管理员"},
        {"select cggl from jxc_role", ones32},
        {"select wlzk from jxc_role", ones32},
        {"select qtcz from jxc_role", ones32},
        // goods: the disabled discount balancing item; the empty text and NULL as given
        {"select g_sn||'/'||g_name||'/'||g_jm from jxc_goods", "00000000/优惠商品/YHSP"},
        {"select g_jy from jxc_goods", "True"},
        {"select gc_cid||'/'||g_tmtype||'/'||ghs_sn from jxc_goods", "2/1/100001"},
        {"select g_dzll from jxc_goods", "1"},
        {"select g_sccs is null from jxc_goods", "0"},
        {"select g_zbq is null from jxc_goods", "1"},
        {"select gc_sn is null from jxc_goodsclass", "1"},
        {"select gc_name||'/'||gc_pid||'/'||gc_cid from jxc_goodsclass", "所有类别/0/1"},
        {"select fd_dcrq is null from jxc_fd", "0"},
        {"select group_concat(color_tm,',') from (select color_tm from jxc_color order by id)",
         "10,11,12,13,14,15,16,17,18"},
        {"select group_concat(cm_name,',') from (select cm_name from jxc_cm order by id)", "均码,加大,大号,中号,小号,XL,L,M,S"},
        {"select pp_name||'/'||pp_jm from jxc_ppcs where id=1", "默认品牌/MRPP"},
        // partners and staff
        {"select ghs_sn||'/'||ghs_name||'/'||ghs_jm from jxc_ghsxx", "100001/普通供货商/PTGHS"},
        {"select ghs_default||'/'||ghs_forbid from jxc_ghsxx", "1/0"},
        {"select kh_sn||'/'||kh_name||'/'||kh_note from jxc_khxx", "100001/普通客户/"},
        {"select u_sn from jxc_user where u_name is null", "100001"},
        {"select u_cg from jxc_user", "True"},
        // money accounts and members: the trailing blanks stay
        {"select yh_type from jxc_yhzh where id=1", "现金 "},
        {"select yh_type from jxc_yhzh where id=3", "全部银行合计 "},
        {"select yh_name from jxc_yhzh where id=2", "工行帐号"},
        {"select hz_name from jxc_hyzdy where id=6", "其他信息 "},
        {"select hy_sn||'/'||hy_bh||'/'||hy_name||'/'||hl_sn||'/'||hh_sn from jxc_hyxx", "100001/0000/普通客户/100001/100001"},
        {"select hy_status from jxc_hyxx", "False"},
        {"select hl_name from jxc_hyfl", "普通会员"},
        {"select hl_zk from jxc_hyfl", "1"},
        {"select hh_note from jxc_hyyh", "实际款=所付存款*1"},
        // the till
        {"select group_concat(gn_name||'='||gn_jz,',') from (select * from jxc_gnb order by id)",
         "付款结账=187,修改折扣=118,修改单价=114,修改数量=191,删除当前=46,删除全部=34,选择会员=113,打开钱箱=117,"
         "浏览图片=115,选择仓库=122,选择员工=123,锁定屏幕=121,挂单=119,解挂=120"},
        {"select font_size from jxc_posfont", "14"},
        {"select pp_bt1||'/'||pp_jz2||'/'||pp_khs||'/'||pp_fs from jxc_posprint", "禾岚旗舰店/管理软件 禾岚是专家/2/1"},
        {"select pp_bzxx from jxc_posprint", "True"},
        // shell tables
        {"select id||'/'||skin_name from jxc_skin", "1/iMaginary"},
        {"select t_mryt||t_sjtx from jxc_txdisp", "10"},
        {"select mr_state||'/'||mr_rq from jxc_mryt where id=16", "0/2011-1-1"},
        {"select mr_ts from jxc_mryt where id=12",
         "\"在统计报表中点击\"\"供应商统计\"\",可以查询供货商的供货情况,帐务情况以及该供货商所供商品的销售情况!"},
        {"select mr_ts from jxc_mryt where id=16",
         "\"在统计报表中点击\"\"营业分析\"\",可以查询不同时间段内的营业状况,包括商品的采购,销售,调拨,报损报溢等! "},
        {"select tm_title||'/'||tm_codetype||'/'||tm_foottop from jxc_tmdy", "禾岚软件标题/14/100"},
        {"select zc_ljje from jxc_gdzc", "0"},
        // the import catalogue
        {"select group_concat(n,',') from (select count(*) as n from jxc_import group by i_tablename order by min(id))",
         "12,7,7,16,6"},
        {"select i_fieldname from jxc_import where id=44", "名称"},
        {"select i_fieldid||'/'||i_fieldname from jxc_import where id=46", "gg_name/规格型号"},
        {"select i_fieldid||'/'||i_tablename from jxc_import where id=48", "db_sl/jxc_dbsp"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(selectValue(QString::fromUtf8(c.sql)), c.expected) << c.sql;
}

TEST(NewDatabase, AdminLogsInWithTheEmptyPassword)
{
    TestDb db;
    const QString stored = selectValue(QStringLiteral("select a_pwd from jxc_admin where a_name='admin'"));
    EXPECT_TRUE(stored.startsWith(QLatin1String("$argon2")));
    EXPECT_TRUE(verifyPassword(QString(), stored));
    EXPECT_FALSE(verifyPassword(QStringLiteral("admin"), stored));
}

TEST(NewDatabase, ColumnsKeepTheirDeclaredWidthsAndTypes)
{
    TestDb db;
    struct Case {
        const char* table;
        const char* column;
        const char* type;
        int notNull;
    };
    const Case cases[] = {
        // the same value with different widths in different tables
        {"jxc_kcsp", "g_sn", "varchar(32)", 0},       {"jxc_tkc", "g_sn", "varchar(16)", 0},
        {"jxc_rjsp", "g_sn", "varchar(16)", 0},       {"jxc_sptjb", "g_sn", "varchar(16)", 0},
        {"jxc_hyzp", "g_sn", "varchar(8)", 0},        {"jxc_sptjtmp", "g_name", "varchar(32)", 0},
        {"jxc_goods", "g_name", "varchar(64)", 0},    {"jxc_xsthsp", "a_name", "varchar(20)", 0},
        {"jxc_jfdh", "a_name", "varchar(50)", 0},     {"jxc_jhsp", "a_name", "varchar(32)", 0},
        {"jxc_kcpdtemp", "ck_name", "varchar(32)", 0}, {"jxc_goodslist", "ghs_name", "varchar(64)", 0},
        {"jxc_xjyh", "ghs_name", "varchar(128)", 0},  {"jxc_lsxsd", "pos_rjid", "varchar(32)", 0},
        {"jxc_xsthd", "pos_rjid", "varchar(50)", 0},  {"jxc_hycsjl", "hc_rq", "varchar(16)", 0},
        {"jxc_hyxx", "hy_sn", "varchar(8)", 1},       {"jxc_lsfdxx", "fd_sn", "varchar(8)", 1},
        {"jxc_hyzp", "hy_sn", "varchar(8)", 0},       {"jxc_lsxsd", "ls_xsrq", "varchar(32)", 0},
        {"jxc_jhd", "j_jhrq", "varchar(16)", 0},      {"jxc_kcdbd", "db_dbrq", "varchar(20)", 0},
        // the kinds of column
        {"jxc_goods", "id", "integer", 0},            {"jxc_goods", "g_kc", "money real", 0},
        {"jxc_goods", "g_jy", "bit", 1},              {"jxc_xtcs", "cs_posrq", "bit", 1},
        {"jxc_goods", "g_zdkc", "integer", 0},        {"jxc_jhsp", "g_xlh", "text", 0},
        {"jxc_goodsremind", "gr_time", "datetime text", 0}, {"jxc_nj", "nj_xssl", "integer", 0},
        {"jxc_txm", "tm_code", "varchar(64)", 0},
    };
    for (const Case& c : cases) {
        const ResultSet rs = openSelect(QStringLiteral("select type,\"notnull\" from pragma_table_info(?) where name=?"),
                                        {{QString(), QString::fromLatin1(c.table)}, {QString(), QString::fromLatin1(c.column)}});
        ASSERT_EQ(rs.rowCount(), 1) << c.table << '.' << c.column;
        EXPECT_EQ(rs.text(0, 0).toLower(), QLatin1String(c.type)) << c.table << '.' << c.column;
        EXPECT_EQ(rs.text(0, 1).toInt(), c.notNull) << c.table << '.' << c.column;
    }
    // Every table but the skin has its id as autonumber key; the skin has no key.
    for (const QString& table : tableNames()) {
        const QString pk = selectValue(QStringLiteral("select name from pragma_table_info(?) where pk=1"), {{QString(), table}});
        EXPECT_EQ(pk, table == QLatin1String("jxc_skin") ? QString() : QStringLiteral("id")) << qPrintable(table);
    }
}

TEST(NewDatabase, TextComparesCaseInsensitively)
{
    TestDb db;
    EXPECT_EQ(selectValue(QStringLiteral("select count(*) from jxc_goods where g_jm='yhsp'")), QStringLiteral("1"));
    EXPECT_EQ(selectValue(QStringLiteral("select count(*) from jxc_ppcs where pp_jm like 'mr%'")), QStringLiteral("1"));
}

TEST(NewDatabase, BitLeftOutReadsFalseAndIdsAreNeverReused)
{
    TestDb db;
    execSql(QStringLiteral("insert into jxc_ckxx (ck_sn,ck_name) values ('100002','分店')"));
    EXPECT_EQ(selectValue(QStringLiteral("select ck_pos from jxc_ckxx where ck_sn='100002'")), QStringLiteral("False"));
    EXPECT_EQ(selectValue(QStringLiteral("select ck_default from jxc_ckxx where ck_sn='100002'")), QStringLiteral("False"));
    EXPECT_THROW(execSql(QStringLiteral("insert into jxc_ckxx (ck_sn,ck_pos) values ('100003',null)")), DbError);

    execSql(QStringLiteral("insert into jxc_dw (dw_sn,dw_name) values ('100003','双')"));
    const QString last = selectValue(QStringLiteral("select max(id) from jxc_dw"));
    EXPECT_EQ(last, QStringLiteral("3"));
    execSql(QStringLiteral("delete from jxc_dw where id=3"));
    execSql(QStringLiteral("insert into jxc_dw (dw_sn,dw_name) values ('100003','双')"));
    EXPECT_EQ(selectValue(QStringLiteral("select max(id) from jxc_dw")), QStringLiteral("4"));
}

// Every money column of every table holds exact four-decimal values after inserts and updates.
TEST(NewDatabase, MoneyColumnsStayExactToFourDecimals)
{
    TestDb db;
    int checked = 0;
    for (const QString& table : tableNames()) {
        const QStringList money = columnsOfType(table, QStringLiteral("money"));
        if (money.isEmpty())
            continue;
        const qint64 row = insertBlankRow(table);
        auto setAll = [&](const QString& expr) {
            QStringList sets;
            for (const QString& m : money)
                sets << QStringLiteral("%1=%2").arg(m, QString(expr).replace(QLatin1String("$"), m));
            execSql(QStringLiteral("update %1 set %2 where rowid=%3").arg(table, sets.join(u','), QString::number(row)));
        };
        setAll(QStringLiteral("0.1"));
        setAll(QStringLiteral("$+0.2"));
        setAll(QStringLiteral("$-0.3"));
        for (const QString& m : money) {
            const QString where = QStringLiteral(" from %1 where rowid=%2").arg(table, QString::number(row));
            EXPECT_EQ(selectValue(QStringLiteral("select ") + m + where), QStringLiteral("0")) << qPrintable(table + '.' + m);
            EXPECT_EQ(selectValue(QStringLiteral("select count(*)") + where + QStringLiteral(" and ") + m + QStringLiteral("<>0")),
                      QStringLiteral("0"))
                << qPrintable(table + '.' + m);
        }
        // An insert rounds too (half away from zero), and the stored value equals its decimal.
        const QString m = money.first();
        execSql(QStringLiteral("delete from %1 where rowid=%2").arg(table).arg(row));
        const qint64 row2 = insertBlankRow(table);
        execSql(QStringLiteral("update %1 set %2=1.23456 where rowid=%3").arg(table, m).arg(row2));
        EXPECT_EQ(selectValue(QStringLiteral("select count(*) from %1 where %2=1.2346").arg(table, m)), QStringLiteral("1"))
            << qPrintable(table);
        ++checked;
    }
    EXPECT_GT(checked, 80);
    // A written NULL stays NULL.
    execSql(QStringLiteral("update jxc_goods set g_jj=null"));
    EXPECT_EQ(selectValue(QStringLiteral("select g_jj is null from jxc_goods")), QStringLiteral("1"));
    execSql(QStringLiteral("insert into jxc_kcsp (g_sn,ck_sn,kc_sl,kc_cbj) values ('x','100001',2.00006,-2.00006)"));
    EXPECT_EQ(selectValue(QStringLiteral("select count(*) from jxc_kcsp where g_sn='x' and kc_sl=2.0001 and kc_cbj=-2.0001")),
              QStringLiteral("1"));
}

TEST(NewDatabase, CreateAllTablesTwiceGivesTheSameContents)
{
    QString fresh;
    {
        TestDb db(/*withSchema=*/false);
        createAllTables();  // on a database without any table
        fresh = dumpTables();
    }
    TestDb db;
    EXPECT_EQ(dumpTables(), fresh);
    // Data everywhere, then a full recreation: only the default rows remain, ids from 1 again.
    for (const QString& table : tableNames())
        for (int i = 0; i < 2; ++i)
            insertBlankRow(table);
    createAllTables();
    EXPECT_EQ(dumpTables(), fresh);
    createAllTables();
    EXPECT_EQ(dumpTables(), fresh);
}

TEST(NewDatabase, CreateAllTablesIsAllOrNothing)
{
    TestDb db;
    execSql(QStringLiteral("insert into jxc_dw (dw_sn,dw_name) values ('100003','双')"));
    // A name the ledger's index needs is taken: the last table cannot be made.
    execSql(QStringLiteral("drop index ix_jxc_ysyfk_k_ghskh"));
    execSql(QStringLiteral("create table ix_jxc_ysyfk_k_ghskh (x)"));
    EXPECT_THROW(createAllTables(), DbError);
    EXPECT_EQ(rowCount(QStringLiteral("jxc_dw")), 3);
    EXPECT_FALSE(mainDb().inTransaction());
}

TEST(NewDatabase, CreateDatabaseFileNeedsNoDataModuleAndRefusesAnExistingFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("new.mdb"));
    TF_DataModule* const before = DataModule;
    createDatabaseFile(path);
    EXPECT_EQ(DataModule, before);
    Database file;
    file.open(path);
    EXPECT_EQ(file.selectValue(QStringLiteral("select count(*) from sqlite_master where type='table' and name like 'jxc%'")),
              QStringLiteral("143"));
    EXPECT_EQ(file.selectValue(QStringLiteral("select count(*) from jxc_import")), QStringLiteral("48"));
    file.close();
    EXPECT_THROW(createDatabaseFile(path), DbError);
}

TEST(NewDatabase, CreateTableRecreatesOneTable)
{
    TestDb db;
    execSql(QStringLiteral("delete from jxc_gnb"));
    insertBlankRow(QStringLiteral("jxc_dw"));
    createTable(QStringLiteral("jxc_gnb"));
    EXPECT_EQ(rowCount(QStringLiteral("jxc_gnb")), 14);
    EXPECT_EQ(selectValue(QStringLiteral("select min(id) from jxc_gnb")), QStringLiteral("1"));
    EXPECT_EQ(rowCount(QStringLiteral("jxc_dw")), 3);
    EXPECT_THROW(createTable(QStringLiteral("jxc_xtzt")), DbError);
}
