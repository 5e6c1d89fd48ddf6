#include "Cp1251Literal.h"

std::string Cp1251Literal(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto b0 = static_cast<unsigned char>(utf8[i]);
        if (b0 < 0x80) {
            out.push_back(static_cast<char>(b0));
            ++i;
            continue;
        }
        if ((b0 & 0xE0) == 0xC0 && i + 1 < utf8.size()) {
            const unsigned cp =
                ((b0 & 0x1Fu) << 6) | (static_cast<unsigned char>(utf8[i + 1]) & 0x3Fu);
            i += 2;
            if (cp >= 0x410 && cp <= 0x44F)
                out.push_back(static_cast<char>(cp - 0x410 + 0xC0));
            else if (cp == 0x401)
                out.push_back(static_cast<char>(0xA8));
            else if (cp == 0x451)
                out.push_back(static_cast<char>(0xB8));
            else
                out.push_back('?');
            continue;
        }
        if ((b0 & 0xF0) == 0xE0 && i + 2 < utf8.size()) {
            const unsigned cp = ((b0 & 0x0Fu) << 12) |
                                ((static_cast<unsigned char>(utf8[i + 1]) & 0x3Fu) << 6) |
                                (static_cast<unsigned char>(utf8[i + 2]) & 0x3Fu);
            i += 3;
            out.push_back(cp == 0x2116 ? static_cast<char>(0xB9) : '?');
            continue;
        }
        out.push_back('?');
        ++i;
    }
    return out;
}
