// Benchmark support: a statement run on the bare sqlite3 API, each cell read into text with the
// data layer's conversion, as the yardstick of the data layer and the grids above it.
#pragma once

#include "data/datamodule.h"
#include "data/values.h"

#include <QString>
#include <QVector>
#include <cstring>
#include <sqlite3.h>
#include <vector>

inline QString bareText(sqlite3_stmt* st, int c, const char* decl)
{
    const int type = sqlite3_column_type(st, c);
    if (type == SQLITE_NULL)
        return QString();
    if (decl && std::strncmp(decl, "bit", 3) == 0)
        return sqlite3_column_int(st, c) ? QStringLiteral("True") : QStringLiteral("False");
    if (type == SQLITE_INTEGER)
        return QString::number(sqlite3_column_int64(st, c));
    if (type == SQLITE_FLOAT)
        return moneyText(sqlite3_column_double(st, c));
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, c)), sqlite3_column_bytes(st, c));
}

// Runs `sql` on the main connection and reads every cell; returns the number of rows.
inline int bareSelect(const QByteArray& sql)
{
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(mainDb().handle(), sql.constData(), int(sql.size()), &st, nullptr);
    const int n = sqlite3_column_count(st);
    std::vector<const char*> decl(n);
    for (int c = 0; c < n; ++c)
        decl[c] = sqlite3_column_decltype(st, c);
    QVector<QString> cells;
    int rows = 0;
    while (sqlite3_step(st) == SQLITE_ROW) {
        ++rows;
        for (int c = 0; c < n; ++c)
            cells.append(bareText(st, c, decl[c]));
    }
    sqlite3_finalize(st);
    return rows;
}
