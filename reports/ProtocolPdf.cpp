#include "ProtocolPdf.h"

#include "ProtocolPainter.h"

#include <QPdfWriter>
#include <QSaveFile>

namespace ProtocolPdf {

bool Write(const QString& path, const QStringList& lines) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    {
        QPdfWriter writer(&file);
        writer.setCreator(QStringLiteral("ДУВ Технолога"));
        writer.setTitle(QStringLiteral("Протокол настройки"));
        if (!ProtocolPainter::Paint(writer, lines)) {
            file.cancelWriting();
            return false;
        }
    }
    return file.commit();
}

} // namespace ProtocolPdf
