// Helpers of the schema tests: counting, dumping and filling the tables of the main database.
#pragma once

#include "data/datamodule.h"
#include "data/schema/schema.h"

#include <QStringList>

inline int rowCount(const QString& table)
{
    return selectValue(QStringLiteral("select count(*) from ") + table).toInt();
}

// Every row of every table as text, in table and row order.
inline QString dumpTables()
{
    QString out;
    for (const QString& table : tableNames()) {
        const ResultSet rs = openSelect(QStringLiteral("select * from %1 order by rowid").arg(table));
        out += table + QLatin1Char('\n');
        for (int r = 0; r < rs.rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < rs.columnCount(); ++c)
                cells << rs.text(r, c);
            out += cells.join(QLatin1Char('|')) + QLatin1Char('\n');
        }
    }
    return out;
}

// Columns of a table whose declared type starts with `typePrefix`.
inline QStringList columnsOfType(const QString& table, const QString& typePrefix)
{
    const ResultSet rs = openSelect(QStringLiteral("select name from pragma_table_info(?) where type like ?"),
                                    {{QString(), table}, {QString(), typePrefix + QLatin1Char('%')}});
    QStringList names;
    for (int r = 0; r < rs.rowCount(); ++r)
        names << rs.text(r, 0);
    return names;
}

// Appends one row that names only the columns that must not be NULL (with the empty text);
// returns its rowid.
inline qint64 insertBlankRow(const QString& table)
{
    const ResultSet rs = openSelect(
        QStringLiteral("select name from pragma_table_info(?) where \"notnull\"=1 and dflt_value is null and pk=0"),
        {{QString(), table}});
    if (rs.isEmpty()) {
        execSql(QStringLiteral("insert into %1 default values").arg(table));
    } else {
        QStringList names;
        QStringList values;
        for (int r = 0; r < rs.rowCount(); ++r) {
            names << rs.text(r, 0);
            values << QStringLiteral("''");
        }
        execSql(QStringLiteral("insert into %1 (%2) values (%3)").arg(table, names.join(u','), values.join(u',')));
    }
    return mainDb().lastInsertId();
}
