#pragma once

#include <array>
#include <string>

// The eight header lines of the setup protocol, Windows-1251 bytes:
// 0 number, 1 date, 2 vulcanizing mode, 3 product kind, 4 model, 5 version, 6 equipment,
// 7 individual vulcanizer-shaper.
struct THeader : std::array<std::string, 8> {
    void Clear() {
        for (auto& line : *this)
            line.clear();
    }
};
