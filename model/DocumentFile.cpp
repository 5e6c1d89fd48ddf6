#include "DocumentFile.h"

#include "DocumentStreams.h"
#include "DocumentSyntax.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <sstream>

QString DocumentError::Text() const
{
    if (Line > 0)
        return QStringLiteral("Файл «%1», строка %2: %3").arg(File).arg(Line).arg(Message);
    return QStringLiteral("Файл «%1»: %2").arg(File, Message);
}

namespace DocumentFile {

std::string Serialize(const TDuvDocument& doc)
{
    std::ostringstream out(std::ios::binary);
    out << doc.ChannelCount << "\r\n" << doc.Header << doc.Progs;
    return std::move(out).str();
}

std::optional<DocumentError> Parse(std::string_view bytes, TDuvDocument& doc)
{
    DocumentSyntax::ViewLines lines(bytes);
    TDuvDocument fresh;
    std::string first;
    DocumentSyntax::Failure failure;
    if (!lines.Next(first, failure) || !DocumentSyntax::ReadHeader(lines, fresh.Header, failure) ||
        !DocumentSyntax::ReadProgs(lines, fresh.Progs, failure))
        return DocumentError{QString(), failure.Line, failure.Message};
    fresh.ChannelCount = DocumentSyntax::Atol(first);
    doc = std::move(fresh);
    return std::nullopt;
}

std::optional<DocumentError> Read(const QString& path, TDuvDocument& doc)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return DocumentError{path, 0,
                             QStringLiteral("не удаётся открыть для чтения (%1)").arg(file.errorString())};
    // A document is 383 short lines; anything far larger is not one of ours.
    constexpr qint64 limit = 64 * 1024 * 1024;
    if (file.size() > limit)
        return DocumentError{path, 0, QStringLiteral("файл слишком велик для документа")};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return DocumentError{path, 0,
                             QStringLiteral("ошибка чтения (%1)").arg(file.errorString())};
    auto error = Parse(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), doc);
    if (error)
        error->File = path;
    return error;
}

std::optional<DocumentError> Write(const QString& path, const TDuvDocument& doc)
{
    const std::string bytes = Serialize(doc);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return DocumentError{path, 0,
                             QStringLiteral("не удаётся открыть для записи (%1)").arg(file.errorString())};
    if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size())) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return DocumentError{path, 0, QStringLiteral("ошибка записи (%1)").arg(reason)};
    }
    if (!file.commit())
        return DocumentError{path, 0, QStringLiteral("ошибка записи (%1)").arg(file.errorString())};
    return std::nullopt;
}

} // namespace DocumentFile
