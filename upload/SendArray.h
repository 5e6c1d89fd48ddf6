#pragma once

#include "TDuvProgs.h"

#include <array>
#include <cstdint>

// The 332-byte image of a program set that the controller receives: 166 16-bit words.
// Blocks of 16 channel entries (on word, off word) for programs 0, 2, 3, 4, 1, then the three
// zones of programs 2..4 (start, stop).
namespace SendArray {
inline constexpr int ByteCount = 332;
inline constexpr int WordCount = 166;
using Words = std::array<std::uint16_t, WordCount>; // numbers, as the viewer lists them
using Bytes = std::array<std::uint8_t, ByteCount>;

// The program slots of the five blocks, in array order.
inline constexpr std::array<int, 5> BlockSlots = {0, 2, 3, 4, 1};

Words Build(const TDuvProgs& progs);
// High byte of every word first, as the bytes go down the line.
Bytes ToWire(const Words& words);
Words FromWire(const Bytes& bytes);
// Low byte of every word first, as the workstation holds the image in memory, whatever the
// machine running this.
Bytes ToHost(const Words& words);
Words FromHost(const Bytes& bytes);
} // namespace SendArray
