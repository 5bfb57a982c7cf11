// Benchmark support for windows: the offscreen application, a journal of earlier bills, and the
// measurements the bill windows share (showing a window again, one barcode Enter).
#pragma once

#include "data/database.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <benchmark/benchmark.h>
#include <functional>

// `rows` journal lines of earlier bills, five lines a bill, under `flag` and numbers of `prefix`
// + "13…": the bills go round `partners` partners numbered from `firstPartner`, the lines round
// the first 100,000 goods of the bench catalogue.
inline void seedBenchJournal(int rows, const QString& flag, const QString& prefix, int firstPartner, int partners)
{
    execSql(QStringLiteral("with recursive n(i) as (select 0 union all select i+1 from n where i<?) "
                           "insert into jxc_goodslist (gl_flag,gl_djh,gl_kdrq,ghs_sn,g_sn,gl_sl) "
                           "select ?,?||'13'||printf('%04d%06d',i/5000,(i/5)%1000+10001),'2013-05-28',"
                           "cast(?+(i/5)%? as text),cast(10000000+i%100000 as text),1 from n"),
            {{QString(), rows - 1}, {QString(), flag}, {QString(), prefix}, {QString(), firstPartner},
             {QString(), partners}});
}

// Shows the window again in every round (its activation runs); hiding it is not measured.
inline void measureReshow(benchmark::State& state, QWidget& window)
{
    for (auto _ : state) {
        state.PauseTiming();
        window.hide();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        window.show();
        QCoreApplication::processEvents();
    }
}

// Shows the window in every round until its first screen is drawn; `whileShown` runs then, and
// closing it is not measured.
inline void measureOpen(benchmark::State& state, QWidget& window, const std::function<void()>& whileShown)
{
    for (auto _ : state) {
        window.show();
        QCoreApplication::processEvents();
        state.PauseTiming();
        whileShown();
        window.close();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

// One barcode Enter a round, the barcodes of goods spread over a catalogue of `goods` goods
// (6900000000000 + n); `clearBill` (not measured) keeps the bill at 20 lines at most.
inline void measureBarcodeEnters(benchmark::State& state, QLineEdit& box, int goods, const std::function<void()>& clearBill)
{
    int i = 0;
    for (auto _ : state) {
        box.setText(QString::number(6900000000000LL + (i++ * 7919) % goods));
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(&box, &enter);
        QCoreApplication::processEvents();
        if (i % 20 == 0) {
            state.PauseTiming();
            clearBill();
            state.ResumeTiming();
        }
    }
}

// The main of a window benchmark: an offscreen application unless a platform is set.
// `teardown` drops the fixture (its windows and its temporary shop folder) while the
// application still runs.
inline int runWindowBenchmarks(int argc, char** argv, const std::function<void()>& teardown)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    teardown();
    return 0;
}
