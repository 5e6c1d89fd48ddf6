#include "PortNames.h"

#include <QRegularExpression>
#include <QSerialPortInfo>

namespace PortNames {

QString DeviceName(const QString& portText) {
    static const QRegularExpression comPattern(QStringLiteral("^COM([0-9]+)$"),
                                               QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = comPattern.match(portText);
    if (!match.hasMatch())
        return portText;
    bool ok = false;
    const int number = match.captured(1).toInt(&ok);
    if (!ok || number < 1)
        return portText;
#ifdef Q_OS_WIN
    return QStringLiteral("COM%1").arg(number);
#else
    return QStringLiteral("/dev/ttyS%1").arg(number - 1);
#endif
}

QStringList SystemPorts() {
    QStringList ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        if (!ports.contains(info.systemLocation()))
            ports << info.systemLocation();
    }
    return ports;
}

} // namespace PortNames
