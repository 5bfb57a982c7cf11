// The serial ports and printers of the system, as the till's settings list them.
#pragma once

#include <QString>
#include <QStringList>

// Short names of the serial ports ("ttyS0", "ttyUSB0"), sorted; "COM1" to "COM4" when the
// system lists none.
QStringList serialPortNames();

// The installed printers in the system's order. A printer is stored by its position in this
// list, so after printers are added or removed a position may name another printer.
QStringList printerNames();
// The printer at a stored position; "" for -1 or a position the list does not reach.
QString printerAt(int position);
// The position of a printer; -1 when it is not installed.
int printerPosition(const QString& name);
