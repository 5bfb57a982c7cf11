// Whole-or-nothing checks of the stock postings: a temporary trigger makes the n-th row update
// of a table fail, and a snapshot of the tables a posting writes tells whether anything moved.
#pragma once

#include "data/datamodule.h"

#include <QStringList>

// From now on the n-th updated row of `table` (counting from 1) aborts its statement.
inline void failNthUpdate(const char* table, int n)
{
    execSql(QStringLiteral("create temp table if not exists updated_rows (n integer)"));
    execSql(QStringLiteral("create temp trigger count_updates after update on %1 begin "
                           "insert into updated_rows values (1); end")
                .arg(QLatin1String(table)));
    execSql(QStringLiteral("create temp trigger fail_nth_update before update on %1 "
                           "when (select count(*) from updated_rows)>=%2 begin select raise(abort,'stopped'); end")
                .arg(QLatin1String(table))
                .arg(n - 1));
}

inline void stopFailing()
{
    execSql(QStringLiteral("drop trigger if exists fail_nth_update"));
    execSql(QStringLiteral("drop trigger if exists count_updates"));
    execSql(QStringLiteral("delete from updated_rows"));
}

// Every row of every table named, as one text.
inline QString snapshot(const QStringList& tables)
{
    QStringList out;
    for (const QString& t : tables) {
        const ResultSet rs = openSelect(QStringLiteral("select * from %1 order by id").arg(t));
        out << t;
        for (int r = 0; r < rs.rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < rs.columnCount(); ++c)
                cells << rs.text(r, c);
            out << cells.join(u'|');
        }
    }
    return out.join(u'\n');
}
