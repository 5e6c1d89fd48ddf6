#include "SendArray.h"

namespace SendArray {

Words Build(const TDuvProgs& progs) {
    Words words;
    words.fill(TMyTime::TimeUndefined);
    std::size_t w = 0;
    for (int slot : BlockSlots) {
        const TDuvProg& prog = progs.Prog(slot);
        for (int channel = 1; channel <= 16; ++channel, w += 2) {
            for (const TDuvRec& op : prog.Ops) {
                if (op.Channel == channel) { // the lower slot wins
                    words[w] = op.OnTime.Value();
                    words[w + 1] = op.OffTime.Value();
                    break;
                }
            }
        }
    }
    for (int slot = 2; slot <= 4; ++slot, w += 2) {
        words[w] = progs.Prog(slot).ZoneStart.Value();
        words[w + 1] = progs.Prog(slot).ZoneStop.Value();
    }
    return words;
}

Bytes ToWire(const Words& words) {
    Bytes bytes;
    for (std::size_t i = 0; i < words.size(); ++i) {
        bytes[2 * i] = static_cast<std::uint8_t>(words[i] >> 8);
        bytes[2 * i + 1] = static_cast<std::uint8_t>(words[i] & 0xFF);
    }
    return bytes;
}

Words FromWire(const Bytes& bytes) {
    Words words;
    for (std::size_t i = 0; i < words.size(); ++i)
        words[i] = static_cast<std::uint16_t>((bytes[2 * i] << 8) | bytes[2 * i + 1]);
    return words;
}

Bytes ToHost(const Words& words) {
    Bytes bytes;
    for (std::size_t i = 0; i < words.size(); ++i) {
        bytes[2 * i] = static_cast<std::uint8_t>(words[i] & 0xFF);
        bytes[2 * i + 1] = static_cast<std::uint8_t>(words[i] >> 8);
    }
    return bytes;
}

Words FromHost(const Bytes& bytes) {
    Words words;
    for (std::size_t i = 0; i < words.size(); ++i)
        words[i] = static_cast<std::uint16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
    return words;
}

} // namespace SendArray
