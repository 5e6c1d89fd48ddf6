#pragma once

#include "TDuvProgs.h"
#include "THeader.h"

#include <QString>

#include <optional>
#include <string>
#include <string_view>

// A whole document: device type, header lines and program set, 383 lines in all.
struct TDuvDocument {
    int ChannelCount = 12;
    THeader Header;
    TDuvProgs Progs;
};

// Why a document could not be read or written. Line is 1-based, 0 when no line is concerned.
struct DocumentError {
    QString File;
    int Line = 0;
    QString Message;
    // The whole text for the user, naming the file and the line.
    QString Text() const;
};

namespace DocumentFile {
inline constexpr int LineCount = 383;

// The bytes of a document, every line ended by CR LF.
std::string Serialize(const TDuvDocument& doc);
// Parses the bytes of a document into a fresh one; on failure doc is left untouched and the
// error's File is empty.
std::optional<DocumentError> Parse(std::string_view bytes, TDuvDocument& doc);

// Reads a whole file; doc changes only when the whole file was read.
std::optional<DocumentError> Read(const QString& path, TDuvDocument& doc);
// Writes atomically: on failure the previous file is left as it was.
std::optional<DocumentError> Write(const QString& path, const TDuvDocument& doc);
} // namespace DocumentFile
