#pragma once

#include <QString>
#include <QStringList>

// The port texts the user types or picks in the upload dialog.
namespace PortNames {
// "COMn" (any letter case, n a whole number from 1) names the system's n-th serial port: COMn on
// Windows, /dev/ttyS(n-1) elsewhere. Any other text is the device's name or path as typed.
QString DeviceName(const QString& portText);
// The serial ports this machine has, by their system location, in the system's order.
QStringList SystemPorts();
} // namespace PortNames
