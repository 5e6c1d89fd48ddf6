#pragma once

#include <QString>

#include <optional>
#include <string>

// Between the model's Windows-1251 bytes and the text the windows show and take.
namespace TextCodec {
// For showing: every byte becomes one character. 0x98, which stands for no letter, becomes the
// control character U+0098, so FromUnicode gives the same bytes back.
QString ToUnicode(const std::string& cp1251);
// For storing typed text: nullopt when a character has no Windows-1251 byte.
std::optional<std::string> FromUnicode(const QString& text);
// True when every character of text has a Windows-1251 byte.
bool Fits(const QString& text);
} // namespace TextCodec
