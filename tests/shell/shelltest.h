// Fixture of the shell's window tests: a fresh database with the clock on 2013-05-28 (a
// Tuesday), scripted message boxes, the program's folder in a temporary folder, and the end of
// the program caught instead of leaving the test run.
#pragma once

#include "data/globals.h"
#include "platform/form.h"
#include "platform/msgbox.h"
#include "support/testdb.h"

#include <QTemporaryDir>
#include <QtTest/QTest>
#include <gtest/gtest.h>

class TF_MainForm;

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // An operator with a password (stored as the program stores it) and a role.
    static void addOperator(const QString& name, const QString& password, const QString& role);
    // A role whose rights columns all hold `rights`, except those given in `columns`.
    static void addRole(const QString& code, const QString& rights,
                        const QList<QPair<QString, QString>>& columns = {});
    // Sets the operator globals as a login would.
    static void loginGlobals(const QString& name, const QString& role);
    // Number of rows of the operation log with this note (and operator, when given).
    static int logLines(const QString& note, const QString& name = QString());
    // Shows the main window and logs in through the login dialog with the password as typed.
    // The tip of the day is switched off first unless `keepTip`.
    void startAndLogin(TF_MainForm& form, const QString& name, const QString& password, bool keepTip = false);
    // Texts of the boxes shown since the last MsgScript::reset().
    static QStringList boxes() { return MsgScript::texts(); }

    std::unique_ptr<TestDb> db;
    QTemporaryDir programFolder;
    int ended = 0;  // times the program would have ended
};

// Processes events until `done` holds or `ms` milliseconds have passed.
bool waitFor(const std::function<bool()>& done, int ms = 5000);

// Every visible button of `window` lies inside it and has room for its whole caption (the
// caption's width in the button's font, with the icon beside it where there is one). Returns
// the faults found, one line each.
QStringList layoutFaults(QWidget* window);
