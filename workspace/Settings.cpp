#include "Settings.h"

#include "TextCodec.h"

#include <QFile>
#include <QSaveFile>

namespace Settings {

QString ReadPortName(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // A port name is short; a huge file is not ours and is not worth reading whole.
    QByteArray line = file.readLine(4096);
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    return TextCodec::ToUnicode(line.toStdString());
}

std::optional<QString> WritePortName(const QString& path, const QString& portName) {
    const std::optional<std::string> bytes = TextCodec::FromUnicode(portName);
    if (!bytes)
        return QStringLiteral("имя порта «%1» нельзя записать в кодировке Windows-1251")
            .arg(portName);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("не удаётся открыть «%1» для записи (%2)")
            .arg(path, file.errorString());
    const QByteArray text = QByteArray::fromStdString(*bytes) + "\r\n";
    if (file.write(text) != text.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return QStringLiteral("ошибка записи «%1» (%2)").arg(path, reason);
    }
    if (!file.commit())
        return QStringLiteral("ошибка записи «%1» (%2)").arg(path, file.errorString());
    return std::nullopt;
}

} // namespace Settings
