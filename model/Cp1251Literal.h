#pragma once

#include <string>
#include <string_view>

// Turns a UTF-8 literal of the program's own texts (Russian letters, Ё/ё, №, ASCII) into
// Windows-1251 bytes. Only for fixed texts written in the source; user text goes through TextCodec.
std::string Cp1251Literal(std::string_view utf8);
