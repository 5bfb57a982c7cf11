// Benchmark support: a data module connected to an empty database in a temporary folder.
#pragma once

#include "data/datamodule.h"

#include <QTemporaryDir>

struct BenchDb {
    QTemporaryDir dir;
    TF_DataModule dm;

    BenchDb()
    {
        DataModule = &dm;
        // JXC_BENCH_KEEP keeps the database for a look at the statements' plans afterwards.
        if (qEnvironmentVariableIsSet("JXC_BENCH_KEEP")) {
            dir.setAutoRemove(false);
            qInfo("bench database kept in %s", qPrintable(dir.path()));
        }
        setDataDir(dir.path());
        Database create;
        create.open(dir.filePath("jxc.mdb"), true);
        create.close();
        connectDb("jxc.mdb");
    }
};

// ---- Posting benchmarks --------------------------------------------------------------------------

#include "bills/workinglines.h"
#include "data/clock.h"
#include "data/globals.h"
#include "data/schema/schema.h"

#include <optional>

// The database of the posting benchmarks: the clock at 2013-05-28 10:00, operator 张三, every table.
struct PostingBenchDb : BenchDb {
    PostingBenchDb()
    {
        Clock::setFixed(QDateTime(QDate(2013, 5, 28), QTime(10, 0, 0)));
        operatorName = QStringLiteral("张三");
        createAllTables();
    }
    ~PostingBenchDb() { Clock::reset(); }

    // In the caller's transaction: the handler row `userInsert` (u_sn 200001), sizes 38 to 40
    // (group 200001), black and white (group 200001) and the temp table seq of 0 to `count` - 1.
    static void seedSizesColours(const char* userInsert, int count)
    {
        execSql(QString::fromUtf8(userInsert));
        execSql("insert into jxc_cm (cm_sn,cm_name,cm_tm) values ('200001','38','38'),('200002','39','39'),('200003','40','40')");
        execSql("insert into jxc_cmz (cmz_sn,cmz_name) values ('200001','38-40')");
        execSql("insert into jxc_cmz2 (cmz_sn,cm_sn) values ('200001','200001'),('200001','200002'),('200001','200003')");
        execSql("insert into jxc_colorz (colorz_sn,colorz_name) values ('200001','黑白')");
        execSql("insert into jxc_colorz2 (colorz_sn,color_sn) values ('200001','100004'),('200001','100005')");
        execSql("create temp table seq (i integer primary key)");
        execSql("insert into seq (i) with recursive s(i) as (select 0 union all select i+1 from s where i<?) select i from s",
                {{QString(), count - 1}});
    }
};

// Working lines of `goods` goods (2000nnnn), 3 sizes × 2 colours of 1 each, at `price` (less
// `rate` when given), under `djh`; returns their total.
inline Money enterBenchLines(const BillLineTables& tables, const QString& djh, int goods, Money price,
                             std::optional<Money> rate = std::nullopt)
{
    Money total;
    for (int g = 0; g < goods; ++g) {
        WorkingLine line{.gSn = QStringLiteral("2000%1").arg(g, 4, 10, QLatin1Char('0')), .price = price, .rows = {},
                         .quantity = {}};
        if (rate)
            line.rate = *rate;
        for (const char* cm : {"200001", "200002", "200003"})
            for (const char* color : {"100004", "100005"})
                line.rows.append({QLatin1String(cm), QLatin1String(color), Money::fromUnits(10000)});
        writeLine(tables, djh, line);
        total += lineAmount(tables, line);
    }
    return total;
}
