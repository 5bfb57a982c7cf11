// The reliability tests' kill driver: a victim process (see postloop.h) that posts bills in a
// loop on the test's shop is killed at random moments, and the shop is checked after each kill.
#pragma once

#include "data/datamodule.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QStringList>
#include <QThread>
#include <functional>
#include <gtest/gtest.h>

// The rows of `sql`, cells joined by '|', rows by ' ': one text to compare.
inline QString rows(const char* sql)
{
    const ResultSet rs = openSelect(QString::fromUtf8(sql));
    QStringList out;
    for (int r = 0; r < rs.rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < rs.columnCount(); ++c)
            cells << rs.text(r, c);
        out << cells.join(u'|');
    }
    return out.join(u' ');
}

// Starts `program` on the shop in `dataDir` eight times, each with its own seed, kills it
// (SIGKILL) 150 to 150 + `spreadMs` ms after it is ready and runs `check`; stops at the first
// failure. The seed is traced so that a failure can be replayed. A victim whose one unit of work
// is long gives a spread of a few units, so that kills land both inside and between them.
inline void killRepeatedly(const QString& program, const QString& dataDir, const std::function<void()>& check,
                           quint32 spreadMs = 700)
{
    const quint32 seed = QRandomGenerator::global()->generate();
    SCOPED_TRACE(seed);
    QRandomGenerator rng(seed);
    for (int round = 0; round < 8; ++round) {
        QProcess victim;
        victim.start(program, {dataDir, QString::number(seed + quint32(round))});
        ASSERT_TRUE(victim.waitForReadyRead(20000)) << victim.errorString().toStdString();
        QThread::msleep(150 + rng.bounded(spreadMs));
        victim.kill();  // SIGKILL
        victim.waitForFinished();
        SCOPED_TRACE(round);
        check();
        if (::testing::Test::HasFailure())
            break;
    }
}
