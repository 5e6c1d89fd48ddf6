#pragma once

#include <QStringList>

class QString;

// The protocol as a PDF file, painted as the preview and the printer paint it.
namespace ProtocolPdf {
// Writes the pages of lines to path, replacing the file only when the whole PDF was written.
// False when the file could not be written.
bool Write(const QString& path, const QStringList& lines);
} // namespace ProtocolPdf
