// The whole-or-nothing check of the stock postings: a temporary trigger aborts the n-th write
// to the stock tables (warehouse stock, month rows, size-colour stock), for n = 1, 2, … until
// the posting goes through, and after every aborted run every table holds what it held before.
#pragma once

#include "data/datamodule.h"

#include <QStringList>
#include <functional>
#include <gtest/gtest.h>

// The first row of `sql`, its cells (read as the program reads them) joined by `sep`.
inline QString firstRow(const QString& sql, const SqlParams& params = {}, QChar sep = u'|')
{
    const ResultSet rs = openSelect(sql, params);
    QStringList cells;
    for (int c = 0; !rs.isEmpty() && c < rs.columnCount(); ++c)
        cells << rs.text(0, c);
    return cells.join(sep);
}

// Every row of every table of the database, as one text.
inline QString wholeDatabase()
{
    const ResultSet tables = openSelect(QStringLiteral(
        "select name from sqlite_master where type='table' and name not like 'sqlite_%' and name<>'abort_at' order by name"));
    QStringList out;
    for (int t = 0; t < tables.rowCount(); ++t) {
        const ResultSet rs = openSelect(QStringLiteral("select * from \"%1\" order by rowid").arg(tables.text(t, 0)));
        for (int r = 0; r < rs.rowCount(); ++r) {
            QStringList cells{tables.text(t, 0)};
            for (int c = 0; c < rs.columnCount(); ++c)
                cells << rs.text(r, c);
            out << cells.join(u'|');
        }
    }
    return out.join(u'\n');
}

// Runs `post` with the n-th stock write aborted for n = 1, 2, … and checks that each aborted
// run leaves the database as it was; finally lets it through. Returns the number of writes.
inline int abortEachStockWrite(const std::function<void()>& post)
{
    execSql(QStringLiteral("create table abort_at (n integer, seen integer)"));
    for (const char* table : {"jxc_kcsp", "jxc_kcjs", "jxc_tkc"}) {
        for (const char* op : {"insert", "update", "delete"}) {
            execSql(QStringLiteral("create trigger abort_%1_%2 before %2 on %1 begin "
                                   "update abort_at set seen=seen+1; "
                                   "select raise(abort,'aborted on purpose') where (select seen>=n from abort_at); end")
                        .arg(QLatin1String(table), QLatin1String(op)));
        }
    }
    execSql(QStringLiteral("insert into abort_at values (0,0)"));
    const QString before = wholeDatabase();
    int n = 1;
    for (;; ++n) {
        execSql(QStringLiteral("update abort_at set n=?,seen=0"), {{QString(), n}});
        try {
            post();
            break;
        } catch (const DbError&) {
            EXPECT_EQ(wholeDatabase(), before) << "aborted at stock write " << n;
            if (::testing::Test::HasFailure())
                break;
        }
    }
    for (const char* table : {"jxc_kcsp", "jxc_kcjs", "jxc_tkc"})
        for (const char* op : {"insert", "update", "delete"})
            execSql(QStringLiteral("drop trigger abort_%1_%2").arg(QLatin1String(table), QLatin1String(op)));
    execSql(QStringLiteral("drop table abort_at"));
    return n - 1;
}
