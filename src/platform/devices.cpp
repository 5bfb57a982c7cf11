#include "platform/devices.h"

#include <QPrinterInfo>
#include <QSerialPortInfo>

QStringList serialPortNames()
{
    QStringList names;
    for (const QSerialPortInfo& port : QSerialPortInfo::availablePorts())
        names << port.portName();
    names.sort();
    names.removeDuplicates();
    if (names.isEmpty())
        names = {QStringLiteral("COM1"), QStringLiteral("COM2"), QStringLiteral("COM3"), QStringLiteral("COM4")};
    return names;
}

QStringList printerNames()
{
    return QPrinterInfo::availablePrinterNames();
}

QString printerAt(int position)
{
    return printerNames().value(position);
}

int printerPosition(const QString& name)
{
    return printerNames().indexOf(name);
}
