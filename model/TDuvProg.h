#pragma once

#include "TDuvRec.h"

#include <array>
#include <cstdint>
#include <string>

// One program of the controller: sixteen operation slots and, for emergency programs, a zone.
class TDuvProg {
  public:
    static constexpr int OpCount = 16;

    std::array<TDuvRec, OpCount> Ops;
    std::int8_t Kind = 0;
    std::string Name = "Untitled program"; // Windows-1251 bytes
    std::int32_t Defined = 0;
    TMyTime ZoneStart{TMyTime::TimeUndefined};
    TMyTime ZoneStop{TMyTime::TimeUndefined};

    // Slot i; an index outside 0..15 yields slot 0.
    TDuvRec& Op(int i) noexcept { return Ops[Valid(i) ? i : 0]; }
    const TDuvRec& Op(int i) const noexcept { return Ops[Valid(i) ? i : 0]; }
    // Undefines the program and its zone and clears every slot; Name and Kind stay.
    void Clear();
    bool HasZone() const noexcept {
        return ZoneStart.Value() != TMyTime::TimeUndefined ||
               ZoneStop.Value() != TMyTime::TimeUndefined;
    }

  private:
    static constexpr bool Valid(int i) noexcept { return i >= 0 && i < OpCount; }
};
