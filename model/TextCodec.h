#pragma once

#include <QString>

#include <optional>
#include <string>

// Between the model's Windows-1251 bytes and the text the windows show and take.
namespace TextCodec {
// For showing: every byte becomes a character (a byte without a meaning shows as U+FFFD).
QString ToUnicode(const std::string& cp1251);
// For storing typed text: nullopt when a character has no Windows-1251 byte.
std::optional<std::string> FromUnicode(const QString& text);
// True when every character of text has a Windows-1251 byte.
bool Fits(const QString& text);
} // namespace TextCodec
