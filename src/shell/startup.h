// Program start: the single-instance lock, the splash, the main window and the data module.
// The shop's folder is found by defaultShopDir() (JXC_SHOP_DIR, else ~/.local/share/jxc); a
// database that cannot be used is refused once and the program ends with exit code 1.
#pragma once

#include <QString>

// Runs the whole program; returns the process exit code.
int runProgram(int argc, char** argv);

// Makes the shop's folder ready once its database was accepted: creates its report folder and
// copies into it every template shipped in `shippedReports` that it does not hold yet (the
// user's edited templates are never overwritten).
void prepareShopFolder(const QString& shippedReports);

// Name of the lock file that keeps a second copy from starting, in the user's runtime folder.
QString instanceLockPath();

// The program's own stand-in for the user's short date setting. When today's date in that
// format differs from "yyyy-MM-dd", the separator and format are set to "-" and "yyyy-MM-dd".
// Returns true when it changed them.
bool checkDateFormat();
QString shortDateFormat();
