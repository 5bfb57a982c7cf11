// Fixture of the business-routine tests: a fresh database with every table and default row,
// the clock on 2013-05-28 10:00, an operator logged in with the administrator role.
#pragma once

#include "data/datamodule.h"
#include "data/globals.h"
#include "support/testdb.h"

#include <gtest/gtest.h>

class RoutineTest : public ::testing::Test {
protected:
    RoutineTest()
    {
        operatorName = QStringLiteral("张三");
        roleCode = QStringLiteral("100001");
    }
    ~RoutineTest() override
    {
        operatorName.clear();
        roleCode.clear();
    }

    // Number of rows a statement counts ("select count(*) ...").
    static int count(const QString& sql, const SqlParams& params = {}) { return selectValue(sql, params).toInt(); }

    // Every row of a query as its fields' texts joined by "|", rows joined by " ".
    static QString rows(const QString& sql, const SqlParams& params = {})
    {
        const ResultSet rs = openSelect(sql, params);
        QStringList out;
        for (int r = 0; r < rs.rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < rs.columnCount(); ++c)
                cells << rs.text(r, c);
            out << cells.join(u'|');
        }
        return out.join(u' ');
    }

    TestDb db;
};
