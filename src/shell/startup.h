// Program start: the single-instance lock, the splash, the main window and the data module.
#pragma once

#include <QString>

// Runs the whole program; returns the process exit code.
int runProgram(int argc, char** argv);

// Name of the lock file that keeps a second copy from starting, in the user's runtime folder.
QString instanceLockPath();

// The program's own stand-in for the user's short date setting. When today's date in that
// format differs from "yyyy-MM-dd", the separator and format are set to "-" and "yyyy-MM-dd".
// Returns true when it changed them.
bool checkDateFormat();
QString shortDateFormat();
