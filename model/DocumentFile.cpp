#include "DocumentFile.h"

#include "DocumentStreams.h"
#include "DocumentSyntax.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <sstream>

QString DocumentError::Text() const {
    const QString file = QDir::toNativeSeparators(File);
    if (Line > 0)
        return QStringLiteral("Файл «%1», строка %2: %3").arg(file).arg(Line).arg(Message);
    return QStringLiteral("Файл «%1»: %2").arg(file, Message);
}

namespace DocumentFile {

std::string Serialize(const TDuvDocument& doc) {
    std::ostringstream out(std::ios::binary);
    out << doc.ChannelCount << "\r\n" << doc.Header << doc.Progs;
    return std::move(out).str();
}

std::optional<DocumentError> Parse(std::string_view bytes, TDuvDocument& doc) {
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

std::optional<DocumentError> Read(const QString& path, TDuvDocument& doc) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return DocumentError{
            path, 0, QStringLiteral("не удаётся открыть для чтения (%1)").arg(file.errorString())};
    // A document is 383 short lines; anything far larger is not one of ours. The size is checked
    // on what was read, not on what the file claims: a device may report 0 and never end.
    constexpr qint64 limit = 64 * 1024 * 1024;
    if (file.size() > limit)
        return DocumentError{path, 0, QStringLiteral("файл слишком велик для документа")};
    const QByteArray bytes = file.read(limit + 1);
    if (file.error() != QFileDevice::NoError)
        return DocumentError{path, 0, QStringLiteral("ошибка чтения (%1)").arg(file.errorString())};
    if (bytes.size() > limit)
        return DocumentError{path, 0, QStringLiteral("файл слишком велик для документа")};
    auto error =
        Parse(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), doc);
    if (error)
        error->File = path;
    return error;
}

std::optional<DocumentError> Write(const QString& path, const TDuvDocument& doc) {
    const std::string bytes = Serialize(doc);
    const auto size = static_cast<qint64>(bytes.size());
    QSaveFile file(path);
    // Unbuffered: through a write buffer, a short write (a full disk, a size limit) is dropped
    // without an error and commit() then replaces the old file with a truncated one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return DocumentError{
            path, 0, QStringLiteral("не удаётся открыть для записи (%1)").arg(file.errorString())};
    const qint64 written = file.write(bytes.data(), size);
    if (written != size || file.size() != size) {
        const QString reason =
            written < 0 ? file.errorString()
                        : QStringLiteral("записано %1 байт из %2").arg(written).arg(size);
        file.cancelWriting();
        return DocumentError{path, 0, QStringLiteral("ошибка записи (%1)").arg(reason)};
    }
    if (!file.commit())
        return DocumentError{path, 0, QStringLiteral("ошибка записи (%1)").arg(file.errorString())};
    return std::nullopt;
}

} // namespace DocumentFile
